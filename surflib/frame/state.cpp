// state.cpp - the library's one state block and the frame switches beside it.
#include "frame/state.h"

#include <cstring>

namespace surflib {

SurfaceLibraryState surfaceState{};
SurfaceFrameSwitches surfaceFrameSwitches{};
SurfaceLongFormMemory surfaceLongFormMemory{};

void surfaceResetLibraryForTests()
{
    std::memset(&surfaceState, 0, sizeof surfaceState);
    surfaceFrameSwitches = SurfaceFrameSwitches{};
    surfaceLongFormMemory = SurfaceLongFormMemory{};
}

}  // namespace surflib
