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

#include "tarvconfig.h"

TARV_API_BEGIN

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
    kSurfContourSwitchOff = 32766,   // 0 (also the data-set kind 0)
    kSurfContourSwitchOn = 32465,    // 1
    kSurfLabelsLeftToRight = 32490,  // 0
    kSurfLabelsAlongLine = 32489,    // 1
    kSurfRandomMethod1 = 32767,      // 1
    kSurfRandomMethod2 = 32471,      // 2
    kSurfMarkerPlain = 32765,        // +symbol
    kSurfMarkerWithValue = 32464,    // -symbol
    kSurfMapFrameType0 = 32488,
    kSurfMapFrameType1 = 32762,
    kSurfMapFrameType2 = 32499,
    kSurfScaleFirstOn = 32486,
    kSurfScaleFirstOff = 32485,
    kSurfScaleSecondOff = 32484,
    kSurfScaleSecondOn = 32483,
    kSurfCharModeOff = 32761,  // 0
    kSurfCrossFrameType0 = 32477,
    kSurfCrossFrameType1 = 32476,
    kSurfCrossFrameType2 = 32475,
    kSurfCrossFrameType3 = 32474,
    kSurfTitlesNone = 32496,          // -2
    kSurfTitlesNoFactor = 32495,      // -1
    kSurfTitleContourHeight = 32494,  // 4
    kSurfTitleContourStep = 32493,    // 5
    kSurfTitleXLimits = 32492,        // 6
    // triangulated networks
    kSurfNetMethodLinear = 32470,       // 0 (32767: 1, the local fit)
    kSurfNetMethodCubic = 32469,        // 2
    kSurfNetWeighting1 = 32468,         // 1 (also 0)
    kSurfNetWeighting2 = 32467,         // 2
    kSurfNetWeighting3 = 32466,         // 3 (1 stands for 4)
    kSurfNetPointInterpolated = 32463,  // 0
    kSurfNetPointHeight = 32462,        // 1
    kSurfNetPointDerivatives = 32461,   // 2
    kSurfNetRegion0 = 32460,            // 0
    kSurfNetRegion1 = 32459,            // 1
    kSurfNetRegion1b = 32458,           // 1
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

// z: nx * ny heights read, x fastest.  ncont: the contour intervals wanted (a negative count
// warns and counts as |ncont|; with the CONDEF list in force the list is read instead).
// switch 0 plain lines, 1 smoothed lines.  work: wsize words, of which the map writes
// 2 * nx * ny (after the 4 npts words of the data points when markers of a random-point map
// are on); it keeps the map's grid for ADDCON, ADDFIL, CONPTS, CONHGT and cross-sections.
// GRDCON works in a 3800-word array of its own: at most 1900 nodes.
void DRACON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch,
            const int& wsize, float* work);
void GRDCON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch);
void ADDCON(const float& level, const int& lineSwitch, const int& wsize, float* work);
// Scattered points onto the nx by ny grid over the window.  x, y, z: npts points read (at
// least 9 with finite values); x and y are rewritten in place while gridding and hold their
// values again afterwards, up to rounding.  zgrid: nx * ny heights written, x fastest.
// work: wsize words, at least 2 * nx * ny + 4 * npts.
void RANGRD(const int& npts, float* x, float* y, float* z, const int& nx, const float& xmin,
            const float& xmax, const int& ny, const float& ymin, const float& ymax, float* zgrid,
            const int& wsize, float* work);
// f called once per node; zgrid: nx * ny heights written, x fastest; work: wsize words, at
// least nx * ny (after the 4 npts words of the data points while point markers are on).
void FUNGRD(SurfaceHeightFunction f, const int& nx, const float& xmin, const float& xmax,
            const int& ny, const float& ymin, const float& ymax, float* zgrid, const int& wsize,
            float* work);
