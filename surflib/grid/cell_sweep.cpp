// cell_sweep.cpp - the cells of a grid met by a run of rising queries: each cell's first and
// last query found by bisection, the cells sorted by them by counting, and the set of cells
// met kept as bits while the queries are selected in turn.
#include "grid/cell_sweep.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>

namespace surflib {

namespace {

// Counts per query turned into the first entry of each query's list, with the end of the
// last list after them.
void offsetsOf(std::vector<std::uint32_t>& first)
{
    std::uint32_t sum = 0;
    for (std::uint32_t& n : first) {
        const std::uint32_t count = n;
        n = sum;
        sum += count;
    }
    first.push_back(sum);
}

bool rising(const std::vector<SurfaceCellQuery>& queries)
{
    for (std::size_t q = 0; q < queries.size(); ++q) {
        const SurfaceCellQuery& c = queries[q];
        if (std::isnan(c.from) || std::isnan(c.to)) return false;
        if (q > 0 && (c.from < queries[q - 1].from || c.to < queries[q - 1].to)) return false;
    }
    return true;
}

}  // namespace

SurfaceCellSweep::SurfaceCellSweep(int nx, int ny, const float* z,
                                   const std::vector<SurfaceCellQuery>& queries)
{
    const long long cells = static_cast<long long>(nx - 1) * (ny - 1);
    if (z == nullptr || nx < 2 || ny < 2 || cells > UINT32_MAX - 64 || queries.empty() ||
        queries.size() >= UINT32_MAX || !rising(queries)) {
        return;
    }
    std::vector<float> froms(queries.size()), tos(queries.size());
    for (std::size_t q = 0; q < queries.size(); ++q) {
        froms[q] = queries[q].from;
        tos[q] = queries[q].to;
    }
    const std::size_t slots = queries.size() + 1;
    std::vector<std::uint32_t> enterAt(static_cast<std::size_t>(cells)),
        leaveAt(static_cast<std::size_t>(cells));
    enterFirst_.assign(slots, 0);
    leaveFirst_.assign(slots, 0);
    const auto mx = static_cast<std::size_t>(nx - 1);
    for (std::size_t k = 0; k < static_cast<std::size_t>(cells); ++k) {
        const std::size_t i = k % mx, j = k / mx;
        const float* below = z + j * static_cast<std::size_t>(nx) + i;
        const float corner[4] = {below[0], below[1], below[nx], below[nx + 1]};
        // The lowest and the highest corner that are numbers; a corner that is not one lies
        // below every height.
        float low = INFINITY, high = -INFINITY;
        bool hole = false;
        for (const float v : corner) {
            hole = hole || std::isnan(v);
            if (!std::isnan(v)) {
                low = std::min(low, v);
                high = std::max(high, v);
            }
        }
        // Met by the queries with to > low (from e on) and from <= high (before l).
        const auto e = hole ? 0u
                            : static_cast<std::uint32_t>(
                                  std::upper_bound(tos.begin(), tos.end(), low) - tos.begin());
        const auto l = static_cast<std::uint32_t>(
            std::upper_bound(froms.begin(), froms.end(), high) - froms.begin());
        enterAt[k] = e < l ? e : UINT32_MAX;
        leaveAt[k] = l;
        if (e < l) {
            ++enterFirst_[e];
            ++leaveFirst_[l];
        }
    }
    offsetsOf(enterFirst_);
    offsetsOf(leaveFirst_);
    std::vector<std::uint32_t> enterNext(enterFirst_.begin(), enterFirst_.end() - 1),
        leaveNext(leaveFirst_.begin(), leaveFirst_.end() - 1);
    enters_.resize(enterFirst_.back());
    leaves_.resize(leaveFirst_.back());
    // Each query's lists keep the cells in rising order: the set is the same either way, and
    // the memory is touched in order.
    for (std::size_t k = 0; k < static_cast<std::size_t>(cells); ++k) {
        if (enterAt[k] == UINT32_MAX) continue;
        enters_[enterNext[enterAt[k]]++] = static_cast<std::uint32_t>(k);
        leaves_[leaveNext[leaveAt[k]]++] = static_cast<std::uint32_t>(k);
    }
    z_ = z;
    mx_ = static_cast<std::uint32_t>(mx);
    queries_ = queries;
    const std::size_t words = (static_cast<std::size_t>(cells) + 63) / 64;
    bits_.assign(words, 0);
    summary_.assign((words + 63) / 64, 0);
}

void SurfaceCellSweep::apply(long long q)
{
    const auto n = static_cast<std::size_t>(q);
    for (std::uint32_t e = enterFirst_[n]; e < enterFirst_[n + 1]; ++e) {
        const std::uint32_t k = enters_[e];
        bits_[k / 64] |= std::uint64_t{1} << (k % 64);
        summary_[k / 4096] |= std::uint64_t{1} << (k / 64 % 64);
        ++count_;
    }
    for (std::uint32_t e = leaveFirst_[n]; e < leaveFirst_[n + 1]; ++e) {
        const std::uint32_t k = leaves_[e];
        std::uint64_t& word = bits_[k / 64];
        assert((word >> (k % 64) & 1u) != 0);
        word &= ~(std::uint64_t{1} << (k % 64));
        if (word == 0) summary_[k / 4096] &= ~(std::uint64_t{1} << (k / 64 % 64));
        --count_;
    }
}

bool SurfaceCellSweep::select(const float* z, float from, float to)
{
    if (z_ == nullptr || z != z_) return false;
    for (long long q = std::max(at_, 0LL); q < static_cast<long long>(queries_.size()); ++q) {
        if (queries_[static_cast<std::size_t>(q)].from != from ||
            queries_[static_cast<std::size_t>(q)].to != to) {
            continue;
        }
        while (at_ < q) apply(++at_);
        return true;
    }
    z_ = nullptr;
    return false;
}

}  // namespace surflib
