// tarvlink.h - the private link between the widget toolkit stand-in and the kernel.  Not part
// of the public interface: the toolkit hands the kernel the surface that later drawing goes to.
//
// - linkRasterTarget(surface): later drawing goes into this Cairo image surface (a frame
//   bitmap).  Linking takes the surface's own pixel size, one output unit per pixel and origin
//   0 until kernelSetRasterOutput gives the pixel size, output units per pixel and origin.
//   nullptr unlinks.  The surface stays the toolkit's: unlink it before destroying it.
// - linkPageTarget(pdfSurface, width, height): later drawing goes into this PDF surface, a
//   page of width x height points (one output unit a point until kernelSetRasterOutput says
//   otherwise).  It takes precedence over a linked raster.  Call kernelFlushOutput or unlink
//   (nullptr) before showing or finishing the page, so that pending strokes reach it.
// Every link and unlink puts the raster geometry back to the new target's own size, so the
// toolkit calls kernelSetRasterOutput after linking.  Drawing while nothing is linked goes to
// the file device chosen with kernelSelectOutput, if one is open.
// - linkFlushHook(hook): kernelFlushOutput calls hook after bringing the surface up to date,
//   so that the toolkit can repaint its window.  nullptr removes it.
#ifndef TARV_KERNEL_TARVLINK_H
#define TARV_KERNEL_TARVLINK_H

#include <cairo.h>
#include "tarvconfig.h"

// Exported, though no public header declares it: the toolkit is a library of its own.
TARV_API_BEGIN

namespace tarv {

void linkRasterTarget(cairo_surface_t* surface);
void linkPageTarget(cairo_surface_t* pdfSurface, double widthPoints, double heightPoints);
void linkFlushHook(void (*hook)());

}  // namespace tarv

TARV_API_END

#endif
