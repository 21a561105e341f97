// error_tables_test.cpp - the installed tables of error and warning numbers (doc/errors-*.md)
// against the libraries' own lists of numbers, so that neither can change without the other:
// every number a library can report has one row, every row names a number the library has, and
// the row's kind (error or warning) agrees with the number's sign.  Where a public header and a
// row both name the value a warning puts in place, they name the same one.
#include <gtest/gtest.h>

#include <algorithm>
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

// Rows `| number | error or warning | meaning | what was kept or drawn |`: each number's last
// column.
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
        if (!rows.emplace(n, m[4]).second)
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

// A header's comments as one text: the comment lines joined by blanks, without their "//".
std::string headerComments(const std::string& path)
{
    std::istringstream text(readFile(std::string(TARV_SOURCE_DIR) + "/" + path));
    std::string joined;
    for (std::string line; std::getline(text, line);) {
        const size_t at = line.find("//");
        if (at != std::string::npos) joined += line.substr(at + 2) + " ";
    }
    return joined;
}

// "warns -1035 and gives 35.3" in the header and the row of -1035: when the row names a value
// in what was kept, the header's is among them.  Rows that say "the default" name none.
TEST(ErrorTables, HeaderAndRowNameTheSameReplacement)
{
    const std::string comments = headerComments("include/tterrlib.h");
    std::vector<std::string> faults;
    const std::map<int, std::string> rows = tableRows("doc/errors-tterrlib.md", faults);
    const std::regex gives(R"(warns?\s+(-\d+)\s+and\s+gives?\s+(-?\d+(?:\.\d+)?))");
    const std::regex value(R"(-?\d+(?:\.\d+)?)");
    std::set<int> compared;
    for (std::sregex_iterator m(comments.begin(), comments.end(), gives), end; m != end; ++m) {
        const int number = std::stoi((*m)[1]);
        const double given = std::stod((*m)[2]);
        const auto row = rows.find(number);
        if (row == rows.end()) continue;  // a missing row is the test above's
        std::vector<double> kept;
        const std::string& column = row->second;
        for (std::sregex_iterator v(column.begin(), column.end(), value); v != end; ++v)
            kept.push_back(std::stod(v->str()));
        if (kept.empty()) continue;
        compared.insert(number);
        if (std::find(kept.begin(), kept.end(), given) == kept.end())
            ADD_FAILURE() << "tterrlib.h: " << m->str() << "; the row of " << number
                          << " keeps:" << column;
    }
    // The elevation, the search patch and the network contour step are stated in both places.
    for (int number : {-1035, -1009, -1075})
        EXPECT_TRUE(compared.count(number)) << number << " was not compared";
    for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

}  // namespace