// Maps on the grid size in force, in the library's 3800-word array.  RANCON: x, y, z as for
// RANGRD (npts points read, x and y rewritten and restored), 2 * nx * ny + 4 * npts <= 3800.
void RANCON(const int& npts, float* x, float* y, float* z, const int& ncont, const int& lineSwitch);
void FUNCON(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            SurfaceHeightFunction f, const int& ncont, const int& lineSwitch);
// codes: |ncont| + 1 fill codes read (none when codes is null), used band by band in turn,
// over again when the CONDEF list gives more bands; a negative code leaves its band unfilled.
// key 1 draws the fill key.  work: wsize words, at least 3 * nx * ny + 1000 (after the data
// points as for DRACON).
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
// pens: count + 1 pen pairs (a, b) as pens[2k], pens[2k + 1] read when count >= 0; none for
// a negative count (every band unfilled).
void krFillGriddedContourMap(const SurfaceExtent& extent, const int& nx, const int& ny,
                             const float* z, const int& count, const int& switchCode,
                             const int* pens, const int& key, SurfaceWorkspace& ws);
void krAddGriddedContourFill(const float& height1, const float& height2, const int& penA,
                             const int& penB, const int& lines, const int& switchCode,
                             SurfaceWorkspace& ws);
// points: n read; grid: nx * ny heights written, x fastest.
void krGenerateRandomGrid(const int& n, const SurfacePoint3* points, const SurfaceExtent& extent,
                          const int& nx, const int& ny, float* grid, SurfaceWorkspace& ws);
// grid: nx * ny heights written, x fastest.
void krGenerateFunctionGrid(SurfaceHeightFunction f, const SurfaceExtent& extent, const int& nx,
                            const int& ny, float* grid, SurfaceWorkspace& ws);

// ---- Contour map settings -------------------------------------------------------------------
void CIRPTS(const int& n);
void CONANN(const int& skip, const float& spacing, const float& size, const int& width,
            const int& decimals, const int& exponent, const int& pen, const int& alongLine);
void LEVELS(const float& zlow, const float& zhigh);
// z: n heights read for n 1..99 (up to the first that does not increase); none otherwise.
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
// heights: as z of CONDEF.
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
// window.  x, y: n points read (none for n below 2).
void LINCON(const int& n, const float* x, const float* y);
void CONGRD(const float& x1, const float& x2, const float& xstep, const float& y1, const float& y2,
            const float& ystep);
// The height of the gridded map drawn last at the map point (x, y); the workspace of that map.
void CONHGT(const float& x, const float& y, float& z, const int& wsize, const float* work);
// The contour at height z on the gridded map drawn last.  kind 0 plain, 1 smoothed; draw 1
// also draws it and lists the level.  x, y: npts points at most written; lengths: nlines
// entries at most written.  npts, nlines: capacities in, counts out (nlines may exceed its
// capacity; only that many lengths are stored).
void CONPTS(const float& z, const int& kind, const int& draw, int& npts, float* x, float* y,
            int& nlines, int* lengths, const int& wsize, float* work);
// A vertical section from map point (x1, y1) to (x2, y2) through the map, isometric or
// perspective surface drawn last, in a frame of its own.
void CRSSEC(const float& x1, const float& y1, const float& x2, const float& y2, const int& wsize,
            float* work);

// points: n read.
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

// ---- Triangulated networks: building, insertion, interpolation, queries ---------------------
// The network lives in the caller's workspace (wsize words) from a successful RANTRI or
// TRIDER; later routines must be given the same workspace with the same size.  The build needs
// wsize >= 36 (npts + 1) + 100; the words beyond the points give room for TRIADD and TRIREG.
// x, y, z: npts points read.
void RANTRI(const int& npts, const float* x, const float* y, const float* z, const int& wsize,
            float* work);
// x, y, z, dzdx, dzdy: npts values each read; dzdx, dzdy are the derivatives of z at each
// point, in the caller's units.
void TRIDER(const int& npts, const float* x, const float* y, const float* z, const float* dzdx,
            const float* dzdy, const int& wsize, float* work);
// kind 0: height interpolated, 1: z given, 2: z and derivatives given.
void TRIADD(const int& kind, const float& x, const float& y, const float& z, const float& dzdx,
            const float& dzdy, const int& wsize, float* work);
// A closed polygon of n points whose edges become network edges and whose triangles are
// marked; regionKind 2 marks the triangles outside the polygon instead.  x, y: n read; z: n
// read for kind 1 and 2; dzdx, dzdy: n read for kind 2 only.
void TRIREG(const int& kind, const int& n, const float* x, const float* y, const float* z,
            const float* dzdx, const float* dzdy, const int& regionKind, const int& wsize,
            float* work);
