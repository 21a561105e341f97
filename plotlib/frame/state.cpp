// state.cpp - the graph library's one state block, zero at load.
#include "frame/state.h"

#include "tarvcore.h"

namespace plotlib {

GraphLibraryState graphState{};

void graphResetLibraryForTests()
{
    graphState = GraphLibraryState{};
    tarv::resetState(true);
}

}  // namespace plotlib
