#include "app/defaults_form.h"

#include "platform/settings_store.h"
#include "widgets/choice_list.h"
#include "widgets/spin_edit.h"

namespace korvane {
namespace {

template <typename Choice, std::size_t N>
void SelectCode(QComboBox* list, const ChoiceRows<Choice, N>& table, const std::string& code) {
    if (const std::optional<Choice> choice = ChoiceOfCode(table, code)) {
        widgets::SelectChoice(list, *choice);
    }
}

template <typename Choice, std::size_t N>
void CopyCode(const QComboBox* list, const ChoiceRows<Choice, N>& table, std::string& code) {
    if (const auto choice = widgets::CurrentChoice<Choice>(list)) {
        // Built, then moved: GCC 12 warns wrongly about assigning a literal.
        code = std::string(RowOf(table, *choice).code);
    }
}

void SetRecordText(widgets::TextBox* box, const std::string& bytes) {
    box->setText(platform::RecordFieldText(bytes));
}

}  // namespace

widgets::TextBox* FieldBox(const std::vector<SheetFieldControl>& fields, SheetField field) {
    for (const SheetFieldControl& control : fields) {
        if (control.field == field) {
            return control.box;
        }
    }
    return nullptr;
}

void BindSheetSpinEdits(const std::vector<SheetFieldControl>& fields,
                        widgets::NumericKeyFilter& filter) {
    for (const SheetFieldControl& control : fields) {
        widgets::BindSpinEdit(control.box, control.bar, *control.rule, &filter);
    }
}

void ShowOpeningTexts(const std::vector<SheetFieldControl>& fields) {
    for (const SheetFieldControl& control : fields) {
        control.box->setText(QString::fromLatin1(OpeningText(control.field)));
    }
}

void SheetTexts::Take(const std::vector<SheetFieldControl>& fields, SheetView& view) {
    for (const SheetFieldControl& control : fields) {
        std::string& text = fields_[static_cast<std::size_t>(control.field)];
        text = control.box->text().toStdString();
        FieldText(view, control.field) = text;
    }
}

void SheetTexts::TakeShown(const QString& text, SheetView& view) {
    shown_ = text.toStdString();
    view.shownExistingMolecular = shown_;
}

QRadioButton* OptionOf(const DefaultsControls& controls, AdditionMethod method) {
    for (const MethodOption& row : controls.methods) {
        if (row.method == method) {
            return row.option;
        }
    }
    return nullptr;
}

void ConnectMethodChoice(const DefaultsControls& controls, QObject* receiver,
                         const std::function<void(AdditionMethod)>& chosen) {
    for (const MethodOption& row : controls.methods) {
        QObject::connect(row.option, &QAbstractButton::toggled, receiver,
                         [chosen, method = row.method](bool on) {
                             if (on) {
                                 chosen(method);
                             }
                         });
    }
}

std::optional<AdditionMethod> ChosenMethod(const DefaultsControls& controls) {
    for (const MethodOption& row : controls.methods) {
        if (row.option->isChecked()) {
            return row.method;
        }
    }
    return std::nullopt;
}

void EnableMethodFields(const DefaultsControls& controls, AdditionMethod method) {
    const MethodState& state = MethodStateOf(method);
    for (QWidget* control : controls.solutionGroup) {
        control->setEnabled(state.solutionEnabled);
    }
    for (QWidget* control : controls.tabletGroup) {
        control->setEnabled(state.tabletEnabled);
    }
}

bool ApplyDefaultsToForm(const DefaultsControls& controls, const UserDefaults& record) {
    SelectCode(controls.form, kSulphiteForms, record.formCode);
    if (const std::optional<AdditionMethod> method =
            ChoiceOfCode(kAdditionMethods, record.methodCode)) {
        OptionOf(controls, *method)->setChecked(true);
    }
    SelectCode(controls.unit, kBatchUnits, record.unitCode);
    SetRecordText(controls.solution, record.solutionPercent);
    SetRecordText(controls.tablet, record.tabletWeight);
    SetRecordText(controls.batchSize, record.batchSize);
    // The target is stored as its English text in every language.
    const std::optional<TargetKind> target = ChoiceOfCode(kTargetKinds, record.targetText);
    return target && widgets::SelectChoice(controls.target, *target);
}

void CopyFormToDefaults(const DefaultsControls& controls, UserDefaults& record) {
    CopyCode(controls.form, kSulphiteForms, record.formCode);
    if (const std::optional<AdditionMethod> method = ChosenMethod(controls)) {
        record.methodCode = std::string(RowOf(kAdditionMethods, *method).code);
    }
    CopyCode(controls.unit, kBatchUnits, record.unitCode);
    // Taken as they stand, also from a greyed field that was not checked.
    record.solutionPercent = platform::RecordFieldBytes(controls.solution->text());
    record.tabletWeight = platform::RecordFieldBytes(controls.tablet->text());
    record.batchSize = platform::RecordFieldBytes(controls.batchSize->text());
    record.targetText.clear();
    CopyCode(controls.target, kTargetKinds, record.targetText);
}

}  // namespace korvane
