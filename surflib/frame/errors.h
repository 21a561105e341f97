// errors.h - every error and warning number of the surface library, each named once.
// A routine passes the number to surfaceReportError, which hands the kernel n + 1000 for an
// error (n > 0) and n - 1000 for a warning (n < 0).  After an error the routine does none of its
// remaining work; after a warning it puts a corrected or default value in place and goes on.
// Where one number serves routines of several families, its comment gives each reading.
// The reporter lives here, below the routine frame, so that the first-use defaults, which the
// frame runs, can report without calling back into the frame.
#ifndef SURFLIB_FRAME_ERRORS_H
#define SURFLIB_FRAME_ERRORS_H

namespace surflib {

// Errors (n > 0) reach the kernel as n + 1000, warnings (n < 0) as n - 1000, under the routine
// name registered at entry.
void surfaceReportError(int n);

// ---- Points, nodes and the workspace ----------------------------------------------------------
constexpr int kNoBucketGrid = 1;       // too few points for the search patch (gridding) or
                                       // the neighbour count (network): no bucket grid is made
constexpr int kPatchEnlarged = -1;     // more points than the search patch (gridding) or the
                                       // neighbour count (network) can reach: it is enlarged
constexpr int kTooFewPoints = 2;       // fewer data points than the gridding needs
constexpr int kWorkspaceShort = 3;     // workspace too short (for a network: or not its own);
                                       // also a workspace with no array or no words
constexpr int kNoDrawingToAddTo = 4;   // no gridded map, network map or filled picture to add to
constexpr int kTooFewNodes = 5;        // fewer than 2 grid nodes along x or y
constexpr int kBadIntervalCount = 6;   // interval count outside what a nice division allows:
                                       // the division goes on with 10
constexpr int kWindowBeyondData = -7;  // the gridding window reaches beyond the data: the data
                                       // range is used
constexpr int kNoMap = 8;              // no map transform is in force
constexpr int kNegativePatch = -9;     // negative search patch: the default of 24 points
constexpr int kTextTooLong = -10;      // title text longer than its field: cut to fit
constexpr int kNegativeCount = -11;    // negative level or band count: its absolute value
constexpr int kLabelTooWide = -12;     // a value label field wider than 9 characters: 9 used
constexpr int kDegenerateArea = 13;    // the map area, cross-section frame or surface picture
                                       // has no width or height
constexpr int kOneLevelBetweenLimits = -14;  // the levels leave one line or none between limits
constexpr int kFlatXRange = 15;              // x range empty or not finite
constexpr int kFlatYRange = 16;              // y range empty or not finite
constexpr int kFlatData = 17;                // every height the same: nothing to contour
constexpr int kFlatHeights = -17;            // surface height range empty: it is widened a little
constexpr int kNoProjectedPicture = 18;      // no isometric or perspective picture is set up
constexpr int kNegativeValue = -19;  // a value that must not be negative: default or zero used
constexpr int kFlatLimits = -20;     // contour limits with no range between: high is raised
constexpr int kBadSwitch = -21;      // a switch, code or kind outside its choices: default used
constexpr int kNoDataPoints = -22;   // no data points to mark
constexpr int kSingularFit = 23;     // the gridding's local fit stays singular with every
                                     // point: the neighbours' average is used
constexpr int kSingularFitRetried = -23;  // a small pivot: the fit radius widens and retries
constexpr int kFitOutsideBand = -24;      // a fitted height outside the band of its neighbours:
                                          // the neighbours' average is used
constexpr int kNoPictureToAddTo = 25;     // no map or projected picture for this workspace
constexpr int kOutsideWindow = 26;        // a point outside the map window or the surface grid
constexpr int kSamePoints = 27;           // the two ends of a cross-section coincide
constexpr int kLevelListFull = -28;       // more levels than the level list holds: the rest dropped
constexpr int kBandTableFull = -29;       // more bands than the band table holds: the rest dropped
constexpr int kOldLevelRoutine = -31;     // the old routine for the surface z range was called
constexpr int kThinBand = 32;             // a band too thin to be filled
constexpr int kZeroStep = 34;             // an overlay step of zero
constexpr int kZeroGridInterval = -34;    // a surface grid-line interval of zero: every line
constexpr int kBadElevation = -35;        // view elevation outside -90..90 (or no number): 35.3
constexpr int kEyeOverGrid = 36;          // the eye stands over the grid: no perspective possible
constexpr int kDistanceChanged = -36;     // the eye is too close or too far: distance changed
constexpr int kOutlineFull = 37;          // the hidden-line outline store is full: the line stops
constexpr int kPointsShort = -38;         // the caller's point arrays are full: collecting stops
constexpr int kLinesShort = -39;          // the caller's line arrays are full: the rest is dropped
constexpr int kStepUnusable = -42;        // an axis or frame step cannot divide the range: a nice
                                          // division is used
constexpr int kOutsideLimits = -43;       // a level or band added outside the contour limits:
                                          // drawn all the same
constexpr int kFormatTooNarrow = -44;     // a label or annotation format too narrow: widened
constexpr int kBadLineSwitch = -45;       // a line switch or drawing kind outside its choices
constexpr int kClipped = -46;             // an overlay clipped to the map window; a surface grid
                                          // step larger than the grid, cut back
constexpr int kBadLabelWidth = -47;       // a label or annotation width outside its range
constexpr int kBadFrameType = -48;        // a map frame or surface base type outside its range
constexpr int kRatioZero = -49;           // a surface ratio of zero or no number: default used
constexpr int kLevelsCut = -50;           // more cross-section levels than fit: the rest dropped

// ---- Surface pictures ---------------------------------------------------------------------
constexpr int kProfileTooSmall = 61;       // profile arrays with room for fewer than 5 points
constexpr int kTruncated = -61;            // a profile or network boundary longer than the
                                           // caller's arrays: it stops where they end
constexpr int kFlatYExtent = 62;           // the surface's y extent vanishes under the axes ratio
constexpr int kAxesRatioChanged = -62;     // the y/x axes ratio is adjusted to show the surface
constexpr int kHeightOutside = -63;        // a map height outside the picture: its lower end
constexpr int kBadLevelCount = -64;        // a level count outside 1..99: the list is switched off
constexpr int kLevelsNotIncreasing = -65;  // level heights not strictly increasing: list off
constexpr int kLevelCountOutOfRange = 66;  // a surface level count outside 0..99
constexpr int kNoProjection = 67;          // the surface axes have no projection to draw in

// ---- Triangulated networks -------------------------------------------------------------------
constexpr int kTooFewNetworkPoints = 69;  // fewer than 8 network points, or than 3 region or
                                          // boundary points
constexpr int kTriangleTableFull = 71;    // the workspace holds no more triangles
constexpr int kNetworkFitSingular = 72;   // the gradient fit at a network point is singular
constexpr int kFewNeighbours = -72;       // a neighbour count the fit cannot use: default used
constexpr int kOutsideNetwork = -73;      // a point outside the network: extrapolated, or
                                          // added with the hull widened (else left out)
constexpr int kNoNetwork = 74;            // the workspace holds no network
constexpr int kStepTooSmall = -75;        // a network contour step too small: default used
constexpr int kDuplicatePoints = -76;     // a point repeats an existing vertex: left out
constexpr int kLevelsTooClose = -77;      // network map levels closer than the picture shows
                                          // apart: left out
constexpr int kClockwiseRegion = -78;     // a region polygon given clockwise: turned round
constexpr int kNotSimpleRegion = 79;      // a region polygon crosses itself
constexpr int kCollinear = 80;            // every point on one line: no triangle can be made
constexpr int kNotANumber = 81;           // a coordinate, height or derivative is no number;
                                          // also an array of them (or a height function, or
                                          // an output grid) that is missing
constexpr int kSpanBeyondReals = 82;      // network coordinates or heights spanning more
                                          // than the largest real: no network

// ---- The kernel --------------------------------------------------------------------------
constexpr int kMeasureFailed = 99;  // the kernel could not measure text or the plot frame
// Passed to the kernel's reporter as it stands, not through surfaceReportError: a smoothed
// curve with too few points to draw.
constexpr int kCurveTooShort = 42;

}  // namespace surflib

#endif
