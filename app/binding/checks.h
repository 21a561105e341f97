// checks.h - the common frame of the binding's routines: the routine's name registered with the
// kernel for the time of the call, and the checks, each failing with its code.
#ifndef SPECVUE_BINDING_CHECKS_H
#define SPECVUE_BINDING_CHECKS_H

#include <initializer_list>

// Widget type sets, closed ranges of type numbers.
struct TypeRange {
    int low, high;
};
using TypeSet = std::initializer_list<TypeRange>;

// Names the routine on construction and clears the name (six blanks) on leaving, on the error
// path too.  Each check reports its code on failure; after the first failure every further check
// fails silently, so a routine writes `if (!(f.master() && f.positive(id) && ...)) return;`.
class RoutineFrame {
public:
    explicit RoutineFrame(const char* name);
    ~RoutineFrame();
    RoutineFrame(const RoutineFrame&) = delete;
    RoutineFrame& operator=(const RoutineFrame&) = delete;

    bool master(int code = 1);             // a master window exists
    bool positive(int id, int code = 26);  // id > 0
    bool holds(bool condition, int code);
    bool typeIn(int id, TypeSet types, int code);
    bool failed() const { return failed_; }

private:
    bool failed_ = false;
};

bool typeInSet(int type, TypeSet types);

#endif
