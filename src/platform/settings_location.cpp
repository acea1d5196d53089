#include "platform/settings_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/user_defaults.h"
#include "platform/program_folder.h"

namespace korvane::platform {

std::string SettingsFilePathFor(const QString& programFolder) {
    std::string beside = SettingsFilePathIn(programFolder.toStdString(), PathSeparator());
    if (QFileInfo::exists(QString::fromStdString(beside)) ||
        QFileInfo(programFolder).isWritable()) {
        return beside;
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString folder =
        QDir::toNativeSeparators(QDir(config).filePath(QStringLiteral("korvane")));
    return SettingsFilePathIn(folder.toStdString(), PathSeparator());
}

}  // namespace korvane::platform
