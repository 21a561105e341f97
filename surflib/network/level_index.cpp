// level_index.cpp - the height range over which each triangle of a network can meet a contour
// level, and the triangles bucketed by those ranges, so that the triangles a level meets are
// found without visiting the others.
#include "network/level_index.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "frame/errors.h"
#include "frame/state.h"
#include "network/network.h"

namespace surflib {

namespace {

constexpr float kExcludedMark = -2.0f;  // marks at or below belong to regions
constexpr long long kEntriesPerTriangle = 8;

bool excludedTriangle(const float* work, int t)
{
    if (networkRegionMark(work, t) <= kExcludedMark) return true;
    for (int k = 1; k <= 3; ++k) {
        if (!std::isfinite(networkZ(work, networkVertex(work, t, k)))) return true;
    }
    return false;
}

// The range of the edge curve from vertex a to vertex b: the hull of its Bezier control
// heights, widened by the crossing tolerance and a rounding margin.
void widenByEdgeCurve(const float* work, int a, int b, double& low, double& high)
{
    const double dx = static_cast<double>(networkX(work, b)) - networkX(work, a);
    const double dy = static_cast<double>(networkY(work, b)) - networkY(work, a);
    const double d0 =
        networkPointField(work, a, kNetDzdx) * dx + networkPointField(work, a, kNetDzdy) * dy;
    const double d1 =
        networkPointField(work, b, kNetDzdx) * dx + networkPointField(work, b, kNetDzdy) * dy;
    const double z0 = networkZ(work, a), z1 = networkZ(work, b);
    const double control[4] = {z0, z0 + d0 / 3.0, z1 - d1 / 3.0, z1};
    double lo = control[0], hi = control[0], size = 0.0;
    for (const double c : control) {
        lo = std::min(lo, c);
        hi = std::max(hi, c);
        size = std::max(size, std::fabs(c));
    }
    const double margin = 200.0 * surfaceState.eps + 1.0e-6 * (1.0 + size);
    if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(margin)) {
        low = -std::numeric_limits<double>::infinity();
        high = std::numeric_limits<double>::infinity();
        return;
    }
    low = std::min(low, lo - margin);
    high = std::max(high, hi + margin);
}

// Vertex a of a triangle on the picture, and its height (normalised).
SurfacePicturePoint onPicture(const float* work, int a)
{
    const NetworkLayout& n = surfaceState.network;
    const MapTransform& m = surfaceState.map;
    return {static_cast<double>(networkX(work, a)) * n.xrange * m.scaleX / m.factorX,
            static_cast<double>(networkY(work, a)) * n.yrange * m.scaleY / m.factorY,
            networkZ(work, a)};
}

// The height step (normalised) at which the lines of two levels stand a resolution of the
// picture apart in triangle t: on the plane through its vertices, or on a plane rising over
// the range low..high along its longest side where that is steeper (a curved surface whose
// range reaches beyond its vertices'); 0 where there is nothing to measure.
double showableStepOf(const float* work, int t, double low, double high)
{
    const MapTransform& m = surfaceState.map;
    const double resolution = std::max(std::fabs(static_cast<double>(m.mapWidth)),
                                       std::fabs(static_cast<double>(m.mapHeight))) /
        kLinesAcrossMap;
    const SurfacePicturePoint a = onPicture(work, networkVertex(work, t, 1)),
                              b = onPicture(work, networkVertex(work, t, 2)),
                              c = onPicture(work, networkVertex(work, t, 3));
    // The longest side found by its square, its length taken once.
    const double sides[3][2] = {
        {b.x - a.x, b.y - a.y}, {c.x - b.x, c.y - b.y}, {a.x - c.x, a.y - c.y}};
    int at = 0;
    double most = -1.0;
    for (int k = 0; k < 3; ++k) {
        const double square = sides[k][0] * sides[k][0] + sides[k][1] * sides[k][1];
        if (!(square <= most)) {
            most = square;
            at = k;
        }
    }
    const double longest = std::hypot(sides[at][0], sides[at][1]);
    double slope = (high - low) / longest;
    const double plane = surfacePlaneSlope(a, b, c);
    if (std::isfinite(plane) && !(plane <= slope)) slope = plane;
    const double step = slope * resolution;
    return std::isfinite(step) && step > 0.0 ? step : 0.0;
}

}  // namespace

