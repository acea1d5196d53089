#include "platform/atomic_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/write_all.h"
#include "core/rules/messages.h"
#include "platform/translations.h"

namespace korvane::platform {
namespace {

// A temporary copy is named after its file: "settings.cfg.a1B2c3".
constexpr int kSuffixLength = 6;
constexpr char kSuffixCharacters[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kNameAttempts = 100;

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

WriteResult Failed(QString reason) {
    return {false, std::move(reason)};
}

WriteResult SystemFailure(int error) {
    return Failed(qt_error_string(error));
}

WriteResult NotRegularFile(const QString& path) {
    return Failed(CoreText(kNotRegularFileReason).arg(QFileInfo(path).fileName()));
}

bool IsTemporaryName(const QString& entry, const QString& fileName) {
    if (entry.size() != fileName.size() + 1 + kSuffixLength || !entry.startsWith(fileName) ||
        entry.at(fileName.size()) != QLatin1Char('.')) {
        return false;
    }
    for (qsizetype i = fileName.size() + 1; i < entry.size(); ++i) {
        const char c = entry.at(i).toLatin1();
        if (c == '\0' || std::strchr(kSuffixCharacters, c) == nullptr) {
            return false;
        }
    }
    return true;
}

// Locks the open file `fd` and tells whether `name` still leads to it.
// (A lock the file system cannot give is no reason to stop a save.)
bool LockedUnderItsName(int fd, const QByteArray& name) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        return false;
    }
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(name.constData(), &named) == 0 &&
           named.st_ino == opened.st_ino && named.st_dev == opened.st_dev;
}

// A save holds a lock on its temporary copy for as long as it runs; the
// system drops the lock when the process dies. So a copy whose lock can be
// taken belongs to no running save and is only debris.
void RemoveStaleCopies(const QString& folder, const QString& fileName) {
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList({fileName + QStringLiteral(".*")},
                      QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& entry : entries) {
        if (!IsTemporaryName(entry, fileName)) {
            continue;
        }
        const QByteArray path = Native(dir.filePath(entry));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        // Only the user's own files, and only while the name still leads to
        // the file locked: by now it may be another save's new copy.
        struct stat opened {};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && LockedUnderItsName(fd, path)) {
            ::unlink(path.constData());
        }
        ::close(fd);
    }
}

// The file a save replaces: the one `path` names, or the one its link leads
// to, with what is known of it.
struct Target {
    QString path;
    std::optional<struct stat> existing;
};

// A file the user has made read-only is not replaced behind their back,
// although its folder would allow it; not even by root, whom the system
// would let write it.
std::optional<Target> Writable(Target target, WriteResult& failure) {
    const bool readOnly = target.existing && (target.existing->st_mode & 0222) == 0;
    if (readOnly || ::faccessat(AT_FDCWD, Native(target.path).constData(), W_OK, AT_EACCESS) != 0) {
        failure = SystemFailure(readOnly ? EACCES : errno);
        return std::nullopt;
    }
    return target;
}

std::optional<Target> ResolveTarget(const QString& path, WriteResult& failure) {
    struct stat status {};
    if (::lstat(Native(path).constData(), &status) != 0) {
        if (errno == ENOENT) {
            return Target{path, std::nullopt};
        }
        failure = SystemFailure(errno);
        return std::nullopt;
    }
    if (S_ISREG(status.st_mode)) {
        return Writable(Target{path, status}, failure);
    }
    if (!S_ISLNK(status.st_mode)) {
        failure = NotRegularFile(path);
        return std::nullopt;
    }
    const std::unique_ptr<char, decltype(&std::free)> real(
        ::realpath(Native(path).constData(), nullptr), &std::free);
    if (!real) {
        // A link to nothing is refused like a link to a folder: a save
        // must not create files wherever a link points.
        failure = errno == ENOENT ? NotRegularFile(path) : SystemFailure(errno);
        return std::nullopt;
    }
    if (::stat(real.get(), &status) != 0) {
        failure = SystemFailure(errno);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        failure = NotRegularFile(path);
        return std::nullopt;
    }
    return Writable(Target{QFile::decodeName(real.get()), status}, failure);
}

