// A randomized run of the exported network routines with odd sizes, counts, windows, codes
// and values that are no numbers, in random order: every call must return, write nothing
// outside the arrays it is given (guard words after each array; the sanitizer build checks
// reads too), and leave a network that still passes the structural checks whenever one is
// built.  Fixed seeds, small networks: the run is short and always the same.
#include "network_fixture.h"

namespace {

class NetworkStressTest : public NetworkTest {
protected:
    std::mt19937 rng{20261210};

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    // Mostly ordinary values, now and then one that is no number, infinite or huge.
    float value(float lo, float hi)
    {
        switch (pick(0, 30)) {
        case 0: return NAN;
        case 1: return INFINITY;
        case 2: return -1e30f;
        case 3: return 0.0f;
        default: return std::uniform_real_distribution<float>(lo, hi)(rng);
        }
    }

    // An array of n values followed by guard words.
    struct Guarded {
        std::vector<float> v;
        int n;
        float* data() { return v.data(); }
        bool intact() const
        {
            for (size_t i = static_cast<size_t>(n); i < v.size(); ++i) {
                if (v[i] != kGuard) return false;
            }
            return true;
        }
    };
    Guarded array(int n, float lo, float hi, bool odd)
    {
        Guarded g{std::vector<float>(static_cast<size_t>(std::max(n, 0)) + 8, kGuard),
                  std::max(n, 0)};
        for (int i = 0; i < g.n; ++i) {
            g.v[static_cast<size_t>(i)] =
                odd ? value(lo, hi) : std::uniform_real_distribution<float>(lo, hi)(rng);
        }
        return g;
    }

    void buildRandom()
    {
        const int n = chance(10) ? pick(-2, 9) : pick(8, 40);
        const bool odd = chance(15);
        Guarded x = array(n, 0.0f, 10.0f, odd), y = array(n, 0.0f, 10.0f, odd),
                z = array(n, -5.0f, 5.0f, odd);
        if (n > 4 && chance(20)) {  // duplicates and points on one line
            for (int i = 0; i < n / 2; ++i) {
                x.v[static_cast<size_t>(i)] = x.v[0];
                if (chance(50)) y.v[static_cast<size_t>(i)] = y.v[0];
            }
        }
        const int room = pick(-3, 25);
        makeWorkspace(std::max(0, sizeFor(std::max(n, 0) + room) - (chance(10) ? pick(0, 40) : 0)));
        if (chance(30)) {
            Guarded gx = array(n, -1.0f, 1.0f, odd), gy = array(n, -1.0f, 1.0f, odd);
            TRIDER(n, x.data(), y.data(), z.data(), gx.data(), gy.data(), wsize, work.data());
            EXPECT_TRUE(gx.intact() && gy.intact());
        } else {
            RANTRI(n, x.data(), y.data(), z.data(), wsize, work.data());
        }
        EXPECT_TRUE(x.intact() && y.intact() && z.intact());
    }

