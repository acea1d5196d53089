#include "platform/address_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace korvane::platform {

void DesktopAddressOpener::Open(const QString& address) {
    // On Linux this ends in xdg-open, which picks the mail program or the
    // browser. Whether it found one is deliberately not examined.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

}  // namespace korvane::platform
