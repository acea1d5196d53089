#include "app/about_box/frm_about.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>

#include "app/about_box/about_texts.h"
#include "app/app_context.h"
#include "core/rules/product.h"
#include "platform/app_setup.h"

namespace korvane {

QCursor LinkCursor() {
    return QCursor(QPixmap(":/korvane/link_cursor.png"), 5, 0);
}

FrmAbout::FrmAbout(AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow, platform::FixedDialogFlags()),
      context_(context),
      mainWindow_(mainWindow) {
    ui_.setupUi(this);
    ui_.capTitle->setText(QString::fromLatin1(kApplicationTitle));
    ui_.capVersion->setText(ui_.capVersion->text().arg(QString::fromLatin1(kApplicationVersion)));
    setFixedSize(size());

    setFont(platform::DefaultWindowFont());
    ui_.capTitle->setFont(platform::FormFont(18));
    ui_.capSubtitle->setFont(platform::FormFont(18));
    ui_.capVersion->setFont(platform::FormFont(12));
    for (QLabel* label : {ui_.capNotice, ui_.lblMail, ui_.lblWeb}) {
        label->setFont(platform::CaptionFont());
    }
    ui_.cmdOK->setFont(platform::DefaultWindowFont());

    ui_.lblMail->setText(about::kAuthorName);
    ui_.lblWeb->setText(QUrl(about::kWebSiteUrl).host());
    for (QLabel* link : {ui_.lblMail, ui_.lblWeb}) {
        link->setCursor(LinkCursor());
        link->installEventFilter(this);
    }

    connect(ui_.cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    ui_.cmdOK->setFocus();
}

FrmAbout::~FrmAbout() = default;

bool FrmAbout::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        OnActivated();
    }
    return QDialog::event(event);
}

void FrmAbout::OnActivated() {
    // Without a main window there is no icon to take; the box keeps the one it
    // has.
    if (mainWindow_ != nullptr) {
        setWindowIcon(mainWindow_->windowIcon());
    }
}

void FrmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ui_.lblMail && watched != ui_.lblWeb) {
        return QDialog::eventFilter(watched, event);
    }
    // A quick second click arrives as a double-click press; it is a click
    // of its own all the same.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto* press = static_cast<QMouseEvent*>(event);
        pressedLink_ = press->button() == Qt::LeftButton ? watched : nullptr;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        auto* link = static_cast<QWidget*>(watched);
        // A click is a press and a release of the left button over the same
        // link; dragging off the link before letting go cancels it.
        const bool clicked = release->button() == Qt::LeftButton && pressedLink_ == watched &&
                             link->rect().contains(release->position().toPoint());
        pressedLink_ = nullptr;
        if (clicked && watched == ui_.lblMail) {
            OnMailClicked();
        } else if (clicked) {
            OnWebClicked();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAbout::OnMailClicked() {
    context_.OpenAddress(QStringLiteral("mailto:") + QString(about::kSupportAddress));
}

void FrmAbout::OnWebClicked() {
    context_.OpenAddress(QString(about::kWebSiteUrl));
}

void FrmAbout::ShowModal() {
    // exec() destroys the box once its loop ends (or leaves it alone if the
    // main window took it down with itself meanwhile).
    setAttribute(Qt::WA_DeleteOnClose);
    exec();
}

}  // namespace korvane
