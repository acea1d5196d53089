// Files are replaced, never rewritten in place: the new contents go to a
// temporary file beside the old one, reach the disk, and only then take its
// name. Whatever stops a save half-way, the file holds the old bytes or the
// new ones.
#pragma once

#include <QString>
#include <string_view>

namespace korvane::platform {

// What a write came to, and why it failed in words the user reads: the
// system's own description of its error ("Permission denied", "No space
// left on device") or one of the program's ("settings.cfg is read-only"),
// in the user's language.
struct WriteResult {
    bool written = false;
    QString reason;  // empty when written

    explicit operator bool() const { return written; }
};

// Replaces the file at `path` with `bytes` through the core's atomic
// writer (core/files/atomic_file.h), which keeps a link, the file's
// permissions and, where the system allows, its owner and group. Anything
// but a regular file in the way (a folder, a device, a pipe, a link to one
// of them or to nothing) is refused, and so is a file made read-only.
// Temporary copies of the file left beside it by a save that was killed are
// removed first. On failure an existing file stays exactly as it was.
WriteResult WriteFileAtomically(const QString& path, std::string_view bytes);

// Makes `folder` and every missing folder above it, each readable by its
// owner only, as the per-user configuration folders are meant to be.
WriteResult MakeFolders(const QString& folder);

// Whether the file at `path` could be replaced where it is: a temporary copy
// of it can be made in its folder. (A folder that lets the user write its
// files but not add one is no place to save.)
bool CanReplaceFileAt(const QString& path);

}  // namespace korvane::platform
