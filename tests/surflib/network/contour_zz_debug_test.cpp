#include <cstdio>
#include "contour_log.h"
#include "network_fixture.h"
namespace {
float tilted2(float x, float y) { return x + 2.0f * y; }
class Dbg : public NetworkTest {};
TEST_F(Dbg, Print)
{
    std::vector<NetPoint> pts;
    for (int j = 0; j < 6; ++j) for (int i = 0; i < 6; ++i) { float x = 2.0f*i, y = 2.0f*j; pts.push_back({x,y,tilted2(x,y)}); }
    build(pts);
    TRIINT(0, 10, 1);
    capture();
    DRATRI(-1.0f, 11.0f, -1.0f, 11.0f, 6, 0, wsize, work.data());
    auto log = calls();
    for (auto& l : netlog::polylines(log)) { auto m = netlog::toMap(l); printf("line:"); for (size_t i=0;i<m.x.size();++i) printf(" (%.3f,%.3f)", m.x[i], m.y[i]); printf("\n"); }
    for (int k=0;k<surfaceState.levels.count;++k) printf("level %g\n", surfaceState.levels.heights[k]);
    for (auto n : reported()) printf("err %d\n", n);
}
}
