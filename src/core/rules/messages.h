// Messages of start-up and of saving the defaults, and the one of a dose
// that needs nothing. A message of two lines joins them with a lone carriage
// return, as every message box shows it.
#pragma once

#include "core/rules/core_text.h"

namespace korvane {

// A settings file that is missing, unreadable or broken, whatever the cause.
inline constexpr char kDefaultsNotFoundMessage[] =
    KORVANE_TEXT("User default settings not found.\rLoading system defaults.");

// settings.cfg could not be written. The reason follows on a line of its
// own, joined by a lone carriage return like the message's own two lines.
inline constexpr char kDefaultsNotSavedMessage[] =
    KORVANE_TEXT("Error setting user defaults.\rUsing system defaults.");

// Reasons a save fails that are the program's own, not the system's: what
// stands at the file's place (or at the end of its link) is no plain file;
// %1 is the file's name.
inline constexpr char kNotRegularFileReason[] = KORVANE_TEXT("%1 is not a regular file");
// The file's permissions let nobody write it: the user made it read-only,
// and a save does not replace it behind their back.
inline constexpr char kReadOnlyFileReason[] = KORVANE_TEXT("%1 is read-only");
// Neither XDG_CONFIG_HOME nor HOME names a folder for the user's own file.
inline constexpr char kNoUserFolderReason[] =
    KORVANE_TEXT("No user folder for settings.cfg: HOME is not set to a full path");

// Under the strict rules of outside data, what a wine at or above its target
// is told instead of an amount.
inline constexpr char kNoAdditionMessage[] =
    KORVANE_TEXT("No addition needed: the wine is at or above its target.");

// A second start while the program runs; %1 is the application title.
inline constexpr char kAlreadyRunningMessage[] = KORVANE_TEXT("%1 already running.");

}  // namespace korvane
