// Where settings.cfg lives. Beside the program, as it always has, when a
// settings.cfg is already there or the program's folder may be written: a
// portable copy keeps its settings with it, and existing users keep theirs.
// An installed copy (in /usr/bin, say, with its menu entry in
// /usr/share/applications) keeps them in each user's own configuration
// folder instead, whoever runs it.
#pragma once

#include <QString>
#include <string>

namespace korvane::platform {

// The full path of settings.cfg for a program in `programFolder`: beside it,
// or $XDG_CONFIG_HOME/korvane/settings.cfg (~/.config by default).
std::string SettingsFilePathFor(const QString& programFolder);

}  // namespace korvane::platform
