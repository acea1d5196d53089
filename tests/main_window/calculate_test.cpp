// The Calculate button as the user meets it: worked examples, each input
// check with its warning and focus, the plausibility questions and their
// answers, and the inputs that still give a result.
#include "dose/messages.h"
#include "main_window_fixture.h"

namespace korvane {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

class CalculateTest : public MainWindowTest {
  protected:
    void SetUp() override { ShowActive(); }

    QLineEdit* Field(const char* name) {
        auto* field = Window().findChild<QLineEdit*>(name);
        EXPECT_NE(field, nullptr) << name;
        return field;
    }

    // A complete, plausible set of inputs for the chosen method and target:
    // 10 mg/L of free SO2 raised to 40 (or to 0.8 molecular) in 23 litres of
    // wine at pH 3.5, with potassium metabisulphite.
    void Prepare(const char* method, const char* target) {
        Choose(Window().findChild<QRadioButton*>(method));
        Select(Ui().cboForm, kPotassium);
        Select(Ui().cboBatch, kLitres);
        Select(Ui().cboTarget, target);
        Put(Ui().txtExistSO2, "10");
        Put(Ui().txtTargetSO2, "40");
        Put(Ui().txtTargetMolSO2, "0.8");
        Put(Ui().txtPh, "3.5");
        Put(Ui().txtBatchSize, "23");
        Put(Ui().txtSolution, "10");
        Put(Ui().txtTabWeight, "0.44");
    }

    // Marks every result, so that what the command leaves alone shows.
    void MarkResults() {
        Ui().lblExistMolSO2->setText("7.77");
        Ui().lblSO2Requirement->setText("8.88");
        Ui().lblMolSO2Requirement->setText("9.99");
        FillAmounts();
    }

    QStringList Results() {
        return {Ui().lblExistMolSO2->text(),       Ui().lblSO2Requirement->text(),
                Ui().lblMolSO2Requirement->text(), Ui().lblAddition->text(),
                Ui().lblAddition2->text(),         Ui().txtTargetSO2->text(),
                Ui().txtTargetMolSO2->text()};
    }

