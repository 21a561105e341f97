// tterrlib.h - the surface library TTERRLIB: contour maps of gridded, scattered and function
// data, triangulated networks and projected surfaces.
//
// Every routine exists as a legacy routine (short upper-case name, positional arguments) and,
// for most, as a long form (kr prefix) that takes records and symbolic codes and calls its
// legacy routine.  Calling convention: every argument by reference (inputs const, outputs and
// in/out non-const), arrays as pointers, a text as (pointer, length) with the length by value
// right after it.  Integers are 32-bit, reals single precision.  Errors and warnings are
// reported through the graphics kernel as numbers moved 1000 away from zero.
#ifndef TTERRLIB_H
#define TTERRLIB_H

// ---- Records of the long forms --------------------------------------------------------------

// The caller's workspace: size words (4 bytes each) made by krMakeWorkspace and released by
// krFreeWorkspace.  A record declared without an initialiser starts empty.
struct SurfaceWorkspace {
    int size = 0;
    float* words = nullptr;
};

// {xmin, xmax, ymin, ymax}
struct SurfaceExtent {
    float xmin, xmax, ymin, ymax;
};

// Points of polylines, contour data sets and scattered data.
struct SurfacePoint2 {
    float x, y;
};
struct SurfacePoint3 {
    float x, y, z;
};

// A point in the kernel's picture space.
struct SurfacePicturePoint {
    float X, Y;
};

// Symbolic codes of the long forms and the legacy values they stand for.
enum SurfaceLongFormCode {
    kSurfContourSwitchOff = 32766,        // 0 (also the data-set kind 0)
    kSurfContourSwitchOn = 32465,         // 1
    kSurfLabelsLeftToRight = 32490,       // 0
    kSurfLabelsAlongLine = 32489,         // 1
    kSurfRandomMethod1 = 32767,           // 1
    kSurfRandomMethod2 = 32471,           // 2
    kSurfMarkerPlain = 32765,             // +symbol
    kSurfMarkerWithValue = 32464,         // -symbol
    kSurfMapFrameType0 = 32488,
    kSurfMapFrameType1 = 32762,
    kSurfMapFrameType2 = 32499,
    kSurfScaleFirstOn = 32486,
    kSurfScaleFirstOff = 32485,
    kSurfScaleSecondOff = 32484,
    kSurfScaleSecondOn = 32483,
    kSurfCharModeOff = 32761,             // 0
    kSurfCrossFrameType0 = 32477,
    kSurfCrossFrameType1 = 32476,
    kSurfCrossFrameType2 = 32475,
    kSurfCrossFrameType3 = 32474,
    kSurfTitlesNone = 32496,              // -2
    kSurfTitlesNoFactor = 32495,          // -1
    kSurfTitleContourHeight = 32494,      // 4
    kSurfTitleContourStep = 32493,        // 5
    kSurfTitleXLimits = 32492,            // 6
};

// ---- Library open and close -------------------------------------------------------------------
void SURF();
void SUREND();
void krOpenSurf();
void krCloseSurf();

// ---- Workspace ------------------------------------------------------------------------------
// n <= 0 stores the size only; a new array starts all zero; an attached array is released.
void krMakeWorkspace(const int& n, SurfaceWorkspace& ws);
void krFreeWorkspace(SurfaceWorkspace& ws);

// ---- Map coordinates ------------------------------------------------------------------------
void CONSPA(const float& x, const float& y, float& X, float& Y);
void SPACON(const float& X, const float& Y, float& x, float& y);
void krTransformMapCoord(const float& x, const float& y, SurfacePicturePoint& point);
void krTransformToMapCoord(const float& X, const float& Y, SurfacePoint2& point);

// ---- Gridded contour maps, gridding and band fills -------------------------------------------
// The user height function f(x, y) of the function-gridding routines, called once per node.
using SurfaceHeightFunction = float (*)(const float& x, const float& y);

// z: nx by ny heights, x fastest.  switch 0 plain lines, 1 smoothed lines.  The workspace
// keeps the map's grid for ADDCON, ADDFIL, CONPTS, CONHGT and cross-sections.
void DRACON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch,
            const int& wsize, float* work);
void GRDCON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch);
void ADDCON(const float& level, const int& lineSwitch, const int& wsize, float* work);
// Scattered points (at least 9) onto the nx by ny grid over the window; zgrid: nx * ny.
void RANGRD(const int& npts, float* x, float* y, float* z, const int& nx, const float& xmin,
            const float& xmax, const int& ny, const float& ymin, const float& ymax, float* zgrid,
            const int& wsize, float* work);
void FUNGRD(SurfaceHeightFunction f, const int& nx, const float& xmin, const float& xmax,
            const int& ny, const float& ymin, const float& ymax, float* zgrid, const int& wsize,
            float* work);
void RANCON(const int& npts, float* x, float* y, float* z, const int& ncont,
            const int& lineSwitch);
void FUNCON(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            SurfaceHeightFunction f, const int& ncont, const int& lineSwitch);
// codes: ncont + 1 fill codes, used band by band in turn.  key 1 draws the fill key.
void FILCON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch,
            const int* codes, const int& key, const int& wsize, float* work);
void ADDFIL(const float& z1, const float& z2, const int& code, const int& lines,
            const int& lineSwitch, const int& wsize, float* work);

// Switch codes: kSurfContourSwitchOff, kSurfContourSwitchOn.  The workspace of the drawing and
// gridding long forms comes back holding the map or grid; the gridding long forms make it anew.
void krAddGriddedContour(const float& height, const int& switchCode, SurfaceWorkspace& ws);
void krDrawGriddedContourMap(const SurfaceExtent& extent, const int& nx, const int& ny,
                             const float* z, const int& count, const int& switchCode,
                             SurfaceWorkspace& ws);
