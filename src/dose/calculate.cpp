#include "dose/calculate.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <optional>
#include <string>

#include "dose/choice_texts.h"
#include "dose/dose_arithmetic.h"
#include "dose/messages.h"
#include "dose/number_text.h"
#include "platform/text_box.h"

namespace korvane {
namespace {

using Field = QLineEdit* CalculatorControls::*;

std::string TextOf(const QLineEdit* field) {
    return field->text().toStdString();
}
std::string TextOf(const QLabel* label) {
    return label->text().toStdString();
}

// Unreadable numbers count as 0: the calculation never stops on an input.
float ValueOrZero(const QLineEdit* field) {
    return TextToSingle(TextOf(field)).value_or(0.0F);
}

std::optional<TargetKind> SelectedTarget(const CalculatorControls& c) {
    return ChoiceFromText(kTargetKindTexts, c.cboTarget->currentText().toStdString());
}

// When a row of the checks or questions is looked at.
enum class Applies { Always, Solution, Tablet, FreeTarget, MolecularTarget };

bool AppliesNow(Applies applies, const CalculatorControls& c) {
    switch (applies) {
        case Applies::Always:
            return true;
        case Applies::Solution:
            return c.optSolution->isChecked();
        case Applies::Tablet:
            return c.optTablet->isChecked();
        case Applies::FreeTarget:
            return SelectedTarget(c) == TargetKind::FreeSO2;
        case Applies::MolecularTarget:
            return SelectedTarget(c) == TargetKind::MolecularSO2;
    }
    return false;
}

// What makes a check fail. The value tests run only after the emptiness and
// numeric checks of the same field have passed.
enum class Fails {
    Empty,
    NotNumeric,
    OutsideZeroTo100,
    BelowZero,
    ZeroOrBelow,
    BelowOne,
    AboveFourteen,
    BelowExistingFree,       // compares with the existing free SO2 field
    BelowExistingMolecular,  // compares with the molecular figure on screen
};

struct Check {
    Applies applies;
    Field field;
    Fails fails;
    const char* message;
};

constexpr Check kChecks[] = {
    {Applies::Solution, &CalculatorControls::txtSolution, Fails::Empty,
     "Please enter solution percentage."},
    {Applies::Solution, &CalculatorControls::txtSolution, Fails::NotNumeric,
     "Solution percentage must be numeric."},
    {Applies::Solution, &CalculatorControls::txtSolution, Fails::OutsideZeroTo100,
     "Solution % must be between 0 and 100."},
    {Applies::Tablet, &CalculatorControls::txtTabWeight, Fails::Empty,
     "Please enter tablet weight."},
    {Applies::Tablet, &CalculatorControls::txtTabWeight, Fails::NotNumeric,
     "Tablet weight must be numeric."},
    {Applies::Tablet, &CalculatorControls::txtTabWeight, Fails::BelowZero,
     "Tablet weight cannot be less than 0."},
    {Applies::Always, &CalculatorControls::txtBatchSize, Fails::Empty, "Please enter batch size."},
    {Applies::Always, &CalculatorControls::txtBatchSize, Fails::NotNumeric,
     "Batch size must be numeric."},
    {Applies::Always, &CalculatorControls::txtBatchSize, Fails::ZeroOrBelow,
     "Batch size must be greater than 0."},
    {Applies::MolecularTarget, &CalculatorControls::txtPh, Fails::Empty, "Please enter pH."},
    {Applies::MolecularTarget, &CalculatorControls::txtPh, Fails::NotNumeric,
     "pH must be numeric."},
    {Applies::MolecularTarget, &CalculatorControls::txtPh, Fails::BelowOne,
     "pH must be between 1 and 14."},
    {Applies::MolecularTarget, &CalculatorControls::txtPh, Fails::AboveFourteen,
     "pH must be between 1 and 14."},
    {Applies::Always, &CalculatorControls::txtExistSO2, Fails::Empty, "Please enter existing SO2."},
    {Applies::Always, &CalculatorControls::txtExistSO2, Fails::NotNumeric,
     "Existing SO2 must be numeric."},
    {Applies::FreeTarget, &CalculatorControls::txtTargetSO2, Fails::Empty,
     "Please enter target SO2."},
    {Applies::FreeTarget, &CalculatorControls::txtTargetSO2, Fails::NotNumeric,
     "Target SO2 must be numeric."},
    {Applies::MolecularTarget, &CalculatorControls::txtTargetMolSO2, Fails::Empty,
     "Please enter target SO2."},
    {Applies::MolecularTarget, &CalculatorControls::txtTargetMolSO2, Fails::NotNumeric,
     "Target SO2 must be numeric."},
    {Applies::FreeTarget, &CalculatorControls::txtTargetSO2, Fails::BelowExistingFree,
     "Existing SO2 cannot be greater than target SO2."},
    {Applies::MolecularTarget, &CalculatorControls::txtTargetMolSO2, Fails::BelowExistingMolecular,
     "Existing SO2 cannot be greater than target SO2."},
};

bool CheckFails(const Check& check, const CalculatorControls& c) {
    const std::string text = TextOf(c.*check.field);
    const float value = TextToSingle(text).value_or(0.0F);
    switch (check.fails) {
        case Fails::Empty:
            return IsEmptyText(text);
        case Fails::NotNumeric:
            return !IsNumericText(text);
        case Fails::OutsideZeroTo100:
            return value < 0.0F || value > 100.0F;
        case Fails::BelowZero:
            return value < 0.0F;
        case Fails::ZeroOrBelow:
            return value <= 0.0F;
        case Fails::BelowOne:
            return value < 1.0F;
        case Fails::AboveFourteen:
            return value > 14.0F;
        case Fails::BelowExistingFree:
            return value < ValueOrZero(c.txtExistSO2);
        case Fails::BelowExistingMolecular:
            // The figure the user sees, not the unrounded one.
            return value < TextToSingle(TextOf(c.lblExistMolSO2)).value_or(0.0F);
    }
    return false;
}

// A plausibility question: asked when the field's value is beyond the bound.
struct Question {
    Applies applies;
    Field field;
    bool whenAbove;  // otherwise when below
    float bound;
    const char* text;
};

// pH below 2 and above 5 exclude each other, so at most one pH question is
// ever asked.
constexpr Question kQuestions[] = {
    {Applies::Tablet, &CalculatorControls::txtTabWeight, true, 1.0F,
     "Tablet weight appears high. Are you sure it is correct?"},
    {Applies::Solution, &CalculatorControls::txtSolution, true, 50.0F,
     "Solution percentage appears high. Are you sure it is correct?"},
    {Applies::MolecularTarget, &CalculatorControls::txtPh, false, 2.0F,
     "pH appears low. Are you sure it is correct?"},
    {Applies::MolecularTarget, &CalculatorControls::txtPh, true, 5.0F,
     "pH appears high. Are you sure it is correct?"},
};

bool QuestionAsked(const Question& question, const CalculatorControls& c) {
    const float value = ValueOrZero(c.*question.field);
    return question.whenAbove ? value > question.bound : value < question.bound;
}

// True when every check passed; otherwise the first failure has been shown.
bool InputsPass(const CalculatorControls& c) {
    for (const Check& check : kChecks) {
        if (AppliesNow(check.applies, c) && CheckFails(check, c)) {
            ShowWarning(QString::fromUtf8(check.message), c.window);
            (c.*check.field)->setFocus();
            return false;
        }
    }
    return true;
}

// True when the user confirmed every implausible value.
bool ValuesConfirmed(const CalculatorControls& c) {
    for (const Question& question : kQuestions) {
        if (AppliesNow(question.applies, c) && QuestionAsked(question, c) &&
            !AskYesNo(QString::fromUtf8(question.text), c.window)) {
            (c.*question.field)->setFocus();
            ClearResults(c);
            return false;
        }
    }
    return true;
}

AdditionMethod SelectedMethod(const CalculatorControls& c) {
    if (c.optSolution->isChecked()) {
        return AdditionMethod::Solution;
    }
    if (c.optPowder->isChecked()) {
        return AdditionMethod::Powder;
    }
    return AdditionMethod::Tablet;
}

DoseInputs ReadInputs(const CalculatorControls& c) {
    DoseInputs inputs;
    inputs.batchVolume = ValueOrZero(c.txtBatchSize);
    inputs.freeSO2 = ValueOrZero(c.txtExistSO2);
    inputs.ph = ValueOrZero(c.txtPh);
    inputs.sulphiteForm =
        ChoiceFromText(kSulphiteFormTexts, c.cboForm->currentText().toStdString());
    inputs.batchUnit = ChoiceFromText(kBatchUnitTexts, c.cboBatch->currentText().toStdString())
                           .value_or(BatchUnit::Litre);
    inputs.targetKind = SelectedTarget(c);
    if (inputs.targetKind == TargetKind::FreeSO2) {
        inputs.targetValue = ValueOrZero(c.txtTargetSO2);
    } else if (inputs.targetKind == TargetKind::MolecularSO2) {
        inputs.targetValue = ValueOrZero(c.txtTargetMolSO2);
    }
    inputs.method = SelectedMethod(c);
    if (inputs.method == AdditionMethod::Solution) {
        inputs.solutionStrength = ValueOrZero(c.txtSolution);
    } else if (inputs.method == AdditionMethod::Tablet) {
        inputs.tabletGrams = ValueOrZero(c.txtTabWeight);
    }
    return inputs;
}

QString Shown(const std::string& text) {
    return QString::fromStdString(text);
}

void WriteResults(const CalculatorControls& c, const DoseInputs& inputs, const DoseResults& r) {
    c.lblExistMolSO2->setText(Shown(FormatFixed2(r.existingMolecular)));
    // The computed target goes first: its change clears the amounts, which
    // are written after it.
    if (inputs.targetKind == TargetKind::FreeSO2) {
        platform::WriteFieldText(c.txtTargetMolSO2, Shown(FormatFixed2(r.targetMolecular)));
    } else if (inputs.targetKind == TargetKind::MolecularSO2) {
        platform::WriteFieldText(c.txtTargetSO2, Shown(FormatFixed2(SingleToText(r.targetFree))));
    }
    c.lblAddition2->setText(r.teaspoons ? Shown(FormatFixed2(*r.teaspoons)) : QString());
    c.lblAddition->setText(Shown(FormatFixed2(SingleToText(r.amount))));
    c.lblSO2Requirement->setText(Shown(FormatFixed2(SingleToText(r.freeRequirement))));
    c.lblMolSO2Requirement->setText(Shown(FormatFixed2(SingleToText(r.molecularRequirement))));
    // A negative or non-finite amount is nothing anyone can add.
    const std::optional<float> amount = TextToSingle(TextOf(c.lblAddition));
    if (!amount || *amount < 0.0F) {
        ClearResults(c);
    }
}

}  // namespace

void ClearResults(const CalculatorControls& controls) {
    controls.lblAddition->setText("0.00");
    controls.lblAddition2->setText("0.00");
}

void RefreshExistingMolecular(const CalculatorControls& controls) {
    if (SelectedTarget(controls) != TargetKind::MolecularSO2) {
        return;
    }
    // Unreadable entries count as 0, as in the calculation; the Calculate
    // checks report them. A huge pH only drives the figure to 0.
    const float molecular =
        MolecularFromFree(ValueOrZero(controls.txtExistSO2), ValueOrZero(controls.txtPh));
    controls.lblExistMolSO2->setText(Shown(FormatFixed2(molecular)));
}

void RecalculateResults(const CalculatorControls& controls) {
    if (controls.txtTargetSO2->text().isEmpty() || controls.txtBatchSize->text().isEmpty()) {
        return;
    }
    const DoseInputs inputs = ReadInputs(controls);
    WriteResults(controls, inputs, ComputeDose(inputs));
}

void ValidateAndCalculate(const CalculatorControls& controls) {
    if (SelectedTarget(controls) == TargetKind::MolecularSO2) {
        RefreshExistingMolecular(controls);
    }
    if (!InputsPass(controls) || !ValuesConfirmed(controls)) {
        return;
    }
    RecalculateResults(controls);
}

}  // namespace korvane
