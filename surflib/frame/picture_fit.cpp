// picture_fit.cpp - the fit of a projected picture box into its frame.
#include "frame/picture_fit.h"

#include <algorithm>
#include <cmath>

#include "frame/map_transform.h"
#include "frame/numeric.h"
#include "frame/state.h"

using namespace surflib;

namespace {

// The map point of walk-axis values (a along the first axis, b along the second).
void walkToMap(const ProjectionTerms& p, float a, float b, float& x, float& y)
{
    const bool firstIsX = p.viewQuadrant == 0 || p.viewQuadrant == 2;
    x = firstIsX ? a : b;
    y = firstIsX ? b : a;
}

// The eight corners of the picture box in the order of boxCorners: base 1-4, top 5-8.
void boxCorner(const ProjectionTerms& p, int k, float zlow, float zhigh, float& x, float& y,
               float& z)
{
    const int c = k % 4;
    const float a = (c == 0 || c == 3) ? p.firstTo : p.firstFrom;
    const float b = (c <= 1) ? p.secondFrom : p.secondTo;
    walkToMap(p, a, b, x, y);
    z = k < 4 ? zlow : zhigh;
}

}  // namespace

namespace surflib {

bool surfacePictureFitted()
{
    const SurfaceLibraryState& s = surfaceState;
    return s.projection.frameWidth >= s.eps && s.projection.frameHeight >= s.eps;
}

void surfaceFitPictureToFrame(float xmin, float xmax, float ymin, float ymax, float zlow,
                              float zhigh)
{
    (void)xmin, (void)xmax, (void)ymin, (void)ymax;
    SurfaceLibraryState& s = surfaceState;
    ProjectionTerms& p = s.projection;
    const SurfaceSettings& surf = s.surface;
    const float cw = s.digitWidth, ch = s.charHeight;
    double width = 0.0, height = 0.0;
    if (surfaceFlagOn(surf.surfaceFrameSet)) {
        p.frameX = std::min(surf.surfaceFrame[0], surf.surfaceFrame[1]);
        p.frameY = std::min(surf.surfaceFrame[2], surf.surfaceFrame[3]);
        width = std::fabs(static_cast<double>(surf.surfaceFrame[1]) - surf.surfaceFrame[0]);
        height = std::fabs(static_cast<double>(surf.surfaceFrame[3]) - surf.surfaceFrame[2]);
    } else {
        p.frameX = s.plotX1 + 10.0f * cw;
        p.frameY = s.plotY1 + 10.0f * ch;
        width = s.plotWidth - 20.0 * cw;
        height = s.plotHeight - 16.0 * ch;
        if (surfaceFlagOn(surf.keyOn) || surfaceFlagOn(s.fillKeyOn)) {
            width -= 15.0 * cw;
            if (surfaceFlagOn(surf.annotationOn[2]) && surfaceFlagOn(s.contour.labelFixedFormat)) {
                width += -(surf.annotationWidth[2] + 1.0) * cw +
                    0.75 * (s.contour.labelWidth + 1.0) * cw;
            }
        }
    }
    p.frameWidth = surfaceNarrow(width);
    p.frameHeight = surfaceNarrow(height);
    if (!(width >= s.eps) || !(height >= s.eps)) return;

    p.zOrigin = zlow;
    p.rawXMin = p.rawYMin = 0.0f;
    p.scaleX = p.scaleY = 1.0f;
    double lowX = 1e6, highX = -1e6, lowY = 1e6, highY = -1e6;
    for (int k = 0; k < 8; ++k) {
        float x = 0.0f, y = 0.0f, z = 0.0f, X = 0.0f, Y = 0.0f;
        boxCorner(p, k, zlow, zhigh, x, y, z);
        if (!surfaceProjectFinite(x, y, z, X, Y)) {
            p.frameWidth = p.frameHeight = 0.0f;
            return;
        }
        lowX = std::min(lowX, X - static_cast<double>(p.frameX));
        highX = std::max(highX, X - static_cast<double>(p.frameX));
        lowY = std::min(lowY, Y - static_cast<double>(p.frameY));
        highY = std::max(highY, Y - static_cast<double>(p.frameY));
    }
    const double spanX = highX - lowX, spanY = highY - lowY;
    if (!(spanX > 0.0) || !(spanY > 0.0)) {
        p.frameWidth = p.frameHeight = 0.0f;
        return;
    }
    p.rawXMin = surfaceNarrow(lowX);
    p.rawXMax = surfaceNarrow(highX);
    p.rawYMin = surfaceNarrow(lowY);
    p.rawYMax = surfaceNarrow(highY);
    double sx = width / spanX, sy = height / spanY;
    if (sx > sy) {
        sx = sy;
        width = sy * spanX;
    } else {
        sy = sx;
        height = sx * spanY;
    }
    p.scaleX = surfaceNarrow(sx);
    p.scaleY = surfaceNarrow(sy);
    p.frameWidth = surfaceNarrow(width);
    p.frameHeight = surfaceNarrow(height);
    p.vanishX = surfaceNarrow(p.frameX - sx * lowX);
    p.vanishY = surfaceNarrow(
        (std::tan(static_cast<double>(p.tiltAngle)) * p.eyeDistance - lowY) * sy + p.frameY);
    for (int k = 0; k < 8; ++k) {
        float x = 0.0f, y = 0.0f, z = 0.0f;
        boxCorner(p, k, zlow, zhigh, x, y, z);
        surfaceProjectPoint(x, y, z, p.boxCorners[k][0], p.boxCorners[k][1]);
    }
}

bool surfaceProjectFinite(float x, float y, float z, float& X, float& Y)
{
    float PX = 0.0f, PY = 0.0f;
    if (!surfaceProjectPoint(x, y, z, PX, PY) || !std::isfinite(PX) || !std::isfinite(PY))
        return false;
    X = PX;
    Y = PY;
    return true;
}

}  // namespace surflib
