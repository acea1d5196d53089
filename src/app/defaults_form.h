// The seven user defaults and the controls that show them. Both editing
// windows show them in controls of the same names (cboForm, optPowder,
// optSolution, optTablet, cboBatch, txtSolution, txtTabWeight, txtBatchSize,
// cboTarget), so applying and reading a record is written once, here.
#pragma once

#include <functional>
#include <optional>

#include "core/choices.h"
#include "core/dose_sheet.h"
#include "core/user_defaults.h"

class QObject;
class QRadioButton;
class QWidget;

namespace korvane {

namespace widgets {
class NumericKeyFilter;
class TextBox;
}  // namespace widgets

// The text box of the sheet's `field`, named alike in both windows; nullptr
// when `form` does not show that field.
widgets::TextBox* SheetFieldBox(QWidget& form, SheetField field);

// Binds each field `form` shows to its arrows and their spin rule: the same
// steps and limits in both windows.
void BindSheetSpinEdits(QWidget& form, widgets::NumericKeyFilter& filter);

// Puts the opening text into each field `form` shows.
void ShowOpeningTexts(QWidget& form);

// The texts of the fields `form` shows, into `input`.
void ReadSheetFields(QWidget& form, SheetInput& input);

// The option button of `method` in `form`.
QRadioButton* MethodOption(QWidget& form, AdditionMethod method);

// Calls `chosen` with the method whenever one of `form`'s method options
// becomes the chosen one, for as long as `receiver` lives. The option that
// loses its choice at the same time has nothing to do.
void ConnectMethodChoice(QWidget& form, QObject* receiver,
                         const std::function<void(AdditionMethod)>& chosen);

// The method whose option is chosen, tested in the order Solution, Powder,
// Tablet; none when no option is chosen.
std::optional<AdditionMethod> ChosenMethod(QWidget& form);

// Enables the solution trio (field, arrows, unit) and the tablet trio as the
// method's state says; their texts stay while they are greyed.
void EnableMethodFields(QWidget& form, AdditionMethod method);

// Applies the record field by field, in file order. A code that names no
// choice leaves its control as it is. Every selection and text raises the
// same notifications as the user's own. False when the target text names no
// target kind; the fields before it are applied all the same.
bool ApplyDefaultsToForm(QWidget& form, const UserDefaults& record);

// Copies the controls into the record: a group without a choice keeps the
// record's code, the texts are taken as they stand.
void CopyFormToDefaults(QWidget& form, UserDefaults& record);

}  // namespace korvane
