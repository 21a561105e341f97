// state.h - the one state block of the graph library.
//
// Every setting and every piece of working storage of the graph and chart library lives in
// the single object `graphState`.  It is all zero when the library is loaded; no value in it
// is a default until the first library call of the process has run the first-use defaults
// (frame/defaults.cpp), because those depend on the kernel's picture space and character
// size at that moment.  Per-axis records are reached through graphAxis(n) and
// graphTransform(n), which take the library's axis numbers (1 = x, anything above 1 = y), so
// that no caller ever indexes past the pair.
#ifndef PLOTLIB_FRAME_STATE_H
#define PLOTLIB_FRAME_STATE_H

namespace plotlib {

// Graph-wide settings.
struct GraphSettings {
    int currentAxis;      // axis that axis routines work on: 1 x, 2 y
    int plotAreaKnown;    // 1 once the plot area was taken from the kernel in this routine
    int plotFrameSwitch;  // 1: plotFrame is the plotting area (GRFBND)
    float plotFrame[4];   // x1, x2, y1, y2
    int characterMode;    // 1: the library sets its own text mode on entry (GRFMOD)
    int gridMarker;       // marker symbol of marker grids (GRDSYM)
    int scalingMode;      // 0..4 (GRASCA); 3 equal value per interval, 4 equal length
    float plotArea[4];    // x1, x2, y1, y2 of the current plotting area
    int marksLeftOut;     // 1 once this routine left out marks closer than the picture shows
};

// Settings of one axis, as the caller and the set-up leave them.
struct AxisSettings {
    int setUp;        // 1 while AxisTransform matches these settings
    int scalingType;  // 1, 2 nice linear; 3 by count; 4 log; 5 cell centres; <0 date
    int intervalCount;
    int countReduced;                // type 5 took one interval off for the running routine
    int positionType;                // 0 origin is where value 0 lies; 1 origin is the axis start
    float originX, originY, length;  // kernel units
    int positioned;                  // 1: position set by the caller; 0: default position
    int intervalSetting;             // AXIINT; negative = automatic
    float minimum, maximum;
    float step;        // value step between ticks (negative on a reversed axis)
    int decimals;      // AXIANN: negative exactly, 0..9 at most that many
    int digits;        // AXIANN digits word: 40 automatic, 41 multiples of 3, else fixed
    int captionStyle;  // AXIANN: 0..4
    // AXIATT attributes in argument order; attr5 of both axes forms one 2 x 2 array
    // (axis 1's row, then axis 2's row).
    int attr1;
    float attr2;
    int attr3;
    int attr4;
    float attr5[2];
    float attr6;
    int attr7;
    int attr8;
    int attr9;
    int dateWords[4];   // DATANN: weekday, day, month, year
    int dateUnit;       // unit used for drawing: 1..5, or -3 (month axis drawn by days)
    int dateUnitAsked;  // unit the caller asked for (DATSCA), kept apart from dateUnit
};

// Transform and layout of one axis, computed by graphSetUpAxis.
struct AxisTransform {
    float scale, offset;   // kernel = value (log10 value) x scale + offset
    float startX, startY;  // kernel coordinates of the ends of the axis line
    float endX, endY;
    float tickSpacing;  // kernel distance between ticks
    float firstTick;    // kernel position along the axis of the first tick
    float halfChar[2];  // half the character height, half the character width
    int tickCount;
    float labelStart, labelStep;
    int labelWidth, labelDecimals, labelExponent;
    int annotationCount, annotationEvery;
    int minorFirst, minorStep, minorLast;  // minorFirst 0: no minor ticks
    float minorFractions[12];              // index j - 1 holds fraction number j
    float direction;                       // date axes: 1.0, or -1.0 when the ends were exchanged
    float dateStart;                       // date axes: day number at the first tick
    float dateStep;                        // date axes: days per interval
};

// Start and end conditions of smooth curves (CURBEG, CURFIN).
struct CurveEndConditions {
    int startType, endType;  // -1 neighbour point, 0 free, 1 tangent
    float startTangent[2], endTangent[2];
    float before[2], after[2];  // point before the first, point after the last
};

// The kernel's text attributes as enquired at routine entry.
struct CharacterAttributes {
    int mode;
    float width, height;
    int font;  // -1 = none selected
    int fifth;
    float angle;  // degrees
};

// What the routine frame saved of the caller's kernel state.
struct SavedKernelState {
    int status;                  // library status word (kernelEnquireLibraryOpen)
    CharacterAttributes caller;  // text attributes as the caller left them
    float textX, textY;
    int justification;
    int pen, style, colour;  // the line attribute group, in kernelSetLineAttributes order
    float width;
    int widthMode, reserved;
    float dash[4];  // only when style is -1
};

// Value tags written beside data values (VALTXT).
struct ValueTagSettings {
    char tag[2][30];
    int length[2];
    float width[2];
};

// Placement and format of value labels (VALATT), in argument order.
struct ValueAttributes {
    int a1, a2;
    float a3, a4, a5, a6;
    int a7, a8;
};

// Missing values (VALMIS).
struct MissingValueSettings {
    int mode;  // 0..7, 0 = none
    float low, high;
    int axis;
};

// Order codes and separators of date texts (1) and date axis numbers (2).
struct DateFormatSettings {
    int order1;
    char separator1;
    int order2;
    char separator2;
};

// Constants written at first use, with the kernel's tiny value and integer capacity.
struct NiceNumberTables {
    int hundred;
    float eighth, half, third1, third2;
    float degree;        // degrees to radians
    float threshold[3];  // square roots of 2, 10, 50
    float step[5];       // 1, 2, 5, 10, 20
    float tiny;          // kernel real setting 3
    double tinyDouble;
    float digitCapacity;  // log10 of kernel integer setting 4
};

// Pie charts (PIEPAP, PIEANG, PIEEXP, PIEBOX, PIEBSW, PIEANN).
struct PieSettings {
    int frameSwitch;
    int boxType, boxFillStyle, boxPen;
    float startAngle;
    int explosionSwitch;
    int exploded[50];
    float distance[50];
    int boundSwitch;
    float radius, centreX, centreY;
    int annotationMode;
    float labelThreshold;
    int labelSwitch, percentSwitch, valueSwitch;
};

// Argument block of kernelFillMultiPolygon, also the buffer of single polygon fills.
struct PolygonBuffer {
    int boundaryCount;
    float x[200], y[200];
    int points[8];  // points of each boundary
};

// Vector charts (VECBND, VECSCA, VECCLP).
struct VectorSettings {
    int frameSwitch;
    float frame[4];   // x1, x2, y1, y2 in graph units
    int mode;         // -1 starts, 0 centred, 1 ends at the node
    float factor[3];  // magnitude low, magnitude high, length factor
    float limit[2];
    int savedStyle;  // working values of VECGRA
    float savedDash[4];
    float work[8];
};

// Polar charts (SETPOL).
struct PolarSettings {
    int polarSwitch;
    float radius, centreX, centreY;
    int mode;
};

// Text charts (TEXDEF).
struct TextChartSettings {
    float columnWidth, columnHeight;
    int justification;
    int titleSwitch;
    int framePen;
};

// Layout of the current bar or histogram chart.
struct BarWorkingValues {
    int valueAxis;
    int outlineMode;  // 1 bars, 0 histograms
    float startX, startY;
    float columnWidth;
    float widthFraction;
};

// Working storage shared by the routines of one call (nothing here outlives a call except
// what the comments say).
struct GraphWorkingStorage {
    float extent[5];  // the last five text extents (graphMeasureText)
    float curveX[102], curveY[102];
    float markX[3], markY[3];  // error-bar ends
    char numberText[50];
    double fitSums[4];  // line fit: sum x, sum x^2, sum y, sum xy
    double fitIntercept, fitSlope;
    int longFormPair[16];       // remembered pair values of the long forms (whole process)
    char axisNumbers[400][50];  // the number texts of one axis while they are laid out
};

// The whole state block.
struct GraphLibraryState {
    GraphSettings graph;
    AxisSettings axis[2];
    AxisTransform transform[2];
    float logFallback;  // kernel coordinate given for a value that has no logarithm
    CurveEndConditions curveEnds;
    CharacterAttributes characters;
    SavedKernelState saved;
    ValueTagSettings tags;
    ValueAttributes valueAttributes;
    MissingValueSettings missing;
    DateFormatSettings dateFormat;
    NiceNumberTables nice;
    PieSettings pie;
    PolygonBuffer polygon;
    VectorSettings vector;
    PolarSettings polar;
    TextChartSettings textChart;
    BarWorkingValues bar;
    GraphWorkingStorage work;
};

extern GraphLibraryState graphState;

// Read-only constants of the library.
struct GraphConstants {
    static constexpr const char* sixBlanks = "      ";
    static constexpr int sixBlanksLength = 6;
    static constexpr float degree = 0.017453278f;
    static constexpr const char* monthNames[12] = {
        "January  ", "February ", "March    ", "April    ", "May      ", "June     ",
        "July     ", "August   ", "September", "October  ", "November ", "December "};
    static constexpr const char* weekdayNames[7] = {
        "Monday   ", "Tuesday  ", "Wednesday", "Thursday ", "Friday   ", "Saturday ", "Sunday   "};
    static constexpr const char* ordinals[31] = {
        " 1st", " 2nd", " 3rd", " 4th", " 5th", " 6th", " 7th", " 8th", " 9th", "10th", "11th",
        "12th", "13th", "14th", "15th", "16th", "17th", "18th", "19th", "20th", "21st", "22nd",
        "23rd", "24th", "25th", "26th", "27th", "28th", "29th", "30th", "31st"};
};

// The axis number of an axis argument: 2 for anything above 1, else 1.
inline int graphAxisNumber(int axis) { return axis > 1 ? 2 : 1; }

// Settings and transform of axis n (1 x; anything above 1 is y).
inline AxisSettings& graphAxis(int n) { return graphState.axis[n > 1 ? 1 : 0]; }
inline AxisTransform& graphTransform(int n) { return graphState.transform[n > 1 ? 1 : 0]; }

// For tests only: puts the block back to its load-time zeros and clears the kernel's
// library-open flags (tarv::resetState(true)), so that the next call runs as the first call
// of a fresh process.
void graphResetLibraryForTests();

}  // namespace plotlib

#endif
