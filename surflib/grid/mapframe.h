// mapframe.h - the frames of contour maps: the map area laid out in the picture, the
// MapTransform that ties it to map x and y, and, by the map frame type, a box, tick bands with
// axis numbers, axis titles, the contour height and step lines and the plot title.
//
// The map drivers lay the map out before the contours with frame type 3 (nothing drawn) and
// draw the frame afterwards with the user's type:
//
//     const int type = surfaceState.contour.mapFrameType;
//     surfaceState.contour.mapFrameType = kMapFrameLayoutOnly;
//     surfaceDrawGridMapFrame(status);
//     surfaceState.contour.mapFrameType = type;
//     if (status > 0) { surfaceReportError(status); return; }
//
// A map area with no width or height gives status kDegenerateArea and nothing is drawn.
//
// Read from the state: the map window, the height exponent and the contour step (in heights,
// GridState::contourInterval) of GridState, the picture frame and cw, ch measured when
// the drawing began, the map frame settings of ContourSettings, the titles, the axis
// annotation settings of SurfaceSettings and the fill-key flag (SurfaceLibraryState::fillKeyOn).
// Written: MapTransform (all but zFactor), the per-axis interval words (axisExponent ...),
// the map clip rectangle (mapClip) and, for network maps, the picture frame of
// ProjectionTerms.
#ifndef SURFLIB_GRID_MAPFRAME_H
#define SURFLIB_GRID_MAPFRAME_H

namespace surflib {

// Map frame types: 0 box with ticks, numbers and titles; 1 box; 2 no box (annotation only);
// 3 layout only, nothing drawn (used by the map drivers).
constexpr int kMapFrameTicks = 0;
constexpr int kMapFrameBox = 1;
constexpr int kMapFrameNone = 2;
constexpr int kMapFrameLayoutOnly = 3;

// One axis of a frame: the intervals that lay it out and the format of its numbers.
struct SurfaceFrameAxis {
    float lo, hi;  // values at the two ends (map window along the axis)
    float length;  // picture length of the area along it
    int exponent;
    float factor;       // 10^exponent
    float first, step;  // axis units (value / factor)
    int decimals, count, width;
    float scale;        // picture units per axis unit
    bool scaleApplied;  // a frame scale sets the tick step of this axis
    // numbers and title
    bool annotated;  // the caller's number format is used (values in map units)
    int numberWidth, numberDecimals, numberPower;
    float numberFirst, numberStep;
    bool caption;  // the axis title carries " *10" and shownExponent
    int shownExponent;
};

// A rectangle of the picture: lower-left corner, width and height.
struct SurfaceFrameArea {
    float x, y, w, h;
};

// Nice intervals for about 10 steps over [lo, hi] and the scale that makes count whole steps
// fill length; false when they give no usable scale.
bool surfaceChooseFrameAxis(SurfaceFrameAxis& a);
// Frame scale by intervals: the axis spans [lo, hi] exactly with a tick every s map units from
// lo; false (axis unchanged) when the scale cannot be applied.
bool surfaceApplyIntervalScale(SurfaceFrameAxis& a, float s);
// The number format of the axis: the given one (on, width, decimals, exponent with 9999 for
// none) when it fits the kernel's integers (else warning -44), otherwise the automatic one.
void surfaceChooseFrameNumbers(SurfaceFrameAxis& a, bool on, int width, int decimals, int exponent);
// The four outward tick bands of a ticked frame: bottom (x, numbered), right, top, left
// (y, numbered).  Tick axis modes 1 and 2 are set from the two axes.
void surfaceDrawFrameTickBands(SurfaceFrameAxis& x, SurfaceFrameAxis& y,
                               const SurfaceFrameArea& area);

// Ties the frame's area to its two axes: the MapTransform (all but zFactor) from x across and
// y up, and the interval words of each axis in its slot (0 x, 1 y, 2 height).
void surfaceStoreFrameLayout(const SurfaceFrameAxis& x, int xSlot, const SurfaceFrameAxis& y,
                             int ySlot, const SurfaceFrameArea& area);

// Lays out and draws the frame of a gridded map.  status: 0, or 13 when the map area has no
// size (mapWidth and mapHeight then hold the degenerate size, the scales stay as they were).
void surfaceDrawGridMapFrame(int& status);
// The same for a network map: the network mapping is off while the frame is drawn and on
// afterwards, so the contour lines drawn next are taken from network units.
void surfaceDrawNetworkMapFrame(int& status);

// One tick band along a horizontal edge.  x, y: the start of the edge, advanced to its end
// (start + direction * length).  first: the value at the start of the edge; step: the value
// change per interval, signed for the direction of travel.  band: tick band height in
// character heights, +1 outward above the edge, -1 outward below it.  numbers 1 writes every
// k-th full tick's value with width, decimals and power.  axis 1 (x) or 2 (y) chooses the
// frame scale and annotation settings in force (surfaceSetTickAxisMode).  count and step may
// be recomputed when the frame scale is in force; remainder returns the part of length that
// whole intervals do not cover.
void surfaceLayoutXTicks(float length, int& count, int decimals, float first, float& step, float& x,
                         float& y, int direction, int band, int numbers, float& remainder,
                         int width, int power, int axis);
// The same along a vertical edge; band in character widths, +1 to the right, -1 to the left.
void surfaceLayoutYTicks(float length, int& count, int decimals, float first, float& step, float& x,
                         float& y, int direction, int band, int numbers, float& remainder,
                         int width, int power, int axis);

// How the tick bands of one axis (1 x, 2 y, 3 the height axis of a cross-section) are laid
// out: with scale on, the interval is scale * step (divided by factor when annotated, the
// step then being in map units) instead of length / count.  The frames set it before their
// tick bands; it holds until set again.
void surfaceSetTickAxisMode(int axis, bool scaleInForce, bool annotated, float scale, float factor);

// The title lines below a frame: title (its used length), " *10" and the exponent raised
// (not written when it is 1), or the title alone with mode 1.  Starts at x; returns nothing.
void surfaceDrawExponentTitle(float x, float y, const char* title, int length, int exponent,
                              int mode, float unmeasuredOffset);

}  // namespace surflib

#endif
