// A single-line numeric entry box: right-aligned, and at most ten characters
// may be typed or pasted into it. A text the program puts there (a stored
// default, say) is kept whole even when it is longer, which a plain
// QLineEdit::setMaxLength would cut.
#pragma once

#include <QLineEdit>

namespace korvane::widgets {

class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    static constexpr int kMaxTypedLength = 10;

    explicit TextBox(QWidget* parent = nullptr);

    // Replaces QLineEdit::setText for program writes, so the length limit
    // never cuts them.
    void setText(const QString& text);

  private:
    void RelaxLimitFor(qsizetype length);
    void TightenLimitTo(qsizetype limit);
};

}  // namespace korvane::widgets
