#include "platform/translations.h"

#include <QCoreApplication>

namespace korvane::platform {

QString CoreText(const char* english) {
    // The core's texts are found by the translation tools under the name of
    // the namespace they are written in.
    return QCoreApplication::translate("korvane", english);
}

DecimalKey UiDecimalKey() {
    return DecimalKey::PeriodOnly;
}

}  // namespace korvane::platform
