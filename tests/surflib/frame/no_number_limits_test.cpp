// Tests of contour limits, level lists and added levels that are no number or infinite: each is
// reported with its routine's number, and a map drawn after a refused setting draws what it
// draws without it (not an empty map).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "../surface_test.h"
#include "frame/state.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

enum class Map { Lines, Bands, NetworkLines, NetworkBands };

class NoNumberLimitsTest : public SurfacePictureTest {
protected:
    static constexpr int kNodes = 12;
    std::vector<float> grid, x, y, z, networkWork, gridWork;
    std::vector<int> codes = std::vector<int>(7, 3);

    void SetUp() override
    {
        SurfacePictureTest::SetUp();
        for (int j = 0; j < kNodes; ++j) {
            for (int i = 0; i < kNodes; ++i) {
                const float u = i / (kNodes - 1.0f), v = j / (kNodes - 1.0f);
                grid.push_back(u * u + v);
                x.push_back(u);
                y.push_back(v);
                z.push_back(grid.back());
            }
        }
        gridWork.assign(3 * kNodes * kNodes + 1000, 0.0f);
        networkWork.assign(40 * (x.size() + 1) + 100, 0.0f);
        open();
    }

    // The library opened afresh, with the network built again (SURF forgets it).
    void open()
    {
        SURF();
        const int n = static_cast<int>(x.size()), wsize = static_cast<int>(networkWork.size());
        RANTRI(n, x.data(), y.data(), z.data(), wsize, networkWork.data());
        tarv::errorLogClear();
    }

    void draw(Map map)
    {
        const int count = 5, plain = 0, key = 0;
        const int gsize = static_cast<int>(gridWork.size());
        const int nsize = static_cast<int>(networkWork.size());
        switch (map) {
        case Map::Lines:
            DRACON(kNodes, 0.0f, 1.0f, kNodes, 0.0f, 1.0f, grid.data(), count, plain, gsize,
                   gridWork.data());
            break;
        case Map::Bands:
            FILCON(kNodes, 0.0f, 1.0f, kNodes, 0.0f, 1.0f, grid.data(), count, plain, codes.data(),
                   key, gsize, gridWork.data());
            break;
        case Map::NetworkLines:
            DRATRI(0.0f, 1.0f, 0.0f, 1.0f, count, plain, nsize, networkWork.data());
            break;
        case Map::NetworkBands:
            FILTRI(0.0f, 1.0f, 0.0f, 1.0f, count, plain, codes.data(), key, nsize,
                   networkWork.data());
            break;
        }
    }

    // The lines and fills a map drew.
    std::vector<std::string> drawing(Map map)
    {
        capture();
        draw(map);
        std::vector<std::string> out;
        for (const std::string& l : calls()) {
            if (l.rfind("kernelMovePen", 0) == 0 || l.rfind("kernelDrawLineTo", 0) == 0 ||
                l.rfind("kernelFillPolygon", 0) == 0)
                out.push_back(l);
        }
        return out;
    }
};

TEST_F(NoNumberLimitsTest, LimitsAndLevelsThatAreNoNumberAreReported)
{
    const float nan = NAN, inf = INFINITY;
    struct Case {
        const char* what;
        std::function<void()> set;
        Map map;
        int number;
    };
    const std::vector<float> endless = {-inf, 0.5f, inf}, noNumber = {nan};
    const std::vector<Case> cases{
        {"LEVELS(NaN, NaN), DRACON", [&] { LEVELS(nan, nan); }, Map::Lines, kFlatLimits},
        {"LEVELS(NaN, NaN), FILTRI", [&] { LEVELS(nan, nan); }, Map::NetworkBands, kFlatLimits},
        {"LEVELS(-inf, inf), DRACON", [&] { LEVELS(-inf, inf); }, Map::Lines, kFlatLimits},
        {"LEVELS(-inf, inf), FILCON", [&] { LEVELS(-inf, inf); }, Map::Bands, kFlatLimits},
        {"LEVELS(-inf, inf), DRATRI", [&] { LEVELS(-inf, inf); }, Map::NetworkLines, kFlatLimits},
        {"LEVELS(-inf, inf), FILTRI", [&] { LEVELS(-inf, inf); }, Map::NetworkBands, kFlatLimits},
        {"LEVELS(0.2, NaN), FILCON", [&] { LEVELS(0.2f, nan); }, Map::Bands, kFlatLimits},
        {"LEVELS(inf, 0.2), DRATRI", [&] { LEVELS(inf, 0.2f); }, Map::NetworkLines, kFlatLimits},
        {"CONDEF(-inf, 0.5, inf), DRACON", [&] { CONDEF(3, endless.data()); }, Map::Lines,
         kLevelsNotIncreasing},
        {"CONDEF(-inf, 0.5, inf), DRATRI", [&] { CONDEF(3, endless.data()); }, Map::NetworkLines,
         kLevelsNotIncreasing},
        {"CONDEF(NaN), FILTRI", [&] { CONDEF(1, noNumber.data()); }, Map::NetworkBands,
         kLevelsNotIncreasing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open();
        const std::vector<std::string> plain = drawing(c.map);
        ASSERT_FALSE(plain.empty());
        ASSERT_TRUE(reported().empty());
        c.set();
        EXPECT_EQ(reported(), std::vector<int>{asReported(c.number)});
        tarv::errorLogClear();
        // The map goes on without the limits or list: as it is drawn without them.
        EXPECT_EQ(drawing(c.map), plain);
        EXPECT_TRUE(reported().empty());
    }
}

TEST_F(NoNumberLimitsTest, AddedLevelsThatAreNoNumberAreRefused)
{
    for (const float level : {NAN, INFINITY, -INFINITY}) {
        for (const bool network : {false, true}) {
            SCOPED_TRACE(std::to_string(level) + (network ? " ADTCON" : " ADDCON"));
            draw(network ? Map::NetworkLines : Map::Lines);
            const int listed = surfaceState.levels.count;
            tarv::errorLogClear();
            capture();
            if (network) {
                ADTCON(level, 0, static_cast<int>(networkWork.size()), networkWork.data());
            } else {
                ADDCON(level, 0, static_cast<int>(gridWork.size()), gridWork.data());
            }
            EXPECT_TRUE(only(calls(), "kernelDrawLineTo").empty());
            EXPECT_EQ(reported(), std::vector<int>{asReported(kNotANumber)});
            EXPECT_EQ(surfaceState.levels.count, listed);
            // The map can still be added to.
            tarv::errorLogClear();
            if (network) {
                ADTCON(0.5f, 0, static_cast<int>(networkWork.size()), networkWork.data());
            } else {
                ADDCON(0.5f, 0, static_cast<int>(gridWork.size()), gridWork.data());
            }
            EXPECT_TRUE(reported().empty());
            EXPECT_EQ(surfaceState.levels.count, listed + 1);
        }
    }
}

}  // namespace
