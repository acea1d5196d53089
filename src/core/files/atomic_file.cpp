#include "core/files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "core/files/temporary_copy.h"
#include "core/files/write_all.h"
#include "core/files/write_target.h"

namespace korvane {
namespace {

// A target that changes kind between the look and the open is looked at
// again, this many times at most.
constexpr int kOpenAttempts = 3;

bool Stopped(const WriteOptions& options) {
    return options.stop != nullptr && options.stop();
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path, WriteOptions options) : options_(options) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (Open(path)) {
            return;
        }
        if (!status_.Ok()) {
            return;
        }
    }
    status_ = WriteStatus::System(EAGAIN);
}

AtomicFile::~AtomicFile() {
    if (ownsDescriptor_ && fd_ >= 0) {
        ::close(fd_);
    }
}

// Opens what `path` names: true when open, false with the status set when
// refused, and false with no status when a stream turned out to be no
// stream by the time it was opened.
bool AtomicFile::Open(const std::string& path) {
    const std::optional<WriteTarget> target = ResolveWriteTarget(path, options_.streams, status_);
    if (!target) {
        return false;
    }
    target_ = target->path;
    if (target->kind == TargetKind::Descriptor) {
        fd_ = target->descriptor;
        return true;
    }
    if (target->kind == TargetKind::Stream) {
        // A pipe with no reader yet waits for one here, as a shell's
        // redirection does; a stop ends the wait.
        int fd = -1;
        int error = EINTR;
        while (error == EINTR && !Stopped(options_)) {
            fd = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            error = fd < 0 ? errno : 0;
        }
        if (fd < 0) {
            status_ = WriteStatus::System(error);
            return false;
        }
        // Written as it stands, so it must still be no file that an open
        // without truncation would rewrite in part.
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !(S_ISCHR(opened.st_mode) || S_ISFIFO(opened.st_mode))) {
            ::close(fd);
            return false;
        }
        fd_ = fd;
        ownsDescriptor_ = true;
        return true;
    }
    const uid_t owner = target->existing ? target->existing->st_uid : ::geteuid();
    RemoveStaleCopies(target_, owner);
    auto copy = std::make_unique<TemporaryCopy>();
    int error = copy->Create(target_);
    if (error == 0 && target->existing) {
        error = copy->TakeOver(*target->existing);
    }
    if (error != 0) {
        status_ = WriteStatus::System(error);
        return false;
    }
    copy_ = std::move(copy);
    fd_ = copy_->Descriptor();
    replacesWhole_ = true;
    return true;
}

bool AtomicFile::Write(std::string_view bytes) {
    if (status_.Ok() && fd_ >= 0) {
        if (const int error = WriteAll(fd_, bytes, options_.stop); error != 0) {
            status_ = WriteStatus::System(error);
        }
    }
    return status_.Ok() && fd_ >= 0;
}

bool AtomicFile::Commit() {
    if (!status_.Ok() || fd_ < 0) {
        return false;
    }
    if (copy_) {
        // The copy goes at once, whether it took the file's place or not.
        const bool committed = CommitFile();
        copy_.reset();
        return committed;
    }
    if (ownsDescriptor_) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            status_ = WriteStatus::System(errno);
        }
    }
    if (status_.Ok() && Stopped(options_)) {
        status_ = WriteStatus::System(EINTR);
    }
    return status_.Ok();
}

bool AtomicFile::CommitFile() {
    fd_ = -1;
    if (const int error = copy_->SyncAndClose(); error != 0) {
        status_ = WriteStatus::System(error);
        return false;
    }
    if (Stopped(options_)) {
        status_ = WriteStatus::System(EINTR);
        return false;
    }
    status_ = StillReplaceable(target_);
    if (!status_.Ok()) {
        return false;
    }
    if (const int error = copy_->Rename(target_); error != 0) {
        status_ = WriteStatus::System(error);
        return false;
    }
    return true;
}

WriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes,
                                WriteOptions options) {
    AtomicFile file(path, options);
    file.Write(bytes);
    file.Commit();
    return file.Status();
}

bool CanReplaceFileAt(const std::string& path) {
    TemporaryCopy probe;
    return probe.Create(path) == 0;
}

}  // namespace korvane
