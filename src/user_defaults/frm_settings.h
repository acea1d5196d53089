// The Default Settings dialog: shows the stored defaults, checks the user's
// changes and, on OK, puts them into the record and rewrites settings.cfg.
// It is modeless, exists at most once, and is destroyed when it closes, so
// every opening starts from its designed state. Whenever the user comes back
// to it from another of the program's windows it shows the record again.
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

#include "dose/dose_types.h"
#include "main_window/spin_edit.h"
#include "user_defaults/user_defaults.h"

namespace Ui {
class frmSettings;
}

namespace korvane {

class FrmSettings : public QDialog {
    Q_OBJECT

  public:
    // `mainWindow` lends the dialog its icon and its place on the screen.
    explicit FrmSettings(QWidget* mainWindow);
    ~FrmSettings() override;
    FrmSettings(const FrmSettings&) = delete;
    FrmSettings& operator=(const FrmSettings&) = delete;

    Ui::frmSettings& Controls() { return *ui_; }
    QWidget* MainWindow() const { return mainWindow_; }

    // What every activation does: takes the main window's icon and shows the
    // record's values. A value the controls cannot show leaves its control as
    // it is.
    void FillFromRecord();

    // Every way of closing ends here (OK, Cancel, Escape, the close box, the
    // program's shut-down).
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ConnectHandlers();
    void OnMethodToggled(AdditionMethod method, bool chosen);
    void OnOkClicked();
    void OnRestoreClicked();

    bool ValidateSettings();
    void SaveSettings();
    void ApplyToControls(const UserDefaults& values);

    std::unique_ptr<Ui::frmSettings> ui_;
    QPointer<QWidget> mainWindow_;
    NumericKeyFilter keyFilter_;
    // OK's handler may be inside a message box's loop when the program
    // closes the dialog; the dialog must outlive that handler.
    int busy_ = 0;
    bool deleteWhenIdle_ = false;
};

// Opens the dialog beside `mainWindow`, or brings the open one to the front,
// makes it the active window and shows the record's values in it. A newly
// opened dialog has the keyboard focus in its sulphite form list.
void ShowSettingsDialog(QWidget* mainWindow);

// Closes the dialog without saving, if it is open. Safe to call from inside
// one of the dialog's message boxes, as the program's shut-down may.
void CloseSettingsDialog();

// The open dialog, or nullptr.
FrmSettings* CurrentSettingsDialog();

}  // namespace korvane
