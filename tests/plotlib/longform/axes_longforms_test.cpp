// Long forms of the axis and date routines against their legacy routines called with the
// converted values: same kernel calls, same reports, same settings.
#include <climits>

#include "longform/longform_fixture.h"

namespace {

// Three labels of four characters each.
const char labels[] = "Low Mid High";

}  // namespace

TEST_F(LongFormTest, AxisLongFormsActAsTheirLegacyRoutines)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpSetAxesScaling, "AXISCA", noSetUp, (kpAxisScaling5, 4, 0.0f, 4.0f, 1),
                       AXISCA(5, 4, 0.0f, 4.0f, 1)),
        LONG_FORM_CASE(kpSetAxesScaling, "AXISCA", noSetUp, (kpAxisScaling4, 0, 1.0f, 1000.0f, 2),
                       AXISCA(4, 0, 1.0f, 1000.0f, 2)),
        LONG_FORM_CASE(kpSetAxesScaling, "AXISCA", noSetUp, (kpAxisScaling3, 5, 0.0f, 10.0f, 1),
                       AXISCA(3, 5, 0.0f, 10.0f, 1)),
        LONG_FORM_CASE(kpSetAxesScaling, "AXISCA", noSetUp, (kpAxisScaling2, 0, -3.0f, 7.0f, 2),
                       AXISCA(2, 0, -3.0f, 7.0f, 2)),
        LONG_FORM_CASE(kpSetAxesScaling, "AXISCA", noSetUp, (kpAxisScaling1, 0, -3.0f, 7.0f, 1),
                       AXISCA(1, 0, -3.0f, 7.0f, 1)),
        // Plain values pass unchanged, good or bad.
        LONG_FORM_CASE(kpSetAxesScaling, "AXISCA", noSetUp, (3, 5, 0.0f, 10.0f, 1),
                       AXISCA(3, 5, 0.0f, 10.0f, 1)),
        LONG_FORM_CASE(kpSetAxesScaling, "AXISCA", noSetUp, (9, 5, 0.0f, 10.0f, 1),
                       AXISCA(9, 5, 0.0f, 10.0f, 1)),
        LONG_FORM_CASE(kpSetAxesPos, "AXIPOS", noSetUp, (kpAxisPosition1, 80.0f, 90.0f, 600.0f, 1),
                       AXIPOS(1, 80.0f, 90.0f, 600.0f, 1)),
        LONG_FORM_CASE(kpSetAxesPos, "AXIPOS", noSetUp, (kpAxisPosition0, 80.0f, 90.0f, 400.0f, 2),
                       AXIPOS(0, 80.0f, 90.0f, 400.0f, 2)),
        LONG_FORM_CASE(kpSetAxesPos, "AXIPOS", noSetUp, (7, 80.0f, 90.0f, 400.0f, 2),
                       AXIPOS(7, 80.0f, 90.0f, 400.0f, 2)),
        LONG_FORM_CASE(kpSetAxesAnnotation, "AXIANN", noSetUp, (2, 40, kpCaptionStyle4, 1),
                       AXIANN(2, 40, 4, 1)),
        LONG_FORM_CASE(kpSetAxesAnnotation, "AXIANN", noSetUp, (2, 40, kpCaptionStyle3, 2),
                       AXIANN(2, 40, 3, 2)),
        LONG_FORM_CASE(kpSetAxesAnnotation, "AXIANN", noSetUp, (-1, 41, kpCaptionStyle2, 1),
                       AXIANN(-1, 41, 2, 1)),
        LONG_FORM_CASE(kpSetAxesAnnotation, "AXIANN", noSetUp, (0, 3, kpCaptionStyle1, 1),
                       AXIANN(0, 3, 1, 1)),
        LONG_FORM_CASE(kpSetAxesAnnotation, "AXIANN", noSetUp, (0, 3, 0, 1), AXIANN(0, 3, 0, 1)),
        LONG_FORM_CASE(kpSetAxesAnnotation, "AXIANN", noSetUp, (0, 3, 6, 1), AXIANN(0, 3, 6, 1)),
        LONG_FORM_CASE(
            kpSetAxesAttribs, "AXIATT", noSetUp,
            (kpAxisAttrib1On, 50.0f, 1, 2, 0.5f, 30.0f, -1, kpAxisAttribValue2, kpAxisAttrib9On, 1),
            AXIATT(1, 50.0f, 1, 2, 0.5f, 30.0f, 1, 2, 1, 1)),
        LONG_FORM_CASE(kpSetAxesAttribs, "AXIATT", noSetUp,
                       (kpAxisAttrib1Off, 0.0f, 2, -1, 0.0f, 0.0f, 1, -1, 0, 2),
                       AXIATT(0, 0.0f, 2, -1, 0.0f, 0.0f, -1, -1, 0, 2)),
        LONG_FORM_CASE(kpSetAxesAttribs, "AXIATT", noSetUp,
                       (1, 0.0f, 1, 0, 0.0f, 0.0f, kpAxisAttribValue2, 1, 0, 1),
                       AXIATT(1, 0.0f, 1, 0, 0.0f, 0.0f, 2, 1, 0, 1)),
        LONG_FORM_CASE(kpSetAxesAttribs, "AXIATT", noSetUp, (5, 0.0f, 1, 0, 0.0f, 0.0f, 0, 0, 9, 2),
                       AXIATT(5, 0.0f, 1, 0, 0.0f, 0.0f, 0, 0, 9, 2)),
        // Tick code mapped, then turned when the side switch is 1; annotation 0 -> 1,
        // 1 -> -1, kpNone -> 0.
        LONG_FORM_CASE(kpDrawAxes, "AXIDRA", placeAxes, (kpMode1, 0, 0, 1), AXIDRA(1, 1, 1)),
        LONG_FORM_CASE(kpDrawAxes, "AXIDRA", placeAxes, (kpMode2, 1, 1, 2), AXIDRA(-2, -1, 2)),
        LONG_FORM_CASE(kpDrawAxes, "AXIDRA", placeAxes, (kpMode1, 1, kpNone, 1), AXIDRA(-1, 0, 1)),
        LONG_FORM_CASE(kpDrawAxes, "AXIDRA", placeAxes, (7, 1, 0, 1), AXIDRA(-7, 1, 1)),
        LONG_FORM_CASE(kpDrawAxes, "AXIDRA", placeAxes, (0, 1, 1, 2), AXIDRA(0, -1, 2)),
        LONG_FORM_CASE(kpDrawAxes, "AXIDRA", placeAxes, (kpMode2, 2, 5, 2), AXIDRA(2, 5, 2)),
        // The one tick code without a negative: the nearest value stands for it.
        LONG_FORM_CASE(kpDrawAxes, "AXIDRA", placeAxes, (INT_MIN, 1, 0, 1), AXIDRA(INT_MAX, 1, 1)),
        LONG_FORM_CASE(kpDrawAxesLabels, "AXISTR", placeAxes, (3, labels, 4, 0, 1),
                       AXISTR(labels, 4, 3, 1, 1)),
        LONG_FORM_CASE(kpDrawAxesLabels, "AXISTR", placeAxes, (3, labels, 4, 1, 2),
                       AXISTR(labels, 4, 3, -1, 2)),
        LONG_FORM_CASE(kpDrawAxesLabels, "AXISTR", placeAxes, (3, labels, 4, kpNone, 1),
                       AXISTR(labels, 4, 3, 0, 1)),
        LONG_FORM_CASE(kpDrawAxesLabs, "AXLSTR", placeAxes, (3, labels, 4, 80.0f, 1, -1),
                       AXLSTR(labels, 4, 3, 80.0f, 1)),
        LONG_FORM_CASE(kpDrawAxesLabs, "AXLSTR", placeAxes, (3, labels, 4, 80.0f, 1, 1),
                       AXLSTR(labels, 4, 3, 80.0f, -1)),
        LONG_FORM_CASE(kpDrawAxesLabs, "AXLSTR", placeAxes, (3, labels, 4, 90.0f, 2, -1),
                       AXLSTR(labels, 4, 3, 90.0f, 2)),
        LONG_FORM_CASE(kpDrawAxesLabs, "AXLSTR", placeAxes, (3, labels, 4, 90.0f, 2, 1),
                       AXLSTR(labels, 4, 3, 90.0f, -2)),
        LONG_FORM_CASE(kpDrawAxesTitle, "AXNSTR", placeAxes, ("Time", 4, 60.0f, 1, -1, 0),
                       AXNSTR("Time", 4, 60.0f, 1, 0)),
        LONG_FORM_CASE(kpDrawAxesTitle, "AXNSTR", placeAxes, ("Time", 4, 60.0f, 2, 1, 1),
                       AXNSTR("Time", 4, 60.0f, -2, 1)),
        LONG_FORM_CASE(kpRestoreAxesSettings, "AXISET", placeAxes, (), AXISET()),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

