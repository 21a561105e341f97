// tterrlib.h - the surface library TTERRLIB: contour maps of gridded, scattered and function
// data, triangulated networks and projected surfaces.
//
// Every routine exists as a legacy routine (short upper-case name, positional arguments) and,
// for most, as a long form (kr prefix) that takes records and symbolic codes and calls its
// legacy routine.  Calling convention: every argument by reference (inputs const, outputs and
// in/out non-const), arrays as pointers, a text as (pointer, length) with the length by value
// right after it.  Integers are 32-bit, reals single precision.  Errors and warnings are
// reported through the graphics kernel as numbers moved 1000 away from zero: on standard error
// as "error 1003 in krDrawGriddedContourMap(DRACON)" and in tarv::errorLog().  Every number,
// its meaning and what was kept or drawn: share/doc/tarv/errors-tterrlib.md.  After an error
// the routine does none of its remaining work, but for 42, 1006 and 1023, whose rows say how it
// goes on; after a warning it goes on with the corrected value.
//
// Order: no call is needed first.  The first call of any routine gives every setting its
// default; SURF puts them back at any time.  The drawing routines draw through the kernel, so
// the kernel's output is chosen and opened (kernelSelectOutput, kernelOpenDevice, tarvcore.h)
// before them and closed after them; settings may come before or after the device opens.  A
// drawing routine leaves the kernel's line style, colour, text settings and justification as it
// found them.  A setting stays in force for every later map or picture until it is set again.
// Threads: the library keeps one state for the process; call it from one thread at a time.
//
// Units: map and surface coordinates (x, y, heights z) are the caller's own; pictures fill the
// kernel's picture space, and lengths given in picture units are picture-space units.  Angles
// are degrees.  Grids hold nx * ny heights, x fastest: node (i, j), i = 1..nx, j = 1..ny, at
// x = xmin + (i - 1)(xmax - xmin)/(nx - 1), y = ymin + (j - 1)(ymax - ymin)/(ny - 1), is
// z[(j - 1) nx + i - 1].
//
// Pens and fills are "PenCode" and "FillCode" values; tarvcore.h states how they select the
// kernel's colours, line styles and fill styles, and how the long forms' pen pairs (a, b) become
// codes.  A long form passes a symbolic code it does not know unchanged to its legacy routine,
// so the legacy values work there too, unless its comment says otherwise.
//
// Workspaces: a routine given (wsize, work) uses the wsize words of work (4 bytes each) and
// reports 1003 when they are too few; the routines that add to a map or picture must be given
// the same workspace, of the same size, as the routine that drew it (else 1004 or 1025).  A
// workspace with no words (work null, or wsize 0 or below; a SurfaceWorkspace record left
// empty) is too short for every routine that takes one: 1003, nothing drawn and no array
// written, also where the routine would otherwise report 1004, 1025 or 1074.  The routines
// without a workspace argument use the library's own array of 3800 words.
// Arrays: an array of heights, coordinates, derivatives or per-cell fill codes that a routine
// reads, or a grid it writes, given as a null pointer while its count says it is read or
// written, and a null height function, report 1081: the routine draws nothing and fills no
// output array (a network builder still forgets the network its workspace held, as after any
// refused build).  Not so the arrays whose comment says what null means (codes of FILCON and
// FILTRI, pens, gradients of krAddNetworkRegion, CONDEF's heights) and the output arrays to
// which a null pointer gives no room (CONPTS, PERPRO, TRIBOU and their long forms: -1038 and
// -1039, 1061, 1069 as for arrays too short).
#ifndef TTERRLIB_H
#define TTERRLIB_H

#include "tarvconfig.h"

TARV_API_BEGIN

// ---- Records of the long forms --------------------------------------------------------------

// The caller's workspace: size words (4 bytes each) made by krMakeWorkspace and released by
// krFreeWorkspace.  A record declared without an initialiser starts empty (size 0, no words):
// a routine given it reports 1003 until krMakeWorkspace or a long form that makes the
// workspace gives it words.
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
// SURF (krOpenSurf) puts every setting of the library back to its default and forgets the map or
// picture drawn last, so that nothing can be added to it (ADDCON then reports 1004), and the
// network built last: its workspace is no longer taken as the network's, so that TRIHGT, DRATRI
// and the other routines that use a network report 1003 for it (TRINET, ADTCON and ADTFIL 1004,
// having no map to add to), and a network must be built again (RANTRI, TRIDER) after SURF.  It
// is not needed before the first call.  SUREND (krCloseSurf) marks the library closed in the
// kernel and changes no setting; the next call of any routine opens it again.  Neither draws.
// Reports 1099 when the kernel cannot measure its character cell or picture space.
void SURF();
void SUREND();
void krOpenSurf();
void krCloseSurf();

// ---- Workspace ------------------------------------------------------------------------------
// n <= 0 stores the size only; a new array starts all zero; an attached array is released.
void krMakeWorkspace(const int& n, SurfaceWorkspace& ws);
// Releases the words and leaves the record empty (size 0, no words).
void krFreeWorkspace(SurfaceWorkspace& ws);

// ---- Map coordinates ------------------------------------------------------------------------
// Between map coordinates (x, y) and picture coordinates (X, Y) of the gridded or network map
// drawn last.  With no such map: error 1008, the outputs left as they were; while its map area
// has no size the outputs are 0.  A contour map laid on a projected surface (CONPER) is not
// projected here.
void CONSPA(const float& x, const float& y, float& X, float& Y);
void SPACON(const float& X, const float& Y, float& x, float& y);
void krTransformMapCoord(const float& x, const float& y, SurfacePicturePoint& point);
void krTransformToMapCoord(const float& X, const float& Y, SurfacePoint2& point);

// ---- Gridded contour maps, gridding and band fills -------------------------------------------
// The user height function f(x, y) of the function-gridding routines, called once per node.
using SurfaceHeightFunction = float (*)(const float& x, const float& y);

// A contour map of the grid over the window xmin..xmax by ymin..ymax (reversed limits are
// swapped): the frame (CONFRA, CONBND, CONSCA), the contour lines in the pens of CONLIN, labels
// (CONANN), the title (TITSTR) and, for maps of scattered points, the point markers (RANPTS).
// z: nx * ny heights read, x fastest; nx, ny at least 2 (else 1005).  ncont: the contour
// intervals wanted: levels on a nice step that divides the height range into about that many
// (FILCON says how many); with the LEVELS limits exactly |ncont| levels from the lower limit to
// the upper; with the CONDEF list in force the list instead; 0 without a CONDEF list: no lines,
// the frame alone.  A negative count warns -1011 and counts as |ncont|; above 100: error 1006,
// and the nice step is chosen for 10 (with the LEVELS limits the |ncont| levels are drawn all
// the same, as far as the picture shows them apart).
// Of equally spaced levels (nice steps or the LEVELS limits, not a CONDEF list) those the
// picture cannot show apart are left out, with warning -1077: a level that meets a cell of four
// finite heights is drawn only when, in some such cell it meets, its line would stand at least
// a thousandth of the map area's larger side from the line of the last level drawn that met
// one (on the four triangles the cell is split into at its centre).  Whatever the picture, a
// level within a 200000th of the span of the levels asked of the level drawn before it, or one
// that rounds to its height, is left out too.  The first level and the last are always drawn,
// so the map covers the whole range asked: a plane that fills the map shows about a thousand
// levels, however many are asked for, in time that follows the levels drawn.  Pens, label
// rhythm and the level list count the levels drawn.  switch 0 plain lines, 1 smoothed lines.  work: wsize words, of which the map
// writes 2 * nx * ny (after the 4 npts words of the data points when markers of a random-point
// map are on); it keeps the map's grid for ADDCON, ADDFIL, CONPTS, CONHGT and cross-sections.
// A cross-section needs 3 max(nx, ny) words more, ADDFIL 3 * nx * ny + 1000 in all (else 1003).
// GRDCON works in a 3800-word array of its own: at most 1900 nodes.
// Reports 1003 (workspace short or none), 1005, 1013 (no map area), 1015, 1016 (empty window),
// 1017 (all heights equal: nothing drawn), 1081 (z null), -1011, -1014 (LEVELS limits with
// ncont 1: the two limits are drawn), -1045 (switch not 0 or 1: plain lines), -1077.
// Heights that are no number or infinite are not reported and take no part in the height
// range.  Such a node counts as lower than every level (no number, -infinity) or higher
// (+infinity): every level between it and a neighbour is drawn round it, inside the four cells
// about it, all those levels on one path (about half a cell from a node that is no number; from
// an infinite one through its four nearest nodes, with short spikes towards it, and from
// -infinity out along the four cells' outer sides to their far corners as well), their
// labels piled there; a line that would cross those cells is led round the node along that
// path.  The bands of FILCON and ADDFIL leave the inside of that path unfilled, a hole (with
// its outline where the lines are drawn).  The same holds for GRDCON, ADDCON, CONPTS and the
// long forms.
void DRACON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch,
            const int& wsize, float* work);
