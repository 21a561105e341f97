// reflines.h - caption placement of reference lines (REFLIN), and the two small mappings that
// reference lines and fills share.
//
// One routine per pair of line direction and text direction.  Each measures the caption,
// places the start of its first baseline at one of eight positions around the line at kernel
// coordinate `line` (x of a vertical line, y of a horizontal one) and draws it, upright or
// turned by 90 degrees.  `trimmed` returns the caption's used length (0 for a blank caption,
// which draws nothing).  A position outside 1..8 draws nothing.  The axes must be set up.
#ifndef PLOTLIB_GRAPHS_REFLINES_H
#define PLOTLIB_GRAPHS_REFLINES_H

namespace plotlib {

void graphCaptionVerticalLine(const char* caption, int length, int position, int& trimmed,
                              float line);
void graphCaptionVerticalLineTurned(const char* caption, int length, int position, int& trimmed,
                                    float line);
void graphCaptionHorizontalLine(const char* caption, int length, int position, int& trimmed,
                                float line);
void graphCaptionHorizontalLineTurned(const char* caption, int length, int position, int& trimmed,
                                      float line);

// Kernel coordinate of one value along axis n (1 x, 2 y).  Only that axis's mapping is used,
// so a value that is fine on its own axis is never reported for the other one.
float graphMapAlongAxis(float value, int n);
// The lower and upper kernel coordinate of the line of axis n as the set-up laid it out.
void graphAxisSpan(int n, float& low, float& high);

}  // namespace plotlib

#endif
