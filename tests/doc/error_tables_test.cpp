// error_tables_test.cpp - the installed tables of error and warning numbers (doc/errors-*.md)
// against the libraries' own lists of numbers, so that neither can change without the other:
// every number a library can report has one row, every row names a number the library has, and
// the row's kind (error or warning) agrees with the number's sign.  Where a public header and a
// row both name the value a warning puts in place, they name the same one.  The graph library's
// table is also held against its header: the numbers the header names, the errors after which a
// routine goes on, and the coordinate both name for a value with no logarithm.  The kernel's
// table of diagnostics is held against the messages its sources give.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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

// The value a warning puts in place, as a header states it, and the row of that warning: when
// the row names a value in what was kept, the header's is among them.  Rows that say "the
// default" name none.  The terrain header says "warns -1035 and gives 35.3"; the graph header
// says "-552 placement outside 1..5: 3" (a reason of words, ranges and decimals, a colon, the
// value).
TEST(ErrorTables, HeaderAndRowNameTheSameReplacement)
{
    const struct {
        const char* header;
        const char* table;
        const char* statement;   // (number) ... (value)
        std::set<int> required;  // numbers that must be compared
    } pairs[] = {
        {"include/tterrlib.h",
         "doc/errors-tterrlib.md",
         R"(warns?\s+(-\d+)\s+and\s+gives?\s+(-?\d+(?:\.\d+)?))",
         {-1035, -1009, -1075}},
        // The text chart justification, the chart value placements and the pie annotation mode.
        {"include/tplotlib.h",
         "doc/errors-tplotlib.md",
         R"((-5\d\d)\s(?:[^:;.]|\.\.|\.\d){1,80}?:\s(-?\d+(?:\.\d+)?)\b)",
         {-545, -552, -549}},
    };
    const std::regex value(R"(-?\d+(?:\.\d+)?)");
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.header);
        const std::string comments = headerComments(p.header);
        std::vector<std::string> faults;
        const std::map<int, std::string> rows = tableRows(p.table, faults);
        const std::regex gives(p.statement);
        std::set<int> compared;
        for (std::sregex_iterator m(comments.begin(), comments.end(), gives), end; m != end; ++m) {
            const int number = std::stoi((*m)[1]);
            const double given = std::stod((*m)[2]);
            const auto row = rows.find(number);
            if (row == rows.end()) continue;  // a missing row is another test's
            std::vector<double> kept;
            const std::string& column = row->second;
            for (std::sregex_iterator v(column.begin(), column.end(), value); v != end; ++v)
                kept.push_back(std::stod(v->str()));
            if (kept.empty()) continue;
            compared.insert(number);
            if (std::find(kept.begin(), kept.end(), given) == kept.end())
                ADD_FAILURE() << m->str() << "; the row of " << number << " keeps:" << column;
        }
        for (int number : p.required)
            EXPECT_TRUE(compared.count(number)) << number << " was not compared";
        for (const std::string& fault : faults) ADD_FAILURE() << fault;
    }
}

// The graph and surface libraries' headers name numbers in their comments; each must have a row
// of the same kind in the table, so that a number renamed in one place cannot linger in the other.
TEST(ErrorTables, EveryNumberTheHeaderNamesHasARow)
{
    const struct {
        const char* header;
        const char* table;
        int offset;
    } pairs[] = {{"include/tplotlib.h", "doc/errors-tplotlib.md", 500},
                 {"include/tterrlib.h", "doc/errors-tterrlib.md", 1000}};
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.header);
        std::vector<std::string> faults;
        const std::map<int, std::string> rows = tableRows(p.table, faults);
        const std::string text = readFile(std::string(TARV_SOURCE_DIR) + "/" + p.header);
        const std::regex number(R"((?:^|[^\w.*])(-?\d+)\b)");
        int named = 0;
        for (std::sregex_iterator m(text.begin(), text.end(), number), end; m != end; ++m) {
            const std::string digits = (*m)[1];
            if (digits.size() > 5) continue;  // no error number
            const int n = std::stoi(digits), size = std::abs(n);
            if (size <= p.offset || size >= p.offset + 100) continue;
            ++named;
            if (!rows.count(n)) faults.push_back(std::to_string(n) + " is named but has no row");
        }
        EXPECT_GT(named, 40) << "the numbers of " << p.header << " were not read";
        for (const std::string& fault : faults) ADD_FAILURE() << fault;
    }
}

