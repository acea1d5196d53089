#include "main_window/selectors.h"

#include <QApplication>

#include "ui_frm_sulfite.h"

namespace korvane {
namespace {

struct MethodState {
    AdditionMethod method;
    bool solutionEnabled;
    bool tabletEnabled;
    bool teaspoonsShown;
    const char* amountUnit;
    const char* teaspoonUnit;  // nullptr: the caption is left as it is
};

constexpr MethodState kMethodStates[] = {
    {AdditionMethod::Tablet, false, true, false, "tablets", nullptr},
    {AdditionMethod::Powder, false, false, true, "g", "tsp"},
    {AdditionMethod::Solution, true, false, true, "ml", "tsp"},
};

const QColor kLightGrey(224, 224, 224);

void SetBackground(QWidget* field, const QColor& colour) {
    QPalette palette = field->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
    }
    field->setPalette(palette);
}

QColor EditableBackground() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

}  // namespace

void ApplyMethodState(Ui::frmSulfite& ui, AdditionMethod method) {
    for (const MethodState& state : kMethodStates) {
        if (state.method != method) {
            continue;
        }
        ui.txtSolution->setEnabled(state.solutionEnabled);
        ui.lblPercent->setEnabled(state.solutionEnabled);
        ui.vsbPercent->setEnabled(state.solutionEnabled);
        ui.vsbCampden->setEnabled(state.tabletEnabled);
        ui.txtTabWeight->setEnabled(state.tabletEnabled);
        ui.lblTabWeight->setEnabled(state.tabletEnabled);
        ui.lblAddition2->setVisible(state.teaspoonsShown);
        ui.lblTeaspoons->setVisible(state.teaspoonsShown);
        ui.lblAdd->setText(state.amountUnit);
        if (state.teaspoonUnit != nullptr) {
            ui.lblTeaspoons->setText(state.teaspoonUnit);
        }
    }
}

void ApplyTargetState(Ui::frmSulfite& ui, TargetKind kind) {
    const bool freeInput = kind == TargetKind::FreeSO2;
    ui.txtTargetSO2->setEnabled(freeInput);
    ui.vsbTargetSO2->setEnabled(freeInput);
    ui.txtTargetMolSO2->setEnabled(!freeInput);
    ui.vsbTargetMolSO2->setEnabled(!freeInput);
    SetBackground(ui.txtTargetSO2, freeInput ? EditableBackground() : kLightGrey);
    SetBackground(ui.txtTargetMolSO2, freeInput ? kLightGrey : EditableBackground());
}

}  // namespace korvane
