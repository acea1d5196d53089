#include "app/defaults_form.h"

#include <QComboBox>
#include <QRadioButton>

#include "core/spin_rules.h"
#include "platform/settings_store.h"
#include "widgets/choice_list.h"
#include "widgets/spin_edit.h"
#include "widgets/text_box.h"

namespace korvane {
namespace {

// Each field of the sheet as the windows name its text box and arrows.
struct SheetFieldRow {
    SheetField field;
    widgets::SpinEditPair spinEdit;
};

const SheetFieldRow kSheetFieldRows[] = {
    {SheetField::Ph, {"txtPh", "vsbPh", &kPhSpin}},
    {SheetField::ExistingSO2, {"txtExistSO2", "vsbExistSO2", &kExistingSO2Spin}},
    {SheetField::BatchSize, {"txtBatchSize", "vsbBatchSize", &kBatchSizeSpin}},
    {SheetField::TabletWeight, {"txtTabWeight", "vsbCampden", &kTabletWeightSpin}},
    {SheetField::SolutionStrength, {"txtSolution", "vsbPercent", &kSolutionSpin}},
    {SheetField::TargetFree, {"txtTargetSO2", "vsbTargetSO2", &kTargetFreeSpin}},
    {SheetField::TargetMolecular, {"txtTargetMolSO2", "vsbTargetMolSO2", &kTargetMolecularSpin}},
};

struct MethodOptionRow {
    AdditionMethod method;
    const char* option;
};

// In the order a chosen method is looked for.
constexpr MethodOptionRow kMethodOptions[] = {
    {AdditionMethod::Solution, "optSolution"},
    {AdditionMethod::Powder, "optPowder"},
    {AdditionMethod::Tablet, "optTablet"},
};

QComboBox* List(QWidget& form, const char* name) {
    return form.findChild<QComboBox*>(name);
}

widgets::TextBox* Field(QWidget& form, const char* name) {
    return form.findChild<widgets::TextBox*>(name);
}

template <typename Choice, std::size_t N>
void SelectCode(QWidget& form, const char* list, const ChoiceTable<Choice, N>& codes,
                const std::string& code) {
    if (const std::optional<Choice> choice = ChoiceOf(codes, code)) {
        widgets::SelectChoice(List(form, list), *choice);
    }
}

template <typename Choice, std::size_t N>
void CopyCode(QWidget& form, const char* list, const ChoiceTable<Choice, N>& codes,
              std::string& code) {
    if (const auto choice = widgets::CurrentChoice<Choice>(List(form, list))) {
        // Built, then moved: GCC 12 warns wrongly about assigning a literal.
        code = std::string(TextOf(codes, *choice));
    }
}

}  // namespace

QRadioButton* MethodOption(QWidget& form, AdditionMethod method) {
    for (const MethodOptionRow& row : kMethodOptions) {
        if (row.method == method) {
            return form.findChild<QRadioButton*>(row.option);
        }
    }
    return nullptr;
}

widgets::TextBox* SheetFieldBox(QWidget& form, SheetField field) {
    for (const SheetFieldRow& row : kSheetFieldRows) {
        if (row.field == field) {
            return Field(form, row.spinEdit.field);
        }
    }
    return nullptr;
}

void BindSheetSpinEdits(QWidget& form, widgets::NumericKeyFilter& filter) {
    for (const SheetFieldRow& row : kSheetFieldRows) {
        widgets::BindSpinEdit(&form, row.spinEdit, &filter);
    }
}

void ShowOpeningTexts(QWidget& form) {
    for (const SheetFieldRow& row : kSheetFieldRows) {
        if (widgets::TextBox* box = Field(form, row.spinEdit.field)) {
            box->setText(QString::fromLatin1(OpeningText(row.field)));
        }
    }
}

void ReadSheetFields(QWidget& form, SheetInput& input) {
    for (const SheetFieldRow& row : kSheetFieldRows) {
        if (const widgets::TextBox* box = Field(form, row.spinEdit.field)) {
            FieldText(input, row.field) = box->text().toStdString();
        }
    }
}

void ConnectMethodChoice(QWidget& form, QObject* receiver,
                         const std::function<void(AdditionMethod)>& chosen) {
    for (const MethodOptionRow& row : kMethodOptions) {
        QObject::connect(MethodOption(form, row.method), &QAbstractButton::toggled, receiver,
                         [chosen, method = row.method](bool on) {
                             if (on) {
                                 chosen(method);
                             }
                         });
    }
}

std::optional<AdditionMethod> ChosenMethod(QWidget& form) {
    for (const MethodOptionRow& row : kMethodOptions) {
        if (form.findChild<QRadioButton*>(row.option)->isChecked()) {
            return row.method;
        }
    }
    return std::nullopt;
}

void EnableMethodFields(QWidget& form, AdditionMethod method) {
    const MethodState& state = MethodStateOf(method);
    for (const char* name : {"txtSolution", "lblPercent", "vsbPercent"}) {
        form.findChild<QWidget*>(name)->setEnabled(state.solutionEnabled);
    }
    for (const char* name : {"vsbCampden", "txtTabWeight", "lblTabWeight"}) {
        form.findChild<QWidget*>(name)->setEnabled(state.tabletEnabled);
    }
}

bool ApplyDefaultsToForm(QWidget& form, const UserDefaults& record) {
    SelectCode(form, "cboForm", kFormCodes, record.formCode);
    if (const std::optional<AdditionMethod> method = ChoiceOf(kMethodCodes, record.methodCode)) {
        MethodOption(form, *method)->setChecked(true);
    }
    SelectCode(form, "cboBatch", kUnitCodes, record.unitCode);
    Field(form, "txtSolution")->setText(platform::RecordFieldText(record.solutionPercent));
    Field(form, "txtTabWeight")->setText(platform::RecordFieldText(record.tabletWeight));
    Field(form, "txtBatchSize")->setText(platform::RecordFieldText(record.batchSize));
    // The target is stored as its English text in every language.
    const std::optional<TargetKind> target = ChoiceOf(kTargetKindTexts, record.targetText);
    return target && widgets::SelectChoice(List(form, "cboTarget"), *target);
}

void CopyFormToDefaults(QWidget& form, UserDefaults& record) {
    CopyCode(form, "cboForm", kFormCodes, record.formCode);
    if (const std::optional<AdditionMethod> method = ChosenMethod(form)) {
        record.methodCode = std::string(TextOf(kMethodCodes, *method));
    }
    CopyCode(form, "cboBatch", kUnitCodes, record.unitCode);
    // Taken as they stand, also from a greyed field that was not checked.
    record.solutionPercent = platform::RecordFieldBytes(Field(form, "txtSolution")->text());
    record.tabletWeight = platform::RecordFieldBytes(Field(form, "txtTabWeight")->text());
    record.batchSize = platform::RecordFieldBytes(Field(form, "txtBatchSize")->text());
    const auto target = widgets::CurrentChoice<TargetKind>(List(form, "cboTarget"));
    record.targetText = std::string(target ? TextOf(kTargetKindTexts, *target) : "");
}

}  // namespace korvane
