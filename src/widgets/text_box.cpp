#include "widgets/text_box.h"

#include <algorithm>

namespace korvane::widgets {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(kMaxTypedLength);
    // A long stored text may be shortened but never lengthened by typing;
    // once it is short again, typing is held to ten characters.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        const qsizetype limit = std::max<qsizetype>(kMaxTypedLength, text.size());
        if (maxLength() > limit) {
            TightenLimitTo(limit);
        }
    });
}

void TextBox::setText(const QString& text) {
    RelaxLimitFor(text.size());
    QLineEdit::setText(text);
}

void TextBox::TightenLimitTo(qsizetype limit) {
    // QLineEdit sets its text anew when its limit changes, which puts the
    // cursor at the end: the next Backspace would take the last character
    // instead of the one before the cursor. Where the user was stays.
    const int cursor = cursorPosition();
    const int selectionFrom = selectionStart();
    const int selectionLength = static_cast<int>(selectedText().size());
    setMaxLength(static_cast<int>(limit));
    if (selectionFrom >= 0) {
        setSelection(selectionFrom, selectionLength);
    } else {
        setCursorPosition(cursor);
    }
}

void TextBox::RelaxLimitFor(qsizetype length) {
    if (length > maxLength()) {
        setMaxLength(static_cast<int>(std::min<qsizetype>(length, 32767)));
    }
}

}  // namespace korvane::widgets
