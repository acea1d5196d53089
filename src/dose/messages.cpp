#include "dose/messages.h"

#include "platform/message_box.h"

namespace korvane {
namespace {

platform::MessageAnswer Show(QWidget* parent, const QString& text, platform::MessageIcon icon,
                             platform::MessageButtons buttons) {
    const platform::MessageAnswer answer =
        platform::CurrentMessageBoxes().Show(parent, text, icon, buttons);
    LastMessageAnswer() = static_cast<std::int16_t>(answer);
    return answer;
}

}  // namespace

std::int16_t& LastMessageAnswer() {
    static std::int16_t answer = 0;
    return answer;
}

void ShowWarning(const QString& message, QWidget* parent) {
    Show(parent, message, platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
}

void ShowCritical(const QString& message, QWidget* parent) {
    Show(parent, message, platform::MessageIcon::Critical, platform::MessageButtons::Ok);
}

bool AskYesNo(const QString& question, QWidget* parent) {
    return Show(parent, question, platform::MessageIcon::Question,
                platform::MessageButtons::YesNo) == platform::MessageAnswer::Yes;
}

}  // namespace korvane
