// bandfill.h - band-filled contour maps: the area between two heights filled cell by cell,
// and the fill key beside the map (shared with the network band fills).
#ifndef SURFLIB_GRID_BANDFILL_H
#define SURFLIB_GRID_BANDFILL_H

namespace surflib {

// The fill codes of a map's bands, taken in turn from the caller's count of them and over again
// (none, -1, without codes).
struct CodeCycle {
    const int* codes;
    long long count;
    long long next = 0;
    int take()
    {
        if (codes == nullptr || count <= 0) return -1;
        const int code = codes[next];
        next = (next + 1) % count;
        return code;
    }
    // Passes over the codes of n bands that were merged into the band before them.
    void pass(long long n)
    {
        if (count > 0 && n > 0) next = (next + n % count) % count;
    }
};

class SurfaceCellSweep;
struct SurfaceCellQuery;

// One band between low and high on the gridded map drawn last in this workspace, with fill
// code `code`; lines 1 also traces the contour lines at both heights.  The band is listed in
// FillBandTable; when it is full, warning -29 with warnFull, else the band goes unlisted.
// Given a sweep of the map's bands (surfaceBandQuery) that holds this one, only the cells the
// band meets are visited.
void surfaceFillGridBand(float low, float high, int code, int lines, int lineSwitch, int wsize,
                         float* work, bool warnFull, SurfaceCellSweep* cells = nullptr);
// Fills every cell part between lo and hi with the current fill code (grid and polygon
// buffers of the fill partition), visiting only the cells the band meets when the sweep holds
// it; the polygons come out as from a pass over every cell.
void surfaceFillGridCells(float lo, float hi, float* work, SurfaceCellSweep* cells = nullptr);
// The query of a sweep (grid/cell_sweep.h) for the cells surfaceFillGridCells(lo, hi) fills.
SurfaceCellQuery surfaceBandCells(float lo, float hi);
// Appends a band to FillBandTable; warning -29 when the table is full.
void surfaceListBand(int code, float low, float high);
// The key of FillBandTable beside the map area (nothing when the table is empty).
void surfaceDrawFillKey();
// The end of a band-filled map, gridded or network: the key, the frame drawn by `frame`, the
// data range put back, and the data-point markers; n is the number of levels drawn.
void surfaceFinishFilledMap(bool (*frame)(bool drawn), float dataMin, float dataMax, int n,
                            int wsize, float* work);

}  // namespace surflib

#endif
