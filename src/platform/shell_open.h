// Addresses ("mailto:" addresses, web pages) reach the desktop's default
// handlers only through here, so tests can record what would have been opened
// instead of starting a mail program or a browser.
#pragma once

#include <QString>

namespace korvane::platform {

class DesktopShell {
  public:
    virtual ~DesktopShell() = default;
    // Opens `address` with whatever the desktop uses for it. Nothing is
    // reported back: a missing handler is not the program's business.
    virtual void Open(const QString& address) = 0;
};

// The shell in use: the real desktop unless a test installed another.
DesktopShell& CurrentDesktopShell();
// Installs `shell` (not owned) for the rest of the run, or the real desktop
// again for nullptr.
void InstallDesktopShell(DesktopShell* shell);

// Hands `address` to the desktop's default handler. Any failure is ignored.
void OpenWithDesktop(const QString& address);

}  // namespace korvane::platform
