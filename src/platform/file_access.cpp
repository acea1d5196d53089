#include "platform/file_access.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvane::platform {
namespace {

constexpr std::size_t kReadChunk = std::size_t{64} * 1024;

// Opens `file` for reading only when it is a regular file. On Unix the check
// is made again on the opened descriptor, and the open itself does not wait,
// so a pipe swapped in after the first check cannot hang the program.
bool OpenRegularFile(QFile& file, const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        return false;
    }
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
#endif
}

// Makes room for `capacity` bytes in `bytes` without the library rounding the
// allocation up past it.
void ReserveExactly(std::string& bytes, std::size_t capacity) {
    if (bytes.capacity() >= capacity) {
        return;
    }
    std::string larger;
    larger.reserve(capacity);
    larger.append(bytes);
    bytes.swap(larger);
}

}  // namespace

std::optional<FilePrefix> ReadFilePrefix(const QString& path, std::size_t maxBytes) {
    QFile file;
    if (!OpenRegularFile(file, path)) {
        return std::nullopt;
    }
    FilePrefix prefix{{}, false};
    // The size is only a hint for the first allocation; the file may change
    // while it is read.
    const std::uint64_t reported = static_cast<std::uint64_t>(std::max<qint64>(file.size(), 0));
    ReserveExactly(prefix.bytes,
                   static_cast<std::size_t>(std::min<std::uint64_t>(maxBytes, reported)));
    while (prefix.bytes.size() < maxBytes) {
        const std::size_t used = prefix.bytes.size();
        const std::size_t wanted = std::min(kReadChunk, maxBytes - used);
        if (prefix.bytes.capacity() < used + wanted) {
            ReserveExactly(prefix.bytes, std::min(maxBytes, std::max(used + wanted,
                                                                     2 * prefix.bytes.capacity())));
        }
        prefix.bytes.resize(used + wanted);
        const qint64 got = file.read(prefix.bytes.data() + used, static_cast<qint64>(wanted));
        if (got < 0) {
            return std::nullopt;
        }
        prefix.bytes.resize(used + static_cast<std::size_t>(got));
        if (got == 0) {
            prefix.wholeFile = true;
            return prefix;
        }
    }
    // The limit is reached; one more byte tells whether the file goes on.
    char next = 0;
    const qint64 got = file.read(&next, 1);
    if (got < 0) {
        return std::nullopt;
    }
    prefix.wholeFile = got == 0;
    return prefix;
}

}  // namespace korvane::platform
