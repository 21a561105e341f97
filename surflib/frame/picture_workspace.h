// picture_workspace.h - the layout of a projected picture's workspace past its grid copy: the
// line arrays and the outline store of a perspective picture, the rows of an isometric one,
// and where either ends (the cross-sections put their tables after it).
//
// A perspective picture's workspace (offsets in words, kept in WorkspacePartition):
//
//   grid         nx * ny          the grid copy
//   runs         10 m             line arrays, m = max(nx, ny) words each: picture X, Y,
//                                 clamped height and position flag of the current and the
//                                 previous grid line (arrays 0-3 and 4-7; 8 and 9 spare)
//   outlines     8 L              the outline store, L = (wsize - used) / 8 >= 3 m
//
// The outline store holds the two horizons of the hidden-line walk (surface/hidden_lines.cpp)
// as chains of slots: while a family of lines is walked its 8 L words are 2 L slots of four
// words, in four runs of 2 L: previous slot, next slot, key, height (slot numbers as reals).
// After the walk the kept horizons stand in key order at the front of the key and height runs
// (the upper horizon first, the counts in SurfaceSettings::horizonCounts), and the profile of
// the picture (SurfaceSettings::outlineCount points, at most 2 L) in the first two runs as
// picture X and Y.
#ifndef SURFLIB_FRAME_PICTURE_WORKSPACE_H
#define SURFLIB_FRAME_PICTURE_WORKSPACE_H

#include <cassert>

#include "frame/state.h"

namespace surflib {

constexpr int kPerspectiveLineArrays = 10;  // m words each, after the grid copy
constexpr int kOutlineArrays = 8;           // L words each, after the line arrays
constexpr int kOutlineMinimumPerNode = 3;   // the least L accepted: 3 max(nx, ny)
constexpr int kIsometricRowArrays = 11;     // m words each, after the grid copy

// The outline store of a perspective picture in its workspace.
struct OutlineStore {
    float* base;
    int L;

    int slotCapacity() const { return 2 * L; }
    float* previous() const { return base; }
    float* next() const { return base + 2LL * L; }
    float* key() const { return base + 4LL * L; }
    float* height() const { return base + 6LL * L; }
    // After the walk.
    int profileCapacity() const { return 2 * L; }
    float* profileX() const { return base; }
    float* profileY() const { return base + 2LL * L; }
};

inline OutlineStore perspectiveOutlineStore(float* work, const WorkspacePartition& p)
{
    assert(work != nullptr && p.outlines >= 0 && p.outlineLength > 0);
    return OutlineStore{work + p.outlines, p.outlineLength};
}

// The line array k (0 .. 9) of a perspective picture.
inline float* perspectiveLineArray(float* work, const WorkspacePartition& p, int k)
{
    assert(k >= 0 && k < kPerspectiveLineArrays);
    return work + p.runs + static_cast<long long>(k) * p.runLength;
}

// Words a perspective picture uses from the start of its workspace: the outline store's end.
inline long long perspectiveWorkEnd(const WorkspacePartition& p)
{
    return static_cast<long long>(p.outlines) +
        static_cast<long long>(kOutlineArrays) * p.outlineLength;
}

// Words an isometric picture uses: the end of its rows.
inline long long isometricWorkEnd(const WorkspacePartition& p)
{
    return static_cast<long long>(p.runs) +
        static_cast<long long>(kIsometricRowArrays) * p.runLength;
}

}  // namespace surflib

#endif
