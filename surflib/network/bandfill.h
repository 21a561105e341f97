// bandfill.h - band fills of a triangulated network: the part of one triangle whose height
// lies in one band, gathered into the fill buffer of the state and filled in batches.
#ifndef SURFLIB_NETWORK_BANDFILL_H
#define SURFLIB_NETWORK_BANDFILL_H

namespace surflib {

// A band in normalised heights: low <= height < high; a missing bound is open.
struct NetworkBand {
    bool hasLow;
    float low;
    bool hasHigh;
    float high;
};

// Adds the part of triangle t inside the band to the fill buffer (nothing for a region
// triangle, one with a height that is no number, or a negative fill code).  restDone 1 when
// no part of the triangle lies above the band.
void surfaceFillTriangleBand(const NetworkBand& band, int& restDone, int t, float* work);
// Fills what the buffer holds with the current fill code and empties it.
void surfaceFlushBandBuffer();

}  // namespace surflib

#endif