void GRDCON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch);
// One more contour line at height `level` on the gridded map drawn last, with the same workspace
// (else 1004); a level outside the LEVELS limits warns -1043 and is still drawn; one that is no
// number or infinite: 1081, nothing drawn or listed.
void ADDCON(const float& level, const int& lineSwitch, const int& wsize, float* work);
// Scattered points onto the nx by ny grid over the window.  x, y, z: npts points read (at
// least 9 with finite values); x and y are rewritten in place while gridding and hold their
// values again afterwards, up to rounding.  zgrid: nx * ny heights written, x fastest.
// work: wsize words, at least 2 * nx * ny + 4 * npts.
// The method and patch are those of RANINT and CIRPTS.  Draws nothing.  Reports 1002 (fewer than
// 9 points), 1003 (workspace short or none, whatever the points), 1005, 1015, 1016, 1081 (x, y,
// z or zgrid null), -1007 (a window reaching beyond the data: the data's extent is used), -1001,
// -1023, -1024.
void RANGRD(const int& npts, float* x, float* y, float* z, const int& nx, const float& xmin,
            const float& xmax, const int& ny, const float& ymin, const float& ymax, float* zgrid,
            const int& wsize, float* work);
// f called once per node; zgrid: nx * ny heights written, x fastest; work: wsize words, at
// least nx * ny (after the 4 npts words of the data points while point markers are on).
// Draws nothing.
void FUNGRD(SurfaceHeightFunction f, const int& nx, const float& xmin, const float& xmax,
            const int& ny, const float& ymin, const float& ymax, float* zgrid, const int& wsize,
            float* work);
// Maps on the grid size in force, in the library's 3800-word array.  RANCON: x, y, z as for
// RANGRD (npts points read, x and y rewritten and restored), 2 * nx * ny + 4 * npts <= 3800.
// The grid size in force is 31 by 31 at first use and after SURF; a gridded map or a gridding
// of another size changes it.  RANCON grids over the points' own extent (at 31 by 31 it takes
// at most 469 points; fewer than 9: 1002), FUNCON samples f once per node over the window.
// ncont and switch as for DRACON; all heights equal: 1017, no map.
void RANCON(const int& npts, float* x, float* y, float* z, const int& ncont, const int& lineSwitch);
void FUNCON(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            SurfaceHeightFunction f, const int& ncont, const int& lineSwitch);
// A band-filled contour map: each band between two levels filled, then the contour lines drawn
// over the bands when CONSWI is 1 (the default).
// The levels are DRACON's; the bands lie below the lowest level (down to the lowest height),
// between each two and above the highest (up to the highest height), so a map has one band more
// than it has levels inside the height range.  The nice step is, for |ncont| 2..20 (1 counts as
// 2), the largest of 1, 2, 2.5 and 5 times a power of ten that is at most the height range
// divided by |ncont|, and gives |ncont| to 2 |ncont| + 1 bands (heights 0..100 with ncont 8:
// step 10, 10 bands; above 20 up to 2.5 |ncont| + 1).  To fix the count before drawing: LEVELS
// gives exactly |ncont| - 1 bands, between the limits (heights outside them are left unfilled);
// a CONDEF list of n heights inside the height range gives n + 1 (a band between two listed
// heights below the lowest height is not seen but still takes its code).
// ncont 0 without a CONDEF list: no bands.
// codes: |ncont| + 1 fill codes read (none when codes is null), one a band from the lowest
// band up; a map with more bands takes them over again from codes[0], so the band after the
// (|ncont| + 1)-th gets the lowest band's code.  A negative code leaves its band unfilled.
// switch 0: the lines are plain (any other value, 1 too, warns -1045 and gives 0).
// key 1 draws the fill key, 0 not (another value warns -1021: no key).  work: wsize words, at
// least 3 * nx * ny + 1000 (after the data points as for DRACON).
// Levels the picture cannot show apart are left out as by DRACON (warning -1077): the bands
// between them are filled as one with the code of the lowest of them, and the codes of the
// others are passed over.
// Reports what DRACON reports, and -1029 once (more bands than the band table holds).  Heights
// that are no number or infinite: as DRACON says, a hole round the node.
void FILCON(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, const int& ncont, const int& lineSwitch,
            const int* codes, const int& key, const int& wsize, float* work);
// One more band between heights z1 and z2 (either order) filled with FillCode `code` on the
// gridded map drawn last, with its workspace (else 1004; a workspace below 3 * nx * ny + 1000
// words: 1003); lines 1 also draws the contour lines at both heights, plain (switch as FILCON's).
// A band thinner than the tolerance: 1032.
void ADDFIL(const float& z1, const float& z2, const int& code, const int& lines,
            const int& lineSwitch, const int& wsize, float* work);

// Switch codes: kSurfContourSwitchOff, kSurfContourSwitchOn.  The workspace of the drawing and
// gridding long forms comes back holding the map or grid; the gridding long forms make it anew.
// krDrawGriddedContourMap is DRACON, krAddGriddedContour ADDCON, krFillGriddedContourMap FILCON,
// krAddGriddedContourFill ADDFIL (its pen pair as a FillCode), krGenerateRandomGrid RANGRD,
// krGenerateFunctionGrid FUNGRD, with the window as an extent.
void krAddGriddedContour(const float& height, const int& switchCode, SurfaceWorkspace& ws);
void krDrawGriddedContourMap(const SurfaceExtent& extent, const int& nx, const int& ny,
                             const float* z, const int& count, const int& switchCode,
                             SurfaceWorkspace& ws);
// pens: count + 1 pen pairs (a, b) as pens[2k], pens[2k + 1] read when count >= 0, one per
// band as FILCON's codes; none for a negative count or null pens (every band unfilled).
void krFillGriddedContourMap(const SurfaceExtent& extent, const int& nx, const int& ny,
                             const float* z, const int& count, const int& switchCode,
                             const int* pens, const int& key, SurfaceWorkspace& ws);
void krAddGriddedContourFill(const float& height1, const float& height2, const int& penA,
                             const int& penB, const int& lines, const int& switchCode,
                             SurfaceWorkspace& ws);
// points: n read (not changed); grid: nx * ny heights written, x fastest.  With n below 1 it
// makes the workspace and returns: no grid, no report; null points or grid: RANGRD's 1081.
void krGenerateRandomGrid(const int& n, const SurfacePoint3* points, const SurfaceExtent& extent,
                          const int& nx, const int& ny, float* grid, SurfaceWorkspace& ws);
// grid: nx * ny heights written, x fastest.
void krGenerateFunctionGrid(SurfaceHeightFunction f, const SurfaceExtent& extent, const int& nx,
                            const int& ny, float* grid, SurfaceWorkspace& ws);