    void oneCall()
    {
        const int ws = chance(5) ? wsize + pick(-2, 2) : wsize;  // now and then not the network's
        float* w = work.data();
        switch (pick(0, 13)) {
        case 0: {
            const int kind = pick(-1, 3);
            TRIADD(kind, value(-2.0f, 12.0f), value(-2.0f, 12.0f), value(-5.0f, 5.0f),
                   value(-1.0f, 1.0f), value(-1.0f, 1.0f), ws, w);
            break;
        }
        case 1: {
            const int n = pick(-1, 8);
            const bool odd = chance(10);
            Guarded x = array(n, 0.0f, 10.0f, odd), y = array(n, 0.0f, 10.0f, odd),
                    z = array(n, -5.0f, 5.0f, odd), gx = array(n, -1.0f, 1.0f, odd),
                    gy = array(n, -1.0f, 1.0f, odd);
            if (n >= 3 && chance(60)) {  // a convex polygon, either way round
                const float cx = value(2.0f, 8.0f), cy = value(2.0f, 8.0f), r = value(0.2f, 4.0f);
                const float turn = chance(50) ? 1.0f : -1.0f;
                for (int i = 0; i < n; ++i) {
                    x.v[static_cast<size_t>(i)] = cx + r * std::cos(turn * 6.2831853f * i / n);
                    y.v[static_cast<size_t>(i)] = cy + r * std::sin(turn * 6.2831853f * i / n);
                }
            }
            TRIREG(pick(-1, 3), n, x.data(), y.data(), z.data(), gx.data(), gy.data(), pick(-1, 3),
                   ws, w);
            EXPECT_TRUE(x.intact() && y.intact() && z.intact() && gx.intact() && gy.intact());
            break;
        }
        case 2: TRIINT(pick(-1, 3), pick(0, 45), pick(0, 5)); break;
        case 3: TRISTP(value(-3.0f, 6.0f)); break;
        case 4: {
            float h = 0.0f, gx = 0.0f, gy = 0.0f;
            TRIHGT(value(-3.0f, 13.0f), value(-3.0f, 13.0f), h, gx, gy, ws, w);
            break;
        }
        case 5: {
            const int nx = pick(-1, 12), ny = pick(-1, 12);
            Guarded g = array(std::max(nx, 0) * std::max(ny, 0), 0.0f, 0.0f, false);
            TRIGRD(value(-3.0f, 13.0f), value(-3.0f, 13.0f), value(-3.0f, 13.0f),
                   value(-3.0f, 13.0f), nx, ny, g.data(), ws, w);
            EXPECT_TRUE(g.intact());
            break;
        }
        case 6: {
            int n = pick(-1, 30);
            const int cap = std::max(n, 0);
            Guarded x = array(cap, 0.0f, 0.0f, false), y = array(cap, 0.0f, 0.0f, false);
            TRIBOU(n, pick(-1, 2), x.data(), y.data(), ws, w);
            EXPECT_TRUE(x.intact() && y.intact());
            break;
        }
        case 7: TRINET(pick(-3, 3), ws, w); break;
        case 8:
            TRISET(value(-2.0f, 3.0f), value(7.0f, 12.0f), value(-2.0f, 3.0f), value(7.0f, 12.0f),
                   ws, w);
            break;
        case 9:
            DRATRI(value(-2.0f, 3.0f), value(7.0f, 12.0f), value(-2.0f, 3.0f), value(7.0f, 12.0f),
                   pick(-3, 8), pick(-1, 2), ws, w);
            break;
        case 10: ADTCON(value(-6.0f, 6.0f), pick(-1, 2), ws, w); break;
        case 11: {
            const int ncont = pick(-4, 6);
            std::vector<int> codes(static_cast<size_t>(std::abs(ncont)) + 1);
            for (int& c : codes) c = pick(-2, 2100);
            FILTRI(value(-2.0f, 3.0f), value(7.0f, 12.0f), value(-2.0f, 3.0f), value(7.0f, 12.0f),
                   ncont, pick(-1, 2), codes.data(), pick(-1, 2), ws, w);
            break;
        }
        case 12:
            ADTFIL(value(-6.0f, 6.0f), value(-6.0f, 6.0f), pick(-2, 2100), pick(-1, 2), pick(-1, 2),
                   ws, w);
            break;
        default: buildRandom(); break;
        }
        ASSERT_TRUE(guardsIntact());
        if (surfaceFlagOn(surfaceState.network.networkBuilt) &&
            surfaceState.network.storedSize == wsize && header(3) == 1.0f) {
            ASSERT_EQ(structureFault(), "");
        }
    }
};

TEST_F(NetworkStressTest, RandomCallsKeepToTheirArraysAndTheNetworkWhole)
{
    for (int round = 0; round < 12; ++round) {
        buildRandom();
        for (int call = 0; call < 25; ++call) {
            oneCall();
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
