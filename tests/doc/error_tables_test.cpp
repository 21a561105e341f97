// error_tables_test.cpp - the installed tables of error and warning numbers (doc/errors-*.md)
// against the libraries' own lists of numbers, so that neither can change without the other:
// every number a library can report has one row, every row names a number the library has, and
// the row's kind (error or warning) agrees with the number's sign.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A library's internal list: `constexpr int kName = n;` lines, each number reaching the kernel
// moved `offset` away from zero, except the names that are reported as they stand.  A comment
// "(warning -n: ...)" names a warning that a routine reports as the negated error n.
struct ErrorList {
    const char* internal;  // relative to the source tree
    const char* table;     // the installed table, relative to the source tree
    int offset;
    std::set<std::string> reportedAsIs;
};

std::set<int> internalNumbers(const ErrorList& list)
{
    const std::string text = readFile(std::string(TARV_SOURCE_DIR) + "/" + list.internal);
    std::set<int> numbers;
    const std::regex constant(R"(constexpr int (k\w+) = (-?\d+);)");
    for (std::sregex_iterator m(text.begin(), text.end(), constant), end; m != end; ++m) {
        const int n = std::stoi((*m)[2]);
        const bool asIs = list.reportedAsIs.count((*m)[1]) > 0;
        numbers.insert(asIs ? n : n >= 0 ? n + list.offset : n - list.offset);
    }
    const std::regex negated(R"(\(warning (-\d+):)");
    for (std::sregex_iterator m(text.begin(), text.end(), negated), end; m != end; ++m)
        numbers.insert(std::stoi((*m)[1]) - list.offset);
    return numbers;
}

// Rows `| number | error or warning | meaning | what was kept or drawn |`.
std::map<int, std::string> tableRows(const std::string& path, std::vector<std::string>& faults)
{
    std::istringstream text(readFile(std::string(TARV_SOURCE_DIR) + "/" + path));
    std::map<int, std::string> rows;
    const std::regex row(R"(^\| *(-?\d+) *\| *(\w+) *\|([^|]+)\|([^|]+)\|$)");
    std::string line;
    while (std::getline(text, line)) {
        std::smatch m;
        if (!std::regex_match(line, m, row)) continue;
        const int n = std::stoi(m[1]);
        const std::string kind = m[2];
        if (kind != (n < 0 ? "warning" : "error"))
            faults.push_back("row " + std::to_string(n) + " is marked " + kind);
        if (!rows.emplace(n, line).second)
            faults.push_back("row " + std::to_string(n) + " appears twice");
    }
    return rows;
}

// One row a library; the kernel's own numbers are named in its public header and reported as
// they stand.
const ErrorList kLists[] = {
    {"include/tarvcore.h", "doc/errors-tarvcore.md", 0, {}},
    {"plotlib/frame/errors.h", "doc/errors-tplotlib.md", 500, {}},
    {"surflib/frame/errors.h", "doc/errors-tterrlib.md", 1000, {"kCurveTooShort"}},
};

TEST(ErrorTables, EveryReportedNumberHasOneRowAndEveryRowANumber)
{
    for (const ErrorList& list : kLists) {
        SCOPED_TRACE(list.table);
        std::vector<std::string> faults;
        const std::set<int> internal = internalNumbers(list);
        const std::map<int, std::string> rows = tableRows(list.table, faults);
        ASSERT_FALSE(internal.empty())
            << "the internal list of " << list.internal << " was not read";
        for (int n : internal)
            if (!rows.count(n)) faults.push_back(std::to_string(n) + " has no row");
        for (const auto& [n, line] : rows)
            if (!internal.count(n))
                faults.push_back("row " + std::to_string(n) + " names no number");
        for (const std::string& fault : faults) ADD_FAILURE() << fault;
    }
}

}  // namespace
