// Stands in for the desktop while a test runs: records every address the
// program hands over instead of starting a mail program or a browser.
#pragma once

#include <QStringList>

#include "platform/shell_open.h"

namespace korvane::testing {

class RecordingShell : public platform::DesktopShell {
  public:
    RecordingShell() { platform::InstallDesktopShell(this); }
    ~RecordingShell() override { platform::InstallDesktopShell(nullptr); }
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    void Open(const QString& address) override { opened_ << address; }

    const QStringList& Opened() const { return opened_; }

  private:
    QStringList opened_;
};

}  // namespace korvane::testing
