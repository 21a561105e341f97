// bitmap.cpp - graphics frames: each is backed by a Cairo image surface of its pixel size (its
// cells times the cell size) with a frame scale, the units the program draws in.  The bitmap
// keeps the picture: showing the frame shows the bitmap, the program is never asked to redraw.
//
// Once the kernel is coupled (RegisterTARV), GetBitmap makes a frame's bitmap the kernel's
// drawing surface.  The kernel only borrows the surface, so it is unlinked before a bitmap is
// released.  The store makes a frame's bitmap (allocateFrameBitmap, core/store.cpp), since a
// frame takes a new one whenever the store gives it a new size; this file only calls the store.
#include <algorithm>
#include <string>

#include "frames/bitmap.h"
#include "state.h"
#include "tarvlink.h"
#include "tpanel.h"

namespace tpanel {

namespace {

Widget* frameOf(int id)
{
    Widget* w = widget(id);
    return (w && w->type == kTypeFrame) ? w : nullptr;
}

void linkKernelTo(int frame)
{
    PanelState& p = panel();
    if (!p.kernelCoupled) return;
    Widget* w = frameOf(frame);
    tarv::linkRasterTarget(w ? w->bitmap : nullptr);
    p.kernelFrame = w ? frame : 0;
}

}  // namespace

void releaseFrameBitmaps()
{
    PanelState& p = panel();
    if (p.kernelCoupled) {
        tarv::linkRasterTarget(nullptr);
        tarv::linkFlushHook(nullptr);
    }
    p.kernelFrame = 0;
    for (Widget& w : p.widgets) {
        if (w.bitmap) cairo_surface_destroy(w.bitmap);
        w.bitmap = nullptr;
    }
}

void kernelFlushed()
{
    if (Widget* w = frameOf(panel().kernelFrame)) w->dirty = true;
    if (panel().backend) panel().backend->present();
}

bool writeFramePng(int frame, const std::string& path)
{
    Widget* w = frameOf(frame);
    if (!w || !w->bitmap) return false;
    cairo_surface_flush(w->bitmap);
    return cairo_surface_write_to_png(w->bitmap, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace tpanel

using namespace tpanel;

void RegisterTARV(const char*, int)
{
    panel().kernelCoupled = true;
    tarv::linkFlushHook(kernelFlushed);
}

void GraphicsFrame(int parent, int column, int row, int& frame)
{
    frame = placeWidget(kTypeFrame, parent, column, row);
    allocateFrameBitmap(frame);
}

void GetBitmap(int frame)
{
    if (frameOf(frame)) linkKernelTo(frame);
}

void GetBitmapSize(int frame, int& pixelWidth, int& pixelHeight)
{
    const Widget* w = frameOf(frame);
    pixelWidth = (w && w->bitmap) ? cairo_image_surface_get_width(w->bitmap) : 0;
    pixelHeight = (w && w->bitmap) ? cairo_image_surface_get_height(w->bitmap) : 0;
}

void SetFrameScale(int frame, float width, float height, float xOrigin, float yOrigin)
{
    if (Widget* w = frameOf(frame)) {
        w->scale[0] = width, w->scale[1] = height, w->scale[2] = xOrigin, w->scale[3] = yOrigin;
    }
}

void GetFrameScale(int frame, float& width, float& height, float& xOrigin, float& yOrigin)
{
    const Widget* w = frameOf(frame);
    width = w ? w->scale[0] : 0.0f;
    height = w ? w->scale[1] : 0.0f;
    xOrigin = w ? w->scale[2] : 0.0f;
    yOrigin = w ? w->scale[3] : 0.0f;
}

void ChangePen(int pen, int red, int green, int blue)
{
    if (pen != 0) return;
    unsigned char* bg = panel().background;
    bg[0] = static_cast<unsigned char>(std::clamp(red, 0, 255));
    bg[1] = static_cast<unsigned char>(std::clamp(green, 0, 255));
    bg[2] = static_cast<unsigned char>(std::clamp(blue, 0, 255));
}

void ClearFrame(int frame)
{
    Widget* w = frameOf(frame);
    if (!w || !w->bitmap) return;
    paintBackground(w->bitmap);
    w->dirty = true;
}

void UpdateFrame()
{
    if (panel().backend) panel().backend->present();
}

void SetCallExpose(int frame, int value)
{
    if (Widget* w = frameOf(frame)) {
        w->hasExpose = true;
        w->expose = value;
    }
}
