#include "platform/text_box.h"

#include <algorithm>

namespace korvane::platform {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(kMaxTypedLength);
    // Once a long stored text has been shortened to the usual limit, typing
    // is held to ten characters again.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (maxLength() > kMaxTypedLength && text.size() <= kMaxTypedLength) {
            setMaxLength(kMaxTypedLength);
        }
    });
}

void TextBox::setText(const QString& text) {
    RelaxLimitFor(text.size());
    QLineEdit::setText(text);
}

void TextBox::RelaxLimitFor(qsizetype length) {
    if (length > maxLength()) {
        setMaxLength(static_cast<int>(std::min<qsizetype>(length, 32767)));
    }
}

}  // namespace korvane::platform