// pens: count + 1 pen pairs (a, b) as pens[2k], pens[2k + 1].
void krFillGriddedContourMap(const SurfaceExtent& extent, const int& nx, const int& ny,
                             const float* z, const int& count, const int& switchCode,
                             const int* pens, const int& key, SurfaceWorkspace& ws);
void krAddGriddedContourFill(const float& height1, const float& height2, const int& penA,
                             const int& penB, const int& lines, const int& switchCode,
                             SurfaceWorkspace& ws);
void krGenerateRandomGrid(const int& n, const SurfacePoint3* points, const SurfaceExtent& extent,
                          const int& nx, const int& ny, float* grid, SurfaceWorkspace& ws);
void krGenerateFunctionGrid(SurfaceHeightFunction f, const SurfaceExtent& extent, const int& nx,
                            const int& ny, float* grid, SurfaceWorkspace& ws);

// ---- Contour map settings -------------------------------------------------------------------
void CIRPTS(const int& n);
void CONANN(const int& skip, const float& spacing, const float& size, const int& width,
            const int& decimals, const int& exponent, const int& pen, const int& alongLine);
void LEVELS(const float& zlow, const float& zhigh);
void CONDEF(const int& n, const float* z);
void RANINT(const int& method, const float& value);
void RANPTS(const int& marker);
void CONBND(const float& xmin, const float& xmax, const float& ymin, const float& ymax);
void CONLIN(const int& framePen, const int& linePen, const int& majorPen, const int& majorEvery);
void CONFRA(const int& type);
void CONSWI(const int& value);
void CONSCA(const float& s1, const float& s2, const float& s3, const int& kind);
void TITSTR(const char* text, int length);
void SURMOD(const int& mode);
void CRSFRA(const int& type);
void CRSBND(const float& xmin, const float& xmax, const float& ymin, const float& ymax);
void ANNSTR(const int& selector, const char* text, int length);

void krSetInterpolationPatch(const int& n);
void krSetContourAnnotation(const int& skip, const float& spacing, const float& size,
                            const int& width, const int& decimals, const int& exponent,
                            const int& pen, const int& alongLineCode);
void krSetContourLimits(const float& zlow, const float& zhigh);
void krSetContourLevels(const int& n, const float* heights);
void krSetRandomInterpolation(const int& methodCode, const float& value);
void krSetRandomPointMarker(const int& markerCode, const int& symbol);
void krSetContourMapFrame(const SurfaceExtent& extent);
// The major-line pen is a pen pair (a, b): a < 0 not drawn, a = 0 colour b, a > 0 and b = 0
// line style a, a > 0 and b > 0 kernel pen b.
void krSetContourMapLineStyles(const int& framePen, const int& linePen, const int& majorA,
                               const int& majorB, const int& majorEvery);
void krSetContourMapFrameType(const int& typeCode);
void krSetContourDrawingSwitch(const int& value);
void krSetContourMapFrameScale(const float& s1, const float& s2, const float& s3,
                               const int& firstKindCode, const int& secondKindCode);
void krSetSurfPlotTitle(const char* text, int length);
void krSetSurfCharMode(const int& modeCode);
void krSetCrossSectionFrameType(const int& typeCode);
void krSetCrossSectionFrame(const SurfaceExtent& extent);
void krSetSurfaceAxesTitle(const int& selectorCode, const char* text, int length);

// ---- Overlays, spot heights, contour data sets and cross-sections ---------------------------
// Over the map drawn last (gridded or network map): a polyline and grid lines in map
// coordinates.  The steps of the grid lines are map units; the lines are clipped to the map
// window.
void LINCON(const int& n, const float* x, const float* y);
void CONGRD(const float& x1, const float& x2, const float& xstep, const float& y1, const float& y2,
            const float& ystep);
// The height of the gridded map drawn last at the map point (x, y); the workspace of that map.
void CONHGT(const float& x, const float& y, float& z, const int& wsize, const float* work);
// The contour at height z on the gridded map drawn last.  kind 0 plain, 1 smoothed; draw 1
// also draws it and lists the level.  npts, nlines: capacities in, counts out (nlines may
// exceed its capacity; only that many lengths are stored).
void CONPTS(const float& z, const int& kind, const int& draw, int& npts, float* x, float* y,
            int& nlines, int* lengths, const int& wsize, float* work);
// A vertical section from map point (x1, y1) to (x2, y2) through the map, isometric or
// perspective surface drawn last, in a frame of its own.
void CRSSEC(const float& x1, const float& y1, const float& x2, const float& y2, const int& wsize,
            float* work);

void krAddContourPolyline(const int& n, const SurfacePoint2* points);
// extent: {x from, x to, y from, y to}.
void krAddContourMapGrid(const SurfaceExtent& extent, const float& xstep, const float& ystep);
void krReturnContourSpotHeight(const float& x, const float& y, float& z,
                               const SurfaceWorkspace& ws);
// kindCode: kSurfContourSwitchOff or kSurfContourSwitchOn; points: n records (capacity in,
// count out); lengths: lineCount entries (capacity in, count out).
void krReturnContourDataset(const float& height, const int& kindCode, const int& drawSwitch, int& n,
                            SurfacePoint2* points, int& lineCount, int* lengths,
                            const SurfaceWorkspace& ws);
void krDrawGriddedCrossSection(const float& x1, const float& y1, const float& x2, const float& y2,
                               const SurfaceWorkspace& ws);

#endif
