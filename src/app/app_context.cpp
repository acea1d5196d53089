#include "app/app_context.h"

namespace korvane {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

MessageAnswer AppContext::Show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons) {
    return messageBoxes_.Show(parent, text, icon, buttons);
}

void AppContext::ShowWarning(const QString& message, QWidget* parent) {
    Show(parent, message, MessageIcon::Exclamation, MessageButtons::Ok);
}

void AppContext::ShowCritical(const QString& message, QWidget* parent) {
    Show(parent, message, MessageIcon::Critical, MessageButtons::Ok);
}

bool AppContext::AskYesNo(const QString& question, QWidget* parent) {
    return Show(parent, question, MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void AppContext::OpenAddress(const QString& address) {
    // A link click must never take the window down, whatever the handler does.
    try {
        addresses_.Open(address);
    } catch (...) {
    }
}

}  // namespace korvane
