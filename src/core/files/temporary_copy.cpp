#include "core/files/temporary_copy.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>

namespace korvane {
namespace {

// A copy is named after its file, a period and six of these.
constexpr std::size_t kSuffixLength = 6;
constexpr std::string_view kSuffixCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kNameAttempts = 100;

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsCopyName(std::string_view entry, std::string_view fileName) {
    if (entry.size() != fileName.size() + 1 + kSuffixLength || !entry.starts_with(fileName) ||
        entry[fileName.size()] != '.') {
        return false;
    }
    return entry.substr(fileName.size() + 1).find_first_not_of(kSuffixCharacters) ==
           std::string_view::npos;
}

// Locks the open file `fd` and tells whether `name` still leads to it.
// (A lock the file system cannot give is no reason to stop a write.)
bool LockedUnderItsName(int fd, const std::string& name) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        return false;
    }
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(name.c_str(), &named) == 0 &&
           named.st_ino == opened.st_ino && named.st_dev == opened.st_dev;
}

// A writer holds a lock on its copy for as long as it runs; the system drops
// the lock when the process dies. So a copy whose lock can be taken belongs
// to no running writer and is only debris; and only while its name still
// leads to the file locked, for by now it may be another writer's new copy.
void RemoveIfStale(const std::string& path, uid_t owner) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        (opened.st_uid == ::geteuid() || (::geteuid() == 0 && opened.st_uid == owner)) &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && LockedUnderItsName(fd, path)) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

// A file system that cannot sync a folder has nothing more to do here.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

TemporaryCopy::~TemporaryCopy() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
}

int TemporaryCopy::Create(const std::string& target) {
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, kSuffixCharacters.size() - 1);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = target + '.';
        for (std::size_t i = 0; i < kSuffixLength; ++i) {
            name += kSuffixCharacters[pick(random)];
        }
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno != EEXIST) {
                return errno;
            }
            continue;
        }
        // Another writer may have taken the new copy for debris in the
        // moment before it was locked: then it is locked already, or its
        // name is gone.
        if (!LockedUnderItsName(fd, name)) {
            ::close(fd);
            continue;
        }
        fd_ = fd;
        path_ = std::move(name);
        return 0;
    }
    return EEXIST;
}

int TemporaryCopy::TakeOver(const struct stat& old) {
    // Only root may give a file away; anyone else keeps it.
    static_cast<void>(::fchown(fd_, old.st_uid, old.st_gid));
    return ::fchmod(fd_, old.st_mode & 07777) == 0 ? 0 : errno;
}

int TemporaryCopy::SyncAndClose() {
    if (::fsync(fd_) != 0) {
        return errno;
    }
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

int TemporaryCopy::Rename(const std::string& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) {
        return errno;
    }
    path_.clear();
    SyncFolder(FolderOf(target));
    return 0;
}

void RemoveStaleCopies(const std::string& target, uid_t owner) {
    const std::string folder = FolderOf(target);
    const std::string fileName = NameOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (IsCopyName(entry->d_name, fileName)) {
            RemoveIfStale(folder + '/' + entry->d_name, owner);
        }
    }
    ::closedir(dir);
}

}  // namespace korvane
