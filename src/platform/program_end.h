// Ending the program at once, once its windows are closed.
#pragma once

#include <functional>

namespace korvane::platform {

// Leaves every running event loop, the main one and any modal box's, so no
// further handler runs.
void EndProgram();

// Tests replace the ending with `action` (an empty one restores it).
void InstallProgramEnd(std::function<void()> action);

}  // namespace korvane::platform
