// Tests of the grid over the triangles that the grid sampling locates its nodes with: every
// answer of the locate (triangle, sub-triangle, edge, vertex, neighbour slot, nearest hull
// feature) must be the one the scan of the whole table gives, above all for points on edges
// and vertices shared by several triangles, where the scan order decides.
#include "network_fixture.h"

#include "network/interpolation.h"

using namespace surflib;

namespace {

struct Located {
    int inside, triangle, sub, edge, slot, vertex, hullPoint;
    bool operator==(const Located&) const = default;
};

class LocateIndexTest : public NetworkTest {
protected:
    Located locate(float x, float y, int start)
    {
        float h = 0.0f;
        Located r{0, start, 0, 0, 0, 0, 0};
        surfaceLocateTriangle(x, y, h, r.inside, r.triangle, r.sub, r.edge, r.slot, work.data());
        r.vertex = surfaceState.networkWork.vertex;
        r.hullPoint = r.inside ? 0 : surfaceState.networkWork.nearestHullPoint;
        return r;
    }

    // Vertices, edge midpoints, centroids and points pushed out past every hull edge and
    // corner, in normalised units.
    std::vector<std::pair<float, float>> probes() const
    {
        const float* w = work.data();
        std::vector<std::pair<float, float>> out;
        for (int j = 1; j <= pointCount(); ++j) {
            out.emplace_back(networkX(w, j), networkY(w, j));
            out.emplace_back(networkX(w, j) * 1.3f - 0.15f, networkY(w, j) * 1.3f - 0.15f);
        }
        for (int t = 1; t <= triangleCount(); ++t) {
            float cx = 0.0f, cy = 0.0f;
            for (int k = 1; k <= 3; ++k) {
                const int a = networkVertex(w, t, k), b = networkVertex(w, t, k % 3 + 1);
                out.emplace_back(0.5f * (networkX(w, a) + networkX(w, b)),
                                 0.5f * (networkY(w, a) + networkY(w, b)));
                out.emplace_back(0.5f * (networkX(w, a) + networkX(w, b)) * 1.2f - 0.1f,
                                 0.5f * (networkY(w, a) + networkY(w, b)) * 1.2f - 0.1f);
                cx += networkX(w, a) / 3.0f;
                cy += networkY(w, a) / 3.0f;
            }
            out.emplace_back(cx, cy);
        }
        out.emplace_back(NAN, 0.5f);
        out.emplace_back(5.0f, -3.0f);
        return out;
    }

    void expectSameAsScan(const char* what)
    {
        const std::vector<std::pair<float, float>> pts = probes();
        const int count = triangleCount();
        const int starts[] = {1, 2, count / 2, count, count + 5, -3};
        std::vector<Located> scanned;
        for (const auto& [x, y] : pts) {
            for (int s : starts) scanned.push_back(locate(x, y, s));
        }
        const NetworkLocateIndex index(work.data());
        size_t i = 0, mismatches = 0;
        for (const auto& [x, y] : pts) {
            for (int s : starts) {
                if (!(locate(x, y, s) == scanned[i++])) ++mismatches;
            }
        }
        EXPECT_EQ(mismatches, 0u) << what << ": " << scanned.size() << " probes";
    }
};

TEST_F(LocateIndexTest, AnswersAsTheScanOnLatticeAndScatteredNetworks)
{
    // A lattice: every probe on an edge or vertex lies on several triangles at once.
    std::vector<NetPoint> lattice;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 7; ++j)
            lattice.push_back({float(i), float(j), float((i * 7 + j * 3) % 5)});
    }
    build(lattice);
    ASSERT_EQ(structureFault(), "");
    expectSameAsScan("lattice");

    build(randomPoints(200, 7, quadraticZ));
    ASSERT_EQ(structureFault(), "");
    expectSameAsScan("scattered");
}

// A grid over a lattice network, its nodes on the lattice's edges and vertices, sampled with
// each method: the heights of the network's data points come back as they are.
TEST_F(LocateIndexTest, GridNodesOnSharedEdgesTakeTheNetworkHeights)
{
    std::vector<NetPoint> lattice;
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j)
            lattice.push_back({float(i), float(j), planeZ(float(i), float(j))});
    }
    build(lattice);
    for (int method : {0, 1, 2}) {
        const int ten = 10, one = 1;
        TRIINT(method, ten, one);
        std::vector<float> z(11 * 11, -99.0f);
        TRIGRD(0.0f, 5.0f, 0.0f, 5.0f, 11, 11, z.data(), wsize, work.data());
        for (int j = 0; j < 11; ++j) {
            for (int i = 0; i < 11; ++i) {
                EXPECT_NEAR(z[static_cast<size_t>(j) * 11 + i], planeZ(0.5f * i, 0.5f * j), 2e-4f)
                    << "method " << method << " node " << i << "," << j;
            }
        }
    }
}

}  // namespace
