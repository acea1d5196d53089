// The two things korvane-calc does; each returns the exit status.
#pragma once

#include "cli/command_line.h"

namespace korvane {

enum ExitStatus : int {
    kExitCalculated = 0,
    kExitCheckFailed = 1,
    kExitUsage = 2,
    kExitUnanswered = 3,
};

// `outputClosed`: standard output was closed when the program started.
int RunOneDose(const CommandLine& line, bool outputClosed);
int RunBatch(const CommandLine& line, bool outputClosed);

// Runs the command line as korvane-calc does, messages and all.
int RunKorvaneCalc(int argc, const char* const* argv);

}  // namespace korvane
