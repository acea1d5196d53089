// File modes do not stop root, and CI runs as root. A test about what a
// normal user may not write runs itself again as the unprivileged user
// `nobody`, through setpriv, instead of being skipped.
#pragma once

#include <optional>

namespace korvane::testing {

// As root: runs the current test again in a new process as `nobody` and
// returns that process's exit status (0 when the test passed there). As any
// other user: none, and the test goes on in this process.
std::optional<int> RerunUnprivilegedIfRoot();

}  // namespace korvane::testing
