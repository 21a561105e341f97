// State the kernel keeps and hands back: round trips of every enquiry, the library-open flags,
// the settings, and the format of the call log.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstring>
#include <functional>

#include "kernel_fixture.h"
#include "tarvcore.h"

namespace {

class KernelState : public KernelTest {};

struct RoundTrip {
    const char* rule;
    std::function<void()> act;
    std::function<void()> check;
};

TEST_F(KernelState, EnquiriesReadBackWhatWasSet)
{
    const std::vector<RoundTrip> table = {
        {"text mode 1 reads back as 4 and leaves the other attributes",
         [] {
             kernelSetCharSize(7.5f, 12.0f);
             kernelSetCharAngle(30.0f);
             kernelSetTextSetting196(3);
             kernelSetTextMode(1);
         },
         [] {
             int mode, font, fifth;
             float w, h, a;
             kernelEnquireTextAttributes(mode, w, h, font, fifth, a);
             EXPECT_EQ(mode, 4);
             EXPECT_EQ(w, 7.5f);
             EXPECT_EQ(h, 12.0f);
             EXPECT_EQ(font, -1);
             EXPECT_EQ(fifth, 3);
             EXPECT_EQ(a, 30.0f);
         }},
        {"text mode 0 reads back as 0",
         [] {
             kernelSetTextMode(1);
             kernelSetTextMode(0);
         },
         [] {
             int mode, font, fifth;
             float w, h, a;
             kernelEnquireTextAttributes(mode, w, h, font, fifth, a);
             EXPECT_EQ(mode, 0);
         }},
        {"a dash pattern puts style -1 in force",
         [] {
             kernelSetLineStyle(3);
             kernelSetDashPattern(5.0f, 1.0f, 2.0f, 1.5f);
         },
         [] {
             int style = 0, pen, s2, colour, mode, reserved;
             float width, d[4];
             kernelEnquireLineStyle(style);
             EXPECT_EQ(style, -1);
             kernelEnquireLineAttributes(0, pen, s2, colour, width, mode, reserved);
             EXPECT_EQ(s2, -1);
             kernelEnquireDashPattern(d[0], d[1], d[2], d[3]);
             EXPECT_EQ(d[0], 5.0f);
             EXPECT_EQ(d[1], 1.0f);
             EXPECT_EQ(d[2], 2.0f);
             EXPECT_EQ(d[3], 1.5f);
         }},
        {"the six line values round trip", [] { kernelSetLineAttributes(0, 4, 2, 6, 1.25f, 2, 9); },
         [] {
             int pen, style, colour, mode, reserved;
             float width;
             kernelEnquireLineAttributes(0, pen, style, colour, width, mode, reserved);
             EXPECT_EQ(pen, 4);
             EXPECT_EQ(style, 2);
             EXPECT_EQ(colour, 6);
             EXPECT_EQ(width, 1.25f);
             EXPECT_EQ(mode, 2);
             EXPECT_EQ(reserved, 9);
             float w2;
             kernelEnquireLineWidth(w2);
             EXPECT_EQ(w2, 1.25f);
         }},
        {"a pen selects its colour; colour alone keeps the pen",
         [] {
             kernelSetPen(5);
             kernelSetColour(7);
         },
         [] {
             int pen, style, colour, mode, reserved;
             float width;
             kernelEnquireLineAttributes(0, pen, style, colour, width, mode, reserved);
             EXPECT_EQ(pen, 5);
             EXPECT_EQ(colour, 7);
         }},
        {"the eight mapping values round trip",
         [] { kernelSetMapping(0.0f, 1000.0f, 0.0f, 750.0f, 12.5f, 587.25f, 30.0f, 461.5f); },
         [] {
             float m[8];
             kernelEnquireMapping(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]);
             const float want[8] = {0.0f, 1000.0f, 0.0f, 750.0f, 12.5f, 587.25f, 30.0f, 461.5f};
             for (int k = 0; k < 8; ++k) EXPECT_EQ(m[k], want[k]) << k;
         }},
        {"pen and text share one current point", [] { kernelMovePen(12.0f, 34.0f); },
         [] {
             float x, y, u;
             kernelEnquireTextPosition(x, y, u);
             EXPECT_EQ(x, 12.0f);
             EXPECT_EQ(y, 34.0f);
             kernelSetTextPosition(50.0f, 60.0f);
             kernelDrawLineBy(5.0f, -10.0f);
             kernelEnquirePenPosition(x, y, u);
             EXPECT_EQ(x, 55.0f);
             EXPECT_EQ(y, 50.0f);
         }},
        {"curve ends round trip",
         [] { kernelSetCurveEnds(1.0f, 0.0f, 1.0f, 0.5f, -3.0f, 4.0f, 99.5f, -7.25f); },
         [] {
             float v[8];
             kernelEnquireCurveEnds(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
             const float want[8] = {1.0f, 0.0f, 1.0f, 0.5f, -3.0f, 4.0f, 99.5f, -7.25f};
             for (int k = 0; k < 8; ++k) EXPECT_EQ(v[k], want[k]) << k;
         }},
        {"picture space reads back in set order",
         [] { kernelSetPictureSpace(-5.0f, 95.0f, 10.0f, 60.0f); },
         [] {
             int status = -1;
             float v[4] = {};
             kernelEnquirePictureSpace(status, 1, 4, v);
             EXPECT_EQ(status, 0);
             EXPECT_EQ(v[0], -5.0f);
             EXPECT_EQ(v[1], 95.0f);
             EXPECT_EQ(v[2], 10.0f);
             EXPECT_EQ(v[3], 60.0f);
         }},
        {"justification, font and control character round trip",
         [] {
             kernelSetTextJustification(1);
             kernelSetFont(3, 1);
             kernelSetControlChar("@", 1);
         },
         [] {
             int j, mode, font, fifth;
             float w, h, a;
             kernelEnquireTextJustification(j);
             EXPECT_EQ(j, 1);
             kernelEnquireTextAttributes(mode, w, h, font, fifth, a);
             EXPECT_EQ(font, 3);
             char c[3] = {'x', 'x', 'x'};
             kernelEnquireControlChar(c, 3);
             EXPECT_EQ(std::string(c, 3), "@  ");
         }},
        {"table entries round trip, index 1..16",
         [] {
             kernelSetTableEntry(1, 5, -2, 3, 4);
             kernelSetTableEntry(16, -1, 0, 0, 7);
         },
         [] {
             int a, b, c, d;
             kernelEnquireTableEntry(1, a, b, c, d);
             EXPECT_EQ((std::vector<int>{a, b, c, d}), (std::vector<int>{5, -2, 3, 4}));
             kernelEnquireTableEntry(16, a, b, c, d);
             EXPECT_EQ((std::vector<int>{a, b, c, d}), (std::vector<int>{-1, 0, 0, 7}));
             kernelEnquireTableEntry(2, a, b, c, d);
             EXPECT_EQ((std::vector<int>{a, b, c, d}), (std::vector<int>{0, 0, 0, 0}));
         }},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.rule);
        tarv::resetState();
        row.act();
        row.check();
    }
}

