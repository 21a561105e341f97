// network_contour_longforms.cpp - long forms of the network contour maps and band fills: each
// unpacks the window record, translates the contour switch code and the band pen pairs,
// hands over the workspace that holds the network and calls its legacy routine, which does
// every check and report.  The workspace is passed as it stands: the maps keep the network's
// bucket index, gradients and status words in it, as a copy handed back after the call would.
#include <algorithm>
#include <vector>

#include "longform/codes.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr SurfaceCodeRow kContourSwitch[] = {{kSurfContourSwitchOff, 0}, {kSurfContourSwitchOn, 1}};

int contourSwitch(int code) { return surfaceTranslateCode(kContourSwitch, code); }

}  // namespace

void krSetNetworkFrame(const SurfaceExtent& extent, SurfaceWorkspace& ws)
{
    TRISET(extent.xmin, extent.xmax, extent.ymin, extent.ymax, ws.size, ws.words);
}

void krDrawTriangulatedContourMap(const SurfaceExtent& extent, const int& count,
                                  const int& switchCode, SurfaceWorkspace& ws)
{
    const int lineSwitch = contourSwitch(switchCode);
    DRATRI(extent.xmin, extent.xmax, extent.ymin, extent.ymax, count, lineSwitch, ws.size,
           ws.words);
}

void krAddTriangulatedContour(const float& height, const int& switchCode, SurfaceWorkspace& ws)
{
    const int lineSwitch = contourSwitch(switchCode);
    ADTCON(height, lineSwitch, ws.size, ws.words);
}

void krFillTriangulatedContourMap(const SurfaceExtent& extent, const int& count,
                                  const int& switchCode, const int* pens, const int& key,
                                  SurfaceWorkspace& ws)
{
    const int lineSwitch = contourSwitch(switchCode);
    // |count| + 1 pen pairs, one code each, as FILTRI reads them; without pairs no codes, and
    // every band stays unfilled.
    std::vector<int> codes;
    if (pens != nullptr) {
        codes.resize(static_cast<size_t>(count < 0 ? -static_cast<long long>(count) : count) + 1);
        for (size_t k = 0; k < codes.size(); ++k) {
            codes[k] = surfacePenPairRuleA(pens[2 * k], pens[2 * k + 1]);
        }
    }
    FILTRI(extent.xmin, extent.xmax, extent.ymin, extent.ymax, count, lineSwitch,
           codes.empty() ? nullptr : codes.data(), key, ws.size, ws.words);
}

void krAddTriangulatedContourFill(const float& height1, const float& height2, const int& penA,
                                  const int& penB, const int& lines, const int& switchCode,
                                  SurfaceWorkspace& ws)
{
    const int code = surfacePenPairRuleA(penA, penB);
    const int lineSwitch = contourSwitch(switchCode);
    ADTFIL(height1, height2, code, lines, lineSwitch, ws.size, ws.words);
}
