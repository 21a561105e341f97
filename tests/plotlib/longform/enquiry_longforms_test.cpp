// Enquiry long forms: legacy values come back as the codes the setting long forms take, plain
// outputs and packed records as the legacy enquiry gives them, and a legacy value that has no
// code leaves the caller's variable as it was.
#include <climits>
#include <functional>
#include <string>

#include "longform/longform_fixture.h"

namespace {

constexpr int untouched = -12345;
constexpr float untouchedReal = -1234.5f;

}  // namespace

TEST_F(LongFormTest, AxisEnquiriesReturnTheCodesTheSettersTake)
{
    struct Row {
        int setScaling, expectScaling;  // through kpSetAxesScaling / kpEnqAxesScaling
        int setStyle, expectStyle;      // kpSetAxesAnnotation / kpEnqAxesAnnotation
    };
    const Row rows[] = {
        {kpAxisScaling1, kpAxisScaling1, kpCaptionStyle1, kpCaptionStyle1},
        {kpAxisScaling2, kpAxisScaling2, kpCaptionStyle2, kpCaptionStyle2},
        {kpAxisScaling3, kpAxisScaling3, kpCaptionStyle3, kpCaptionStyle3},
        {kpAxisScaling4, kpAxisScaling4, kpCaptionStyle4, kpCaptionStyle4},
        {kpAxisScaling5, kpAxisScaling5, 0, 0},
        {3, kpAxisScaling3, 2, kpCaptionStyle2},  // plain legacy values come back as codes
    };
    for (const Row& r : rows) {
        graphResetLibraryForTests();
        const int axis = 2;
        kpSetAxesScaling(r.setScaling, 5, 1.0f, 100.0f, axis);
        kpSetAxesAnnotation(1, 3, r.setStyle, axis);
        int scaling = untouched, count = untouched, decimals = untouched, digits = untouched,
            width = untouched, style = untouched;
        float lo = untouchedReal, hi = untouchedReal;
        kpEnqAxesScaling(scaling, count, lo, hi, axis);
        kpEnqAxesAnnotation(decimals, digits, width, style, axis);
        int legacyType = 0, legacyCount = 0;
        float legacyLo = 0.0f, legacyHi = 0.0f;
        AXSENQ(legacyType, legacyCount, legacyLo, legacyHi, axis);
        EXPECT_EQ(r.expectScaling, scaling) << r.setScaling;
        EXPECT_EQ(legacyCount, count);
        EXPECT_EQ(legacyLo, lo);
        EXPECT_EQ(legacyHi, hi);
        EXPECT_EQ(r.expectStyle, style) << r.setStyle;
        EXPECT_EQ(1, decimals);
        EXPECT_EQ(3, digits);
        EXPECT_NE(untouched, width);
    }
}

TEST_F(LongFormTest, AxisAttributeEnquiryMapsFourOutputsAndPassesTheRest)
{
    struct Row {
        int a1, a7, a8, a9;  // given to kpSetAxesAttribs, expected back from the enquiry
    };
    const Row rows[] = {
        {kpAxisAttrib1On, -1, kpAxisAttribValue2, kpAxisAttrib9On},
        {kpAxisAttrib1Off, 1, -1, 0},
        {kpAxisAttrib1On, 0, 0, 0},
        {kpAxisAttrib1Off, kpAxisAttribValue2, 1, kpAxisAttrib9On},
    };
    for (const Row& r : rows) {
        graphResetLibraryForTests();
        kpSetAxesAttribs(r.a1, 40.0f, 2, 1, 0.25f, 15.0f, r.a7, r.a8, r.a9, 1);
        int a1 = untouched, a3 = untouched, a4 = untouched, a7 = untouched, a8 = untouched,
            a9 = untouched;
        float a2 = untouchedReal, a5 = untouchedReal, a6 = untouchedReal;
        kpEnqAxesAttribs(a1, a2, a3, a4, a5, a6, a7, a8, a9, 1);
        EXPECT_EQ(r.a1, a1);
        EXPECT_EQ(r.a7, a7);
        EXPECT_EQ(r.a8, a8);
        EXPECT_EQ(r.a9, a9);
        EXPECT_EQ(40.0f, a2);
        EXPECT_EQ(2, a3);
        EXPECT_EQ(1, a4);
        EXPECT_EQ(0.25f, a5);
        EXPECT_EQ(15.0f, a6);
    }
}

