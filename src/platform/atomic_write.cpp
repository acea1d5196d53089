#include "platform/atomic_write.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "core/files/atomic_file.h"
#include "core/rules/messages.h"
#include "platform/translations.h"

namespace korvane::platform {
namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

WriteResult Failed(QString reason) {
    return {false, std::move(reason)};
}

WriteResult SystemFailure(int error) {
    return Failed(qt_error_string(error));
}

// The writer's reason in the user's words; the program's own reasons name
// the file as the user knows it, the link rather than where it leads.
WriteResult FailureOf(const WriteStatus& status, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    switch (status.problem) {
        case WriteProblem::NotRegularFile:
        case WriteProblem::LinkToNothing:
            return Failed(CoreText(kNotRegularFileReason).arg(name));
        case WriteProblem::ReadOnly:
            return Failed(CoreText(kReadOnlyFileReason).arg(name));
        case WriteProblem::SystemError:
        case WriteProblem::None:
            break;
    }
    return SystemFailure(status.error);
}

}  // namespace

WriteResult WriteFileAtomically(const QString& path, std::string_view bytes) {
    const WriteStatus status = korvane::WriteFileAtomically(Native(path).toStdString(), bytes);
    if (status.Ok()) {
        return {true, {}};
    }
    return FailureOf(status, path);
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
    return korvane::CanReplaceFileAt(Native(QFileInfo(path).absoluteFilePath()).toStdString());
}

}  // namespace korvane::platform
