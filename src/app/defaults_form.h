// The seven user defaults and the controls that show them. Both editing
// windows name these controls alike (cboForm, optPowder, optSolution,
// optTablet, cboBatch, txtSolution, txtTabWeight, txtBatchSize, cboTarget),
// so each window gathers its own through its Ui members, where the compiler
// checks every name, and applying and reading a record is written once, here.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/rules/choices.h"
#include "core/rules/dose_sheet.h"
#include "core/rules/spin_rules.h"
#include "core/rules/user_defaults.h"
#include "widgets/spin_bar.h"
#include "widgets/text_box.h"

namespace korvane {

namespace widgets {
class NumericKeyFilter;
}  // namespace widgets

// A numeric field of the sheet, its arrows and the rule they step by.
struct SheetFieldControl {
    SheetField field;
    widgets::TextBox* box;
    widgets::SpinBar* bar;
    const SpinRule* rule;
};

// The fields a window shows, from its Ui members: the dialog has only the
// method's figures and the batch size.
template <typename Ui>
std::vector<SheetFieldControl> SheetFieldsOf(Ui& ui) {
    std::vector<SheetFieldControl> fields{
        {SheetField::BatchSize, ui.txtBatchSize, ui.vsbBatchSize, &kBatchSizeSpin},
        {SheetField::TabletWeight, ui.txtTabWeight, ui.vsbTabWeight, &kTabletWeightSpin},
        {SheetField::SolutionStrength, ui.txtSolution, ui.vsbPercent, &kSolutionSpin},
    };
    if constexpr (requires { ui.txtPh; }) {
        fields.insert(fields.end(),
                      {{SheetField::Ph, ui.txtPh, ui.vsbPh, &kPhSpin},
                       {SheetField::ExistingSO2, ui.txtExistSO2, ui.vsbExistSO2, &kExistingSO2Spin},
                       {SheetField::TargetFree, ui.txtTargetSO2, ui.vsbTargetSO2, &kTargetFreeSpin},
                       {SheetField::TargetMolecular, ui.txtTargetMolSO2, ui.vsbTargetMolSO2,
                        &kTargetMolecularSpin}});
    }
    return fields;
}

struct MethodOption {
    AdditionMethod method;
    QRadioButton* option;
};

// The controls of the seven defaults.
struct DefaultsControls {
    QComboBox* form;
    // In the order a chosen method is looked for: Solution, Powder, Tablet.
    std::array<MethodOption, 3> methods;
    QComboBox* unit;
    widgets::TextBox* solution;
    widgets::TextBox* tablet;
    widgets::TextBox* batchSize;
    QComboBox* target;
    // What each method's figure comes with: its arrows and its unit.
    std::array<QWidget*, 3> solutionGroup;
    std::array<QWidget*, 3> tabletGroup;
};

template <typename Ui>
DefaultsControls DefaultsControlsOf(Ui& ui) {
    return {ui.cboForm,
            {{{AdditionMethod::Solution, ui.optSolution},
              {AdditionMethod::Powder, ui.optPowder},
              {AdditionMethod::Tablet, ui.optTablet}}},
            ui.cboBatch,
            ui.txtSolution,
            ui.txtTabWeight,
            ui.txtBatchSize,
            ui.cboTarget,
            {ui.txtSolution, ui.vsbPercent, ui.lblPercent},
            {ui.txtTabWeight, ui.vsbTabWeight, ui.lblTabWeight}};
}

// The text box of the sheet's `field`; nullptr when the window has none.
widgets::TextBox* FieldBox(const std::vector<SheetFieldControl>& fields, SheetField field);

// Binds each field to its arrows and their spin rule: the same steps and
// limits in both windows.
void BindSheetSpinEdits(const std::vector<SheetFieldControl>& fields,
                        widgets::NumericKeyFilter& filter);

// Puts the opening text into each field.
void ShowOpeningTexts(const std::vector<SheetFieldControl>& fields);

// The texts of a window's fields, taken and kept for as long as a sheet
// that points into them is asked.
class SheetTexts {
  public:
    // Points `view` at the texts the fields hold now.
    void Take(const std::vector<SheetFieldControl>& fields, SheetView& view);
    // Points the view's shown molecular figure at `text`.
    void TakeShown(const QString& text, SheetView& view);

  private:
    std::array<std::string, kSheetFields.size()> fields_;
    std::string shown_;
};

// The option button of `method`.
QRadioButton* OptionOf(const DefaultsControls& controls, AdditionMethod method);

// Calls `chosen` with the method whenever one of the method options becomes
// the chosen one, for as long as `receiver` lives. The option that loses its
// choice at the same time has nothing to do.
void ConnectMethodChoice(const DefaultsControls& controls, QObject* receiver,
                         const std::function<void(AdditionMethod)>& chosen);

// The method whose option is chosen, tested in the order Solution, Powder,
// Tablet; none when no option is chosen.
std::optional<AdditionMethod> ChosenMethod(const DefaultsControls& controls);

// Enables the solution trio (field, arrows, unit) and the tablet trio as the
// method's state says; their texts stay while they are greyed.
void EnableMethodFields(const DefaultsControls& controls, AdditionMethod method);

// Applies the record field by field, in file order. A code that names no
// choice leaves its control as it is. Every selection and text raises the
// same notifications as the user's own. False when the target text names no
// target kind; the fields before it are applied all the same.
bool ApplyDefaultsToForm(const DefaultsControls& controls, const UserDefaults& record);

// Copies the controls into the record: a group without a choice keeps the
// record's code, the texts are taken as they stand.
void CopyFormToDefaults(const DefaultsControls& controls, UserDefaults& record);

}  // namespace korvane
