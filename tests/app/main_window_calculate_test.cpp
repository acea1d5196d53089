// The Calculate button: where results land, where a warning or a No puts the
// focus, and what stays or goes. The checks, questions and figures
// themselves are the dose sheet's, tested as tables in the core.
#include "main_window_fixture.h"

namespace korvane {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

// The example with some texts put over it, answered as told (Yes once the
// answers run out), and what the window then shows: the five results, marked
// "9.99" before the click, then the two targets.
struct CalculateRow {
    const char* what;
    const char* method;
    const char* target;
    std::vector<std::pair<const char*, const char*>> puts = {};
    std::vector<MessageAnswer> answers = {};
    QStringList said = {};
    const char* focus;  // it starts in the target list, off any field
    QStringList results;
};

void PrintTo(const CalculateRow& row, std::ostream* out) {
    *out << row.what;
}

class CalculateTest : public MainWindowTest, public ::testing::WithParamInterface<CalculateRow> {
  protected:
    void SetUp() override { ShowActive(); }

    void MarkResults() {
        for (const char* result : kResults) {
            Label(result)->setText("9.99");
        }
    }
    QStringList Results() {
        QStringList texts;
        for (const char* result : kResults) {
            texts << Label(result)->text();
        }
        return texts << Box("txtTargetSO2")->text() << Box("txtTargetMolSO2")->text();
    }
};

// A warning computes nothing; a No clears the amounts and computes nothing.
// A molecular target refreshes the existing molecular figure before the
// checks, which compare the target with it. Another language may word the
// lists' entries in any way: the choice is the entry, not its text.
TEST_P(CalculateTest, ShowsItsMessagesPutsTheFocusAndWritesTheResults) {
    const CalculateRow& row = GetParam();
    PutExample(row.method, row.target);
    for (const auto& [field, text] : row.puts) {
        Put(field, text);
    }
    for (const char* name : {"cboForm", "cboBatch", "cboTarget"}) {
        for (int i = 0; i < List(name)->count(); ++i) {
            List(name)->setItemText(i, QStringLiteral("entry %1").arg(i));
        }
    }
    MarkResults();
    for (const MessageAnswer answer : row.answers) {
        desktop_.boxes.QueueAnswer(answer);
    }
    List("cboTarget")->setFocus();

    ClickCalculate();

    EXPECT_EQ(desktop_.boxes.Texts(), row.said);
    for (const testing::ShownBox& box : desktop_.boxes.Shown()) {
        const bool question = box.text.endsWith('?');
        EXPECT_EQ(box.icon, question ? MessageIcon::Question : MessageIcon::Exclamation);
        EXPECT_EQ(box.buttons, question ? MessageButtons::YesNo : MessageButtons::Ok);
    }
    EXPECT_EQ(FocusName(), row.focus);
    EXPECT_EQ(Results(), row.results);
}

constexpr auto kNo = MessageAnswer::No;
constexpr auto kYes = MessageAnswer::Yes;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CalculateTest, ::testing::Values(
    CalculateRow{.what = "powder, free target: the free target as typed, the molecular computed",
        .method = "optPowder", .target = kFreeTarget, .focus = "cmdCalculate",
        .results = {"0.20", "30.00", "0.59", "1.19", "0.19", "40", "0.78"}},
    CalculateRow{.what = "tablets, molecular target: the free target computed, no teaspoons",
        .method = "optTablet", .target = kMolecularTarget, .puts = {{"txtExistSO2", "0"}},
        .focus = "cmdCalculate", .results = {"0.00", "40.89", "0.80", "3.70", "", "40.89", "0.8"}},
    // One failed check per field.
    CalculateRow{.what = "no solution percentage", .method = "optSolution", .target = kFreeTarget,
        .puts = {{"txtSolution", ""}}, .said = {"Please enter solution percentage."},
        .focus = "txtSolution", .results = {"9.99", "9.99", "9.99", "9.99", "9.99", "40", "0.8"}},
    CalculateRow{.what = "no tablet weight", .method = "optTablet", .target = kFreeTarget,
        .puts = {{"txtTabWeight", "1.2.3"}}, .said = {"Tablet weight must be numeric."},
        .focus = "txtTabWeight", .results = {"9.99", "9.99", "9.99", "9.99", "9.99", "40", "0.8"}},
    CalculateRow{.what = "no batch", .method = "optPowder", .target = kFreeTarget,
        .puts = {{"txtBatchSize", "0"}}, .said = {"Batch size must be greater than 0."},
        .focus = "txtBatchSize", .results = {"9.99", "9.99", "9.99", "9.99", "9.99", "40", "0.8"}},
    CalculateRow{.what = "no pH", .method = "optPowder", .target = kMolecularTarget,
        .puts = {{"txtPh", "14.01"}}, .said = {"pH must be between 1 and 14."},
        .focus = "txtPh", .results = {"0.00", "9.99", "9.99", "9.99", "9.99", "40", "0.8"}},
    CalculateRow{.what = "no existing SO2", .method = "optPowder", .target = kFreeTarget,
        .puts = {{"txtExistSO2", ""}}, .said = {"Please enter existing SO2."},
        .focus = "txtExistSO2", .results = {"9.99", "9.99", "9.99", "9.99", "9.99", "40", "0.8"}},
    CalculateRow{.what = "free target below the existing", .method = "optPowder",
        .target = kFreeTarget, .puts = {{"txtTargetSO2", "9.99"}},
        .said = {"Existing SO2 cannot be greater than target SO2."}, .focus = "txtTargetSO2",
        .results = {"9.99", "9.99", "9.99", "9.99", "9.99", "9.99", "0.8"}},
    // 10 mg/L at pH 3.5 is 0.20 molecular.
    CalculateRow{.what = "molecular target below the refreshed existing", .method = "optPowder",
        .target = kMolecularTarget, .puts = {{"txtTargetMolSO2", "0.19"}},
        .said = {"Existing SO2 cannot be greater than target SO2."}, .focus = "txtTargetMolSO2",
        .results = {"0.20", "9.99", "9.99", "9.99", "9.99", "40", "0.19"}},
    CalculateRow{.what = "a molecular target refreshes even when a check fails",
        .method = "optPowder", .target = kMolecularTarget, .puts = {{"txtBatchSize", ""}},
        .said = {"Please enter batch size."}, .focus = "txtBatchSize",
        .results = {"0.20", "9.99", "9.99", "9.99", "9.99", "40", "0.8"}},
    // One question per field, answered No.
    CalculateRow{.what = "heavy tablets", .method = "optTablet", .target = kFreeTarget,
        .puts = {{"txtExistSO2", "0"}, {"txtTabWeight", "1.01"}}, .answers = {kNo},
        .said = {"Tablet weight appears high. Are you sure it is correct?"},
        .focus = "txtTabWeight", .results = {"9.99", "9.99", "9.99", "0.00", "0.00", "40", "0.8"}},
    CalculateRow{.what = "strong solution", .method = "optSolution", .target = kFreeTarget,
        .puts = {{"txtExistSO2", "0"}, {"txtSolution", "60"}}, .answers = {kNo},
        .said = {"Solution percentage appears high. Are you sure it is correct?"},
        .focus = "txtSolution", .results = {"9.99", "9.99", "9.99", "0.00", "0.00", "40", "0.8"}},
    CalculateRow{.what = "high pH", .method = "optPowder", .target = kMolecularTarget,
        .puts = {{"txtExistSO2", "0"}, {"txtPh", "5.01"}}, .answers = {kNo},
        .said = {"pH appears high. Are you sure it is correct?"},
        .focus = "txtPh", .results = {"0.00", "9.99", "9.99", "0.00", "0.00", "40", "0.8"}},
    CalculateRow{.what = "a Yes leads to the next question, whose No stops",
        .method = "optSolution", .target = kMolecularTarget,
        .puts = {{"txtExistSO2", "0"}, {"txtSolution", "60"}, {"txtPh", "1.5"}},
        .answers = {kYes, kNo},
        .said = {"Solution percentage appears high. Are you sure it is correct?",
                 "pH appears low. Are you sure it is correct?"},
        .focus = "txtPh", .results = {"0.00", "9.99", "9.99", "0.00", "0.00", "40", "0.8"}},
    CalculateRow{.what = "Yes to every question calculates", .method = "optSolution",
        .target = kFreeTarget, .puts = {{"txtSolution", "60"}},
        .said = {"Solution percentage appears high. Are you sure it is correct?"},
        .focus = "cmdCalculate",
        .results = {"0.20", "30.00", "0.59", "1.99", "0.40", "40", "0.78"}},
    CalculateRow{.what = "a computed target longer than ten characters is shown whole",
        .method = "optPowder", .target = kMolecularTarget,
        .puts = {{"txtPh", "14"}, {"txtTargetMolSO2", "1"}},
        .said = {"pH appears high. Are you sure it is correct?"}, .focus = "cmdCalculate",
        // The figures too wide for their labels show the result label's mark.
        .results = {"0.00", "###", "1.00", "###", "###", "1584893000000.00", "1"}}));
// clang-format on

// The free target the molecular one computed then serves as the input.
TEST_F(MainWindowTest, AComputedFreeTargetIsTheInputOfTheNextCalculation) {
    ShowActive();
    PutExample("optTablet", kMolecularTarget);
    Put("txtExistSO2", "0");
    ClickCalculate();
    Select("cboTarget", kFreeTarget);
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{});
    EXPECT_EQ(Box("txtTargetSO2")->text(), "40.89");
    EXPECT_EQ(Label("lblAddition")->text(), "3.70");
}

TEST_F(MainWindowTest, TheDesignedWindowWithNoFormChosenAsksForOne) {
    ShowActive();
    FillAmounts();
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{"Please select a sulphite form."});
    EXPECT_EQ(FocusName(), "cboForm");
    EXPECT_EQ(Amounts(), QStringList({"5.55", "6.66"}));
}

}  // namespace
}  // namespace korvane