// ---- Contour map settings -------------------------------------------------------------------
// None of these draws; each setting stays in force for every later map until set again or SURF.
// CIRPTS: the number of data points used around each node by the scattered-point gridding
// (default 24; 0 gives 24, a negative n warns -1009 and gives 24).  A gridding of fewer points
// lowers it to their count, one that enlarges the patch (-1001) raises it; the changed value
// stays for later griddings (which may then warn -1001) until CIRPTS or SURF.
void CIRPTS(const int& n);
// Contour labels (by default on: every level, 60 apart, in the format the map chooses).  skip:
// levels left unlabelled between two labelled ones: the map's first level is labelled, then every
// (skip + 1)-th, counting the levels that cross nothing too (levels 20, 40, ..., 100 and skip 1:
// 20, 60 and 100; 0 every level labelled; negative: no labels).  spacing: picture units along a
// line between two labels (0 or below: 60).  size: character height of the labels in picture units
// (0 or below: the kernel's character size).  width: field width 1..9 of the label numbers, with
// `decimals` decimals, showing the value divided by 10^exponent (exponent 9999: none); width 0
// chooses the format itself; another width warns -1047 and chooses too.  pen: the labels' PenCode
// (0 or below: the line's pen).
// alongLine 1: a label turns with its line all the way round, so some labels read upside down:
// on gridded maps the tops of its characters face the higher ground, on network maps the lower.
// Any other value: never upside down, not level: a label still turns with its line, but only
// from -90 to 90 degrees, so it reads from left to right (up or down the page where the line
// runs straight up).
// On network maps a label goes only on a straight piece of its line at least as long as the
// label (its digits and two thirds of a character), turning no more than 30 degrees at either
// end, where the lines of the next level up and down stay 1.5 label heights clear on both
// sides: close levels leave their lines unlabelled.  Curved network lines (DRATRI switch 1) are
// made of pieces TRISTP long (4 by default), shorter than any label, so they carry labels only
// under a TRISTP near a label's length (some 30 units for a label such as 5.0 at the default
// character size).
void CONANN(const int& skip, const float& spacing, const float& size, const int& width,
            const int& decimals, const int& exponent, const int& pen, const int& alongLine);
// Contour limits: the levels of later maps run from zlow to zhigh (either order), ncont of them
// equally spaced (the maps leave out those the picture cannot show apart: DRACON, DRATRI); both
// 0 switches the limits off (the default); a range below 5e-7 warns -1020 and raises zhigh by a
// thousandth of |zhigh| (at least 5e-7); a limit that is no number or infinite warns -1020 and
// switches the limits off.  Cancels a CONDEF list.
void LEVELS(const float& zlow, const float& zhigh);
// The explicit contour heights of later maps, strictly increasing.  Cancels the LEVELS limits.
// z: n heights read for n 1..99 (up to the first that does not increase); none otherwise.
// n outside 1..99 (or no z) warns -1064 and switches the list off, the LEVELS limits staying as
// they were; heights not increasing, or a height that is no number or infinite, warn -1065,
// switch the list off and cancel the limits too.
void CONDEF(const int& n, const float* z);
// The scattered-point gridding's method: 0 (the default) the local fit, replaced by the
// neighbours' weighted average where it leaves the neighbours' height range widened by `value`
// times that range (default 1.0); 1 the local fit alone; 2 the weighted average alone.  Another
// method warns -1021 and gives 0; a negative value warns -1019 and is taken as its absolute value.
void RANINT(const int& method, const float& value);
// Data-point markers on the maps of scattered points: marker symbol |marker| (tarvcore.h); a
// negative marker also writes each point's height beside it; 0 (the default) no markers.
// A marker is drawn only when its whole box, 0.6 character widths (of a digit) by 0.6 character
// heights about the point, lies inside the map area: a point on the area's edge, or nearer to
// it than half the box, is left unmarked (and unreported).  The area spans the frame's axis
// intervals round the map's window, which for RANCON is the points' own extent: the outermost
// points lie on its edge whenever their x or y falls on a tick (points with x from 0 to 5 on
// ticks 0.5 apart: those at x 0 and x 5 are never marked).
// Markers keep the data points in the workspace ahead of the grid: 4 * npts words more.
void RANPTS(const int& marker);
// The map area in picture units (either order): later maps are drawn into it instead of the
// area the frame chooses; it also switches CONPER off and ends the perspective set-up in force
// (PERSPA then reports 1018).  An empty x or y range reports 1015 or 1016 and cancels an area
// set before: later maps are back in the area the frame chooses.
void CONBND(const float& xmin, const float& xmax, const float& ymin, const float& ymax);
// Pens (PenCode) of the map frame (also its annotation, the fill key and the point markers), of
// the contour lines and of the major lines: the first level and then every (majorEvery + 1)-th
// is drawn with majorPen.  A negative value warns -1019 and is taken as its absolute value.
// Until CONLIN is called the maps draw in the colour in force when they are called.
void CONLIN(const int& framePen, const int& linePen, const int& majorPen, const int& majorEvery);
// The map frame: 0 (the default) a box with ticks and axis numbers; 1 a plain box; 2 no box.
// Another type warns -1048 and gives 0.  Every type draws the annotation below the map and the
// TITSTR title above it, each only when its condition holds (ANNSTR -2 draws none of the lines
// below the map; a map laid on a surface with labels on draws neither annotation nor title):
// - the x and y axis titles (ANNSTR 1, 2; 6 and 8 character heights below the map, from its
//   left edge): type 0 only, and only for an axis whose numbers are written in units of a power
//   of ten, which the title then shows as " *10" and the exponent: the automatic format does so
//   when the window spans 1000 or more, or less than 0.01, along that axis (or its numbers
//   written in full would take more than 9 characters); an ANNDIG format of the axis (ANNDIG
//   axis 1, 2 or 4: the map frames read it too) when its exponent is neither 0 nor 9999.
// - the contour height line (ANNSTR 4 with " *10" and the exponent, 6 character heights below
//   the map, at its right): labels on (CONANN skip not negative) and the heights labelled in
//   units of 10^n with n outside -2..2, i.e. a height range of 1000 or more or below 0.01 (or
//   the exponent of CONANN's own format).
// - the contour step line (ANNSTR 5 and the step in the units of the labels, 8 character heights
//   below the map): labels on and a label skip other than 0.
void CONFRA(const int& type);
// value 1 draws the contour lines over the bands of a filled map (the default), 0 fills only;
// the same value 1 makes a perspective surface opaque, its cells filled before its lines are
// drawn (default 0).  Another value warns -1021 and gives 1 for the maps, 0 for the surfaces.
void CONSWI(const int& value);
// Frame scale of the map frame: s1 for x, s2 for y in map units (0: the map chooses).  Kinds 0
// and 1 take s as the tick interval of its axis, kinds 2 and 3 choose the intervals for the scale
// s; kinds 0 (the default) and 2 also give x and y the same scale (not with a CONBND area).
// Another kind warns -1021 and gives 0; a negative value warns -1019.  s3 is not read by the
// maps: with kinds 2 and 3 a cross-section (CRSSEC) takes it for its height axis and s1 or s2
// for its horizontal one.
// An interval the axis cannot take warns -1042 and the map's own is used.
void CONSCA(const float& s1, const float& s2, const float& s3, const int& kind);
// The plot title drawn above later maps and later perspective and isometric pictures (at most
// 120 characters; more warns -1010 and is cut), 2 character heights above the map area or the
// picture, from its left edge; a title wider than that goes on two lines.  A map refused for
// equal heights (1017) draws no title either.  A blank text switches the title off.
void TITSTR(const char* text, int length);
// mode 1 (the default): the drawing routines draw their text in kernel text mode 1; 0 leaves
// the caller's text mode (but for the first drawing routine after the library opens).  Another
// mode warns -1021 and gives 1.
void SURMOD(const int& mode);
// Cross-section frame type 0..3 (another warns -1048 and gives 0): 0 the frame with ticks,
// numbers and axis titles, and under the profile the bands of a band-filled map (on a projected
// picture: a vertical line from the foot to each profile point); 1 the frame alone; 2 the bands
// or lines alone; 3 neither: the profile and its levels only.  The cross-section area in
// picture units (as CONBND: 1015, 1016 for an empty range, which cancels an area set before).
void CRSFRA(const int& type);
void CRSBND(const float& xmin, const float& xmax, const float& ymin, const float& ymax);
// The axis and annotation titles (at most 25 characters each; more warns -1010 and is cut).
// selector 1..7 sets one title (a blank text leaves it as it was): 1 "X axis", 2 "Y axis",
// 3 "Z axis", 4 "Contour Height", 5 "Contour Step", 6 "X Limits Shown", 7 "Y Limits Shown" (the
// defaults), and titles are drawn with their power-of-ten factor; 0 puts every title back to
// its default; -1 does too and draws the titles without the factor; -2 draws no axis titles and
// no data-point legend.  Another selector changes nothing.  Where the titles are drawn, and
// when: CONFRA (maps), PRJFRA (perspective and isometric pictures).  Titles 6 and 7 are kept and
// can be set, but no routine of the library draws them.
void ANNSTR(const int& selector, const char* text, int length);

