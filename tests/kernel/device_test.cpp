// The devices: a short program drawing a line, a text and a filled polygon to .trace, .png,
// .pdf and .svg files, the private link to a frame raster and a printer page, and the errors
// reported when an output cannot be made or written or drawing goes nowhere.
#include <cairo-pdf.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "kernel_fixture.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

class KernelDevice : public KernelTest {
protected:
    // Line from (100, 100) to (900, 100), "HELLO" at (100, 600) in 20 x 20 cells, and a
    // triangle filled in colour 2 with the current point (600, 300) as its first corner.
    std::string drawTo(const std::string& leaf)
    {
        std::string name = scratch_.file(leaf);
        kernelSelectOutput(name.c_str(), static_cast<int>(name.size()));
        kernelOpenDevice();
        kernelMovePen(100.0f, 100.0f);
        kernelDrawLineTo(900.0f, 100.0f);
        kernelSetCharSize(20.0f, 20.0f);
        kernelSetTextPosition(100.0f, 600.0f);
        kernelDrawText("HELLO", 5);
        int mode, font, fifth;
        float w, h, a;
        kernelEnquireTextAttributes(mode, w, h, font, fifth, a);
        kernelMovePen(600.0f, 300.0f);
        const float x[2] = {800.0f, 700.0f}, y[2] = {300.0f, 500.0f};
        kernelFillPolygon(0, 2, 0, x, y, 2);
        kernelCloseDevice();
        return name;
    }

    const ScratchFolder scratch_{"tarv_kernel_"};  // the files of this test alone
};

TEST_F(KernelDevice, TraceFileHasOneLinePerOperationInCallOrder)
{
    std::string name = drawTo("x.trace");
    std::vector<std::string> lines;
    std::ifstream in(name);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    const std::vector<std::string> want = {
        "kernelOpenDevice",
        "kernelMovePen 100 100",
        "kernelDrawLineTo 900 100",
        "kernelSetCharSize 20 20",
        "kernelSetTextPosition 100 600",
        "kernelDrawText \"HELLO\"",
        "kernelEnquireTextAttributes -> 0 20 20 -1 0 0",
        "kernelMovePen 600 300",
        "kernelFillPolygon 0 2 0 [800 700] [300 500] 2",
        "kernelCloseDevice",
    };
    EXPECT_EQ(lines, want);
}

TEST_F(KernelDevice, PngShowsTheDrawingWhereItWasDrawn)
{
    std::string name = drawTo("x.png");
    cairo_surface_t* png = cairo_image_surface_create_from_png(name.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(png), 1000);
    ASSERT_EQ(cairo_image_surface_get_height(png), 750);
    cairo_surface_flush(png);
    auto pixel = [&](int x, int y) {  // kernel units: row = 750 - y
        const unsigned char* p = cairo_image_surface_get_data(png) +
            (750 - y) * cairo_image_surface_get_stride(png) + 4 * x;
        return std::vector<int>{p[2], p[1], p[0]};  // r g b
    };
    auto dark = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            if (pixel(x, y + dy)[0] < 128) return true;
        return false;
    };
    EXPECT_TRUE(dark(500, 100));  // the line
    EXPECT_FALSE(dark(500, 130));
    int textInk = 0;
    for (int x = 100; x < 200; ++x)
        for (int y = 600; y < 620; ++y) textInk += pixel(x, y)[0] < 128;
    EXPECT_GT(textInk, 100);                  // the text
    std::vector<int> fill = pixel(700, 380);  // inside the triangle: colour 2, red
    EXPECT_GT(fill[0], 180);
    EXPECT_LT(fill[1], 80);
    EXPECT_EQ(pixel(620, 480), (std::vector<int>{255, 255, 255}));  // outside it
    cairo_surface_destroy(png);
}

