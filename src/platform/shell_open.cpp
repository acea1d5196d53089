#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace korvane::platform {
namespace {

class RealDesktopShell : public DesktopShell {
  public:
    void Open(const QString& address) override {
        // On Linux this ends in xdg-open, which picks the mail program or the
        // browser. Whether it found one is deliberately not examined.
        QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    }
};

DesktopShell* installed = nullptr;

}  // namespace

DesktopShell& CurrentDesktopShell() {
    static RealDesktopShell real;
    return installed != nullptr ? *installed : real;
}

void InstallDesktopShell(DesktopShell* shell) {
    installed = shell;
}

void OpenWithDesktop(const QString& address) {
    // A link click must never take the window down, whatever the handler does.
    try {
        CurrentDesktopShell().Open(address);
    } catch (...) {
    }
}

}  // namespace korvane::platform
