// frame.h - the routine frame of the graph library and its error reporting.
//
// Every exported legacy routine runs between graphEnterRoutine and graphExitRoutine.  The
// entry names the routine to the kernel, runs the first-use defaults on the first call of the
// process, keeps default axis positions following the plot area, saves the caller's kernel
// text and line state for routines that draw with their own attributes, and sets up the axes
// the routine needs; the exit restores what was saved and clears the name.  Each routine's
// axis code A and draw flag D and its message text come from one table (frame/routines.cpp):
//   A: 1 no set-up, 2 the current axis, 3 both axes (y, then x; the current axis ends as 1);
//   D: 1 the caller's kernel state is saved and restored, 0 it is left alone.
// GraphRoutineFrame does both ends for a routine named by its legacy name, so that the exit
// runs on every path out of the routine.
#ifndef PLOTLIB_FRAME_FRAME_H
#define PLOTLIB_FRAME_FRAME_H

namespace plotlib {

struct GraphRoutineEntry {
    const char* legacy;   // six-letter name
    int axisCode;         // A
    int drawFlag;         // D
    const char* message;  // text registered with the kernel
};

// The entry of a legacy routine name, or nullptr when the library has no such routine.
const GraphRoutineEntry* graphFindRoutine(const char* legacy);
// The whole table (sorted by legacy name) and its length.
const GraphRoutineEntry* graphRoutineTable(int& count);

void graphEnterRoutine(int axisCode, int drawFlag, const char* name, int length);
void graphExitRoutine(int drawFlag);
// Saves the caller's text and line state; called only by graphEnterRoutine.
void graphSaveKernelState(int drawFlag, int status);
// Gives back the interval taken off type-5 axes; called only by graphExitRoutine.
void graphRestoreIntervalCounts();
// Reports library number n (named in frame/errors.h) moved 500 away from zero.  Positive n
// is an error (the routine stops its work and goes to its exit), negative n a warning (it
// goes on).
void graphReportError(int n);

// Entry on construction, exit on destruction, with the table's values for `legacy`.
class GraphRoutineFrame {
public:
    explicit GraphRoutineFrame(const char* legacy);
    ~GraphRoutineFrame();
    GraphRoutineFrame(const GraphRoutineFrame&) = delete;
    GraphRoutineFrame& operator=(const GraphRoutineFrame&) = delete;

private:
    int drawFlag_;
};

}  // namespace plotlib

#endif
