// kernel_layer.h - the thin drawing layer between the library and the graphics kernel:
// pens and fill codes, polylines, polygon parts, markers, text, and the few enquiries the
// library makes of the kernel (two of them kept in the state).  None of these routines reports
// an error.
#ifndef SURFLIB_FRAME_KERNEL_LAYER_H
#define SURFLIB_FRAME_KERNEL_LAYER_H

namespace surflib {

// PenCode: below 1000 colour c solid; 1000..1999 line style and colour c - 1000;
// 2000 and over kernel pen c - 2000.
void surfaceSelectPen(int code);
// FillCode: below 1000 style 0 in colour c; 1000..1999 style c - 1000 in the current colour;
// 2000 and over style and pen c - 2000.
void surfaceSetFillCode(int code);
// np parts one after another in x and y; counts holds each part's vertex count as a real.
// A vertex count given as a real: rounded half away from zero, 0 for no usable count.
int surfaceVertexCount(float count);
void surfaceFillPolygons(int np, const float* counts, const float* x, const float* y);
// While one lives, the fills made tile an area: no two pieces overlap, so the kernel may fill
// the pieces of one colour together as one path, and no seam shows where pieces meet.
class SurfaceTiledFills {
public:
    SurfaceTiledFills();
    ~SurfaceTiledFills();
    SurfaceTiledFills(const SurfaceTiledFills&) = delete;
    SurfaceTiledFills& operator=(const SurfaceTiledFills&) = delete;
};
void surfaceDrawPolyline(int n, const float* x, const float* y);
void surfaceSetMarkerSymbol(int symbol);
void surfaceDrawMarker(int count, float x, float y);
// control 1: a "*" control character is swapped for "@" so that "*" is drawn literally.
void surfaceDrawText(float x, float y, const char* text, int length, int control);
void surfaceMeasureText(const char* text, int length, int& status, float& width, float& r2,
                        float& r3, float& height, int control);
void surfaceSetTextSize(float height);
void surfaceSetTextAngle(float dx, float dy);
void surfaceSuspendLineStyle();
void surfaceResumeLineStyle();
void surfaceEnquirePlotFrame(int& status, float& x1, float& y1, float& x2, float& y2);
// Lengths (x, y) in kernel units; status 1 when the kernel's unit divisor is 0 or not finite.
void surfaceEnquireUnits(int& status, float x, float y, float& xk, float& yk);
void surfaceEnquireLineAttributes(int& status, int& colour);
// The two measures every drawing starts from, read into the state: the character units (the
// text "8": digitWidth, charHeight) and the plot frame (plotX1 ... plotHeight).  false, with
// the state as it was, when the kernel does not give them.
bool surfaceReadCharacterUnits();
bool surfaceReadPlotFrame();

}  // namespace surflib

#endif
