// The dose sheet as a table: every check in order with its message and field,
// every question, the inputs that pass without a word, the worked examples,
// and the result texts in the order the window writes them.
#include "core/dose_sheet.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/number_text.h"

namespace korvane {

std::ostream& operator<<(std::ostream& out, const FailedCheck& check) {
    return out << "check(" << (check.field ? static_cast<int>(*check.field) : -1) << ", \""
               << check.message << "\")";
}
std::ostream& operator<<(std::ostream& out, const Question& question) {
    return out << "question(" << static_cast<int>(question.field) << ", \"" << question.text
               << "\")";
}
std::ostream& operator<<(std::ostream& out, const ResultWrite& write) {
    return out << static_cast<int>(write.output) << "=\"" << write.text << '"';
}

namespace {

using F = SheetField;
using O = SheetOutput;
constexpr auto Free = TargetKind::FreeSO2;
constexpr auto Mol = TargetKind::MolecularSO2;
constexpr auto Powder = AdditionMethod::Powder;
constexpr auto Solution = AdditionMethod::Solution;
constexpr auto Tablet = AdditionMethod::Tablet;

constexpr char kExistingAboveTarget[] = "Existing SO2 cannot be greater than target SO2.";

// A complete, plausible sheet: 10 mg/L of free SO2 raised to 40 (or to 0.8
// molecular) in 23 litres of wine at pH 3.5, with potassium metabisulphite.
// For a molecular target the existing molecular figure is refreshed first,
// as the Calculate command does.
SheetInput Prepared(AdditionMethod method, TargetKind target) {
    SheetInput input;
    input.method = method;
    input.form = SulphiteForm::Potassium;
    input.unit = BatchUnit::Litre;
    input.target = target;
    input.existingSO2 = "10";
    input.targetFree = "40";
    input.targetMolecular = "0.8";
    input.ph = "3.5";
    input.batchSize = "23";
    input.solutionStrength = "10";
    input.tabletWeight = "0.44";
    input.shownExistingMolecular = "7.77";
    return input;
}

SheetInput Refreshed(SheetInput input) {
    if (input.target == Mol) {
        input.shownExistingMolecular = ExistingMolecularText(input);
    }
    return input;
}

// What each output shows once every write is done.
std::map<O, std::string> Shown(const ResultWrites& writes) {
    std::map<O, std::string> shown;
    for (const ResultWrite& write : writes) {
        shown[write.output] = write.text;
    }
    return shown;
}

// --- Checks ------------------------------------------------------------------

struct CheckCase {
    AdditionMethod method;
    TargetKind target;
    F field;
    const char* text;
    const char* message;
};

class SheetCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SheetCheckTest, ReportsTheCheckAndItsField) {
    const CheckCase& c = GetParam();
    SheetInput input = Prepared(c.method, c.target);
    FieldText(input, c.field) = c.text;
    const SheetAnswer answer = EvaluateSheet(Refreshed(input));
    ASSERT_TRUE(std::holds_alternative<FailedCheck>(answer)) << c.text;
    EXPECT_EQ(std::get<FailedCheck>(answer), (FailedCheck{c.field, c.message}));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, SheetCheckTest,
    ::testing::Values(
        CheckCase{Solution, Free, F::SolutionStrength, "", "Please enter solution percentage."},
        CheckCase{Solution, Free, F::SolutionStrength, "abc",
                  "Solution percentage must be numeric."},
        CheckCase{Solution, Free, F::SolutionStrength, "-1",
                  "Solution % must be between 0 and 100."},
        CheckCase{Solution, Free, F::SolutionStrength, "100.5",
                  "Solution % must be between 0 and 100."},
        CheckCase{Tablet, Free, F::TabletWeight, "", "Please enter tablet weight."},
        CheckCase{Tablet, Free, F::TabletWeight, "1.2.3", "Tablet weight must be numeric."},
        CheckCase{Tablet, Free, F::TabletWeight, "-0.01", "Tablet weight cannot be less than 0."},
        // A weight or strength of nothing would make the amount infinite.
        CheckCase{Tablet, Free, F::TabletWeight, "0", "Tablet weight must be greater than 0."},
        CheckCase{Solution, Free, F::SolutionStrength, "0",
                  "Solution percentage must be greater than 0."},
        CheckCase{Powder, Free, F::BatchSize, "", "Please enter batch size."},
        CheckCase{Powder, Free, F::BatchSize, "2 3", "Batch size must be numeric."},
        CheckCase{Powder, Free, F::BatchSize, "0", "Batch size must be greater than 0."},
        CheckCase{Powder, Free, F::BatchSize, "-5", "Batch size must be greater than 0."},
        CheckCase{Powder, Free, F::BatchSize, "1e39", "Batch size must be numeric."},
        CheckCase{Powder, Mol, F::Ph, "", "Please enter pH."},
        CheckCase{Powder, Mol, F::Ph, ".", "pH must be numeric."},
        CheckCase{Powder, Mol, F::Ph, "0.99", "pH must be between 1 and 14."},
        CheckCase{Powder, Mol, F::Ph, "14.01", "pH must be between 1 and 14."},
        CheckCase{Powder, Free, F::ExistingSO2, "", "Please enter existing SO2."},
        CheckCase{Powder, Free, F::ExistingSO2, "1,5", "Existing SO2 must be numeric."},
        CheckCase{Powder, Free, F::ExistingSO2, " ", "Existing SO2 must be numeric."},
        CheckCase{Powder, Free, F::TargetFree, "", "Please enter target SO2."},
        CheckCase{Powder, Free, F::TargetFree, "forty", "Target SO2 must be numeric."},
        CheckCase{Powder, Mol, F::TargetMolecular, "", "Please enter target SO2."},
        CheckCase{Powder, Mol, F::TargetMolecular, "abc", "Target SO2 must be numeric."},
        CheckCase{Powder, Free, F::TargetFree, "9.99", kExistingAboveTarget},
        // 10 mg/L at pH 3.5 shows 0.20 molecular.
        CheckCase{Powder, Mol, F::TargetMolecular, "0.19", kExistingAboveTarget}));

TEST(SheetTest, TwoProblemsAtOnceReportOnlyTheFirstInTableOrder) {
    SheetInput input = Prepared(Powder, Free);
    input.batchSize = "";
    input.existingSO2 = "";
    EXPECT_EQ(FirstFailedCheck(input), (FailedCheck{F::BatchSize, "Please enter batch size."}));
}

TEST(SheetTest, NoSulphiteFormIsAskedForBeforeAnythingElse) {
    SheetInput input = Prepared(Solution, Free);
    input.solutionStrength = "";
    input.form.reset();
    EXPECT_EQ(FirstFailedCheck(input),
              (FailedCheck{std::nullopt, "Please select a sulphite form."}));
}

TEST(SheetTest, AMolecularTargetIsComparedWithTheFigureShownNotTheExactOne) {
    // 10.47 mg/L at pH 3.5 is 0.2048 molecular, shown as 0.20.
    SheetInput input = Refreshed(Prepared(Powder, Mol));
    input.existingSO2 = "10.47";
    input.targetMolecular = "0.20";
    input = Refreshed(input);
    EXPECT_EQ(input.shownExistingMolecular, "0.20");
    EXPECT_EQ(FirstFailedCheck(input), std::nullopt);
    input.shownExistingMolecular = "0.21";
    EXPECT_EQ(FirstFailedCheck(input), (FailedCheck{F::TargetMolecular, kExistingAboveTarget}));
}

// --- Questions -------------------------------------------------------------------

struct QuestionCase {
    AdditionMethod method;
    TargetKind target;
    F field;
    const char* text;
    const char* question;
    const char* freeRequirement;  // shown once Yes lets the calculation run
    // Without existing SO2, a molecular target stays above it at any pH.
    const char* existing = "10";
};

class SheetQuestionTest : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(SheetQuestionTest, AsksAboutTheFieldAndYesCalculates) {
    const QuestionCase& c = GetParam();
    SheetInput input = Prepared(c.method, c.target);
    input.existingSO2 = c.existing;
    FieldText(input, c.field) = c.text;
    input = Refreshed(input);
    const SheetAnswer answer = EvaluateSheet(input);
    ASSERT_TRUE(std::holds_alternative<Questions>(answer)) << c.text;
    EXPECT_EQ(std::get<Questions>(answer), (Questions{{c.field, c.question}}));
    EXPECT_EQ(Shown(RecalculateSheet(input))[O::FreeRequirement], c.freeRequirement);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, SheetQuestionTest,
    ::testing::Values(
        QuestionCase{Tablet, Free, F::TabletWeight, "1.01",
                     "Tablet weight appears high. Are you sure it is correct?", "30.00"},
        QuestionCase{Solution, Free, F::SolutionStrength, "60",
                     "Solution percentage appears high. Are you sure it is correct?", "30.00"},
        QuestionCase{Solution, Free, F::SolutionStrength, "100",
                     "Solution percentage appears high. Are you sure it is correct?", "30.00"},
        QuestionCase{Powder, Mol, F::Ph, "1.5", "pH appears low. Are you sure it is correct?",
                     "1.20", "0"},
        QuestionCase{Powder, Mol, F::Ph, "1", "pH appears low. Are you sure it is correct?", "0.93",
                     "0"},
        QuestionCase{Powder, Mol, F::Ph, "5.01", "pH appears high. Are you sure it is correct?",
                     "1298.25", "0"},
        QuestionCase{Powder, Mol, F::Ph, "14", "pH appears high. Are you sure it is correct?",
                     "1267915000000.00", "0"}));

TEST(SheetTest, QuestionsComeInTheirOrder) {
    SheetInput input = Prepared(Solution, Mol);
    input.solutionStrength = "60";
    input.ph = "1.5";
    input.existingSO2 = "0";
    EXPECT_EQ(QuestionsToAsk(Refreshed(input)),
              (Questions{{F::SolutionStrength,
                          "Solution percentage appears high. Are you sure it is correct?"},
                         {F::Ph, "pH appears low. Are you sure it is correct?"}}));
}

// --- Inputs that pass without a word --------------------------------------------

struct QuietCase {
    const char* name;
    AdditionMethod method;
    TargetKind target;
    F field;
    const char* text;
    const char* freeRequirement;
    const char* amount;
    const char* existing = "10";
};

class SheetQuietTest : public ::testing::TestWithParam<QuietCase> {};

TEST_P(SheetQuietTest, AsksNothingAndCalculates) {
    const QuietCase& c = GetParam();
    SheetInput input = Prepared(c.method, c.target);
    input.existingSO2 = c.existing;
    FieldText(input, c.field) = c.text;
    const SheetAnswer answer = EvaluateSheet(Refreshed(input));
    ASSERT_TRUE(std::holds_alternative<ResultWrites>(answer));
    auto shown = Shown(std::get<ResultWrites>(answer));
    EXPECT_EQ(shown[O::FreeRequirement], c.freeRequirement);
    EXPECT_EQ(shown[O::Amount], c.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Quiet, SheetQuietTest,
    ::testing::Values(
        // 30 mg/L in 23 litres is 0.69 g of SO2.
        QuietCase{"TabletOfOneGram", Tablet, Free, F::TabletWeight, "1", "30.00", "1.19"},
        QuietCase{"SolutionOfFifty", Solution, Free, F::SolutionStrength, "50", "30.00", "2.39"},
        QuietCase{"PhOfTwo", Powder, Mol, F::Ph, "2", "2.07", "0.08", "0"},
        QuietCase{"PhOfFive", Powder, Mol, F::Ph, "5", "1268.72", "50.53", "0"},
        QuietCase{"LowPhForAFreeTarget", Powder, Free, F::Ph, "1.5", "30.00", "1.19"},
        QuietCase{"NoPhForAFreeTarget", Powder, Free, F::Ph, "", "30.00", "1.19"},
        QuietCase{"TargetEqualToExisting", Powder, Free, F::TargetFree, "10", "0.00", "0.00"},
        QuietCase{"UnusedSolutionField", Powder, Free, F::SolutionStrength, "", "30.00", "1.19"},
        QuietCase{"UnusedTabletField", Solution, Free, F::TabletWeight, "x", "30.00", "11.95"},
        QuietCase{"UnusedMolecularTarget", Powder, Free, F::TargetMolecular, "", "30.00", "1.19"},
        QuietCase{"BlanksAroundANumber", Powder, Free, F::BatchSize, " 23 ", "30.00", "1.19"}),
    [](const ::testing::TestParamInfo<QuietCase>& info) { return std::string(info.param.name); });

// --- Results --------------------------------------------------------------------

struct ExampleCase {
    const char* name;
    SheetInput input;
    ResultWrites writes;  // in the order the window writes them
};

SheetInput Example(const char* ph, const char* existing, const char* batch, BatchUnit unit,
                   SulphiteForm form, AdditionMethod method, TargetKind target,
                   const char* targetText) {
    SheetInput input;
    input.ph = ph;
    input.existingSO2 = existing;
    input.batchSize = batch;
    input.unit = unit;
    input.form = form;
    input.method = method;
    input.tabletWeight = "0.44";
    input.solutionStrength = "10";
    input.target = target;
    input.targetFree = target == Free ? targetText : "0.00";
    input.targetMolecular = target == Mol ? targetText : "0.00";
    return input;
}

class SheetExampleTest : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(SheetExampleTest, WritesEveryResultInTheWindowsOrder) {
    const ExampleCase& c = GetParam();
    EXPECT_EQ(RecalculateSheet(c.input), c.writes);
    EXPECT_EQ(EvaluateSheet(Refreshed(c.input)), SheetAnswer(c.writes));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, SheetExampleTest,
    ::testing::Values(ExampleCase{"A",
                                  Example("3.5", "0", "23", BatchUnit::Litre,
                                          SulphiteForm::Potassium, Tablet, Mol, "0.8"),
                                  {{O::ExistingMolecular, "0.00"},
                                   {O::TargetFree, "40.89"},
                                   {O::Teaspoons, ""},
                                   {O::Amount, "3.70"},
                                   {O::FreeRequirement, "40.89"},
                                   {O::MolecularRequirement, "0.80"}}},
                      ExampleCase{"B",
                                  Example("3.5", "10", "23", BatchUnit::Litre,
                                          SulphiteForm::Potassium, Powder, Free, "40"),
                                  {{O::ExistingMolecular, "0.20"},
                                   {O::TargetMolecular, "0.78"},
                                   {O::Teaspoons, "0.19"},
                                   {O::Amount, "1.19"},
                                   {O::FreeRequirement, "30.00"},
                                   {O::MolecularRequirement, "0.59"}}},
                      ExampleCase{"C",
                                  Example("3.2", "12", "5", BatchUnit::UsGallon,
                                          SulphiteForm::Sodium, Solution, Free, "35"),
                                  {{O::ExistingMolecular, "0.46"},
                                   {O::TargetMolecular, "1.34"},
                                   {O::Teaspoons, "1.31"},
                                   {O::Amount, "6.45"},
                                   {O::FreeRequirement, "23.00"},
                                   {O::MolecularRequirement, "0.88"}}},
                      ExampleCase{"D",
                                  Example("3.4", "15", "5", BatchUnit::ImperialGallon,
                                          SulphiteForm::Potassium, Solution, Mol, "0.5"),
                                  {{O::ExistingMolecular, "0.37"},
                                   {O::TargetFree, "20.41"},
                                   {O::Teaspoons, "0.43"},
                                   {O::Amount, "2.13"},
                                   {O::FreeRequirement, "5.41"},
                                   {O::MolecularRequirement, "0.13"}}},
                      // Target below the measured level: the requirements show it, the
                      // amounts end as "0.00", written last.
                      ExampleCase{"NegativeAmount",
                                  Example("3.5", "10.47", "100", BatchUnit::Litre,
                                          SulphiteForm::Potassium, Powder, Mol, "0.20"),
                                  {{O::ExistingMolecular, "0.20"},
                                   {O::TargetFree, "10.22"},
                                   {O::Teaspoons, "-0.01"},
                                   {O::Amount, "-0.04"},
                                   {O::FreeRequirement, "-0.25"},
                                   {O::MolecularRequirement, "0.00"},
                                   {O::Amount, "0.00"},
                                   {O::Teaspoons, "0.00"}}}),
    [](const ::testing::TestParamInfo<ExampleCase>& info) { return std::string(info.param.name); });

TEST(SheetTest, AnEmptyPhCountsAsZeroForAFreeTarget) {
    SheetInput input = Prepared(Powder, Free);
    input.ph = "";
    // At pH 0 nearly all free SO2 is molecular.
    EXPECT_EQ(Shown(RecalculateSheet(input))[O::ExistingMolecular], "9.84");
}

TEST(SheetTest, NothingIsWrittenWhileTheFreeTargetOrTheBatchSizeIsEmpty) {
    SheetInput input = Prepared(Powder, Mol);
    input.targetFree = "";
    EXPECT_EQ(EvaluateSheet(Refreshed(input)), SheetAnswer(ResultWrites{}));
    input = Prepared(Powder, Free);
    input.batchSize = "";
    EXPECT_EQ(RecalculateSheet(input), ResultWrites{});
}

TEST(SheetTest, NoSulphiteFormGivesNoAmount) {
    SheetInput input = Prepared(Powder, Free);
    input.form.reset();
    auto shown = Shown(RecalculateSheet(input));
    EXPECT_EQ(shown[O::FreeRequirement], "30.00");
    EXPECT_EQ(shown[O::Amount], "0.00");
    EXPECT_EQ(shown[O::Teaspoons], "0.00");
}

TEST(SheetTest, WithNothingChosenNoTargetIsWrittenAndNoAmountComputed) {
    SheetInput input;  // the designed window: Powder, no list entry chosen
    input.ph = "3.5";
    input.existingSO2 = input.targetFree = input.targetMolecular = "0.00";
    input.batchSize = "23";
    const ResultWrites writes = RecalculateSheet(input);
    auto shown = Shown(writes);
    EXPECT_FALSE(shown.contains(O::TargetFree));
    EXPECT_FALSE(shown.contains(O::TargetMolecular));
    EXPECT_EQ(shown[O::Amount], "0.00");
    EXPECT_EQ(shown[O::Teaspoons], "0.00");
}

TEST(SheetTest, AComputedTargetIsWrittenWholeHoweverLong) {
    SheetInput input = Prepared(Powder, Mol);
    input.ph = "14";
    input.targetMolecular = "1";
    // 1 mg/L molecular at pH 14 needs about 1.58e12 mg/L free.
    EXPECT_EQ(Shown(RecalculateSheet(input))[O::TargetFree], "1584893000000.00");
}

TEST(SheetTest, TheExistingMolecularFigureReadsUnreadableEntriesAsZero) {
    SheetInput input = Prepared(Powder, Mol);
    EXPECT_EQ(ExistingMolecularText(input), "0.20");
    input.ph = "";
    EXPECT_EQ(ExistingMolecularText(input), "9.84");
    input.ph = "abc";
    EXPECT_EQ(ExistingMolecularText(input), "9.84");
    input.existingSO2 = "x";
    EXPECT_EQ(ExistingMolecularText(input), "0.00");
    input.existingSO2 = "10";
    input.ph = "1e30";  // the power overflows: nothing is molecular
    EXPECT_EQ(ExistingMolecularText(input), "0.00");
}

TEST(SheetTest, AnotherPkaMovesTheMolecularFigures) {
    SheetInput input = Prepared(Powder, Free);
    EXPECT_EQ(Shown(RecalculateSheet(input))[O::TargetMolecular], "0.78");
    input.pka = 2.0;  // 10^1.5 + 1 = 32.62
    auto shown = Shown(RecalculateSheet(input));
    EXPECT_EQ(shown[O::ExistingMolecular], "0.31");
    EXPECT_EQ(shown[O::TargetMolecular], "1.23");
    // The free requirement and the amount do not depend on it.
    EXPECT_EQ(shown[O::FreeRequirement], "30.00");
    EXPECT_EQ(shown[O::Amount], "1.19");
}

// --- Answers kept in the caller's room --------------------------------------------

// A batch keeps one verdict for a million rows: nothing of one answer may
// show in the next.
TEST(SheetTest, AVerdictKeptFromSheetToSheetAnswersAsAFreshOne) {
    SheetInput twoQuestions = Prepared(Tablet, Mol);
    twoQuestions.tabletWeight = "2";
    twoQuestions.ph = "1.5";
    SheetInput failing = Prepared(Powder, Free);
    failing.existingSO2 = "50";
    SheetInput cleared = Prepared(Powder, Free);
    cleared.targetFree = "10";
    cleared.existingSO2 = "10";
    cleared.form.reset();
    SheetInput nothing = Prepared(Powder, Free);
    nothing.batchSize = "";
    nothing.method = Solution;
    nothing.solutionStrength = "10";
    const SheetInput sheets[] = {Refreshed(Prepared(Powder, Free)),
                                 Refreshed(twoQuestions),
                                 failing,
                                 cleared,
                                 Refreshed(Prepared(Tablet, Mol)),
                                 nothing,
                                 Refreshed(Prepared(Solution, Free))};
    SheetVerdict verdict;
    for (const SheetInput& input : sheets) {
        EvaluateSheet(ViewOf(input), verdict);
        EXPECT_EQ(AnswerOf(verdict), EvaluateSheet(input));
    }
    SheetResults results;
    for (const SheetInput& input : sheets) {
        RecalculateSheet(ViewOf(input), results);
        EXPECT_EQ(AnswerOf(SheetVerdict{.results = results}), SheetAnswer(RecalculateSheet(input)));
    }
}

TEST(SheetTest, ResultsTellWhatEachOutputShowsOnceAllIsWritten) {
    SheetResults results;
    RecalculateSheet(ViewOf(Example("3.5", "10.47", "100", BatchUnit::Litre,
                                    SulphiteForm::Potassium, Powder, Mol, "0.20")),
                     results);
    EXPECT_EQ(results.Shown(O::Amount), "0.00");  // the amount put back, written last
    EXPECT_EQ(results.Shown(O::FreeRequirement), "-0.25");
    EXPECT_EQ(results.Shown(O::TargetMolecular), std::nullopt);  // the target typed in
}

TEST(SheetTest, TheLargestFiguresAreWrittenWhole) {
    SheetInput input = Prepared(Powder, Free);
    input.existingSO2 = "-3.4028235e38";  // the largest single, below zero
    input.targetFree = "0";
    const auto shown = Shown(RecalculateSheet(input));
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
    SheetInput input;  // fields the dialog does not have stay empty
    input.method = c.method;
    input.solutionStrength = c.solution;
    input.tabletWeight = c.tablet;
    input.batchSize = c.batch;
    EXPECT_EQ(FirstFailedSettingsCheck(input), c.expected);
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

// --- Strict rules, for values that come from outside -------------------------------

// What a strict sheet answers: a failed check, the first question, no
// addition, or results; with `answered`, the questions count as answered Yes.
struct StrictCase {
    const char* name;
    AdditionMethod method;
    TargetKind target;
    F field;
    std::string text;
    SheetVerdict::Kind kind;
    const char* said = "";               // the message or the first question
    std::optional<F> at = std::nullopt;  // its field, when not `field`
    bool answered = false;
    BatchUnit unit = BatchUnit::Litre;
    std::vector<std::pair<F, std::string>> more = {};  // other fields' texts
};

class StrictSheetTest : public ::testing::TestWithParam<StrictCase> {};

TEST_P(StrictSheetTest, Answers) {
    const StrictCase& c = GetParam();
    SheetInput input = Prepared(c.method, c.target);
    input.rules = SheetRules::Strict;
    input.unit = c.unit;
    FieldText(input, c.field) = c.text;
    for (const auto& [field, text] : c.more) {
        FieldText(input, field) = text;
    }
    SheetVerdict verdict;
    EvaluateSheet(ViewOf(input), verdict, c.answered);
    ASSERT_EQ(verdict.kind, c.kind) << c.text;
    const F at = c.at.value_or(c.field);
    if (c.kind == SheetVerdict::Kind::FailedCheck) {
        EXPECT_EQ(verdict.failed, (FailedCheck{at, c.said}));
    } else if (c.kind == SheetVerdict::Kind::Questions) {
        EXPECT_EQ(verdict.questions.front(), (Question{at, c.said}));
    } else if (c.kind == SheetVerdict::Kind::NoAddition) {
        EXPECT_EQ(verdict.results.Shown(O::Amount), "0.00");
    }
}

constexpr auto kFailed = SheetVerdict::Kind::FailedCheck;
constexpr auto kAsked = SheetVerdict::Kind::Questions;
constexpr auto kNothing = SheetVerdict::Kind::NoAddition;
constexpr auto kResults = SheetVerdict::Kind::Results;
constexpr char kPhRange[] = "pH must be between 1 and 14.";

INSTANTIATE_TEST_SUITE_P(
    Strict, StrictSheetTest,
    ::testing::Values(
        // The molecular figures are always shown, so the pH always counts.
        StrictCase{"NoPh", Powder, Free, F::Ph, "", kFailed, "Please enter pH."},
        StrictCase{"PhNotNumeric", Powder, Free, F::Ph, "3,62", kFailed, "pH must be numeric."},
        StrictCase{"PhNul", Powder, Free, F::Ph, std::string("3.5\0", 4), kFailed,
                   "pH must be numeric."},
        StrictCase{"PhTooHigh", Powder, Free, F::Ph, "99", kFailed, kPhRange},
        StrictCase{"PhBelowZero", Powder, Free, F::Ph, "-5", kFailed, kPhRange},
        StrictCase{"LowPhAsked", Powder, Free, F::Ph, "1.5", kAsked,
                   "pH appears low. Are you sure it is correct?"},
        StrictCase{"FreeSO2BelowZero", Powder, Free, F::ExistingSO2, "-50", kFailed,
                   "Existing SO2 cannot be less than 0."},
        StrictCase{"FreeTargetBelowZero", Powder, Free, F::TargetFree, "-1", kFailed,
                   "Target SO2 cannot be less than 0."},
        StrictCase{"MolecularTargetBelowZero", Powder, Mol, F::TargetMolecular, "-0.1", kFailed,
                   "Target SO2 cannot be less than 0."},
        // Extreme targets, given or worked out at pH 3.5 (divisor 51.12).
        StrictCase{"FreeTargetHigh", Powder, Free, F::TargetFree, "101", kAsked,
                   "Free SO2 target appears high. Are you sure it is correct?"},
        // 40 mg/L free at pH 3.0 (divisor 16.85) is 2.37 molecular.
        StrictCase{"MolecularOfFreeTargetHigh", Powder, Free, F::Ph, "3.0", kAsked,
                   "Molecular SO2 target appears high. Are you sure it is correct?", F::TargetFree},
        StrictCase{"MolecularTargetHigh", Powder, Mol, F::TargetMolecular, "2.01", kAsked,
                   "Molecular SO2 target appears high. Are you sure it is correct?"},
        StrictCase{"FreeOfMolecularTargetHigh", Powder, Mol, F::TargetMolecular, "1.97", kAsked,
                   "Free SO2 target appears high. Are you sure it is correct?"},
        StrictCase{"TargetsAtTheirBounds", Powder, Free, F::TargetFree, "100", kResults},
        // At or above the target: nothing to add, and no error.
        StrictCase{"AtTarget", Powder, Free, F::TargetFree, "10", kNothing},
        StrictCase{"AboveMolecularTarget", Powder, Mol, F::TargetMolecular, "0.19", kNothing},
        // Figures no single can hold name the input that drove them there.
        StrictCase{"HugeBatch", Powder, Free, F::BatchSize, "3e38", kFailed,
                   "Batch size is too large to calculate.", std::nullopt, false,
                   BatchUnit::UsGallon},
        StrictCase{"HugeBatchForItsTarget",
                   Powder,
                   Free,
                   F::TargetFree,
                   "3e38",
                   kFailed,
                   "Batch size is too large to calculate.",
                   F::BatchSize,
                   true,
                   BatchUnit::Litre,
                   {{F::BatchSize, "3e38"}}},
        StrictCase{"HugeTarget", Powder, Mol, F::TargetMolecular, "3e38", kFailed,
                   "Target SO2 is too large to calculate.", std::nullopt, true},
        StrictCase{"TinyStrength", Solution, Free, F::SolutionStrength, "1e-40", kFailed,
                   "Solution percentage is too small to calculate."},
        StrictCase{"TinyTablet", Tablet, Free, F::TabletWeight, "1e-44", kFailed,
                   "Tablet weight is too small to calculate."},
        StrictCase{"TinyTabletAboveTarget", Tablet, Free, F::TargetFree, "5", kNothing}),
    [](const ::testing::TestParamInfo<StrictCase>& info) { return std::string(info.param.name); });

TEST(StrictSheetTest, AnsweredQuestionsLeadToTheSameFiguresAsTheWindows) {
    SheetInput input = Prepared(Powder, Free);
    input.targetFree = "150";
    const ResultWrites window = RecalculateSheet(input);
    input.rules = SheetRules::Strict;
    SheetVerdict verdict;
    EvaluateSheet(ViewOf(input), verdict, true);
    EXPECT_EQ(AnswerOf(verdict), SheetAnswer(window));
}

}  // namespace
}  // namespace korvane
