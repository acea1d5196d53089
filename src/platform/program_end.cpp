#include "platform/program_end.h"

#include <QCoreApplication>

namespace korvane::platform {
namespace {

std::function<void()>& InstalledEnd() {
    static std::function<void()> action;
    return action;
}

}  // namespace

void EndProgram() {
    if (InstalledEnd()) {
        InstalledEnd()();
        return;
    }
    QCoreApplication::exit(0);
}

void InstallProgramEnd(std::function<void()> action) {
    InstalledEnd() = std::move(action);
}

}  // namespace korvane::platform
