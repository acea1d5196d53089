// Tells whether another copy of the program is already running for this
// user and this program folder. The claim is a lock the system drops when
// its owner ends, however it ends (a crash, kill -9), so a dead instance
// never blocks a start.
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

    // True when this is the only running instance for `programFolder`; the
    // claim is held until the guard is destroyed.
    bool Acquire(const QString& programFolder);

  private:
    int lockFd_ = -1;                  // where the system locks files (Unix)
    std::unique_ptr<QLockFile> lock_;  // elsewhere
};

}  // namespace korvane::platform
