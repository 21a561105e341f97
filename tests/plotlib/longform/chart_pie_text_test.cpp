// Long forms of the pie and text charts: settings and drawing against their legacy routines
// called with the converted values, and the enquiries giving back the codes their twins take,
// leaving the caller's variable alone for a stored value that has no code.
#include <functional>
#include <string>

#include "longform/longform_fixture.h"

namespace {

const float V[4] = {1.0f, 3.0f, 0.0f, 2.0f};
const char labels[] = "NorthSouthEast West ";  // four labels of five characters
const int fills[4] = {1, 2, -2, 4};
const int pens[4] = {1, -2, 3, 4};
const int exploded[2] = {2, 4};
const float distances[2] = {0.2f, 0.1f};

const float TV[3] = {2.5f, 10.0f, 7.5f};
const int TI[3] = {1, 2, -3};
const char rows[] = "ab  cdefgh  ";  // three texts of four characters

void frame() { PIEPAP(150.0f, 500.0f, 375.0f); }

// A pie frame with each of the three label forms, boxes and an explosion table.
void radialLabels()
{
    frame();
    PIEANN(1, 1, 1, 0, 0.0f);
}
void boxedLabels()
{
    frame();
    PIEANN(2, 1, 0, 1, 5.0f);
    PIEBOX(3, 2, 1);
    PIEEXP(exploded, distances, 2);
}
void leaderLabels()
{
    frame();
    PIEANN(3, 1, 1, 1, 0.0f);
    PIEBSW(-1);
}
void changedSettings()
{
    boxedLabels();
    PIEANG(45.0f);
}

constexpr int untouched = -12345;

}  // namespace