NetworkLevelIndex::NetworkLevelIndex(const float* work)
    : curved_(surfaceFlagOn(surfaceState.networkContour.curvedContours)), work_(work)
{
    const int T = std::max(0, surfaceState.network.triangleCount);
    const auto size = static_cast<size_t>(T) + 1;
    low_.assign(size, 0.0f);
    high_.assign(size, 0.0f);
    candidate_.assign(size, 0);
    std::vector<char> excluded(size, 1);
    std::vector<int> eligible;
    for (int t = 1; t <= T; ++t)
        excluded[static_cast<size_t>(t)] = excludedTriangle(work, t) ? 1 : 0;
    const bool cubic = surfaceState.networkSettings.interpolationMethod == 2;
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (int t = 1; t <= T; ++t) {
        const auto i = static_cast<size_t>(t);
        for (int k = 1; k <= 3; ++k) {
            const int nb = networkNeighbour(work, t, k);
            if (excluded[i] != 0) {
                if (nb >= 1 && nb <= T && excluded[static_cast<size_t>(nb)] == 0)
                    candidate_[static_cast<size_t>(nb)] = 1;
            } else if (nb == 0) {
                candidate_[i] = 1;
            }
        }
        if (excluded[i] != 0) continue;
        eligible.push_back(t);
        double lo = kInf, hi = -kInf;
        for (int k = 1; k <= 3; ++k) {
            const double z = networkZ(work, networkVertex(work, t, k));
            lo = std::min(lo, z);
            hi = std::max(hi, z);
        }
        if (curved_) {
            if (!cubic) {
                lo = -kInf;
                hi = kInf;
            } else {
                for (int k = 1; k <= 3; ++k) {
                    widenByEdgeCurve(work, networkVertex(work, t, k),
                                     networkVertex(work, t, k % 3 + 1), lo, hi);
                }
            }
        }
        // Rounded outwards, so that the float range holds the double one.
        low_[i] = static_cast<float>(lo);
        high_[i] = static_cast<float>(hi);
        if (static_cast<double>(low_[i]) > lo)
            low_[i] = std::nextafter(low_[i], -std::numeric_limits<float>::infinity());
        if (static_cast<double>(high_[i]) < hi)
            high_[i] = std::nextafter(high_[i], std::numeric_limits<float>::infinity());
    }
    if (eligible.empty()) return;

    // Buckets of equal height over the finite ranges: as many as the triangles while each
    // triangle spans few of them, fewer where the ranges are wide.
    double top = -kInf;
    base_ = kInf;
    for (const int t : eligible) {
        const auto i = static_cast<size_t>(t);
        if (std::isfinite(low_[i])) base_ = std::min(base_, static_cast<double>(low_[i]));
        if (std::isfinite(high_[i])) top = std::max(top, static_cast<double>(high_[i]));
    }
    if (!std::isfinite(base_)) base_ = std::isfinite(top) ? top : 0.0;
    if (!(top > base_)) top = base_;
    const long long count = static_cast<long long>(eligible.size());
    long long entries = 0;
    // A triangle whose range spans the share f of the heights takes at most f B + 2 of B
    // buckets: the count is started where that bound keeps within the entries allowed, so that
    // it is seldom halved below.
    double spanned = 0.0;
    if (top > base_) {
        for (const int t : eligible) {
            const auto i = static_cast<size_t>(t);
            const double lo = std::max(static_cast<double>(low_[i]), base_);
            const double hi = std::min(static_cast<double>(high_[i]), top);
            if (hi > lo) spanned += (hi - lo) / (top - base_);
        }
    }
    const double fits = spanned > 0.0 ? static_cast<double>(count) / spanned : 1.0e18;
    buckets_ = static_cast<int>(std::clamp(fits, 1.0, static_cast<double>(count)));
    for (;;) {
        width_ = (top - base_) / buckets_;
        if (!(width_ > 0.0) || !std::isfinite(width_)) {
            buckets_ = 1;
            width_ = 1.0;
        }
        entries = 0;
        for (const int t : eligible) {
            const auto i = static_cast<size_t>(t);
            entries += bucketOf(high_[i]) - bucketOf(low_[i]) + 1;
        }
        if (buckets_ == 1 || entries <= kEntriesPerTriangle * count + 64) break;
        buckets_ = (buckets_ + 1) / 2;
    }
    first_.assign(static_cast<size_t>(buckets_) + 1, 0);
    for (const int t : eligible) {
        const auto i = static_cast<size_t>(t);
        for (int b = bucketOf(low_[i]); b <= bucketOf(high_[i]); ++b)
            ++first_[static_cast<size_t>(b) + 1];
    }
    for (int b = 0; b < buckets_; ++b)
        first_[static_cast<size_t>(b) + 1] += first_[static_cast<size_t>(b)];
    items_.assign(static_cast<size_t>(entries), 0);
    std::vector<int> fill(first_.begin(), first_.end() - 1);
    // Triangles in ascending order, so that every bucket lists them in order.
    for (const int t : eligible) {
        const auto i = static_cast<size_t>(t);
        for (int b = bucketOf(low_[i]); b <= bucketOf(high_[i]); ++b)
            items_[static_cast<size_t>(fill[static_cast<size_t>(b)]++)] = t;
    }
}