    void Calculate() {
        LastMessageAnswer() = 0;
        ClickCalculate();
    }
};

// --- Worked examples ------------------------------------------------------

TEST_F(CalculateTest, PowderForAFreeTargetOfFortyInTwentyThreeLitres) {
    Choose(Ui().optPowder);
    Select(Ui().cboForm, kPotassium);
    Select(Ui().cboBatch, kLitres);
    Select(Ui().cboTarget, kFreeTarget);
    Type(Ui().txtExistSO2, "10");
    Type(Ui().txtTargetSO2, "40");
    Type(Ui().txtBatchSize, "23");
    Type(Ui().txtPh, "3.5");
    Calculate();
    EXPECT_TRUE(boxes_.Shown().empty()) << boxes_.Texts().join('|').toStdString();
    EXPECT_EQ(Ui().txtTargetMolSO2->text(), "0.78");
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.20");
    EXPECT_EQ(Ui().lblSO2Requirement->text(), "30.00");
    EXPECT_EQ(Ui().lblMolSO2Requirement->text(), "0.59");
    EXPECT_EQ(Ui().lblAddition->text(), "1.19");
    EXPECT_EQ(Ui().lblAdd->text(), "g");
    EXPECT_EQ(Ui().lblAddition2->text(), "0.19");
    EXPECT_EQ(Ui().lblTeaspoons->text(), "tsp");
    EXPECT_EQ(Ui().txtTargetSO2->text(), "40");
}

TEST_F(CalculateTest, TabletsForAMolecularTargetAndBackToTheFreeTarget) {
    Choose(Ui().optTablet);
    Select(Ui().cboForm, kPotassium);
    Select(Ui().cboBatch, kLitres);
    Select(Ui().cboTarget, kMolecularTarget);
    Type(Ui().txtTargetMolSO2, "0.8");
    Type(Ui().txtExistSO2, "0");
    Type(Ui().txtPh, "3.5");
    Type(Ui().txtBatchSize, "23");
    Type(Ui().txtTabWeight, "0.44");
    Calculate();
    EXPECT_TRUE(boxes_.Shown().empty()) << boxes_.Texts().join('|').toStdString();
    EXPECT_EQ(Ui().txtTargetSO2->text(), "40.89");
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.00");
    EXPECT_EQ(Ui().lblSO2Requirement->text(), "40.89");
    EXPECT_EQ(Ui().lblMolSO2Requirement->text(), "0.80");
    EXPECT_EQ(Ui().lblAddition->text(), "3.70");
    EXPECT_EQ(Ui().lblAdd->text(), "tablets");
    EXPECT_EQ(Ui().lblAddition2->text(), "");
    EXPECT_FALSE(Ui().lblAddition2->isVisible());
    EXPECT_EQ(Ui().txtTargetMolSO2->text(), "0.8");

    // The computed free target becomes the input of the next calculation.
    Select(Ui().cboTarget, kFreeTarget);
    EXPECT_EQ(Ui().txtTargetSO2->text(), "40.89");
    EXPECT_TRUE(Ui().txtTargetSO2->isEnabled());
    Calculate();
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(Ui().lblAddition->text(), "3.70");
}

// --- Input checks ---------------------------------------------------------

struct CheckRow {
    const char* method;
    const char* target;
    const char* field;
    const char* text;
    const char* message;
    const char* focus;
};

class CalculateCheckTest : public CalculateTest, public ::testing::WithParamInterface<CheckRow> {};

TEST_P(CalculateCheckTest, WarnsOnceFocusesTheFieldAndLeavesTheResults) {
    const CheckRow& row = GetParam();
    Prepare(row.method, row.target);
    Put(Field(row.field), row.text);
    MarkResults();
    const QStringList before = Results();
    Ui().cboTarget->setFocus();

    Calculate();

    ASSERT_EQ(boxes_.Shown().size(), 1U) << boxes_.Texts().join('|').toStdString();
    const testing::ShownBox& box = boxes_.Shown().front();
    EXPECT_EQ(box.text, row.message);
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(LastMessageAnswer(), 1);
    EXPECT_EQ(Name(QApplication::focusWidget()), row.focus);
    QStringList after = Results();
    if (row.target == std::string(kMolecularTarget)) {
        // The existing molecular figure is refreshed before the checks.
        after[0] = before[0];
    }
    EXPECT_EQ(after, before);
}

constexpr char kExistingAboveTarget[] = "Existing SO2 cannot be greater than target SO2.";

INSTANTIATE_TEST_SUITE_P(
    Checks, CalculateCheckTest,
    ::testing::Values(
        CheckRow{"optSolution", kFreeTarget, "txtSolution", "", "Please enter solution percentage.",
                 "txtSolution"},
        CheckRow{"optSolution", kFreeTarget, "txtSolution", "abc",
                 "Solution percentage must be numeric.", "txtSolution"},
        CheckRow{"optSolution", kFreeTarget, "txtSolution", "-1",
                 "Solution % must be between 0 and 100.", "txtSolution"},
        CheckRow{"optSolution", kFreeTarget, "txtSolution", "100.5",
                 "Solution % must be between 0 and 100.", "txtSolution"},
        CheckRow{"optTablet", kFreeTarget, "txtTabWeight", "", "Please enter tablet weight.",
                 "txtTabWeight"},
        CheckRow{"optTablet", kFreeTarget, "txtTabWeight", "1.2.3",
                 "Tablet weight must be numeric.", "txtTabWeight"},
        CheckRow{"optTablet", kFreeTarget, "txtTabWeight", "-0.01",
                 "Tablet weight cannot be less than 0.", "txtTabWeight"},
        CheckRow{"optPowder", kFreeTarget, "txtBatchSize", "", "Please enter batch size.",
                 "txtBatchSize"},
        CheckRow{"optPowder", kFreeTarget, "txtBatchSize", "2 3", "Batch size must be numeric.",
                 "txtBatchSize"},
        CheckRow{"optPowder", kFreeTarget, "txtBatchSize", "0",
                 "Batch size must be greater than 0.", "txtBatchSize"},
        CheckRow{"optPowder", kFreeTarget, "txtBatchSize", "-5",
                 "Batch size must be greater than 0.", "txtBatchSize"},
        CheckRow{"optPowder", kMolecularTarget, "txtPh", "", "Please enter pH.", "txtPh"},
        CheckRow{"optPowder", kMolecularTarget, "txtPh", ".", "pH must be numeric.", "txtPh"},
        CheckRow{"optPowder", kMolecularTarget, "txtPh", "0.99", "pH must be between 1 and 14.",
                 "txtPh"},
        CheckRow{"optPowder", kMolecularTarget, "txtPh", "14.01", "pH must be between 1 and 14.",
                 "txtPh"},
        CheckRow{"optPowder", kFreeTarget, "txtExistSO2", "", "Please enter existing SO2.",
                 "txtExistSO2"},
        CheckRow{"optPowder", kFreeTarget, "txtExistSO2", "1,5", "Existing SO2 must be numeric.",
                 "txtExistSO2"},
        CheckRow{"optPowder", kFreeTarget, "txtTargetSO2", "", "Please enter target SO2.",
                 "txtTargetSO2"},
        CheckRow{"optPowder", kFreeTarget, "txtTargetSO2", "forty", "Target SO2 must be numeric.",
                 "txtTargetSO2"},
        CheckRow{"optPowder", kMolecularTarget, "txtTargetMolSO2", "", "Please enter target SO2.",
                 "txtTargetMolSO2"},
        CheckRow{"optPowder", kMolecularTarget, "txtTargetMolSO2", "abc",
                 "Target SO2 must be numeric.", "txtTargetMolSO2"},
        CheckRow{"optPowder", kFreeTarget, "txtTargetSO2", "9.99", kExistingAboveTarget,
                 "txtTargetSO2"},
        // 10 mg/L at pH 3.5 shows 0.20 molecular.
        CheckRow{"optPowder", kMolecularTarget, "txtTargetMolSO2", "0.19", kExistingAboveTarget,
                 "txtTargetMolSO2"}));

TEST_F(CalculateTest, TwoProblemsAtOnceReportOnlyTheFirst) {
    Prepare("optPowder", kFreeTarget);
    Put(Ui().txtBatchSize, "");
    Put(Ui().txtExistSO2, "");
    Calculate();
    EXPECT_EQ(boxes_.Texts(), QStringList{"Please enter batch size."});
    EXPECT_EQ(Name(QApplication::focusWidget()), "txtBatchSize");
}

TEST_F(CalculateTest, AFailedMolecularCheckStillRefreshesTheExistingMolecularFigure) {
    Prepare("optPowder", kMolecularTarget);
    Put(Ui().txtBatchSize, "0");
    MarkResults();
    Calculate();
    EXPECT_EQ(boxes_.Texts(), QStringList{"Batch size must be greater than 0."});
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.20");
    EXPECT_EQ(Ui().lblAddition->text(), "5.55");
}

// --- Plausibility questions -----------------------------------------------

struct QuestionRow {
    const char* method;
    const char* target;
    const char* field;
    const char* text;
    const char* question;
    const char* freeRequirement;  // shown once Yes lets the calculation run
    // Without existing SO2, so that the molecular target stays above it at
    // any pH.
    const char* existing = "10";
};

class CalculateQuestionTest : public CalculateTest,
                              public ::testing::WithParamInterface<QuestionRow> {};

TEST_P(CalculateQuestionTest, NoFocusesTheFieldAndClearsTheAmounts) {
    const QuestionRow& row = GetParam();
    Prepare(row.method, row.target);
    Put(Ui().txtExistSO2, row.existing);
    Put(Field(row.field), row.text);
    MarkResults();
    boxes_.QueueAnswer(MessageAnswer::No);

    Calculate();

    ASSERT_EQ(boxes_.Shown().size(), 1U) << boxes_.Texts().join('|').toStdString();
    const testing::ShownBox& box = boxes_.Shown().front();
    EXPECT_EQ(box.text, row.question);
    EXPECT_EQ(box.icon, MessageIcon::Question);
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(LastMessageAnswer(), 7);
    EXPECT_EQ(Name(QApplication::focusWidget()), row.field);
    EXPECT_EQ(Ui().lblAddition->text(), "0.00");
    EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
    // Nothing was computed.
    EXPECT_EQ(Ui().lblSO2Requirement->text(), "8.88");
    EXPECT_EQ(Ui().lblMolSO2Requirement->text(), "9.99");
}

TEST_P(CalculateQuestionTest, YesGoesOnToTheCalculation) {
    const QuestionRow& row = GetParam();
    Prepare(row.method, row.target);
    Put(Ui().txtExistSO2, row.existing);
    Put(Field(row.field), row.text);
    MarkResults();
    boxes_.QueueAnswer(MessageAnswer::Yes);

    Calculate();

    EXPECT_EQ(boxes_.Texts(), QStringList{row.question});
    EXPECT_EQ(LastMessageAnswer(), 6);
    EXPECT_EQ(Ui().lblSO2Requirement->text(), row.freeRequirement);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, CalculateQuestionTest,
    ::testing::Values(
        QuestionRow{"optTablet", kFreeTarget, "txtTabWeight", "1.01",
                    "Tablet weight appears high. Are you sure it is correct?", "30.00"},
        QuestionRow{"optSolution", kFreeTarget, "txtSolution", "60",
                    "Solution percentage appears high. Are you sure it is correct?", "30.00"},
        QuestionRow{"optSolution", kFreeTarget, "txtSolution", "100",
                    "Solution percentage appears high. Are you sure it is correct?", "30.00"},
        QuestionRow{"optPowder", kMolecularTarget, "txtPh", "1.5",
                    "pH appears low. Are you sure it is correct?", "1.20", "0"},
        QuestionRow{"optPowder", kMolecularTarget, "txtPh", "1",
                    "pH appears low. Are you sure it is correct?", "0.93", "0"},
        QuestionRow{"optPowder", kMolecularTarget, "txtPh", "5.01",
                    "pH appears high. Are you sure it is correct?", "1298.25", "0"},
        QuestionRow{"optPowder", kMolecularTarget, "txtPh", "14",
                    "pH appears high. Are you sure it is correct?", "1267915000000.00", "0"}));

TEST_F(CalculateTest, AYesLeadsToTheNextQuestion) {
    Prepare("optSolution", kMolecularTarget);
    Put(Ui().txtSolution, "60");
    Put(Ui().txtPh, "1.5");
    Put(Ui().txtExistSO2, "0");
    MarkResults();
    boxes_.QueueAnswer(MessageAnswer::Yes);
    boxes_.QueueAnswer(MessageAnswer::No);
    Calculate();
    EXPECT_EQ(boxes_.Texts(),
              (QStringList{"Solution percentage appears high. Are you sure it is correct?",
                           "pH appears low. Are you sure it is correct?"}));
    EXPECT_EQ(LastMessageAnswer(), 7);
    EXPECT_EQ(Name(QApplication::focusWidget()), "txtPh");
    EXPECT_EQ(Ui().lblAddition->text(), "0.00");
    EXPECT_EQ(Ui().lblSO2Requirement->text(), "8.88");
}

// --- Inputs that pass without a word ----------------------------------------

struct QuietRow {
    const char* name;
    const char* method;
    const char* target;
    const char* field;
    const char* text;
    const char* freeRequirement;  // what the calculation then shows
    const char* amount;
    const char* existing = "10";
};

class CalculateQuietTest : public CalculateTest, public ::testing::WithParamInterface<QuietRow> {};

TEST_P(CalculateQuietTest, AsksNothingAndCalculates) {
    const QuietRow& row = GetParam();
    Prepare(row.method, row.target);
    Put(Ui().txtExistSO2, row.existing);
    Put(Field(row.field), row.text);
    MarkResults();
    Calculate();
    EXPECT_TRUE(boxes_.Shown().empty()) << boxes_.Texts().join('|').toStdString();
    EXPECT_EQ(LastMessageAnswer(), 0);
    EXPECT_EQ(Ui().lblSO2Requirement->text(), row.freeRequirement);
    EXPECT_EQ(Ui().lblAddition->text(), row.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Quiet, CalculateQuietTest,
    ::testing::Values(
        // 30 mg/L in 23 litres is 0.69 g of SO2.
        QuietRow{"TabletOfOneGram", "optTablet", kFreeTarget, "txtTabWeight", "1", "30.00", "1.19"},
        QuietRow{"TabletOfNothing", "optTablet", kFreeTarget, "txtTabWeight", "0", "30.00", "0.00"},
        QuietRow{"SolutionOfFifty", "optSolution", kFreeTarget, "txtSolution", "50", "30.00",
                 "2.39"},
        QuietRow{"SolutionOfNothing", "optSolution", kFreeTarget, "txtSolution", "0", "30.00",
                 "0.00"},
        QuietRow{"PhOfTwo", "optPowder", kMolecularTarget, "txtPh", "2", "2.07", "0.08", "0"},
        QuietRow{"PhOfFive", "optPowder", kMolecularTarget, "txtPh", "5", "1268.72", "50.53", "0"},
        QuietRow{"LowPhForAFreeTarget", "optPowder", kFreeTarget, "txtPh", "1.5", "30.00", "1.19"},
        QuietRow{"NoPhForAFreeTarget", "optPowder", kFreeTarget, "txtPh", "", "30.00", "1.19"},
        QuietRow{"TargetEqualToExisting", "optPowder", kFreeTarget, "txtTargetSO2", "10", "0.00",
                 "0.00"},
        QuietRow{"UnusedSolutionField", "optPowder", kFreeTarget, "txtSolution", "", "30.00",
                 "1.19"},
        QuietRow{"UnusedTabletField", "optSolution", kFreeTarget, "txtTabWeight", "x", "30.00",
                 "11.95"},
        QuietRow{"UnusedMolecularTarget", "optPowder", kFreeTarget, "txtTargetMolSO2", "", "30.00",
                 "1.19"}),
    [](const ::testing::TestParamInfo<QuietRow>& info) { return std::string(info.param.name); });

TEST_F(CalculateTest, AnEmptyPhCountsAsZeroForAFreeTarget) {
    Prepare("optPowder", kFreeTarget);
    Put(Ui().txtPh, "");
    Calculate();
    EXPECT_TRUE(boxes_.Shown().empty());
    // At pH 0 nearly all free SO2 is molecular.
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "9.84");
}

TEST_F(CalculateTest, AMolecularTargetJustAboveTheShownExistingLevelGivesNoAmount) {
    Prepare("optPowder", kMolecularTarget);
    Put(Ui().txtExistSO2, "10.47");
    Put(Ui().txtTargetMolSO2, "0.20");
    Put(Ui().txtBatchSize, "100");
    Calculate();
    EXPECT_TRUE(boxes_.Shown().empty()) << boxes_.Texts().join('|').toStdString();
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.20");
    EXPECT_EQ(Ui().lblSO2Requirement->text(), "-0.25");
    EXPECT_EQ(Ui().lblAddition->text(), "0.00");
    EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
}

TEST_F(CalculateTest, AMolecularTargetWithTheFreeTargetEmptiedChangesNothing) {
    Prepare("optPowder", kFreeTarget);
    Put(Ui().txtTargetSO2, "");
    Select(Ui().cboTarget, kMolecularTarget);
    MarkResults();
    Calculate();
    EXPECT_TRUE(boxes_.Shown().empty()) << boxes_.Texts().join('|').toStdString();
    EXPECT_EQ(Results(), (QStringList{"0.20", "8.88", "9.99", "5.55", "6.66", "", "0.8"}));
}

TEST_F(CalculateTest, NoSulphiteFormGivesNoAmount) {
    Prepare("optPowder", kFreeTarget);
    Ui().cboForm->setCurrentIndex(-1);
    MarkResults();
    Calculate();
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(Ui().lblSO2Requirement->text(), "30.00");
    EXPECT_EQ(Ui().lblAddition->text(), "0.00");
    EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
}

TEST_F(CalculateTest, TheDesignedWindowWithNothingSelectedCalculatesNoAmount) {
    MarkResults();
    Calculate();
    EXPECT_TRUE(boxes_.Shown().empty()) << boxes_.Texts().join('|').toStdString();
    EXPECT_EQ(Ui().lblAddition->text(), "0.00");
    EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
    EXPECT_EQ(Ui().txtTargetSO2->text(), "0.00");
    EXPECT_EQ(Ui().txtTargetMolSO2->text(), "0.00");
}

TEST_F(CalculateTest, AComputedTargetLongerThanTenCharactersIsShownWhole) {
    Prepare("optPowder", kMolecularTarget);
    Put(Ui().txtPh, "14");
    Put(Ui().txtTargetMolSO2, "1");
    Calculate();
    EXPECT_EQ(boxes_.Texts(), QStringList{"pH appears high. Are you sure it is correct?"});
    // 1 mg/L molecular at pH 14 needs about 1.58e12 mg/L free.
    EXPECT_EQ(Ui().txtTargetSO2->text(), "1584893000000.00");
}

}  // namespace
}  // namespace korvane
