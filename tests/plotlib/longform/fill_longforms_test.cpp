// Long forms of the error bars and fills against their legacy routines called with the
// converted values and the record fields in the legacy routine's order.
#include <string>
#include <vector>

#include "longform/longform_fixture.h"

namespace {

const PointRecord P[3] = {{2.0f, 5.0f}, {5.0f, 3.0f}, {8.0f, 6.0f}};
const float X[3] = {2.0f, 5.0f, 8.0f};
const float Y[3] = {5.0f, 3.0f, 6.0f};
// Errors below (first field) and above (second field) each value.
const ErrorBarRecord E[3] = {{1.0f, 2.0f}, {0.5f, 1.5f}, {2.5f, 0.25f}};
const float below[3] = {1.0f, 0.5f, 2.5f};
const float above[3] = {2.0f, 1.5f, 0.25f};

}  // namespace

TEST_F(LongFormTest, ErrorBarLongFormPassesTheErrorAboveFirst)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpAddErrorBars, "GRAERB", placeAxes, (3, P, E, 0, 0, 1),
                       GRAERB(X, Y, above, below, 3, 0, 0, 1)),
        LONG_FORM_CASE(kpAddErrorBars, "GRAERB", placeAxes,
                       (3, P, E, kpErrorBarStyle1, kpErrorBarMode1, 1),
                       GRAERB(X, Y, above, below, 3, 1, 1, 1)),
        LONG_FORM_CASE(kpAddErrorBars, "GRAERB", placeAxes, (3, P, E, kpErrorBarStyle2, 0, 2),
                       GRAERB(X, Y, above, below, 3, 2, 0, 2)),
        LONG_FORM_CASE(kpAddErrorBars, "GRAERB", placeAxes,
                       (3, P, E, kpErrorBarStyle3, kpErrorBarMode1, 1),
                       GRAERB(X, Y, above, below, 3, 3, 1, 1)),
        LONG_FORM_CASE(kpAddErrorBars, "GRAERB", placeAxes, (3, P, E, kpErrorBarStyle4, 0, 1),
                       GRAERB(X, Y, above, below, 3, 4, 0, 1)),
        LONG_FORM_CASE(kpAddErrorBars, "GRAERB", placeAxes, (3, P, E, kpErrorBarStyle5, 1, 2),
                       GRAERB(X, Y, above, below, 3, 5, 1, 2)),
        LONG_FORM_CASE(kpAddErrorBars, "GRAERB", placeAxes, (3, P, E, kpErrorBarStyle6, 0, 1),
                       GRAERB(X, Y, above, below, 3, 6, 0, 1)),
        LONG_FORM_CASE(kpAddErrorBars, "GRAERB", placeAxes, (3, P, E, kpErrorBarStyle7, 0, 1),
                       GRAERB(X, Y, above, below, 3, 7, 0, 1)),
        LONG_FORM_CASE(kpAddErrorBars, "GRAERB", placeAxes, (3, P, E, 9, 4, 1),
                       GRAERB(X, Y, above, below, 3, 9, 4, 1)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

// The record (1, 2) at the value 5 gives a bar from 4 to 7: kernel y 300 to 450.
TEST_F(LongFormTest, ErrorBarRecordSpansBelowAndAbove)
{
    placeAxes();
    const PointRecord point[1] = {{5.0f, 5.0f}};
    const ErrorBarRecord error[1] = {{1.0f, 2.0f}};
    startLog();
    kpAddErrorBars(1, point, error, 0, kpErrorBarMode1, 1);
    std::string all;
    for (const std::string& line : tarv::traceLines()) all += line + "\n";
    EXPECT_NE(std::string::npos, all.find(" 300\n")) << all;
    EXPECT_NE(std::string::npos, all.find(" 450\n")) << all;
    EXPECT_EQ(std::string::npos, all.find(" 400\n")) << all;
    EXPECT_TRUE(tarv::errorLog().empty());

    startLog();
    kpAddErrorBars(0, point, error, 0, kpErrorBarMode1, 1);
    kpAddErrorBars(-4, nullptr, nullptr, 0, kpErrorBarMode1, 1);
    EXPECT_TRUE(tarv::traceLines().empty());
    EXPECT_TRUE(tarv::errorLog().empty());
}

namespace {

const PointRecord B[4] = {{1.0f, 1.0f}, {4.0f, 2.0f}, {6.0f, 1.5f}, {9.0f, 2.5f}};
const float XB[4] = {1.0f, 4.0f, 6.0f, 9.0f};
const float YB[4] = {1.0f, 2.0f, 1.5f, 2.5f};

}  // namespace

TEST_F(LongFormTest, FillLongFormsFillWhatTheirLegacyRoutinesFill)
{
    const SameAsLegacyCase cases[] = {
        LONG_FORM_CASE(kpFillBelowDataset, "GRAFIL", placeAxes, (3, P, 1.0f, 2, 3, 1),
                       GRAFIL(X, Y, 3, 1.0f, 2, 3, 1)),
        LONG_FORM_CASE(kpFillBelowDataset, "GRAFIL", placeAxes, (3, P, 4.0f, 1, -1, -2),
                       GRAFIL(X, Y, 3, 4.0f, 1, -1, -2)),
        LONG_FORM_CASE(kpFillBetweenDatasets, "GRAFI2", placeAxes, (3, P, 4, B, 2, 1),
                       GRAFI2(X, Y, 3, XB, YB, 4, 2, 1)),
        LONG_FORM_CASE(kpFillBetweenDatasets, "GRAFI2", placeAxes, (4, B, 3, P, -1, 3),
                       GRAFI2(XB, YB, 4, X, Y, 3, -1, 3)),
        // One point each: GRAFI2's own check for too few points.
        LONG_FORM_CASE(kpFillBetweenDatasets, "GRAFI2", placeAxes, (1, P, 1, B, 2, 1),
                       GRAFI2(X, Y, 1, XB, YB, 1, 2, 1)),
    };
    for (const SameAsLegacyCase& c : cases) expectSameAsLegacy(c);
}

// Either count below 1 calls nothing (the other array is not read either).
TEST_F(LongFormTest, FillsWithAnEmptyDataSetCallNothing)
{
    placeAxes();
    startLog();
    kpFillBelowDataset(0, P, 1.0f, 2, 3, 1);
    kpFillBetweenDatasets(5, nullptr, 0, B, 2, 1);
    kpFillBetweenDatasets(0, P, 4, nullptr, 2, 1);
    kpFillBetweenDatasets(-1, nullptr, -1, nullptr, 2, 1);
    EXPECT_TRUE(tarv::traceLines().empty());
    EXPECT_TRUE(tarv::errorLog().empty());
}
