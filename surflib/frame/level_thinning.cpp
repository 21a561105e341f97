// level_thinning.cpp - the least showable step over heights, found once a map from its pieces,
// and the walk over equally spaced levels that keeps those the picture shows apart.
//
// The stretches between the pieces' range ends are given the least step of the pieces over
// them by painting the pieces in rising order of step, each stretch taking the first step that
// reaches it (a stretch painted is passed over through a union of painted runs).  A map that
// asks about few levels finds their spans alone instead: each piece's range ends and range are
// placed among the levels by a binary search, which costs far less than sorting the pieces.
#include "frame/level_thinning.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

namespace surflib {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The first unpainted stretch at or after j (runs of painted stretches point past themselves).
size_t unpainted(std::vector<size_t>& next, size_t j)
{
    size_t root = j;
    while (next[root] != root) root = next[root];
    while (next[j] != root) {
        const size_t after = next[j];
        next[j] = root;
        j = after;
    }
    return root;
}

// How many levels of the rising list lie at or below v (v a number): counted outright for a
// short list, which costs less than the unforeseeable turns of a binary search.
size_t atOrBelow(const std::vector<float>& levels, float v)
{
    constexpr size_t kShortList = 64;
    if (levels.size() > kShortList)
        return static_cast<size_t>(std::upper_bound(levels.begin(), levels.end(), v) -
                                   levels.begin());
    size_t count = 0;
    for (const float level : levels) count += level <= v ? 1 : 0;
    return count;
}

}  // namespace

bool surfaceLevelsMeet(const std::vector<float>& rising, float low, float high)
{
    return atOrBelow(rising, low) != atOrBelow(rising, high);
}

void SurfaceLevelSteps::add(float low, float high, double step)
{
    if (!(low < high)) return;  // meets no level
    pieces_.push_back({low, high, std::isfinite(step) && step > 0.0 ? step : 0.0});
}

void SurfaceLevelSteps::finish()
{
    listed_ = false;
    levels_.clear();
    spans_.clear();
    bounds_.clear();
    for (const Piece& p : pieces_) {
        bounds_.push_back(p.low);
        bounds_.push_back(p.high);
    }
    std::sort(bounds_.begin(), bounds_.end());
    bounds_.erase(std::unique(bounds_.begin(), bounds_.end()), bounds_.end());
    const size_t stretches = bounds_.empty() ? 0 : bounds_.size() - 1;
    steps_.assign(stretches, -1.0);
    std::sort(pieces_.begin(), pieces_.end(),
              [](const Piece& a, const Piece& b) { return a.step < b.step; });
    // next[j] == j: stretch j unpainted; the extra entry ends every run.
    std::vector<size_t> next(stretches + 1);
    std::iota(next.begin(), next.end(), size_t{0});
    for (const Piece& p : pieces_) {
        const auto from = static_cast<size_t>(
            std::lower_bound(bounds_.begin(), bounds_.end(), p.low) - bounds_.begin());
        const auto to = static_cast<size_t>(
            std::lower_bound(bounds_.begin(), bounds_.end(), p.high) - bounds_.begin());
        for (size_t j = unpainted(next, from); j < to; j = unpainted(next, j)) {
            steps_[j] = p.step;
            next[j] = j + 1;
        }
    }
    pieces_.clear();
    pieces_.shrink_to_fit();
}

std::vector<SurfaceLevelSteps::Span>
SurfaceLevelSteps::spansOf(const std::vector<float>& levels) const
{
    assert(std::is_sorted(levels.begin(), levels.end()));
    const size_t m = levels.size();
    // For each level: the highest range end below it, the lowest at or above it (each found
    // first at the one level it bounds nearest, then carried on to the levels beyond), and the
    // least step of the pieces whose range holds it (low < level <= high).
    std::vector<double> below(m, -kInfinity), above(m, kInfinity), least(m, kInfinity);
    std::vector<char> anyBelow(m, 0), anyAbove(m, 0);
    auto placeEnd = [&](float end, size_t j) {  // the levels from j on lie above the end
        if (j < m && (anyBelow[j] == 0 || end > below[j])) {
            below[j] = end;
            anyBelow[j] = 1;
        }
        if (j > 0 && (anyAbove[j - 1] == 0 || end < above[j - 1])) {
            above[j - 1] = end;
            anyAbove[j - 1] = 1;
        }
    };
    for (const Piece& p : pieces_) {
        const size_t from = atOrBelow(levels, p.low), to = atOrBelow(levels, p.high);
        placeEnd(p.low, from);
        placeEnd(p.high, to);
        for (size_t i = from; i < to; ++i) least[i] = std::min(least[i], p.step);
    }
    for (size_t i = 1; i < m; ++i) {
        if (anyBelow[i - 1] != 0 && (anyBelow[i] == 0 || below[i - 1] > below[i])) {
            below[i] = below[i - 1];
            anyBelow[i] = 1;
        }
    }
    for (size_t i = m; i-- > 1;) {
        if (anyAbove[i] != 0 && (anyAbove[i - 1] == 0 || above[i] < above[i - 1])) {
            above[i - 1] = above[i];
            anyAbove[i - 1] = 1;
        }
    }
    std::vector<Span> spans(m);
    for (size_t i = 0; i < m; ++i) {
        const bool meets = anyBelow[i] != 0 && anyAbove[i] != 0 && least[i] < kInfinity;
        spans[i] = {below[i], above[i], meets ? std::max(least[i], 0.0) : 0.0, meets};
    }
    return spans;
}

