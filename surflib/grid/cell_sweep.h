// cell_sweep.h - the cells of a grid that each of a run of rising levels or bands meets, found
// once for the run, so that a map's tracer and band fill visit only those cells, in the order
// of a pass over the whole grid (row by row from the bottom, left to right in a row).
//
// A query asks for the cells with a corner at or above `from` and a corner below `to` (a
// height that is not a number is below every height): with from = to = a level, the cells
// the level crosses; with a band's lower and upper heights, the cells the band covers in part
// or whole.  Every cell meets a run of consecutive queries when both heights rise from query
// to query, so it is added to the set of cells met once and taken out once: the cost of a run
// is the cells, a few words per query and the cells each query meets.
#ifndef SURFLIB_GRID_CELL_SWEEP_H
#define SURFLIB_GRID_CELL_SWEEP_H

#include <bit>
#include <cstdint>
#include <vector>

namespace surflib {

struct SurfaceCellQuery {
    float from, to;
};

class SurfaceCellSweep {
public:
    // No run: select() always fails.
    SurfaceCellSweep() = default;
    // The run of queries over the grid of nx by ny heights z (x fastest).  A run whose heights
    // fall, or are not numbers, is not indexed: select() fails.
    SurfaceCellSweep(int nx, int ny, const float* z, const std::vector<SurfaceCellQuery>& queries);

    // Makes the first query at or after the one selected last that asks (from, to) of grid z
    // the one whose cells are visited.  False when there is none: the sweep stays unusable
    // from then on, and the caller visits every cell itself.
    bool select(const float* z, float from, float to);

    bool empty() const { return count_ == 0; }
    // Calls visit(i, j) for the cells met by the selected query, cell (i, j) having node (i, j)
    // as its lower left corner: rising (row by row from the bottom, left to right) or falling.
    template <typename Visit> void eachRising(Visit visit) const;
    template <typename Visit> void eachFalling(Visit visit) const;

private:
    void apply(long long q);

    const float* z_ = nullptr;
    std::uint32_t mx_ = 1;  // cells in a row
    std::vector<SurfaceCellQuery> queries_;
    long long at_ = -1;  // the query whose cells the set holds
    // Cells added at query q: enters_[enterFirst_[q] .. enterFirst_[q + 1]); taken out likewise.
    std::vector<std::uint32_t> enterFirst_, enters_, leaveFirst_, leaves_;
    // The set of cells met: a bit a cell, and a bit a word of it that is not zero.
    std::vector<std::uint64_t> bits_, summary_;
    long long count_ = 0;
};

template <typename Visit> void SurfaceCellSweep::eachRising(Visit visit) const
{
    for (std::size_t s = 0; s < summary_.size(); ++s) {
        for (std::uint64_t words = summary_[s]; words != 0; words &= words - 1) {
            const std::size_t w = s * 64 + static_cast<std::size_t>(std::countr_zero(words));
            for (std::uint64_t b = bits_[w]; b != 0; b &= b - 1) {
                const auto k = static_cast<std::uint32_t>(w * 64 + std::countr_zero(b));
                visit(static_cast<int>(k % mx_) + 1, static_cast<int>(k / mx_) + 1);
            }
        }
    }
}

template <typename Visit> void SurfaceCellSweep::eachFalling(Visit visit) const
{
    for (std::size_t s = summary_.size(); s-- > 0;) {
        for (std::uint64_t words = summary_[s]; words != 0;) {
            const int top = 63 - std::countl_zero(words);
            words &= ~(std::uint64_t{1} << top);
            const std::size_t w = s * 64 + static_cast<std::size_t>(top);
            for (std::uint64_t b = bits_[w]; b != 0;) {
                const int hi = 63 - std::countl_zero(b);
                b &= ~(std::uint64_t{1} << hi);
                const auto k = static_cast<std::uint32_t>(w * 64 + static_cast<std::size_t>(hi));
                visit(static_cast<int>(k % mx_) + 1, static_cast<int>(k / mx_) + 1);
            }
        }
    }
}

}  // namespace surflib

#endif
