// fill_longforms.cpp - long forms of the error bars and of the fills below and between data
// sets.  They split their point and error records into one temporary per field and call the
// legacy routine once; with a count below 1 (either count, for two data sets) nothing is
// called.
#include "longform/codes.h"

namespace {

constexpr LongFormCodeRow errorBarStyleRows[] = {
    {0, 0},
    {kpErrorBarStyle7, 7},
    {kpErrorBarStyle6, 6},
    {kpErrorBarStyle5, 5},
    {kpErrorBarStyle4, 4},
    {kpErrorBarStyle3, 3},
    {kpErrorBarStyle2, 2},
    {kpErrorBarStyle1, 1}};
constexpr LongFormCodeRow errorBarModeRows[] = {{0, 0}, {kpErrorBarMode1, 1}};

}  // namespace

void kpAddErrorBars(const int& n, const PointRecord* points, const ErrorBarRecord* errors,
                    const int& style, const int& mode, const int& direction) {
    const int legacyStyle = longFormCode(errorBarStyleRows, style);
    const int legacyMode = longFormCode(errorBarModeRows, mode);
    const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
    if (!xy.ok()) return;
    const LongFormFields<ErrorBarRecord, 2> e(errors, n, longFormErrorBarFields);
    if (!e.ok()) return;
    // GRAERB adds its first error array and subtracts its second: a record's second field is
    // the error above the value, its first the error below.
    GRAERB(xy.field(0), xy.field(1), e.field(1), e.field(0), n, legacyStyle, legacyMode,
           direction);
}
