// The settings file is read only through here: a bounded read that never
// blocks on something that is not a plain file. (Writes: atomic_write.h.)
#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>

namespace korvane::platform {

struct FilePrefix {
    std::string bytes;  // the file's first bytes, at most the limit asked for
    bool wholeFile;     // true when the file ended within the limit
};

// Reads at most `maxBytes` from the start of the regular file at `path`. None
// when the path names no regular file (a directory, pipe, socket or device is
// refused without being opened) or the file cannot be opened or read.
std::optional<FilePrefix> ReadFilePrefix(const QString& path, std::size_t maxBytes);

}  // namespace korvane::platform
