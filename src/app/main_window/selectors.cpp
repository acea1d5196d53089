#include "app/main_window/selectors.h"

#include <QApplication>

#include "app/defaults_form.h"
#include "platform/translations.h"
#include "ui_frm_sulfite.h"

namespace korvane {
namespace {

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
    const MethodState& state = MethodStateOf(method);
    EnableMethodFields(DefaultsControlsOf(ui), method);
    ui.lblAddition2->setVisible(state.teaspoonsShown);
    ui.lblTeaspoons->setVisible(state.teaspoonsShown);
    ui.lblAdd->setText(platform::CoreText(state.amountUnit));
    if (state.teaspoonUnit != nullptr) {
        ui.lblTeaspoons->setText(platform::CoreText(state.teaspoonUnit));
    }
}

void ApplyTargetState(Ui::frmSulfite& ui, TargetKind kind) {
    const TargetState& state = TargetStateOf(kind);
    ui.txtTargetSO2->setEnabled(state.freeTargetIsInput);
    ui.vsbTargetSO2->setEnabled(state.freeTargetIsInput);
    ui.txtTargetMolSO2->setEnabled(state.molecularTargetIsInput);
    ui.vsbTargetMolSO2->setEnabled(state.molecularTargetIsInput);
    SetBackground(ui.txtTargetSO2, state.freeTargetIsInput ? EditableBackground() : kLightGrey);
    SetBackground(ui.txtTargetMolSO2,
                  state.molecularTargetIsInput ? EditableBackground() : kLightGrey);
}

}  // namespace korvane
