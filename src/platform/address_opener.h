// Addresses ("mailto:" addresses, web pages) reach the desktop's default
// handlers only through this interface, so tests can record what would have
// been opened instead of starting a mail program or a browser.
#pragma once

#include <QString>

namespace korvane::platform {

class AddressOpener {
  public:
    virtual ~AddressOpener() = default;
    // Opens `address` with whatever the desktop uses for it. Nothing is
    // reported back: a missing handler is not the program's business.
    virtual void Open(const QString& address) = 0;
};

// The desktop's default handlers.
class DesktopAddressOpener : public AddressOpener {
  public:
    void Open(const QString& address) override;
};

}  // namespace korvane::platform