TEST_F(LongFormTest, DateLongFormsActAsTheirLegacyRoutines)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpSetDateAxesScaling, "DATSCA", noSetUp,
                       (kpAxisScaling1, kpDateUnit3, "1/1/2000", 8, "31/12/2000", 10, 1),
                       DATSCA(1, 3, "1/1/2000", 8, "31/12/2000", 10, 1)),
        LONG_FORM_CASE(kpSetDateAxesScaling, "DATSCA", noSetUp,
                       (kpAxisScaling2, kpDateUnit5, "1/3/99", 6, "20/3/99", 7, 2),
                       DATSCA(2, 5, "1/3/99", 6, "20/3/99", 7, 2)),
        LONG_FORM_CASE(kpSetDateAxesScaling, "DATSCA", noSetUp,
                       (kpAxisScaling3, kpDateUnit1, "1/1/1900", 8, "1/1/1990", 8, 1),
                       DATSCA(3, 1, "1/1/1900", 8, "1/1/1990", 8, 1)),
        LONG_FORM_CASE(kpSetDateAxesScaling, "DATSCA", noSetUp,
                       (kpAxisScaling1, kpDateUnit2, "1/1/1990", 8, "1/1/1999", 8, 1),
                       DATSCA(1, 2, "1/1/1990", 8, "1/1/1999", 8, 1)),
        LONG_FORM_CASE(kpSetDateAxesScaling, "DATSCA", noSetUp,
                       (kpAxisScaling1, kpDateUnit4, "1/1/1990", 8, "1/3/1990", 8, 2),
                       DATSCA(1, 4, "1/1/1990", 8, "1/3/1990", 8, 2)),
        LONG_FORM_CASE(kpSetDateAxesScaling, "DATSCA", noSetUp,
                       (kpAxisScaling4, 9, "1/1/1990", 8, "1/3/1990", 8, 2),
                       DATSCA(kpAxisScaling4, 9, "1/1/1990", 8, "1/3/1990", 8, 2)),
        LONG_FORM_CASE(kpSetDateAxesAnnotation, "DATANN", noSetUp, (-1, 1, -2, 4, 2),
                       DATANN(-1, 1, -2, 4, 2)),
        // Only the first character of a separator counts; an empty one leaves it alone.
        LONG_FORM_CASE(kpSetDateFormat, "DATFOR", noSetUp,
                       (kpDateOrder3, "-", 1, kpDateOrder1, ".xyz", 4),
                       DATFOR(3, "-", 1, 1, ".", 1)),
        LONG_FORM_CASE(kpSetDateFormat, "DATFOR", noSetUp, (kpDateOrder2, "", 0, 7, ":", 1),
                       DATFOR(2, "", 0, 7, ":", 1)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

// Conversions forward the texts with their lengths; the count of kpConvertDates moves.
TEST_F(LongFormTest, DateConversionsGiveTheLegacyResults)
{
    const char texts[] = "13/9/1752 1/1/2000  29/2/2024 ";
    const int length = 10, count = 3;
    float viaLong[count] = {-1.0f, -1.0f, -1.0f}, viaLegacy[count] = {-2.0f, -2.0f, -2.0f};
    kpConvertDates(count, texts, length, viaLong);
    DATCON(texts, length, count, viaLegacy);
    for (int i = 0; i < count; ++i) EXPECT_EQ(viaLegacy[i], viaLong[i]) << i;
    EXPECT_EQ(1.0f, viaLong[0]);

    float one = 0.0f, two = 0.0f;
    kpConvertDateToGraph("1/1/2000", 8, one);
    DATGRA("1/1/2000", 8, two);
    EXPECT_EQ(two, one);
    char a[12] = "xxxxxxxxxxx", b[12] = "yyyyyyyyyyy";
    kpConvertGraphToDate(one, a, 11);
    GRADAT(one, b, 11);
    EXPECT_STREQ(b, a);
    EXPECT_TRUE(tarv::errorLog().empty());
}
