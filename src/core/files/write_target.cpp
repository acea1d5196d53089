#include "core/files/write_target.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace korvane {
namespace {

// The number that ends `path` after `prefix`, written as the system names
// descriptors: decimal digits with no sign and no leading zero.
std::optional<int> NumberAfter(std::string_view path, std::string_view prefix) {
    if (!path.starts_with(prefix)) {
        return std::nullopt;
    }
    const std::string_view digits = path.substr(prefix.size());
    if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits[0] == '0')) {
        return std::nullopt;
    }
    int number = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        number = number * 10 + (digit - '0');
    }
    return number;
}

// An open descriptor of the process that may be written: 0 or the error
// the first write would meet.
int WritableDescriptor(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0) {
        return errno;
    }
    return (flags & O_ACCMODE) == O_RDONLY ? EBADF : 0;
}

bool IsStream(const struct stat& status) {
    return S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode);
}

// A file the user has made read-only is not replaced behind their back,
// although its folder would allow it; not even by root, whom the system
// would let write it. A file of someone else's that the user may not write
// is refused with the system's own reason.
std::optional<WriteTarget> Replaceable(WriteTarget target, WriteStatus& failure) {
    if (IsReadOnly(*target.existing)) {
        failure = {WriteProblem::ReadOnly, 0};
        return std::nullopt;
    }
    if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        failure = WriteStatus::System(errno);
        return std::nullopt;
    }
    return target;
}

// What stands at `path` (itself or at the end of its links), described by
// `status`.
std::optional<WriteTarget> OfType(const std::string& path, const struct stat& status, bool streams,
                                  WriteStatus& failure) {
    if (S_ISREG(status.st_mode)) {
        return Replaceable(WriteTarget{TargetKind::File, path, -1, status}, failure);
    }
    if (streams && IsStream(status)) {
        return WriteTarget{TargetKind::Stream, path, -1, std::nullopt};
    }
    failure = {WriteProblem::NotRegularFile, 0};
    return std::nullopt;
}

}  // namespace

bool IsReadOnly(const struct stat& status) {
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::optional<int> DescriptorNamed(const std::string& path) {
    if (path == "/dev/stdin") {
        return STDIN_FILENO;
    }
    if (path == "/dev/stdout") {
        return STDOUT_FILENO;
    }
    if (path == "/dev/stderr") {
        return STDERR_FILENO;
    }
    if (const std::optional<int> fd = NumberAfter(path, "/dev/fd/")) {
        return fd;
    }
    return NumberAfter(path, "/proc/self/fd/");
}

std::optional<WriteTarget> ResolveWriteTarget(const std::string& path, bool streams,
                                              WriteStatus& failure) {
    // Through the descriptor itself: opening its name again would start a
    // file it leads to from the beginning, or replace it, where the shell
    // that opened it may have asked for its end (>>).
    if (const std::optional<int> fd = DescriptorNamed(path)) {
        if (!streams) {
            failure = {WriteProblem::NotRegularFile, 0};
            return std::nullopt;
        }
        if (const int error = WritableDescriptor(*fd); error != 0) {
            failure = WriteStatus::System(error);
            return std::nullopt;
        }
        return WriteTarget{TargetKind::Descriptor, path, *fd, std::nullopt};
    }
    if (path.empty() || path.back() == '/') {
        failure = WriteStatus::System(path.empty() ? ENOENT : EISDIR);
        return std::nullopt;
    }
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return WriteTarget{TargetKind::File, path, -1, std::nullopt};
        }
        failure = WriteStatus::System(errno);
        return std::nullopt;
    }
    if (!S_ISLNK(status.st_mode)) {
        return OfType(path, status, streams, failure);
    }
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                           &std::free);
    if (!real) {
        // A write must not create files wherever a link points.
        failure = errno == ENOENT ? WriteStatus{WriteProblem::LinkToNothing, 0}
                                  : WriteStatus::System(errno);
        return std::nullopt;
    }
    if (::stat(real.get(), &status) != 0) {
        failure = WriteStatus::System(errno);
        return std::nullopt;
    }
    return OfType(real.get(), status, streams, failure);
}

WriteStatus StillReplaceable(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return errno == ENOENT ? WriteStatus{} : WriteStatus::System(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return {WriteProblem::NotRegularFile, 0};
    }
    return IsReadOnly(status) ? WriteStatus{WriteProblem::ReadOnly, 0} : WriteStatus{};
}

}  // namespace korvane
