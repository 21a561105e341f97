// bands.cpp - the height bands of the level list and the drawing of a segment in their pens.
#include "frame/bands.h"

#include <algorithm>

#include "frame/kernel_layer.h"
#include "frame/numeric.h"
#include "frame/state.h"

using namespace surflib;

namespace surflib {

int surfaceEntryPen() { return surfaceState.saved.entryColour; }

int surfaceFindBand(float z)
{
    const ContourLevelList& l = surfaceState.levels;
    const int count = std::min(l.count, kSurfaceMaxLevels);
    for (int k = 1; k <= count; ++k) {
        if (z <= l.heights[k - 1]) return k;
    }
    return count;
}

namespace {

void selectBandPen(int band)
{
    const ContourLevelList& l = surfaceState.levels;
    const int pen = band >= 1 && band <= kSurfaceMaxLevels ? l.pens[band - 1] : surfaceEntryPen();
    surfaceSelectPen(pen);
}

void drawPiece(float xa, float ya, float xb, float yb, int band)
{
    selectBandPen(band);
    const float x[2] = {xa, xb}, y[2] = {ya, yb};
    const int two = 2;
    surfaceDrawPolyline(two, x, y);
}

}  // namespace

void surfaceDrawBandedSegment(float X1, float X2, float Y1, float Y2, float& z1, float z2,
                              int& band1, int band2)
{
    const ContourLevelList& l = surfaceState.levels;
    float cx = X1, cy = Y1;
    const int b1 = std::clamp(band1, 0, kSurfaceMaxLevels);
    const int b2 = std::clamp(band2, 0, kSurfaceMaxLevels);
    const double dz = static_cast<double>(z2) - z1;
    if (b1 != b2 && dz != 0.0 && b1 >= 1 && b2 >= 1) {
        const bool up = b1 < b2;
        for (int k = up ? b1 : b1 - 1; up ? k <= b2 - 1 : k >= b2; k += up ? 1 : -1) {
            const double t =
                std::clamp((l.heights[k - 1] - static_cast<double>(z1)) / dz, 0.0, 1.0);
            const float nx = surfaceNarrow((1.0 - t) * X1 + t * X2);
            const float ny = surfaceNarrow((1.0 - t) * Y1 + t * Y2);
            drawPiece(cx, cy, nx, ny, up ? k : k + 1);
            cx = nx;
            cy = ny;
        }
    }
    drawPiece(cx, cy, X2, Y2, b2);
    z1 = z2;
    band1 = band2;
}

}  // namespace surflib
