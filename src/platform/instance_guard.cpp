#include "platform/instance_guard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace korvane::platform {
namespace {

// One lock per user (the runtime or temporary folder is the user's own) and
// per program folder, since the settings the two would share are found from
// there.
QString LockPathFor(const QString& programFolder) {
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) {
        base = QDir::tempPath();
    }
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(programFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(base).filePath(QStringLiteral("korvane-%1.lock").arg(QString::fromLatin1(key)));
}

}  // namespace

InstanceGuard::InstanceGuard() = default;

InstanceGuard::~InstanceGuard() {
#ifdef Q_OS_UNIX
    if (lockFd_ >= 0) {
        ::close(lockFd_);
    }
#endif
}

bool InstanceGuard::Acquire(const QString& programFolder) {
    const QString path = LockPathFor(programFolder);
#ifdef Q_OS_UNIX
    // An advisory lock on an open file: the kernel lets it go with the
    // process, and it costs one system call where a lock file's owner check
    // costs many.
    lockFd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) {
        return true;  // a folder where no lock can be made must not stop the program
    }
    return ::flock(lockFd_, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
#else
    lock_ = std::make_unique<QLockFile>(path);
    // Only a dead owner makes a lock stale, never its age.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return true;
    }
    return lock_->error() != QLockFile::LockFailedError;
#endif
}

}  // namespace korvane::platform
