// Files are replaced, never rewritten in place: the new bytes go to a
// temporary copy in the file's folder, reach the disk, and only then take
// its name, and the folder is synced so that the rename lasts too. Whatever
// stops a write half-way, the file holds the old bytes or the new ones.
//
// The settings save writes one buffer; korvane-calc -o streams a batch of
// any size through the same writer.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/files/write_status.h"

namespace korvane {

class TemporaryCopy;

struct WriteOptions {
    // Whether a character device or a pipe (itself or at the end of a link)
    // is written straight through, as every Unix tool does: nothing of the
    // user's is replaced there. The process's own descriptors by name
    // (/dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N) are then
    // written through the descriptor itself, so that whatever the shell
    // opened, a file appended to (>>) among them, is written as opened.
    // Without it those are refused as not regular files.
    bool streams = false;
    // Asked before each write and before the file is replaced; once it
    // answers true the write ends with EINTR and the file stays as it was.
    bool (*stop)() = nullptr;
};

// One write of one file. A regular file at the path, or at the end of its
// symbolic links, is replaced in its own folder with its owner (where the
// system allows), group and permissions kept; the links stay. A file whose
// mode lets nobody write it is refused, as is anything that is not a file
// (a folder, a link to nothing, and devices and pipes unless streams are
// written). Temporary copies a killed write left beside the file are
// removed first. Until Commit(), and after any failure, the file stays
// exactly as it was and the temporary copy is removed when this goes. Two
// writers of one file each leave a whole file: the last to commit wins.
class AtomicFile {
  public:
    explicit AtomicFile(const std::string& path, WriteOptions options = {});
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // False when the path was refused or could not be opened: Status() says
    // why.
    bool IsOpen() const { return fd_ >= 0; }
    // Whether the bytes replace a file whole at Commit(), rather than pass
    // straight through to a device, a pipe or a descriptor as they come.
    bool ReplacesWhole() const { return replacesWhole_; }
    // Where the bytes go now: the temporary copy, or the stream itself.
    int Descriptor() const { return fd_; }

    // False once a write has failed; what follows is not written.
    bool Write(std::string_view bytes);
    // Makes the bytes durable and puts them in the file's place. A file is
    // looked at once more first: what has taken its place meanwhile, or a
    // file made read-only, is not replaced.
    bool Commit();

    const WriteStatus& Status() const { return status_; }

  private:
    bool Open(const std::string& path);
    bool CommitFile();

    WriteOptions options_;
    std::string target_;                   // the file replaced, or the stream
    std::unique_ptr<TemporaryCopy> copy_;  // for a file replaced whole
    int fd_ = -1;
    bool ownsDescriptor_ = false;  // a stream opened here; not a descriptor named
    bool replacesWhole_ = false;
    WriteStatus status_;
};

// Replaces the file at `path` with `bytes`, as AtomicFile does.
WriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes,
                                WriteOptions options = {});

// Whether a file at `path` could be replaced where it is: a temporary copy
// of it can be made in its folder. (A folder that lets the user write its
// files but not add one is no place to save.)
bool CanReplaceFileAt(const std::string& path);

}  // namespace korvane