TEST_F(KernelDevice, PdfIsAValidDocument)
{
    std::string data = slurp(drawTo("x.pdf"));
    ASSERT_GT(data.size(), 500u);
    EXPECT_EQ(data.substr(0, 5), "%PDF-");
    EXPECT_NE(data.find("%%EOF"), std::string::npos);
    EXPECT_NE(data.find("/MediaBox [ 0 0 1000 750 ]"), std::string::npos);
    EXPECT_NE(data.find("/Font"), std::string::npos);  // the text is in it as glyphs
}

TEST_F(KernelDevice, SvgHoldsTheElementsWhereTheyWereDrawn)
{
    std::string data = slurp(drawTo("x.svg"));
    EXPECT_NE(data.find("<svg"), std::string::npos);
    EXPECT_NE(data.find("</svg>"), std::string::npos);
    EXPECT_NE(data.find("width=\"1000\""), std::string::npos);
    EXPECT_NE(data.find("d=\"M 100 650 L 900 650 \""), std::string::npos);           // the line
    EXPECT_NE(data.find("d=\"M 600 450 L 800 450 L 700 250 Z"), std::string::npos);  // the fill
    EXPECT_NE(data.find("x=\"100\" y=\"150\""), std::string::npos);  // first glyph of the text
}

TEST_F(KernelDevice, FlushWritesThePngBeforeTheDeviceCloses)
{
    std::string name = scratch_.file("flush.png");
    kernelSelectOutput(name.c_str(), static_cast<int>(name.size()));
    kernelOpenDevice();
    kernelMovePen(0.0f, 0.0f);
    kernelDrawLineTo(1000.0f, 750.0f);
    EXPECT_FALSE(fs::exists(name));
    kernelFlushOutput();
    EXPECT_TRUE(fs::exists(name));
    kernelCloseDevice();
}

TEST_F(KernelDevice, RasterSizeFromTheRasterOutputOrThePictureAspect)
{
    kernelSetPictureSpace(0.0f, 10.0f, 0.0f, 20.0f);
    std::string name = scratch_.file("tall.png");
    kernelSelectOutput(name.c_str(), static_cast<int>(name.size()));
    kernelOpenDevice();
    kernelCloseDevice();
    cairo_surface_t* png = cairo_image_surface_create_from_png(name.c_str());
    EXPECT_EQ(cairo_image_surface_get_width(png), 1000);
    EXPECT_EQ(cairo_image_surface_get_height(png), 2000);
    cairo_surface_destroy(png);
    kernelSetRasterOutput(300, 200, 1.0f, 1.0f, 0.0f, 0.0f);
    kernelOpenDevice();
    kernelCloseDevice();
    png = cairo_image_surface_create_from_png(name.c_str());
    EXPECT_EQ(cairo_image_surface_get_width(png), 300);
    EXPECT_EQ(cairo_image_surface_get_height(png), 200);
    cairo_surface_destroy(png);
}

int flushes = 0;
void countFlush() { ++flushes; }

TEST_F(KernelDevice, LinkedRasterUsesTheRasterOutputAndMapping)
{
    Canvas canvas(200, 150);
    // 200 x 150 pixels, 5 output units a pixel: the output area is 1000 x 750 units.
    kernelSetRasterOutput(200, 150, 5.0f, 5.0f, 0.0f, 0.0f);
    float m[8];
    kernelEnquireMapping(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]);
    EXPECT_EQ(m[5], 1000.0f);
    EXPECT_EQ(m[7], 750.0f);
    tarv::linkFlushHook(countFlush);
    flushes = 0;
    kernelMovePen(0.0f, 500.0f);
    kernelDrawLineTo(1000.0f, 500.0f);  // row 150 - 100 = 50
    kernelFlushOutput();
    EXPECT_EQ(flushes, 1);
    cairo_surface_t* s = canvas.surface();
    const unsigned char* data = cairo_image_surface_get_data(s);
    auto red = [&](int col, int row) {
        return data[row * cairo_image_surface_get_stride(s) + 4 * col + 2];
    };
    EXPECT_LT(std::min(red(100, 49), red(100, 50)), 128);
    EXPECT_EQ(red(100, 40), 255);
    // A mapping onto the left half of the output area halves x.
    kernelSetMapping(0.0f, 1000.0f, 0.0f, 750.0f, 0.0f, 500.0f, 0.0f, 750.0f);
    kernelMovePen(1000.0f, 0.0f);
    kernelDrawLineTo(1000.0f, 750.0f);  // column 100
    kernelFlushOutput();
    EXPECT_LT(std::min(red(99, 100), red(100, 100)), 128);
    EXPECT_EQ(red(150, 100), 255);
}

