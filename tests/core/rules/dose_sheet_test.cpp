// The dose sheet as a table: every check in order with its message and field,
// every question, the inputs that pass without a word, the strict rules, the
// worked examples, and the result texts in the order the window writes them.
#include "core/rules/dose_sheet.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/rules/number_text.h"

namespace korvane {

std::ostream& operator<<(std::ostream& out, const FailedCheck& check) {
    return out << "check(" << (check.field ? static_cast<int>(*check.field) : -1) << ", \""
               << check.message << "\")";
}
std::ostream& operator<<(std::ostream& out, const Question& question) {
    return out << "question(" << static_cast<int>(question.field) << ", \"" << question.text
               << "\")";
}

namespace {

using F = SheetField;
using O = SheetOutput;
using Kind = SheetVerdict::Kind;
constexpr auto Free = TargetKind::FreeSO2;
constexpr auto Mol = TargetKind::MolecularSO2;
constexpr auto Powder = AdditionMethod::Powder;
constexpr auto Solution = AdditionMethod::Solution;
constexpr auto Tablet = AdditionMethod::Tablet;
constexpr auto kStrict = SheetRules::Strict;

constexpr char kExistingAboveTarget[] = "Existing SO2 cannot be greater than target SO2.";
constexpr char kPhRange[] = "pH must be between 1 and 14.";

// A sheet and the texts it points into, kept together.
struct Sheet {
    std::map<F, std::string> texts;
    std::string shown = "7.77";
    SheetView choices;  // everything but the texts

