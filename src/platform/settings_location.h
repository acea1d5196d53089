// Where settings.cfg is read at start and where the Default Settings dialog
// saves it.
//
// - A copy that is not installed, in a folder where a file can be added,
//   reads and saves the settings.cfg beside itself: a portable copy (a USB
//   stick, a build folder) keeps its settings with it.
// - Any other copy saves to the user's own file,
//   $XDG_CONFIG_HOME/korvane/settings.cfg or ~/.config/korvane/settings.cfg,
//   and reads it when there is one. Until then it reads the administrator's
//   preset: for an installed copy the settings.cfg in its prefix's system
//   configuration folder (/etc/korvane/ for /usr), which the install puts
//   there with the built-in defaults; for any other copy the settings.cfg
//   beside it.
//
// An installed copy is one whose menu entry lies where the install puts it,
// seen from the program's folder (bin/ beside share/applications/). Root may
// write to /usr/bin, but a settings file there would be read by every user,
// none of whom could save it again.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace korvane::platform {

struct SettingsPlaces {
    std::string readFrom;
    // Empty when the user has no folder of their own to save in.
    std::string saveTo;
};

SettingsPlaces SettingsPlacesFor(const QString& programFolder);

// The user's own settings.cfg for these values of XDG_CONFIG_HOME and HOME.
// Each counts only as an absolute path, as the XDG base directory rules say:
// a relative one would move with the working folder. Empty when neither is
// one.
std::string UserSettingsFile(const QString& xdgConfigHome, const QString& home);

// The prefix of an installed copy in `programFolder`; none for any other.
std::optional<QString> InstallPrefixOf(const QString& programFolder);

// The system configuration folder of an install under `prefix`, by the rule
// the install applies (GNUInstallDirs'): /etc for / and /usr,
// /etc/opt/<name> for /opt/<name>, <prefix>/etc for any other prefix.
QString SystemConfigFolder(const QString& prefix);

}  // namespace korvane::platform