int NetworkLevelIndex::bucketOf(double z) const
{
    if (!(z > base_)) return 0;
    const double f = (z - base_) / width_;
    if (!(f < buckets_)) return buckets_ - 1;
    return static_cast<int>(f);
}

bool NetworkLevelIndex::meets(int t, float level) const
{
    const auto i = static_cast<size_t>(t);
    // Straight lines: a vertex below the level and one on or above it.
    if (!curved_) return low_[i] < level && level <= high_[i];
    return low_[i] <= level && level <= high_[i];
}

const std::vector<int>& NetworkLevelIndex::meeting(float level)
{
    met_.clear();
    if (buckets_ < 1 || std::isnan(level)) return met_;
    const auto b = static_cast<size_t>(bucketOf(level));
    for (int j = first_[b]; j < first_[b + 1]; ++j) {
        const int t = items_[static_cast<size_t>(j)];
        if (meets(t, level)) met_.push_back(t);
    }
    return met_;
}

double NetworkLevelIndex::showableStep() const
{
    double step = INFINITY;
    for (const int t : met_) {
        const auto i = static_cast<size_t>(t);
        step = std::min(step, showableStepOf(work_, t, low_[i], high_[i]));
    }
    return met_.empty() ? 0.0 : step;
}

void NetworkLevelIndex::addSteps(SurfaceLevelSteps& steps, const std::vector<float>* asked) const
{
    std::vector<float> levels;
    if (asked != nullptr) {
        std::copy_if(asked->begin(), asked->end(), std::back_inserter(levels),
                     [](float v) { return !std::isnan(v); });
        std::sort(levels.begin(), levels.end());
    }
    for (size_t i = 1; i < low_.size(); ++i) {
        // Curved lines also meet a level at the low end of the range: it is taken in.
        const float low = curved_ ? std::nextafter(low_[i], -INFINITY) : low_[i];
        if (!(low < high_[i])) continue;  // meets no level
        const bool needed = asked == nullptr || surfaceLevelsMeet(levels, low, high_[i]);
        steps.add(low, high_[i],
                  needed ? showableStepOf(work_, static_cast<int>(i), low_[i], high_[i]) : 0.0);
    }
}

}  // namespace surflib