// The long forms of the settings above: krSetInterpolationPatch CIRPTS, krSetContourAnnotation
// CONANN (alongLineCode kSurfLabelsLeftToRight or kSurfLabelsAlongLine), krSetContourLimits
// LEVELS, krSetContourLevels CONDEF, krSetRandomInterpolation RANINT (kSurfRandomMethod1, 2),
// krSetRandomPointMarker RANPTS, krSetContourMapFrame CONBND, krSetContourMapLineStyles CONLIN,
// krSetContourMapFrameType CONFRA (kSurfMapFrameType0..2), krSetContourDrawingSwitch CONSWI,
// krSetContourMapFrameScale CONSCA, krSetSurfPlotTitle TITSTR, krSetSurfCharMode SURMOD
// (kSurfCharModeOff, 2 for on), krSetCrossSectionFrameType CRSFRA (kSurfCrossFrameType0..3),
// krSetCrossSectionFrame CRSBND, krSetSurfaceAxesTitle ANNSTR.
void krSetInterpolationPatch(const int& n);
void krSetContourAnnotation(const int& skip, const float& spacing, const float& size,
                            const int& width, const int& decimals, const int& exponent,
                            const int& pen, const int& alongLineCode);
void krSetContourLimits(const float& zlow, const float& zhigh);
// heights: as z of CONDEF.
void krSetContourLevels(const int& n, const float* heights);
void krSetRandomInterpolation(const int& methodCode, const float& value);
// markerCode kSurfMarkerPlain: markers of `symbol`; kSurfMarkerWithValue: with the heights;
// 0: none; any other code sets the marker of this long form's previous call again (none before
// the first), whatever RANPTS or SURF set since.
void krSetRandomPointMarker(const int& markerCode, const int& symbol);
void krSetContourMapFrame(const SurfaceExtent& extent);
// The major-line pen is a pen pair (a, b): a = 0 colour b, a > 0 and b = 0 line style a, a > 0
// and b > 0 kernel pen b.  The pairs that give -1 (a < 0, or a > 0 and b < 0) reach CONLIN as
// -1: it warns -1019 and the major lines are drawn in colour 1.
void krSetContourMapLineStyles(const int& framePen, const int& linePen, const int& majorA,
                               const int& majorB, const int& majorEvery);
void krSetContourMapFrameType(const int& typeCode);
void krSetContourDrawingSwitch(const int& value);
// Kind codes: kSurfScaleFirstOn gives x and y the same scale, kSurfScaleFirstOff does not;
// kSurfScaleSecondOff takes s1 and s2 as the tick intervals, kSurfScaleSecondOn as the scales
// for which the intervals are chosen.  FirstOn with SecondOff is CONSCA's kind 0, FirstOff with
// SecondOff 1, FirstOn with SecondOn 2, FirstOff with SecondOn 3; another pair gives kind 0.
void krSetContourMapFrameScale(const float& s1, const float& s2, const float& s3,
                               const int& firstKindCode, const int& secondKindCode);
void krSetSurfPlotTitle(const char* text, int length);
void krSetSurfCharMode(const int& modeCode);
void krSetCrossSectionFrameType(const int& typeCode);
void krSetCrossSectionFrame(const SurfaceExtent& extent);
// selectorCode: 0..3 as ANNSTR's selector, kSurfTitlesNone (-2), kSurfTitlesNoFactor (-1),
// kSurfTitleContourHeight (4), kSurfTitleContourStep (5), kSurfTitleXLimits (6); any other code
// sets title 7.
void krSetSurfaceAxesTitle(const int& selectorCode, const char* text, int length);

// ---- Overlays, spot heights, contour data sets and cross-sections ---------------------------
// Over the map drawn last (gridded or network map, else 1008): a polyline and grid lines in map
// coordinates.  The steps of the grid lines are map units, and the grid is cut back to the map
// window; the polyline is not clipped: points outside the window are drawn outside the map.
// x, y: n points read (none for n below 2).
// Both draw solid lines in the colour in force when they are called (the caller's line style is
// not used).  CONGRD draws lines of constant y from y1 to y2 every ystep, then of constant x (a
// step of 0: 1034; a negative step warns -1019; a window clipped warns -1046; an empty range:
// 1015, 1016).
void LINCON(const int& n, const float* x, const float* y);
void CONGRD(const float& x1, const float& x2, const float& xstep, const float& y1, const float& y2,
            const float& ystep);
// The height of the gridded map drawn last at the map point (x, y); the workspace of that map.
// Between the nodes the heights are interpolated linearly along each cell side, bilinearly
// inside.  No gridded map: 1004, z left alone; a point outside the map window: 1026, z = 0.
void CONHGT(const float& x, const float& y, float& z, const int& wsize, const float* work);
// The contour at height z on the gridded map drawn last.  kind 0 plain, 1 smoothed (another
// warns -1045: plain); draw 1 also draws it and lists the level, 0 does not (another warns -1021
// and draws).  x, y: npts points at most written; lengths: nlines
// entries at most written.  npts, nlines: capacities in, counts out (nlines may exceed its
// capacity; only that many lengths are stored).
// The points are map coordinates, line after line; lengths[k] is the number of points of line
// k.  The workspace of the map (else 1004); points beyond the capacity warn -1038 and are not
// kept (the drawing goes on), lines beyond it warn -1039.
void CONPTS(const float& z, const int& kind, const int& draw, int& npts, float* x, float* y,
            int& nlines, int* lengths, const int& wsize, float* work);
// A vertical section from map point (x1, y1) to (x2, y2) through the map, isometric or
// perspective surface drawn last, in a frame of its own.
// The frame is the CRSBND area (else the plot frame less 10 character widths at either side,
// 10 character heights below and 6 above) of CRSFRA's type; the profile of heights along the
// line, with the listed contour levels drawn across it.  The height axis spans the grid's
// heights (on a gridded map with the LEVELS limits on: the limits); the profile is cut to it.
// The workspace of that picture (else 1025; too short for the tables, 3 max(nx, ny) words after
// a gridded map's: 1003); an end outside the map window: 1026; both ends the same: 1027.  Map
// overlays drawn afterwards refer to the section of a gridded map (after a projected picture's
// section they report 1008).
void CRSSEC(const float& x1, const float& y1, const float& x2, const float& y2, const int& wsize,
            float* work);

