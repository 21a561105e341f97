// Long forms of the vector and polar charts against their legacy routines called with the
// converted values: the vector grid split field by field in its own layout, the frame record
// unpacked and packed, the placement mode given back as its code, the polar axes style taken
// from a pair of codes and the signed curve kind.
#include <climits>
#include <functional>

#include "longform/longform_fixture.h"

namespace {

// A grid of 3 x 2 nodes (x fastest) as records and as VECGRA's three arrays.
const VectorRecord R[6] = {{0.0f, 1.0f, 1},    {45.0f, 2.0f, 2},  {90.0f, -3.0f, 3},
                           {135.0f, 4.0f, -4}, {180.0f, 0.5f, 5}, {300.0f, 2.5f, 6}};
const float D[6] = {0.0f, 45.0f, 90.0f, 135.0f, 180.0f, 300.0f};
const float M[6] = {1.0f, 2.0f, -3.0f, 4.0f, 0.5f, 2.5f};
const int C[6] = {1, 2, 3, -4, 5, 6};

const PointRecord P[4] = {{1.0f, 2.0f}, {-3.0f, 5.5f}, {6.0f, -4.0f}, {8.5f, 9.0f}};
const float X[4] = {1.0f, -3.0f, 6.0f, 8.5f};
const float Y[4] = {2.0f, 5.5f, -4.0f, 9.0f};

// Axes, a frame, a magnitude mapping with arrows ending at their nodes, and limits.
void vectorSettings()
{
    placeAxes();
    VECBND(2.0f, 8.0f, 1.0f, 9.0f);
    VECSCA(1, 0.5f, 4.0f, 0.8f);
    VECCLP(0.2f, 3.5f);
}

void polarLayout() { SETPOL(400.0f, 350.0f, 200.0f, 1); }

constexpr int untouched = -12345;

}  // namespace