TEST_F(LongFormTest, PieLongFormsActAsTheirLegacyRoutines)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpSetPieChartStartAngle, "PIEANG", noSetUp, (400.0f), PIEANG(400.0f)),
        // Annotation style and the three switches; values outside the codes pass.
        LONG_FORM_CASE(
            kpSetPieChartAnnotation, "PIEANN", noSetUp,
            (kpPieStyle1, kpPieAnnotation2On, kpPieAnnotation3On, kpPieAnnotation4On, 4.0f),
            PIEANN(1, 1, 1, 1, 4.0f)),
        LONG_FORM_CASE(kpSetPieChartAnnotation, "PIEANN", noSetUp,
                       (kpPieStyle2, 0, kpPieAnnotation3On, 0, 0.0f), PIEANN(2, 0, 1, 0, 0.0f)),
        LONG_FORM_CASE(kpSetPieChartAnnotation, "PIEANN", noSetUp,
                       (kpPieStyle3, kpPieAnnotation2On, 0, kpPieAnnotation4On, 150.0f),
                       PIEANN(3, 1, 0, 1, 150.0f)),
        // The switch codes belong to their own places only.
        LONG_FORM_CASE(kpSetPieChartAnnotation, "PIEANN", noSetUp,
                       (2, kpPieAnnotation4On, kpPieAnnotation2On, kpPieAnnotation3On, 0.0f),
                       PIEANN(2, kpPieAnnotation4On, kpPieAnnotation2On, kpPieAnnotation3On, 0.0f)),
        LONG_FORM_CASE(kpSetPieChartAnnotation, "PIEANN", noSetUp, (7, 1, 1, 1, 0.0f),
                       PIEANN(7, 1, 1, 1, 0.0f)),
        // Box types 1 and 2 trade places.
        LONG_FORM_CASE(kpSetPieChartBoxType, "PIEBOX", noSetUp, (0, 3, 2), PIEBOX(0, 3, 2)),
        LONG_FORM_CASE(kpSetPieChartBoxType, "PIEBOX", noSetUp, (1, 3, 2), PIEBOX(2, 3, 2)),
        LONG_FORM_CASE(kpSetPieChartBoxType, "PIEBOX", noSetUp, (2, -1, -5), PIEBOX(1, -1, -5)),
        LONG_FORM_CASE(kpSetPieChartBoxType, "PIEBOX", noSetUp, (3, 1, 1), PIEBOX(3, 1, 1)),
        LONG_FORM_CASE(kpSetPieChartBoxType, "PIEBOX", noSetUp, (9, 1, 1), PIEBOX(9, 1, 1)),
        // Bound switch 1 keeps the outlines (0), 0 leaves them out (-1).
        LONG_FORM_CASE(kpSetPieChartBoundSwitch, "PIEBSW", noSetUp, (1), PIEBSW(0)),
        LONG_FORM_CASE(kpSetPieChartBoundSwitch, "PIEBSW", noSetUp, (0), PIEBSW(-1)),
        LONG_FORM_CASE(kpSetPieChartBoundSwitch, "PIEBSW", noSetUp, (-1), PIEBSW(-1)),
        LONG_FORM_CASE(kpSetPieChartBoundSwitch, "PIEBSW", noSetUp, (5), PIEBSW(5)),
        // The count moves to the end.
        LONG_FORM_CASE(kpSetPieChartExplosion, "PIEEXP", noSetUp, (2, exploded, distances),
                       PIEEXP(exploded, distances, 2)),
        LONG_FORM_CASE(kpSetPieChartExplosion, "PIEEXP", changedSettings, (0, exploded, distances),
                       PIEEXP(exploded, distances, 0)),
        LONG_FORM_CASE(kpSetPieChartExplosion, "PIEEXP", noSetUp, (51, exploded, distances),
                       PIEEXP(exploded, distances, 51)),
        LONG_FORM_CASE(kpSetPieChartFrame, "PIEPAP", noSetUp, (120.0f, 300.0f, 200.0f),
                       PIEPAP(120.0f, 300.0f, 200.0f)),
        LONG_FORM_CASE(kpRestorePieChartSettings, "PIESET", changedSettings, (), PIESET()),
        // Whole pies in each label form: the count moves behind the labels.
        LONG_FORM_CASE(kpPlotPieChart, "PIECHA", radialLabels, (4, V, labels, 5, fills, pens),
                       PIECHA(V, labels, 5, 4, fills, pens)),
        LONG_FORM_CASE(kpPlotPieChart, "PIECHA", boxedLabels, (4, V, labels, 5, fills, pens),
                       PIECHA(V, labels, 5, 4, fills, pens)),
        LONG_FORM_CASE(kpPlotPieChart, "PIECHA", leaderLabels, (3, V, labels, 4, fills, pens),
                       PIECHA(V, labels, 4, 3, fills, pens)),
        LONG_FORM_CASE(kpPlotPieChart, "PIECHA", radialLabels, (0, V, labels, 5, fills, pens),
                       PIECHA(V, labels, 5, 0, fills, pens)),
        LONG_FORM_CASE(kpAddPieChartSegment, "SEGCHA", radialLabels,
                       (350.0f, 10.0f, 4.0f, "Cross", 5, 2, -3),
                       SEGCHA(350.0f, 10.0f, 4.0f, "Cross", 5, 2, -3)),
        LONG_FORM_CASE(kpAddPieChartSegment, "SEGCHA", boxedLabels,
                       (30.0f, 150.0f, 4.0f, "Boxed label", 5, 1, 1),
                       SEGCHA(30.0f, 150.0f, 4.0f, "Boxed label", 5, 1, 1)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

// The pie count is checked by PIECHA itself, under the names of both forms.
TEST_F(LongFormTest, PieCountIsLeftToTheLegacyCheck)
{
    frame();
    startLog();
    kpPlotPieChart(0, V, labels, 5, fills, pens);
    ASSERT_EQ(1u, tarv::errorLog().size());
    EXPECT_EQ(505, tarv::errorLog()[0].number);
    EXPECT_EQ("kpPlotPieChart(PIECHA)", tarv::errorLog()[0].routine);
}

TEST_F(LongFormTest, PieEnquiriesReturnTheCodesTheSettersTake)
{
    struct Row {
        int mode, label, percent, value;  // given to the setter, expected back
    };
    const Row rows[] = {
        {kpPieStyle1, kpPieAnnotation2On, kpPieAnnotation3On, kpPieAnnotation4On},
        {kpPieStyle2, 0, 0, 0},
        {kpPieStyle3, kpPieAnnotation2On, 0, kpPieAnnotation4On},
    };
    for (const Row& r : rows) {
        graphResetLibraryForTests();
        kpSetPieChartAnnotation(r.mode, r.label, r.percent, r.value, 12.5f);
        int mode = untouched, label = untouched, percent = untouched, value = untouched;
        float threshold = -1.0f;
        kpEnqPieChartAnnotation(mode, label, percent, value, threshold);
        EXPECT_EQ(r.mode, mode);
        EXPECT_EQ(r.label, label);
        EXPECT_EQ(r.percent, percent);
        EXPECT_EQ(r.value, value);
        EXPECT_EQ(12.5f, threshold);
    }
    // Plain legacy values come back as codes.
    graphResetLibraryForTests();
    kpSetPieChartAnnotation(2, 1, 0, 1, 0.0f);
    int mode = untouched, label = untouched, percent = untouched, value = untouched;
    float threshold = -1.0f;
    kpEnqPieChartAnnotation(mode, label, percent, value, threshold);
    EXPECT_EQ(kpPieStyle2, mode);
    EXPECT_EQ(kpPieAnnotation2On, label);
    EXPECT_EQ(0, percent);
    EXPECT_EQ(kpPieAnnotation4On, value);

    // Stored values with no code leave the caller's variables as they were.
    graphResetLibraryForTests();
    firstCallDone();
    graphState.pie.annotationMode = 4;
    graphState.pie.labelSwitch = 2;
    graphState.pie.percentSwitch = -1;
    graphState.pie.valueSwitch = 1;
    mode = label = percent = value = untouched;
    kpEnqPieChartAnnotation(mode, label, percent, value, threshold);
    EXPECT_EQ(untouched, mode);
    EXPECT_EQ(untouched, label);
    EXPECT_EQ(untouched, percent);
    EXPECT_EQ(kpPieAnnotation4On, value);

    // The settings enquiry packs the centre into a point record.
    graphResetLibraryForTests();
    kpSetPieChartFrame(140.0f, 320.0f, 260.0f);
    kpSetPieChartStartAngle(-30.0f);
    float radius = 0.0f, start = 0.0f;
    PointRecord centre{0.0f, 0.0f};
    kpEnqPieChartSettings(radius, centre, start);
    float legacyRadius = 0.0f, cx = 0.0f, cy = 0.0f, legacyStart = 0.0f;
    PIEENQ(legacyRadius, cx, cy, legacyStart);
    EXPECT_EQ(140.0f, radius);
    EXPECT_EQ(320.0f, centre.x);
    EXPECT_EQ(260.0f, centre.y);
    EXPECT_EQ(legacyStart, start);
    EXPECT_EQ(330.0f, start);
    // The enquiry registers the names of both forms and changes nothing.
    static float radiusCell, cxCell, cyCell, startCell;
    static PointRecord centreCell;
    static int switchCells[4];
    const SameAsLegacyCase enquiries[] = {
        LONG_FORM_CASE(kpEnqPieChartSettings, "PIEENQ", frame, (radiusCell, centreCell, startCell),
                       PIEENQ(radiusCell, cxCell, cyCell, startCell)),
        LONG_FORM_CASE(
            kpEnqPieChartAnnotation, "PIAENQ", boxedLabels,
            (switchCells[0], switchCells[1], switchCells[2], switchCells[3], radiusCell),
            PIAENQ(switchCells[0], switchCells[1], switchCells[2], switchCells[3], radiusCell)),
    };
    for (const SameAsLegacyCase& c : enquiries) expectSameAsLegacy(c);
}

TEST_F(LongFormTest, TextChartLongFormsActAsTheirLegacyRoutines)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpSetTextChartAttribs, "TEXDEF", noSetUp, (120.0f, 25.0f, 1, kpSwitchOn, 3),
                       TEXDEF(120.0f, 25.0f, 1, 1, 3)),
        LONG_FORM_CASE(kpSetTextChartAttribs, "TEXDEF", noSetUp, (0.0f, 0.0f, -1, 0, -1),
                       TEXDEF(0.0f, 0.0f, -1, 0, -1)),
        LONG_FORM_CASE(kpSetTextChartAttribs, "TEXDEF", noSetUp, (0.0f, 0.0f, 4, 1, 2),
                       TEXDEF(0.0f, 0.0f, 4, 1, 2)),
        // Line kinds, and a kind that is no code.
        LONG_FORM_CASE(kpDisplayLineColumn, "TEXLIN", noSetUp,
                       (100.0f, 700.0f, 3, TI, kpLineColumnKind1, "Lines", 5),
                       TEXLIN(100.0f, 700.0f, 3, TI, 1, "Lines", 5)),
        LONG_FORM_CASE(kpDisplayLineColumn, "TEXLIN", noSetUp,
                       (100.0f, 700.0f, 3, TI, kpLineColumnKind2, "Lines", 5),
                       TEXLIN(100.0f, 700.0f, 3, TI, 2, "Lines", 5)),
        LONG_FORM_CASE(kpDisplayLineColumn, "TEXLIN", noSetUp,
                       (100.0f, 700.0f, 3, TI, kpLineColumnKind3, "Lines", 3),
                       TEXLIN(100.0f, 700.0f, 3, TI, 3, "Lines", 3)),
        LONG_FORM_CASE(kpDisplayLineColumn, "TEXLIN", noSetUp,
                       (100.0f, 700.0f, 2, TI, kpLineColumnKind4, "", 0),
                       TEXLIN(100.0f, 700.0f, 2, TI, 4, "", 0)),
        LONG_FORM_CASE(kpDisplayLineColumn, "TEXLIN", noSetUp,
                       (100.0f, 700.0f, 3, TI, 2, "Lines", 5),
                       TEXLIN(100.0f, 700.0f, 3, TI, 2, "Lines", 5)),
        // The other columns pass everything as it is.
        LONG_FORM_CASE(kpDisplayFillColumn, "TEXFIL", noSetUp,
                       (200.0f, 700.0f, 3, TI, TI, "Fills", 5),
                       TEXFIL(200.0f, 700.0f, 3, TI, TI, "Fills", 5)),
        LONG_FORM_CASE(kpDisplayGeneratedColumn, "TEXGEN", noSetUp,
                       (300.0f, 700.0f, 4, 1.0f, 2.5f, "Steps", 4),
                       TEXGEN(300.0f, 700.0f, 4, 1.0f, 2.5f, "Steps", 4)),
        LONG_FORM_CASE(kpDisplayPercentageColumn, "TEXPER", noSetUp,
                       (400.0f, 700.0f, 3, TV, "Share", 5),
                       TEXPER(400.0f, 700.0f, 3, TV, "Share", 5)),
        LONG_FORM_CASE(kpDisplayStringColumn, "TEXSTR", noSetUp,
                       (500.0f, 700.0f, 3, rows, 4, "Names", 5),
                       TEXSTR(500.0f, 700.0f, 3, rows, 4, "Names", 5)),
        LONG_FORM_CASE(kpDisplayMarkerColumn, "TEXSYM", noSetUp,
                       (600.0f, 700.0f, 3, TI, TI, "Marks", 5),
                       TEXSYM(600.0f, 700.0f, 3, TI, TI, "Marks", 5)),
        LONG_FORM_CASE(kpDisplayValueColumn, "TEXVAL", noSetUp,
                       (700.0f, 700.0f, 3, TV, "Values", 6),
                       TEXVAL(700.0f, 700.0f, 3, TV, "Values", 6)),
        LONG_FORM_CASE(kpDisplayValueColumn, "TEXVAL", noSetUp,
                       (700.0f, 700.0f, 0, TV, "Values", 6),
                       TEXVAL(700.0f, 700.0f, 0, TV, "Values", 6)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

TEST_F(LongFormTest, TextChartEnquiryMapsJustificationAndTitleSwitch)
{
    struct Row {
        int justification, titleSwitch;  // given to the setter, expected back
    };
    const Row rows[] = {{-1, kpSwitchOn}, {0, 0}, {1, kpSwitchOn}, {1, 0}};
    for (const Row& r : rows) {
        graphResetLibraryForTests();
        kpSetTextChartAttribs(80.0f, 30.0f, r.justification, r.titleSwitch, 4);
        float width = 0.0f, height = 0.0f;
        int justification = untouched, title = untouched, pen = untouched;
        kpEnqTextChartAttribs(width, height, justification, title, pen);
        EXPECT_EQ(80.0f, width);
        EXPECT_EQ(30.0f, height);
        EXPECT_EQ(r.justification, justification);
        EXPECT_EQ(r.titleSwitch, title);
        EXPECT_EQ(4, pen);
    }
    // Stored values outside the tables leave the caller's variables alone.
    graphResetLibraryForTests();
    firstCallDone();
    graphState.textChart.justification = 2;
    graphState.textChart.titleSwitch = 3;
    float width = 0.0f, height = 0.0f;
    int justification = untouched, title = untouched, pen = untouched;
    kpEnqTextChartAttribs(width, height, justification, title, pen);
    EXPECT_EQ(untouched, justification);
    EXPECT_EQ(untouched, title);
    EXPECT_NE(untouched, pen);

    // The enquiry registers the names of both forms and changes nothing.
    static float widthCell, heightCell;
    static int cells[3];
    expectSameAsLegacy(LONG_FORM_CASE(
        kpEnqTextChartAttribs, "TDFENQ", [] { TEXDEF(50.0f, 0.0f, 1, 1, 2); },
        (widthCell, heightCell, cells[0], cells[1], cells[2]),
        TDFENQ(widthCell, heightCell, cells[0], cells[1], cells[2])));
}
