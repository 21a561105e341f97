// far_data_test.cpp - network maps of one set of points placed in survey coordinates (eastings of
// hundreds of thousands, northings of millions), moved elsewhere, or scaled up by a million:
// with the window on the data, every map draws on the picture exactly what the same points draw
// at the origin (lines straight, curved and thinned by -1077, bands, lines and bands added to a
// layout, triangles and hull).  The points lie on whole metres, which single precision holds
// exactly at every placement, so the pictures may differ only by the rounding of the picture
// coordinates themselves.
#include <algorithm>
#include <cmath>
#include <random>

#include "contour_log.h"
#include "network_fixture.h"

namespace {

constexpr int kPoints = 600;
constexpr double kSide = 1000.0;

struct Placement {
    const char* name;
    double east, north, scale;
};

// The kernel calls that draw, each as its numbers (picture coordinates, counts, codes).
struct Drawn {
    std::string op;
    std::vector<float> numbers;
};

// The end points a curve's end conditions give: the point before its start (numbers 4, 5) and
// after its end (6, 7) count only where the curve's start or end condition takes them (-1).
void dropUnusedEnds(std::vector<Drawn>& out)
{
    for (size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i].op != "kernelSetCurveEnds " || out[i + 1].op != "kernelDrawCurve ") continue;
        std::vector<float>& ends = out[i].numbers;
        const std::vector<float>& curve = out[i + 1].numbers;
        if (ends.size() != 8 || curve.size() < 2) continue;
        if (curve[curve.size() - 2] != -1.0f) ends[4] = ends[5] = 0.0f;
        if (curve[curve.size() - 1] != -1.0f) ends[6] = ends[7] = 0.0f;
    }
}

std::vector<Drawn> drawing(const std::vector<std::string>& log)
{
    static const char* const kDrawingCalls[] = {"kernelMovePen ",     "kernelDrawLineTo ",
                                                "kernelDrawCurve ",   "kernelSetCurveEnds ",
                                                "kernelFillPolygon ", "kernelDrawText "};
    std::vector<Drawn> out;
    for (const std::string& line : log) {
        for (const char* op : kDrawingCalls) {
            if (netlog::startsWith(line, op)) {
                out.push_back({op, netlog::numbersIn(line.substr(std::string(op).size()))});
            }
        }
    }
    dropUnusedEnds(out);
    return out;
}

class NetworkFarData : public NetworkTest {
protected:
    // z = u v over the unit square (u, v the position in the square), kPoints points.
    void SetUp() override
    {
        NetworkTest::SetUp();
        std::mt19937 rng(37);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (int i = 0; i < kPoints; ++i) {
            const double u = unit(rng), v = unit(rng);
            // Whole metres: exact in single precision at every placement of the table.
            const double x = std::floor(kSide * u), y = std::floor(kSide * v);
            relative_.push_back({x, y});
        }
    }

    // The network of the points at a placement, the window on the square.
    void place(const Placement& p)
    {
        std::vector<NetPoint> pts;
        for (const auto& [x, y] : relative_) {
            pts.push_back({static_cast<float>(p.east + p.scale * x),
                           static_cast<float>(p.north + p.scale * y),
                           static_cast<float>(x * y / (kSide * kSide))});
        }
        build(pts);
        xlow_ = static_cast<float>(p.east);
        xhigh_ = static_cast<float>(p.east + p.scale * kSide);
        ylow_ = static_cast<float>(p.north);
        yhigh_ = static_cast<float>(p.north + p.scale * kSide);
    }

    float xlow_ = 0, xhigh_ = 0, ylow_ = 0, yhigh_ = 0;

private:
    std::vector<std::pair<double, double>> relative_;
};

const Placement kOrigin{"origin", 0.0, 0.0, 1.0};
const Placement kPlacements[] = {
    {"survey", 5.0e5, 5.0e6, 1.0},
    {"south-west", -5.0e5, -5.0e6, 1.0},
    {"1e5", 1.0e5, 1.0e5, 1.0},
    {"scaled", 0.0, 0.0, 1.0e6},  // 0 .. 1e9
};

struct MapKind {
    const char* name;
    void (*draw)(NetworkFarData& t, float x0, float x1, float y0, float y1);
    int warning;  // one the map gives at every placement (0: none asked for)
};

