// header_reference_test.cpp - the public headers as a reference: every exported declaration
// stands under a comment, and the palette, dash styles and user dash pattern tarvcore.h states
// are those the kernel draws with.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "state.h"
#include "tarvlink.h"

namespace {

std::vector<std::string> headerLines(const std::string& name)
{
    std::ifstream in(std::string(TARV_SOURCE_DIR) + "/include/" + name);
    EXPECT_TRUE(in.good()) << "cannot read " << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A declaration counts as described when a comment stands above it in its paragraph (lines up
// to the blank line before it; a section heading "// ---- ..." does not count) or beside it.
TEST(HeaderReference, EveryExportedDeclarationStandsUnderAComment)
{
    const std::regex declaration(R"(^\s*(const\s+)?[\w:<>]+[\s*&]+(\w+)\()");
    const std::regex heading(R"(^\s*// ----)");
    for (const char* name : {"tarvcore.h", "tplotlib.h", "tterrlib.h", "tmsgcon.h", "tpanel.h"}) {
        const std::vector<std::string> lines = headerLines(name);
        bool described = false;
        for (size_t k = 0; k < lines.size(); ++k) {
            const std::string& line = lines[k];
            const bool comment = line.find("//") != std::string::npos;
            std::smatch m;
            if (line.find_first_not_of(" \t") == std::string::npos) described = false;
            else if (comment && !std::regex_search(line, heading)) described = true;
            if (std::regex_search(line, m, declaration) && !described)
                ADD_FAILURE() << name << ":" << k + 1 << ": " << m[2] << " stands under no comment";
        }
    }
}

// A white raster of width x height pixels that the kernel draws into, its picture space one
// unit a pixel; `draw` draws, and the row `row` (counted from the top) is handed back as its
// pixels' 0xRRGGBB values.
std::vector<std::uint32_t> drawnRow(int width, int height, int row,
                                    const std::function<void()>& draw)
{
    cairo_surface_t* raster = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(raster);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    tarv::linkRasterTarget(raster);
    kernelSetPictureSpace(0.0f, static_cast<float>(width), 0.0f, static_cast<float>(height));
    draw();
    kernelFlushOutput();
    tarv::linkRasterTarget(nullptr);
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width));
    std::memcpy(pixels.data(),
                cairo_image_surface_get_data(raster) + row * cairo_image_surface_get_stride(raster),
                pixels.size() * sizeof(std::uint32_t));
    cairo_surface_destroy(raster);
    tarv::resetState();
    for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

// The colour a raster holds where the kernel fills in colour `index`.
std::array<int, 3> drawnColour(int index)
{
    const std::uint32_t pixel = drawnRow(4, 4, 2, [index] {
        kernelSetColour(index);  // fill pen 0 is the current colour, and so reaches colour 0 too
        kernelFillBox(0, 0, 0.0f, 0.0f, 4.0f, 4.0f);
    })[2];
    return {static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
            static_cast<int>(pixel & 0xFF)};
}

// Rows "N name R G B" of the palette table, two to a line: the values a raster holds where the
// kernel fills in that colour.
TEST(HeaderReference, PaletteIsTheKernelsOwn)
{
    const std::regex entry(R"((\d+) [a-z]+(?: [a-z]+)? +(\d+) +(\d+) +(\d+))");
    int rows = 0;
    bool inTable = false;
    for (const std::string& line : headerLines("tarvcore.h")) {
        if (line.find("Colour numbers") != std::string::npos) inTable = true;
        if (line.find("Colour 0 is the background") != std::string::npos) break;
        if (!inTable) continue;
        for (std::sregex_iterator m(line.begin(), line.end(), entry), end; m != end; ++m) {
            const int index = std::stoi((*m)[1]);
            const std::array<int, 3> drawn = drawnColour(index);
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(std::stoi((*m)[c + 2]), drawn[static_cast<size_t>(c)])
                    << "colour " << index << ", component " << c;
            ++rows;
        }
    }
    EXPECT_EQ(rows, 18);
    // Beyond the table the numbers repeat 2..17, and a negative number is its absolute value.
    double a[3], b[3];
    for (const auto& [number, same] : {std::pair{18, 2}, {33, 17}, {34, 2}, {-5, 5}}) {
        tarv::paletteColour(number, a[0], a[1], a[2]);
        tarv::paletteColour(same, b[0], b[1], b[2]);
        EXPECT_TRUE(a[0] == b[0] && a[1] == b[1] && a[2] == b[2]) << number << " is not " << same;
    }
}

// "N (a b c d)" of the line styles: a line of style N across a raster 2000 pixels wide starts
// with inked and blank runs of 2a, 2b, 2c and 2d pixels (two pixels a thousandth of the width).
TEST(HeaderReference, DashStylesAreTheKernelsOwn)
{
    std::string text;
    for (const std::string& line : headerLines("tarvcore.h")) text += line + " ";
    const size_t from = text.find("Line styles (kernelSetLineStyle)");
    ASSERT_NE(from, std::string::npos);
    const std::string styles = text.substr(from, text.find("the user dash", from) - from);
    const std::regex entry(R"((\d+) \((\d+) (\d+) (\d+) (\d+)\))");
    int rows = 0;
    for (std::sregex_iterator m(styles.begin(), styles.end(), entry), end; m != end; ++m) {
        const int style = std::stoi((*m)[1]);
        const std::vector<std::uint32_t> pixels = drawnRow(2000, 8, 4, [style] {
            kernelSetLineStyle(style);
            kernelMovePen(0.0f, 4.0f);
            kernelDrawLineTo(2000.0f, 4.0f);
        });
        std::vector<int> runs{1};
        for (size_t x = 1; x < pixels.size() && runs.size() <= 4; ++x) {
            if ((pixels[x] == 0xFFFFFF) == (pixels[x - 1] == 0xFFFFFF)) ++runs.back();
            else runs.push_back(1);
        }
        ASSERT_GE(runs.size(), 4u) << "style " << style << " drew no dashes";
        EXPECT_NE(pixels[0], 0xFFFFFFu) << "style " << style << " does not start with a dash";
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(runs[static_cast<size_t>(k)], 2 * std::stoi((*m)[k + 2]), 1)
                << "style " << style << ", length " << k + 1;
        ++rows;
    }
    EXPECT_EQ(rows, 9);
}

// The user dash pattern is drawn with the absolute values of its lengths, and the enquiry hands
// back the lengths as they were set, signs and all.
TEST(HeaderReference, UserDashPatternDrawsAbsoluteLengthsAndReadsBackItsSigns)
{
    const auto dashed = [](float d1, float d2, float d3, float d4) {
        return drawnRow(400, 8, 4, [=] {
            kernelSetDashPattern(d1, d2, d3, d4);
            kernelMovePen(0.0f, 4.0f);
            kernelDrawLineTo(400.0f, 4.0f);
        });
    };
    const std::vector<std::uint32_t> plain = dashed(30.0f, 10.0f, 20.0f, 10.0f);
    ASSERT_NE(plain, dashed(0.0f, 0.0f, 0.0f, 0.0f)) << "the pattern drew no gaps";
    EXPECT_EQ(dashed(-30.0f, 10.0f, -20.0f, -10.0f), plain);
    kernelSetDashPattern(-30.0f, 10.0f, -20.0f, -10.0f);
    float d[4];
    kernelEnquireDashPattern(d[0], d[1], d[2], d[3]);
    EXPECT_EQ(std::vector<float>(d, d + 4), (std::vector<float>{-30.0f, 10.0f, -20.0f, -10.0f}));
    tarv::resetState();
}

}  // namespace
