// header_reference_test.cpp - the public headers as a reference: every exported declaration
// stands under a comment, and the palette tarvcore.h states is the one the kernel draws with.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "state.h"

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

// Rows "N name R G B" of the palette table, two to a line.
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
            double rgb[3];
            tarv::paletteColour(index, rgb[0], rgb[1], rgb[2]);
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(std::stoi((*m)[c + 2]), std::lround(rgb[c] * 255.0))
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
