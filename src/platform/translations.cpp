#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace korvane::platform {
namespace {

// Where the build puts the program's translations.
const QString kTranslationFolder = QStringLiteral(":/i18n");

}  // namespace

QString CoreText(const char* english) {
    // The core's texts are found by the translation tools under the name of
    // the namespace they are written in.
    return QCoreApplication::translate("korvane", english);
}

UiLanguage::UiLanguage(const QLocale& locale) {
    for (const QString& name : locale.uiLanguages()) {
        const QString language = QLocale(name).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C")) {
            return;
        }
        if (program_.load(QStringLiteral("korvane_") + language, kTranslationFolder)) {
            language_ = language;
            QCoreApplication::installTranslator(&program_);
            // Qt's own buttons (Yes, No, OK, Cancel) in the same language.
            if (qt_.load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(&qt_);
            }
            return;
        }
    }
}

UiLanguage::~UiLanguage() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

DecimalKey UiLanguage::DecimalKeyOfLanguage() const {
    if (language_.isEmpty()) {
        return DecimalKey::PeriodOnly;
    }
    return QLocale(language_).decimalPoint() == QStringLiteral(",") ? DecimalKey::CommaToo
                                                                    : DecimalKey::PeriodOnly;
}

}  // namespace korvane::platform