void SurfaceLevelSteps::finishFor(std::vector<float> levels)
{
    bounds_.clear();
    steps_.clear();
    std::erase_if(levels, [](float v) { return std::isnan(v); });
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    levels_ = std::move(levels);
    spans_ = spansOf(levels_);
    listed_ = true;
}

SurfaceLevelSteps::Span SurfaceLevelSteps::at(float level) const
{
    if (listed_) {
        // A level that is no number lies below every stretch, as a search of the table finds.
        if (std::isnan(level)) level = -std::numeric_limits<float>::infinity();
        const auto it = std::lower_bound(levels_.begin(), levels_.end(), level);
        if (it != levels_.end() && *it == level)
            return spans_[static_cast<size_t>(it - levels_.begin())];
        return spansOf({level}).front();
    }
    // The stretch j with bounds_[j] < level <= bounds_[j + 1].
    const auto upper = std::lower_bound(bounds_.begin(), bounds_.end(), level) - bounds_.begin();
    const long long j = static_cast<long long>(upper) - 1;
    if (bounds_.empty()) return {-kInfinity, kInfinity, 0.0, false};
    if (j < 0) return {-kInfinity, bounds_.front(), 0.0, false};
    if (j + 1 >= static_cast<long long>(bounds_.size()))
        return {bounds_.back(), kInfinity, 0.0, false};
    const auto i = static_cast<size_t>(j);
    const double step = steps_[i];
    return {bounds_[i], bounds_[i + 1], std::max(step, 0.0), step >= 0.0};
}

long long surfaceCountLevels(double first, double step, double high, double slack)
{
    auto within = [&](long long k) {
        const double level = first + static_cast<double>(k) * step;
        return std::isfinite(level) && (level <= high || level - high <= slack);
    };
    if (!within(0)) return 0;
    if (!(step > 0.0) || !std::isfinite(step)) return 1;
    // The count asked is an int, and the count worked out is at most one more: the guess is
    // bounded so that the adjustments below stay few.
    constexpr long long kMost = 1LL << 40;
    const double guess = std::floor((high + slack - first) / step) + 1.0;
    long long n =
        std::isfinite(guess) ? static_cast<long long>(std::clamp(guess, 1.0, 1.0 * kMost)) : kMost;
    while (n > 1 && !within(n - 1)) --n;
    while (n < kMost && within(n)) ++n;
    return n;
}

std::vector<long long> surfaceThinLevels(long long count,
                                         const std::function<float(long long)>& key,
                                         const SurfaceLevelSteps& steps, bool& leftOut)
{
    std::vector<long long> kept;
    if (count <= 0) return kept;
    const double spanPart =
        (static_cast<double>(key(count - 1)) - static_cast<double>(key(0))) / kLevelSpanParts;
    // The first level from `from` on at or above target (count when none is).
    auto firstAtOrAbove = [&](long long from, double target) {
        long long lo = from, hi = count;
        while (lo < hi) {
            const long long mid = lo + (hi - lo) / 2;
            if (static_cast<double>(key(mid)) >= target) {
                hi = mid;
            } else {
                lo = mid + 1;
            }
        }
        return lo;
    };
    bool any = false, anyMet = false;
    double last = 0.0, lastMet = 0.0;
    for (long long k = 0; k < count;) {
        const double level = key(k);
        const SurfaceLevelSteps::Span span = steps.at(static_cast<float>(level));
        // The least height a level must reach to be kept.
        double need = -kInfinity;
        if (any) {
            need =
                std::max(last + spanPart,
                         static_cast<double>(std::nextafter(static_cast<float>(last), INFINITY)));
        }
        if (span.meets && anyMet) need = std::max(need, lastMet + span.step);
        const bool keep = !any ||
            (level >= last + spanPart && level > last &&
             (!span.meets || !anyMet || level - lastMet >= span.step));
        if (keep) {
            kept.push_back(k);
            any = true;
            last = level;
            if (span.meets) {
                anyMet = true;
                lastMet = level;
            }
            ++k;
            continue;
        }
        leftOut = true;
        // On to the first level that can be kept in this stretch, or else the first beyond it
        // (a stretch above may show lines closer together).
        const double target =
            need <= span.to ? need : std::nextafter(static_cast<float>(span.to), INFINITY);
        k = std::max(k + 1, firstAtOrAbove(k + 1, target));
    }
    // The last level stays, so that the map reaches as far up as asked.
    if (kept.back() != count - 1) kept.push_back(count - 1);
    assert(std::is_sorted(kept.begin(), kept.end()));
    return kept;
}

double surfacePlaneSlope(const SurfacePicturePoint& a, const SurfacePicturePoint& b,
                         const SurfacePicturePoint& c)
{
    const double det = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    const double gx = ((b.z - a.z) * (c.y - a.y) - (c.z - a.z) * (b.y - a.y)) / det;
    const double gy = ((c.z - a.z) * (b.x - a.x) - (b.z - a.z) * (c.x - a.x)) / det;
    return std::hypot(gx, gy);
}

}  // namespace surflib