    SheetView View() const {
        SheetView view = choices;
        for (const auto& [field, text] : texts) {
            FieldText(view, field) = text;
        }
        view.shownExistingMolecular = shown;
        return view;
    }
    // The existing molecular figure refreshed for a molecular target, as the
    // Calculate command does before its checks.
    Sheet& Refreshed() {
        if (choices.target == Mol) {
            ResultText text;
            shown = std::string(ExistingMolecularText(View(), text));
        }
        return *this;
    }
};

// A complete, plausible sheet: 10 mg/L of free SO2 raised to 40 (or to 0.8
// molecular) in 23 litres of wine at pH 3.5, with potassium metabisulphite.
Sheet Prepared(AdditionMethod method, TargetKind target) {
    Sheet sheet;
    sheet.texts = {{F::Ph, "3.5"},
                   {F::ExistingSO2, "10"},
                   {F::BatchSize, "23"},
                   {F::TabletWeight, "0.44"},
                   {F::SolutionStrength, "10"},
                   {F::TargetFree, "40"},
                   {F::TargetMolecular, "0.8"}};
    sheet.choices.method = method;
    sheet.choices.form = SulphiteForm::Potassium;
    sheet.choices.unit = BatchUnit::Litre;
    sheet.choices.target = target;
    return sheet;
}

SheetVerdict Evaluated(const Sheet& sheet, bool answered = false) {
    SheetVerdict verdict;
    EvaluateSheet(sheet.View(), verdict, answered);
    return verdict;
}

// What each output shows once every write is done, as the results tell it.
std::map<O, std::string> Shown(const SheetResults& results) {
    std::map<O, std::string> shown;
    for (int i = 0; i <= static_cast<int>(O::MolecularRequirement); ++i) {
        if (const auto text = results.Shown(static_cast<O>(i))) {
            shown[static_cast<O>(i)] = std::string(*text);
        }
    }
    return shown;
}

std::map<O, std::string> Recalculated(const Sheet& sheet) {
    SheetResults results;
    RecalculateSheet(sheet.View(), results);
    return Shown(results);
}

// --- The checks and questions, one field at a time ----------------------------------

// A text put into one field of a prepared sheet, and what the sheet answers:
// a failed check, a first question, no addition, or results.
struct SheetCase {
    const char* name;
    SheetRules rules = SheetRules::Window;
    AdditionMethod method = AdditionMethod::Powder;
    TargetKind target = TargetKind::FreeSO2;
    BatchUnit unit = BatchUnit::Litre;
    double pka = SO2Pka;
    F field;
    std::string text;
    std::optional<F> other = std::nullopt;  // another field, and its text
    const char* otherText = "";
    bool answered = false;  // every question answered Yes
    Kind kind;
    std::optional<F> at = std::nullopt;  // the field told about, when not `field`
    const char* said = "";               // the message or the first question
    const char* freeRequirement = "";    // once calculated (after Yes, for a question)
    const char* amount = "";
    double value = 0;  // what a failed check's %1 stands for; 0: it has none
};

void PrintTo(const SheetCase& c, std::ostream* out) {
    *out << c.name;
}

// Names a table's rows in test listings.
constexpr auto CaseName = [](const auto& info) { return std::string(info.param.name); };

class SheetTable : public ::testing::TestWithParam<SheetCase> {};

TEST_P(SheetTable, Answers) {
    const SheetCase& c = GetParam();
    Sheet sheet = Prepared(c.method, c.target);
    sheet.choices.rules = c.rules;
    sheet.choices.unit = c.unit;
    sheet.choices.pka = c.pka;
    sheet.texts[c.field] = c.text;
    if (c.other) {
        sheet.texts[*c.other] = c.otherText;
    }
    const SheetVerdict verdict = Evaluated(sheet.Refreshed(), c.answered);
    ASSERT_EQ(verdict.kind, c.kind);
    const F at = c.at.value_or(c.field);
    if (c.kind == Kind::FailedCheck) {
        EXPECT_EQ(verdict.failed, (FailedCheck{at, c.said, verdict.failed.value}));
        EXPECT_EQ(verdict.failed.value.has_value(), c.value != 0);
        EXPECT_NEAR(verdict.failed.value.value_or(0) / (c.value != 0 ? c.value : 1),
                    c.value != 0 ? 1 : 0, 1e-6);
    } else if (c.kind == Kind::Questions) {
        EXPECT_EQ(verdict.questions.front(), (Question{at, c.said}));
    }
    const auto shown =
        Shown(verdict.kind == Kind::Questions ? Evaluated(sheet, true).results : verdict.results);
    if (*c.freeRequirement != '\0') {
        EXPECT_EQ(shown.at(O::FreeRequirement), c.freeRequirement);
    }
    if (*c.amount != '\0' || c.kind == Kind::NoAddition) {
        EXPECT_EQ(shown.at(O::Amount), c.kind == Kind::NoAddition ? "0.00" : c.amount);
    }
}

// clang-format off
const SheetCase kCheckRows[] = {
    {.name = "NoStrength", .method = Solution, .field = F::SolutionStrength, .text = "",
     .kind = Kind::FailedCheck, .said = "Please enter solution percentage."},
    {.name = "StrengthNotNumeric", .method = Solution, .field = F::SolutionStrength, .text = "abc",
     .kind = Kind::FailedCheck, .said = "Solution percentage must be numeric."},
    {.name = "StrengthBelowZero", .method = Solution, .field = F::SolutionStrength, .text = "-1",
     .kind = Kind::FailedCheck, .said = "Solution % must be between 0 and 100."},
    {.name = "StrengthAbove100", .method = Solution, .field = F::SolutionStrength, .text = "100.5",
     .kind = Kind::FailedCheck, .said = "Solution % must be between 0 and 100."},
    // A weight or strength of nothing would make the amount infinite.
    {.name = "StrengthOfNothing", .method = Solution, .field = F::SolutionStrength, .text = "0",
     .kind = Kind::FailedCheck, .said = "Solution percentage must be greater than 0."},
    {.name = "NoTablet", .method = Tablet, .field = F::TabletWeight, .text = "",
     .kind = Kind::FailedCheck, .said = "Please enter tablet weight."},
    {.name = "TabletNotNumeric", .method = Tablet, .field = F::TabletWeight, .text = "1.2.3",
     .kind = Kind::FailedCheck, .said = "Tablet weight must be numeric."},
    {.name = "TabletBelowZero", .method = Tablet, .field = F::TabletWeight, .text = "-0.01",
     .kind = Kind::FailedCheck, .said = "Tablet weight cannot be less than 0."},
    {.name = "TabletOfNothing", .method = Tablet, .field = F::TabletWeight, .text = "0",
     .kind = Kind::FailedCheck, .said = "Tablet weight must be greater than 0."},
    {.name = "NoBatch", .field = F::BatchSize, .text = "", .kind = Kind::FailedCheck,
     .said = "Please enter batch size."},
    // Two problems at once: only the first in the checks' order is told.
    {.name = "NoBatchNorExisting", .field = F::BatchSize, .text = "", .other = F::ExistingSO2,
     .otherText = "", .kind = Kind::FailedCheck, .said = "Please enter batch size."},
    {.name = "BatchNotNumeric", .field = F::BatchSize, .text = "2 3", .kind = Kind::FailedCheck,
     .said = "Batch size must be numeric."},
    {.name = "BatchOfNothing", .field = F::BatchSize, .text = "0", .kind = Kind::FailedCheck,
     .said = "Batch size must be greater than 0."},
    {.name = "BatchBelowZero", .field = F::BatchSize, .text = "-5", .kind = Kind::FailedCheck,
     .said = "Batch size must be greater than 0."},
    {.name = "NoPh", .target = Mol, .field = F::Ph, .text = "", .kind = Kind::FailedCheck,
     .said = "Please enter pH."},
    {.name = "PhNotNumeric", .target = Mol, .field = F::Ph, .text = ".", .kind = Kind::FailedCheck,
     .said = "pH must be numeric."},
    {.name = "PhBelowOne", .target = Mol, .field = F::Ph, .text = "0.99", .kind = Kind::FailedCheck,
     .said = kPhRange},
    {.name = "PhAbove14", .target = Mol, .field = F::Ph, .text = "14.01", .kind = Kind::FailedCheck,
     .said = kPhRange},
    {.name = "NoExisting", .field = F::ExistingSO2, .text = "", .kind = Kind::FailedCheck,
     .said = "Please enter existing SO2."},
    {.name = "ExistingWithAComma", .field = F::ExistingSO2, .text = "1,5",
     .kind = Kind::FailedCheck, .said = "Existing SO2 must be numeric."},
    {.name = "ExistingBlank", .field = F::ExistingSO2, .text = " ", .kind = Kind::FailedCheck,
     .said = "Existing SO2 must be numeric."},
    {.name = "NoFreeTarget", .field = F::TargetFree, .text = "", .kind = Kind::FailedCheck,
     .said = "Please enter target SO2."},
    {.name = "FreeTargetNotNumeric", .field = F::TargetFree, .text = "forty",
     .kind = Kind::FailedCheck, .said = "Target SO2 must be numeric."},
    {.name = "NoMolecularTarget", .target = Mol, .field = F::TargetMolecular, .text = "",
     .kind = Kind::FailedCheck, .said = "Please enter target SO2."},
    {.name = "MolecularTargetNotNumeric", .target = Mol, .field = F::TargetMolecular, .text = "abc",
     .kind = Kind::FailedCheck, .said = "Target SO2 must be numeric."},
    {.name = "FreeTargetBelowExisting", .field = F::TargetFree, .text = "9.99",
     .kind = Kind::FailedCheck, .said = kExistingAboveTarget},
    // 10 mg/L at pH 3.5 shows 0.20 molecular.
    {.name = "MolecularTargetBelowExisting", .target = Mol, .field = F::TargetMolecular,
     .text = "0.19", .kind = Kind::FailedCheck, .said = kExistingAboveTarget},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Checks, SheetTable, ::testing::ValuesIn(kCheckRows), CaseName);

// clang-format off
const SheetCase kQuestionRows[] = {
    {.name = "HeavyTablet", .method = Tablet, .field = F::TabletWeight, .text = "1.01",
     .kind = Kind::Questions, .said = "Tablet weight appears high. Are you sure it is correct?",
     .freeRequirement = "30.00"},
    {.name = "StrongSolution", .method = Solution, .field = F::SolutionStrength, .text = "60",
     .kind = Kind::Questions,
     .said = "Solution percentage appears high. Are you sure it is correct?",
     .freeRequirement = "30.00"},
    {.name = "SolutionOf100", .method = Solution, .field = F::SolutionStrength, .text = "100",
     .kind = Kind::Questions,
     .said = "Solution percentage appears high. Are you sure it is correct?",
     .freeRequirement = "30.00"},
    // Without existing SO2 a molecular target stays above it at any pH.
    {.name = "LowPh", .target = Mol, .field = F::Ph, .text = "1.5", .other = F::ExistingSO2,
     .otherText = "0", .kind = Kind::Questions,
     .said = "pH appears low. Are you sure it is correct?", .freeRequirement = "1.20"},
    {.name = "PhOfOne", .target = Mol, .field = F::Ph, .text = "1", .other = F::ExistingSO2,
     .otherText = "0", .kind = Kind::Questions,
     .said = "pH appears low. Are you sure it is correct?", .freeRequirement = "0.93"},
    {.name = "HighPh", .target = Mol, .field = F::Ph, .text = "5.01", .other = F::ExistingSO2,
     .otherText = "0", .kind = Kind::Questions,
     .said = "pH appears high. Are you sure it is correct?", .freeRequirement = "1298.25"},
    {.name = "PhOf14", .target = Mol, .field = F::Ph, .text = "14", .other = F::ExistingSO2,
     .otherText = "0", .kind = Kind::Questions,
     .said = "pH appears high. Are you sure it is correct?", .freeRequirement = "1267915000000.00"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Questions, SheetTable, ::testing::ValuesIn(kQuestionRows), CaseName);

// 30 mg/L in 23 litres is 0.69 g of SO2.
// clang-format off
const SheetCase kQuietRows[] = {
    {.name = "TabletOfOneGram", .method = Tablet, .field = F::TabletWeight, .text = "1",
     .kind = Kind::Results, .freeRequirement = "30.00", .amount = "1.19"},
    {.name = "SolutionOfFifty", .method = Solution, .field = F::SolutionStrength, .text = "50",
     .kind = Kind::Results, .freeRequirement = "30.00", .amount = "2.39"},
    {.name = "PhOfTwo", .target = Mol, .field = F::Ph, .text = "2", .other = F::ExistingSO2,
     .otherText = "0", .kind = Kind::Results, .freeRequirement = "2.07", .amount = "0.08"},
    {.name = "PhOfFive", .target = Mol, .field = F::Ph, .text = "5", .other = F::ExistingSO2,
     .otherText = "0", .kind = Kind::Results, .freeRequirement = "1268.72", .amount = "50.53"},
    {.name = "LowPhForAFreeTarget", .field = F::Ph, .text = "1.5", .kind = Kind::Results,
     .freeRequirement = "30.00", .amount = "1.19"},
    {.name = "NoPhForAFreeTarget", .field = F::Ph, .text = "", .kind = Kind::Results,
     .freeRequirement = "30.00", .amount = "1.19"},
    {.name = "TargetEqualToExisting", .field = F::TargetFree, .text = "10", .kind = Kind::Results,
     .freeRequirement = "0.00", .amount = "0.00"},
    {.name = "UnusedSolutionField", .field = F::SolutionStrength, .text = "", .kind = Kind::Results,
     .freeRequirement = "30.00", .amount = "1.19"},
    {.name = "UnusedTabletField", .method = Solution, .field = F::TabletWeight, .text = "x",
     .kind = Kind::Results, .freeRequirement = "30.00", .amount = "11.95"},
    {.name = "UnusedMolecularTarget", .field = F::TargetMolecular, .text = "",
     .kind = Kind::Results, .freeRequirement = "30.00", .amount = "1.19"},
    {.name = "BlanksAroundANumber", .field = F::BatchSize, .text = " 23 ", .kind = Kind::Results,
     .freeRequirement = "30.00", .amount = "1.19"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Quiet, SheetTable, ::testing::ValuesIn(kQuietRows), CaseName);

// Strict rules, for values that come from outside.
// clang-format off
const SheetCase kStrictRows[] = {
    // The molecular figures are always shown, so the pH always counts.
    {.name = "NoPh", .rules = kStrict, .field = F::Ph, .text = "", .kind = Kind::FailedCheck,
     .said = "Please enter pH."},
    {.name = "PhNotNumeric", .rules = kStrict, .field = F::Ph, .text = "3,62",
     .kind = Kind::FailedCheck, .said = "pH must be numeric."},
    {.name = "PhNul", .rules = kStrict, .field = F::Ph, .text = std::string("3.5\0", 4),
     .kind = Kind::FailedCheck, .said = "pH must be numeric."},
    {.name = "PhTooHigh", .rules = kStrict, .field = F::Ph, .text = "99", .kind = Kind::FailedCheck,
     .said = kPhRange},
    {.name = "PhBelowZero", .rules = kStrict, .field = F::Ph, .text = "-5",
     .kind = Kind::FailedCheck, .said = kPhRange},
    {.name = "LowPhAsked", .rules = kStrict, .field = F::Ph, .text = "1.5", .kind = Kind::Questions,
     .said = "pH appears low. Are you sure it is correct?"},
    {.name = "FreeSO2BelowZero", .rules = kStrict, .field = F::ExistingSO2, .text = "-50",
     .kind = Kind::FailedCheck, .said = "Existing SO2 cannot be less than 0."},
    // The window has always let a negative reading through; it still does.
    {.name = "FreeSO2BelowZeroInTheWindow", .field = F::ExistingSO2, .text = "-50",
     .kind = Kind::Results, .freeRequirement = "90.00"},
    {.name = "FreeTargetBelowZero", .rules = kStrict, .field = F::TargetFree, .text = "-1",
     .kind = Kind::FailedCheck, .said = "Target SO2 cannot be less than 0."},
    {.name = "MolecularTargetBelowZero", .rules = kStrict, .target = Mol,
     .field = F::TargetMolecular, .text = "-0.1", .kind = Kind::FailedCheck,
     .said = "Target SO2 cannot be less than 0."},
    // Extreme targets, given or worked out at pH 3.5 (divisor 51.12).
    {.name = "FreeTargetHigh", .rules = kStrict, .field = F::TargetFree, .text = "101",
     .kind = Kind::Questions, .said = "Free SO2 target appears high. Are you sure it is correct?"},
    // 40 mg/L free at pH 3.0 (divisor 16.85) is 2.37 molecular.
    {.name = "MolecularOfFreeTargetHigh", .rules = kStrict, .field = F::Ph, .text = "3.0",
     .kind = Kind::Questions, .at = F::TargetFree,
     .said = "Molecular SO2 target appears high. Are you sure it is correct?"},
    {.name = "MolecularTargetHigh", .rules = kStrict, .target = Mol, .field = F::TargetMolecular,
     .text = "2.01", .kind = Kind::Questions,
     .said = "Molecular SO2 target appears high. Are you sure it is correct?"},
    {.name = "FreeOfMolecularTargetHigh", .rules = kStrict, .target = Mol,
     .field = F::TargetMolecular, .text = "1.97", .kind = Kind::Questions,
     .said = "Free SO2 target appears high. Are you sure it is correct?"},
    {.name = "TargetsAtTheirBounds", .rules = kStrict, .field = F::TargetFree, .text = "100",
     .kind = Kind::Results, .freeRequirement = "90.00"},
    // At or above the target: nothing to add, and no error.
    {.name = "AtTarget", .rules = kStrict, .field = F::TargetFree, .text = "10",
     .kind = Kind::NoAddition, .freeRequirement = "0.00"},
    // 11 mg/L at pH 3.5 is 0.215 molecular.
    {.name = "AboveMolecularTarget", .rules = kStrict, .target = Mol, .field = F::TargetMolecular,
     .text = "0.2", .other = F::ExistingSO2, .otherText = "11", .kind = Kind::NoAddition,
     .freeRequirement = "-0.78"},
    // Figures no single can hold name the input that drove them there.
    {.name = "HugeBatch", .rules = kStrict, .unit = BatchUnit::UsGallon, .field = F::BatchSize,
     .text = "3e38", .answered = true, .kind = Kind::FailedCheck,
     .said = "Batch size is too large to calculate."},
    {.name = "HugeBatchForItsTarget", .rules = kStrict, .field = F::TargetFree, .text = "3e38",
     .other = F::BatchSize, .otherText = "3e38", .answered = true, .kind = Kind::FailedCheck,
     .at = F::BatchSize, .said = "Batch size is too large to calculate."},
    {.name = "HugeTarget", .rules = kStrict, .target = Mol, .field = F::TargetMolecular,
     .text = "3e38", .answered = true, .kind = Kind::FailedCheck,
     .said = "Target SO2 is too large to calculate."},
    {.name = "TinyStrength", .rules = kStrict, .method = Solution, .field = F::SolutionStrength,
     .text = "1e-40", .answered = true, .kind = Kind::FailedCheck,
     .said = "Solution percentage is too small to calculate."},
    {.name = "TinyTablet", .rules = kStrict, .method = Tablet, .field = F::TabletWeight,
     .text = "1e-44", .answered = true, .kind = Kind::FailedCheck,
     .said = "Tablet weight is too small to calculate."},
    // A point slipped by two places: amounts a hundred times too large.
    {.name = "WeakSolutionAsked", .rules = kStrict, .method = Solution,
     .field = F::SolutionStrength, .text = "0.1", .kind = Kind::Questions,
     .said = "Solution percentage appears low. Are you sure it is correct?"},
    {.name = "LightTabletAsked", .rules = kStrict, .method = Tablet, .field = F::TabletWeight,
     .text = "0.0044", .kind = Kind::Questions,
     .said = "Tablet weight appears low. Are you sure it is correct?"},
    {.name = "LightTabletInTheWindow", .method = Tablet, .field = F::TabletWeight, .text = "0.0044",
     .kind = Kind::Results, .freeRequirement = "30.00", .amount = "271.56"},
    {.name = "TinyTabletAboveTarget", .rules = kStrict, .method = Tablet, .field = F::TargetFree,
     .text = "10", .other = F::ExistingSO2, .otherText = "15", .kind = Kind::NoAddition,
     .freeRequirement = "-5.00"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Strict, SheetTable, ::testing::ValuesIn(kStrictRows), CaseName);

constexpr char kExistingLow[] = "Existing SO2 appears low. Are you sure it is correct?";
constexpr char kExistingHigh[] = "Existing SO2 appears high. Are you sure it is correct?";
constexpr char kFreeTargetLow[] = "Free SO2 target appears low. Are you sure it is correct?";
constexpr char kMolecularTargetLow[] =
    "Molecular SO2 target appears low. Are you sure it is correct?";
constexpr char kBatchLarge[] = "Batch size appears large. Are you sure it is correct?";
constexpr char kPkaLow[] = "pKa appears low. Are you sure it is correct?";
constexpr char kPkaHigh[] = "pKa appears high. Are you sure it is correct?";
constexpr char kPowderTooMuch[] =
    "The amount, %1 g, is more than any cellar could add: check the batch size and the target.";

// The slips people make typing figures in, which strict rules question, and
// the amounts no cellar could add, which they refuse even when every
// question was answered Yes. The window keeps its own checks.
// clang-format off
const SheetCase kSlipRows[] = {
    // Free SO2 typed in g/L: 0.025 for 25 mg/L.
    {.name = "FreeSO2InGramsAsked", .rules = kStrict, .field = F::ExistingSO2, .text = "0.025",
     .kind = Kind::Questions, .said = kExistingLow},
    {.name = "FreeSO2InGramsInTheWindow", .field = F::ExistingSO2, .text = "0.025",
     .kind = Kind::Results, .freeRequirement = "39.98"},
    // A wine with no SO2 at all is no slip, nor is 1 mg/L.
    {.name = "NoFreeSO2", .rules = kStrict, .field = F::ExistingSO2, .text = "0",
     .kind = Kind::Results, .freeRequirement = "40.00"},
    {.name = "FreeSO2AtItsLowBound", .rules = kStrict, .field = F::ExistingSO2, .text = "1",
     .kind = Kind::Results, .freeRequirement = "39.00"},
    // A slipped point: 250 for 25.0.
    {.name = "FreeSO2SlippedAsked", .rules = kStrict, .field = F::ExistingSO2, .text = "250",
     .kind = Kind::Questions, .said = kExistingHigh},
    {.name = "FreeSO2AtItsHighBound", .rules = kStrict, .field = F::ExistingSO2, .text = "100",
     .kind = Kind::NoAddition, .freeRequirement = "-60.00"},
    // Targets typed in g/L.
    {.name = "FreeTargetInGramsAsked", .rules = kStrict, .field = F::TargetFree, .text = "0.035",
     .kind = Kind::Questions, .said = kFreeTargetLow},
    {.name = "FreeTargetAtItsLowBound", .rules = kStrict, .field = F::TargetFree, .text = "10",
     .kind = Kind::NoAddition, .freeRequirement = "0.00"},
    {.name = "MolecularTargetInGramsAsked", .rules = kStrict, .target = Mol,
     .field = F::TargetMolecular, .text = "0.0008", .kind = Kind::Questions,
     .said = kMolecularTargetLow},
    {.name = "MolecularTargetAtItsLowBound", .rules = kStrict, .target = Mol,
     .field = F::TargetMolecular, .text = "0.2", .kind = Kind::Results, .freeRequirement = "0.22"},
    {.name = "LowTargetInTheWindow", .target = Mol, .field = F::TargetMolecular, .text = "0.0008",
     .kind = Kind::FailedCheck, .said = kExistingAboveTarget},
    // More than any tank holds, in any unit.
    {.name = "HugeBatchAsked", .rules = kStrict, .field = F::BatchSize, .text = "1000001",
     .kind = Kind::Questions, .said = kBatchLarge},
    {.name = "HugeBatchInGallonsAsked", .rules = kStrict, .unit = BatchUnit::UsGallon,
     .field = F::BatchSize, .text = "300000", .kind = Kind::Questions, .said = kBatchLarge},
    {.name = "BatchAtItsBound", .rules = kStrict, .field = F::BatchSize, .text = "1000000",
     .kind = Kind::Results, .freeRequirement = "30.00", .amount = "51950.75"},
    // 1.8 typed the wrong way round.
    {.name = "PkaHighAsked", .rules = kStrict, .target = Mol, .pka = 8.1,
     .field = F::TargetMolecular, .text = "0.8", .kind = Kind::Questions, .at = F::Ph,
     .said = kPkaHigh},
    {.name = "PkaLowAsked", .rules = kStrict, .pka = 1.49, .field = F::Ph, .text = "3.5",
     .kind = Kind::Questions, .said = kPkaLow},
    {.name = "PkaAtItsBounds", .rules = kStrict, .pka = 1.5, .field = F::Ph, .text = "3.5",
     .kind = Kind::Results, .freeRequirement = "30.00"},
    // 20 mg/L at pKa 2.5 is 1.82 molecular, under the bound of its own.
    {.name = "PkaAtItsHighBound", .rules = kStrict, .pka = 2.5, .field = F::TargetFree,
     .text = "20", .kind = Kind::Results, .freeRequirement = "10.00"},
    // A figure a single cannot hold is too large, not "no number".
    {.name = "BatchBeyondASingle", .rules = kStrict, .field = F::BatchSize, .text = "3.5e38",
     .kind = Kind::FailedCheck, .said = "Batch size is too large to calculate."},
    {.name = "BatchBeyondASingleInTheWindow", .field = F::BatchSize, .text = "3.5e38",
     .kind = Kind::FailedCheck, .said = "Batch size must be numeric."},
    {.name = "BatchBeyondASingleBelowZero", .rules = kStrict, .field = F::BatchSize,
     .text = "-3.5e38", .kind = Kind::FailedCheck, .said = "Batch size must be numeric."},
    {.name = "TargetBeyondASingle", .rules = kStrict, .target = Mol, .field = F::TargetMolecular,
     .text = " +1e39 ", .kind = Kind::FailedCheck, .said = "Target SO2 is too large to calculate."},
    {.name = "NoNumberIsNoNumber", .rules = kStrict, .field = F::BatchSize, .text = "1e39x",
     .kind = Kind::FailedCheck, .said = "Batch size must be numeric."},
    // Amounts no cellar could add, even answered Yes: 2e10 litres raised
    // by 30 mg/L take 2e10 x 30 / 1000 / 0.57747 g.
    {.name = "AmountBeyondAnyCellar", .rules = kStrict, .field = F::BatchSize, .text = "2e10",
     .answered = true, .kind = Kind::FailedCheck, .at = F::BatchSize, .said = kPowderTooMuch,
     .value = 2e10 * 30 / 1000 / 0.57747},
    {.name = "AmountJustWithinReach", .rules = kStrict, .field = F::BatchSize, .text = "1.9e10",
     .answered = true, .kind = Kind::Results, .freeRequirement = "30.00", .amount = "987064300.00"},
    {.name = "SolutionBeyondAnyCellar", .rules = kStrict, .method = Solution,
     .field = F::SolutionStrength, .text = "1e-30", .answered = true, .kind = Kind::FailedCheck,
     .at = F::BatchSize,
     .said = "The amount, %1 ml, is more than any cellar could add: check the batch size, the "
             "target and the solution percentage.",
     .value = 23.0 * 30 / 1000 / 0.57747 / 1e-30 * 100},
    {.name = "TabletsBeyondAnyCellar", .rules = kStrict, .method = Tablet, .field = F::TabletWeight,
     .text = "1e-9", .answered = true, .kind = Kind::FailedCheck, .at = F::BatchSize,
     .said = "The amount, %1 tablets, is more than any cellar could add: check the batch size, "
             "the target and the tablet weight.", .value = 23 * 30 / 1000.0 / 0.57747 / 1e-9},
    // An amount that would show as 0.00 though the wine needs SO2 reads
    // as "add nothing": 0.005 litres raised by 30 mg/L take 0.00026 g.
    {.name = "AmountTooLittleToShow", .rules = kStrict, .field = F::BatchSize, .text = "0.005",
     .answered = true, .kind = Kind::FailedCheck, .at = F::BatchSize,
     .said = "The amount is less than 0.01 g, too little to weigh: check the batch size, or use a "
             "stock solution."},
    {.name = "AmountJustShown", .rules = kStrict, .field = F::BatchSize, .text = "0.1",
     .kind = Kind::Results, .freeRequirement = "30.00", .amount = "0.01"},
    {.name = "TinyAmountInTheWindow", .field = F::BatchSize, .text = "0.005", .kind = Kind::Results,
     .amount = "0.00"},
    {.name = "HugeAmountInTheWindow", .field = F::BatchSize, .text = "2e10", .kind = Kind::Results,
     .amount = "1039015000.00"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Slips, SheetTable, ::testing::ValuesIn(kSlipRows), CaseName);

TEST(SheetTest, AMolecularTargetIsComparedWithTheFigureShownNotTheExactOne) {
    // 10.47 mg/L at pH 3.5 is 0.2048 molecular, shown as 0.20.
    Sheet sheet = Prepared(Powder, Mol);
    sheet.texts[F::ExistingSO2] = "10.47";
    sheet.texts[F::TargetMolecular] = "0.20";
    EXPECT_EQ(sheet.Refreshed().shown, "0.20");
    EXPECT_EQ(Evaluated(sheet).kind, Kind::Results);
    sheet.shown = "0.21";
    EXPECT_EQ(Evaluated(sheet).failed, (FailedCheck{F::TargetMolecular, kExistingAboveTarget}));
}

TEST(SheetTest, QuestionsComeInTheirOrder) {
    Sheet sheet = Prepared(Solution, Mol);
    sheet.texts[F::SolutionStrength] = "60";
    sheet.texts[F::Ph] = "1.5";
    sheet.texts[F::ExistingSO2] = "0";
    const SheetVerdict verdict = Evaluated(sheet.Refreshed());
    ASSERT_EQ(verdict.questionCount, 2U);
    EXPECT_EQ(verdict.questions[0],
              (Question{F::SolutionStrength,
                        "Solution percentage appears high. Are you sure it is correct?"}));
    EXPECT_EQ(verdict.questions[1],
              (Question{F::Ph, "pH appears low. Are you sure it is correct?"}));
}

// --- Results -----------------------------------------------------------------------

struct ExampleCase {
    const char* name;
    const char* ph;
    const char* existing;
    const char* batch;
    BatchUnit unit = BatchUnit::Litre;
    SulphiteForm form = SulphiteForm::Potassium;
    AdditionMethod method;
    TargetKind target;
    const char* targetText;
    // Every write in the order the window writes them.
    std::vector<std::pair<O, std::string>> writes;
};

Sheet Example(const ExampleCase& c) {
    Sheet sheet = Prepared(c.method, c.target);
    sheet.texts[F::Ph] = c.ph;
    sheet.texts[F::ExistingSO2] = c.existing;
    sheet.texts[F::BatchSize] = c.batch;
    sheet.texts[F::TargetFree] = c.target == Free ? c.targetText : "0.00";
    sheet.texts[F::TargetMolecular] = c.target == Mol ? c.targetText : "0.00";
    sheet.choices.unit = c.unit;
    sheet.choices.form = c.form;
    return sheet.Refreshed();
}

class SheetExampleTest : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(SheetExampleTest, WritesEveryResultInTheWindowsOrder) {
    const ExampleCase& c = GetParam();
    const SheetVerdict verdict = Evaluated(Example(c));
    ASSERT_EQ(verdict.kind, Kind::Results);
    std::vector<std::pair<O, std::string>> writes;
    for (std::size_t i = 0; i < verdict.results.Size(); ++i) {
        writes.emplace_back(verdict.results.Output(i), verdict.results.Text(i));
    }
    EXPECT_EQ(writes, c.writes);
}

// One example a row, laid out by hand so that a row reads as one: its
// inputs, then every write in the order the window makes them.
// clang-format off
const ExampleCase kWorkedExamples[] = {
    {.name = "A", .ph = "3.5", .existing = "0", .batch = "23", .method = Tablet, .target = Mol,
     .targetText = "0.8",
     .writes = {{O::ExistingMolecular, "0.00"}, {O::TargetFree, "40.89"}, {O::Teaspoons, ""},
                {O::Amount, "3.70"}, {O::FreeRequirement, "40.89"},
                {O::MolecularRequirement, "0.80"}}},
    {.name = "B", .ph = "3.5", .existing = "10", .batch = "23", .method = Powder, .target = Free,
     .targetText = "40",
     .writes = {{O::ExistingMolecular, "0.20"}, {O::TargetMolecular, "0.78"},
                {O::Teaspoons, "0.19"}, {O::Amount, "1.19"}, {O::FreeRequirement, "30.00"},
                {O::MolecularRequirement, "0.59"}}},
    {.name = "C", .ph = "3.2", .existing = "12", .batch = "5", .unit = BatchUnit::UsGallon,
     .form = SulphiteForm::Sodium, .method = Solution, .target = Free, .targetText = "35",
     .writes = {{O::ExistingMolecular, "0.46"}, {O::TargetMolecular, "1.34"},
                {O::Teaspoons, "1.31"}, {O::Amount, "6.45"}, {O::FreeRequirement, "23.00"},
                {O::MolecularRequirement, "0.88"}}},
    {.name = "D", .ph = "3.4", .existing = "15", .batch = "5", .unit = BatchUnit::ImperialGallon,
     .method = Solution, .target = Mol, .targetText = "0.5",
     .writes = {{O::ExistingMolecular, "0.37"}, {O::TargetFree, "20.41"}, {O::Teaspoons, "0.43"},
                {O::Amount, "2.13"}, {O::FreeRequirement, "5.41"},
                {O::MolecularRequirement, "0.13"}}},
    // Target below the measured level: the requirements show it, the amounts
    // end as "0.00", written last.
    {.name = "NegativeAmount", .ph = "3.5", .existing = "10.47", .batch = "100", .method = Powder,
     .target = Mol, .targetText = "0.20",
     .writes = {{O::ExistingMolecular, "0.20"}, {O::TargetFree, "10.22"}, {O::Teaspoons, "-0.01"},
                {O::Amount, "-0.04"}, {O::FreeRequirement, "-0.25"},
                {O::MolecularRequirement, "0.00"}, {O::Amount, "0.00"}, {O::Teaspoons, "0.00"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(WorkedExamples, SheetExampleTest, ::testing::ValuesIn(kWorkedExamples),
                         CaseName);

TEST(SheetTest, NothingIsWrittenWhileTheFreeTargetOrTheBatchSizeIsEmpty) {
    Sheet sheet = Prepared(Powder, Mol);
    sheet.texts[F::TargetFree] = "";
    const SheetVerdict verdict = Evaluated(sheet.Refreshed());
    EXPECT_EQ(verdict.kind, Kind::Results);
    EXPECT_EQ(verdict.results.Size(), 0U);
    sheet = Prepared(Powder, Free);
    sheet.texts[F::BatchSize] = "";
    EXPECT_TRUE(Recalculated(sheet).empty());
}

// Without a sulphite form no amount is worked out as the window
// recalculates, and Calculate asks for the form before anything else.
TEST(SheetTest, NoSulphiteFormGivesNoAmount) {
    Sheet sheet = Prepared(Solution, Free);
    sheet.choices.form.reset();
    auto shown = Recalculated(sheet);
    EXPECT_EQ(shown[O::FreeRequirement], "30.00");
    EXPECT_EQ(shown[O::Amount], "0.00");
    EXPECT_EQ(shown[O::Teaspoons], "0.00");
    sheet.texts[F::SolutionStrength] = "";
    EXPECT_EQ(Evaluated(sheet).failed,
              (FailedCheck{std::nullopt, "Please select a sulphite form."}));
}

TEST(SheetTest, WithNothingChosenNoTargetIsWrittenAndNoAmountComputed) {
    Sheet sheet;  // the designed window: Powder, no list entry chosen
    sheet.texts = {{F::Ph, "3.5"},
                   {F::ExistingSO2, "0.00"},
                   {F::TargetFree, "0.00"},
                   {F::TargetMolecular, "0.00"},
                   {F::BatchSize, "23"}};
    auto shown = Recalculated(sheet);
    EXPECT_FALSE(shown.contains(O::TargetFree));
    EXPECT_FALSE(shown.contains(O::TargetMolecular));
    EXPECT_EQ(shown[O::Amount], "0.00");
    EXPECT_EQ(shown[O::Teaspoons], "0.00");
}

// Its seven significant digits, then zeros to the point, as the window
// shows a target worked out; not the figure the single holds.
TEST(SheetTest, AComputedTargetIsWrittenWholeHoweverLong) {
    Sheet sheet = Prepared(Powder, Mol);
    sheet.texts[F::Ph] = "14";
    sheet.texts[F::TargetMolecular] = "1";
    // 1 mg/L molecular at pH 14 needs about 1.58e12 mg/L free.
    EXPECT_EQ(Recalculated(sheet)[O::TargetFree], "1584893000000.00");
}

// Refreshed for a molecular target, or written with a free one's results.
// At pH 0 nearly all free SO2 is molecular.
TEST(SheetTest, TheExistingMolecularFigureReadsUnreadableEntriesAsZero) {
    const std::pair<std::map<F, std::string>, const char*> rows[] = {
        {{}, "0.20"},
        {{{F::Ph, ""}}, "9.84"},
        {{{F::Ph, "abc"}}, "9.84"},
        {{{F::Ph, "abc"}, {F::ExistingSO2, "x"}}, "0.00"},
        {{{F::Ph, "1e30"}}, "0.00"},  // the power overflows: nothing is molecular
    };
    for (const auto& [texts, shown] : rows) {
        Sheet molecular = Prepared(Powder, Mol);
        Sheet free = Prepared(Powder, Free);
        for (const auto& [field, text] : texts) {
            molecular.texts[field] = text;
            free.texts[field] = text;
        }
        EXPECT_EQ(molecular.Refreshed().shown, shown);
        EXPECT_EQ(Recalculated(free)[O::ExistingMolecular], shown);
    }
}

TEST(SheetTest, AnotherPkaMovesTheMolecularFigures) {
    // At the usual pKa the worked example B shows 0.20 and 0.78.
    Sheet sheet = Prepared(Powder, Free);
    sheet.choices.pka = 2.0;  // 10^1.5 + 1 = 32.62
    auto shown = Recalculated(sheet);
    EXPECT_EQ(shown[O::ExistingMolecular], "0.31");
    EXPECT_EQ(shown[O::TargetMolecular], "1.23");
    // The free requirement and the amount do not depend on it.
    EXPECT_EQ(shown[O::FreeRequirement], "30.00");
    EXPECT_EQ(shown[O::Amount], "1.19");
}

// A batch keeps one verdict for a million rows: nothing of one answer may
// show in the next.
TEST(SheetTest, AVerdictKeptFromSheetToSheetAnswersAsAFreshOne) {
    const auto described = [](const SheetVerdict& verdict) {
        std::string text = std::to_string(static_cast<int>(verdict.kind));
        if (verdict.kind == Kind::FailedCheck) {
            return text + verdict.failed.message;
        }
        for (std::size_t i = 0; i < verdict.questionCount && verdict.kind == Kind::Questions; ++i) {
            text += verdict.questions[i].text;
        }
        for (const auto& [output, shown] : Shown(verdict.results)) {
            text += std::to_string(static_cast<int>(output)) + shown;
        }
        return text;
    };
    Sheet twoQuestions = Prepared(Tablet, Mol);
    twoQuestions.texts[F::TabletWeight] = "2";
    twoQuestions.texts[F::Ph] = "1.5";
    Sheet failing = Prepared(Powder, Free);
    failing.texts[F::ExistingSO2] = "50";
    Sheet nothing = Prepared(Solution, Free);
    nothing.texts[F::BatchSize] = "";
    const Sheet sheets[] = {Prepared(Powder, Free),
                            twoQuestions.Refreshed(),
                            failing,
                            Prepared(Tablet, Mol).Refreshed(),
                            nothing,
                            Prepared(Solution, Free)};
    SheetVerdict kept;
    for (const Sheet& sheet : sheets) {
        EvaluateSheet(sheet.View(), kept);
        EXPECT_EQ(described(kept), described(Evaluated(sheet)));
    }
}

TEST(SheetTest, TheLargestFiguresAreWrittenWhole) {
    Sheet sheet = Prepared(Powder, Free);
    sheet.texts[F::ExistingSO2] = "-3.4028235e38";  // the largest single, below zero
    sheet.texts[F::TargetFree] = "0";
    const auto shown = Recalculated(sheet);
    // Seven significant digits, then zeros to the point.
    EXPECT_EQ(shown.at(O::FreeRequirement), "340282300000000000000000000000000000000.00");
    // At pH 3.5 the divisor is 51.12; 23 litres of potassium metabisulphite
    // take 3.4e38 mg/L x 23 L / 1000 / 0.57747 g.
    const struct {
        O output;
        double value;
    } rows[] = {{O::ExistingMolecular, -3.4028235e38 / 51.1187},
                {O::Amount, 3.4028235e38 * 23 / 1000 / 0.57747}};
    for (const auto& row : rows) {
        const std::string& text = shown.at(row.output);
        EXPECT_GT(text.size(), 40U) << text;
        EXPECT_NEAR(TextToDouble(text).value_or(0.0) / row.value, 1.0, 1e-5) << text;
    }
}

// --- The Default Settings dialog's checks -------------------------------------

struct SettingsCase {
    AdditionMethod method = AdditionMethod::Powder;
    const char* solution = "";
    const char* tablet = "";
    const char* batch = "";
    std::optional<FailedCheck> expected = std::nullopt;
};

class SettingsCheckTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsCheckTest, ChecksOnlyTheFieldsOfTheChosenMethodAndTheBatchSize) {
    const SettingsCase& c = GetParam();
    SheetView entries;  // fields the dialog does not have stay empty
    entries.method = c.method;
    entries.solutionStrength = c.solution;
    entries.tabletWeight = c.tablet;
    entries.batchSize = c.batch;
    EXPECT_EQ(FirstFailedSettingsCheck(entries), c.expected);
}

// clang-format off
const SettingsCase kSettingsRows[] = {
    {.expected = FailedCheck{F::BatchSize, "Please enter batch size."}},
    {.solution = "x", .tablet = "y", .batch = "5"},
    {.method = Tablet, .tablet = "0", .batch = "5",
     .expected = FailedCheck{F::TabletWeight, "Tablet weight must be greater than 0."}},
    {.method = Tablet, .tablet = "0.01", .batch = "5"},
    {.method = Tablet, .solution = "10", .tablet = "abc", .batch = "5",
     .expected = FailedCheck{F::TabletWeight, "Tablet weight must be numeric."}},
    {.method = Tablet, .solution = "10", .tablet = "-1", .batch = "5",
     .expected = FailedCheck{F::TabletWeight, "Tablet weight cannot be less than 0."}},
    {.method = Solution, .tablet = "0.44", .batch = "5",
     .expected = FailedCheck{F::SolutionStrength, "Please enter solution percentage."}},
    {.method = Solution, .solution = "0", .tablet = "x", .batch = "5",
     .expected = FailedCheck{F::SolutionStrength, "Solution percentage must be greater than 0."}},
    {.method = Solution, .solution = "100", .tablet = "x", .batch = "5"},
    {.method = Solution, .solution = "101", .tablet = "x", .batch = "5",
     .expected = FailedCheck{F::SolutionStrength, "Solution % must be between 0 and 100."}},
    {.method = Solution, .solution = "50", .batch = "0",
     .expected = FailedCheck{F::BatchSize, "Batch size must be greater than 0."}},
    {.batch = "1e999", .expected = FailedCheck{F::BatchSize, "Batch size must be numeric."}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Settings, SettingsCheckTest, ::testing::ValuesIn(kSettingsRows));

}  // namespace
}  // namespace korvane
