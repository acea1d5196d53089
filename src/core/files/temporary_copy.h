// The temporary copy a file is written to before it takes the file's name:
// "doses.csv.a1B2c3" beside "doses.csv", locked for as long as its writer
// runs, so that the copy a killed writer left behind can be told from the
// copy of one still writing, and removed.
#pragma once

#include <sys/stat.h>

#include <string>

namespace korvane {

class TemporaryCopy {
  public:
    TemporaryCopy() = default;
    // Closes the copy and removes it, unless it took its file's place.
    ~TemporaryCopy();
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;

    // Makes the copy beside `target`, with the permissions a new file gets:
    // 0, or the error number.
    int Create(const std::string& target);

    // Gives the copy the owner, group and permissions of the file it will
    // replace, as far as the system lets us: 0, or the error number.
    int TakeOver(const struct stat& old);

    int Descriptor() const { return fd_; }

    // Puts the copy on the disk and closes it: 0, or the error number.
    int SyncAndClose();

    // Gives the copy the name `target`: 0, or the error number. The rename
    // itself reaches the disk with the folder, synced as well.
    int Rename(const std::string& target);

  private:
    int fd_ = -1;
    std::string path_;
};

// Removes the temporary copies of `target` that no running writer holds:
// those of writers that were killed. Only regular files of the copies' name
// pattern go, and only the user's own or, for root, those it gave the
// owner of the file it replaces, `owner`.
void RemoveStaleCopies(const std::string& target, uid_t owner);

// The folder `path` is in: "." for a bare name.
std::string FolderOf(const std::string& path);

}  // namespace korvane
