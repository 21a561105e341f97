// How a raster shows fills and dense lines: polygons that share an edge leave no background
// between them, a dense polyline merged into runs looks like the one stroked point by point,
// tiny closed loops stay visible, dashes run on across the pieces a long line is stroked in,
// and the PNG file holds the raster as drawn.
#include <cairo.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kernel_fixture.h"
#include "scratch_folder.h"
#include "state.h"

namespace {

class KernelRaster : public KernelTest {
protected:
    std::string tempFile(const std::string& leaf) const { return scratch_.file(leaf); }

private:
    const ScratchFolder scratch_{"tarv_raster_"};  // the files of this test alone
};

struct Rgb {
    int r, g, b;
};

Rgb pixel(cairo_surface_t* s, int col, int row)
{
    const unsigned char* data = cairo_image_surface_get_data(s);
    uint32_t v;
    std::memcpy(&v, data + row * cairo_image_surface_get_stride(s) + 4 * col, 4);
    return {static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
            static_cast<int>(v & 0xFF)};
}

// Pens 2 (red) and 4 (blue) both keep green at or below 0.2: any mix of the two does too, and
// the white background is the only thing that can lift it.
constexpr int kMostGreenOfTheFills = 51;
constexpr int kGreenAllowance = 8;  // rounding of the coverage levels

// Every pixel of the rectangle (kernel units, well inside the tiled area) shows fill only.
void expectNoBackgroundIn(Canvas& canvas, int x1, int y1, int x2, int y2)
{
    kernelFlushOutput();
    int worst = 0, where = -1;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            int g = pixel(canvas.surface(), x, 750 - y).g;
            if (g > worst) {
                worst = g;
                where = x * 1000 + y;
            }
        }
    EXPECT_LE(worst, kMostGreenOfTheFills + kGreenAllowance)
        << "background shows at (" << where / 1000 << ", " << where % 1000 << ")";
}

TEST_F(KernelRaster, AbuttingFillsShowNoBackgroundAlongSharedEdges)
{
    {
        SCOPED_TRACE("a fan of triangles around a centre off the pixel grid");
        Canvas canvas;
        const float cx = 500.3f, cy = 375.6f;
        const float ring[8][2] = {{300, 200}, {500, 180}, {700, 210}, {720, 380},
                                  {690, 560}, {480, 570}, {310, 550}, {290, 370}};
        for (int k = 0; k < 8; ++k) {
            const float* a = ring[k];
            const float* b = ring[(k + 1) % 8];
            const float x[2] = {a[0], b[0]}, y[2] = {a[1], b[1]};
            kernelMovePen(cx, cy);
            kernelFillPolygon(0, k % 2 == 0 ? 2 : 4, 0, x, y, 2);
        }
        expectNoBackgroundIn(canvas, 400, 300, 600, 450);
    }
    {
        SCOPED_TRACE("boxes meeting on rows and columns between pixel centres");
        Canvas canvas;
        for (int row = 0; row < 6; ++row)
            for (int col = 0; col < 6; ++col) {
                const float x1 = 100.0f + 33.3f * col, y1 = 100.0f + 27.7f * row;
                kernelFillBox(0, (row + col) % 2 == 0 ? 2 : 4, x1, y1, x1 + 33.3f, y1 + 27.7f);
            }
        expectNoBackgroundIn(canvas, 103, 103, 296, 262);
    }
    {
        SCOPED_TRACE("a band with a hole and the band filling the hole");
        Canvas canvas;
        const int counts[2] = {4, 4};
        const float x[8] = {100, 400, 400, 100, 180.4f, 320.4f, 290.2f, 200.7f};
        const float y[8] = {100, 100, 400, 400, 170.6f, 190.2f, 330.9f, 310.3f};
        kernelFillMultiPolygon(0, 2, 0, 2, counts, x, y);
        kernelMovePen(x[4], y[4]);
        kernelFillPolygon(0, 4, 0, x + 5, y + 5, 3);
        expectNoBackgroundIn(canvas, 110, 110, 390, 390);
    }
}

