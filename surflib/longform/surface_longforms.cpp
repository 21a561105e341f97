// surface_longforms.cpp - long forms of the projected-surface routines: symbolic codes and pen
// pairs translated, extent, range and point records unpacked into the legacy arguments,
// workspaces passed as size and array, and exactly one legacy routine called, which makes
// every check and report.
#include <cstddef>
#include <vector>

#include "frame/state.h"
#include "longform/codes.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr SurfaceCodeRow kBaseTypes[] = {{kSurfBaseType0, 0},
                                         {kSurfBaseType1, 1},
                                         {kSurfBaseType2, 2},
                                         {kSurfBaseType3, 3},
                                         {kSurfBaseType4, 4}};
constexpr SurfaceCodeRow kHiddenSwitch[] = {{kSurfHiddenLinesOff, 0}, {kSurfHiddenLinesOn, 1}};
constexpr SurfaceCodeRow kGridMode[] = {{kSurfGridModeBoth, 0}};
constexpr SurfaceCodeRow kAnnotationAxis[] = {{kSurfGridModeBoth, 4}};
constexpr SurfaceCodeRow kAxisStyles[] = {
    {kSurfAxisStyle1, 1}, {kSurfAxisStyle2, 2}, {kSurfAxisStyle3, 3}};
constexpr SurfaceCodeRow kAxisSides[] = {
    {kSurfAxisSide1, 1}, {kSurfAxisSide2, 2}, {kSurfAxisSide3, 3}};

float* dataOf(std::vector<float>& v) { return v.empty() ? nullptr : v.data(); }

}  // namespace

void krSetSurfaceBaseStyle(const int& styleCode, const SurfacePenPair* pens)
{
    // A code without a translation repeats the style passed by the call before.
    int& previous = surfaceLongFormMemory.baseStyle;
    int style = previous;
    if (styleCode == 0 || styleCode == kSurfBaseStyleZero) style = 0;
    if (styleCode == kSurfBaseStyleNone) style = -1;
    if (styleCode == kSurfBaseStyleOne) style = 1;
    previous = style;
    int legacy[3] = {-1, -1, -1};
    for (int k = 0; k < 3 && pens != nullptr; ++k)
        legacy[k] = surfacePenPairRuleA(pens[k].a, pens[k].b);
    PRJBAS(style, legacy);
}

void krSetHeightRatio(const float& ratio) { HEIRAT(ratio); }

void krSetSurfaceAxesRatio(const float& ratio) { XYRAT(ratio); }

void krAddSurfacePolyline(const int& n, const SurfacePoint3* points)
{
    std::vector<float> x, y, z;
    if (n >= 1 && points != nullptr) {
        for (int k = 0; k < n; ++k) {
            x.push_back(points[k].x);
            y.push_back(points[k].y);
            z.push_back(points[k].z);
        }
    }
    // Missing points reach LINPRJ as missing arrays, which it reports.
    LINPRJ(n, dataOf(x), dataOf(y), dataOf(z));
}

void krSetSurfaceFrame(const SurfaceExtent& extent)
{
    PRJBND(extent.xmin, extent.xmax, extent.ymin, extent.ymax);
}

void krSetSurfaceBaseType(const int& typeCode)
{
    PRJFRA(surfaceTranslateCode(kBaseTypes, typeCode));
}

void krSetSurfaceGridInterval(const int& nx, const int& ny) { PRJGRD(nx, ny); }

void krReturnSurfaceSpotHeight(const float& x, const float& y, float& z, const SurfaceWorkspace& ws)
{
    PRJHGT(x, y, z, ws.size, ws.words);
}

void krSetSurfaceHiddenLineSwitch(const int& switchCode)
{
    PRJHID(surfaceTranslateCode(kHiddenSwitch, switchCode));
}

void krSetSurfaceLineStyles(const int& pen1, const int& pen2, const SurfacePenPair& pen3)
{
    PRJLIN(pen1, pen2, surfacePenPairRuleA(pen3.a, pen3.b));
}

void krSetSurfaceAxesIntervals(const float& dx, const float& dy, const float& dz)
{
    PRJSCA(dx, dy, dz);
}

void krSetSurfaceGridMode(const int& modeCode)
{
    PRJSEC(surfaceTranslateCode(kGridMode, modeCode));
}

void krSetSurfaceLevelLimits(const float& z1, const float& z2) { PRJLEV(z1, z2); }

