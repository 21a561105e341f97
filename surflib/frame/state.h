// state.h - the one process-wide state block of the surface library.
//
// Every setting and working value of the library lives in `surfaceState`, a
// SurfaceLibraryState made of the records below.  The block is all zero before the first
// routine call; surfaceSetDefaults (frame/defaults.cpp) writes the first-use values.  Fields
// that the defaults do not write keep what they hold.  Flags hold -1 for on and 0 for off and
// readers test only the lowest bit (surfaceFlagOn).
#ifndef SURFLIB_FRAME_STATE_H
#define SURFLIB_FRAME_STATE_H

namespace surflib {

constexpr int kSurfaceMaxLevels = 100;      // capacity of the level list
constexpr int kSurfaceLevelOverflow = 101;  // level count marking a list that overflowed
constexpr int kSurfaceTitleChars = 120;     // plot title
constexpr int kSurfaceAxisTitleChars = 25;  // each of the seven axis titles
constexpr int kSurfaceFillBufferPoints = 100;
constexpr int kSurfaceInternalWorkWords = 3800;

inline bool surfaceFlagOn(int flag) { return (flag & 1) != 0; }

// How contour maps look: levels, labels, pens, frames, title (setters in grid/settings.cpp).
struct ContourSettings {
    int patchPoints;            // data points around each node in random-point gridding
    int mapFrameType;           // 0..2
    int crossSectionFrameType;  // 0..3
    int majorLineEvery;
    int pensSet;  // flag; off: draw in the entry colour
    int framePen, linePen, majorLinePen;
    int randomMethod;  // 0..2
    float randomValue;
    // contour labels
    int labelsOn;  // flag
    int labelSkip;
    float labelSpacing;
    float labelSize;
    int labelStyleGiven;  // flag
    int labelWidth;
    int labelFixedFormat;  // flag
    int labelDecimals;
    int labelExponent;  // 9999: not set
    int labelPen;
    int labelAlongLine;  // flag
    // limits and explicit levels
    int limitsOn;  // flag
    float zLow, zHigh;
    int levelListOn;  // flag
    // data-point markers
    int pointMarker;
    int pointMarkersOn;  // flag
    // map frame
    float mapFrame[4];  // xmin, xmax, ymin, ymax
    int mapFrameSet;    // flag
    float frameScale[3];
    int frameScaleGiven[3];    // flags
    int frameScaleFirstKind;   // flag
    int frameScaleSecondKind;  // flag
    // drawing switches
    int fillLinesSwitch;     // 0/1
    int surfaceLinesSwitch;  // 0/1
    // plot title
    char title[kSurfaceTitleChars];
    int titleLength;
    int titleOn;   // flag
    int charMode;  // 0/1: text mode switched at the entry of drawing routines
    // cross-section frame
    float crossSectionFrame[4];
    int crossSectionFrameSet;  // flag
};

// Explicit or drawn contour levels, 1-based positions stored from index 0.
struct ContourLevelList {
    int count;  // 0..100, 101 = overflowed while drawing
    int pens[kSurfaceMaxLevels];
    float heights[kSurfaceMaxLevels];
};

// The current grid: its size, window and the gridding working values.
struct GridState {
    int nx, ny;
    int nxIntervals, nyIntervals;  // nx - 1, ny - 1
    int maxNodes;                  // max(nx, ny) of projected surfaces
    int gridOffset;                // word offset of the grid in the workspace
    float xMin, xMax, yMin, yMax;  // grid window in map units
    float xSpacing, ySpacing;
    float zMin, zMax;
    int pointCount;
    int bucketDensity;  // gridding constant: buckets per patch diameter
    int bucketColumns, bucketRows;
    float patchRadius;
    float bucketWidth, bucketHeight;
    float dataXMin, dataXMax, dataYMin, dataYMax;
    // written by the gridded map drivers
    float contourInterval;
    int levelExponent;  // power of ten of the map's levels
    int mapLabelDecimals;
    int mapLabelWidth;
    int mapWorkspaceSize;  // recorded workspace size of the last map (0 = none)
};

// Axis titles and captions of maps and surfaces (ANNSTR).
struct SurfaceTitles {
    char titles[7][kSurfaceAxisTitleChars];
    int lengths[7];
    int titleMode;  // 0 with factor, 1 without, 2 none
};

// The kind of the current drawing.
enum SurfaceDrawingCode {
    kDrawingNone = 1,
    kDrawingGriddedMap = 2,
    kDrawingIsometric = 3,
    kDrawingPerspective = 4,
    kDrawingNetworkMap = 5,
    kDrawingPerspectiveSet = 6,
};

struct DrawingTypeCode {
    int code;
};

// View terms, fit and frame of the current projected picture.
struct ProjectionTerms {
    float cosTilt, sinTilt;
    float cosAzimuth, sinAzimuth;
    float cosAzCosTilt, cosAzSinTilt, sinAzCosTilt, sinAzSinTilt;
    float rawXMin, rawXMax, rawYMin, rawYMax;
    float scaleX, scaleY;
    float firstFrom, firstTo;
    float secondFrom, secondTo;
    float boxCorners[8][2];
    float eyeDistance;
    float tiltAngle;
    float azimuthAngle;
    float centreX, centreY;
    float vanishX, vanishY;
    float zOrigin;
    int splitIndex;
    int viewQuadrant;
    float frameX, frameY, frameWidth, frameHeight;
    float isoCell;
    float zScale;
    int splitWalk;  // flag
    int belowView;  // flag
    int fitMargin;  // flag; the outside flag of the smoothed contour buffer
};

// Ties the map area of the picture to map coordinates.
struct MapTransform {
    float originX, originY;
    float mapWidth, mapHeight;
    float startX, startY;
    float scaleX, scaleY;
    float factorX, factorY;
    float zFactor;
};

// Settings of projected surfaces.
struct SurfaceSettings {
    int basePens[3];
    int basePensUsed;  // flag
    int baseStyleSet;  // flag
    int baseStyleOne;  // flag
    float heightRatio;
    float axesRatio;
    int gridIntervals[2];
    int gridLinesOn;    // flag
    int hiddenLinesOn;  // flag
    int levelLimitsOn;  // flag
    float levelLimits[2];
    float axisLimits[2];
    int axisLimitsSet;  // flag
    int zAxisSwitch;    // PRJZAX mode
    float zAxisValue;
    float surfaceFrame[4];
    int surfaceFrameSet;  // flag
    int linePens[3];
    int linePensSet;  // flag
    int baseType;
    float axesIntervals[3];
    int axesIntervalsGiven[3];  // flags
    int gridMode;
    int annotationOn[3];  // flags
    int annotationWidth[3];
    int annotationDecimals[3];
    int annotationExponent[3];  // 9999: not set
    int axesStyle;              // flag: PRJAXI called
    int axesCodes1[6], axesCodes2[6];
    int axesSwitches[6];
    float axesValues[6];
    float viewWorking[3];
    // perspective set-up
    int perspectiveSet;  // flag
    float pictureXMin, pictureXMax, pictureYMin, pictureYMax;
    float zRangeLow, zRangeHigh;
    int fixedZRange;  // flag
    float zAxisLow, zAxisHigh;
    float zUnit;
    // a contour map laid on a projected surface
    int contourOnSurface;  // flag
    float contourHeight;
    float contourHeightLow, contourHeightHigh;
    int fillPass;  // flag of the isometric fill
    // projected pictures: drawing modes and what a filled perspective leaves behind
    int lineStyle;                    // flag: grid lines coloured by height bands
    int keyOn;                        // flag: a key of levels beside the picture
    int fillMode;                     // flag: the perspective grid is filled cell by cell
    int perspectivePicture;           // flag: a filled perspective whose fit succeeded
    float pictureZLow, pictureZHigh;  // clamped z range of the last filled perspective
    int profileWorkspaceSize;         // wsize of the last filled perspective (0: none)
    int outlineCount;                 // upper outline points kept in the workspace
    int horizonCounts[2];             // points of the upper and lower horizons left in it
    float isoZBase;                   // clamped z minimum of the isometric picture
};

// The nice division of one axis of a projected picture, with the offsets of its first and
// last ticks from the ends of the data range (x and y only).
struct SurfaceAxisScale {
    int exponent;
    float firstTick, step;
    int decimals, tickCount, labelWidth;
    float unit;
    float firstTickCopy, startOffset, endOffset, lastTick;
};

// The visible run of a projected grid line before it is drawn.
constexpr int kHiddenLineRoom = 100;
constexpr int kHiddenLineFlush = 99;
struct HiddenLineBuffer {
    float x[kHiddenLineRoom];
    float y[kHiddenLineRoom];
    int count;
};

// Interpolation on triangulated networks.
struct NetworkSettings {
    int interpolationMethod;
    int neighbourCount;
    int workingNeighbourCount;
    int weightingFunction;
    float contourStep;
};

// Description of the network last built in a workspace.
struct NetworkLayout {
    int storedSize;
    int layoutPointCount;
    int base;
    int columns[12];
    int capacity;
    int triangleStart, spareStart;
    float xmin, ymin, zmin, xrange, yrange, zrange;
    int triangleCount;
    int noSwap;
    int gradientsReady, derivativesGiven, networkBuilt, bucketIndexBuilt;  // flags
    int networkRoutineActive;  // flag: map polylines take normalised network points
    int descriptor[4];
    float tracingWorking;
    float bandFillWorking[2];
    // The network's own copies of what the random-point gridding shares in GridState: its
    // point count, its bucket grid (nb by nb cells from the lower-left corner), and the hull
    // point its hull walks start from.
    int pointCount;
    int hullStart;
    int bucketCount;
    float bucketLeft, bucketBottom, bucketWidth, bucketHeight;
};

// Working values of the network interpolation: the last locate, the last local fit and its
// gradient, the crossing flag of the last level search, the label clearances, and the last
// spot-height query.
struct NetworkWorking {
    int inside;  // flag of the last locate
    int triangle, subTriangle, edge, vertex;
    float lambda[3];  // barycentric coordinates in the triangle found
    int nearestHullPoint;
    float fit[6];  // c0 .. c5 of the last local fit
    float fitGradient[2];
    int crossingFound;  // flag
    float clearanceAbove, clearanceBelow;
    float spotHeight, spotDzdx, spotDzdy;
    int spotTriangle;
};

// Network contour lines on their way to the picture (network/tracing*.cpp): up to 195
// points in the network's normalised units, the line's first two points, the neighbour
// points of a piece that continues a flushed piece or is continued by the next one.
constexpr int kNetworkLinePoints = 195;
struct NetworkPolylineBuffer {
    float x[kNetworkLinePoints];
    float y[kNetworkLinePoints];
    int count;
    float firstX, firstY;     // the line's start point
    float secondX, secondY;   // the line's second point
    int continuedFromBefore;  // flag, with the point before the first
    float beforeX, beforeY;
    int continuesAfter;  // flag, with the point after the last
    float afterX, afterY;
    int appended;  // 0 appended, -1 not
    // The first piece of a closed line is held back until the line closes, so that it can
    // start with the line's last point but one as its neighbour.
    int holdFirstPiece;  // flag
    float heldX[kNetworkLinePoints];
    float heldY[kNetworkLinePoints];
    int heldCount;
    float heldAfterX, heldAfterY;
};

constexpr int kNetworkFillRoom = 104;
constexpr int kNetworkFillParts = 17;
// Working values of the network contour maps and band fills.
struct NetworkContourWorking {
    int curvedContours;          // flag: subdivided tracing with the method's heights
    int smoothing;               // output of the lines: 0 polyline, 1 kernel curve,
                                 // 2 the library's smooth curve
    int openPiece;               // flag: the open-line phase is running
    float level;                 // the level being traced, normalised
    float labelValue;            // the level in the caller's units
    int subdivisions;            // parts of the passage through the sub-triangle in hand
    float previousX, previousY;  // orders two crossings on one edge
    float entryX, entryY;        // where the line enters the next triangle (curved mode)
    int currentFillCode;         // fill code of the band being filled
    int fillDrawn;               // flag
    // the band polygons gathered for one fill call (normalised units), flushed beyond 90
    // points or 15 parts
    float fillX[kNetworkFillRoom], fillY[kNetworkFillRoom];
    float fillCounts[kNetworkFillParts];
    int fillPoints, fillParts;
};

// The caller's kernel drawing state saved at entry, and the drawing layer's own state.
struct SurfaceSavedKernelState {
    int markerSymbol;
    int fillStyle;
    int fillColour;  // -1: leave the current colour
    int currentFillCode;
    int decodedFillCode;  // the code fillStyle and fillColour were decoded from; -9999: none
                          // since the drawing routine began
    int textLineStyle;
    int savedTextMode;
    float savedCharWidth, savedCharHeight;
    int savedFont;
    float savedTextAngle;
    int savedLineStyle;
    int savedJustification;
    int savedColour;
    float savedDashPattern[4];
    int savedTable[16];
    int entryColour;
};

// Word offsets of the parts of the caller's workspace.
struct WorkspacePartition {
    int sortedX, sortedY, sortedZ, bucketStart;
    int grid, edgeFlags, extraGrid;
    int fillCounts, fillX, fillY, fillPieceWords;
    int runs, runLength;
    int outlines, outlineLength;
    int randomPointsSize;  // words used by the last random-point partition
    int recordedSize;
};

// Gridded contour lines on their way to the picture (grid/tracing.cpp, grid/labels.cpp,
// grid/smoothing.cpp).  Positions are picture coordinates.
constexpr int kContourBufferPoints = 80;
constexpr int kSmoothBufferRoom = 100;
constexpr int kSmoothBufferFlush = 99;
constexpr int kLabelRunGathering = 999;

// The plain output's line since its last flush; the smoothed output gathers a label's run in
// it.  labelStart: 1-based position of the label run start S (999 while the smoothed output
// gathers a run).
struct ContourPolylineBuffer {
    float x[kContourBufferPoints];
    float y[kContourBufferPoints];
    int count;
    int labelStart;
};

// Label placement along the current line, shared by both outputs.
struct ContourLabelRun {
    float runLength;             // distance along the line since the last label or restart
    float startX, startY;        // run start S
    float prevX, prevY;          // the point handed in before
    float roomBelow, roomAbove;  // free width beside the line at the current edge
};

// The smoothed output's three-point window and the piece drawer.
struct ContourSmoothWindow {
    float x[3], y[3];
    float tx[3], ty[3];    // unnormalised tangents; (0, 0) is none
    int linePoints;        // points of the current line so far
    float backX, backY;    // the point shifted out of the window last
    float closeX, closeY;  // second point of a closed line, where it closes
    float closeTx, closeTy;
    int postLabelMark;  // 999 while the window refills after a label
    int postLabelCount;
    float p0x, p0y, u0x, u0y;  // last curve point and its unit tangent
    float carry;               // curve parameter carried into the next segment
};

// The smoothed curve's points before they are drawn (its outside flag is
// projection.fitMargin).
struct ContourSmoothBuffer {
    float x[kSmoothBufferRoom];
    float y[kSmoothBufferRoom];
    int count;
};

// What the smoothed contour output of one library routine may still cost: a map evaluates at
// most kSmoothCurvePointsPerRoutine curve points in all, and skips the stretches of curve that
// cannot show on the picture (the picture space widened by its own size on every side, read
// from the kernel once per routine when first needed).
constexpr long long kSmoothCurvePointsPerRoutine = 1 << 21;
struct ContourSmoothReach {
    long long pointsUsed;
    int known;       // 0 not read in this routine, 1 read, -1 no picture to measure
    float reach[4];  // x1, x2, y1, y2
};

// Working values of the gridded contour tracer.
struct ContourTracing {
    int edgeI, edgeJ, edgeDi, edgeDj;  // current edge: node (i, j) and its neighbour
    float level;                       // the level being traced
    int labelThisLevel;                // flag: labels are placed on the current level
};

// Where traced points go besides the drawing, while a contour data set is collected.
struct ContourPointCollection {
    int on;        // flag
    int capacity;  // points the caller's arrays hold
    int count;     // points stored
    int full;      // flag: capacity reached, warning -38 given
    float* x;
    float* y;
};

// The bands filled since the last band-filled map; the count is fillBandCount.
constexpr int kSurfaceMaxBands = 100;
struct FillBandTable {
    int bandCodes[kSurfaceMaxBands];
    float bandLows[kSurfaceMaxBands];
    float bandHighs[kSurfaceMaxBands];
};

// The 11 nice steps of interval choosing.
struct SurfaceNiceSteps {
    float steps[11];
    int decimals[11];
};

struct SurfaceLibraryState {
    ContourSettings contour;
    ContourLevelList levels;
    GridState grid;
    SurfaceTitles titles;
    DrawingTypeCode drawing;
    ProjectionTerms projection;
    MapTransform map;
    SurfaceSettings surface;
    NetworkSettings networkSettings;
    NetworkLayout network;
    NetworkWorking networkWork;
    NetworkPolylineBuffer networkLine;
    NetworkContourWorking networkContour;
    SurfaceSavedKernelState saved;
    WorkspacePartition partition;
    SurfaceNiceSteps nice;
    SurfaceAxisScale axisScales[3];  // x, y, z of the projected picture
    HiddenLineBuffer hiddenLines;
    ContourPolylineBuffer lineBuffer;
    ContourLabelRun labelRun;
    ContourSmoothWindow smoothWindow;
    ContourSmoothBuffer smoothBuffer;
    ContourSmoothReach smoothReach;
    ContourTracing tracing;
    ContourPointCollection collection;
    FillBandTable bands;