// Edges against the background stay antialiased: a fill's slanted sides, a slanted line, text.
TEST_F(KernelRaster, EdgesAgainstTheBackgroundStaySmooth)
{
    struct Case {
        const char* name;
        void (*draw)();
        int atLeast;  // grey pixels expected
    };
    const Case cases[] = {
        {"fill",
         [] {
             const float x[2] = {700, 100}, y[2] = {500, 150};
             kernelMovePen(100.0f, 100.0f);
             kernelFillPolygon(0, 1, 0, x, y, 2);
         },
         200},
        {"line",
         [] {
             kernelMovePen(100.0f, 100.0f);
             kernelDrawLineTo(700.0f, 500.0f);
         },
         200},
        {"text",
         [] {
             kernelSetCharSize(20.0f, 30.0f);
             kernelSetTextPosition(100.0f, 300.0f);
             kernelDrawText("AVOW", 4);
         },
         50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas;
        c.draw();
        kernelFlushOutput();
        int grey = 0;
        for (int row = 0; row < 750; ++row)
            for (int col = 0; col < 1000; ++col) {
                int g = pixel(canvas.surface(), col, row).g;
                grey += g > 30 && g < 225;
            }
        EXPECT_GT(grey, c.atLeast);
    }
}

// The thinnest line drawn along a whole kernel coordinate, which falls on a boundary between
// two pixel rows, inks one row in full instead of two rows at half strength.
TEST_F(KernelRaster, ThinnestHorizontalLineOnAPixelBoundaryInksOneRow)
{
    Canvas canvas;
    kernelMovePen(100.0f, 100.0f);
    kernelDrawLineTo(700.0f, 100.0f);
    kernelFlushOutput();
    std::vector<int> rows;
    for (int row = 0; row < 750; ++row)
        if (pixel(canvas.surface(), 400, row).g < 250) rows.push_back(row);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_NEAR(rows[0], 650, 1);
    EXPECT_LT(pixel(canvas.surface(), 400, rows[0]).g, 40);
}

// A thin line along a pixel column is moved onto the column's centre when it stands alone or
// goes on from another such line (a frame); one that goes on from a slanted segment (a polyline
// whose neighbouring points share an x, as a dense graph has thousands of) stays on its points,
// half in the column beside it.  The columns inked about x = 300 (700) at height 350.
TEST_F(KernelRaster, LinesAlongAColumnSnapOnlyWhereTheyDoNotGoOnFromASlantedOne)
{
    const struct {
        const char* name;
        std::vector<float> x, y;
        float near;
        std::vector<int> columns;
    } cases[] = {
        {"a line of its own", {300.2f, 300.2f}, {100.0f, 600.0f}, 300.0f, {300}},
        {"a polyline's segment after a slanted one",
         {200.0f, 300.2f, 300.2f, 400.0f},
         {100.0f, 600.0f, 100.0f, 600.0f},
         300.0f,
         {299, 300}},
        {"a frame's side after its bottom side",
         {100.2f, 700.2f, 700.2f},
         {100.2f, 100.2f, 600.2f},
         700.0f,
         {700}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas;
        kernelMovePen(c.x[0], c.y[0]);
        kernelDrawPolyline(c.x.data(), c.y.data(), static_cast<int>(c.x.size()));
        std::vector<int> columns;
        for (int col = static_cast<int>(c.near) - 10; col <= static_cast<int>(c.near) + 10; ++col)
            if (canvas.inked(col + 0.5, 350.0)) columns.push_back(col);
        EXPECT_EQ(columns, c.columns);
    }
}

// Thin ticks two units apart, each a line of its own, as a polar chart's axis at a huge scale
// draws them: the coverage of a row then changes at every pixel from the first tick to the edge
// of the picture, which is where a rasteriser's row buffer is at its fullest.  Every tick inks
// its own column and leaves the one beside it white.
TEST_F(KernelRaster, TicksInEveryOtherColumnDrawAndLeaveTheGapsWhite)
{
    for (int first : {1, 87, 999}) {
        SCOPED_TRACE(first);
        Canvas canvas;
        for (int x = first; x < 2004; x += 2) {
            kernelMovePen(static_cast<float>(x), 375.0f);
            kernelDrawLineBy(0.0f, -3.0f);
        }
        kernelFlushOutput();
        int wrongTicks = 0, wrongGaps = 0;
        for (int col = 0; col < 1000; ++col) {
            bool inked = canvas.inked(col + 0.5, 373.5);
            if (col >= first && col % 2 == 1) wrongTicks += !inked;
            else wrongGaps += inked;
        }
        EXPECT_EQ(wrongTicks, 0);
        EXPECT_EQ(wrongGaps, 0);
    }
}

// Thick lines from far off across the picture ink every pixel whose centre lies well within
// half their width of the (endless) line and no pixel well beyond it: cutting the far parts away
// before stroking loses nothing that shows, not even the corners of the cut ends.
TEST_F(KernelRaster, LinesFromFarOffInkTheBandTheyCrossThePictureIn)
{
    struct Case {
        const char* name;
        float width;
        float fromX, fromY, toX, toY;  // both ends far off the picture
    };
    const Case cases[] = {
        {"slanting", 40.0f, -1.0e6f, -9.998e5f, 1.0e6f, 1.0e6f + 200},
        {"steep", 60.0f, 500 - 16384, 375 - 1048576, 500 + 16384, 375 + 1048576},
        {"nearly flat, a million beyond either side", 30.0f, -2.0e6f, 20, 2.0e6f, 700},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas;
        kernelSetLineWidth(c.width);
        kernelMovePen(c.fromX, c.fromY);
        kernelDrawLineTo(c.toX, c.toY);
        kernelFlushOutput();
        double dx = static_cast<double>(c.toX) - c.fromX, dy = static_cast<double>(c.toY) - c.fromY;
        double length = std::hypot(dx, dy), half = 0.5 * c.width;
        int inside = 0, missing = 0, stray = 0;
        for (int row = 0; row < 750; ++row)
            for (int col = 0; col < 1000; ++col) {
                double x = col + 0.5, y = 750 - (row + 0.5);  // kernel units
                double off = std::fabs((x - c.fromX) * dy - (y - c.fromY) * dx) / length;
                int g = pixel(canvas.surface(), col, row).g;
                if (off < half - 1.0) {
                    ++inside;
                    missing += g > 0;
                } else if (off > half + 1.0) {
                    stray += g < 255;
                }
            }
        EXPECT_GT(inside, 10000);
        EXPECT_EQ(missing, 0);
        EXPECT_EQ(stray, 0);
    }
}

// A dense curve: a sine of 200,000 points across the raster with noise of a few pixels on top,
// so that many runs of sub-pixel segments go back and forth.
std::vector<float> denseCurve(std::vector<float>& x)
{
    const int n = 200000;
    std::vector<float> y(n);
    x.resize(n);
    for (int k = 0; k < n; ++k) {
        double t = static_cast<double>(k) / n;
        double noise = std::sin(k * 12.9898) * 43758.5453;
        noise -= std::floor(noise);
        x[k] = static_cast<float>(50.0 + 900.0 * t);
        y[k] = static_cast<float>(375.0 + 250.0 * std::sin(2.0 * M_PI * 3.0 * t) +
                                  6.0 * (noise - 0.5));
    }
    return y;
}

void drawDense(bool merge, cairo_surface_t*& out, int width)
{
    tarv::state().device.mergeRuns = merge;
    Canvas canvas;
    std::vector<float> x;
    std::vector<float> y = denseCurve(x);
    kernelSetLineWidth(static_cast<float>(width));
    kernelMovePen(x[0], y[0]);
    kernelDrawPolyline(x.data(), y.data(), static_cast<int>(x.size()));
    // A sparse curve too, whose every point matters.
    const float sx[5] = {100, 300, 320, 600, 900}, sy[5] = {700, 80, 690, 100, 640};
    kernelMovePen(50.0f, 60.0f);
    kernelDrawPolyline(sx, sy, 5);
    kernelFlushOutput();
    out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1000, 750);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_surface(cr, canvas.surface(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    tarv::state().device.mergeRuns = true;
}

TEST_F(KernelRaster, MergedDenseCurveMatchesTheCurveStrokedPointByPoint)
{
    for (int width : {0, 3}) {
        SCOPED_TRACE("line width " + std::to_string(width));
        cairo_surface_t *merged = nullptr, *every = nullptr;
        drawDense(true, merged, width);
        drawDense(false, every, width);
        int inked = 0, changed = 0;
        long long sum = 0;
        for (int row = 0; row < 750; ++row)
            for (int col = 0; col < 1000; ++col) {
                int d = std::abs(pixel(merged, col, row).g - pixel(every, col, row).g);
                sum += d;
                changed += d > 64;
                inked += pixel(every, col, row).g < 128;
            }
        EXPECT_GT(inked, 10000);                           // the curve is there
        EXPECT_LE(changed, inked / 1000);                  // hardly a pixel changes much
        EXPECT_LT(static_cast<double>(sum) / inked, 8.0);  // and little changes at all
        cairo_surface_destroy(merged);
        cairo_surface_destroy(every);
    }
}

// Ink of a closed ring of 24 segments around (cx, cy) (kernel units: pixels), stroked with the
// runs merged or point by point: the darkest green near it and the darkness summed there.
struct RingInk {
    int darkest;
    long long sum;
};

RingInk ringInk(bool merge, double cx, double cy, double radius, int width)
{
    tarv::state().device.mergeRuns = merge;
    Canvas canvas;
    kernelSetLineWidth(static_cast<float>(width));
    std::vector<float> x, y;
    for (int k = 0; k <= 24; ++k) {
        double a = 2.0 * M_PI * (k % 24) / 24.0;
        x.push_back(static_cast<float>(cx + radius * std::cos(a)));
        y.push_back(static_cast<float>(cy + radius * std::sin(a)));
    }
    kernelMovePen(x[0], y[0]);
    kernelDrawPolyline(x.data(), y.data(), static_cast<int>(x.size()));
    kernelFlushOutput();
    tarv::state().device.mergeRuns = true;
    RingInk ink{255, 0};
    const int col0 = static_cast<int>(cx), row0 = static_cast<int>(750.0 - cy);
    for (int row = row0 - 6; row <= row0 + 6; ++row)
        for (int col = col0 - 6; col <= col0 + 6; ++col) {
            int g = pixel(canvas.surface(), col, row).g;
            ink.darkest = std::min(ink.darkest, g);
            ink.sum += 255 - g;
        }
    return ink;
}

// A closed ring far smaller than a pixel (a contour round a sharp peak) never leaves the
// merging tolerance; merged, it still shows as the dot its points stroked one by one make.
TEST_F(KernelRaster, TinyClosedLoopsShowAsTheDotTheirPointsMake)
{
    struct Case {
        const char* name;
        double cx, cy, radius;
        int width;
    };
    const Case cases[] = {
        {"radius 0.06 on a pixel centre", 500.5, 374.5, 0.06, 0},
        {"radius 0.06 on a pixel corner", 500.0, 375.0, 0.06, 0},
        {"radius 0.05, three pixels wide", 300.3, 200.7, 0.05, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RingInk every = ringInk(false, c.cx, c.cy, c.radius, c.width);
        RingInk merged = ringInk(true, c.cx, c.cy, c.radius, c.width);
        ASSERT_GT(every.sum, 100);  // stroked point by point the ring shows
        EXPECT_LE(merged.darkest, every.darkest + 40);
        EXPECT_GT(merged.sum, every.sum * 6 / 10);
        EXPECT_LT(merged.sum, every.sum * 16 / 10);
    }
}

// A dashed line of 7000 segments of a tenth of a pixel: stroked in several pieces, its dash
// pattern (12 on, 4 off, 6 on, 4 off) still runs on from the line's start.
constexpr int kDashSegments = 7000;
constexpr double kDashStep = 0.1, kDashStart = 150.0, kDashPeriod = 26.0;

void drawLongDashedLine()
{
    kernelSetDashPattern(12.0f, 4.0f, 6.0f, 4.0f);
    std::vector<float> x(kDashSegments), y(kDashSegments, 300.5f);
    for (int k = 0; k < kDashSegments; ++k)
        x[k] = static_cast<float>(kDashStart + kDashStep * (k + 1));
    kernelMovePen(static_cast<float>(kDashStart), 300.5f);
    kernelDrawPolyline(x.data(), y.data(), kDashSegments);
}

// Checks columns 150 to 849 of a horizontal dashed line at height y against the pattern, where
// `travel(x)` is the length of the line drawn before it reaches x; a column within a unit of a
// dash end is not judged.
template <class Travel> void expectDashesAlong(Canvas& canvas, float y, Travel travel)
{
    const double ends[] = {0.0, 12.0, 16.0, 22.0, 26.0};
    int checked = 0, wrong = 0, firstWrong = -1;
    for (int col = 150; col < 850; ++col) {
        double phase = std::fmod(travel(col + 0.5), kDashPeriod);
        bool nearEnd = false;
        for (double e : ends) nearEnd = nearEnd || std::fabs(phase - e) < 1.0;
        if (nearEnd) continue;
        bool on = phase < 12.0 || (phase > 16.0 && phase < 22.0);
        ++checked;
        if (canvas.inked(col + 0.5, y) != on) {
            ++wrong;
            if (firstWrong < 0) firstWrong = col;
        }
    }
    EXPECT_GT(checked, 300);
    EXPECT_EQ(wrong, 0) << "line at " << y << ", first at column " << firstWrong;
}

TEST_F(KernelRaster, DashPatternRunsOnAcrossTheStrokePieces)
{
    {
        SCOPED_TRACE("raster: every pixel of the line inked where the pattern says");
        Canvas canvas;
        drawLongDashedLine();
        // A line not joined to it, in the same stroke, starts the pattern afresh.
        kernelMovePen(static_cast<float>(kDashStart), 200.5f);
        kernelDrawLineTo(850.0f, 200.5f);
        for (float y : {300.5f, 200.5f})
            expectDashesAlong(canvas, y, [](double x) { return x - kDashStart; });
    }
    {
        SCOPED_TRACE("SVG: each piece's dash offset is the length stroked before it");
        const std::string svg = tempFile("dashes.svg");
        kernelSelectOutput(svg.c_str(), static_cast<int>(svg.size()));
        kernelOpenDevice();
        drawLongDashedLine();
        kernelCloseDevice();
        const std::string data = slurp(svg);
        std::vector<double> offsets;  // of each dashed path; an offset of 0 is left out
        for (size_t at = data.find("<path"); at != std::string::npos;
             at = data.find("<path", at + 1)) {
            const std::string path = data.substr(at, data.find('>', at) - at);
            if (path.find("stroke-dasharray") == std::string::npos) continue;
            size_t key = path.find("stroke-dashoffset");
            offsets.push_back(
                key == std::string::npos ? 0.0 : std::stod(path.substr(path.find(':', key) + 1)));
        }
        ASSERT_EQ(offsets.size(), 4u) << data.substr(0, 2000);
        for (size_t k = 0; k < offsets.size(); ++k) {
            double stroked = 2048.0 * kDashStep * static_cast<double>(k);
            EXPECT_NEAR(offsets[k], std::fmod(stroked, kDashPeriod), 0.01) << "piece " << k;
        }
    }
}

// The part of a dashed line that lies far off the picture is cut away before the line is
// stroked, but its pattern still runs on from where the line starts: on a line that comes in
// from far off, and on one that goes far off and comes back.
TEST_F(KernelRaster, DashPatternRunsOnOverThePartsFarOffThePicture)
{
    Canvas canvas;
    kernelSetDashPattern(12.0f, 4.0f, 6.0f, 4.0f);
    kernelMovePen(-3.0e5f, 300.5f);
    kernelDrawLineTo(3.0e5f, 300.5f);
    const float x[3] = {3.0e5f, 3.0e5f, -3.0e5f}, y[3] = {200.5f, 100.5f, 100.5f};
    kernelMovePen(150.0f, 200.5f);
    kernelDrawPolyline(x, y, 3);
    expectDashesAlong(canvas, 300.5f, [](double at) { return at + 3.0e5; });
    expectDashesAlong(canvas, 200.5f, [](double at) { return at - 150.0; });
    expectDashesAlong(canvas, 100.5f, [](double at) { return 6.0e5 - 150.0 + 100.0 - at; });
}

// The text of a PDF file's page streams, inflated.
std::string pdfPageText(const std::string& pdf)
{
    std::string text;
    for (size_t at = pdf.find("stream"); at != std::string::npos; at = pdf.find("stream", at)) {
        size_t begin = pdf.find('\n', at) + 1, end = pdf.find("endstream", begin);
        if (end == std::string::npos) break;
        std::vector<unsigned char> out(1 << 20);
        uLongf size = out.size();
        if (uncompress(out.data(), &size, reinterpret_cast<const Bytef*>(pdf.data() + begin),
                       end - begin) == Z_OK)
            text.append(reinterpret_cast<const char*>(out.data()), size);
        at = end + 9;
    }
    return text;
}

// Merging happens on rasters only: the call log and an SVG or PDF page keep every point, even
// of wiggles far below a pixel (device coordinates are kept to 1/256 of a unit).
TEST_F(KernelRaster, CallLogAndPagesKeepEveryPoint)
{
    const float x[8] = {100.0f, 100.25f, 100.5f, 100.75f, 200.0f, 300.0f, 400.0f, 500.0f};
    const float y[8] = {100.0f, 100.25f, 99.75f, 100.25f, 100.0f, 100.01f, 99.99f, 100.0f};
    const struct {
        const char* leaf;
        const char* path;  // the polyline's path in the file, white space made single blanks
    } rows[] = {
        {"every_point.svg",
         "d=\"M 0 650 L 100 650 L 100.25 649.75 L 100.5 650.25 L 100.75 649.75 L 200 650 "
         "L 300 649.988281 L 400 650.011719 L 500 650 \""},
        {"every_point.pdf",
         " 0 650 m 100 650 l 100.25 649.75 l 100.5 650.25 l 100.75 649.75 l 200 650 "
         "l 300 649.988 l 400 650.012 l 500 650 l S"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.leaf);
        const std::string name = tempFile(r.leaf);
        kernelSelectOutput(name.c_str(), static_cast<int>(name.size()));
        kernelOpenDevice();
        tarv::traceClear();
        kernelMovePen(0.0f, 100.0f);
        kernelDrawPolyline(x, y, 8);
        ASSERT_EQ(tarv::traceLines().size(), 2u);
        EXPECT_EQ(tarv::traceLines()[1],
                  "kernelDrawPolyline [100 100.25 100.5 100.75 200 300 400 500] "
                  "[100 100.25 99.75 100.25 100 100.01 99.99 100] 8");
        kernelCloseDevice();
        std::string file = slurp(name);
        if (name.ends_with(".pdf")) file = pdfPageText(file);
        std::replace(file.begin(), file.end(), '\n', ' ');
        file.erase(std::unique(file.begin(), file.end(),
                               [](char a, char b) { return a == ' ' && b == ' '; }),
                   file.end());
        EXPECT_NE(file.find(r.path), std::string::npos) << file;
    }
}

// The PNG file holds exactly the pixels drawn, for a raster whose rows are not a round size.
TEST_F(KernelRaster, PngFileHoldsTheRasterAsDrawn)
{
    const std::string png = tempFile("odd.png");
    kernelSetRasterOutput(333, 211, 1.0f, 1.0f, 0.0f, 0.0f);
    kernelSelectOutput(png.c_str(), static_cast<int>(png.size()));
    kernelOpenDevice();
    for (int pen = 1; pen <= 6; ++pen) {
        kernelMovePen(50.0f * pen, 10.0f);
        const float x[2] = {50.0f * pen + 40.0f, 50.0f * pen + 7.0f}, y[2] = {30.0f, 700.0f};
        kernelFillPolygon(0, pen, 0, x, y, 2);
    }
    kernelSetCharSize(30.0f, 40.0f);
    kernelSetTextPosition(100.0f, 400.0f);
    kernelDrawText("Wq", 2);
    kernelFlushOutput();
    cairo_surface_t* drawn = tarv::state().device.fileSurface;
    cairo_surface_t* file = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(file), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(file), 333);
    ASSERT_EQ(cairo_image_surface_get_height(file), 211);
    int differing = 0, coloured = 0;
    for (int row = 0; row < 211; ++row)
        for (int col = 0; col < 333; ++col) {
            Rgb a = pixel(drawn, col, row), b = pixel(file, col, row);
            differing += a.r != b.r || a.g != b.g || a.b != b.b;
            coloured += a.r != a.g || a.g != a.b;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(coloured, 1000);
    cairo_surface_destroy(file);
    kernelCloseDevice();
}

// The fast compression costs little in size: a plot frame with its tick labels and a curve
// (mostly background, as most pictures are) takes at most half as much again as Cairo's own
// writer makes of the same raster.
TEST_F(KernelRaster, PngFileStaysNearTheSizeOfTheDefaultCompression)
{
    const std::string ours = tempFile("page.png"), cairos = tempFile("page_cairo.png");
    kernelSelectOutput(ours.c_str(), static_cast<int>(ours.size()));
    kernelOpenDevice();
    const float fx[4] = {900.0f, 900.0f, 100.0f, 100.0f}, fy[4] = {100.0f, 700.0f, 700.0f, 100.0f};
    kernelMovePen(100.0f, 100.0f);
    kernelDrawPolyline(fx, fy, 4);
    kernelSetCharSize(9.0f, 12.0f);
    for (int k = 0; k <= 10; ++k) {
        char label[8];
        std::snprintf(label, sizeof label, "%.2f", 0.25 * k - 1.0);
        kernelSetTextPosition(80.0f + 80.0f * k, 75.0f);
        kernelDrawText(label, 5);
        kernelSetTextPosition(40.0f, 95.0f + 60.0f * k);
        kernelDrawText(label, 5);
    }
    std::vector<float> cx, cy;
    for (int k = 0; k <= 400; ++k) {
        cx.push_back(100.0f + 2.0f * k);
        cy.push_back(400.0f +
                     250.0f * static_cast<float>(std::sin(0.03 * k) * std::exp(-0.004 * k)));
    }
    kernelMovePen(cx[0], cy[0]);
    kernelDrawPolyline(cx.data(), cy.data(), static_cast<int>(cx.size()));
    kernelFlushOutput();
    ASSERT_EQ(cairo_surface_write_to_png(tarv::state().device.fileSurface, cairos.c_str()),
              CAIRO_STATUS_SUCCESS);
    kernelCloseDevice();
    const double size = static_cast<double>(slurp(ours).size());
    const double reference = static_cast<double>(slurp(cairos).size());
    EXPECT_GT(reference, 5000.0);
    EXPECT_LE(size, 1.5 * reference);
}

}  // namespace
