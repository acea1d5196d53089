#include "cli/file_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace korvane {
namespace {

constexpr mode_t kNewFileMode = 0666;  // less the user's umask

std::string ErrorText(int error) {
    return std::strerror(error);
}

// Writes everything, through interruptions and short writes; the error
// number, or 0.
int WriteFully(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
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

FileSink::FileSink(const std::string& path) {
    if (path == "-") {
        fd_ = STDOUT_FILENO;
        return;
    }
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode);
    owned_ = fd_ >= 0;
    error_ = fd_ < 0 ? errno : 0;
}

FileSink::~FileSink() {
    Close();
}

bool FileSink::Write(std::string_view bytes) {
    if (error_ != 0) {
        return false;
    }
    error_ = WriteFully(fd_, bytes);
    return error_ == 0;
}

bool FileSink::Close() {
    if (owned_) {
        owned_ = false;
        if (::close(fd_) != 0 && error_ == 0) {
            error_ = errno;
        }
    }
    return error_ == 0;
}

std::string FileSink::Failure() const {
    return ErrorText(error_);
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

void WriteAll(int fd, std::string_view bytes) {
    WriteFully(fd, bytes);
}

void Complain(const std::string& message) {
    WriteAll(STDERR_FILENO, kMessagePrefix + message + "\n");
}

}  // namespace korvane