    float eps;  // smallest range that counts as non-zero
    // kernel measures
    float labelSpacingBase;
    float digitWidth, charHeight;  // cw, ch: the text "8" in the kernel's text attributes
    float realSetting2;            // largest real of the kernel
    int integerSetting4;           // largest integer of the kernel
    float plotX1, plotX2, plotY1, plotY2, plotWidth, plotHeight;
    int currentPenCode;
    // working values of the drawing routines
    int levelLabelCounter;
    int labelNextLevel;
    int tracingPhase;
    int smoothedLines;
    int outputEnabled;        // number-drawing / line output switch: 1 draws
    int lastUsedLength;       // of the last number label, negative when left-trimmed
    float labelDirection[2];  // cosine and sine of the last label direction
    int fillBandCount;
    float bandFillWorking[2];
    int labelSlotWorking;
    float surfaceAxesWorking[2];
    // label number format (surfaceChooseNumberFormat)
    int labelPowerCode;  // 9999: no power-of-ten factor
    int labelFormatDecimals;
    int labelFormatWidth;
    float labelFormatValue;
    int labelNegatedWidth;
    int numberFormatWarned;  // warning -44 reported for the current map
    // map frames and cross-sections: the intervals chosen for the last frame, per axis
    // (x, y, and the height axis of a cross-section)
    int axisExponent[3];
    float axisStep[3];
    int axisDecimals[3];
    int axisWidth[3];
    int fillKeyOn;            // flag: a band-filled map keeps room for its key
    float mapClip[4];         // xmin, xmax, ymin, ymax: map area handed to the
                              // perspective fit and clip of the smoothed contours
    float networkFrameZHigh;  // upper end of the height range of a network map on a
                              // projected surface
    // cross-section of the picture drawn last
    int sectionTableX, sectionTableY, sectionTableZ;  // word offsets in the workspace
    int sectionCount;
    int walkKind;  // 1: along x grid lines, 2: along y grid lines
    int savedPerspectiveSet;
    int savedContourOnSurface;
    // overlays
    float mapGridLines[6];  // x1, x2, xstep, y1, y2, ystep of the last grid lines
    int dataLabelWarned;    // warning -44 of a data-point label given in this map
    // the filled polygon part before it goes to the kernel
    float fillBufferX[kSurfaceFillBufferPoints];
    float fillBufferY[kSurfaceFillBufferPoints];
    // the library's own workspace of the random-point and function routines
    float internalWork[kSurfaceInternalWorkWords];
};

extern SurfaceLibraryState surfaceState;

// Process-wide frame values outside the state block.
struct SurfaceFrameSwitches {
    int firstUse;     // 0 until the first routine entry has written the defaults
    int openPending;  // library (re)opened; the next drawing routine switches the text mode
};
extern SurfaceFrameSwitches surfaceFrameSwitches;

// What long forms remember of their previous call (not part of the library state, so SURF
// leaves it alone).
struct SurfaceLongFormMemory {
    int randomPointMarker;
    int networkMarker;
    int baseStyle;
};
extern SurfaceLongFormMemory surfaceLongFormMemory;

// For tests only: puts the library back to the state of a fresh process (all zero, first-use
// switch 0).  Pair it with tarv::resetState(true) for the kernel.
void surfaceResetLibraryForTests();

// The first-use values (frame/defaults.cpp).
void surfaceSetDefaults();
// The seven axis titles and captions with their first-use texts and lengths.
void surfaceWriteDefaultTitles();

}  // namespace surflib

#endif
