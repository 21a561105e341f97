// workspace_copy.h - the copy of a caller's workspace record that a long form hands to its
// legacy routine when that routine would write into the words (scratch or edge flags) and the
// long form promises to leave the caller's array as it was.
#ifndef SURFLIB_LONGFORM_WORKSPACE_COPY_H
#define SURFLIB_LONGFORM_WORKSPACE_COPY_H

#include <vector>

#include "tterrlib.h"

namespace surflib {

// A contiguous copy of the record's words (empty for a record with no array or no size).
inline std::vector<float> surfaceWorkspaceCopy(const SurfaceWorkspace& ws)
{
    if (ws.size <= 0 || ws.words == nullptr) return {};
    return std::vector<float>(ws.words, ws.words + ws.size);
}

// The words of a copy for the legacy routine: no array when the copy is empty.
inline float* surfaceWordsOf(std::vector<float>& copy)
{
    return copy.empty() ? nullptr : copy.data();
}

}  // namespace surflib

#endif
