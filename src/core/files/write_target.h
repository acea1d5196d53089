// What a path given for writing names, looked at before a byte is written:
// a regular file to replace whole (itself or at the end of a link), a device
// or pipe to write straight through, or one of the process's own open
// descriptors.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

#include "core/files/write_status.h"

namespace korvane {

enum class TargetKind : unsigned char {
    File,        // replaced whole by a temporary copy beside it
    Stream,      // a character device or a pipe, opened and written as it is
    Descriptor,  // an open descriptor of this process, written as it is
};

struct WriteTarget {
    TargetKind kind = TargetKind::File;
    // File: the regular file that takes the bytes, through any links, or
    // the path itself when nothing is there yet. Stream: the path to open.
    std::string path;
    int descriptor = -1;                  // Descriptor: the one written
    std::optional<struct stat> existing;  // File: the file replaced, if any
};

// The descriptor "/dev/stdout", "/dev/stderr", "/dev/stdin", "/dev/fd/N" or
// "/proc/self/fd/N" stands for, if `path` is one of those names.
std::optional<int> DescriptorNamed(const std::string& path);

// What `path` names and whether it may be written. Without `streams`, only
// a regular file (or nothing yet) is a target: devices, pipes and
// descriptor names are refused as not regular files.
std::optional<WriteTarget> ResolveWriteTarget(const std::string& path, bool streams,
                                              WriteStatus& failure);

// Looked at again just before a file is replaced: something may have taken
// its place, or it may have been made read-only, since the write began.
WriteStatus StillReplaceable(const std::string& path);

// Whether a file's mode lets nobody write it.
bool IsReadOnly(const struct stat& status);

}  // namespace korvane
