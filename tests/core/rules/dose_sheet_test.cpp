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

// What each output shows once every write is done.
std::map<O, std::string> Shown(const SheetResults& results) {
    std::map<O, std::string> shown;
    for (std::size_t i = 0; i < results.Size(); ++i) {
        shown[results.Output(i)] = std::string(results.Text(i));
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
    AdditionMethod method;
    TargetKind target;
    F field;
    std::string text;
    Kind kind;
    const char* said = "";             // the message or the first question
    const char* freeRequirement = "";  // once calculated (after Yes, for a question)
    const char* amount = "";
    SheetRules rules = SheetRules::Window;
    std::optional<F> other = std::nullopt;  // another field, and its text
    const char* otherText = "";
    std::optional<F> at = std::nullopt;  // the field asked about, when not `field`
    bool answered = false;
    BatchUnit unit = BatchUnit::Litre;
    double pka = SO2Pka;
    double value = 0;  // what a failed check's %1 stands for; 0: it has none
};

void PrintTo(const SheetCase& c, std::ostream* out) {
    *out << c.name;
}

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

INSTANTIATE_TEST_SUITE_P(
    Checks, SheetTable,
    ::testing::Values(
        SheetCase{"NoStrength", Solution, Free, F::SolutionStrength, "", Kind::FailedCheck,
                  "Please enter solution percentage."},
        SheetCase{"StrengthNotNumeric", Solution, Free, F::SolutionStrength, "abc",
                  Kind::FailedCheck, "Solution percentage must be numeric."},
        SheetCase{"StrengthBelowZero", Solution, Free, F::SolutionStrength, "-1", Kind::FailedCheck,
                  "Solution % must be between 0 and 100."},
        SheetCase{"StrengthAbove100", Solution, Free, F::SolutionStrength, "100.5",
                  Kind::FailedCheck, "Solution % must be between 0 and 100."},
        // A weight or strength of nothing would make the amount infinite.
        SheetCase{"StrengthOfNothing", Solution, Free, F::SolutionStrength, "0", Kind::FailedCheck,
                  "Solution percentage must be greater than 0."},
        SheetCase{"NoTablet", Tablet, Free, F::TabletWeight, "", Kind::FailedCheck,
                  "Please enter tablet weight."},
        SheetCase{"TabletNotNumeric", Tablet, Free, F::TabletWeight, "1.2.3", Kind::FailedCheck,
                  "Tablet weight must be numeric."},
        SheetCase{"TabletBelowZero", Tablet, Free, F::TabletWeight, "-0.01", Kind::FailedCheck,
                  "Tablet weight cannot be less than 0."},
        SheetCase{"TabletOfNothing", Tablet, Free, F::TabletWeight, "0", Kind::FailedCheck,
                  "Tablet weight must be greater than 0."},
        SheetCase{"NoBatch", Powder, Free, F::BatchSize, "", Kind::FailedCheck,
                  "Please enter batch size."},
        SheetCase{"BatchNotNumeric", Powder, Free, F::BatchSize, "2 3", Kind::FailedCheck,
                  "Batch size must be numeric."},
        SheetCase{"BatchOfNothing", Powder, Free, F::BatchSize, "0", Kind::FailedCheck,
                  "Batch size must be greater than 0."},
        SheetCase{"BatchBelowZero", Powder, Free, F::BatchSize, "-5", Kind::FailedCheck,
                  "Batch size must be greater than 0."},
        SheetCase{"BatchBeyondASingle", Powder, Free, F::BatchSize, "1e39", Kind::FailedCheck,
                  "Batch size must be numeric."},
        SheetCase{"NoPh", Powder, Mol, F::Ph, "", Kind::FailedCheck, "Please enter pH."},
        SheetCase{"PhNotNumeric", Powder, Mol, F::Ph, ".", Kind::FailedCheck,
                  "pH must be numeric."},
        SheetCase{"PhBelowOne", Powder, Mol, F::Ph, "0.99", Kind::FailedCheck, kPhRange},
        SheetCase{"PhAbove14", Powder, Mol, F::Ph, "14.01", Kind::FailedCheck, kPhRange},
        SheetCase{"NoExisting", Powder, Free, F::ExistingSO2, "", Kind::FailedCheck,
                  "Please enter existing SO2."},
        SheetCase{"ExistingWithAComma", Powder, Free, F::ExistingSO2, "1,5", Kind::FailedCheck,
                  "Existing SO2 must be numeric."},
        SheetCase{"ExistingBlank", Powder, Free, F::ExistingSO2, " ", Kind::FailedCheck,
                  "Existing SO2 must be numeric."},
        SheetCase{"NoFreeTarget", Powder, Free, F::TargetFree, "", Kind::FailedCheck,
                  "Please enter target SO2."},
        SheetCase{"FreeTargetNotNumeric", Powder, Free, F::TargetFree, "forty", Kind::FailedCheck,
                  "Target SO2 must be numeric."},
        SheetCase{"NoMolecularTarget", Powder, Mol, F::TargetMolecular, "", Kind::FailedCheck,
                  "Please enter target SO2."},
        SheetCase{"MolecularTargetNotNumeric", Powder, Mol, F::TargetMolecular, "abc",
                  Kind::FailedCheck, "Target SO2 must be numeric."},
        SheetCase{"FreeTargetBelowExisting", Powder, Free, F::TargetFree, "9.99", Kind::FailedCheck,
                  kExistingAboveTarget},
        // 10 mg/L at pH 3.5 shows 0.20 molecular.
        SheetCase{"MolecularTargetBelowExisting", Powder, Mol, F::TargetMolecular, "0.19",
                  Kind::FailedCheck, kExistingAboveTarget}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Questions, SheetTable,
    ::testing::Values(
        SheetCase{"HeavyTablet", Tablet, Free, F::TabletWeight, "1.01", Kind::Questions,
                  "Tablet weight appears high. Are you sure it is correct?", "30.00"},
        SheetCase{"StrongSolution", Solution, Free, F::SolutionStrength, "60", Kind::Questions,
                  "Solution percentage appears high. Are you sure it is correct?", "30.00"},
        SheetCase{"SolutionOf100", Solution, Free, F::SolutionStrength, "100", Kind::Questions,
                  "Solution percentage appears high. Are you sure it is correct?", "30.00"},
        // Without existing SO2 a molecular target stays above it at any pH.
        SheetCase{"LowPh", Powder, Mol, F::Ph, "1.5", Kind::Questions,
                  "pH appears low. Are you sure it is correct?", "1.20", "", SheetRules::Window,
                  F::ExistingSO2, "0"},
        SheetCase{"PhOfOne", Powder, Mol, F::Ph, "1", Kind::Questions,
                  "pH appears low. Are you sure it is correct?", "0.93", "", SheetRules::Window,
                  F::ExistingSO2, "0"},
        SheetCase{"HighPh", Powder, Mol, F::Ph, "5.01", Kind::Questions,
                  "pH appears high. Are you sure it is correct?", "1298.25", "", SheetRules::Window,
                  F::ExistingSO2, "0"},
        SheetCase{"PhOf14", Powder, Mol, F::Ph, "14", Kind::Questions,
                  "pH appears high. Are you sure it is correct?", "1267915000000.00", "",
                  SheetRules::Window, F::ExistingSO2, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

// 30 mg/L in 23 litres is 0.69 g of SO2.
INSTANTIATE_TEST_SUITE_P(
    Quiet, SheetTable,
    ::testing::Values(SheetCase{"TabletOfOneGram", Tablet, Free, F::TabletWeight, "1",
                                Kind::Results, "", "30.00", "1.19"},
                      SheetCase{"SolutionOfFifty", Solution, Free, F::SolutionStrength, "50",
                                Kind::Results, "", "30.00", "2.39"},
                      SheetCase{"PhOfTwo", Powder, Mol, F::Ph, "2", Kind::Results, "", "2.07",
                                "0.08", SheetRules::Window, F::ExistingSO2, "0"},
                      SheetCase{"PhOfFive", Powder, Mol, F::Ph, "5", Kind::Results, "", "1268.72",
                                "50.53", SheetRules::Window, F::ExistingSO2, "0"},
                      SheetCase{"LowPhForAFreeTarget", Powder, Free, F::Ph, "1.5", Kind::Results,
                                "", "30.00", "1.19"},
                      SheetCase{"NoPhForAFreeTarget", Powder, Free, F::Ph, "", Kind::Results, "",
                                "30.00", "1.19"},
                      SheetCase{"TargetEqualToExisting", Powder, Free, F::TargetFree, "10",
                                Kind::Results, "", "0.00", "0.00"},
                      SheetCase{"UnusedSolutionField", Powder, Free, F::SolutionStrength, "",
                                Kind::Results, "", "30.00", "1.19"},
                      SheetCase{"UnusedTabletField", Solution, Free, F::TabletWeight, "x",
                                Kind::Results, "", "30.00", "11.95"},
                      SheetCase{"UnusedMolecularTarget", Powder, Free, F::TargetMolecular, "",
                                Kind::Results, "", "30.00", "1.19"},
                      SheetCase{"BlanksAroundANumber", Powder, Free, F::BatchSize, " 23 ",
                                Kind::Results, "", "30.00", "1.19"}),
    [](const auto& info) { return std::string(info.param.name); });

// Strict rules, for values that come from outside.
INSTANTIATE_TEST_SUITE_P(
    Strict, SheetTable,
    ::testing::Values(
        // The molecular figures are always shown, so the pH always counts.
        SheetCase{"NoPh", Powder, Free, F::Ph, "", Kind::FailedCheck, "Please enter pH.", "", "",
                  kStrict},
        SheetCase{"PhNotNumeric", Powder, Free, F::Ph, "3,62", Kind::FailedCheck,
                  "pH must be numeric.", "", "", kStrict},
        SheetCase{"PhNul", Powder, Free, F::Ph, std::string("3.5\0", 4), Kind::FailedCheck,
                  "pH must be numeric.", "", "", kStrict},
        SheetCase{"PhTooHigh", Powder, Free, F::Ph, "99", Kind::FailedCheck, kPhRange, "", "",
                  kStrict},
        SheetCase{"PhBelowZero", Powder, Free, F::Ph, "-5", Kind::FailedCheck, kPhRange, "", "",
                  kStrict},
        SheetCase{"LowPhAsked", Powder, Free, F::Ph, "1.5", Kind::Questions,
                  "pH appears low. Are you sure it is correct?", "", "", kStrict},
        SheetCase{"FreeSO2BelowZero", Powder, Free, F::ExistingSO2, "-50", Kind::FailedCheck,
                  "Existing SO2 cannot be less than 0.", "", "", kStrict},
        // The window has always let a negative reading through; it still does.
        SheetCase{"FreeSO2BelowZeroInTheWindow", Powder, Free, F::ExistingSO2, "-50", Kind::Results,
                  "", "90.00"},
        SheetCase{"FreeTargetBelowZero", Powder, Free, F::TargetFree, "-1", Kind::FailedCheck,
                  "Target SO2 cannot be less than 0.", "", "", kStrict},
        SheetCase{"MolecularTargetBelowZero", Powder, Mol, F::TargetMolecular, "-0.1",
                  Kind::FailedCheck, "Target SO2 cannot be less than 0.", "", "", kStrict},
        // Extreme targets, given or worked out at pH 3.5 (divisor 51.12).
        SheetCase{"FreeTargetHigh", Powder, Free, F::TargetFree, "101", Kind::Questions,
                  "Free SO2 target appears high. Are you sure it is correct?", "", "", kStrict},
        // 40 mg/L free at pH 3.0 (divisor 16.85) is 2.37 molecular.
        SheetCase{"MolecularOfFreeTargetHigh", Powder, Free, F::Ph, "3.0", Kind::Questions,
                  "Molecular SO2 target appears high. Are you sure it is correct?", "", "", kStrict,
                  std::nullopt, "", F::TargetFree},
        SheetCase{"MolecularTargetHigh", Powder, Mol, F::TargetMolecular, "2.01", Kind::Questions,
                  "Molecular SO2 target appears high. Are you sure it is correct?", "", "",
                  kStrict},
        SheetCase{"FreeOfMolecularTargetHigh", Powder, Mol, F::TargetMolecular, "1.97",
                  Kind::Questions, "Free SO2 target appears high. Are you sure it is correct?", "",
                  "", kStrict},
        SheetCase{"TargetsAtTheirBounds", Powder, Free, F::TargetFree, "100", Kind::Results, "",
                  "90.00", "", kStrict},
        // At or above the target: nothing to add, and no error.
        SheetCase{"AtTarget", Powder, Free, F::TargetFree, "10", Kind::NoAddition, "", "0.00", "",
                  kStrict},
        // 11 mg/L at pH 3.5 is 0.215 molecular.
        SheetCase{"AboveMolecularTarget", Powder, Mol, F::TargetMolecular, "0.2", Kind::NoAddition,
                  "", "-0.78", "", kStrict, F::ExistingSO2, "11"},
        // Figures no single can hold name the input that drove them there.
        SheetCase{"HugeBatch", Powder, Free, F::BatchSize, "3e38", Kind::FailedCheck,
                  "Batch size is too large to calculate.", "", "", kStrict, std::nullopt, "",
                  std::nullopt, true, BatchUnit::UsGallon},
        SheetCase{"HugeBatchForItsTarget", Powder, Free, F::TargetFree, "3e38", Kind::FailedCheck,
                  "Batch size is too large to calculate.", "", "", kStrict, F::BatchSize, "3e38",
                  F::BatchSize, true},
        SheetCase{"HugeTarget", Powder, Mol, F::TargetMolecular, "3e38", Kind::FailedCheck,
                  "Target SO2 is too large to calculate.", "", "", kStrict, std::nullopt, "",
                  std::nullopt, true},
        SheetCase{"TinyStrength", Solution, Free, F::SolutionStrength, "1e-40", Kind::FailedCheck,
                  "Solution percentage is too small to calculate.", "", "", kStrict, std::nullopt,
                  "", std::nullopt, true},
        SheetCase{"TinyTablet", Tablet, Free, F::TabletWeight, "1e-44", Kind::FailedCheck,
                  "Tablet weight is too small to calculate.", "", "", kStrict, std::nullopt, "",
                  std::nullopt, true},
        // A point slipped by two places: amounts a hundred times too large.
        SheetCase{"WeakSolutionAsked", Solution, Free, F::SolutionStrength, "0.1", Kind::Questions,
                  "Solution percentage appears low. Are you sure it is correct?", "", "", kStrict},
        SheetCase{"LightTabletAsked", Tablet, Free, F::TabletWeight, "0.0044", Kind::Questions,
                  "Tablet weight appears low. Are you sure it is correct?", "", "", kStrict},
        SheetCase{"LightTabletInTheWindow", Tablet, Free, F::TabletWeight, "0.0044", Kind::Results,
                  "", "30.00", "271.56"},
        SheetCase{"TinyTabletAboveTarget", Tablet, Free, F::TargetFree, "10", Kind::NoAddition, "",
                  "-5.00", "", kStrict, F::ExistingSO2, "15"}),
    [](const auto& info) { return std::string(info.param.name); });

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
INSTANTIATE_TEST_SUITE_P(
    Slips, SheetTable,
    ::testing::Values(
        // Free SO2 typed in g/L: 0.025 for 25 mg/L.
        SheetCase{.name = "FreeSO2InGramsAsked",
                  .method = Powder,
                  .target = Free,
                  .field = F::ExistingSO2,
                  .text = "0.025",
                  .kind = Kind::Questions,
                  .said = kExistingLow,
                  .rules = kStrict},
        SheetCase{.name = "FreeSO2InGramsInTheWindow",
                  .method = Powder,
                  .target = Free,
                  .field = F::ExistingSO2,
                  .text = "0.025",
                  .kind = Kind::Results,
                  .freeRequirement = "39.98"},
        // A wine with no SO2 at all is no slip, nor is 1 mg/L.
        SheetCase{.name = "NoFreeSO2",
                  .method = Powder,
                  .target = Free,
                  .field = F::ExistingSO2,
                  .text = "0",
                  .kind = Kind::Results,
                  .freeRequirement = "40.00",
                  .rules = kStrict},
        SheetCase{.name = "FreeSO2AtItsLowBound",
                  .method = Powder,
                  .target = Free,
                  .field = F::ExistingSO2,
                  .text = "1",
                  .kind = Kind::Results,
                  .freeRequirement = "39.00",
                  .rules = kStrict},
        // A slipped point: 250 for 25.0.
        SheetCase{.name = "FreeSO2SlippedAsked",
                  .method = Powder,
                  .target = Free,
                  .field = F::ExistingSO2,
                  .text = "250",
                  .kind = Kind::Questions,
                  .said = kExistingHigh,
                  .rules = kStrict},
        SheetCase{.name = "FreeSO2AtItsHighBound",
                  .method = Powder,
                  .target = Free,
                  .field = F::ExistingSO2,
                  .text = "100",
                  .kind = Kind::NoAddition,
                  .freeRequirement = "-60.00",
                  .rules = kStrict},
        // Targets typed in g/L.
        SheetCase{.name = "FreeTargetInGramsAsked",
                  .method = Powder,
                  .target = Free,
                  .field = F::TargetFree,
                  .text = "0.035",
                  .kind = Kind::Questions,
                  .said = kFreeTargetLow,
                  .rules = kStrict},
        SheetCase{.name = "FreeTargetAtItsLowBound",
                  .method = Powder,
                  .target = Free,
                  .field = F::TargetFree,
                  .text = "10",
                  .kind = Kind::NoAddition,
                  .freeRequirement = "0.00",
                  .rules = kStrict},
        SheetCase{.name = "MolecularTargetInGramsAsked",
                  .method = Powder,
                  .target = Mol,
                  .field = F::TargetMolecular,
                  .text = "0.0008",
                  .kind = Kind::Questions,
                  .said = kMolecularTargetLow,
                  .rules = kStrict},
        SheetCase{.name = "MolecularTargetAtItsLowBound",
                  .method = Powder,
                  .target = Mol,
                  .field = F::TargetMolecular,
                  .text = "0.2",
                  .kind = Kind::Results,
                  .freeRequirement = "0.22",
                  .rules = kStrict},
        SheetCase{.name = "LowTargetInTheWindow",
                  .method = Powder,
                  .target = Mol,
                  .field = F::TargetMolecular,
                  .text = "0.0008",
                  .kind = Kind::FailedCheck,
                  .said = kExistingAboveTarget},
        // More than any tank holds, in any unit.
        SheetCase{.name = "HugeBatchAsked",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "1000001",
                  .kind = Kind::Questions,
                  .said = kBatchLarge,
                  .rules = kStrict},
        SheetCase{.name = "HugeBatchInGallonsAsked",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "300000",
                  .kind = Kind::Questions,
                  .said = kBatchLarge,
                  .rules = kStrict,
                  .unit = BatchUnit::UsGallon},
        SheetCase{.name = "BatchAtItsBound",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "1000000",
                  .kind = Kind::Results,
                  .freeRequirement = "30.00",
                  .amount = "51950.75",
                  .rules = kStrict},
        // 1.8 typed the wrong way round.
        SheetCase{.name = "PkaHighAsked",
                  .method = Powder,
                  .target = Mol,
                  .field = F::TargetMolecular,
                  .text = "0.8",
                  .kind = Kind::Questions,
                  .said = kPkaHigh,
                  .rules = kStrict,
                  .at = F::Ph,
                  .pka = 8.1},
        SheetCase{.name = "PkaLowAsked",
                  .method = Powder,
                  .target = Free,
                  .field = F::Ph,
                  .text = "3.5",
                  .kind = Kind::Questions,
                  .said = kPkaLow,
                  .rules = kStrict,
                  .pka = 1.49},
        SheetCase{.name = "PkaAtItsBounds",
                  .method = Powder,
                  .target = Free,
                  .field = F::Ph,
                  .text = "3.5",
                  .kind = Kind::Results,
                  .freeRequirement = "30.00",
                  .rules = kStrict,
                  .pka = 1.5},
        // 20 mg/L at pKa 2.5 is 1.82 molecular, under the bound of its own.
        SheetCase{.name = "PkaAtItsHighBound",
                  .method = Powder,
                  .target = Free,
                  .field = F::TargetFree,
                  .text = "20",
                  .kind = Kind::Results,
                  .freeRequirement = "10.00",
                  .rules = kStrict,
                  .pka = 2.5},
        // A figure a single cannot hold is too large, not "no number".
        SheetCase{.name = "BatchBeyondASingle",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "3.5e38",
                  .kind = Kind::FailedCheck,
                  .said = "Batch size is too large to calculate.",
                  .rules = kStrict},
        SheetCase{.name = "BatchBeyondASingleInTheWindow",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "3.5e38",
                  .kind = Kind::FailedCheck,
                  .said = "Batch size must be numeric."},
        SheetCase{.name = "BatchBeyondASingleBelowZero",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "-3.5e38",
                  .kind = Kind::FailedCheck,
                  .said = "Batch size must be numeric.",
                  .rules = kStrict},
        SheetCase{.name = "TargetBeyondASingle",
                  .method = Powder,
                  .target = Mol,
                  .field = F::TargetMolecular,
                  .text = " +1e39 ",
                  .kind = Kind::FailedCheck,
                  .said = "Target SO2 is too large to calculate.",
                  .rules = kStrict},
        SheetCase{.name = "NoNumberIsNoNumber",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "1e39x",
                  .kind = Kind::FailedCheck,
                  .said = "Batch size must be numeric.",
                  .rules = kStrict},
        // Amounts no cellar could add, even answered Yes: 2e10 litres raised
        // by 30 mg/L take 2e10 x 30 / 1000 / 0.57747 g.
        SheetCase{.name = "AmountBeyondAnyCellar",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "2e10",
                  .kind = Kind::FailedCheck,
                  .said = kPowderTooMuch,
                  .rules = kStrict,
                  .at = F::BatchSize,
                  .answered = true,
                  .value = 2e10 * 30 / 1000 / 0.57747},
        SheetCase{.name = "AmountJustWithinReach",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "1.9e10",
                  .kind = Kind::Results,
                  .freeRequirement = "30.00",
                  .amount = "987064300.00",
                  .rules = kStrict,
                  .answered = true},
        SheetCase{.name = "SolutionBeyondAnyCellar",
                  .method = Solution,
                  .target = Free,
                  .field = F::SolutionStrength,
                  .text = "1e-30",
                  .kind = Kind::FailedCheck,
                  .said = "The amount, %1 ml, is more than any cellar could add: check the "
                          "batch size, the target and the solution percentage.",
                  .rules = kStrict,
                  .at = F::BatchSize,
                  .answered = true,
                  .value = 23.0 * 30 / 1000 / 0.57747 / 1e-30 * 100},
        SheetCase{.name = "TabletsBeyondAnyCellar",
                  .method = Tablet,
                  .target = Free,
                  .field = F::TabletWeight,
                  .text = "1e-9",
                  .kind = Kind::FailedCheck,
                  .said = "The amount, %1 tablets, is more than any cellar could add: check "
                          "the batch size, the target and the tablet weight.",
                  .rules = kStrict,
                  .at = F::BatchSize,
                  .answered = true,
                  .value = 23 * 30 / 1000.0 / 0.57747 / 1e-9},
        // An amount that would show as 0.00 though the wine needs SO2 reads
        // as "add nothing": 0.005 litres raised by 30 mg/L take 0.00026 g.
        SheetCase{.name = "AmountTooLittleToShow",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "0.005",
                  .kind = Kind::FailedCheck,
                  .said = "The amount is less than 0.01 g, too little to weigh: check the batch "
                          "size, or use a stock solution.",
                  .rules = kStrict,
                  .at = F::BatchSize,
                  .answered = true},
        SheetCase{.name = "AmountJustShown",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "0.1",
                  .kind = Kind::Results,
                  .freeRequirement = "30.00",
                  .amount = "0.01",
                  .rules = kStrict},
        SheetCase{.name = "TinyAmountInTheWindow",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "0.005",
                  .kind = Kind::Results,
                  .amount = "0.00"},
        SheetCase{.name = "HugeAmountInTheWindow",
                  .method = Powder,
                  .target = Free,
                  .field = F::BatchSize,
                  .text = "2e10",
                  .kind = Kind::Results,
                  .amount = "1039015000.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SheetTest, TwoProblemsAtOnceReportOnlyTheFirstInTableOrder) {
    Sheet sheet = Prepared(Powder, Free);
    sheet.texts[F::BatchSize] = "";
    sheet.texts[F::ExistingSO2] = "";
    EXPECT_EQ(Evaluated(sheet).failed, (FailedCheck{F::BatchSize, "Please enter batch size."}));
}

TEST(SheetTest, NoSulphiteFormIsAskedForBeforeAnythingElse) {
    Sheet sheet = Prepared(Solution, Free);
    sheet.texts[F::SolutionStrength] = "";
    sheet.choices.form.reset();
    EXPECT_EQ(Evaluated(sheet).failed,
              (FailedCheck{std::nullopt, "Please select a sulphite form."}));
}

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

TEST(SheetTest, StrictQuestionsAnsweredLeadToTheWindowsFigures) {
    Sheet sheet = Prepared(Powder, Free);
    sheet.texts[F::TargetFree] = "150";
    const auto window = Recalculated(sheet);
    sheet.choices.rules = kStrict;
    EXPECT_EQ(Shown(Evaluated(sheet, true).results), window);
}

// --- Results -----------------------------------------------------------------------

struct ExampleCase {
    const char* name;
    const char* ph;
    const char* existing;
    const char* batch;
    BatchUnit unit;
    SulphiteForm form;
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
    {"A", "3.5", "0", "23", BatchUnit::Litre, SulphiteForm::Potassium, Tablet, Mol, "0.8",
     {{O::ExistingMolecular, "0.00"}, {O::TargetFree, "40.89"}, {O::Teaspoons, ""},
      {O::Amount, "3.70"}, {O::FreeRequirement, "40.89"}, {O::MolecularRequirement, "0.80"}}},
    {"B", "3.5", "10", "23", BatchUnit::Litre, SulphiteForm::Potassium, Powder, Free, "40",
     {{O::ExistingMolecular, "0.20"}, {O::TargetMolecular, "0.78"}, {O::Teaspoons, "0.19"},
      {O::Amount, "1.19"}, {O::FreeRequirement, "30.00"}, {O::MolecularRequirement, "0.59"}}},
    {"C", "3.2", "12", "5", BatchUnit::UsGallon, SulphiteForm::Sodium, Solution, Free, "35",
     {{O::ExistingMolecular, "0.46"}, {O::TargetMolecular, "1.34"}, {O::Teaspoons, "1.31"},
      {O::Amount, "6.45"}, {O::FreeRequirement, "23.00"}, {O::MolecularRequirement, "0.88"}}},
    {"D", "3.4", "15", "5", BatchUnit::ImperialGallon, SulphiteForm::Potassium, Solution, Mol,
     "0.5",
     {{O::ExistingMolecular, "0.37"}, {O::TargetFree, "20.41"}, {O::Teaspoons, "0.43"},
      {O::Amount, "2.13"}, {O::FreeRequirement, "5.41"}, {O::MolecularRequirement, "0.13"}}},
    // Target below the measured level: the requirements show it, the amounts
    // end as "0.00", written last.
    {"NegativeAmount", "3.5", "10.47", "100", BatchUnit::Litre, SulphiteForm::Potassium, Powder,
     Mol, "0.20",
     {{O::ExistingMolecular, "0.20"}, {O::TargetFree, "10.22"}, {O::Teaspoons, "-0.01"},
      {O::Amount, "-0.04"}, {O::FreeRequirement, "-0.25"}, {O::MolecularRequirement, "0.00"},
      {O::Amount, "0.00"}, {O::Teaspoons, "0.00"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(WorkedExamples, SheetExampleTest, ::testing::ValuesIn(kWorkedExamples),
                         [](const ::testing::TestParamInfo<ExampleCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(SheetTest, AnEmptyPhCountsAsZeroForAFreeTarget) {
    Sheet sheet = Prepared(Powder, Free);
    sheet.texts[F::Ph] = "";
    // At pH 0 nearly all free SO2 is molecular.
    EXPECT_EQ(Recalculated(sheet)[O::ExistingMolecular], "9.84");
}

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

TEST(SheetTest, NoSulphiteFormGivesNoAmount) {
    Sheet sheet = Prepared(Powder, Free);
    sheet.choices.form.reset();
    auto shown = Recalculated(sheet);
    EXPECT_EQ(shown[O::FreeRequirement], "30.00");
    EXPECT_EQ(shown[O::Amount], "0.00");
    EXPECT_EQ(shown[O::Teaspoons], "0.00");
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

TEST(SheetTest, AComputedTargetIsWrittenWholeHoweverLong) {
    Sheet sheet = Prepared(Powder, Mol);
    sheet.texts[F::Ph] = "14";
    sheet.texts[F::TargetMolecular] = "1";
    // 1 mg/L molecular at pH 14 needs about 1.58e12 mg/L free.
    EXPECT_EQ(Recalculated(sheet)[O::TargetFree], "1584893000000.00");
}

TEST(SheetTest, TheExistingMolecularFigureReadsUnreadableEntriesAsZero) {
    const std::pair<std::map<F, std::string>, const char*> rows[] = {
        {{}, "0.20"},
        {{{F::Ph, ""}}, "9.84"},
        {{{F::Ph, "abc"}}, "9.84"},
        {{{F::Ph, "abc"}, {F::ExistingSO2, "x"}}, "0.00"},
        {{{F::Ph, "1e30"}}, "0.00"},  // the power overflows: nothing is molecular
    };
    for (const auto& [texts, shown] : rows) {
        Sheet sheet = Prepared(Powder, Mol);
        for (const auto& [field, text] : texts) {
            sheet.texts[field] = text;
        }
        EXPECT_EQ(sheet.Refreshed().shown, shown);
    }
}

TEST(SheetTest, AnotherPkaMovesTheMolecularFigures) {
    Sheet sheet = Prepared(Powder, Free);
    EXPECT_EQ(Recalculated(sheet)[O::TargetMolecular], "0.78");
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

TEST(SheetTest, ResultsTellWhatEachOutputShowsOnceAllIsWritten) {
    // The target below the measured level, as in the example above.
    Sheet sheet = Prepared(Powder, Mol);
    sheet.texts[F::ExistingSO2] = "10.47";
    sheet.texts[F::TargetMolecular] = "0.20";
    sheet.texts[F::BatchSize] = "100";
    SheetResults results;
    RecalculateSheet(sheet.View(), results);
    EXPECT_EQ(results.Shown(O::Amount), "0.00");  // the amount put back, written last
    EXPECT_EQ(results.Shown(O::FreeRequirement), "-0.25");
    EXPECT_EQ(results.Shown(O::TargetMolecular), std::nullopt);  // the target typed in
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
    AdditionMethod method;
    const char* solution;
    const char* tablet;
    const char* batch;
    std::optional<FailedCheck> expected;
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

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsCheckTest,
    ::testing::Values(
        SettingsCase{Powder, "", "", "", FailedCheck{F::BatchSize, "Please enter batch size."}},
        SettingsCase{Powder, "x", "y", "5", std::nullopt},
        SettingsCase{Tablet, "", "0", "5",
                     FailedCheck{F::TabletWeight, "Tablet weight must be greater than 0."}},
        SettingsCase{Tablet, "", "0.01", "5", std::nullopt},
        SettingsCase{Tablet, "10", "abc", "5",
                     FailedCheck{F::TabletWeight, "Tablet weight must be numeric."}},
        SettingsCase{Tablet, "10", "-1", "5",
                     FailedCheck{F::TabletWeight, "Tablet weight cannot be less than 0."}},
        SettingsCase{Solution, "", "0.44", "5",
                     FailedCheck{F::SolutionStrength, "Please enter solution percentage."}},
        SettingsCase{
            Solution, "0", "x", "5",
            FailedCheck{F::SolutionStrength, "Solution percentage must be greater than 0."}},
        SettingsCase{Solution, "100", "x", "5", std::nullopt},
        SettingsCase{Solution, "101", "x", "5",
                     FailedCheck{F::SolutionStrength, "Solution % must be between 0 and 100."}},
        SettingsCase{Solution, "50", "", "0",
                     FailedCheck{F::BatchSize, "Batch size must be greater than 0."}},
        SettingsCase{Powder, "", "", "1e999",
                     FailedCheck{F::BatchSize, "Batch size must be numeric."}}));

}  // namespace
}  // namespace korvane
