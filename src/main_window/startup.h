// Start-up and shut-down of the program around its main window.
#pragma once

#include <QString>

#include "user_defaults/user_defaults.h"

namespace korvane {

class FrmSulfite;

namespace platform {
class InstanceGuard;
}

// Runs before the main window is first shown: fixes the settings path,
// refuses a second instance (then false: the program is ending), reads the
// stored defaults and applies them, or the system defaults with a message,
// and computes the first results.
bool LoadMainWindow(FrmSulfite& window, platform::InstanceGuard& guard);
// The same with the program's folder given, as tests start it elsewhere.
bool LoadMainWindow(FrmSulfite& window, platform::InstanceGuard& guard, const QString& folder);

// Applies a record's seven fields to the main window in field order. False
// when the target text names no entry of the target list; the fields before
// it are applied all the same.
bool ApplyDefaultsToMainWindow(FrmSulfite& window, const UserDefaults& record);

// Runs on every request to close the main window: closes the About box and
// the Default Settings dialog (discarding unsaved entries), then ends the
// program at once. Nothing is saved.
void ShutDownProgram();

}  // namespace korvane
