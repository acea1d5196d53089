// Writing to a file descriptor as a POSIX system allows it: a write may take
// only part of the bytes, or be interrupted by a signal before it starts.
#pragma once

#include <string_view>

namespace korvane {

// Writes all of `bytes` to `fd`: 0, or the error number of the write that
// failed. `stop`, when given, is asked before each write; once it answers
// true the writing ends with EINTR.
int WriteAll(int fd, std::string_view bytes, bool (*stop)() = nullptr);

}  // namespace korvane
