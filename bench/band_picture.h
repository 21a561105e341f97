// band_picture.h - what the band-filled map benchmarks share: the fill codes of their bands,
// a fresh PNG of the kernel's default picture space for every run, and a gridded map drawn.
#ifndef TARV_BENCH_BAND_PICTURE_H
#define TARV_BENCH_BAND_PICTURE_H

#include <string>
#include <vector>

#include "tarvcore.h"
#include "tterrlib.h"

namespace bench {

// Fill codes 2..15 in turn, one a band of `levels` levels (levels + 1 bands).
inline std::vector<int> bandCodes(int levels)
{
    std::vector<int> codes(static_cast<size_t>(levels) + 1);
    for (int k = 0; k <= levels; ++k) codes[static_cast<size_t>(k)] = 2 + k % 14;
    return codes;
}

// The kernel at its start values drawing into a new PNG of the 1000 x 750 picture space.
inline void openPng(const std::string& output)
{
    tarv::resetState();
    kernelSelectOutput(output.c_str(), static_cast<int>(output.size()));
    kernelOpenDevice();
    kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 750.0f);
}

// A square grid of n by n heights z over lo..hi both ways as a map of `levels` levels: filled
// in bands by FILCON (with codes and the fill key) or drawn in lines by DRACON, plain lines.
inline void gridMap(bool bands, int n, float lo, float hi, const std::vector<float>& z, int levels,
                    const std::vector<int>& codes, std::vector<float>& work)
{
    const int plain = 0, key = 1, wsize = static_cast<int>(work.size());
    if (bands) {
        FILCON(n, lo, hi, n, lo, hi, z.data(), levels, plain, codes.data(), key, wsize,
               work.data());
    } else {
        DRACON(n, lo, hi, n, lo, hi, z.data(), levels, plain, wsize, work.data());
    }
}

}  // namespace bench

#endif
