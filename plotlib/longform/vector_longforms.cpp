// vector_longforms.cpp - long forms of the vector and polar charts.
//
// kpAddVectors splits an nx x ny grid of vector records (x index fastest) into a direction, a
// magnitude and a colour temporary of the same layout.  The node count is formed in 64 bits:
// an empty grid calls nothing; two negative counts, whose product is positive, reach VECGRA
// without arrays, for it refuses such a grid before reading any; a grid of more nodes than
// an int can count gets no temporaries, like any grid whose storage cannot be had, and
// nothing is called.  The frame and settings long forms copy records into private values
// and map the placement mode both ways; the polar long forms convert their codes, the axes
// style coming from a pair of codes remembered for the whole process.
#include <climits>

#include "longform/codes.h"

using namespace plotlib;

namespace {

constexpr LongFormCodeRow vectorHeadRows[] = {
    {-1, 1}, {0, 2}, {kpArrowHead1, 1}, {kpArrowHead0, 0}};
constexpr LongFormCodeRow vectorModeRows[] = {{0, 0}, {kpVectorScalingMinus1, -1}, {kpSwitchOn, 1}};

// Polar axes: the style from (mode, kind), a 0 in either code being itself a case.
constexpr LongFormPairCase polarStyleCases[] = {{0, kLongFormAnyCode, 0},
                                                {kLongFormAnyCode, 0, 0},
                                                {kpMode1, kpGridKind2, 1},
                                                {kpMode2, kpGridKind2, 2},
                                                {kpMode1, kpPolarNegativeKind2, -1},
                                                {kpMode1, kpPolarNegativeKind1, -1},
                                                {kpMode2, kpPolarNegativeKind2, -2},
                                                {kpMode2, kpPolarNegativeKind1, -2}};
constexpr LongFormCodeRow polarOptionRows[] = {{0, 0}, {kpOption1, 1}};
constexpr LongFormCodeRow polarPartRows[] = {{kpPolarAxesCode2, 2}, {kpPolarAxesCode1, 1}};

// The three fields of a grid of vector records, one temporary each, filled in one pass.
struct VectorFields {
    LongFormTemporary<float> directions, magnitudes;
    LongFormTemporary<int> colours;

    bool split(const VectorRecord* records, int nodes)
    {
        if (records == nullptr || !directions.obtain(nodes) || !magnitudes.obtain(nodes) ||
            !colours.obtain(nodes))
            return false;
        for (int k = 0; k < nodes; ++k) {
            directions.data()[k] = records[k].direction;
            magnitudes.data()[k] = records[k].magnitude;
            colours.data()[k] = records[k].colour;
        }
        return true;
    }
    ~VectorFields()
    {
        directions.release();
        magnitudes.release();
        colours.release();
    }
};

}  // namespace

// ---- Vector charts

void kpSetVectorChartFrame(const VectorFrameRecord& frame)
{
    const float x1 = frame.x1, x2 = frame.x2, y1 = frame.y1, y2 = frame.y2;
    VECBND(x1, x2, y1, y2);
}

void kpEnqurireVectorChartFrame(VectorFrameRecord& frame)
{
    float x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f;
    VECBNQ(x1, x2, y1, y2);
    frame = VectorFrameRecord{x1, x2, y1, y2};
}

void kpSetVectorLimits(const float& a, const float& b) { VECCLP(a, b); }

void kpEnqVectorLimits(float& low, float& high) { VECCLQ(low, high); }

void kpAddVectors(const int& nx, const int& ny, const VectorRecord* vectors, const int& head)
{
    const int legacyHead = longFormCode(vectorHeadRows, head);
    const long long nodes = static_cast<long long>(nx) * ny;
    if (nodes < 1) return;
    if (nx < 1 || ny < 1) {
        // Both counts negative: the caller's array holds no grid to copy, and VECGRA reports
        // the bad counts before it would read an array.
        VECGRA(nullptr, nullptr, nullptr, nx, ny, legacyHead);
        return;
    }
    if (nodes > INT_MAX) return;
    VectorFields fields;
    if (!fields.split(vectors, static_cast<int>(nodes))) return;
    VECGRA(fields.directions.data(), fields.magnitudes.data(), fields.colours.data(), nx, ny,
           legacyHead);
}

void kpSetVectorAttribs(const int& mode, const float& p, const float& q, const float& factor)
{
    const int legacyMode = longFormCode(vectorModeRows, mode);
    VECSCA(legacyMode, p, q, factor);
}

void kpEnqVectorAttribs(int& mode, float& low, float& high, float& factor)
{
    int c1 = 0;
    VECSCQ(c1, low, high, factor);
    longFormReturnCode(vectorModeRows, c1, mode);
}

void kpRestoreVectorSettings() { VECSET(); }

// ---- Polar charts

void kpSetPolarChartAttribs(const float& centreX, const float& centreY, const float& radius,
                            const int& mode)
{
    const int legacyMode = longFormCode(longFormScaling123Rows, mode);
    SETPOL(centreX, centreY, radius, legacyMode);
}

void kpDrawPolarAxes(const int& mode, const int& kind, const int& option, const int& count,
                     const float& range, const int& part)
{
    const int style = longFormPair(kPairDrawPolarAxes, polarStyleCases, mode, kind);
    const int legacyOption = longFormCode(polarOptionRows, option);
    const int legacyPart = longFormCode(polarPartRows, part);
    DRAPOL(style, legacyOption, count, range, legacyPart);
}

void kpPlotXYPolarChart(const int& n, const PointRecord* points, const int& curveKind)
{
    const int kind = longFormSignedCode(longFormCurveKindRows, curveKind);
    const LongFormFields<PointRecord, 2> xy(points, n, longFormPointFields);
    if (!xy.ok()) return;
    POLXY(xy.field(0), xy.field(1), n, kind);
}
