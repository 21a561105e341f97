// codes.h - what every long form of the graph and chart library shares.
//
// A long form turns its symbolic option codes into the values its legacy routine takes,
// splits arrays of records into one temporary array per field, calls the legacy routine once
// and, for an enquiry, maps the values it got back into codes.  It checks nothing and
// reports nothing: the legacy routine does every check.  The pieces here:
//   - code tables (LongFormCodeRow lists) read in the setting direction (code -> legacy
//     value, anything not listed passes unchanged) and in the enquiry direction (legacy value
//     -> code, nothing written when the value is not listed);
//   - the signed curve-kind code, looked up by magnitude with the sign carried;
//   - pairs of codes that choose one legacy value, remembered per routine for the whole
//     process so that a pair matching no case repeats the value of the last one that did;
//   - the temporaries that hold the fields of a record array for one call.
// The codes themselves are published in tplotlib.h (LongFormCodes).
#ifndef PLOTLIB_LONGFORM_CODES_H
#define PLOTLIB_LONGFORM_CODES_H

#include <climits>
#include <cstddef>
#include <memory>
#include <new>

#include "tplotlib.h"

namespace plotlib {

// ---- Code tables ------------------------------------------------------------------------

// One row of a code table: a code (or a plain value) and the legacy value it stands for.
struct LongFormCodeRow {
    int code;
    int legacy;
};

// Setting direction: the legacy value of v; a value in no row passes unchanged.
template <std::size_t N> constexpr int longFormCode(const LongFormCodeRow (&rows)[N], int v)
{
    for (const LongFormCodeRow& row : rows)
        if (row.code == v) return row.legacy;
    return v;
}

// Enquiry direction: writes the code of legacy value `legacy` into `out` and answers true;
// when no row holds that legacy value `out` is not written and the answer is false.
template <std::size_t N>
bool longFormReturnCode(const LongFormCodeRow (&rows)[N], int legacy, int& out)
{
    for (const LongFormCodeRow& row : rows) {
        if (row.legacy == legacy) {
            out = row.code;
            return true;
        }
    }
    return false;
}

// Signed code: the table applied to the magnitude of v, the result carrying v's sign.  A
// magnitude in no row passes v unchanged, sign included (so does INT_MIN, whose magnitude
// is no int).
template <std::size_t N> constexpr int longFormSignedCode(const LongFormCodeRow (&rows)[N], int v)
{
    if (v == INT_MIN) return v;
    const int magnitude = v < 0 ? -v : v;
    for (const LongFormCodeRow& row : rows)
        if (row.code == magnitude) return v < 0 ? -row.legacy : row.legacy;
    return v;
}

// ---- Pairs of codes with a remembered value ----------------------------------------------

// Either code of a pair case may be "any value": kLongFormAnyCode lies outside the int range,
// so it never equals a caller's value and marks the code as not read.
constexpr long long kLongFormAnyCode = LLONG_MIN;

struct LongFormPairCase {
    long long first;
    long long second;
    int value;
};

// The routines that remember a pair value, one slot each.
enum LongFormPairSlot {
    kPairPlotGraph = 0,
    kPairAddGrid,
    kPairDrawAxesLabs,
    kPairDrawAxesTitle,
    kPairAddReferenceLine,
    kPairPlotAreaChart,
    kPairPlotBarChart,
    kPairPlotStepChart,
    kPairDrawPolarAxes,
    kPairSlotCount
};

// Compares (first, second) with the cases in order; the first that matches becomes the
// slot's remembered value.  Answers the remembered value (0 until some call matched).
int longFormPairValue(LongFormPairSlot slot, const LongFormPairCase* cases, int caseCount,
                      int first, int second);

template <std::size_t N>
int longFormPair(LongFormPairSlot slot, const LongFormPairCase (&cases)[N], int first, int second)
{
    return longFormPairValue(slot, cases, static_cast<int>(N), first, second);
}

// ---- Tables shared by several long forms ---------------------------------------------------

// Graph and chart type from the (x, y) axis scaling codes: kpPlotGraph, kpPlotAreaChart,
// kpPlotStepChart.
extern const LongFormPairCase longFormGraphTypeCases[4];
// Chart type from the (x, y) axis scaling codes of kpPlotBarChart.
extern const LongFormPairCase longFormBarTypeCases[4];

// Curve kind magnitudes (kpPlotGraph, kpPlotXYPolarChart), used with longFormSignedCode.
inline constexpr LongFormCodeRow longFormCurveKindRows[] = {
    {kpCurveKind0, 0}, {kpCurveKind1, 1}, {kpCurveKind2, 2}, {kpCurveKind3, 3}, {kpCurveKind4, 4}};

// Axis scaling types 1 to 5 (kpSetAxesScaling and its enquiry).
inline constexpr LongFormCodeRow longFormAxisScalingRows[] = {{kpAxisScaling5, 5},
                                                              {kpAxisScaling4, 4},
                                                              {kpAxisScaling3, 3},
                                                              {kpAxisScaling2, 2},
                                                              {kpAxisScaling1, 1}};

// Scaling types 1 to 3 (date axes, polar chart mode, and their enquiries).
inline constexpr LongFormCodeRow longFormScaling123Rows[] = {
    {kpAxisScaling3, 3}, {kpAxisScaling2, 2}, {kpAxisScaling1, 1}};

// Arrow heads (kpDrawArrow and the vectors' head code take these two codes).
inline constexpr LongFormCodeRow longFormArrowHeadRows[] = {{kpArrowHead1, 1}, {kpArrowHead0, 0}};

// ---- Temporaries of record arrays ---------------------------------------------------------

// One temporary of n values of type T, obtained without throwing: ok() is false when the
// storage could not be had (or n < 1).  Released when the holder goes, or by release().
template <typename T> class LongFormTemporary {
public:
    LongFormTemporary() = default;
    explicit LongFormTemporary(int n) { obtain(n); }
    bool obtain(int n)
    {
        values_.reset(n >= 1 ? new (std::nothrow) T[static_cast<std::size_t>(n)] : nullptr);
        return ok();
    }
    T* data() const { return values_.get(); }
    bool ok() const { return values_ != nullptr; }
    void release() { values_.reset(); }

private:
    std::unique_ptr<T[]> values_;
};

// The fields of `count` records, one temporary of `count` reals per field (F fields, given
// as pointers to the record's members in field order), filled in one pass over the records.
// ok() is false when count < 1 or some temporary could not be had; then nothing may be
// called with the fields.  Nothing is allocated besides the temporaries, and they are
// released in the order obtained.
template <typename Record, std::size_t F> class LongFormFields {
public:
    LongFormFields(const Record* records, int count, float Record::*const (&members)[F])
        : ok_(count >= 1 && records != nullptr)
    {
        for (std::size_t k = 0; k < F && ok_; ++k) ok_ = fields_[k].obtain(count);
        if (!ok_) return;
        for (int i = 0; i < count; ++i)
            for (std::size_t k = 0; k < F; ++k) fields_[k].data()[i] = records[i].*members[k];
    }
    ~LongFormFields()
    {
        for (LongFormTemporary<float>& field : fields_) field.release();
    }
    LongFormFields(const LongFormFields&) = delete;
    LongFormFields& operator=(const LongFormFields&) = delete;

    bool ok() const { return ok_; }
    const float* field(std::size_t k) const { return fields_[k].data(); }

private:
    bool ok_;
    LongFormTemporary<float> fields_[F];
};

// Members of the record types, in field order.
inline constexpr float PointRecord::*longFormPointFields[2] = {&PointRecord::x, &PointRecord::y};
inline constexpr float ErrorBarRecord::*longFormErrorBarFields[2] = {&ErrorBarRecord::first,
                                                                     &ErrorBarRecord::second};

}  // namespace plotlib

#endif