// method 0 linear, 1 local fit over `neighbours` points, 2 cubic patch; weighting 1..4.
void TRIINT(const int& method, const int& neighbours, const int& weighting);
void TRISTP(const float& step);
void TRIHGT(const float& x, const float& y, float& height, float& dzdx, float& dzdy,
            const int& wsize, float* work);
// zgrid: nx * ny heights written, x fastest, over the window.
void TRIGRD(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& nx, const int& ny, float* zgrid, const int& wsize, float* work);
// The hull as a closed polygon in x, y: n is the capacity in (at least 3) and at most n points
// are written; n out is the number of points, the first repeated at the end.  A hull that
// does not fit fills the n points, warns, and leaves n as it was.  drawSwitch 1 also draws it
// on the current map.
void TRIBOU(int& n, const int& drawSwitch, float* x, float* y, const int& wsize, float* work);
// The triangles on the current network map; marker not 0 marks the data points with it.
void TRINET(const int& marker, const int& wsize, float* work);

struct SurfaceGradient {
    float dzdx, dzdy;
};

// The workspace is made anew with 36 maxCount + 36 words: room for maxCount - 3 points.
// points (and gradients): n read.
void krGenerateRandomNetwork(const int& maxCount, const int& n, const SurfacePoint3* points,
                             SurfaceWorkspace& ws);
void krGenerateDerivsNetwork(const int& maxCount, const int& n, const SurfacePoint3* points,
                             const SurfaceGradient* gradients, SurfaceWorkspace& ws);
// kindCode: kSurfNetPointInterpolated, kSurfNetPointHeight, kSurfNetPointDerivatives.
void krAddNetworkPoint(const int& kindCode, const SurfacePoint3& point,
                       const SurfaceGradient& gradient, SurfaceWorkspace& ws);
// points: n read; gradients: n read when not null.
void krAddNetworkRegion(const int& kindCode, const int& n, const SurfacePoint3* points,
                        const SurfaceGradient* gradients, const int& regionKindCode,
                        SurfaceWorkspace& ws);
void krReturnNetworkSpotHeight(const float& x, const float& y, float& height,
                               SurfaceGradient& gradient, SurfaceWorkspace& ws);
// x, y and n as for TRIBOU.
void krReturnNetworkBound(int& n, const int& drawSwitch, float* x, float* y, SurfaceWorkspace& ws);
// markerCode: kSurfMarkerWithValue (-value), 0 (none), kSurfMarkerPlain (value); any other
// code keeps the marker of the previous call.
void krDrawNetwork(const int& markerCode, const int& markerValue, SurfaceWorkspace& ws);
// The grid workspace is made anew at the size a gridded map of the grid needs.  z: nx * ny
// heights written, x fastest.
void krGenerateNetworkGrid(const SurfaceExtent& extent, const int& nx, const int& ny, float* z,
                           SurfaceWorkspace& networkWs, SurfaceWorkspace& gridWs);
void krSetNetworkInterpolation(const int& methodCode, const int& neighbours,
                               const int& weightingCode);
void krSetNetworkContourStep(const float& step);

// ---- Network contour maps and band fills ----------------------------------------------------
// On the network in the workspace (wsize words, the network's own size).  switch 0 straight
// contours, 1 curved contours (traced with the heights of the method in force, drawn as smooth
// curves; straight under the linear method).
// TRISET lays out an empty network map for the window; ADTCON and ADTFIL can add to it.
void TRISET(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& wsize, float* work);
// ncont: the number of contour intervals wanted (0 draws only the frame and markers).
void DRATRI(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& ncont, const int& lineSwitch, const int& wsize, float* work);
// One more contour line on the network map drawn last.
void ADTCON(const float& height, const int& lineSwitch, const int& wsize, float* work);
// codes: |ncont| + 1 fill codes, used band by band in turn (a negative code leaves its band
// unfilled); key 1 draws the fill key.
void FILTRI(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& ncont, const int& lineSwitch, const int* codes, const int& key,
            const int& wsize, float* work);
// One more band between two heights on the network map drawn last; lines 1 also draws the
// contour lines at both heights.
void ADTFIL(const float& z1, const float& z2, const int& code, const int& lines,
            const int& lineSwitch, const int& wsize, float* work);