// Stored values that no setter can leave but a mapped output has no code for: the caller's
// variables stay as they were, the unmapped outputs beside them are still written.
TEST_F(LongFormTest, EnquiryValueWithoutCodeLeavesTheCallersVariable)
{
    firstCallDone();
    graphAxis(1).scalingType = -2;  // a date axis
    graphAxis(1).captionStyle = 7;
    graphAxis(1).attr1 = 3;
    graphAxis(1).attr7 = 5;
    graphAxis(1).attr8 = -4;
    graphAxis(1).attr9 = 2;
    graphState.graph.plotFrameSwitch = 3;
    graphState.valueAttributes.a1 = 9;
    graphState.valueAttributes.a2 = -3;
    graphState.valueAttributes.a7 = 2;
    graphState.valueAttributes.a8 = 4;
    graphState.dateFormat.order1 = 0;
    graphAxis(2).dateUnitAsked = 7;

    int scaling = untouched, count = untouched;
    float lo = untouchedReal, hi = untouchedReal;
    kpEnqAxesScaling(scaling, count, lo, hi, 1);
    EXPECT_EQ(untouched, scaling);
    EXPECT_NE(untouched, count);

    int decimals = untouched, digits = untouched, width = untouched, style = untouched;
    kpEnqAxesAnnotation(decimals, digits, width, style, 1);
    EXPECT_EQ(untouched, style);
    EXPECT_NE(untouched, digits);

    int a1 = untouched, a3 = untouched, a4 = untouched, a7 = untouched, a8 = untouched,
        a9 = untouched;
    float a2 = untouchedReal, a5 = untouchedReal, a6 = untouchedReal;
    kpEnqAxesAttribs(a1, a2, a3, a4, a5, a6, a7, a8, a9, 1);
    EXPECT_EQ(untouched, a1);
    EXPECT_EQ(untouched, a7);
    EXPECT_EQ(untouched, a8);
    EXPECT_EQ(untouched, a9);
    EXPECT_NE(untouched, a3);

    int frameSwitch = untouched;
    FrameRecord frame{untouchedReal, untouchedReal, untouchedReal, untouchedReal};
    kpEnqPlotFrame(frameSwitch, frame);
    EXPECT_EQ(untouched, frameSwitch);
    EXPECT_EQ(graphState.graph.plotFrame[0], frame.x1);

    int v1 = untouched, v2 = untouched, v6 = untouched, v7 = untouched;
    float v3 = untouchedReal, v5 = untouchedReal, offsets[2] = {untouchedReal, untouchedReal};
    kpEnqValueAttribs(v1, v2, v3, offsets, v5, v6, v7);
    EXPECT_EQ(untouched, v1);
    EXPECT_EQ(untouched, v2);
    EXPECT_EQ(untouched, v6);
    EXPECT_EQ(untouched, v7);
    EXPECT_NE(untouchedReal, v3);

    int order1 = untouched, order2 = untouched;
    char sep1 = '?', sep2 = '?';
    kpEnqDateFormat(order1, &sep1, 1, order2, &sep2, 1);
    EXPECT_EQ(untouched, order1);
    EXPECT_EQ(kpDateOrder1, order2);
    EXPECT_EQ('/', sep1);

    // A linear axis has no date scaling code; unit 7 has no code.
    int dateScaling = untouched, unit = untouched;
    char first[12] = "", last[12] = "";
    kpEnqDateAxesScaling(dateScaling, unit, first, 11, last, 11, 2);
    EXPECT_EQ(untouched, dateScaling);
    EXPECT_EQ(untouched, unit);
    EXPECT_TRUE(tarv::errorLog().empty());
}

