#include "main_window/startup.h"

#include <QString>

#include "about/frm_about.h"
#include "dose/calculate.h"
#include "dose/choice_texts.h"
#include "dose/messages.h"
#include "main_window/frm_sulfite.h"
#include "platform/instance_guard.h"
#include "platform/list_selection.h"
#include "platform/program_end.h"
#include "platform/program_folder.h"
#include "ui_frm_sulfite.h"
#include "user_defaults/frm_settings.h"
#include "user_defaults/settings_file.h"

namespace korvane {
namespace {

QAbstractButton* MethodOption(Ui::frmSulfite& ui, AdditionMethod method) {
    switch (method) {
        case AdditionMethod::Tablet:
            return ui.optTablet;
        case AdditionMethod::Powder:
            return ui.optPowder;
        case AdditionMethod::Solution:
            return ui.optSolution;
    }
    return nullptr;
}

void ShowFallBackMessage() {
    ShowCritical(QStringLiteral("User default settings not found.\rLoading system defaults."));
}

}  // namespace

bool ApplyDefaultsToMainWindow(FrmSulfite& window, const UserDefaults& record) {
    Ui::frmSulfite& ui = window.Controls();
    // Codes that name no choice leave their control as it is.
    if (const auto form = FormFromCode(record.formCode)) {
        platform::SelectEntryByText(ui.cboForm, TextOfChoice(kSulphiteFormTexts, *form));
    }
    if (const auto method = MethodFromCode(record.methodCode)) {
        MethodOption(ui, *method)->setChecked(true);
    }
    if (const auto unit = UnitFromCode(record.unitCode)) {
        platform::SelectEntryByText(ui.cboBatch, TextOfChoice(kBatchUnitTexts, *unit));
    }
    ui.txtSolution->setText(RecordFieldText(record.solutionPercent));
    ui.txtTabWeight->setText(RecordFieldText(record.tabletWeight));
    ui.txtBatchSize->setText(RecordFieldText(record.batchSize));
    return platform::SelectEntryByText(ui.cboTarget, RecordFieldText(record.targetText));
}

bool LoadMainWindow(FrmSulfite& window, platform::InstanceGuard& guard) {
    return LoadMainWindow(window, guard, platform::ProgramFolder());
}

bool LoadMainWindow(FrmSulfite& window, platform::InstanceGuard& guard, const QString& folder) {
    SettingsFilePath() = SettingsFilePathIn(folder.toStdString(), platform::PathSeparator());

    if (!guard.Acquire(folder)) {
        ShowCritical(QString::fromLatin1(ApplicationTitle) + QStringLiteral(" already running."));
        window.close();
        return false;
    }

    const bool applied = ReadUserDefaults(TheUserDefaults(), SettingsFilePath()) &&
                         ApplyDefaultsToMainWindow(window, TheUserDefaults());
    if (!applied) {
        ShowFallBackMessage();
        // Every field is overwritten, so nothing of a broken file stays.
        ApplyDefaultsToMainWindow(window, SystemDefaults());
    }
    RecalculateResults(window.Calculator());
    return true;
}

void ShutDownProgram() {
    CloseAboutBox();
    CloseSettingsDialog();
    platform::EndProgram();
}

}  // namespace korvane
