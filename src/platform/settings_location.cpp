#include "platform/settings_location.h"

#include <QDir>
#include <QFileInfo>

#include "core/rules/product.h"
#include "core/rules/user_defaults.h"
#include "platform/atomic_write.h"
#include "platform/program_folder.h"

namespace korvane::platform {
namespace {

// The install's layout, relative to its prefix (from GNUInstallDirs, set by
// the build): where the programs, the menu entry and the system
// configuration go.
constexpr char kBinToPrefix[] = KORVANE_INSTALL_BIN_TO_PREFIX;
constexpr char kDataFolder[] = KORVANE_INSTALL_DATADIR;
constexpr char kSystemConfigFolder[] = KORVANE_INSTALL_SYSCONFDIR;

std::string SettingsFileIn(const QString& folder) {
    return SettingsFilePathIn(QDir::toNativeSeparators(folder).toStdString(), PathSeparator());
}

// The administrator's preset for a copy that is not the portable kind.
std::string PresetFor(const QString& programFolder) {
    if (const std::optional<QString> prefix = InstallPrefixOf(programFolder)) {
        return SettingsFileIn(SystemConfigFolder(*prefix) + QStringLiteral("/korvane"));
    }
    return SettingsFileIn(programFolder);
}

}  // namespace

std::string UserSettingsFile(const QString& xdgConfigHome, const QString& home) {
    QString config;
    if (QDir::isAbsolutePath(xdgConfigHome)) {
        config = xdgConfigHome;
    } else if (QDir::isAbsolutePath(home)) {
        config = QDir(home).filePath(QStringLiteral(".config"));
    } else {
        return {};
    }
    return SettingsFileIn(QDir::cleanPath(QDir(config).filePath(QStringLiteral("korvane"))));
}

std::optional<QString> InstallPrefixOf(const QString& programFolder) {
    const QString prefix = QDir::cleanPath(QDir(programFolder).filePath(kBinToPrefix));
    const QString entry =
        QDir(QDir(prefix).filePath(kDataFolder))
            .filePath(QStringLiteral("applications/%1.desktop").arg(QLatin1String(kApplicationId)));
    if (!QFileInfo::exists(entry)) {
        return std::nullopt;
    }
    return prefix;
}

QString SystemConfigFolder(const QString& prefix) {
    QString folder = QString::fromLatin1(kSystemConfigFolder);
    if (QDir::isAbsolutePath(folder)) {
        return folder;
    }
    QString root = QStringLiteral("/") + folder;
    if (prefix == QLatin1String("/") || prefix == QLatin1String("/usr")) {
        return root;
    }
    if (prefix.startsWith(QLatin1String("/opt/")) &&
        !prefix.startsWith(QLatin1String("/opt/homebrew/"))) {
        return root + prefix;
    }
    return QDir(prefix).filePath(folder);
}

SettingsPlaces SettingsPlacesFor(const QString& programFolder) {
    const std::string beside = SettingsFileIn(programFolder);
    if (!InstallPrefixOf(programFolder) && CanReplaceFileAt(QString::fromStdString(beside))) {
        return {beside, beside};
    }
    std::string user =
        UserSettingsFile(qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("HOME"));
    const bool userFileExists = !user.empty() && QFileInfo::exists(QString::fromStdString(user));
    return {userFileExists ? user : PresetFor(programFolder), std::move(user)};
}

}  // namespace korvane::platform
