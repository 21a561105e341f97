// Fills that tile an area: the pieces of one colour reach a PDF or SVG file as one path, so
// that a reader rasterising the file shows no background where pieces meet, while the call
// log keeps every piece; whatever is drawn between the pieces stays above the pieces before it.
#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kernel_fixture.h"
#include "scratch_folder.h"
#include "state.h"
#include "tarvfills.h"

namespace {

// A mesh of cols x rows cells over a rectangle in kernel units, each cell cut along its
// diagonal into two triangles: the left half of the mesh in red (colour 2), the right half in
// blue (colour 4), filled row by row so that the two colours alternate in the calls as the bands
// of a network map do.
struct Mesh {
    int cols, rows;
    float left, bottom, width, height;
};

// The mesh of the file tests: 60 x 60 cells over a square off the pixel grid.
constexpr int kCells = 60;
constexpr float kLeft = 100.3f, kBottom = 100.7f, kSide = 540.0f;
constexpr Mesh kSquare{kCells, kCells, kLeft, kBottom, kSide, kSide};

void fillMesh(const Mesh& m = kSquare)
{
    const float stepX = m.width / m.cols, stepY = m.height / m.rows;
    for (int row = 0; row < m.rows; ++row) {
        for (int col = 0; col < m.cols; ++col) {
            const float x0 = m.left + stepX * col, y0 = m.bottom + stepY * row;
            const float x1 = x0 + stepX, y1 = y0 + stepY;
            const int colour = col < m.cols / 2 ? 2 : 4;
            const float lowerX[2] = {x1, x1}, lowerY[2] = {y0, y1};
            kernelMovePen(x0, y0);
            kernelFillPolygon(0, colour, 0, lowerX, lowerY, 2);
            const float upperX[2] = {x1, x0}, upperY[2] = {y1, y1};
            kernelMovePen(x0, y0);
            kernelFillPolygon(0, colour, 0, upperX, upperY, 2);
        }
    }
}

class TiledFills : public KernelTest {
protected:
    // The mesh drawn to the file, inside a tiled section or not; the call log it made.
    std::vector<std::string> drawMesh(const std::string& leaf, bool tiled)
    {
        const std::string name = path(leaf);
        tarv::traceClear();
        kernelSelectOutput(name.c_str(), static_cast<int>(name.size()));
        kernelOpenDevice();
        if (tiled) tarv::beginTiledFills();
        fillMesh();
        if (tiled) tarv::endTiledFills();
        kernelCloseDevice();
        return tarv::traceLines();
    }

    std::string path(const std::string& leaf) const { return scratch_.file(leaf); }

private:
    const ScratchFolder scratch_{"tarv_tiled_"};  // the files of this test alone
};

int countOf(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Pixels inside the mesh, away from its edge and from the line where red meets blue, on which
// the white background lifts green above what red and blue have (both at most 0.2).
int seamPixels(const std::string& png)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    EXPECT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS) << png;
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    // Kernel units (the picture space 1000 x 750) to pixels.
    auto col = [&](double x) { return static_cast<int>(x / 1000.0 * w); };
    auto row = [&](double y) { return static_cast<int>((750.0 - y) / 750.0 * h); };
    const double middle = kLeft + kSide / 2.0, inset = 3.0;
    int seams = 0;
    for (int r = row(kBottom + kSide - inset); r <= row(kBottom + inset); ++r) {
        for (int c = col(kLeft + inset); c <= col(kLeft + kSide - inset); ++c) {
            if (std::abs(c - col(middle)) <= 3) continue;
            uint32_t v;
            std::memcpy(&v, data + r * stride + 4 * c, 4);
            seams += static_cast<int>((v >> 8) & 0xFF) > 51 + 12;
        }
    }
    cairo_surface_destroy(s);
    return seams;
}

TEST_F(TiledFills, PiecesOfOneColourReachTheFileAsOnePathAndTheLogKeepsEveryPiece)
{
    std::vector<std::string> alone = drawMesh("alone.svg", false);
    std::vector<std::string> tiled = drawMesh("tiled.svg", true);
    ASSERT_FALSE(alone.empty() || tiled.empty());
    alone.erase(alone.begin());  // the file names
    tiled.erase(tiled.begin());
    EXPECT_EQ(tiled, alone);
    EXPECT_EQ(countOf(slurp(path("alone.svg")), "<path"), 2 * kCells * kCells);
    const std::string svg = slurp(path("tiled.svg"));
    EXPECT_EQ(countOf(svg, "<path"), 2);
    EXPECT_EQ(countOf(svg, "fill-rule:nonzero"), 2);
}

// The mesh in a PDF rasterised by poppler and in an SVG rasterised by librsvg: the pieces
// filled one by one show the background along their shared edges, the tiled ones nowhere.
TEST_F(TiledFills, RasterisedFilesShowNoBackgroundBetweenPiecesOfOneColour)
{
    struct Route {
        const char* extension;
        std::string (*command)(const std::string& file, const std::string& png);
    };
    const Route routes[] = {
        {"pdf",
         [](const std::string& file, const std::string& png) {
             // pdftoppm names the picture after its last argument and adds the extension.
             return "pdftoppm -r 150 -png -singlefile " + file + " " +
                 png.substr(0, png.size() - 4);
         }},
        {"svg",
         [](const std::string& file, const std::string& png) {
             return "rsvg-convert -w 1500 -o " + png + " " + file;
         }},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.extension);
        int seams[2] = {0, 0};
        for (const bool tiled : {false, true}) {
            const std::string leaf = std::string(tiled ? "tiled." : "alone.") + route.extension;
            drawMesh(leaf, tiled);
            const std::string file = path(leaf), png = file + ".png";
            const std::string command = route.command(file, png);
            ASSERT_EQ(std::system((command + " 2>&1").c_str()), 0)
                << command << " (poppler-utils and librsvg2-bin are set up by scripts/setup.sh)";
            seams[tiled] = seamPixels(png);
        }
        EXPECT_GT(seams[0], 1000) << "the mesh filled piece by piece should show its seams";
        EXPECT_EQ(seams[1], 0);
    }
}

