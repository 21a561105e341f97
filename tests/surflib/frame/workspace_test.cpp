// Tests of the workspace record, the gridding workspace size and the start of drawings.
#include <climits>
#include <string>
#include <vector>

#include "frame/workspace.h"
#include "surface_test.h"
#include "tterrlib.h"

using namespace surflib;

class WorkspaceTest : public OpenSurfaceTest {};

TEST_F(WorkspaceTest, GriddingSizeIsTheLargestOfThreeTerms)
{
    struct Row {
        int nx, ny, npts, size;
    };
    const Row rows[] = {
        {31, 31, 0, 12883},     // 3 nx ny + 10000
        {10, 10, 5000, 20300},  // nx ny + 4 npts + 20 max
        {200, 100, 0, 70000},   // 3 nx ny + 10000
        {2, 2, 3000, 12044},    // 4 npts + 2 nx ny
        {30000, 30000, 0, 0},   // beyond the integer range: no size
        {INT_MAX, INT_MAX, INT_MAX, 0},
        {-5, 3, 0, 9955},
        {-50000, 50000, 0, 0},  // negative: no size
    };
    for (const Row& r : rows) {
        int size = -1;
        surfaceGriddingWorkspaceSize(r.nx, r.ny, r.npts, size);
        EXPECT_EQ(size, r.size) << r.nx << " " << r.ny << " " << r.npts;
    }
}

TEST_F(WorkspaceTest, MakeGivesAZeroFilledArrayAndReleasesTheOldOne)
{
    SurfaceWorkspace ws;
    krMakeWorkspace(100, ws);
    ASSERT_NE(ws.words, nullptr);
    EXPECT_EQ(ws.size, 100);
    for (int i = 0; i < 100; ++i) ws.words[i] = 7.0f;
    krMakeWorkspace(200, ws);  // the first array is released (the leak checker sees it)
    ASSERT_NE(ws.words, nullptr);
    EXPECT_EQ(ws.size, 200);
    for (int i = 0; i < 200; ++i) ASSERT_EQ(ws.words[i], 0.0f) << i;
    krMakeWorkspace(0, ws);
    EXPECT_EQ(ws.words, nullptr);
    EXPECT_EQ(ws.size, 0);
    krMakeWorkspace(-3, ws);
    EXPECT_EQ(ws.size, -3);
    EXPECT_EQ(ws.words, nullptr);
    krFreeWorkspace(ws);
    EXPECT_EQ(ws.size, 0);
    krMakeWorkspace(5, ws);
    krFreeWorkspace(ws);
    EXPECT_EQ(ws.words, nullptr);
    EXPECT_EQ(ws.size, 0);
    krFreeWorkspace(ws);  // twice is harmless
}

TEST_F(WorkspaceTest, DrawingTypesSetOrRequireTheirCodes)
{
    struct Row {
        int codeBefore, type, codeAfter;
        std::vector<int> errors;
    };
    const Row rows[] = {
        {1, 1, 2, {}},
        {3, 1, 2, {}},
        {1, 2, 1, {asReported(kNoDrawingToAddTo)}},
        {2, 2, 2, {}},
        {4, 3, 3, {}},
        {1, 4, 1, {asReported(kNoPictureToAddTo)}},
        {5, 4, 5, {asReported(kNoPictureToAddTo)}},
        {6, 4, 6, {asReported(kNoPictureToAddTo)}},
        {2, 4, 2, {}},
        {3, 4, 3, {}},
        {4, 4, 4, {}},
        {1, 5, 4, {}},
        {2, 6, 5, {}},
        {2, 7, 2, {asReported(kNoDrawingToAddTo)}},
        {5, 7, 5, {}},
        {2, 8, 6, {}},
        {3, 0, 3, {}},
        {3, 9, 3, {}},
    };
    for (const Row& r : rows) {
        surfaceState.drawing.code = r.codeBefore;
        tarv::errorLogClear();
        surfaceBeginDrawing(r.type);
        EXPECT_EQ(surfaceState.drawing.code, r.codeAfter) << r.codeBefore << " " << r.type;
        EXPECT_EQ(reported(), r.errors) << r.codeBefore << " " << r.type;
    }
}

TEST_F(WorkspaceTest, BeginningMeasuresCharactersAndReadsTheFrameExceptForAdditions)
{
    kernelSetCharSize(7.0f, 11.0f);
    kernelSetPictureSpace(0.0f, 400.0f, 50.0f, 300.0f);
    surfaceState.drawing.code = 2;
    surfaceBeginDrawing(2);  // an addition measures but keeps the frame
    EXPECT_EQ(surfaceState.digitWidth, 7.0f);
    EXPECT_EQ(surfaceState.charHeight, 11.0f);
    EXPECT_EQ(surfaceState.plotX2, 1000.0f);
    surfaceBeginDrawing(1);
    EXPECT_EQ(surfaceState.plotX1, 0.0f);
    EXPECT_EQ(surfaceState.plotX2, 400.0f);
    EXPECT_EQ(surfaceState.plotY1, 50.0f);
    EXPECT_EQ(surfaceState.plotY2, 300.0f);
    EXPECT_EQ(surfaceState.plotWidth, 400.0f);
    EXPECT_EQ(surfaceState.plotHeight, 250.0f);
    // a refused addition measures nothing
    kernelSetCharSize(3.0f, 3.0f);
    surfaceState.drawing.code = 5;
    capture();
    surfaceBeginDrawing(2);
    EXPECT_TRUE(only(calls(), "kernelEnquireTextExtent").empty());
    EXPECT_EQ(surfaceState.digitWidth, 7.0f);
}
