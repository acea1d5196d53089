#include "platform/program_end.h"

#include <QCoreApplication>

namespace korvane::platform {

void QtProgramEnd::EndProgram() {
    QCoreApplication::exit(0);
}

}  // namespace korvane::platform