// Switch codes: kSurfContourSwitchOff, kSurfContourSwitchOn.  The workspace holds the network.
void krSetNetworkFrame(const SurfaceExtent& extent, SurfaceWorkspace& ws);
void krDrawTriangulatedContourMap(const SurfaceExtent& extent, const int& count,
                                  const int& switchCode, SurfaceWorkspace& ws);
void krAddTriangulatedContour(const float& height, const int& switchCode, SurfaceWorkspace& ws);
// pens: |count| + 1 pen pairs (a, b) as pens[2k], pens[2k + 1] read (at most 100000), one
// per band in turn.
void krFillTriangulatedContourMap(const SurfaceExtent& extent, const int& count,
                                  const int& switchCode, const int* pens, const int& key,
                                  SurfaceWorkspace& ws);
void krAddTriangulatedContourFill(const float& height1, const float& height2, const int& penA,
                                  const int& penB, const int& lines, const int& switchCode,
                                  SurfaceWorkspace& ws);

// ---- Projected surfaces ---------------------------------------------------------------------
// Settings (none draws).  Pens and fill codes are the library's PenCode and FillCode.
void PRJBAS(const int& style, const int* pens);  // pens[3]
void HEIRAT(const float& ratio);
void XYRAT(const float& ratio);
void PRJGRD(const int& nx, const int& ny);
void PRJHID(const int& onOff);
void PRJLEV(const float& z1, const float& z2);
void PRJZAX(const float& z1, const float& z2, const int& mode);
void PRJBND(const float& x1, const float& x2, const float& y1, const float& y2);
void PRJLIN(const int& pen1, const int& pen2, const int& pen3);
void PRJFRA(const int& type);
void PRJSCA(const float& dx, const float& dy, const float& dz);
void PRJSEC(const int& mode);
void ANNDIG(const int& axis, const int& width, const int& decimals, const int& exponent);
void PRJAXI(const int* codes1, const int* codes2);  // six words each
// On the last projected picture.  x, y, z: n points read.
void LINPRJ(const int& n, const float* x, const float* y, const float* z);
void PRJHGT(const float& x, const float& y, float& z, const int& wsize, const float* work);
void PERSPA(const float& x, const float& y, const float& z, float& X, float& Y);
// Perspective set-up and pictures.  distance 0 chooses it; the distance used is written back.
void PERSET(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            const float& z1, const float& z2, float& distance, const float& elevation,
            const float& azimuth);
// z: nx * ny heights read, x fastest.
void PERPRJ(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth, const int& wsize, float* work);
// n levels (0..99); pens: n + 1 read for n 1..99, none for 0.  keySwitch 1 draws a key of
// levels.
void PERLI3(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth, const int& n, const int* pens, const int& keySwitch,
            const int& wsize, float* work);
void GRDPER(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth);
void RANPER(const int& npts, float* x, float* y, float* z, float& distance, const float& elevation,
            const float& azimuth);
void FUNPER(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            SurfaceHeightFunction f, float& distance, const float& elevation, const float& azimuth);
// fillArray: one FillCode per grid cell read, (nx - 1) * (ny - 1), x fastest; negative:
// unfilled.
void PERFIL(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth, const float* fillArray, const int& wsize, float* work);
// x, y: at most n points written.  n: capacity in (at least 5), profile points written out
// (0 when there are none or the capacity is too small, -1: no filled surface).
void PERPRO(int& n, float* x, float* y, const int& drawSwitch, const int& wsize, float* work);
void CONPER(const int& onOff, const float& height);
// x, y: n points read.
void COPPRJ(const int& n, const float* x, const float* y, const float& height, const int& fillCode);
void PERAXE(const int& wsize, float* work);
// Isometric pictures; view 0..3 (any integer, taken modulo 4).  z: nx * ny heights read, x
// fastest; codes: one FillCode per cell read, (nx - 1) * (ny - 1), x fastest.  The random-point
// and function pictures grid onto the grid size in force (RANISO and RANPER read npts points
// of x, y, z and restore x and y as RANGRD does).
void ISOPRJ(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& view, const int& wsize, float* work);
void ISOFIL(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& view, const float* codes,
            const int& wsize, float* work);