TEST_F(KernelState, StartValues)
{
    int mode, font, fifth, j, pen, style, colour, wmode, reserved;
    float w, h, a, width;
    kernelEnquireTextAttributes(mode, w, h, font, fifth, a);
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(w, 10.0f);
    EXPECT_EQ(h, 10.0f);
    EXPECT_EQ(font, -1);
    EXPECT_EQ(a, 0.0f);
    kernelEnquireTextJustification(j);
    EXPECT_EQ(j, -1);
    kernelEnquireLineAttributes(0, pen, style, colour, width, wmode, reserved);
    EXPECT_EQ(style, 0);
    EXPECT_EQ(colour, 1);
    EXPECT_EQ(width, 0.0f);
    char c = ' ';
    kernelEnquireControlChar(&c, 1);
    EXPECT_EQ(c, '*');
    // Default mapping: the whole picture space onto the whole default output area.
    float m[8];
    kernelEnquireMapping(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]);
    EXPECT_EQ(m[0], 0.0f);
    EXPECT_EQ(m[1], 1000.0f);
    EXPECT_EQ(m[3], 750.0f);
    EXPECT_EQ(m[5] - m[4], 1000.0f);
    EXPECT_EQ(m[7] - m[6], 750.0f);
}

TEST_F(KernelState, SettingsThePlatformFixes)
{
    EXPECT_EQ(kernelEnquireIntegerSetting(4), INT_MAX);
    EXPECT_EQ(kernelEnquireIntegerSetting(22), 0);
    EXPECT_EQ(kernelEnquireIntegerSetting(23), 0);
    EXPECT_EQ(kernelEnquireIntegerSetting(12345), 0);  // unknown code
    EXPECT_EQ(kernelEnquireRealSetting(2), FLT_MAX);
    EXPECT_EQ(kernelEnquireRealSetting(3), FLT_MIN);
    EXPECT_GT(1000.0f * kernelEnquireRealSetting(3), 0.0f);
    EXPECT_EQ(kernelEnquireRealSetting(-7), 0.0f);
    float v[6];
    kernelEnquireSettingBlock91(v[0], v[1], v[2], v[3], v[4], v[5]);
    EXPECT_EQ(v[4], 1.0f);
    tarv::setIntegerSetting(22, 1);
    tarv::setIntegerSetting(23, 3);
    tarv::setRealSetting(2, 1e30f);
    tarv::setSettingBlock91(5, 2.0f);
    EXPECT_EQ(kernelEnquireIntegerSetting(22), 1);
    EXPECT_EQ(kernelEnquireIntegerSetting(23), 3);
    EXPECT_EQ(kernelEnquireRealSetting(2), 1e30f);
    kernelEnquireSettingBlock91(v[0], v[1], v[2], v[3], v[4], v[5]);
    EXPECT_EQ(v[4], 2.0f);
    tarv::resetState();
    EXPECT_EQ(kernelEnquireIntegerSetting(22), 0);
}