// Many pieces on a raster are filled in stripes of rows side by side, which go on while the
// caller does, or are waited for when the section is flushed before its end; the pixels are
// those of one fill of the whole raster, also where pieces cross from one stripe into the next,
// and a line drawn right after the section lies above them.  A mesh over the whole raster
// leaves no pixel of the background in any stripe, the first and last among them.
TEST_F(TiledFills, StripesOfARasterGiveThePixelsOfOneFill)
{
    struct Case {
        const char* what;
        Mesh mesh;
        bool flushInside;  // the fills brought up to date before the section ends
        int minInked;      // pixels the mesh and the line must cover at least
    };
    constexpr Mesh kRaster{100, 75, 0.0f, 0.0f, 1000.0f, 750.0f};  // 1000 x 750 pixels
    const Case cases[] = {
        {"a square of 45000 pieces", {150, 150, kLeft, kBottom, kSide, kSide}, false, 200000},
        {"the whole raster in 15000 pieces", kRaster, false, 750 * 1000},
        {"the same, flushed inside", kRaster, true, 750 * 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint32_t> pixels[2];
        for (const bool stripes : {false, true}) {
            Canvas canvas;
            tarv::state().device.tiled.stripes = stripes;
            kernelSetColour(1);
            tarv::beginTiledFills();
            fillMesh(c.mesh);
            if (c.flushInside) kernelFlushOutput();
            tarv::endTiledFills();
            kernelMovePen(kLeft, 300.5f);
            kernelDrawLineTo(kLeft + kSide, 300.5f);
            kernelFlushOutput();
            EXPECT_EQ(canvas.at(kLeft + kSide / 4, 300.5), 0x000000u);
            EXPECT_EQ(canvas.at(kLeft + kSide * 3 / 4, 300.5), 0x000000u);
            cairo_surface_t* s = canvas.surface();
            const unsigned char* data = cairo_image_surface_get_data(s);
            for (int row = 0; row < 750; ++row) {
                for (int col = 0; col < 1000; ++col) {
                    uint32_t v;
                    std::memcpy(&v, data + row * cairo_image_surface_get_stride(s) + 4 * col, 4);
                    pixels[stripes].push_back(v & 0xFFFFFF);
                }
            }
        }
        tarv::state().device.tiled.stripes = true;
        int differ = 0, inked[2] = {0, 0};
        for (size_t k = 0; k < pixels[0].size(); ++k) {
            differ += pixels[0][k] != pixels[1][k];
            for (const int stripes : {0, 1}) inked[stripes] += pixels[stripes][k] != 0xFFFFFF;
        }
        EXPECT_EQ(differ, 0);
        EXPECT_GE(inked[0], c.minInked) << "not striped";
        EXPECT_GE(inked[1], c.minInked) << "striped";
    }
}

// Anything else drawn inside a section lands above the pieces filled before it, even when
// later pieces of their colour come after it.
TEST_F(TiledFills, WhatIsDrawnBetweenPiecesStaysAboveThePiecesBefore)
{
    struct Case {
        const char* what;
        void (*draw)();
    };
    const Case cases[] = {
        {"line",
         [] {
             kernelMovePen(110.0f, 200.5f);
             kernelDrawLineTo(290.0f, 200.5f);
         }},
        {"marker",
         [] {
             kernelSetCharSize(40.0f, 40.0f);
             kernelMovePen(200.0f, 200.0f);
             kernelDrawMarker(8);
         }},
        {"text",
         [] {
             kernelSetCharSize(40.0f, 40.0f);
             kernelSetTextPosition(120.0f, 180.0f);
             kernelDrawText("MMMM", 4);
         }},
        {"hatched fill", [] { kernelFillBox(1, 1, 110.0f, 110.0f, 290.0f, 290.0f); }},
        {"fill of two boundaries",
         [] {
             const int counts[2] = {4, 4};
             const float x[8] = {110, 290, 290, 110, 150, 250, 250, 150};
             const float y[8] = {110, 110, 290, 290, 150, 150, 250, 250};
             kernelFillMultiPolygon(0, 1, 0, 2, counts, x, y);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas;
        kernelSetColour(1);
        tarv::beginTiledFills();
        kernelFillBox(0, 2, 100.0f, 100.0f, 300.0f, 300.0f);
        c.draw();
        kernelFillBox(0, 2, 500.0f, 100.0f, 700.0f, 300.0f);
        tarv::endTiledFills();
        int dark = 0;  // ink of colour 1 on the red piece
        for (int y = 105; y <= 295; ++y) {
            for (int x = 105; x <= 295; ++x) {
                const uint32_t v = canvas.at(x, y);
                dark += (v >> 16) < 110 && ((v >> 8) & 0xFF) < 110 && (v & 0xFF) < 110;
            }
        }
        EXPECT_GT(dark, 20);
        const uint32_t later = canvas.at(600.0, 200.0);  // the later piece is filled too
        EXPECT_TRUE((later >> 16) > 200 && ((later >> 8) & 0xFF) < 40) << std::hex << later;
    }
}

}  // namespace