// Long forms: krAddContourPolyline LINCON, krAddContourMapGrid CONGRD (the extent and steps),
// krReturnContourSpotHeight CONHGT, krReturnContourDataset CONPTS, krDrawGriddedCrossSection
// CRSSEC, each with the map's workspace record.
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
// TRIDER; later routines must be given the same workspace with the same size.  SURF forgets
// the network: after it the routines given that workspace report 1003 (those that add to a
// network map 1004) until RANTRI or TRIDER builds the network again.  The build needs
// wsize >= 36 (npts + 1) + 100; each point TRIADD or TRIREG adds takes 36 words more.
// x, y, z: npts points read.
// The network is the Delaunay triangulation of the points.  A point that repeats another warns
// -1076 and is left out; 7 points or fewer (counted with the repeats): 1069; all heights equal:
// 1017; all points on one line: 1080; a coordinate that is no number, or x, y or z null: 1081;
// x, y or heights spanning more than the largest real (3.4e38, as -3e38 to 3e38): 1082;
// no room for the triangles: 1071; a workspace too short: 1003.  The builders draw nothing.
void RANTRI(const int& npts, const float* x, const float* y, const float* z, const int& wsize,
            float* work);
// x, y, z, dzdx, dzdy: npts values each read; dzdx, dzdy are the derivatives of z at each
// point, in the caller's units (either null: 1081, no network).
void TRIDER(const int& npts, const float* x, const float* y, const float* z, const float* dzdx,
            const float* dzdy, const int& wsize, float* work);
// kind 0: height interpolated, 1: z given, 2: z and derivatives given.
// One more point (x, y) in the network; one that repeats a vertex warns -1076 and is left out.
// One outside the hull warns -1073 and is added all the same, the hull widened to take it in
// (one that no triangle or hull edge can take: -1073, left out).  A kind out of range warns
// -1021 and gives 0.  No network in the workspace: 1074; another workspace or no room for the
// point: 1003; no room for its triangles: 1071.
void TRIADD(const int& kind, const float& x, const float& y, const float& z, const float& dzdx,
            const float& dzdy, const int& wsize, float* work);
// A closed polygon of n points whose edges become network edges and whose triangles are
// marked, left out of later contour lines, band fills and TRINET's triangles (regionKind 0 and
// 1 alike); regionKind 2 marks the triangles outside the polygon instead.  x, y: n read; z: n
// read for kind 1 and 2; dzdx, dzdy: n read for kind 2 only.
// kind as for TRIADD; regionKind out of 0..2 warns -1021 and gives 2.  n below 3: 1069.  A
// polygon given clockwise warns -1078; one that crosses itself: 1079.  Besides its n vertices
// the polygon adds a point at each network edge its sides cross, 36 words each: no room for
// them, 1003 (or 1071), and the points added so far stay, no triangle marked.
void TRIREG(const int& kind, const int& n, const float* x, const float* y, const float* z,
            const float* dzdx, const float* dzdy, const int& regionKind, const int& wsize,
            float* work);
// method 0 linear, 1 local fit over `neighbours` points, 2 cubic patch; weighting 1..4.
// The defaults: method 2, 10 neighbours, weighting 1.  A method or weighting out of range warns
// -1021 and gives 2 or 1; 6 neighbours or fewer warn -1072 and give 10.  Draws nothing.
// Every local fit (the vertex gradients a map needs under each method, and each height under
// method 1) with a neighbour count above 30, or not below the network's number of points, warns
// -1072 and fits over 10 (one less than the points when they are 10 or fewer): under the
// default count a map of a network of 10 points or fewer so reports it about once a point, and
// under method 1 with straight lines hundreds of times (8 points: 831).  A local fit is
// singular (1072) only where its nearest points leave the quadratic undetermined (all on one
// line, or coincident), however close together the points lie: a million scattered points fit
// everywhere.
void TRIINT(const int& method, const int& neighbours, const int& weighting);
// The length in picture units of the pieces into which triangle sides are cut when curved
// contours are traced (default 4.0; below 100 times the tolerance warns -1075 and gives 4.0; a
// negative step warns -1019 and is taken as its absolute value).  A curved line is labelled only
// where its pieces are as long as a label (CONANN).
void TRISTP(const float& step);
// Height and derivatives of the network's surface at (x, y), by the method of TRIINT; a data
// point gives its own height.  A point outside the network warns -1073 and is extrapolated by
// the local fit.  No network: 1074; another workspace: 1003.
void TRIHGT(const float& x, const float& y, float& height, float& dzdx, float& dzdy,
            const int& wsize, float* work);
// zgrid: nx * ny heights written, x fastest, over the window.
// As TRIHGT at each node (nodes outside warn -1073 once); nx or ny below 2: 1005; the window
// in either order; an empty one: 1015, 1016.
void TRIGRD(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& nx, const int& ny, float* zgrid, const int& wsize, float* work);
// The hull as a closed polygon in x, y: n is the capacity in (at least 3) and at most n points
// are written; n out is the number of points, the first repeated at the end.  A hull that
// does not fit fills the n points, warns, and leaves n as it was.  drawSwitch 1 also draws it
// on the current map.
// A capacity below 3: 1069; the warning is -1061; a switch other than 0 or 1 warns -1021 and
// gives 1; drawing with no network map in hand: 1004, nothing written.
void TRIBOU(int& n, const int& drawSwitch, float* x, float* y, const int& wsize, float* work);
// The triangles on the current network map; marker not 0 marks the data points with it.
// The current network map is the one DRATRI, FILTRI or TRISET drew last with this workspace
// (else 1004).  marker as for RANPTS (negative: with the heights); a marker not 0 also becomes
// the symbol of later maps' markers while RANPTS has them on.
void TRINET(const int& marker, const int& wsize, float* work);

// A point's derivatives of height along x and y.
struct SurfaceGradient {
    float dzdx, dzdy;
};

// The workspace is made anew with 36 maxCount + 36 words: room for maxCount - 3 points.
// points (and gradients): n read.
// krGenerateRandomNetwork is RANTRI, krGenerateDerivsNetwork TRIDER.
void krGenerateRandomNetwork(const int& maxCount, const int& n, const SurfacePoint3* points,
                             SurfaceWorkspace& ws);
void krGenerateDerivsNetwork(const int& maxCount, const int& n, const SurfacePoint3* points,
                             const SurfaceGradient* gradients, SurfaceWorkspace& ws);
// kindCode: kSurfNetPointInterpolated, kSurfNetPointHeight, kSurfNetPointDerivatives (1 and
// 2 also stand for themselves; any other code is kind 0, unwarned).
// TRIADD.
void krAddNetworkPoint(const int& kindCode, const SurfacePoint3& point,
                       const SurfaceGradient& gradient, SurfaceWorkspace& ws);
// points: n read; gradients: n read when not null (null: derivatives 0 for kind 2).
// TRIREG; kindCode as for krAddNetworkPoint; regionKindCode kSurfNetRegion0, kSurfNetRegion1 or
// kSurfNetRegion1b, any other code passed on as TRIREG's regionKind (2: the outside marked).
void krAddNetworkRegion(const int& kindCode, const int& n, const SurfacePoint3* points,
                        const SurfaceGradient* gradients, const int& regionKindCode,
                        SurfaceWorkspace& ws);
// TRIHGT.
void krReturnNetworkSpotHeight(const float& x, const float& y, float& height,
                               SurfaceGradient& gradient, SurfaceWorkspace& ws);
// x, y and n as for TRIBOU.
void krReturnNetworkBound(int& n, const int& drawSwitch, float* x, float* y, SurfaceWorkspace& ws);
// markerCode: kSurfMarkerWithValue (-value), 0 (none), kSurfMarkerPlain (value); any other
// code keeps the marker of the previous call.
void krDrawNetwork(const int& markerCode, const int& markerValue, SurfaceWorkspace& ws);
// The grid workspace is made anew at the size a gridded map of the grid needs.  z: nx * ny
// heights written, x fastest.
// TRIGRD; the grid workspace can then go to krDrawGriddedContourMap.
void krGenerateNetworkGrid(const SurfaceExtent& extent, const int& nx, const int& ny, float* z,
                           SurfaceWorkspace& networkWs, SurfaceWorkspace& gridWs);