void straightLines(NetworkFarData& t, float x0, float x1, float y0, float y1)
{
    DRATRI(x0, x1, y0, y1, 20, 0, t.wsize, t.work.data());
}
// Labels small enough for the short straight pieces of a random network's lines.
void labelledLines(NetworkFarData& t, float x0, float x1, float y0, float y1)
{
    CONANN(0, 20.0f, 2.0f, 0, 0, 0, 0, 0);
    DRATRI(x0, x1, y0, y1, 10, 0, t.wsize, t.work.data());
    CONANN(0, 0.0f, 0.0f, 0, 0, 0, 0, 0);
}
void curvedLines(NetworkFarData& t, float x0, float x1, float y0, float y1)
{
    DRATRI(x0, x1, y0, y1, 20, 1, t.wsize, t.work.data());
}
// So many levels that those the picture cannot show apart are left out (-1077).
void thinnedLines(NetworkFarData& t, float x0, float x1, float y0, float y1)
{
    LEVELS(0.0f, 1.0f);
    DRATRI(x0, x1, y0, y1, 1200, 0, t.wsize, t.work.data());
    LEVELS(0.0f, 0.0f);
}
void bands(NetworkFarData& t, float x0, float x1, float y0, float y1)
{
    std::vector<int> codes;
    for (int k = 0; k <= 20; ++k) codes.push_back(2000 + k % 14 + 2);
    FILTRI(x0, x1, y0, y1, 20, 0, codes.data(), 1, t.wsize, t.work.data());
}
// A layout, one line and one band with its lines added to it.
void addedToALayout(NetworkFarData& t, float x0, float x1, float y0, float y1)
{
    TRISET(x0, x1, y0, y1, t.wsize, t.work.data());
    ADTCON(0.25f, 1, t.wsize, t.work.data());
    ADTFIL(0.3f, 0.55f, 2005, 1, 0, t.wsize, t.work.data());
}

// The triangles with their points marked, and the hull.
void trianglesAndHull(NetworkFarData& t, float x0, float x1, float y0, float y1)
{
    TRISET(x0, x1, y0, y1, t.wsize, t.work.data());
    TRINET(2, t.wsize, t.work.data());
    std::vector<float> x(kPoints + 1), y(kPoints + 1);
    int n = kPoints + 1;
    TRIBOU(n, 1, x.data(), y.data(), t.wsize, t.work.data());
}

const MapKind kMaps[] = {{"straight lines", straightLines, 0},
                         {"labelled lines", labelledLines, 0},
                         {"curved lines", curvedLines, 0},
                         {"thinned lines", thinnedLines, kLevelsTooClose},
                         {"bands", bands, 0},
                         {"TRISET, ADTCON, ADTFIL", addedToALayout, 0},
                         {"TRINET, TRIBOU", trianglesAndHull, 0}};

TEST_F(NetworkFarData, MapsDrawTheSamePictureWhereverTheDataLie)
{
    CONFRA(2);  // no box: its axis numbers differ from place to place
    for (const MapKind& map : kMaps) {
        place(kOrigin);
        capture();
        map.draw(*this, xlow_, xhigh_, ylow_, yhigh_);
        const std::vector<Drawn> reference = drawing(calls());
        const std::vector<int> errors = reported();
        ASSERT_GT(reference.size(), 20u) << map.name;
        if (map.warning != 0) {
            EXPECT_NE(std::find(errors.begin(), errors.end(), asReported(map.warning)),
                      errors.end());
        }
        for (const Placement& p : kPlacements) {
            SCOPED_TRACE(std::string(map.name) + " at " + p.name);
            tarv::errorLogClear();
            place(p);
            capture();
            map.draw(*this, xlow_, xhigh_, ylow_, yhigh_);
            const std::vector<Drawn> moved = drawing(calls());
            EXPECT_EQ(reported(), errors);
            if (moved.size() != reference.size()) {
                ADD_FAILURE() << moved.size() << " drawing calls, " << reference.size()
                              << " at the origin";
                continue;
            }
            int differing = 0;
            for (size_t i = 0; i < moved.size(); ++i) {
                bool same = moved[i].op == reference[i].op &&
                    moved[i].numbers.size() == reference[i].numbers.size();
                for (size_t k = 0; same && k < moved[i].numbers.size(); ++k) {
                    // Two thousandths of a picture unit on a map 440 wide: the log's digits.
                    same = std::fabs(moved[i].numbers[k] - reference[i].numbers[k]) <= 2.0e-3f;
                }
                differing += same ? 0 : 1;
            }
            EXPECT_EQ(differing, 0);
        }
        tarv::errorLogClear();
    }
}

}  // namespace
