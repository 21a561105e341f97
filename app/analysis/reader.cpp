// reader.cpp - the free-form reader of sample files.
//
// Each read of a sample asks for two numbers, time and value.  A read begins on a fresh record
// (line), so whatever follows the second number on its line is skipped; a record with only one
// number lets the read go on into the next record.  A record that cannot be converted is not
// skipped and not counted: reading stops there and names its line, so that the caller can
// refuse the file rather than analyse values the file does not hold.
#include "analysis/reader.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

enum class ReadOutcome { Ok, Bad, End };

// One record of the file without its line end; false at the end of the file.  `number`
// counts the records read.
bool nextRecord(std::FILE* in, std::string& line, int& number)
{
    line.clear();
    int c = std::getc(in);
    if (c == EOF) return false;
    ++number;
    while (c != EOF && c != '\n') {
        line.push_back(static_cast<char>(c));
        c = std::getc(in);
    }
    return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number is [sign] digits [. digits] or [sign] . digits, then an optional exponent with
// E or D.  Anything else, or a value that is not finite, is a conversion failure.
bool convertNumber(const std::string& token, double& value)
{
    std::size_t i = 0, n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < n && isDigit(token[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && token[i] == '.') {
        ++i;
        while (i < n && isDigit(token[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return false;
    std::string text = token.substr(0, i);
    if (i < n && (token[i] == 'e' || token[i] == 'E' || token[i] == 'd' || token[i] == 'D')) {
        text.push_back('e');
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-')) text.push_back(token[i++]);
        std::size_t expDigits = 0;
        while (i < n && isDigit(token[i])) {
            text.push_back(token[i++]);
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    if (i != n) return false;
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    char* end = nullptr;
    double v = strtod_l(text.c_str(), &end, cLocale);
    if (end != text.c_str() + text.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

// One read of two items (time, value) from the records that follow.
ReadOutcome readPair(std::FILE* in, double& t, double& x, std::string& line, int& number)
{
    double* items[2] = {&t, &x};
    int got = 0;
    bool afterValue = false;  // a value was taken and no comma has followed it yet
    while (got < 2) {
        if (!nextRecord(in, line, number)) return ReadOutcome::End;
        std::size_t p = 0, n = line.size();
        while (got < 2) {
            while (p < n && isBlank(line[p])) ++p;
            if (p >= n) break;  // the read goes on in the next record
            if (line[p] == ',') {
                ++p;
                // A comma that follows no number leaves an item empty: the file does not give
                // that sample in full.
                if (!afterValue) return ReadOutcome::Bad;
                afterValue = false;
                continue;
            }
            std::size_t start = p;
            while (p < n && !isBlank(line[p]) && line[p] != ',') ++p;
            double v = 0.0;
            if (!convertNumber(line.substr(start, p - start), v)) return ReadOutcome::Bad;
            *items[got++] = v;
            afterValue = true;
        }
    }
    return ReadOutcome::Ok;
}

}  // namespace

SampleReadResult readSamples(std::FILE* in, double* T, double* X, int capacity)
{
    SampleReadResult result{0, false, false, 0};
    std::string line;
    int number = 0;
    for (int i = 1; i <= capacity; ++i) {
        const ReadOutcome outcome = readPair(in, T[i], X[i], line, number);
        if (outcome == ReadOutcome::End) break;
        if (outcome == ReadOutcome::Bad) {
            result.badLine = number;
            break;
        }
        if (i == capacity) {
            result.tooMany = true;
            break;
        }
        result.n = i;
    }
    result.failed = std::ferror(in) != 0;
    return result;
}
