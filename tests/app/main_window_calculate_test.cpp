// The Calculate button: where results land, where a warning or a No puts the
// focus, and what stays or goes. The checks, questions and figures
// themselves are the dose sheet's, tested as tables in the core.
#include "main_window_fixture.h"

namespace korvane {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

class CalculateTest : public MainWindowTest {
  protected:
    void SetUp() override { ShowActive(); }

    // Every result, marked so that what the command leaves alone shows.
    static constexpr const char* kResults[] = {"lblExistMolSO2", "lblSO2Requirement",
                                               "lblMolSO2Requirement", "lblAddition",
                                               "lblAddition2"};
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

    const std::vector<testing::ShownBox>& Boxes() { return desktop_.boxes.Shown(); }
};

TEST_F(CalculateTest, PowderForAFreeTargetWritesEveryResultIntoItsLabel) {
    PutExample("optPowder", kFreeTarget);
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{});
    // Existing molecular, free and molecular requirement, amount, teaspoons,
    // then the targets: the free one as typed, the molecular one computed.
    EXPECT_EQ(Results(), (QStringList{"0.20", "30.00", "0.59", "1.19", "0.19", "40", "0.78"}));
    EXPECT_EQ(Label("lblAdd")->text(), "g");
    EXPECT_EQ(Label("lblTeaspoons")->text(), "tsp");
}

TEST_F(CalculateTest, TabletsForAMolecularTargetWriteTheFreeTargetWhichThenServesAsInput) {
    PutExample("optTablet", kMolecularTarget);
    Put("txtExistSO2", "0");
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{});
    EXPECT_EQ(Results(), (QStringList{"0.00", "40.89", "0.80", "3.70", "", "40.89", "0.8"}));
    EXPECT_EQ(Label("lblAdd")->text(), "tablets");
    EXPECT_FALSE(Label("lblAddition2")->isVisible());

    Select("cboTarget", kFreeTarget);
    EXPECT_TRUE(Box("txtTargetSO2")->isEnabled());
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{});
    EXPECT_EQ(Label("lblAddition")->text(), "3.70");
}

// A text put into a field, and what the window then says: a warning or a
// question, about the field the focus goes to.
struct FieldRow {
    const char* method;
    const char* target;
    const char* field;
    const char* text;
    const char* said;
};

// One failed check per field.

void PrintTo(const FieldRow& row, std::ostream* out) {
    *out << row.field << " \"" << row.text << '"';
}

class CalculateWarningTest : public CalculateTest,
                             public ::testing::WithParamInterface<FieldRow> {};

TEST_P(CalculateWarningTest, ShowsTheWarningFocusesItsFieldAndComputesNothing) {
    const FieldRow& row = GetParam();
    PutExample(row.method, row.target);
    Put(row.field, row.text);
    MarkResults();
    const QStringList before = Results();
    List("cboTarget")->setFocus();

    ClickCalculate();

    ASSERT_EQ(desktop_.boxes.Texts(), QStringList{row.said});
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(FocusName(), row.field);
    QStringList after = Results();
    if (row.target == std::string(kMolecularTarget)) {
        after[0] = before[0];  // refreshed before the checks; see below
    }
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(
    OnePerField, CalculateWarningTest,
    ::testing::Values(
        FieldRow{"optSolution", kFreeTarget, "txtSolution", "",
                 "Please enter solution percentage."},
        FieldRow{"optTablet", kFreeTarget, "txtTabWeight", "1.2.3",
                 "Tablet weight must be numeric."},
        FieldRow{"optPowder", kFreeTarget, "txtBatchSize", "0",
                 "Batch size must be greater than 0."},
        FieldRow{"optPowder", kMolecularTarget, "txtPh", "14.01", "pH must be between 1 and 14."},
        FieldRow{"optPowder", kFreeTarget, "txtExistSO2", "", "Please enter existing SO2."},
        FieldRow{"optPowder", kFreeTarget, "txtTargetSO2", "9.99",
                 "Existing SO2 cannot be greater than target SO2."},
        // Compared with the refreshed figure: 10 mg/L at pH 3.5 shows 0.20.
        FieldRow{"optPowder", kMolecularTarget, "txtTargetMolSO2", "0.19",
                 "Existing SO2 cannot be greater than target SO2."}));

TEST_F(CalculateTest, AMolecularTargetRefreshesTheExistingFigureEvenWhenACheckFails) {
    PutExample("optPowder", kMolecularTarget);
    Put("txtBatchSize", "");
    MarkResults();
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{"Please enter batch size."});
    EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.20");
    EXPECT_EQ(Label("lblAddition")->text(), "9.99");
}