// TRIINT with kSurfNetMethodLinear or kSurfNetMethodCubic (32767: the local fit) and
// kSurfNetWeighting1..3.
void krSetNetworkInterpolation(const int& methodCode, const int& neighbours,
                               const int& weightingCode);
// TRISTP.
void krSetNetworkContourStep(const float& step);

// ---- Network contour maps and band fills ----------------------------------------------------
// On the network in the workspace (wsize words, the network's own size).  switch 0 straight
// contours, 1 curved contours (traced with the heights of the method in force, drawn as smooth
// curves; straight under the linear method; under the local fit, TRIINT method 1, traced with
// the cubic patch of method 2 for that call only: the method is 1 again after it, for TRIHGT
// and later maps).  FILTRI and ADTFIL draw straight lines under either switch.
// TRISET lays out an empty network map for the window and draws nothing, not even its frame;
// ADTCON, ADTFIL, TRINET and TRIBOU can draw on it.
// The map's frame, pens, labels and title are the contour map settings above.  No network in the
// workspace: 1074; another workspace or one too short: 1003; an empty window: 1015, 1016; all
// heights equal: 1017, nothing drawn; a switch other than 0 or 1 warns -1045 (straight).
void TRISET(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& wsize, float* work);
// ncont: the number of contour intervals wanted (0 draws only the frame and markers).
// A negative ncont warns -1011 and counts as |ncont|; levels as for DRACON (LEVELS, CONDEF).
// Of equally spaced levels (nice steps or the LEVELS limits, not a CONDEF list) those the
// picture cannot show apart are left out, with warning -1077: a level that meets a triangle is
// drawn only when, in some triangle it meets, its line would stand at least a thousandth of
// the map area's larger side from the line of the level drawn before it (judged on the plane
// through the triangle's vertices, or, where steeper, on a plane rising along the triangle's
// longest side over the range its curved heights are bounded by: the heights of the Bezier
// control points of its three edge curves, a little widened).  The first level and the last
// are always drawn, so the map covers the whole range asked; a level within a 200000th of the
// span of the levels asked of the level drawn before it, or one that rounds to its height, is
// left out whatever the picture.  So a plane that fills the map shows about a thousand levels,
// however many are asked for.  Pens, label rhythm and the level list count the levels drawn.
void DRATRI(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& ncont, const int& lineSwitch, const int& wsize, float* work);
// One more contour line on the network map drawn last.
// Needs that map and its workspace (else 1004); a height outside the LEVELS limits warns -1043
// and is drawn all the same; one that is no number or infinite: 1081, nothing drawn or listed.
// Its labels (CONANN) follow the label count of the contour lines drawn before, which ADTCON
// does not count on and TRISET leaves as it stands: labelled with skip 0, and on a library just
// opened or after SURF; after a map with skip 1 or more, when the level after the map's last
// would have been (for a map of a CONDEF list, when its last level was).
void ADTCON(const float& height, const int& lineSwitch, const int& wsize, float* work);
// codes: |ncont| + 1 fill codes (null: every band unfilled); the bands, their count and their
// codes (taken over again from codes[0] when there are more bands) are FILCON's; a negative
// code leaves its band unfilled.
// Levels the picture cannot show apart are left out as by DRATRI (warning -1077): the bands
// between them are filled as one with the code of the lowest of them, and the codes of the
// others are passed over.
// A CONDEF list that ADTCON has made fall (a line added below the list's last level) still
// fills the network once: in each triangle the bands go in list order, each from where the one
// before stopped.  The band from a level a down to a lower level b takes all that lies above a
// (not b) in each triangle that reaches below a, which ends that triangle; a triangle wholly
// above a is left to the bands after.
// key 1 draws the fill key (another value warns -1021, no key).
// The contour lines are drawn over the bands when CONSWI is 1 (the default).
void FILTRI(const float& xlow, const float& xhigh, const float& ylow, const float& yhigh,
            const int& ncont, const int& lineSwitch, const int* codes, const int& key,
            const int& wsize, float* work);
// One more band between two heights on the network map drawn last; lines 1 also draws the
// contour lines at both heights.
// code: the band's FillCode.  Needs that map and its workspace (else 1004); a band thinner than
// the tolerance: 1032; one reaching outside the LEVELS limits warns -1043 and is filled all the
// same.
void ADTFIL(const float& z1, const float& z2, const int& code, const int& lines,
            const int& lineSwitch, const int& wsize, float* work);

// Switch codes: kSurfContourSwitchOff, kSurfContourSwitchOn.  The workspace holds the network.
// krSetNetworkFrame is TRISET, krDrawTriangulatedContourMap DRATRI, krAddTriangulatedContour
// ADTCON, krFillTriangulatedContourMap FILTRI, krAddTriangulatedContourFill ADTFIL (its pen pair
// as a FillCode).
void krSetNetworkFrame(const SurfaceExtent& extent, SurfaceWorkspace& ws);
void krDrawTriangulatedContourMap(const SurfaceExtent& extent, const int& count,
                                  const int& switchCode, SurfaceWorkspace& ws);
void krAddTriangulatedContour(const float& height, const int& switchCode, SurfaceWorkspace& ws);
// pens: |count| + 1 pen pairs (a, b) as pens[2k], pens[2k + 1] read, one
// per band in turn and over again from the first when there are more bands (FILCON); null
// pens: every band unfilled.
void krFillTriangulatedContourMap(const SurfaceExtent& extent, const int& count,
                                  const int& switchCode, const int* pens, const int& key,
                                  SurfaceWorkspace& ws);
void krAddTriangulatedContourFill(const float& height1, const float& height2, const int& penA,
                                  const int& penB, const int& lines, const int& switchCode,
                                  SurfaceWorkspace& ws);

