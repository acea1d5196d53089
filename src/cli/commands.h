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

int RunOneDose(const CommandLine& line);
int RunBatch(const CommandLine& line);

// Runs the command line as korvane-calc does, messages and all.
int RunKorvaneCalc(int argc, const char* const* argv);

}  // namespace korvane
