// table.cpp - the lines of the result table: a title, a heading and one line per frequency in
// fixed columns, with asterisks where a value does not fit its field.
#include "analysis/table.h"

#include <cmath>
#include <cstdio>

const char* const kTableTitle =
    "       FREQUENCY (HZ), AMPLITUDE, POWER, AND PHASE DATA FROM DFT ANALYSIS";
const char* const kTableHeading =
    "   K-TH FREQUENCY    FREQ(K)     AMPLITUDE(K)      POWER(K)       PHASE(K)";

std::string fixedField(double value, int width, int decimals)
{
    if (std::isfinite(value)) {
        char buf[512];
        int len = std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, value);
        if (len > 0 && len <= width) return std::string(buf, static_cast<std::size_t>(len));
    }
    return std::string(static_cast<std::size_t>(width), '*');
}

std::string tableLine(int k, double freq, double amp, double power, double phase)
{
    char index[32];
    int len = std::snprintf(index, sizeof index, "%4d", k);
    std::string line(7, ' ');
    line += len == 4 ? std::string(index) : std::string(4, '*');
    line += std::string(10, ' ') + fixedField(freq, 8, 3);
    line += std::string(8, ' ') + fixedField(amp, 8, 2);
    line += std::string(8, ' ') + fixedField(power, 7, 3);
    line += std::string(8, ' ') + fixedField(phase, 7, 3);
    return line;
}
