// routine_frame.h - the frame every legacy routine runs in: routine name, first-use defaults,
// the caller's kernel drawing state saved and restored around drawing routines, and the
// error reporter.
#ifndef SURFLIB_FRAME_ROUTINE_FRAME_H
#define SURFLIB_FRAME_ROUTINE_FRAME_H

#include "frame/routine_table.h"

namespace surflib {

void surfaceEnterRoutine(int drawFlag, const char* name, int length);
void surfaceSaveKernelState(int& status, const char* name, int length, int drawFlag, int charMode);
void surfaceExitRoutine(int drawFlag);
void surfaceCloseKernelLibrary();

// Enters the frame of one legacy routine and leaves it, with the same draw flag, on every
// path out of the routine.
class SurfaceRoutineScope {
public:
    explicit SurfaceRoutineScope(SurfaceRoutineId id);
    ~SurfaceRoutineScope();
    SurfaceRoutineScope(const SurfaceRoutineScope&) = delete;
    SurfaceRoutineScope& operator=(const SurfaceRoutineScope&) = delete;

private:
    int drawFlag_;
};

}  // namespace surflib

#endif