TEST_F(LongFormTest, VectorLongFormsActAsTheirLegacyRoutines)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpSetVectorChartFrame, "VECBND", noSetUp,
                       (VectorFrameRecord{2.0f, 8.0f, 1.0f, 9.0f}), VECBND(2.0f, 8.0f, 1.0f, 9.0f)),
        LONG_FORM_CASE(kpSetVectorChartFrame, "VECBND", noSetUp,
                       (VectorFrameRecord{8.0f, 2.0f, 9.0f, -1.0f}),
                       VECBND(8.0f, 2.0f, 9.0f, -1.0f)),
        LONG_FORM_CASE(kpSetVectorLimits, "VECCLP", noSetUp, (3.0f, -1.0f), VECCLP(3.0f, -1.0f)),
        // Placement modes; a value that is no code reaches VECSCA's check.
        LONG_FORM_CASE(kpSetVectorAttribs, "VECSCA", noSetUp, (0, 2.0f, 10.0f, 1.5f),
                       VECSCA(0, 2.0f, 10.0f, 1.5f)),
        LONG_FORM_CASE(kpSetVectorAttribs, "VECSCA", noSetUp,
                       (kpVectorScalingMinus1, 2.0f, 10.0f, 1.5f), VECSCA(-1, 2.0f, 10.0f, 1.5f)),
        LONG_FORM_CASE(kpSetVectorAttribs, "VECSCA", noSetUp, (kpSwitchOn, 5.0f, 5.0f, -2.0f),
                       VECSCA(1, 5.0f, 5.0f, -2.0f)),
        LONG_FORM_CASE(kpSetVectorAttribs, "VECSCA", noSetUp, (1, 0.0f, 0.0f, 1.0f),
                       VECSCA(1, 0.0f, 0.0f, 1.0f)),
        LONG_FORM_CASE(kpSetVectorAttribs, "VECSCA", noSetUp, (-1, 0.0f, 0.0f, 1.0f),
                       VECSCA(-1, 0.0f, 0.0f, 1.0f)),
        LONG_FORM_CASE(kpRestoreVectorSettings, "VECSET", vectorSettings, (), VECSET()),
        // The grid in its own layout; each head code.
        LONG_FORM_CASE(kpAddVectors, "VECGRA", placeAxes, (3, 2, R, -1), VECGRA(D, M, C, 3, 2, 1)),
        LONG_FORM_CASE(kpAddVectors, "VECGRA", placeAxes, (3, 2, R, 0), VECGRA(D, M, C, 3, 2, 2)),
        LONG_FORM_CASE(kpAddVectors, "VECGRA", vectorSettings, (3, 2, R, kpArrowHead1),
                       VECGRA(D, M, C, 3, 2, 1)),
        LONG_FORM_CASE(kpAddVectors, "VECGRA", vectorSettings, (3, 2, R, kpArrowHead0),
                       VECGRA(D, M, C, 3, 2, 0)),
        LONG_FORM_CASE(kpAddVectors, "VECGRA", placeAxes, (2, 3, R, 1), VECGRA(D, M, C, 2, 3, 1)),
        LONG_FORM_CASE(kpAddVectors, "VECGRA", placeAxes, (6, 1, R, 7), VECGRA(D, M, C, 6, 1, 7)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

TEST_F(LongFormTest, VectorEnquiriesGiveBackRecordsAndCodes)
{
    // The frame comes back as a record, in VECBND order, ordered as VECBND stored it.
    kpSetVectorChartFrame(VectorFrameRecord{8.0f, 2.0f, 1.0f, 9.0f});
    VectorFrameRecord frame{-1.0f, -1.0f, -1.0f, -1.0f};
    kpEnqurireVectorChartFrame(frame);
    EXPECT_EQ(2.0f, frame.x1);
    EXPECT_EQ(8.0f, frame.x2);
    EXPECT_EQ(1.0f, frame.y1);
    EXPECT_EQ(9.0f, frame.y2);
    kpSetVectorLimits(3.0f, 1.0f);
    float low = 0.0f, high = 0.0f;
    kpEnqVectorLimits(low, high);
    EXPECT_EQ(1.0f, low);
    EXPECT_EQ(3.0f, high);

    struct Row {
        int set, expected;
    };
    const Row rows[] = {{kpVectorScalingMinus1, kpVectorScalingMinus1},
                        {0, 0},
                        {kpSwitchOn, kpSwitchOn},
                        {-1, kpVectorScalingMinus1},  // stored by VECSCA as -1
                        {1, kpSwitchOn},
                        {4, 0}};  // refused, mode 0 stored
    for (const Row& r : rows) {
        graphResetLibraryForTests();
        kpSetVectorAttribs(r.set, 2.0f, 10.0f, 1.5f);
        int mode = untouched;
        float p = 0.0f, q = 0.0f, factor = 0.0f;
        kpEnqVectorAttribs(mode, p, q, factor);
        EXPECT_EQ(r.expected, mode) << r.set;
        EXPECT_EQ(2.0f, p);
        EXPECT_EQ(10.0f, q);
        EXPECT_EQ(1.5f, factor);
    }
    // A stored mode with no code leaves the caller's variable alone.
    graphResetLibraryForTests();
    firstCallDone();
    graphState.vector.mode = 2;
    int mode = untouched;
    float p = 0.0f, q = 0.0f, factor = 0.0f;
    kpEnqVectorAttribs(mode, p, q, factor);
    EXPECT_EQ(untouched, mode);

    // Both enquiries register the names of both forms and change nothing.
    static VectorFrameRecord frameCell;
    static float cells[4];
    static int modeCell;
    const SameAsLegacyCase enquiries[] = {
        LONG_FORM_CASE(kpEnqurireVectorChartFrame, "VECBNQ", vectorSettings, (frameCell),
                       VECBNQ(cells[0], cells[1], cells[2], cells[3])),
        LONG_FORM_CASE(kpEnqVectorLimits, "VECCLQ", vectorSettings, (cells[0], cells[1]),
                       VECCLQ(cells[0], cells[1])),
        LONG_FORM_CASE(kpEnqVectorAttribs, "VECSCQ", vectorSettings,
                       (modeCell, cells[0], cells[1], cells[2]),
                       VECSCQ(modeCell, cells[0], cells[1], cells[2])),
    };
    for (const SameAsLegacyCase& c : enquiries) expectSameAsLegacy(c);
}

TEST_F(LongFormTest, PolarLongFormsActAsTheirLegacyRoutines)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpSetPolarChartAttribs, "SETPOL", noSetUp,
                       (300.0f, 250.0f, 120.0f, kpAxisScaling3), SETPOL(300.0f, 250.0f, 120.0f, 3)),
        LONG_FORM_CASE(kpSetPolarChartAttribs, "SETPOL", noSetUp,
                       (300.0f, 250.0f, 120.0f, kpAxisScaling2), SETPOL(300.0f, 250.0f, 120.0f, 2)),
        LONG_FORM_CASE(kpSetPolarChartAttribs, "SETPOL", noSetUp,
                       (300.0f, 250.0f, 120.0f, kpAxisScaling1), SETPOL(300.0f, 250.0f, 120.0f, 1)),
        LONG_FORM_CASE(kpSetPolarChartAttribs, "SETPOL", noSetUp,
                       (300.0f, 250.0f, 120.0f, kpAxisScaling4),
                       SETPOL(300.0f, 250.0f, 120.0f, kpAxisScaling4)),
        // Axes style from (mode, kind), label option and part codes.
        LONG_FORM_CASE(kpDrawPolarAxes, "DRAPOL", polarLayout,
                       (kpMode1, kpGridKind2, kpOption1, 8, 360.0f, kpPolarAxesCode2),
                       DRAPOL(1, 1, 8, 360.0f, 2)),
        LONG_FORM_CASE(kpDrawPolarAxes, "DRAPOL", polarLayout,
                       (kpMode2, kpGridKind2, 0, 6, 180.0f, kpPolarAxesCode2),
                       DRAPOL(2, 0, 6, 180.0f, 2)),
        LONG_FORM_CASE(kpDrawPolarAxes, "DRAPOL", polarLayout,
                       (kpMode1, kpPolarNegativeKind2, kpOption1, 4, 360.0f, kpPolarAxesCode2),
                       DRAPOL(-1, 1, 4, 360.0f, 2)),
        LONG_FORM_CASE(kpDrawPolarAxes, "DRAPOL", polarLayout,
                       (kpMode1, kpPolarNegativeKind1, kpOption1, 3, 10.0f, kpPolarAxesCode1),
                       DRAPOL(-1, 1, 3, 10.0f, 1)),
        LONG_FORM_CASE(kpDrawPolarAxes, "DRAPOL", polarLayout,
                       (kpMode2, kpPolarNegativeKind2, kpOption1, 4, 360.0f, kpPolarAxesCode2),
                       DRAPOL(-2, 1, 4, 360.0f, 2)),
        LONG_FORM_CASE(kpDrawPolarAxes, "DRAPOL", polarLayout,
                       (kpMode2, kpPolarNegativeKind1, 0, 5, 20.0f, kpPolarAxesCode1),
                       DRAPOL(-2, 0, 5, 20.0f, 1)),
        LONG_FORM_CASE(kpDrawPolarAxes, "DRAPOL", polarLayout,
                       (0, kpGridKind2, kpOption1, 8, 360.0f, kpPolarAxesCode2),
                       DRAPOL(0, 1, 8, 360.0f, 2)),
        LONG_FORM_CASE(kpDrawPolarAxes, "DRAPOL", polarLayout,
                       (kpMode2, 0, kpOption1, 8, 360.0f, 2), DRAPOL(0, 1, 8, 360.0f, 2)),
        // No case, nothing remembered yet: style 0; plain option and part values pass.
        LONG_FORM_CASE(kpDrawPolarAxes, "DRAPOL", polarLayout,
                       (kpMode1, kpGridKind1, 1, 4, 10.0f, 1), DRAPOL(0, 1, 4, 10.0f, 1)),
        // The signed curve kind.
        LONG_FORM_CASE(kpPlotXYPolarChart, "POLXY", noSetUp, (4, P, kpCurveKind1),
                       POLXY(X, Y, 4, 1)),
        LONG_FORM_CASE(kpPlotXYPolarChart, "POLXY", noSetUp, (4, P, -kpCurveKind2),
                       POLXY(X, Y, 4, -2)),
        LONG_FORM_CASE(kpPlotXYPolarChart, "POLXY", noSetUp, (4, P, kpCurveKind3),
                       POLXY(X, Y, 4, 3)),
        LONG_FORM_CASE(kpPlotXYPolarChart, "POLXY", noSetUp, (4, P, -kpCurveKind4),
                       POLXY(X, Y, 4, -4)),
        LONG_FORM_CASE(kpPlotXYPolarChart, "POLXY", noSetUp, (4, P, -kpCurveKind0),
                       POLXY(X, Y, 4, 0)),
        LONG_FORM_CASE(kpPlotXYPolarChart, "POLXY", noSetUp, (4, P, -kpCurveKind1),
                       POLXY(X, Y, 4, -1)),
        LONG_FORM_CASE(kpPlotXYPolarChart, "POLXY", noSetUp, (4, P, -7), POLXY(X, Y, 4, -7)),
        LONG_FORM_CASE(kpPlotXYPolarChart, "POLXY", noSetUp, (4, P, INT_MIN),
                       POLXY(X, Y, 4, INT_MIN)),
        LONG_FORM_CASE(kpPlotXYPolarChart, "POLXY", noSetUp, (1, P, 2), POLXY(X, Y, 1, 2)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}
