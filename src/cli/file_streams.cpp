#include "cli/file_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "cli/interruption.h"
#include "core/files/write_all.h"

namespace korvane {
namespace {

constexpr mode_t kNewFileMode = 0666;  // less the user's umask

std::string ErrorText(int error) {
    return std::strerror(error);
}

// The batch's output stops at an interruption; its messages are still said.
bool Interrupted() {
    return Interruption() != 0;
}

// The file a path finally names: through a symbolic link, its target.
std::string FinalPath(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    std::array<char, PATH_MAX> resolved{};
    return ::realpath(path.c_str(), resolved.data()) != nullptr ? std::string(resolved.data())
                                                                : path;
}

// Why the output may not take the place of what `path` names, if anything
// is there that is not a regular file: a device, a pipe or a folder (itself
// or at the end of a link) is no output of the user's to replace, and a link
// that leads nowhere says nothing of where the output should go.
std::string ReasonNotToReplace(const std::string& path) {
    struct stat named {};
    struct stat info {};
    if (::lstat(path.c_str(), &named) != 0) {
        return "";  // nothing there yet, or nothing we may look at
    }
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? "it is a link that leads nowhere" : ErrorText(errno);
    }
    return S_ISREG(info.st_mode) ? "" : "it is not a regular file";
}

// Gives the file open as `fd` the mode of the file at `path`, and its owner
// and group where the system lets us (root may), so that replacing a file
// changes only its bytes; a new file gets what the user's umask allows.
void TakeModeAndOwner(int fd, const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        static_cast<void>(::fchown(fd, info.st_uid, info.st_gid));
        ::fchmod(fd, info.st_mode & 07777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, kNewFileMode & ~mask);
}

}  // namespace

FileSource::FileSource(const std::string& path) {
    if (path == "-") {
        fd_ = STDIN_FILENO;
        return;
    }
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    owned_ = fd_ >= 0;
    error_ = fd_ < 0 ? errno : 0;
}

FileSource::~FileSource() {
    if (owned_) {
        ::close(fd_);
    }
}

std::ptrdiff_t FileSource::Read(char* buffer, std::size_t size) {
    for (;;) {
        if (Interruption() != 0) {
            error_ = EINTR;
            return -1;
        }
        const ssize_t count = ::read(fd_, buffer, size);
        if (count >= 0) {
            return count;
        }
        if (errno != EINTR) {
            error_ = errno;
            return -1;
        }
    }
}

std::string FileSource::Failure() const {
    return ErrorText(error_);
}

bool StandardOutput::Write(std::string_view bytes) {
    if (error_ == 0) {
        error_ = WriteAll(STDOUT_FILENO, bytes, Interrupted);
    }
    return error_ == 0;
}

std::string StandardOutput::Failure() const {
    return ErrorText(error_);
}

AtomicFileSink::AtomicFileSink(const std::string& path)
    : target_(FinalPath(path)), refusal_(ReasonNotToReplace(path)) {
    if (!refusal_.empty()) {
        return;
    }
    const std::size_t slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target_.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    temporary_ = folder + "." + name + ".XXXXXX";
    fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        temporary_.clear();
        return;
    }
    TakeModeAndOwner(fd_, target_);
}

AtomicFileSink::~AtomicFileSink() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

bool AtomicFileSink::Write(std::string_view bytes) {
    if (error_ == 0) {
        error_ = WriteAll(fd_, bytes, Interrupted);
    }
    return error_ == 0;
}

bool AtomicFileSink::Commit() {
    if (error_ == 0 && ::fsync(fd_) != 0) {
        error_ = errno;
    }
    if (::close(fd_) != 0 && error_ == 0) {
        error_ = errno;
    }
    fd_ = -1;
    if (error_ == 0 && Interruption() != 0) {
        error_ = EINTR;
    }
    // Looked at again: something may have taken the file's place meanwhile.
    if (error_ == 0) {
        refusal_ = ReasonNotToReplace(target_);
        error_ = refusal_.empty() ? 0 : EEXIST;
    }
    if (error_ == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error_ = errno;
    }
    if (error_ == 0) {
        temporary_.clear();
    }
    return error_ == 0;
}

std::string AtomicFileSink::Failure() const {
    return refusal_.empty() ? ErrorText(error_) : refusal_;
}

bool IsSameFile(int fd, const std::string& path) {
    struct stat input {};
    struct stat output {};
    return ::fstat(fd, &input) == 0 && ::stat(path.c_str(), &output) == 0 &&
           input.st_dev == output.st_dev && input.st_ino == output.st_ino;
}

bool IsSameFile(int fd, int other) {
    struct stat first {};
    struct stat second {};
    return ::fstat(fd, &first) == 0 && ::fstat(other, &second) == 0 && S_ISREG(first.st_mode) &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::uint64_t RegularFileSize(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return 0;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

bool OpenClosedStandardStreams() {
    bool outputClosed = false;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            outputClosed |= fd == STDOUT_FILENO;
            // The lowest free number, which is `fd` itself.
            ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        }
    }
    return outputClosed;
}

void Complain(const std::string& message) {
    WriteAll(STDERR_FILENO, kMessagePrefix + message + "\n");
}

}  // namespace korvane
