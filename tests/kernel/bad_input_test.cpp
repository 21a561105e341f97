// Bad input to kernel operations is refused or clamped: negative and huge counts, null arrays
// and texts, unknown numbers, empty ranges.  Nothing is read or written outside the arrays
// (the sanitizer build checks that).
#include <climits>
#include <cmath>
#include <vector>

#include "kernel_fixture.h"
#include "state.h"

namespace {

using KernelBadInput = KernelTest;

TEST_F(KernelBadInput, CountsOutOfRangeDrawNothing)
{
    Canvas canvas;
    const float x[3] = {100, 200, 300}, y[3] = {100, 200, 100};
    const int counts[2] = {INT_MAX, INT_MAX};
    const int negative[2] = {-3, 3};
    kernelMovePen(10.0f, 10.0f);
    for (int n : {-5, INT_MIN, INT_MAX}) {
        kernelDrawPolyline(x, y, n);
        kernelFillPolygon(0, 1, 0, x, y, n);
        kernelDrawCurve(x, y, n, 0, 0);
        kernelDrawSpline(x, y, n, 0, 0);
        kernelDrawAkimaCurve(x, y, n, 0, 0);
        kernelFillMultiPolygon(0, 1, 0, n, negative, x, y);
    }
    kernelFillMultiPolygon(0, 1, 0, 2, counts, x, y);  // total past any array
    kernelDrawPolyline(nullptr, y, 3);
    kernelFillPolygon(0, 1, 0, x, nullptr, 3);
    kernelDrawCurve(nullptr, nullptr, 3, 0, 0);
    kernelFillMultiPolygon(0, 1, 0, 2, nullptr, x, y);
    kernelDrawCurve(x, y, 1, 0, 0);
    EXPECT_EQ(canvas.inkCount(), 0);
    float px, py, u;
    kernelEnquirePenPosition(px, py, u);
    EXPECT_EQ(px, 10.0f);
    EXPECT_EQ(py, 10.0f);
    // The log still lists each call, with no array elements for a refused count.
    EXPECT_EQ(tarv::traceLines()[1], "kernelDrawPolyline [] [] -5");
    EXPECT_EQ(tarv::traceLines()[13], "kernelDrawPolyline [] [] 2147483647");
    // A negative boundary count counts as empty; the others are filled.
    kernelFillMultiPolygon(0, 1, 0, 2, negative, x, y);
    EXPECT_EQ(tarv::traceLines().back(),
              "kernelFillMultiPolygon 0 1 0 2 [-3 3] [100 200 300] [100 200 100]");
    EXPECT_TRUE(canvas.inked(200, 130));
}

TEST_F(KernelBadInput, LargestPolylineIsDrawnAndOneMorePointIsRefused)
{
    // One array serves as x and y; no target is linked and the log is off, so the points only
    // move the current point: it ends on the last point read.
    tarv::traceCapture(false);
    std::vector<float> v(static_cast<size_t>(tarv::kMaxPoints) + 1, 1.0f);
    v[tarv::kMaxPoints - 1] = 7.0f;
    v[tarv::kMaxPoints] = 9.0f;
    float x, y, u;
    kernelDrawPolyline(v.data(), v.data(), tarv::kMaxPoints);
    kernelEnquirePenPosition(x, y, u);
    EXPECT_EQ(x, 7.0f);
    EXPECT_EQ(y, 7.0f);
    kernelDrawPolyline(v.data(), v.data(), tarv::kMaxPoints + 1);
    kernelEnquirePenPosition(x, y, u);
    EXPECT_EQ(x, 7.0f);
    EXPECT_EQ(y, 7.0f);
}

TEST_F(KernelBadInput, PictureSpaceEnquiryWritesOnlyValuesInRange)
{
    struct Case {
        int first, count, status;
        std::vector<float> values;  // the array after the call, starting at 9s
    };
    const std::vector<Case> cases = {
        {1, 4, 0, {0, 1000, 0, 750, 9}},        {2, 2, 0, {1000, 0, 9, 9, 9}},
        {3, 4, 1, {0, 750, 9, 9, 9}},           {0, 2, 1, {9, 0, 9, 9, 9}},
        {-1, 4, 1, {9, 9, 0, 1000, 9}},         {1, -1, 1, {9, 9, 9, 9, 9}},
        {INT_MAX, INT_MAX, 1, {9, 9, 9, 9, 9}}, {INT_MIN, 3, 1, {9, 9, 9, 9, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + " " + std::to_string(c.count));
        std::vector<float> v(5, 9.0f);
        int status = -1;
        kernelEnquirePictureSpace(status, c.first, c.count, v.data());
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(v, c.values);
    }
    int status = -1;
    kernelEnquirePictureSpace(status, 1, 4, nullptr);
}

TEST_F(KernelBadInput, UnknownNumbersAndEmptyRangesChangeNothing)
{
    kernelSetTableEntry(0, 1, 2, 3, 4);
    kernelSetTableEntry(17, 1, 2, 3, 4);
    int a = 9, b = 9, c = 9, d = 9;
    kernelEnquireTableEntry(-1, a, b, c, d);
    EXPECT_EQ(a + b + c + d, 0);
    kernelSetLineAttributes(7, 5, 5, 5, 5.0f, 5, 5);
    int pen, style, colour, mode, reserved;
    float width;
    kernelEnquireLineAttributes(0, pen, style, colour, width, mode, reserved);
    EXPECT_EQ(colour, 1);
    kernelSetPictureSpace(5.0f, 5.0f, 0.0f, 1.0f);
    kernelSetPictureSpace(NAN, 5.0f, 0.0f, 1.0f);
    float v[4];
    int status;
    kernelEnquirePictureSpace(status, 1, 4, v);
    EXPECT_EQ(v[1], 1000.0f);
    kernelSetMapping(0, 1, 0, 1, 3, 3, 0, 1);
    float m[8];
    kernelEnquireMapping(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]);
    EXPECT_EQ(m[1], 1000.0f);
    kernelSetRasterOutput(-1, 0, 1.0f, 1.0f, 0.0f, 0.0f);
    kernelSetRasterOutput(100, 100, 0.0f, 1.0f, 0.0f, 0.0f);
    kernelSetCharSize(INFINITY, 3.0f);
    kernelSetCharAngle(NAN);
    kernelSetLineWidth(NAN);
    kernelSetLineWidth(-2.0f);
    float w, h, angle;
    int font, fifth;
    kernelEnquireTextAttributes(mode, w, h, font, fifth, angle);
    EXPECT_EQ(w, 10.0f);
    EXPECT_EQ(angle, 0.0f);
    kernelEnquireLineWidth(width);
    EXPECT_EQ(width, 0.0f);
}

TEST_F(KernelBadInput, NullAndZeroLengthTexts)
{
    float e[5] = {1, 1, 1, 1, 1};
    kernelEnquireTextExtent(nullptr, 10, e[0], e[1], e[2], e[3], e[4]);
    EXPECT_EQ(e[0], 0.0f);
    EXPECT_EQ(e[1], 1.0f);
    kernelEnquireTextExtent("abc", 0, e[0], e[1], e[2], e[3], e[4]);
    EXPECT_EQ(e[0], 0.0f);
    kernelSetRoutineName(2, nullptr, 6);
    kernelReportError(1);
    EXPECT_EQ(tarv::errorLog().back().routine, "");
    kernelSelectOutput(nullptr, 3);
    kernelSelectOutput("picture.doc", 11);  // unknown kind: no device, no crash
    kernelOpenDevice();
    kernelMovePen(1.0f, 1.0f);
    kernelDrawLineTo(5.0f, 5.0f);
    kernelCloseDevice();
    kernelDrawText("abc", INT_MIN);
    kernelDrawRealNumber(NAN, INT_MIN, INT_MAX);
    kernelDrawIntegerNumber(INT_MIN, INT_MIN);
    EXPECT_EQ(tarv::traceLines().back(), "kernelDrawIntegerNumber -2147483648 -2147483648");
}

}  // namespace