// ---- Projected surfaces ---------------------------------------------------------------------
// Settings (none draws).  Pens and fill codes are the library's PenCode and FillCode.
// Each stays in force for the later pictures until set again or SURF.
// PRJBAS: pens[3] read (null: all -1), the FillCodes of the walls hung under the front rows
// along x and along y and of the floor seen from below (-1 leaves a part out; all -1, the
// default, no walls).
// style -1 draws no drop lines from the front rows to the base; 0 (the default) and 1 draw them
// (isometric pictures); another style warns -1021 and gives 0.
void PRJBAS(const int& style, const int* pens);  // pens[3]
// The surface's height as a part of the picture (default 0.5) and the y/x ratio of the axes
// (default 1.0): a negative ratio warns -1019 and is taken as its absolute value, 0 (or no
// number) warns -1049 and gives the default.
void HEIRAT(const float& ratio);
void XYRAT(const float& ratio);
// Draw every nx-th grid line along x and every ny-th along y (negative: -1019, absolute value;
// either 0 warns -1034 and draws every line).  An interval larger than a picture's grid warns
// -1046 there and switches the intervals off: every line, in that picture and the later ones,
// until PRJGRD is called again.
void PRJGRD(const int& nx, const int& ny);
// 1 (the default) removes the hidden lines, 0 draws every line; another value warns -1021, 1.
void PRJHID(const int& onOff);
// Heights are clamped to z1..z2 (either order); equal values switch the clamping off.
void PRJLEV(const float& z1, const float& z2);
// The older form of PRJLEV: warns -1031 each time, then does what PRJLEV does and also fixes the
// z axis to z1..z2; mode 0 or 1 (another warns -1021 and gives 1).
void PRJZAX(const float& z1, const float& z2, const int& mode);
// The picture's area in picture units (either order; an empty range: 1015, 1016, area unset).
// With CONPER on it is also the contour map area.  Without PRJBND the area is the picture space
// less 10 character widths (of a digit) at the left and at the right (a perspective picture
// with a key of levels: 15 more at the right), 10 character heights below and 6 above.
// The picture is fitted into the area as a box, with no margin, at the largest scale (the same
// across and up) at which the box fits: the box's leftmost point on the area's left edge, its
// lowest on the lower edge.  So the box fills the area's width or its height, and leaves the
// rest of the other at the right or the top.  The box:
// - perspective (PERPRJ and its kin, PERSET): the window (y scaled by XYRAT) by the z range,
//   drawn HEIRAT times M high (M the larger of the two sides), seen from the eye: the range runs
//   from the lowest height drawn rounded down to the highest rounded up, to whole steps of the
//   largest of 1, 2, 2.5 and 5 times a power of ten that is at most a tenth of the range (or of
//   PRJSCA's dz); PERSET's and PRJZAX's z1..z2 stand for the heights while in force.  Its shape
//   depends on the view alone: PERSPA of its eight corners after PERSET gives its place.
// - isometric (ISOPRJ and its kin): every grid interval the same length along x and y, whatever
//   the window: the base a diamond sqrt(3) S wide and S high, the height range (the data's, or
//   PRJLEV's limits) HEIRAT times S above it, S = min(width / sqrt(3), height / (1 + HEIRAT))
//   for the area's width and height.
// The lines fill the box only where they reach it: the surface reaches its top only where its
// heights reach the range's top at the box's highest corner, so a quarter to a third of the
// area can stay empty.  The axis ticks, numbers and titles lie outside the box: the axis titles
// of a picture seen from above go 6 character heights below the area's lower edge (PRJFRA), and
// an edge less than 6 character heights above the picture space's puts them off the page,
// unseen and unreported (the default area leaves 10).
void PRJBND(const float& x1, const float& x2, const float& y1, const float& y2);
// PenCodes of the base and axes (pen1), the inner grid lines (pen2) and the edges (pen3); a
// negative one warns -1019 and is taken as its absolute value.  Until PRJLIN is called every
// line is drawn in the colour in force when the picture is drawn.
void PRJLIN(const int& pen1, const int& pen2, const int& pen3);
// The base: 0 (the default) the base with annotated axes; 1 the base's edges; 2 no base; 3 the
// top and the underside of the surface; 4 the underside alone.  Another type warns -1048, 0.
// Type 0 (and PERAXE) titles the x and y axes (ANNSTR 1, 2; none after ANNSTR -2) 6 character
// heights below the base's lowest corner, which for a picture seen from above is the picture
// area's lower edge: the title of the axis whose edge lies further right ends 4 character widths
// right of the base (9 for a narrow picture), the other starts as far left of it; each carries
// " *10" and its exponent when its numbers are written in units of a power of ten (as CONFRA's,
// but the titles themselves are always drawn).  The z
// axis has a title (ANNSTR 3, 2 character heights above the others) only with such a factor:
// heights spanning 1000 or more, or less than 0.01, or an ANNDIG exponent (not 0 or 9999) for
// axis 3, in title mode 0 and with the z axis on (PRJZAX mode 1, the default).  No title is
// moved to stay on the page (PRJBND).
void PRJFRA(const int& type);
// Steps of the x, y and z axis annotation in map units (0: chosen; negative: -1019, absolute).
void PRJSCA(const float& dx, const float& dy, const float& dz);
// Grid lines drawn: 0 (the default) both families, 1 the lines along x (constant y), 2 the lines
// along y.  Another mode warns -1021 and gives 0.
void PRJSEC(const int& mode);
// Number format of the axis annotation: axis 1, 2, 3 (x, y, z) or 4 (all three) written in
// width 1..9 with decimals 0..8, showing the value divided by 10^exponent (9999: not scaled).
// Axis 0 switches all three back to the automatic format.  For axis 1..3 a width or decimals
// out of range switches that axis back (a width other than 0 warns -1047); another axis, or
// axis 4 with values out of range, warns -1021 and switches all three back.
void ANNDIG(const int& axis, const int& width, const int& decimals, const int& exponent);
// The six axes: x and y on the front base edges, z, x and y on the back top edges, a second z.
// codes1: style per axis, 0 nothing, 1 axis line with ticks and numbers, 2 grid lines across
// the walls and floor at its ticks, 3 both (default 1 for axes 1, 2, 3 and 6, 0 for the back x
// and y axes 4 and 5); codes2: 1 leaves out the first number, 2 the last, 3 both (default 0).
// A code out of 0..3 warns -1021 and gives that default; a null array counts as six codes out
// of range.
void PRJAXI(const int* codes1, const int* codes2);  // six words each
// On the last projected picture.  x, y, z: n points read.
// LINPRJ draws the polyline (x, y, z) in the pen in force, projected as the picture; no picture:
// 1018.  PRJHGT: the height of the picture's grid at (x, y), with its workspace; z is 0 after
// any fault (a workspace with no words: 1003; no picture: 1018; outside the grid: 1026).  The
// grid is the one in force: a projected driver refused before it draws keeps the picture's, but
// a later RANGRD or FUNGRD puts its own window and size in its place.
// PERSPA: the picture point (X, Y) of the surface point (x, y, z) under the perspective set-up
// in force (PERSET or the last perspective picture, not ended by a later isometric picture, a
// refused set-up or a CONBND area; none: 1018).
void LINPRJ(const int& n, const float* x, const float* y, const float* z);
void PRJHGT(const float& x, const float& y, float& z, const int& wsize, const float* work);
void PERSPA(const float& x, const float& y, const float& z, float& X, float& Y);
// Perspective set-up and pictures.  distance 0 (or no number) chooses it; a negative one warns
// -1019 and is taken as its absolute value; the distance used is written back.
// The eye looks at the middle of the window from `distance` map units away, `elevation` degrees
// above the base plane (-90 <= elevation < 90; negative: from below; within half a degree of 0:
// 0.5 or -0.5; out of range, or no number, warns -1035 and gives 35.3) and `azimuth` degrees
// round (any value, taken modulo 360): 0 puts the eye on the low-y side of the window, looking
// along +y, and it goes round clockwise seen from above: 90 on the low-x side, 180 on the
// high-y side, 270 on the high-x side.
// M is the larger side of the window (y scaled by XYRAT).  An eye whose offsets from the middle
// across the ground are both under 3 M, or either over 100 M, has its distance doubled or halved
// until they are not (-1036, written back); still out after ten changes: 1036, no set-up.  One
// standing over the grid: 1036.  A y range that the XYRAT ratio shrinks below a tenth of the x
// range, or stretches past ten times it, changes the XYRAT ratio in force, for later pictures
// too (-1062); a y range of nothing: 1062.
// PERSET sets up the projection of the window and the height range z1..z2 (equal: -1017,
// widened) without drawing, for PERSPA and LINPRJ; an empty window: 1015, 1016; no picture
// area: 1013.
void PERSET(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            const float& z1, const float& z2, float& distance, const float& elevation,
            const float& azimuth);
