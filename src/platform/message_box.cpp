#include "platform/message_box.h"

#include <QMessageBox>

namespace korvane::platform {
namespace {

class QtMessageBoxes : public MessageBoxes {
  public:
    MessageAnswer Show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override {
        QMessageBox box(parent);
        box.setWindowTitle("Korvane");
        // Lines joined by a lone carriage return must still show as two lines.
        QString shown = text;
        shown.replace("\r\n", "\n").replace('\r', '\n');
        box.setText(shown);
        box.setTextFormat(Qt::PlainText);
        box.setIcon(ToQtIcon(icon));
        if (buttons == MessageButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int pressed = box.exec();
        if (buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        // A question closed without an answer (the program ending) counts as No.
        return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }

  private:
    static QMessageBox::Icon ToQtIcon(MessageIcon icon) {
        switch (icon) {
            case MessageIcon::Critical:
                return QMessageBox::Critical;
            case MessageIcon::Exclamation:
                return QMessageBox::Warning;
            case MessageIcon::Question:
                return QMessageBox::Question;
        }
        return QMessageBox::NoIcon;
    }
};

MessageBoxes* installed = nullptr;

}  // namespace

MessageBoxes& CurrentMessageBoxes() {
    static QtMessageBoxes real;
    return installed != nullptr ? *installed : real;
}

void InstallMessageBoxes(MessageBoxes* boxes) {
    installed = boxes;
}

}  // namespace korvane::platform
