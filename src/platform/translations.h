// The language the windows speak. The texts a person reads come in English
// from the core and the forms; a translation shows them in the user's
// language. Files, numbers and the command line are never translated.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include "core/rules/key_filter.h"

namespace korvane::platform {

// The translation of one of the core's texts (a list entry, a unit word, a
// warning or a question), or the English text itself where there is none.
QString CoreText(const char* english);

// The program's translation, and Qt's own for its buttons, installed for as
// long as this lives. The language is the user's first one, in the order the
// locale lists them (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) that is either
// English or one the program speaks; any other gets English.
class UiLanguage {
  public:
    explicit UiLanguage(const QLocale& locale = QLocale::system());
    ~UiLanguage();
    UiLanguage(const UiLanguage&) = delete;
    UiLanguage& operator=(const UiLanguage&) = delete;

    // Empty for English.
    QString Language() const { return language_; }

    // A language that writes a decimal comma takes a typed comma as the
    // decimal point; English does not, where it may separate thousands.
    DecimalKey DecimalKeyOfLanguage() const;

  private:
    QString language_;
    QTranslator program_;
    QTranslator qt_;
};

}  // namespace korvane::platform
