#include "support/fake_desktop.h"

namespace korvane::testing {

platform::MessageAnswer FakeMessageBoxes::Show(QWidget* /*parent*/, const QString& text,
                                               platform::MessageIcon icon,
                                               platform::MessageButtons buttons) {
    shown_.push_back({text, icon, buttons});
    if (whileOpen_) {
        whileOpen_();
    }
    if (buttons == platform::MessageButtons::Ok) {
        return platform::MessageAnswer::Ok;
    }
    if (answers_.empty()) {
        return platform::MessageAnswer::Yes;
    }
    const platform::MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

QStringList FakeMessageBoxes::Texts() const {
    QStringList texts;
    for (const ShownBox& box : shown_) {
        texts << box.text;
    }
    return texts;
}

}  // namespace korvane::testing