// z: nx * ny heights read, x fastest.
// The surface as a wire frame of grid lines seen in perspective, hidden lines removed (PRJHID), in
// the picture area (PRJBND, else the picture), with the base and axes of PRJFRA.  work: wsize
// words, at least nx * ny + 34 * max(nx, ny) (else 1003, nothing drawn): the grid, the line tables
// (10 max(nx, ny)) and the hidden-line outline store (8 L words, the rest; at the minimum L = 3
// max(nx, ny), and the store holds 2 L outline points).  A smooth, rolling or ridged surface fits
// at the minimum in every view and style, and a picture that fits is the same at any larger
// workspace; more words only make room for rough outlines (random heights, a surface seen from
// above and below at once).  When the outline store is full: 1037; the lines of that family drawn
// before stand, the line being merged and every later line of the family are left out (nothing is
// drawn against a partial outline), and the other family starts afresh (it may report 1037 again);
// after PERFIL, PERPRO then gives no outline.  The cure is a larger workspace.
// Also 1005, 1015, 1016 (the grid), -1017 (all heights equal: the range is widened), 1013,
// 1081 (z null), and what PERSET reports.  The picture's workspace serves LINPRJ, PRJHGT, CRSSEC
// and PERAXE.
// Heights that are no number or infinite are not reported and take no part in the height
// range: such a node is drawn as a node at the bottom of the picture's height range (the
// lowest finite height, or PRJLEV's lower limit while that is on), a pit, not a hole.  The same
// holds for every perspective and isometric picture (PERLI3, PERFIL, GRDPER, FUNPER, ISOPRJ,
// ISOFIL, GRDISO, FUNISO and the long forms).
void PERPRJ(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth, const int& wsize, float* work);
// n levels (0..99); pens: n + 1 read for n 1..99, none for 0 (null pens: the PERPRJ picture,
// keySwitch not read).  keySwitch 1 draws a key of levels.
// As PERPRJ, each grid line drawn in the PenCode of the height band it runs through: the bands
// end at the levels of a nice division of the height range into about n steps, the data maximum
// the last (or at the first n levels of the CONDEF list); band k from the bottom (from 0) takes
// pens[k], and past pens[n] the pens are taken over again from pens[0].  n 0: the PERPRJ
// picture.  n outside 0..99: 1066, nothing drawn.  keySwitch other than 0 or 1 warns -1021 (no
// key).  Workspace as PERPRJ.
void PERLI3(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth, const int& n, const int* pens, const int& keySwitch,
            const int& wsize, float* work);
// PERPRJ in the library's 3800-word array: nx * ny + 34 * max(nx, ny) <= 3800 (46 by 46 nodes
// at most; 1003 otherwise).  RANPER grids npts scattered points (at least 9, else 1002; x and y
// restored as RANGRD does) and FUNPER samples f over the window, on the grid size in force (31
// by 31 at first use; every projected picture, even one refused, makes its nx by ny the size
// in force, so that after one refused for its counts these report them too), then draw as
// GRDPER; RANPER's gridding needs 2 * nx * ny + 4 * npts <= 3800 as RANCON's, and with
// data-point markers on its picture 4 * npts words more.
void GRDPER(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth);
void RANPER(const int& npts, float* x, float* y, float* z, float& distance, const float& elevation,
            const float& azimuth);
void FUNPER(const float& xmin, const float& xmax, const float& ymin, const float& ymax,
            SurfaceHeightFunction f, float& distance, const float& elevation, const float& azimuth);
// fillArray: one FillCode per grid cell read, (nx - 1) * (ny - 1), x fastest; negative:
// unfilled; null: 1081, nothing drawn.
// A filled perspective surface: as PERPRJ (same workspace), each cell filled with its code
// before the lines over it are drawn.  PERPRO, CONPER, COPPRJ and PERAXE work on it afterwards.
void PERFIL(const int& nx, const float& xmin, const float& xmax, const int& ny, const float& ymin,
            const float& ymax, const float* z, float& distance, const float& elevation,
            const float& azimuth, const float* fillArray, const int& wsize, float* work);
// x, y: at most n points written.  n: capacity in (at least 5), profile points written out
// (0 when there are none or the capacity is too small, -1: no filled surface).
// The outline of the filled surface drawn last, in picture units; drawSwitch 1 also draws it
// (another value warns -1021 and gives 1).  The workspace of that surface (else 1004, n = -1;
// none at all: 1003, n = 0); a capacity below 5 (or x or y null): 1061; an outline longer than
// the capacity warns -1061 and is cut.
void PERPRO(int& n, float* x, float* y, const int& drawSwitch, const int& wsize, float* work);
// onOff 1: later contour maps are drawn onto the filled perspective picture, in the plane at
// `height` (outside the picture's height range: -1063, its lower end); 0 off.  Another switch
// warns -1021 and gives 1; the last picture not a PERFIL one (a wire frame or PERSET too):
// 1018 and the switch stays as it was, 0 included.  A CONBND area switches it off at any time,
// and so does an isometric picture (ISOPRJ, ISOFIL, GRDISO, RANISO, FUNISO): it leaves no
// perspective plane for a map to lie on, and later maps are drawn flat in their own frame.
void CONPER(const int& onOff, const float& height);
// x, y: n points read.
// A polygon of map points filled with fillCode in the plane at `height` of the filled
// perspective picture (as CONPER, 1018 unless the last picture is a PERFIL one; a height outside
// its range: -1063, its lower end).
void COPPRJ(const int& n, const float* x, const float* y, const float& height, const int& fillCode);
// The annotated axes of the perspective picture drawn last (PRJAXI, PRJSCA, ANNDIG, ANNSTR),
// with its workspace; no projection to draw in: 1067.
void PERAXE(const int& wsize, float* work);
// Isometric pictures; view 0..3 (any integer, taken modulo 4).  z: nx * ny heights read, x
// fastest; codes: one FillCode per cell read, (nx - 1) * (ny - 1), x fastest (null: 1081,
// nothing drawn).  The random-point
// and function pictures grid onto the grid size in force (RANISO and RANPER read npts points
// of x, y, z and restore x and y as RANGRD does).
// The grid's x and y run up to the right and left at 30 degrees, heights straight up; the view
// turns the grid a quarter at a time.  work: wsize words, at least nx * ny + 11 * max(nx, ny)
// (else 1003); GRDISO, RANISO and FUNISO use the library's 3800-word array.  Also 1005, 1013,
// 1015, 1016, -1017, -1046 (grid-line intervals larger than the grid: every line), 1081 (z
// null).  Heights that are no number or infinite: as PERPRJ says, a pit at the bottom of the
// height range.
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

// The long forms of the surface routines: krSetSurfaceBaseStyle PRJBAS (kSurfBaseStyleNone,
// Zero, One; another code keeps the style of the previous call), krSetHeightRatio HEIRAT,
// krSetSurfaceAxesRatio XYRAT, krAddSurfacePolyline LINPRJ, krSetSurfaceFrame PRJBND,
// krSetSurfaceBaseType PRJFRA (kSurfBaseType0..4), krSetSurfaceGridInterval PRJGRD,
// krReturnSurfaceSpotHeight PRJHGT, krSetSurfaceHiddenLineSwitch PRJHID, krSetSurfaceLineStyles
// PRJLIN (the third pen a pen pair), krSetSurfaceAxesIntervals PRJSCA, krSetSurfaceGridMode
// PRJSEC (kSurfGridModeBoth for 0), krSetSurfaceLevelLimits PRJLEV, krTransformSurfaceCoord
// PERSPA, krSetSurfaceAxesAnnotation ANNDIG (kSurfGridModeBoth for all axes),
// krReturnSurfaceProfile PERPRO, krDrawWireFrameSurface PERPRJ, krDrawLineStyleSurface PERLI3,
// krFillSurface PERFIL, krSetContourMapHeight CONPER, krFillProjectedPolygon COPPRJ,
// krSetPerspProjection PERSET, krDrawSurfaceAxes PERAXE, krSetSurfaceAxesStyle PRJAXI
// (kSurfAxisStyle1..3, kSurfAxisSide1..3).  The workspace records are the pictures'.
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
// n levels (0..99) with n + 1 pen pairs read; none for other n.  The pairs are read the other
// way round (tarvcore.h): a > 0 and b = 0 kernel pen a, a > 0 and b > 0 line style b.
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
// Both arrays in an order of their own, the axes paired by direction: words 1, 3 and 5 are
// PRJAXI's words 1, 2 and 3 (the front x and y axes, z) and words 2, 4 and 6 its words 4, 5 and
// 6 (the back x and y axes, the second z).  So the words run front x, back x, front y, back y,
// z, second z, for legacy values too: arrays written in PRJAXI's order style other axes, with
// nothing reported.
void krSetSurfaceAxesStyle(const int* codes1, const int* codes2);  // six words each

TARV_API_END

#endif
