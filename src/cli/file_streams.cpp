#include "cli/file_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/interruption.h"
#include "core/files/write_all.h"

namespace korvane {
namespace {

std::string ErrorText(int error) {
    return std::strerror(error);
}

// The batch's output stops at an interruption; its messages are still said.
bool Interrupted() {
    return Interruption() != 0;
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

OutputFile::OutputFile(const std::string& path)
    : file_(path, WriteOptions{.streams = true, .stop = Interrupted}) {}

std::string OutputFile::Failure() const {
    const WriteStatus& status = file_.Status();
    switch (status.problem) {
        case WriteProblem::NotRegularFile:
            return "it is not a regular file";
        case WriteProblem::LinkToNothing:
            return "it is a link that leads nowhere";
        case WriteProblem::ReadOnly:
            return "it is read-only";
        case WriteProblem::SystemError:
        case WriteProblem::None:
            break;
    }
    return ErrorText(status.error);
}

bool IsSameFile(int fd, const std::string& path) {
    struct stat input {};
    struct stat output {};
    return ::fstat(fd, &input) == 0 && ::stat(path.c_str(), &output) == 0 &&
           !S_ISCHR(input.st_mode) && input.st_dev == output.st_dev &&
           input.st_ino == output.st_ino;
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
