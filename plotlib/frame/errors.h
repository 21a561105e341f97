// errors.h - every error and warning number the graph library reports, named once.
//
// The names hold the library's own numbers, the ones a routine passes to graphReportError: a
// positive number is an error (the routine draws nothing more and goes to its exit), a
// negative one a warning (the routine corrects the value and goes on).  The kernel receives
// the number moved 500 away from zero (15 becomes 515, -8 becomes -508); the few internal
// routines that report straight to the kernel pass graphKernelNumber of the name.  One number
// may stand for several like faults; the comment says which.  32 and 33 are not used.
#ifndef PLOTLIB_FRAME_ERRORS_H
#define PLOTLIB_FRAME_ERRORS_H

namespace plotlib {

// Counts and sizes of the data.
constexpr int kCountBelowOne = 1;       // bar, histogram or population data: count below 1
constexpr int kTooFewPoints = 15;       // a graph, curve, fill, tag row or range: too few points
constexpr int kNoMarkerPoints = 16;     // markers: point count not positive
constexpr int kAreaCountBelowOne = 34;  // area charts: count below 1
constexpr int kStepCountBelowOne = 35;  // step charts: count below 1
constexpr int kBadVectorGrid = 36;      // vector charts: grid size below 1
constexpr int kNoMagnitude = 37;        // vector charts: no magnitude above 0.00001
constexpr int kErrorBarCountBelowOne = 38;  // error bars: count below 1
constexpr int kTextCountBelowOne = 39;      // text charts: count below 1
constexpr int kEmptyTitle = 40;             // graph title: the text is empty
constexpr int kTooFewFitPoints = 41;        // line fit: fewer than 2 points
constexpr int kNoCoefficientRoom = 42;      // line fit: room for less than 1 coefficient

// Logarithmic axes and the plot area.
constexpr int kBadLogValue = 2;        // a value not above 10 x tiny on a logarithmic axis
constexpr int kBadLogValueAxis = 4;    // bar or histogram values not above 10 x tiny, log axis
constexpr int kPlotAreaTooSmall = 10;  // a side of the plot area below 0.00001
constexpr int kXAxisDoesNotFit = -11;  // default x axis does not fit the plot area
constexpr int kYAxisDoesNotFit = -12;  // default y axis does not fit the plot area
constexpr int kBadLogX = 13;           // an x value not above 10 x tiny on a logarithmic axis
constexpr int kBadLogY = 14;           // a y value not above 10 x tiny on a logarithmic axis

// Axis settings and drawing.
constexpr int kBadAnnotationType = -7;  // axis annotation type beyond -9..9
constexpr int kBadCaptionStyle = -9;    // exponent caption style out of range
constexpr int kLengthTooSmall = -17;    // axis length or polar radius too small, old one kept
constexpr int kBadScalingType = -18;    // axis or date scaling type, or polar mode, out of range
constexpr int kBadIntervalCount = -19;  // interval or polar step count below 1
constexpr int kRangeTooNarrow = -20;    // axis range too narrow for the kernel; widened
constexpr int kNegativeRange = -21;     // polar axes: negative range, its absolute value used
constexpr int kMarksLeftOut = -25;      // more ticks or grid lines than the picture shows
constexpr int kBadAlignment = -45;      // an alignment or justification code out of range
constexpr int kBadDateOrder = -55;      // date annotation or format words out of range
constexpr int kBadDateUnit = -56;       // date unit outside 1..5
constexpr int kBadDateText = 57;        // a date text that names no date (warning -57: the
                                        // day or month field is out of range)

// Graphs, markers, tags and reference lines.
constexpr int kBadCategoryAxis = -3;      // bar type not 1 or 2, or not exactly one axis of
                                          // scaling type 5; the x axis is taken
constexpr int kNegativePen = -8;          // a fill or line pen below -1; absolute value used
constexpr int kBadMarkerStep = -26;       // marker step below 1; 1 used
constexpr int kBadMarker = -27;           // negative marker or error-bar style outside 0..7
constexpr int kBadArrowSwitch = -28;      // arrow head style or coordinate switch out of range
constexpr int kZeroLengthArrow = -29;     // arrow end on its start; nothing drawn
constexpr int kBadCaptionPosition = -43;  // reference line caption position outside 1..8
constexpr int kTagTooLong = -44;          // value tag longer than 30 characters; cut
constexpr int kBadPlacement = -46;        // value placement word outside -2..3
constexpr int kBadStepMode = -47;         // square wave step mode outside -1..1
constexpr int kBadLineKind = -48;         // text chart line kind outside 1..4
constexpr int kFrameTooNarrow = -50;      // plot frame narrower than 0.00001; switched off
constexpr int kBadSelector = -52;         // value tag placement or selector out of range
constexpr int kBadMissingMode = -58;      // missing value mode outside 0..7
constexpr int kBadScalingMode = -59;      // graph scaling mode outside 0..4

// Pie and vector charts.
constexpr int kBadSegmentCount = 5;      // pie segment count outside 1..50
constexpr int kTotalNotPositive = 6;     // pie or percentage total not above 0.00001
constexpr int kBadExplosionCount = 22;   // exploded segment count outside 0..50
constexpr int kBadSegmentNumber = -23;   // exploded segment number outside 1..50; skipped
constexpr int kNegativeDistance = -24;   // negative explosion distance; absolute value
constexpr int kRadiusTooSmall = -30;     // pie radius below 1e-9; default kept
constexpr int kNegativeRadius = -31;     // negative pie radius; absolute value
constexpr int kBadAnnotationMode = -49;  // pie annotation mode outside 1..3
constexpr int kBadBoxType = -51;         // pie box type outside 0..3
constexpr int kBadVectorMode = -53;      // vector scaling mode outside -1..1
constexpr int kNegativeColour = -54;     // a negative vector colour; absolute value

// The number the kernel receives for library number n.
constexpr int graphKernelNumber(int n) { return n >= 0 ? n + 500 : n - 500; }

}  // namespace plotlib

#endif
