// Start-up of the program around its main window.
#pragma once

#include <QString>

namespace korvane {

class FrmSulfite;

namespace platform {
class InstanceGuard;
}

// Runs before the main window is first shown: fixes where settings.cfg is
// read and saved, refuses a second instance (then false: the program is
// ending), reads the stored defaults and applies them, or the system
// defaults with a message,
// and computes the first results. `programFolder` is the folder the program
// file lives in.
bool LoadMainWindow(FrmSulfite& window, platform::InstanceGuard& guard,
                    const QString& programFolder);

}  // namespace korvane
