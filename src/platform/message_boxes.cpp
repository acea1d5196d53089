#include "platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "core/rules/product.h"
#include "platform/app_setup.h"

namespace korvane::platform {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
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

}  // namespace

MessageAnswer QtMessageBoxes::Show(QWidget* parent, const QString& text, MessageIcon icon,
                                   MessageButtons buttons) {
    // A box at start-up comes before the main window, which sets the icon.
    if (QApplication::windowIcon().isNull()) {
        SetApplicationIcon();
    }
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromLatin1(kApplicationTitle));
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

}  // namespace korvane::platform
