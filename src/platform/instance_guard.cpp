#include "platform/instance_guard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace korvane::platform {
namespace {

// One lock per user (the runtime or temporary folder is the user's own) and
// per program folder, since that folder holds the settings both would share.
QString LockPathFor(const QString& settingsFolder) {
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) {
        base = QDir::tempPath();
    }
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(settingsFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(base).filePath(QStringLiteral("korvane-%1.lock").arg(QString::fromLatin1(key)));
}

}  // namespace

InstanceGuard::InstanceGuard() = default;

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::Acquire(const QString& settingsFolder) {
    lock_ = std::make_unique<QLockFile>(LockPathFor(settingsFolder));
    // Only a dead owner makes a lock stale (tryLock checks the owner's
    // process and takes the lock over), never its age: a long-running first
    // instance keeps its claim.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return true;
    }
    // A folder where no lock can be made at all must not stop the program.
    return lock_->error() != QLockFile::LockFailedError;
}

}  // namespace korvane::platform
