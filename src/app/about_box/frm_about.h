// The About box: product name, version, a notice, and two links that hand the
// support e-mail address and the web site to the desktop. It is modal and is
// destroyed when it closes, so every showing starts from its designed state.
#pragma once

#include <QDialog>
#include <QPointer>

class QCursor;

#include "ui_frm_about.h"

namespace korvane {

class AppContext;

class FrmAbout : public QDialog {
    Q_OBJECT

  public:
    // `mainWindow` is the owner; the box takes its icon whenever it is
    // activated.
    FrmAbout(AppContext& context, QWidget* mainWindow);
    ~FrmAbout() override;
    FrmAbout(const FrmAbout&) = delete;
    FrmAbout& operator=(const FrmAbout&) = delete;

    // Shows the box modally and returns once it has been closed; the box is
    // then destroyed. Closing it from inside its own loop (as the program's
    // shut-down does) is safe.
    void ShowModal();

  protected:
    bool event(QEvent* event) override;
    // OK is the box's one dialog key, Enter; Escape is not a way out.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnActivated();
    void OnMailClicked();
    void OnWebClicked();

    AppContext& context_;
    Ui::frmAbout ui_;
    QPointer<QWidget> mainWindow_;
    // The link the left button went down on; a click is a release over it.
    QObject* pressedLink_ = nullptr;
};

// The pointer shown over the two links: a pointing hand whose fingertip is
// the hot spot.
QCursor LinkCursor();

}  // namespace korvane
