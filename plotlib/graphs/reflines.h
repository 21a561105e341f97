// reflines.h - caption placement of reference lines (REFLIN).
//
// One routine per pair of line direction and text direction.  Each measures the caption,
// places the start of its first baseline at one of eight positions around the line at kernel
// coordinate `line` (x of a vertical line, y of a horizontal one) and draws it, upright or
// turned by 90 degrees.  `trimmed` returns the caption's used length (0 for a blank caption,
// which draws nothing).  A position outside 1..8 draws nothing.  The axes must be set up.
#ifndef PLOTLIB_GRAPHS_REFLINES_H
#define PLOTLIB_GRAPHS_REFLINES_H

void graphCaptionVerticalLine(const char* caption, int length, const int& position,
                              int& trimmed, const float& line);
void graphCaptionVerticalLineTurned(const char* caption, int length, const int& position,
                                    int& trimmed, const float& line);
void graphCaptionHorizontalLine(const char* caption, int length, const int& position,
                                int& trimmed, const float& line);
void graphCaptionHorizontalLineTurned(const char* caption, int length, const int& position,
                                      int& trimmed, const float& line);

#endif