void GRDISO(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& view);
void RANISO(const int& npts, float* x, float* y, float* z, const int& view);
void FUNISO(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            SurfaceHeightFunction f, const int& view);

// Symbolic codes of the surface long forms.
enum SurfaceProjectedCode {
    kSurfBaseStyleNone = 32498,  // -1
    kSurfBaseStyleOne = 32457,   // 1
    kSurfBaseStyleZero = 32763,  // 0
    kSurfBaseType0 = 32482,
    kSurfBaseType1 = 32481,
    kSurfBaseType2 = 32480,
    kSurfBaseType3 = 32479,
    kSurfBaseType4 = 32478,
    kSurfHiddenLinesOff = 32473,  // 0
    kSurfHiddenLinesOn = 32472,   // 1
    kSurfGridModeBoth = 32497,    // grid mode 0; axis 4 (all axes) of the annotation
    kSurfAxisStyle1 = 32456,
    kSurfAxisStyle2 = 32455,
    kSurfAxisStyle3 = 32454,
    kSurfAxisSide1 = 32453,
    kSurfAxisSide2 = 32452,
    kSurfAxisSide3 = 32451,
};

// {x from, x to, y from, y to, z from, z to}
struct SurfaceRange {
    float xmin, xmax, ymin, ymax, zmin, zmax;
};
// A pen as a pair (a, b): a < 0 not drawn; a = 0 colour b; a > 0 style or pattern a (b = 0) or
// kernel pen b (b > 0).
struct SurfacePenPair {
    int a, b;
};

void krSetSurfaceBaseStyle(const int& styleCode, const SurfacePenPair* pens);  // 3 pairs
void krSetHeightRatio(const float& ratio);
void krSetSurfaceAxesRatio(const float& ratio);
void krAddSurfacePolyline(const int& n, const SurfacePoint3* points);  // n points read
void krSetSurfaceFrame(const SurfaceExtent& extent);
void krSetSurfaceBaseType(const int& typeCode);
void krSetSurfaceGridInterval(const int& nx, const int& ny);
void krReturnSurfaceSpotHeight(const float& x, const float& y, float& z,
                               const SurfaceWorkspace& ws);
void krSetSurfaceHiddenLineSwitch(const int& switchCode);
void krSetSurfaceLineStyles(const int& pen1, const int& pen2, const SurfacePenPair& pen3);
void krSetSurfaceAxesIntervals(const float& dx, const float& dy, const float& dz);
void krSetSurfaceGridMode(const int& modeCode);
void krSetSurfaceLevelLimits(const float& z1, const float& z2);
void krTransformSurfaceCoord(const float& x, const float& y, const float& z,
                             SurfacePicturePoint& point);
void krSetSurfaceAxesAnnotation(const int& axisCode, const int& width, const int& decimals,
                                const int& exponent);
// points and n as x, y and n of PERPRO.
void krReturnSurfaceProfile(int& n, SurfacePoint2* points, const int& drawSwitch,
                            SurfaceWorkspace& ws);
void krDrawWireFrameSurface(const SurfaceExtent& extent, const int& nx, const int& ny,
                            const float* z, float& distance, const float& elevation,
                            const float& azimuth, SurfaceWorkspace& ws);
// n levels (0..99) with n + 1 pen pairs read; none for other n.
void krDrawLineStyleSurface(const SurfaceExtent& extent, const int& nx, const int& ny,
                            const float* z, float& distance, const float& elevation,
                            const float& azimuth, const int& n, const SurfacePenPair* pens,
                            const int& keySwitch, SurfaceWorkspace& ws);
void krFillSurface(const SurfaceExtent& extent, const int& nx, const int& ny, const float* z,
                   float& distance, const float& elevation, const float& azimuth,
                   const float* fillArray, SurfaceWorkspace& ws);
void krSetContourMapHeight(const int& switchCode, const float& height);
// points: n read.
void krFillProjectedPolygon(const int& n, const SurfacePoint2* points, const float& height,
                            const SurfacePenPair& pen);
void krSetPerspProjection(const SurfaceRange& range, float& distance, const float& elevation,
                          const float& azimuth);
void krDrawSurfaceAxes(SurfaceWorkspace& ws);
void krSetSurfaceAxesStyle(const int* codes1, const int* codes2);  // six words each

TARV_API_END

#endif
