// header_reference_test.cpp - the public headers as a reference: every exported declaration
// stands under a comment, and the palette tarvcore.h states is the one the kernel draws with.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
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

// A pixel in the middle of a 4 by 4 raster filled with colour `index`, as the kernel draws it.
std::array<int, 3> drawnColour(int index)
{
    cairo_surface_t* raster = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4);
    tarv::linkRasterTarget(raster);
    kernelSetPictureSpace(0.0f, 4.0f, 0.0f, 4.0f);
    kernelSetColour(index);  // fill pen 0 is the current colour, and so reaches colour 0 too
    kernelFillBox(0, 0, 0.0f, 0.0f, 4.0f, 4.0f);
    kernelFlushOutput();
    tarv::linkRasterTarget(nullptr);
    const unsigned char* row =
        cairo_image_surface_get_data(raster) + 2 * cairo_image_surface_get_stride(raster);
    std::uint32_t pixel;
    std::memcpy(&pixel, row + 2 * 4, sizeof pixel);
    cairo_surface_destroy(raster);
    tarv::resetState();
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

}  // namespace
