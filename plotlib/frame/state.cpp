// state.cpp - the graph library's one state block, zero at load.
#include "frame/state.h"

#include "tarvcore.h"

GraphLibraryState graphState{};

void graphResetLibraryForTests() {
    graphState = GraphLibraryState{};
    tarv::resetState(true);
}