TEST_F(KernelState, SettingBlocksNeverWriteTheScratchArray)
{
    float scratch[2] = {123.0f, 456.0f};
    int r1 = -9, r2 = -9;
    kernelSettingBlock316(12, r1, r2, scratch);
    kernelSettingBlock315(0, r1, r2, scratch);
    kernelSettingBlock316(12, r1, r2, nullptr);
    EXPECT_EQ(r1, 0);
    EXPECT_EQ(r2, 0);
    EXPECT_EQ(scratch[0], 123.0f);
    EXPECT_EQ(scratch[1], 456.0f);
}

TEST_F(KernelState, LibraryFlagsLastTheProcess)
{
    int status = -1;
    kernelEnquireLibraryOpen(1, status);
    EXPECT_EQ(status, 0);
    kernelSetLibraryOpen(1, 1);
    kernelSetLibraryOpen(3, 1);
    kernelOpen();
    kernelOpenDevice();
    kernelCloseDevice();
    kernelClose();
    tarv::resetState();
    kernelEnquireLibraryOpen(1, status);
    EXPECT_EQ(status, 1);
    kernelSetLibraryOpen(3, 0);
    kernelEnquireLibraryOpen(3, status);
    EXPECT_EQ(status, 0);
    kernelEnquireLibraryOpen(99, status);  // unknown library
    EXPECT_EQ(status, 0);
    kernelSetLibraryOpen(-4, 1);
    tarv::resetState(true);
    kernelEnquireLibraryOpen(1, status);
    EXPECT_EQ(status, 0);
}

TEST_F(KernelState, ReportErrorReturnsAndRecordsTheRoutineNameSetLast)
{
    const char* name = "kpAddGraphPolyline(GRAPOL)";
    kernelSetRoutineName(2, name, static_cast<int>(std::strlen(name)));
    kernelReportError(515);
    kernelReportError(-547);
    kernelSetRoutineName(2, "      ", 6);
    kernelReportError(42);
    ASSERT_EQ(tarv::errorLog().size(), 3u);
    EXPECT_EQ(tarv::errorLog()[0].number, 515);
    EXPECT_EQ(tarv::errorLog()[0].routine, name);
    EXPECT_EQ(tarv::errorLog()[1].number, -547);
    EXPECT_EQ(tarv::errorLog()[1].routine, name);
    EXPECT_EQ(tarv::errorLog()[2].routine, "");
}

