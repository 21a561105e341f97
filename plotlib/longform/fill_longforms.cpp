// fill_longforms.cpp - long forms of the error bars and of the fills below and between data
// sets.  They split their point and error records into one temporary per field and call the
// legacy routine once; with a count below 1 (either count, for two data sets) nothing is
// called.
#include "longform/codes.h"

using namespace plotlib;

namespace {

constexpr LongFormCodeRow errorBarStyleRows[] = {{0, 0},
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
                    const int& style, const int& mode, const int& direction)
{
    const int legacyStyle = longFormCode(errorBarStyleRows, style);
    const int legacyMode = longFormCode(errorBarModeRows, mode);
    const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
    if (!xy.ok()) return;
    const LongFormFields<ErrorBarRecord, 2> e(errors, n, longFormErrorBarFields);
    if (!e.ok()) return;
    // GRAERB adds its first error array and subtracts its second: a record's second field is
    // the error above the value, its first the error below.
    GRAERB(xy.field(0), xy.field(1), e.field(1), e.field(0), n, legacyStyle, legacyMode, direction);
}

void kpFillBelowDataset(const int& n, const PointRecord* points, const float& base,
                        const int& direction, const int& fill, const int& pen)
{
    const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
    if (!xy.ok()) return;
    GRAFIL(xy.field(0), xy.field(1), n, base, direction, fill, pen);
}

void kpFillBetweenDatasets(const int& countA, const PointRecord* pointsA, const int& countB,
                           const PointRecord* pointsB, const int& fill, const int& pen)
{
    if (countA < 1 || countB < 1) return;
    const LongFormFields<PointRecord, 2> a(pointsA, countA, longFormPointFields);
    if (!a.ok()) return;
    const LongFormFields<PointRecord, 2> b(pointsB, countB, longFormPointFields);
    if (!b.ok()) return;
    GRAFI2(a.field(0), a.field(1), countA, b.field(0), b.field(1), countB, fill, pen);
}