TEST_F(KernelDevice, LinkedPageReceivesTheDrawing)
{
    std::string name = scratch_.file("page.pdf");
    cairo_surface_t* pdf = cairo_pdf_surface_create(name.c_str(), 842.0, 595.0);
    tarv::linkPageTarget(pdf, 842.0, 595.0);
    float m[8];
    kernelEnquireMapping(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]);
    EXPECT_NEAR(m[7] - m[6], 595.0f, 1e-3);  // the picture fills the page height, centred
    EXPECT_NEAR(m[4] + m[5], 842.0f, 1e-3);
    kernelMovePen(0.0f, 0.0f);
    kernelDrawLineTo(1000.0f, 750.0f);
    kernelSetTextPosition(100.0f, 100.0f);
    kernelDrawText("PAGE", 4);
    kernelFlushOutput();
    tarv::linkPageTarget(nullptr, 0.0, 0.0);
    cairo_surface_finish(pdf);
    EXPECT_EQ(cairo_surface_status(pdf), CAIRO_STATUS_SUCCESS);
    cairo_surface_destroy(pdf);
    std::string data = slurp(name);
    EXPECT_EQ(data.substr(0, 5), "%PDF-");
    EXPECT_NE(data.find("/Font"), std::string::npos);
}

// An output the kernel cannot make or write goes into the error log under the kernel's own
// number and the operation that met it, beside one line on standard error.
TEST_F(KernelDevice, OutputFailuresAreReportedInTheErrorLog)
{
    struct Case {
        const char* leaf;
        const char* linkTo;  // the leaf is made a link to this first (a device that is full)
        bool folder;         // a folder of that name stands in the file's place
        int number;
        const char* where;
    };
    const Case cases[] = {
        {"x.bmp", nullptr, false, tarv::kErrorUnknownOutputKind, "kernelOpenDevice"},
        {"missing/x.png", nullptr, false, tarv::kErrorOutputNotCreated, "kernelOpenDevice"},
        {"missing/x.pdf", nullptr, false, tarv::kErrorOutputNotCreated, "kernelOpenDevice"},
        {"missing/x.svg", nullptr, false, tarv::kErrorOutputNotCreated, "kernelOpenDevice"},
        {"missing/x.trace", nullptr, false, tarv::kErrorOutputNotCreated, "kernelOpenDevice"},
        {"folder.png", nullptr, true, tarv::kErrorOutputNotCreated, "kernelOpenDevice"},
        {"full.png", "/dev/full", false, tarv::kErrorOutputNotWritten, "kernelCloseDevice"},
        {"full.pdf", "/dev/full", false, tarv::kErrorOutputNotWritten, "kernelCloseDevice"},
        {"full.svg", "/dev/full", false, tarv::kErrorOutputNotWritten, "kernelCloseDevice"},
        {"full.trace", "/dev/full", false, tarv::kErrorOutputNotWritten, "kernelCloseDevice"},
    };
    tarv::setErrorEcho(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leaf);
        if (c.linkTo != nullptr && !fs::exists(c.linkTo)) continue;
        if (c.linkTo != nullptr) fs::create_symlink(c.linkTo, scratch_.path() / c.leaf);
        if (c.folder) fs::create_directory(scratch_.path() / c.leaf);
        tarv::errorLogClear();
        ::testing::internal::CaptureStderr();
        drawTo(c.leaf);
        const std::string err = ::testing::internal::GetCapturedStderr();
        ASSERT_EQ(tarv::errorCount(), 1u);
        EXPECT_EQ(tarv::errorLog()[0].number, c.number);
        EXPECT_EQ(tarv::errorLog()[0].routine, c.where);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find(c.leaf), std::string::npos) << err;
        EXPECT_NE(err.find("error " + std::to_string(c.number)), std::string::npos) << err;
    }
    // Outputs that can be made report nothing, and leave no file behind before they are written.
    tarv::errorLogClear();
    for (const char* leaf : {"x.png", "x.pdf", "x.svg", "x.trace"}) drawTo(leaf);
    std::string name = scratch_.file("later.png");
    kernelSelectOutput(name.c_str(), static_cast<int>(name.size()));
    kernelOpenDevice();
    EXPECT_FALSE(fs::exists(name));
    kernelCloseDevice();
    EXPECT_TRUE(fs::exists(name));
    EXPECT_EQ(tarv::errorCount(), 0u);
}

