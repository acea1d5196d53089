#include "core/dose_sheet.h"

#include <array>
#include <utility>

#include "core/number_text.h"

namespace korvane {
namespace {

// When a check or a question is looked at.
enum class Applies { Always, Solution, Tablet, FreeTarget, MolecularTarget };

bool AppliesTo(Applies applies, const SheetInput& input) {
    switch (applies) {
        case Applies::Always:
            return true;
        case Applies::Solution:
            return input.method == AdditionMethod::Solution;
        case Applies::Tablet:
            return input.method == AdditionMethod::Tablet;
        case Applies::FreeTarget:
            return input.target == TargetKind::FreeSO2;
        case Applies::MolecularTarget:
            return input.target == TargetKind::MolecularSO2;
    }
    return false;
}

constexpr std::array kFields{SheetField::Ph,
                             SheetField::ExistingSO2,
                             SheetField::BatchSize,
                             SheetField::TabletWeight,
                             SheetField::SolutionStrength,
                             SheetField::TargetFree,
                             SheetField::TargetMolecular};

// Every field read once: whether it is numeric, and its value, where
// unreadable numbers count as 0.
class Readings {
  public:
    explicit Readings(const SheetInput& input) {
        for (const SheetField field : kFields) {
            const std::optional<float> value = TextToSingle(FieldText(input, field));
            numeric_[Index(field)] = value.has_value();
            values_[Index(field)] = value.value_or(0.0F);
        }
        shownExistingMolecular_ = TextToSingle(input.shownExistingMolecular).value_or(0.0F);
    }

    float Value(SheetField field) const { return values_[Index(field)]; }
    bool IsNumeric(SheetField field) const { return numeric_[Index(field)]; }
    float ShownExistingMolecular() const { return shownExistingMolecular_; }

  private:
    static std::size_t Index(SheetField field) { return static_cast<std::size_t>(field); }

