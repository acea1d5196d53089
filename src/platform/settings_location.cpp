#include "platform/settings_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/product.h"
#include "core/user_defaults.h"
#include "platform/program_folder.h"

namespace korvane::platform {
namespace {

// A copy installed with its menu entry (bin/ beside share/applications/).
// Root may write to /usr/bin, but a settings file there would be read by
// every user, none of whom could save it again.
bool IsInstalledCopy(const QString& programFolder) {
    return QFileInfo::exists(QDir(programFolder)
                                 .filePath(QStringLiteral("../share/applications/%1.desktop")
                                               .arg(QLatin1String(ApplicationId))));
}

}  // namespace

std::string SettingsFilePathFor(const QString& programFolder) {
    std::string beside = SettingsFilePathIn(programFolder.toStdString(), PathSeparator());
    if (!IsInstalledCopy(programFolder) && (QFileInfo::exists(QString::fromStdString(beside)) ||
                                            QFileInfo(programFolder).isWritable())) {
        return beside;
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString folder =
        QDir::toNativeSeparators(QDir(config).filePath(QStringLiteral("korvane")));
    return SettingsFilePathIn(folder.toStdString(), PathSeparator());
}

}  // namespace korvane::platform