// A temporary copy beside a file, removed again unless it took the file's
// place.
class TemporaryCopy {
  public:
    TemporaryCopy() = default;
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;
    ~TemporaryCopy() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!path_.isEmpty()) {
            ::unlink(path_.constData());
        }
    }

    // Made with the permissions a new file gets; locked, so that no other
    // save takes it for debris.
    int Create(const QString& target) {
        const QByteArray base = Native(target) + '.';
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            QByteArray name = base;
            for (int i = 0; i < kSuffixLength; ++i) {
                name += kSuffixCharacters[QRandomGenerator::global()->bounded(
                    static_cast<int>(sizeof kSuffixCharacters) - 1)];
            }
            const int fd = ::open(name.constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd < 0) {
                if (errno != EEXIST) {
                    return errno;
                }
                continue;
            }
            // Another save may have taken the new copy for debris in the
            // moment before it was locked: then it is locked already, or
            // its name is gone.
            if (!LockedUnderItsName(fd, name)) {
                ::close(fd);
                continue;
            }
            fd_ = fd;
            path_ = name;
            return 0;
        }
        return EEXIST;
    }

    // The old file's owner, group and permissions, as far as they can be
    // given.
    int TakeOver(const struct stat& old) {
        // Only root may give a file away; anyone else keeps it.
        static_cast<void>(::fchown(fd_, old.st_uid, old.st_gid));
        return ::fchmod(fd_, old.st_mode & 07777) == 0 ? 0 : errno;
    }

    int Write(std::string_view bytes) { return WriteAll(fd_, bytes); }

    // On the disk first, then under the file's name.
    int Commit(const QString& target) {
        if (::fsync(fd_) != 0) {
            return errno;
        }
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            return errno;
        }
        if (::rename(path_.constData(), Native(target).constData()) != 0) {
            return errno;
        }
        path_.clear();
        return 0;
    }

  private:
    int fd_ = -1;
    QByteArray path_;
};

// The rename itself reaches the disk with its folder. A file system that
// cannot sync a folder has nothing more to do here.
void SyncFolder(const QString& folder) {
    const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

WriteResult WriteFileAtomically(const QString& path, std::string_view bytes) {
    WriteResult failure;
    const std::optional<Target> target = ResolveTarget(path, failure);
    if (!target) {
        return failure;
    }
    const QFileInfo info(target->path);
    RemoveStaleCopies(info.absolutePath(), info.fileName());
    TemporaryCopy copy;
    int error = copy.Create(target->path);
    if (error == 0 && target->existing) {
        error = copy.TakeOver(*target->existing);
    }
    if (error == 0) {
        error = copy.Write(bytes);
    }
    if (error == 0) {
        error = copy.Commit(target->path);
    }
    if (error != 0) {
        return SystemFailure(error);
    }
    SyncFolder(info.absolutePath());
    return {true, {}};
}

WriteResult MakeFolders(const QString& folder) {
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    qsizetype end = 0;
    while (end < absolute.size()) {
        end = absolute.indexOf(QLatin1Char('/'), end + 1);
        if (end < 0) {
            end = absolute.size();
        }
        const QByteArray part = Native(absolute.left(end));
        if (::mkdir(part.constData(), 0700) != 0) {
            const int error = errno;
            struct stat status {};
            if (::stat(part.constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
                return SystemFailure(error == EEXIST ? ENOTDIR : error);
            }
        }
    }
    return {true, {}};
}

bool CanReplaceFileAt(const QString& path) {
    TemporaryCopy probe;
    return probe.Create(QFileInfo(path).absoluteFilePath()) == 0;
}

}  // namespace korvane::platform