TEST_F(LongFormTest, PlotFramePositionAndPointEnquiriesPackRecords)
{
    int frameSwitch = untouched;
    FrameRecord frame{};
    kpEnqPlotFrame(frameSwitch, frame);
    EXPECT_EQ(kpOff, frameSwitch);

    kpSetPlotFrame(FrameRecord{120.0f, 880.0f, 60.0f, 690.0f});
    kpEnqPlotFrame(frameSwitch, frame);
    EXPECT_EQ(kpPlotFrameOn, frameSwitch);
    EXPECT_EQ(120.0f, frame.x1);
    EXPECT_EQ(880.0f, frame.x2);
    EXPECT_EQ(60.0f, frame.y1);
    EXPECT_EQ(690.0f, frame.y2);

    // The position type comes back as the legacy 0 or 1, not as a code.
    kpSetAxesPos(kpAxisPosition1, 100.0f, 150.0f, 700.0f, 1);
    kpSetAxesPos(kpAxisPosition0, 110.0f, 160.0f, 400.0f, 2);
    int type = untouched;
    PointRecord origin{};
    float length = 0.0f;
    kpEnqAxesPos(type, origin, length, 1);
    EXPECT_EQ(1, type);
    EXPECT_EQ(100.0f, origin.x);
    EXPECT_EQ(150.0f, origin.y);
    EXPECT_EQ(700.0f, length);
    kpEnqAxesPos(type, origin, length, 2);
    EXPECT_EQ(0, type);
    EXPECT_EQ(110.0f, origin.x);
    EXPECT_EQ(160.0f, origin.y);

    // Graph point to kernel coordinates and back, as GRASPA and SPAGRA give them.
    kpSetAxesPos(kpAxisPosition1, 100.0f, 100.0f, 800.0f, 1);
    kpSetAxesScaling(kpAxisScaling3, 10, 0.0f, 10.0f, 1);
    kpSetAxesPos(kpAxisPosition1, 100.0f, 100.0f, 500.0f, 2);
    kpSetAxesScaling(kpAxisScaling3, 10, 0.0f, 10.0f, 2);
    PointRecord kernelPoint{}, graphPoint{};
    kpTransformGraphPoint(2.5f, 4.0f, kernelPoint);
    float kx = 0.0f, ky = 0.0f;
    GRASPA(2.5f, 4.0f, kx, ky);
    EXPECT_EQ(kx, kernelPoint.x);
    EXPECT_EQ(ky, kernelPoint.y);
    EXPECT_FLOAT_EQ(300.0f, kernelPoint.x);
    EXPECT_FLOAT_EQ(300.0f, kernelPoint.y);
    kpTransformSpacePoint(kernelPoint.x, kernelPoint.y, graphPoint);
    EXPECT_FLOAT_EQ(2.5f, graphPoint.x);
    EXPECT_FLOAT_EQ(4.0f, graphPoint.y);

    kpSetGridMarker(6);
    int marker = untouched;
    kpEnqGridMarker(marker);
    EXPECT_EQ(6, marker);
    EXPECT_TRUE(tarv::errorLog().empty());
}

TEST_F(LongFormTest, DateEnquiriesReturnCodesAndSeparators)
{
    struct Row {
        int scaling, unit;
    };
    const Row rows[] = {{kpAxisScaling1, kpDateUnit1},
                        {kpAxisScaling2, kpDateUnit2},
                        {kpAxisScaling3, kpDateUnit3},
                        {kpAxisScaling1, kpDateUnit4},
                        {kpAxisScaling2, kpDateUnit5}};
    for (const Row& r : rows) {
        graphResetLibraryForTests();
        kpSetDateAxesScaling(r.scaling, r.unit, "1/1/1950", 8, "1/1/2000", 8, 1);
        int scaling = untouched, unit = untouched;
        char first[11] = "", last[11] = "", legacyFirst[11] = "", legacyLast[11] = "";
        kpEnqDateAxesScaling(scaling, unit, first, 10, last, 10, 1);
        EXPECT_EQ(r.scaling, scaling) << r.scaling;
        EXPECT_EQ(r.unit, unit) << r.unit;
        int c = 0, u = 0;
        DATSCQ(c, u, legacyFirst, 10, legacyLast, 10, 1);
        EXPECT_STREQ(legacyFirst, first);
        EXPECT_STREQ(legacyLast, last);
    }

    kpSetDateFormat(kpDateOrder3, "-+", 2, kpDateOrder2, ".", 1);
    int order1 = untouched, order2 = untouched;
    char sep1[3] = "??", sep2[3] = "??";
    kpEnqDateFormat(order1, sep1, 2, order2, sep2, 2);
    EXPECT_EQ(kpDateOrder3, order1);
    EXPECT_EQ(kpDateOrder2, order2);
    EXPECT_STREQ("-?", sep1);  // only the first character is written
    EXPECT_STREQ(".?", sep2);

    // An empty separator text is neither read nor written.
    char none = '#';
    kpSetDateFormat(kpDateOrder1, &none, 0, kpDateOrder1, &none, 0);
    kpEnqDateFormat(order1, &none, 0, order2, &none, 0);
    EXPECT_EQ('#', none);
    EXPECT_EQ(kpDateOrder1, order1);
    kpEnqDateFormat(order1, sep1, 1, order2, sep2, 1);
    EXPECT_EQ('-', sep1[0]);

    kpSetDateAxesAnnotation(-1, 1, -2, 4, 2);
    int w[4] = {0, 0, 0, 0};
    kpEnqDateAxesAnnotation(w[0], w[1], w[2], w[3], 2);
    EXPECT_EQ(-1, w[0]);
    EXPECT_EQ(1, w[1]);
    EXPECT_EQ(-2, w[2]);
    EXPECT_EQ(4, w[3]);
    EXPECT_TRUE(tarv::errorLog().empty());
}

