// The About box: product name, version, a notice, and two links that hand the
// support e-mail address and the web site to the desktop. It is modal, exists
// at most once, and is destroyed when it closes, so every showing starts from
// its designed state.
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

class QCursor;

namespace Ui {
class frmAbout;
}

namespace korvane {

class FrmAbout : public QDialog {
    Q_OBJECT

  public:
    // `mainWindow` is the owner; the box takes its icon whenever it is
    // activated.
    explicit FrmAbout(QWidget* mainWindow);
    ~FrmAbout() override;
    FrmAbout(const FrmAbout&) = delete;
    FrmAbout& operator=(const FrmAbout&) = delete;

    Ui::frmAbout& Controls() { return *ui_; }

  protected:
    bool event(QEvent* event) override;
    // OK is the box's one dialog key, Enter; Escape is not a way out.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnActivated();
    void OnMailClicked();
    void OnWebClicked();

    std::unique_ptr<Ui::frmAbout> ui_;
    QPointer<QWidget> mainWindow_;
    // The link the left button went down on; a click is a release over it.
    QObject* pressedLink_ = nullptr;
};

// The pointer shown over the two links: a pointing hand whose fingertip is
// the hot spot.
QCursor LinkCursor();

// Shows the About box modally over `mainWindow` and returns when it has been
// closed. If the box is already open it is only brought to the front.
void ShowAboutBox(QWidget* mainWindow);

// Closes the About box if it is open; does nothing otherwise. Safe to call
// from inside the box's own modal loop, as the program's shut-down does: the
// pending ShowAboutBox returns once control gets back to that loop.
void CloseAboutBox();

// The open About box, or nullptr.
FrmAbout* CurrentAboutBox();

}  // namespace korvane
