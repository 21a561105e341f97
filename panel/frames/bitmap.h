// bitmap.h - the bitmaps behind graphics frames.
#ifndef TPANEL_FRAMES_BITMAP_H
#define TPANEL_FRAMES_BITMAP_H

#include <string>

namespace tpanel {

// Releases every bitmap and the kernel's link to it.
void releaseFrameBitmaps();
// Called by the kernel after it brought its surface up to date.
void kernelFlushed();
// Writes a frame's bitmap as PNG; false when it cannot.
bool writeFramePng(int frame, const std::string& path);

}  // namespace tpanel

#endif
