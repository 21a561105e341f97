// fills.h - the piece filler behind GRAFI2.
#ifndef PLOTLIB_GRAPHS_FILLS_H
#define PLOTLIB_GRAPHS_FILLS_H

namespace plotlib {

// Fills (fill code >= 0) or outlines (fill code -1) one piece of the band between two data
// sets on axes that are set up: the polygon runs from A's first point along A's countA
// points and back along B's countB points, starting with B's last one; with `bForward` set it
// takes B's points first to last instead, for a set B that runs against A.  The outline is
// the two data lines only, in pen `pen`.  The points go through the library's polygon buffer;
// a piece that does not fit it (more than 200 points together) or has an empty side draws
// nothing.
void graphFillBetweenPieces(const float* xA, const float* yA, int countA, const float* xB,
                            const float* yB, int countB, int fillCode, int pen,
                            bool bForward = false);

}  // namespace plotlib

#endif
