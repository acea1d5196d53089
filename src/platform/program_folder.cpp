#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace korvane::platform {

QString ProgramFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

char PathSeparator() {
    return QDir::separator().toLatin1();
}

}  // namespace korvane::platform
