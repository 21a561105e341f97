// tarvfills.h - the private link between the libraries and the kernel for fills that tile an
// area.  Not part of the public interface and not a kernel operation: nothing is logged.
//
// - beginTiledFills(): the fills that follow, until the matching endTiledFills, do not overlap
//   one another (the bands of a contour map, filled piece by piece).  The kernel may then
//   gather the solid pieces of one colour into one path and fill them together, so that pieces
//   sharing an edge show no background along it on any device.  Sections nest; anything else
//   drawn in a section is drawn after the pieces filled before it.
// - endTiledFills(): ends the section; at the outermost end every gathered piece is drawn.
#ifndef TARV_KERNEL_TARVFILLS_H
#define TARV_KERNEL_TARVFILLS_H

#include "tarvconfig.h"

// Exported, though no public header declares it: the libraries are libraries of their own.
TARV_API_BEGIN

namespace tarv {

void beginTiledFills();
void endTiledFills();

}  // namespace tarv

TARV_API_END

#endif