// A No to a question: the focus goes to the field asked about and the
// amounts are cleared; nothing is computed.
class CalculateQuestionTest : public CalculateTest,
                              public ::testing::WithParamInterface<FieldRow> {};

TEST_P(CalculateQuestionTest, NoFocusesTheFieldAndClearsTheAmounts) {
    const FieldRow& row = GetParam();
    PutExample(row.method, row.target);
    Put("txtExistSO2", "0");
    Put(row.field, row.text);
    MarkResults();
    desktop_.boxes.QueueAnswer(MessageAnswer::No);

    ClickCalculate();

    ASSERT_EQ(desktop_.boxes.Texts(), QStringList{row.said});
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Question);
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(FocusName(), row.field);
    EXPECT_EQ(Amounts(), Cleared());
    EXPECT_EQ(Label("lblSO2Requirement")->text(), "9.99");
}

INSTANTIATE_TEST_SUITE_P(
    OnePerField, CalculateQuestionTest,
    ::testing::Values(FieldRow{"optTablet", kFreeTarget, "txtTabWeight", "1.01",
                               "Tablet weight appears high. Are you sure it is correct?"},
                      FieldRow{"optSolution", kFreeTarget, "txtSolution", "60",
                               "Solution percentage appears high. Are you sure it is correct?"},
                      FieldRow{"optPowder", kMolecularTarget, "txtPh", "5.01",
                               "pH appears high. Are you sure it is correct?"}));

TEST_F(CalculateTest, YesToEveryQuestionCalculates) {
    PutExample("optSolution", kFreeTarget);
    Put("txtSolution", "60");
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(),
              QStringList{"Solution percentage appears high. Are you sure it is correct?"});
    EXPECT_EQ(Label("lblSO2Requirement")->text(), "30.00");
    EXPECT_EQ(Label("lblAddition")->text(), "1.99");
}

TEST_F(CalculateTest, AYesLeadsToTheNextQuestionWhoseNoStops) {
    PutExample("optSolution", kMolecularTarget);
    Put("txtExistSO2", "0");
    Put("txtSolution", "60");
    Put("txtPh", "1.5");
    MarkResults();
    desktop_.boxes.QueueAnswer(MessageAnswer::Yes);
    desktop_.boxes.QueueAnswer(MessageAnswer::No);
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(),
              (QStringList{"Solution percentage appears high. Are you sure it is correct?",
                           "pH appears low. Are you sure it is correct?"}));
    EXPECT_EQ(FocusName(), "txtPh");
    EXPECT_EQ(Amounts(), Cleared());
    EXPECT_EQ(Label("lblSO2Requirement")->text(), "9.99");
}

TEST_F(CalculateTest, TheListsChoicesAreReadFromTheEntriesNotFromTheirTexts) {
    PutExample("optPowder", kFreeTarget);
    // Another language may word the entries in any way.
    for (const char* name : {"cboForm", "cboBatch", "cboTarget"}) {
        for (int i = 0; i < List(name)->count(); ++i) {
            List(name)->setItemText(i, QStringLiteral("entry %1").arg(i));
        }
    }
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{});
    EXPECT_EQ(Results(), (QStringList{"0.20", "30.00", "0.59", "1.19", "0.19", "40", "0.78"}));
}

TEST_F(CalculateTest, AComputedTargetLongerThanTenCharactersIsShownWhole) {
    PutExample("optPowder", kMolecularTarget);
    Put("txtPh", "14");
    Put("txtTargetMolSO2", "1");
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{"pH appears high. Are you sure it is correct?"});
    EXPECT_EQ(Box("txtTargetSO2")->text(), "1584893000000.00");
}

TEST_F(CalculateTest, TheDesignedWindowWithNoFormChosenAsksForOne) {
    MarkResults();
    const QStringList before = Results();
    ClickCalculate();
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{"Please select a sulphite form."});
    EXPECT_EQ(FocusName(), "cboForm");
    EXPECT_EQ(Results(), before);
}

}  // namespace
}  // namespace korvane
