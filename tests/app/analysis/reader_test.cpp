// reader_test.cpp - the free-form reader: how records make samples.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "analysis/reader.h"

namespace {

struct ReadCase {
    const char* name;
    const char* text;
    int n;
    // Expected T and X of samples 1..3; a slot not read keeps its start value 100 + i (times)
    // or 200 + i (values).
    std::vector<double> T, X;
};

const ReadCase kCases[] = {
    {"plain pairs", "0 1\n0.5 2\n", 2, {0, 0.5, 103}, {1, 2, 203}},
    {"a record with only a time takes its value from the next",
     "0\n1\n0.5 2\n",
     2,
     {0, 0.5, 103},
     {1, 2, 203}},
    {"numbers after the second are ignored", "0 1 9 9\n0.5 2 7\n", 2, {0, 0.5, 103}, {1, 2, 203}},
    {"blank records hold nothing", "\n0 1\n\n   \n0.5 2\n\n", 2, {0, 0.5, 103}, {1, 2, 203}},
    {"commas separate", "0,1\n0.5 , 2\n1,\n3\n", 3, {0, 0.5, 1}, {1, 2, 3}},
    {"a partial last record is no sample", "0 1\n0.5 2\n1.0\n", 2, {0, 0.5, 1.0}, {1, 2, 203}},
    {"exponents with E or D, signs, bare points",
     "1.5D2 -2.5e-1\n+.5 5.\n-3E+1 4d0\n",
     3,
     {150, 0.5, -30},
     {-0.25, 5, 4}},
    {"line ends with carriage returns, last line unterminated",
     "0 1\r\n0.5 2\r\n1 3",
     3,
     {0, 0.5, 1},
     {1, 2, 3}},
};

TEST(SampleReader, RecordsMakeSamples)
{
    for (const ReadCase& c : kCases) {
        SCOPED_TRACE(c.name);
        std::vector<double> T(6), X(6);
        for (int i = 1; i <= 5; ++i) {
            T[i] = 100 + i;
            X[i] = 200 + i;
        }
        std::string text = c.text;
        std::FILE* in = fmemopen(text.data(), text.size(), "r");
        ASSERT_NE(in, nullptr);
        const SampleReadResult r = readSamples(in, T.data(), X.data(), 5);
        std::fclose(in);
        EXPECT_EQ(r.n, c.n);
        EXPECT_FALSE(r.tooMany);
        EXPECT_EQ(r.badLine, 0);
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(T[i], c.T[i - 1]) << "T(" << i << ")";
            EXPECT_EQ(X[i], c.X[i - 1]) << "X(" << i << ")";
        }
    }
}

// A record that cannot be read as numbers stops the reading at its line, whatever came
// before it: no sample is made of what the file does not hold.
TEST(SampleReader, UnreadableRecordNamesItsLine)
{
    const struct {
        const char* text;
        int n, line;
    } cases[] = {
        {"0 1\nabc def\n1 3\n", 1, 2},
        {"0 1\n0.5 x7\n", 1, 2},
        {"nan 1\n", 0, 1},
        {"0 1\n1e400 2\n", 1, 2},
        {"0 1\n\n\n2 inf\n", 1, 4},
        {"1.2.3 4\n", 0, 1},
        {"1e 5\n", 0, 1},
        {".e1 6\n", 0, 1},
        {"0\n\nx\n", 0, 3},  // a value looked for on the next records
        {"0,,9\n", 0, 1},    // an empty item
        {",5\n", 0, 1},
        {"0 1\n\x7f\x45\x4c\x46\x02\x01\n", 1, 2},  // binary bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double T[6] = {}, X[6] = {};
        std::string text = c.text;
        std::FILE* in = fmemopen(text.data(), text.size(), "r");
        ASSERT_NE(in, nullptr);
        const SampleReadResult r = readSamples(in, T, X, 5);
        std::fclose(in);
        EXPECT_EQ(r.n, c.n);
        EXPECT_EQ(r.badLine, c.line);
        EXPECT_FALSE(r.tooMany);
    }
    // A file that starts with a zero byte is refused on its first line.
    std::string binary = std::string(1, '\0') + "\x01\x02 3\n4 5\n";
    std::FILE* in = fmemopen(binary.data(), binary.size(), "r");
    double T[6] = {}, X[6] = {};
    const SampleReadResult r = readSamples(in, T, X, 5);
    std::fclose(in);
    EXPECT_EQ(r.badLine, 1);
}

TEST(SampleReader, StopsAtTheLastSlot)
{
    // Three slots hold at most two samples: the read that meets the end needs the third.
    const struct {
        const char* text;
        int n;
        bool tooMany;
    } cases[] = {
        {"1 1\n2 2\n", 2, false},
        {"1 1\n2 2\n\n\n", 2, false},
        {"1 1\n2 2\n3 3\n", 2, true},
        {"1 1\n2 2\n3 3\n4 4\n5 5\n", 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double T[4] = {-1, 0, 0, 0}, X[4] = {-1, 0, 0, 0};
        std::string text = c.text;
        std::FILE* in = fmemopen(text.data(), text.size(), "r");
        const SampleReadResult r = readSamples(in, T, X, 3);
        std::fclose(in);
        EXPECT_EQ(r.n, c.n);
        EXPECT_EQ(r.tooMany, c.tooMany);
    }
}

}  // namespace