// A value with no logarithm on a logarithmic axis: the table's key names the errors after which
// a routine goes on, exactly the rows that say so, and the rows and the header name the picture
// coordinate the library puts in the value's place.
TEST(ErrorTables, GraphErrorsThatGoOnAgreeWithTheKeyAndTheHeader)
{
    const std::string table = readFile(std::string(TARV_SOURCE_DIR) + "/doc/errors-tplotlib.md");
    const size_t keyStart = table.find("- **Error**"), keyEnd = table.find("- **Warning**");
    ASSERT_TRUE(keyStart != std::string::npos && keyEnd > keyStart);
    const std::string key = table.substr(keyStart, keyEnd - keyStart);
    std::set<int> inKey;
    const std::regex three(R"(\b(5\d\d)\b)");
    for (std::sregex_iterator m(key.begin(), key.end(), three), end; m != end; ++m)
        inKey.insert(std::stoi((*m)[1]));

    std::vector<std::string> faults;
    const std::map<int, std::string> rows = tableRows("doc/errors-tplotlib.md", faults);
    std::set<int> goingOn;
    for (const auto& [n, kept] : rows)
        if (n > 0 && kept.find("goes on") != std::string::npos) goingOn.insert(n);
    EXPECT_EQ(inKey, goingOn) << "the key's exceptions and the rows that go on differ";

    // The header names the same exceptions where it says what an error does.
    const std::string header = readFile(std::string(TARV_SOURCE_DIR) + "/include/tplotlib.h");
    const std::string comments = headerComments("include/tplotlib.h");
    std::smatch except;
    ASSERT_TRUE(
        std::regex_search(comments, except, std::regex(R"(except\s+for\s+([^()]*?)\s+where)")))
        << "tplotlib.h names no errors after which a routine goes on";
    const std::string list = except[1];
    std::set<int> inHeader;
    for (std::sregex_iterator m(list.begin(), list.end(), three), end; m != end; ++m)
        inHeader.insert(std::stoi((*m)[1]));
    EXPECT_EQ(inHeader, inKey) << "the header's exceptions and the key's differ";

    // The coordinate the code gives, from its default, against every place that names one.
    const std::string defaults =
        readFile(std::string(TARV_SOURCE_DIR) + "/plotlib/frame/defaults.cpp");
    std::smatch fallback;
    ASSERT_TRUE(std::regex_search(defaults, fallback, std::regex(R"(logFallback = (-?[\d.]+)f;)")));
    const double given = std::stod(fallback[1]);
    const std::regex coordinate(R"(coordinate (-?\d+(?:\.\d+)?))");
    const std::pair<std::string, std::string> places[] = {{"row 502", rows.at(502)},
                                                          {"row 513", rows.at(513)},
                                                          {"row 514", rows.at(514)},
                                                          {"tplotlib.h", header}};
    for (const auto& [place, text] : places) {
        int named = 0;
        for (std::sregex_iterator m(text.begin(), text.end(), coordinate), end; m != end; ++m) {
            ++named;
            EXPECT_EQ(std::stod((*m)[1]), given) << place << " names another coordinate";
        }
        EXPECT_GT(named, 0) << place << " names no coordinate";
    }
    for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

// The kernel's diagnostics table: every message the kernel's sources give kernelDiagnostic has
// its row (operation and message), and every row a message the sources give.  A message given
// for whatever operation passes it on is the row of "any operation taking a count".
TEST(ErrorTables, KernelDiagnosticsAgreeWithTheirTable)
{
    const std::string anyOperation = "any operation taking a count";
    std::set<std::pair<std::string, std::string>> given;
    const std::regex call(R"re(kernelDiagnostic\(\s*("(\w+)"|operation),\s*"([^"]+)"\))re");
    for (const auto& file :
         std::filesystem::directory_iterator(std::string(TARV_SOURCE_DIR) + "/kernel")) {
        if (file.path().extension() != ".cpp") continue;
        const std::string text = readFile(file.path().string());
        for (std::sregex_iterator m(text.begin(), text.end(), call), end; m != end; ++m)
            given.insert({(*m)[2].matched ? (*m)[2].str() : anyOperation, (*m)[3].str()});
    }
    ASSERT_GE(given.size(), 5u) << "the kernel's diagnostics were not read";
    std::set<std::pair<std::string, std::string>> rows;
    std::istringstream table(readFile(std::string(TARV_SOURCE_DIR) + "/doc/errors-tarvcore.md"));
    const std::regex row(R"re(^\| `?([^|`]+?)`? \| `([^`]+)` \|[^|]+\|$)re");
    for (std::string line; std::getline(table, line);) {
        std::smatch m;
        if (std::regex_match(line, m, row)) rows.insert({m[1].str(), m[2].str()});
    }
    for (const auto& [operation, message] : given)
        if (!rows.count({operation, message}))
            ADD_FAILURE() << operation << ": \"" << message << "\" has no row";
    for (const auto& [operation, message] : rows)
        if (!given.count({operation, message}))
            ADD_FAILURE() << "the row " << operation << ": \"" << message
                          << "\" names no diagnostic of the kernel";
}

}  // namespace