TEST_F(LongFormTest, ValueAttributeEnquiryHasSevenArgumentsAndReturnsCodes)
{
    struct Row {
        int a1, a2, a7, a8;  // set through kpSetValueAttribs; the enquiry gives them back
    };
    const Row rows[] = {
        {kpValueTagAt3, kpValueTagSecondMinus2, -1, 1},
        {kpValueTagFirstMinus2, kpValueTagSecond2, 1, 0},
        {kpValueTagFirst2, kpValueTagAt3, 0, -1},
        {-1, 1, 0, 0},
        {0, -1, 1, 1},
    };
    for (const Row& r : rows) {
        graphResetLibraryForTests();
        kpSetValueAttribs(r.a1, r.a2, 4.5f, 2.0f, 3.0f, 30.0f, r.a7, r.a8);
        int a1 = untouched, a2 = untouched, a6 = untouched, a7 = untouched;
        float a3 = untouchedReal, a5 = untouchedReal, offsets[2] = {0.0f, 0.0f};
        kpEnqValueAttribs(a1, a2, a3, offsets, a5, a6, a7);
        EXPECT_EQ(r.a1, a1);
        EXPECT_EQ(r.a2, a2);
        EXPECT_EQ(4.5f, a3);
        EXPECT_EQ(2.0f, offsets[0]);
        EXPECT_EQ(3.0f, offsets[1]);
        EXPECT_EQ(30.0f, a5);
        EXPECT_EQ(r.a7, a6);
        EXPECT_EQ(r.a8, a7);
    }
}

// The routines that give values back register both names too (the names of the setters and
// drawing routines are checked with their calls).
TEST_F(LongFormTest, EnquiriesAndConversionsNameBothForms)
{
    struct Row {
        std::string longForm, legacy;
        std::function<void()> call;
    };
#define NAMED(fn, legacyName, args)                                                                \
    Row                                                                                            \
    {                                                                                              \
#fn, legacyName, [] { fn args; }                                                           \
    }
    static int i1, i2, i3, i4;
    static float r1, r2, r3, r4[2], values[2];
    static char text[12];
    static PointRecord point;
    static FrameRecord frame;
    static float coefficients[2];
    static const PointRecord fitPoints[4] = {{0, 1}, {1, 2}, {2, 4}, {3, 5}};
    const Row rows[] = {
        NAMED(kpEnqAxesScaling, "AXSENQ", (i1, i2, r1, r2, 1)),
        NAMED(kpEnqAxesPos, "AXPENQ", (i1, point, r1, 2)),
        NAMED(kpEnqAxesAnnotation, "AXNENQ", (i1, i2, i3, i4, 1)),
        NAMED(kpEnqAxesAttribs, "AXTENQ", (i1, r1, i2, i3, r2, r3, i4, i4, i4, 2)),
        NAMED(kpEnqPlotFrame, "GRBENQ", (i1, frame)),
        NAMED(kpEnqGridMarker, "GRDSYQ", (i1)),
        NAMED(kpEnqDateAxesScaling, "DATSCQ", (i1, i2, text, 10, text, 10, 1)),
        NAMED(kpEnqDateAxesAnnotation, "DATANQ", (i1, i2, i3, i4, 1)),
        NAMED(kpEnqDateFormat, "DATFOQ", (i1, text, 1, i2, text, 1)),
        NAMED(kpEnqValueAttribs, "VATENQ", (i1, i2, r1, r4, r2, i3, i4)),
        NAMED(kpTransformGraphPoint, "GRASPA", (1.0f, 2.0f, point)),
        NAMED(kpTransformSpacePoint, "SPAGRA", (100.0f, 200.0f, point)),
        NAMED(kpReturnLineCoeffs, "LINFIT",
              (kpLineFitCode1, 4, fitPoints, 2, coefficients, i1, i2)),
        NAMED(kpConvertDates, "DATCON", (2, "1/1/2000  2/1/2000  ", 10, values)),
        NAMED(kpConvertDateToGraph, "DATGRA", ("1/1/2000", 8, r1)),
        NAMED(kpConvertGraphToDate, "GRADAT", (1000.0f, text, 10)),
    };
#undef NAMED
    for (const Row& r : rows) {
        graphResetLibraryForTests();
        startLog();
        r.call();
        const std::string line = "kernelSetRoutineName 2 \"" + r.longForm + "(" + r.legacy + ")\"";
        bool named = false;
        for (const std::string& l : tarv::traceLines()) named = named || l == line;
        EXPECT_TRUE(named) << line;
    }
}
