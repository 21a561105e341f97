// frames.cpp - the binding's graphics frame and printer routines.  They couple the toolkit to the
// kernel: activating a frame or starting a print page directs kernel output to that raster, with
// the output area in the frame's units (or the page's) and the units per pixel between them.
#include "binding/binding.h"
#include "binding/checks.h"
#include "state.h"
#include "tarvcore.h"
#include "tpanel.h"

namespace {

constexpr int kFrameType = 6;

// Units per pixel; 1.0 both ways when a pixel size is 0 (a surface not yet realised).
void unitsPerPixel(int pw, int ph, float width, float height, float& ux, float& uy)
{
    const bool sized = pw != 0 && ph != 0;
    ux = sized ? width / static_cast<float>(pw) : 1.0f;
    uy = sized ? height / static_cast<float>(ph) : 1.0f;
}

void setArea(float x0, float y0, float width, float height)
{
    float* a = app.binding.area;
    a[0] = x0, a[1] = y0, a[2] = width, a[3] = height;
}

}  // namespace

void FRADEF(const int& parent, const int& a, const int& b, const float& width, const float& height,
            int& frame)
{
    RoutineFrame f("FRADEF");
    // The master window holds a frame like a dialog does.
    if (!(f.master() && f.positive(parent) && f.holds(width > 0.0f && height > 0.0f, 10) &&
          f.holds(parent == 1 || typeInSet(IGetWidgetType(parent), {{0, 0}, {2, 2}, {15, 15}}), 7)))
        return;
    GraphicsFrame(parent, a, b, frame);
    GetBitmap(frame);
    ChangePen(0, 192, 192, 192);
    ClearFrame(frame);
    SetFrameScale(frame, width, height, 0.0f, 0.0f);
}

void CALLEX(const int& frame, const int& value)
{
    RoutineFrame f("CALLEX");
    if (!(f.master() && f.positive(frame) && f.typeIn(frame, {{kFrameType, kFrameType}}, 31)))
        return;
    SetCallExpose(frame, value);
}

void FRAACT(const int& frame)
{
    RoutineFrame f("FRAACT");
    if (!(f.master() && f.holds(frame > 1, 26) && f.typeIn(frame, {{kFrameType, kFrameType}}, 31)))
        return;
    GetBitmap(frame);
    int pw = 0, ph = 0;
    GetBitmapSize(frame, pw, ph);
    float width = 0, height = 0, x0 = 0, y0 = 0;
    GetFrameScale(frame, width, height, x0, y0);
    float ux = 1.0f, uy = 1.0f;
    unitsPerPixel(pw, ph, width, height, ux, uy);
    setArea(x0, y0, width, height);
    kernelSetRasterOutput(pw, ph, ux, uy, x0, y0);
}

void FRACLE(const int& frame)
{
    RoutineFrame f("FRACLE");
    if (!(f.master() && f.holds(frame > 1, 26) && f.typeIn(frame, {{kFrameType, kFrameType}}, 31)))
        return;
    GetBitmap(frame);
    ClearFrame(frame);
    UpdateFrame();
    FRAACT(frame);
}

void FRAENQ(const int& frame, float& x0, float& y0, float& x1, float& y1)
{
    RoutineFrame f("FRAENQ");
    if (!(f.master() && f.holds(frame == 0 || IGetWidgetType(frame) == kFrameType, 31))) return;
    float ox = 0, oy = 0, width = 0, height = 0;
    if (frame == 0) {
        const float* a = app.binding.area;
        ox = a[0], oy = a[1], width = a[2], height = a[3];
    } else {
        GetFrameScale(frame, width, height, ox, oy);
    }
    x0 = ox;
    y0 = oy;
    x1 = ox + width;
    y1 = oy + height;
}

void GUIPRT(const int& mode, int& status)
{
    RoutineFrame f("GUIPRT");
    if (!(f.master() && f.holds(mode >= -1 && mode <= 3, 35))) return;
    int ppw = 0, pph = 0;
    float pw = 0, ph = 0;
    PrintJob(mode, status, ppw, pph, pw, ph);
    if ((mode == 0 || mode == -1) && status == 1) {
        setArea(0.0f, 0.0f, pw, ph);
        float ux = 1.0f, uy = 1.0f;
        unitsPerPixel(ppw, pph, pw, ph, ux, uy);
        kernelSetRasterOutput(ppw, pph, ux, uy, 0.0f, 0.0f);
    }
}
