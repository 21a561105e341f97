// hostile.h - what the structured harnesses feed the library routines: counts, reals, arrays
// and workspaces drawn from the fuzzer's bytes, leaning towards the values that break code
// (zero, one, negative and extreme counts; NaN, infinities, the largest and smallest reals).
//
// Every array is at least as long as the count that goes with it says, so that what the
// sanitizers report is the routine's own doing: a count too large to back with memory is
// turned into a refused (negative) one instead.
#ifndef FUZZ_HOSTILE_H
#define FUZZ_HOSTILE_H

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cstdint>
#include <limits>
#include <vector>

#include "tarvcore.h"

namespace hostile {

// The most elements an array of the harnesses gets; larger counts are refused ones.
constexpr long long kMaxElements = 1 << 16;

class Input {
public:
    Input(const uint8_t* data, size_t size) : in_(data, size) {}

    bool empty() { return in_.remaining_bytes() == 0; }
    uint8_t byte() { return in_.ConsumeIntegral<uint8_t>(); }
    bool flag() { return in_.ConsumeBool(); }
    template <typename T> T pick(std::initializer_list<T> values)
    {
        return values.begin()[in_.ConsumeIntegralInRange<size_t>(0, values.size() - 1)];
    }

    // A count: mostly small, sometimes an edge of the int range or of the library's limits.
    int count(int usual = 12)
    {
        switch (byte() % 8) {
        case 0:
            return pick<int>({INT_MIN, INT_MIN + 1, -65536, -1000, -2,    -1,          0,
                              1,       2,           3,      4,     99,    100,         101,
                              1000,    32767,       32768,  46341, 65536, INT_MAX - 1, INT_MAX});
        case 1: return in_.ConsumeIntegral<int>();
        case 2: return in_.ConsumeIntegralInRange<int>(-3, 300);
        default: return in_.ConsumeIntegralInRange<int>(0, usual);
        }
    }

    // An option code: mostly one of lo..hi, sometimes any count.
    int code(int lo, int hi)
    {
        return byte() % 8 == 0 ? count() : in_.ConsumeIntegralInRange<int>(lo, hi);
    }

    // A count that a single array of as many elements can back.
    int backedCount(int usual = 12)
    {
        const int n = count(usual);
        return n > kMaxElements ? -(n / 2) : n;
    }

    // Two counts of an nx by ny array: when their product is beyond what is backed, the
    // second is turned to a non-positive one, so the array claimed stays empty.
    void gridCounts(int& nx, int& ny, int usual = 8)
    {
        nx = count(usual);
        ny = count(usual);
        if (elements(nx, ny) > kMaxElements) ny = ny > 0 ? -ny / 2 : ny;
    }

    // A real: an ordinary value of the given span, or one of the values that break arithmetic.
    float real(float span = 100.0f)
    {
        switch (byte() % 6) {
        case 0: {
            constexpr float inf = std::numeric_limits<float>::infinity();
            constexpr float nan = std::numeric_limits<float>::quiet_NaN();
            constexpr float tiny = std::numeric_limits<float>::denorm_min();
            return pick<float>({nan,           -nan,           inf,      -inf,    0.0f,
                                -0.0f,         FLT_MAX,        -FLT_MAX, FLT_MIN, -FLT_MIN,
                                tiny,          1e30f,          -1e30f,   1e-30f,  16777217.0f,
                                2147483648.0f, -2147483904.0f, 1.0f,     -1.0f,   0.5f});
        }
        case 1: {
            const uint32_t bits = in_.ConsumeIntegral<uint32_t>();
            float f;
            static_assert(sizeof f == sizeof bits);
            __builtin_memcpy(&f, &bits, sizeof f);
            return f;
        }
        default: return in_.ConsumeFloatingPointInRange<float>(-span, span);
        }
    }

    // Mostly well-ordered reals with a hostile one now and then; what grids of heights and
    // point sets look like most of the time.
    float mostlyPlain(float span = 100.0f)
    {
        return byte() % 16 == 0 ? real(span) : in_.ConsumeFloatingPointInRange<float>(-span, span);
    }

    // An array of at least n elements (n may be anything; non-positive n gives a short array
    // that the routine must not read).
    std::vector<float> reals(long long n, float span = 100.0f)
    {
        std::vector<float> v(static_cast<size_t>(std::max(n, 4LL)));
        const bool hostile = flag();
        for (float& f : v) f = hostile ? real(span) : mostlyPlain(span);
        return v;
    }
    std::vector<int> ints(long long n, int lo, int hi)
    {
        std::vector<int> v(static_cast<size_t>(std::max(n, 4LL)));
        for (int& i : v) i = byte() % 8 == 0 ? count() : in_.ConsumeIntegralInRange(lo, hi);
        return v;
    }

    // Now and then a null pointer in place of a text or array, whatever its length or count.
    template <typename T> T* sometimesNull(T* p) { return byte() % 8 == 0 ? nullptr : p; }

    // A workspace size: tiny, refused, or what a routine might need.
    int workspaceSize(int usual)
    {
        switch (byte() % 6) {
        case 0: return pick<int>({INT_MIN, -1, 0, 1, 2, 10, 36, 100});
        case 1: return in_.ConsumeIntegralInRange<int>(0, usual / 2);
        default: return in_.ConsumeIntegralInRange<int>(usual / 2, usual * 2);
        }
    }

    static long long elements(long long nx, long long ny) { return nx > 0 && ny > 0 ? nx * ny : 0; }

private:
    FuzzedDataProvider in_;
};

// A map window: mostly a plain one, sometimes four hostile reals.
struct Window {
    float xmin, xmax, ymin, ymax;
};

inline Window window(Input& in)
{
    if (in.byte() % 4 == 0) return {in.real(), in.real(), in.real(), in.real()};
    return {0.0f, 10.0f, 0.0f, 10.0f};
}

// The heights a user height function answers, one after another, from a table the input fills.
inline std::vector<float> heights = {0.0f};
inline size_t nextHeight = 0;
inline float heightAt(const float&, const float&) { return heights[nextHeight++ % heights.size()]; }
inline void fillHeights(Input& in)
{
    heights = in.reals(1 + in.byte() % 64);
    nextHeight = 0;
}

// A caller's workspace: as many words as its size says (none for a size of 0 or less).
struct Workspace {
    int size = 0;
    std::vector<float> words;
    void resize(int n)
    {
        size = n;
        words.assign(static_cast<size_t>(std::max(n, 1)), 0.0f);
    }
    float* data() { return words.data(); }
};

// The kernel as at load before each input: no drawing left over, an empty error log.
inline void resetKernel()
{
    tarv::resetState(true);
    tarv::errorLogClear();
}

}  // namespace hostile

// Every harness that drives the libraries reports its refusals to the error log only: echoing
// millions of them would bury a finding's report.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tarv::setErrorEcho(false);
    return 0;
}

#endif
