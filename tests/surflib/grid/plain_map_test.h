// plain_map_test.h - the fixture of the gridded map driver tests: a fresh library whose maps
// have a plain box for a frame and no contour labels, so that the call log holds the lines,
// fills and box the driver drew and nothing more.
#ifndef TESTS_SURFLIB_GRID_PLAIN_MAP_TEST_H
#define TESTS_SURFLIB_GRID_PLAIN_MAP_TEST_H

#include "../surface_test.h"
#include "tterrlib.h"

class PlainMapTest : public SurfaceTest {
protected:
    void SetUp() override
    {
        SurfaceTest::SetUp();
        SURF();
        CONFRA(1);
        CONANN(-1, 0.0f, 0.0f, 0, 0, 0, 0, 0);  // no labels
    }
};

#endif