    std::array<float, kFields.size()> values_{};
    std::array<bool, kFields.size()> numeric_{};
    float shownExistingMolecular_ = 0.0F;
};

enum class Fails {
    Empty,
    NotNumeric,
    OutsideZeroTo100,
    BelowZero,
    ZeroOrBelow,
    BelowOne,
    AboveFourteen,
    BelowExistingFree,
    BelowExistingMolecular,
};

struct Check {
    Applies applies;
    SheetField field;
    Fails fails;
    const char* message;
};

// A plain array: the translation tools read the messages' context from it.
constexpr Check kChecks[] = {
    Check{Applies::Solution, SheetField::SolutionStrength, Fails::Empty,
          KORVANE_TEXT("Please enter solution percentage.")},
    Check{Applies::Solution, SheetField::SolutionStrength, Fails::NotNumeric,
          KORVANE_TEXT("Solution percentage must be numeric.")},
    Check{Applies::Solution, SheetField::SolutionStrength, Fails::OutsideZeroTo100,
          KORVANE_TEXT("Solution % must be between 0 and 100.")},
    Check{Applies::Tablet, SheetField::TabletWeight, Fails::Empty,
          KORVANE_TEXT("Please enter tablet weight.")},
    Check{Applies::Tablet, SheetField::TabletWeight, Fails::NotNumeric,
          KORVANE_TEXT("Tablet weight must be numeric.")},
    Check{Applies::Tablet, SheetField::TabletWeight, Fails::BelowZero,
          KORVANE_TEXT("Tablet weight cannot be less than 0.")},
    Check{Applies::Always, SheetField::BatchSize, Fails::Empty,
          KORVANE_TEXT("Please enter batch size.")},
    Check{Applies::Always, SheetField::BatchSize, Fails::NotNumeric,
          KORVANE_TEXT("Batch size must be numeric.")},
    Check{Applies::Always, SheetField::BatchSize, Fails::ZeroOrBelow,
          KORVANE_TEXT("Batch size must be greater than 0.")},
    Check{Applies::MolecularTarget, SheetField::Ph, Fails::Empty, KORVANE_TEXT("Please enter pH.")},
    Check{Applies::MolecularTarget, SheetField::Ph, Fails::NotNumeric,
          KORVANE_TEXT("pH must be numeric.")},
    Check{Applies::MolecularTarget, SheetField::Ph, Fails::BelowOne,
          KORVANE_TEXT("pH must be between 1 and 14.")},
    Check{Applies::MolecularTarget, SheetField::Ph, Fails::AboveFourteen,
          KORVANE_TEXT("pH must be between 1 and 14.")},
    Check{Applies::Always, SheetField::ExistingSO2, Fails::Empty,
          KORVANE_TEXT("Please enter existing SO2.")},
    Check{Applies::Always, SheetField::ExistingSO2, Fails::NotNumeric,
          KORVANE_TEXT("Existing SO2 must be numeric.")},
    Check{Applies::FreeTarget, SheetField::TargetFree, Fails::Empty,
          KORVANE_TEXT("Please enter target SO2.")},
    Check{Applies::FreeTarget, SheetField::TargetFree, Fails::NotNumeric,
          KORVANE_TEXT("Target SO2 must be numeric.")},
    Check{Applies::MolecularTarget, SheetField::TargetMolecular, Fails::Empty,
          KORVANE_TEXT("Please enter target SO2.")},
    Check{Applies::MolecularTarget, SheetField::TargetMolecular, Fails::NotNumeric,
          KORVANE_TEXT("Target SO2 must be numeric.")},
    Check{Applies::FreeTarget, SheetField::TargetFree, Fails::BelowExistingFree,
          KORVANE_TEXT("Existing SO2 cannot be greater than target SO2.")},
    Check{Applies::MolecularTarget, SheetField::TargetMolecular, Fails::BelowExistingMolecular,
          KORVANE_TEXT("Existing SO2 cannot be greater than target SO2.")},
};

bool CheckFails(const Check& check, const SheetInput& input, const Readings& readings) {
    const float value = readings.Value(check.field);
    switch (check.fails) {
        case Fails::Empty:
            return IsEmptyText(FieldText(input, check.field));
        case Fails::NotNumeric:
            return !readings.IsNumeric(check.field);
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
            return value < readings.Value(SheetField::ExistingSO2);
        case Fails::BelowExistingMolecular:
            // The figure the user sees, not the unrounded one.
            return value < readings.ShownExistingMolecular();
    }
    return false;
}

// Asked when the field's value lies beyond the bound.
struct QuestionRow {
    Applies applies;
    SheetField field;
    bool whenAbove;  // otherwise when below
    float bound;
    const char* text;
};

// A pH below 2 and one above 5 exclude each other, so at most one pH
// question is ever asked.
constexpr QuestionRow kQuestions[] = {
    QuestionRow{Applies::Tablet, SheetField::TabletWeight, true, 1.0F,
                KORVANE_TEXT("Tablet weight appears high. Are you sure it is correct?")},
    QuestionRow{Applies::Solution, SheetField::SolutionStrength, true, 50.0F,
                KORVANE_TEXT("Solution percentage appears high. Are you sure it is correct?")},
    QuestionRow{Applies::MolecularTarget, SheetField::Ph, false, 2.0F,
                KORVANE_TEXT("pH appears low. Are you sure it is correct?")},
    QuestionRow{Applies::MolecularTarget, SheetField::Ph, true, 5.0F,
                KORVANE_TEXT("pH appears high. Are you sure it is correct?")},
};

bool IsAsked(const QuestionRow& question, const Readings& readings) {
    const float value = readings.Value(question.field);
    return question.whenAbove ? value > question.bound : value < question.bound;
}

template <typename Predicate>
std::optional<FailedCheck> FirstFailure(const SheetInput& input, const Readings& readings,
                                        Predicate considered) {
    for (const Check& check : kChecks) {
        if (considered(check) && AppliesTo(check.applies, input) &&
            CheckFails(check, input, readings)) {
            return FailedCheck{check.field, check.message};
        }
    }
    return std::nullopt;
}

DoseInputs ReadInputs(const SheetInput& input, const Readings& readings) {
    DoseInputs inputs;
    inputs.batchVolume = readings.Value(SheetField::BatchSize);
    inputs.freeSO2 = readings.Value(SheetField::ExistingSO2);
    inputs.ph = readings.Value(SheetField::Ph);
    inputs.sulphiteForm = input.form;
    inputs.batchUnit = input.unit.value_or(BatchUnit::Litre);
    inputs.targetKind = input.target;
    if (input.target == TargetKind::FreeSO2) {
        inputs.targetValue = readings.Value(SheetField::TargetFree);
    } else if (input.target == TargetKind::MolecularSO2) {
        inputs.targetValue = readings.Value(SheetField::TargetMolecular);
    }
    inputs.method = input.method;
    if (input.method == AdditionMethod::Solution) {
        inputs.solutionStrength = readings.Value(SheetField::SolutionStrength);
    } else if (input.method == AdditionMethod::Tablet) {
        inputs.tabletGrams = readings.Value(SheetField::TabletWeight);
    }
    inputs.pka = input.pka;
    return inputs;
}

// Rounded on the single value's seven significant digits, as its text
// shows them, not on its binary expansion.
std::string ShownRounded(float value) {
    return FormatFixed2OfSingle(value);
}

bool AllChecks(const Check& /*check*/) {
    return true;
}

// The checks the Default Settings dialog has fields for.
bool SettingsChecks(const Check& check) {
    return check.field == SheetField::SolutionStrength || check.field == SheetField::TabletWeight ||
           check.field == SheetField::BatchSize;
}

Questions QuestionsFor(const SheetInput& input, const Readings& readings) {
    Questions questions;
    for (const QuestionRow& question : kQuestions) {
        if (AppliesTo(question.applies, input) && IsAsked(question, readings)) {
            questions.push_back({question.field, question.text});
        }
    }
    return questions;
}

ResultWrites Recalculate(const SheetInput& input, const Readings& readings) {
    // The free target is tested for both kinds: with a molecular target it
    // holds the last computed free target.
    if (input.targetFree.empty() || input.batchSize.empty()) {
        return {};
    }
    const DoseInputs inputs = ReadInputs(input, readings);
    const DoseResults r = ComputeDose(inputs);

    ResultWrites writes;
    writes.reserve(8);
    writes.push_back({SheetOutput::ExistingMolecular, FormatFixed2(r.existingMolecular)});
    // The computed target goes before the amounts: in the window its change
    // clears them, and they are written after it.
    if (inputs.targetKind == TargetKind::FreeSO2) {
        writes.push_back({SheetOutput::TargetMolecular, FormatFixed2(r.targetMolecular)});
    } else if (inputs.targetKind == TargetKind::MolecularSO2) {
        writes.push_back({SheetOutput::TargetFree, ShownRounded(r.targetFree)});
    }
    writes.push_back(
        {SheetOutput::Teaspoons, r.teaspoons ? FormatFixed2(*r.teaspoons) : std::string()});
    std::string amount = ShownRounded(r.amount);
    // A negative or non-finite amount is nothing anyone can add.
    const std::optional<float> amountValue = TextToSingle(amount);
    const bool cleared = !amountValue || *amountValue < 0.0F;
    writes.push_back({SheetOutput::Amount, std::move(amount)});
    writes.push_back({SheetOutput::FreeRequirement, ShownRounded(r.freeRequirement)});
    writes.push_back({SheetOutput::MolecularRequirement, ShownRounded(r.molecularRequirement)});
    if (cleared) {
        writes.push_back({SheetOutput::Amount, kClearedAmount});
        writes.push_back({SheetOutput::Teaspoons, kClearedAmount});
    }
    return writes;
}

}  // namespace

const std::string& FieldText(const SheetInput& input, SheetField field) {
    return FieldText(const_cast<SheetInput&>(input), field);
}

std::string& FieldText(SheetInput& input, SheetField field) {
    switch (field) {
        case SheetField::Ph:
            return input.ph;
        case SheetField::ExistingSO2:
            return input.existingSO2;
        case SheetField::BatchSize:
            return input.batchSize;
        case SheetField::TabletWeight:
            return input.tabletWeight;
        case SheetField::SolutionStrength:
            return input.solutionStrength;
        case SheetField::TargetFree:
            return input.targetFree;
        case SheetField::TargetMolecular:
            break;
    }
    return input.targetMolecular;
}

std::optional<FailedCheck> FirstFailedCheck(const SheetInput& input) {
    return FirstFailure(input, Readings(input), AllChecks);
}

std::optional<FailedCheck> FirstFailedSettingsCheck(const SheetInput& input) {
    return FirstFailure(input, Readings(input), SettingsChecks);
}

Questions QuestionsToAsk(const SheetInput& input) {
    return QuestionsFor(input, Readings(input));
}

ResultWrites RecalculateSheet(const SheetInput& input) {
    return Recalculate(input, Readings(input));
}

SheetAnswer EvaluateSheet(const SheetInput& input) {
    const Readings readings(input);
    if (std::optional<FailedCheck> failed = FirstFailure(input, readings, AllChecks)) {
        return *failed;
    }
    if (Questions questions = QuestionsFor(input, readings); !questions.empty()) {
        return questions;
    }
    return Recalculate(input, readings);
}

std::string ExistingMolecularText(const SheetInput& input) {
    const float existing = TextToSingle(input.existingSO2).value_or(0.0F);
    const float ph = TextToSingle(input.ph).value_or(0.0F);
    return FormatFixed2(MolecularFromFree(existing, ph, input.pka));
}

}  // namespace korvane
