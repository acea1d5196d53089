// The Default Settings dialog: shows the stored defaults, checks the user's
// changes and, on OK, saves settings.cfg and then puts them into the record.
// It is modeless and destroyed when it closes, so every opening starts from
// its designed state. Whenever the user comes back to it from another of the
// program's windows it shows the record again.
#pragma once

#include <QDialog>
#include <QPointer>

#include "app/defaults_form.h"
#include "core/rules/choices.h"
#include "ui_frm_settings.h"
#include "widgets/spin_edit.h"

namespace korvane {

class AppContext;

class FrmSettings : public QDialog {
    Q_OBJECT

  public:
    // `mainWindow` lends the dialog its icon and its place on the screen.
    FrmSettings(AppContext& context, QWidget* mainWindow);
    ~FrmSettings() override;
    FrmSettings(const FrmSettings&) = delete;
    FrmSettings& operator=(const FrmSettings&) = delete;

    QWidget* MainWindow() const { return mainWindow_; }

    // Shows the dialog (beside the main window the first time), brings it to
    // the front, makes it the active window and shows the record's values.
    // A newly opened dialog has the keyboard focus in its sulphite form list.
    void ShowBesideMainWindow();

    // What every activation does: takes the main window's icon and shows the
    // record's values. A value the controls cannot show leaves its control as
    // it is.
    void FillFromRecord();

    // Every way of closing ends here (OK, Cancel, Escape, the close box, the
    // program's shut-down).
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ConnectHandlers();
    void OnMethodChosen(AdditionMethod method);
    void OnOkClicked();
    void OnRestoreClicked();

    bool ValidateSettings();
    void SaveSettings();

    AppContext& context_;
    Ui::frmSettings ui_;
    DefaultsControls defaults_;
    std::vector<SheetFieldControl> fields_;
    QPointer<QWidget> mainWindow_;
    widgets::NumericKeyFilter keyFilter_;
    bool shown_ = false;
    // OK's handler may be inside a message box's loop when the program
    // closes the dialog; the dialog must outlive that handler.
    int busy_ = 0;
    bool deleteWhenIdle_ = false;
};

}  // namespace korvane
