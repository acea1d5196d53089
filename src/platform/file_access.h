// The settings file reaches the disk only through here: a bounded read that
// never blocks on something that is not a plain file, and a write that
// replaces the old file only once the new one is complete.
#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::platform {

struct FilePrefix {
    std::string bytes;  // the file's first bytes, at most the limit asked for
    bool wholeFile;     // true when the file ended within the limit
};

// Reads at most `maxBytes` from the start of the regular file at `path`. None
// when the path names no regular file (a directory, pipe, socket or device is
// refused without being opened) or the file cannot be opened or read.
std::optional<FilePrefix> ReadFilePrefix(const QString& path, std::size_t maxBytes);

// Replaces the file at `path` with `bytes`, written as they are. The new
// contents are written beside the file and take its place only when complete,
// so on failure (false) an existing file stays exactly as it was. Only where
// nothing new can be made in the folder but the file itself may be written is
// it rewritten in place.
bool WriteFileAtomically(const QString& path, std::string_view bytes);

}  // namespace korvane::platform