void krTransformSurfaceCoord(const float& x, const float& y, const float& z,
                             SurfacePicturePoint& point)
{
    float X = point.X, Y = point.Y;
    PERSPA(x, y, z, X, Y);
    point.X = X;
    point.Y = Y;
}

void krSetSurfaceAxesAnnotation(const int& axisCode, const int& width, const int& decimals,
                                const int& exponent)
{
    ANNDIG(surfaceTranslateCode(kAnnotationAxis, axisCode), width, decimals, exponent);
}

void krReturnSurfaceProfile(int& n, SurfacePoint2* points, const int& drawSwitch,
                            SurfaceWorkspace& ws)
{
    const int capacity = points != nullptr && n > 0 ? n : 0;
    std::vector<float> x(static_cast<std::size_t>(capacity)), y(static_cast<std::size_t>(capacity));
    int count = points != nullptr ? n : 0;
    PERPRO(count, dataOf(x), dataOf(y), drawSwitch, ws.size, ws.words);
    for (int k = 0; k < count && k < capacity; ++k) {
        points[k].x = x[k];
        points[k].y = y[k];
    }
    n = count;
}

void krDrawWireFrameSurface(const SurfaceExtent& extent, const int& nx, const int& ny,
                            const float* z, float& distance, const float& elevation,
                            const float& azimuth, SurfaceWorkspace& ws)
{
    PERPRJ(nx, extent.xmin, extent.xmax, ny, extent.ymin, extent.ymax, z, distance, elevation,
           azimuth, ws.size, ws.words);
}

void krDrawLineStyleSurface(const SurfaceExtent& extent, const int& nx, const int& ny,
                            const float* z, float& distance, const float& elevation,
                            const float& azimuth, const int& n, const SurfacePenPair* pens,
                            const int& keySwitch, SurfaceWorkspace& ws)
{
    std::vector<int> legacy;
    if (n >= 0 && n <= 99 && pens != nullptr) {
        for (int k = 0; k <= n; ++k) legacy.push_back(surfacePenPairRuleB(pens[k].a, pens[k].b));
    }
    PERLI3(nx, extent.xmin, extent.xmax, ny, extent.ymin, extent.ymax, z, distance, elevation,
           azimuth, n, legacy.empty() ? nullptr : legacy.data(), keySwitch, ws.size, ws.words);
}

void krFillSurface(const SurfaceExtent& extent, const int& nx, const int& ny, const float* z,
                   float& distance, const float& elevation, const float& azimuth,
                   const float* fillArray, SurfaceWorkspace& ws)
{
    PERFIL(nx, extent.xmin, extent.xmax, ny, extent.ymin, extent.ymax, z, distance, elevation,
           azimuth, fillArray, ws.size, ws.words);
}

void krSetContourMapHeight(const int& switchCode, const float& height)
{
    CONPER(switchCode, height);
}

void krFillProjectedPolygon(const int& n, const SurfacePoint2* points, const float& height,
                            const SurfacePenPair& pen)
{
    std::vector<float> x, y;
    if (n >= 1 && points != nullptr) {
        for (int k = 0; k < n; ++k) {
            x.push_back(points[k].x);
            y.push_back(points[k].y);
        }
    }
    // Missing points reach COPPRJ as missing arrays, which it reports.
    COPPRJ(n, dataOf(x), dataOf(y), height, surfacePenPairRuleA(pen.a, pen.b));
}

void krSetPerspProjection(const SurfaceRange& range, float& distance, const float& elevation,
                          const float& azimuth)
{
    PERSET(range.xmin, range.xmax, range.ymin, range.ymax, range.zmin, range.zmax, distance,
           elevation, azimuth);
}

void krDrawSurfaceAxes(SurfaceWorkspace& ws) { PERAXE(ws.size, ws.words); }

void krSetSurfaceAxesStyle(const int* codes1, const int* codes2)
{
    // Long-form entries 1, 3, 5 are the legacy 1, 2, 3 and entries 2, 4, 6 the legacy 4, 5, 6.
    static const int kFrom[6] = {0, 2, 4, 1, 3, 5};
    int a[6], b[6];
    for (int k = 0; k < 6; ++k) {
        a[k] = codes1 != nullptr ? surfaceTranslateCode(kAxisStyles, codes1[kFrom[k]]) : -1;
        b[k] = codes2 != nullptr ? surfaceTranslateCode(kAxisSides, codes2[kFrom[k]]) : -1;
    }
    PRJAXI(a, b);
}