// Drawing in an opened kernel with no device open, no target linked and no call log goes
// nowhere: reported once under the routine in force, and again only after the device changed.
TEST_F(KernelDevice, DrawingThatGoesNowhereIsReportedOnce)
{
    auto drawSome = [] {
        const float x[3] = {100, 200, 300}, y[3] = {100, 200, 100};
        kernelMovePen(10.0f, 10.0f);
        kernelDrawPolyline(x, y, 3);
        kernelDrawLineTo(500.0f, 500.0f);
        kernelFillPolygon(0, 2, 0, x, y, 3);
        kernelDrawMarker(3);
        kernelDrawText("LOST", 4);
    };
    auto noDeviceReports = [] {
        int n = 0;
        for (const tarv::ErrorRecord& e : tarv::errorLog()) n += e.number == tarv::kErrorNoDevice;
        return n;
    };
    kernelSetRoutineName(2, "kpPlotGraph(GRAPH)", 18);
    kernelOpen();
    drawSome();  // into the call log
    EXPECT_EQ(tarv::errorCount(), 0u);
    tarv::traceCapture(false);
    kernelMovePen(0.0f, 0.0f);  // moving draws nothing
    EXPECT_EQ(tarv::errorCount(), 0u);
    drawSome();
    drawSome();
    ASSERT_EQ(tarv::errorCount(), 1u);
    EXPECT_EQ(tarv::errorLog()[0].number, tarv::kErrorNoDevice);
    EXPECT_EQ(tarv::errorLog()[0].routine, "kpPlotGraph(GRAPH)");
    {
        Canvas canvas;  // a linked raster takes the drawing
        drawSome();
        EXPECT_EQ(tarv::errorCount(), 1u);
    }
    drawSome();  // the raster is gone again
    EXPECT_EQ(noDeviceReports(), 2);
    std::string name = scratch_.file("found.png");
    kernelSelectOutput(name.c_str(), static_cast<int>(name.size()));
    kernelOpenDevice();
    drawSome();
    EXPECT_EQ(noDeviceReports(), 2);
    kernelCloseDevice();
    drawSome();
    drawSome();
    EXPECT_EQ(noDeviceReports(), 3);
    // A device opened with no output chosen takes nothing either.
    kernelSelectOutput("", 0);
    kernelOpenDevice();
    drawSome();
    EXPECT_EQ(noDeviceReports(), 4);
    EXPECT_EQ(tarv::errorCount(), 4u);
    // Without the kernel opened, libraries draw into nothing unreported (as bare tests do).
    kernelClose();
    drawSome();
    EXPECT_EQ(tarv::errorCount(), 4u);
}

}  // namespace
