// Tells whether another copy of the program is already running for this
// user and this settings folder. A lock file whose owner has died (a crash,
// kill -9) is recognised as stale and taken over, so it never blocks a start.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace korvane::platform {

class InstanceGuard {
  public:
    InstanceGuard();
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // True when this is the only running instance for `settingsFolder`; the
    // claim is held until the guard is destroyed.
    bool Acquire(const QString& settingsFolder);

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace korvane::platform
