// The main window: every input of a dose computation, the selectors, the
// results, and the Calculate, About, Settings and Exit buttons. Each
// control's notification goes to one handler here; what to check, ask and
// show is the dose sheet's business.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/defaults_form.h"
#include "core/rules/dose_sheet.h"
#include "core/rules/user_defaults.h"
#include "ui_frm_sulfite.h"
#include "widgets/spin_edit.h"

namespace korvane {

class AppContext;
class FrmAbout;
class FrmSettings;

class FrmSulfite : public QWidget {
    Q_OBJECT

  public:
    explicit FrmSulfite(AppContext& context, QWidget* parent = nullptr);
    ~FrmSulfite() override;
    FrmSulfite(const FrmSulfite&) = delete;
    FrmSulfite& operator=(const FrmSulfite&) = delete;

    AppContext& Context() { return context_; }

    // Applies a record's seven fields to the controls in field order. False
    // when the target text names no target kind.
    bool ApplyDefaults(const UserDefaults& record);

    // Checks the inputs in order (the first failure is reported and focused),
    // asks about implausible values, then recalculates.
    void ValidateAndCalculate();
    // Writes every result from the inputs as they stand. Does nothing while
    // the free target or the batch size is empty.
    void RecalculateResults();
    // With a molecular target, shows the molecular SO2 of the existing free
    // SO2.
    void RefreshExistingMolecular();
    // Resets the two amounts to "0.00", so no stale amount stands beside a
    // changed input.
    void ClearResults();

    // Runs on every request to close the window: closes the About box and
    // the Default Settings dialog (discarding unsaved entries), then ends the
    // program at once. Nothing is saved.
    void ShutDownProgram();

    // The open About box and Default Settings dialog, or nullptr.
    FrmAbout* AboutBox() const;
    FrmSettings* SettingsDialog() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every close request (Exit, the close box, Alt+F4, the session ending)
    // shuts the program down; it is never refused.
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConnectHandlers();
    void OnMethodChosen(AdditionMethod method);
    void OnTargetSelected();
    void OnAboutClicked();
    void OnSettingsClicked();

    // The sheet of what the window holds, its texts kept in `texts`.
    SheetView ReadSheet(SheetTexts& texts);
    void AskQuestionsThenRecalculate(const SheetVerdict& verdict);
    void WriteResults(const SheetResults& results);
    widgets::TextBox* Field(SheetField field);

    AppContext& context_;
    Ui::frmSulfite ui_;
    DefaultsControls defaults_;
    std::vector<SheetFieldControl> fields_;
    widgets::NumericKeyFilter keyFilter_;
    QPointer<FrmAbout> aboutBox_;
    QPointer<FrmSettings> settingsDialog_;
};

}  // namespace korvane