// A long run of reports keeps only the latest ones in memory, in order, and counts them all;
// one report past the limit already drops the oldest.
TEST_F(KernelState, ErrorLogKeepsTheLatestReportsAndCountsAll)
{
    const int limit = static_cast<int>(tarv::kErrorLogLimit);
    for (int total : {limit + 1, 3 * limit + 5}) {
        SCOPED_TRACE(total);
        tarv::errorLogClear();
        for (int k = 1; k <= total; ++k) kernelReportError(k);
        const std::vector<tarv::ErrorRecord>& log = tarv::errorLog();
        ASSERT_LE(log.size(), tarv::kErrorLogLimit);
        ASSERT_GE(log.size(), tarv::kErrorLogLimit / 2);
        for (size_t i = 0; i < log.size(); ++i)
            EXPECT_EQ(log[i].number, total - static_cast<int>(log.size() - 1 - i));
        EXPECT_EQ(tarv::errorCount(), static_cast<std::uint64_t>(total));
    }
    tarv::errorLogClear();
    EXPECT_TRUE(tarv::errorLog().empty());
    EXPECT_EQ(tarv::errorCount(), 0u);
    kernelReportError(-7);
    EXPECT_EQ(tarv::errorCount(), 1u);
}

TEST_F(KernelState, ReportErrorEchoesOneLine)
{
    tarv::setErrorEcho(true);
    kernelSetRoutineName(2, "kpPlotGraph(GRAPH)", 18);
    ::testing::internal::CaptureStderr();
    kernelReportError(515);
    kernelReportError(-511);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "error 515 in kpPlotGraph(GRAPH)\nwarning -511 in kpPlotGraph(GRAPH)\n");
}

TEST_F(KernelState, CallLogFormat)
{
    float pts[4];
    int status;
    kernelMovePen(100.0f, 200.0f);
    kernelDrawText("Amplitude", 9);
    int mode, font, fifth;
    float w, h, a;
    kernelSetTextMode(1);
    kernelEnquireTextAttributes(mode, w, h, font, fifth, a);
    kernelEnquirePictureSpace(status, 1, 4, pts);
    const float x[3] = {1, 2, 3}, y[3] = {4, 5, 6};
    kernelFillPolygon(0, 0, 0, x, y, 3);
    kernelUsedLength("ab  ", 4);
    kernelSetRoutineName(2, "kpPlotGraph(GRAPH)xyz", 18);
    kernelDrawLineTo(0.125f, 1e-7f);
    char text[8];
    kernelFormatReal(12.5f, -6, 2, text, 8);
    const int counts[2] = {3, 1};
    const float mx[4] = {0, 1, 0, 5}, my[4] = {0, 0, 1, 5};
    kernelFillMultiPolygon(1, 2, 0, 2, counts, mx, my);
    kernelReportError(-503);
    const std::vector<std::string> want = {
        "kernelMovePen 100 200",
        "kernelDrawText \"Amplitude\"",
        "kernelSetTextMode 1",
        "kernelEnquireTextAttributes -> 4 10 10 -1 0 0",
        "kernelEnquirePictureSpace 1 4 -> 0 [0 1000 0 750]",
        "kernelFillPolygon 0 0 0 [1 2 3] [4 5 6] 3",
        "kernelUsedLength \"ab  \" -> 2",
        "kernelSetRoutineName 2 \"kpPlotGraph(GRAPH)\"",
        "kernelDrawLineTo 0.125 1e-07",
        "kernelFormatReal 12.5 -6 2 -> \"12.50\"",
        "kernelFillMultiPolygon 1 2 0 2 [3 1] [0 1 0 5] [0 0 1 5]",
        "kernelReportError -503",
    };
    EXPECT_EQ(tarv::traceLines(), want);
}

TEST_F(KernelState, CaptureKeepsNothingWhenOff)
{
    tarv::traceCapture(false);
    kernelMovePen(1.0f, 2.0f);
    EXPECT_TRUE(tarv::traceLines().empty());
    tarv::traceCapture(true);
    kernelMovePen(1.0f, 2.0f);
    EXPECT_EQ(tarv::traceLines().size(), 1u);
    tarv::traceClear();
    EXPECT_TRUE(tarv::traceLines().empty());
}

}  // namespace
