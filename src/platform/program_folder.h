// Where the program file lives, as the settings file is kept beside it.
#pragma once

#include <QString>

namespace korvane::platform {

// The folder of the running executable, without a trailing separator except
// for a root, in the system's own separator.
QString ProgramFolder();

// The system's path separator.
char PathSeparator();

}  // namespace korvane::platform
