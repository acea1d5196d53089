// What the main window's controls do between two calculations: choosing a
// method or a target kind, changing a field, leaving the existing SO2, the
// spin arrows beside each field and the keys a field takes.
#include "main_window_fixture.h"

namespace korvane {
namespace {

class MainWindowControlsTest : public MainWindowTest {
  protected:
    void SetUp() override { ShowActive(); }

    QColor Background(const char* field) {
        return Box(field)->palette().color(QPalette::Active, QPalette::Base);
    }
};

// --- Addition method ----------------------------------------------------------

struct MethodRow {
    const char* option;
    bool solution;   // txtSolution, lblPercent, vsbPercent enabled
    bool tablet;     // txtTabWeight, lblTabWeight, vsbTabWeight enabled
    bool teaspoons;  // lblAddition2 and lblTeaspoons shown
    const char* unit;
};

TEST_F(MainWindowControlsTest, EachMethodEnablesItsFieldsShowsItsUnitsAndClearsTheAmounts) {
    const MethodRow tablet{"optTablet", false, true, false, "tablets"};
    const MethodRow powder{"optPowder", false, false, true, "g"};
    const MethodRow solution{"optSolution", true, false, true, "ml"};
    Put("txtSolution", "12");
    Put("txtTabWeight", "0.5");
    // Every change between two methods, both ways.
    for (const MethodRow& row : {tablet, powder, solution, tablet, solution, powder, tablet}) {
        SCOPED_TRACE(row.option);
        FillAmounts();
        Choose(row.option);
        for (const char* control : {"txtSolution", "lblPercent", "vsbPercent"}) {
            EXPECT_EQ(Find(control)->isEnabled(), row.solution) << control;
        }
        for (const char* control : {"txtTabWeight", "lblTabWeight", "vsbTabWeight"}) {
            EXPECT_EQ(Find(control)->isEnabled(), row.tablet) << control;
        }
        EXPECT_EQ(Label("lblAddition2")->isVisible(), row.teaspoons);
        EXPECT_EQ(Label("lblTeaspoons")->isVisible(), row.teaspoons);
        EXPECT_EQ(Label("lblAdd")->text(), row.unit);
        EXPECT_EQ(Label("lblTeaspoons")->text(), "tsp");
        EXPECT_EQ(Amounts(), Cleared());
        // Greyed fields keep their numbers for the next time they are used.
        EXPECT_EQ(Box("txtSolution")->text(), "12");
        EXPECT_EQ(Box("txtTabWeight")->text(), "0.5");
    }
}

TEST_F(MainWindowControlsTest, ArrowKeysMoveThroughTheMethods) {
    Option("optPowder")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Option("optPowder"), Qt::Key_Down);
    EXPECT_TRUE(Option("optSolution")->isChecked());
    EXPECT_EQ(Label("lblAdd")->text(), "ml");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(Option("optTablet")->isChecked());
    EXPECT_TRUE(Box("txtTabWeight")->isEnabled());
}

// --- Target kind and other changes ------------------------------------------------

TEST_F(MainWindowControlsTest, TheTargetKindMakesOneTargetTheInputAndGreysTheOther) {
    Put("txtExistSO2", "10");
    Put("txtTargetSO2", "40");
    Put("txtTargetMolSO2", "0.78");
    const QColor editable = QApplication::palette().color(QPalette::Active, QPalette::Base);
    for (const char* target : {kMolecularTarget, kFreeTarget, kMolecularTarget}) {
        SCOPED_TRACE(target);
        const bool free = QString(target) == kFreeTarget;
        FillAmounts();
        Select("cboTarget", target);
        EXPECT_EQ(Box("txtTargetSO2")->isEnabled(), free);
        EXPECT_EQ(Bar("vsbTargetSO2")->isEnabled(), free);
        EXPECT_EQ(Box("txtTargetMolSO2")->isEnabled(), !free);
        EXPECT_EQ(Bar("vsbTargetMolSO2")->isEnabled(), !free);
        EXPECT_EQ(Background("txtTargetSO2"), free ? editable : kLightGrey);
        EXPECT_EQ(Background("txtTargetMolSO2"), free ? kLightGrey : editable);
        EXPECT_EQ(Amounts(), Cleared());
        // Both keep their numbers; the existing molecular figure waits for
        // the next Calculate or the next leaving of the existing SO2.
        EXPECT_EQ(Box("txtTargetSO2")->text(), "40");
        EXPECT_EQ(Box("txtTargetMolSO2")->text(), "0.78");
        EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.00");
    }
}

// Any change of a field, or of the form or unit, clears the amounts and
// only them.
TEST_F(MainWindowControlsTest, AnyChangeClearsOnlyTheAmounts) {
    // clang-format off
    const std::pair<const char*, const char*> changes[] = {
        {"txtExistSO2", "7"}, {"txtTargetSO2", "7"}, {"txtTargetMolSO2", "7"},
        {"txtBatchSize", "7"}, {"txtPh", "7"}, {"txtSolution", "7"}, {"txtTabWeight", "7"},
        {"cboForm", "Sodium Metabisulphite"}, {"cboBatch", "U.S. Gal."}, {"cboBatch", "Imp. Gal."}};
    // clang-format on
    for (const auto& [control, change] : changes) {
        SCOPED_TRACE(control);
        PutExample("optPowder", kFreeTarget);
        ClickCalculate();
        ASSERT_EQ(Label("lblAddition")->text(), "1.19");
        QString(control).startsWith("cbo") ? Select(control, change) : Put(control, change);
        EXPECT_EQ(Amounts(), Cleared());
        EXPECT_EQ(Label("lblSO2Requirement")->text(), "30.00");
        EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.20");
    }
}

// --- Fields ---------------------------------------------------------------------

TEST_F(MainWindowControlsTest, AFieldDropsWhatIsNoNumberAndSoKeepsTheAmounts) {
    Box("txtPh")->clear();
    FillAmounts();
    QTest::keyClicks(Box("txtPh"), "x-,");
    EXPECT_EQ(Box("txtPh")->text(), "");
    EXPECT_EQ(Amounts(), (QStringList{"5.55", "6.66"}));
    QTest::keyClicks(Box("txtPh"), "3a.5");
    EXPECT_EQ(Box("txtPh")->text(), "3.5");
    EXPECT_EQ(Amounts(), Cleared());
}

// --- Leaving the existing SO2 -------------------------------------------------

class LeavingExistingSO2Test : public MainWindowControlsTest {
  protected:
    void TypeExisting(const char* target) {
        Select("cboTarget", target);
        Box("txtExistSO2")->setFocus();
        Type("txtExistSO2", "10");
        FillAmounts();
    }
};

TEST_F(LeavingExistingSO2Test, TabRefreshesTheMolecularFigureOnlyForAMolecularTarget) {
    TypeExisting(kFreeTarget);
    QTest::keyClick(Box("txtExistSO2"), Qt::Key_Tab);
    EXPECT_EQ(FocusName(), "txtTargetSO2");
    EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.00");

    TypeExisting(kMolecularTarget);
    QTest::keyClick(Box("txtExistSO2"), Qt::Key_Tab);
    EXPECT_EQ(FocusName(), "txtTargetMolSO2");
    EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.20");
    // The figure alone changes: no amount cleared, no field rewritten.
    EXPECT_EQ(Amounts(), (QStringList{"5.55", "6.66"}));
    EXPECT_EQ(Box("txtExistSO2")->text(), "10");
    // Another pH alone does not refresh it.
    Type("txtPh", "3");
    EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.20");
}

TEST_F(LeavingExistingSO2Test, ClickingAnotherFieldsArrowLeavesTheFieldBeforeTheStep) {
    TypeExisting(kMolecularTarget);
    ClickArrow(Bar("vsbPh"), Arrow::Upper);
    EXPECT_EQ(Box("txtPh")->text(), "3.6");
    // Refreshed with the pH before the step: 3.6 would show 0.16.
    EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.20");
}

TEST_F(LeavingExistingSO2Test, SwitchingToAnotherWindowIsNoLeaving) {
    TypeExisting(kMolecularTarget);
    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.00");

    // Back in the window the focus is still in the field; a click elsewhere
    // now leaves it.
    ShowActive();
    EXPECT_EQ(FocusName(), "txtExistSO2");
    EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.00");
    QTest::mouseClick(Box("txtPh"), Qt::LeftButton);
    EXPECT_EQ(FocusName(), "txtPh");
    EXPECT_EQ(Label("lblExistMolSO2")->text(), "0.20");
}

// --- Spin arrows ----------------------------------------------------------------

// One step of each field's arrows, each with the step size and pattern of
// its own quantity.
struct StepRow {
    const char* field;
    const char* bar;
    const char* makesItAnInput = nullptr;  // the option or target entry that makes it one
    const char* before;
    Arrow arrow;
    const char* after;
};

void PrintTo(const StepRow& row, std::ostream* out) {
    *out << row.field << " \"" << row.before << '"';
}

class SpinArrowTest : public MainWindowControlsTest,
                      public ::testing::WithParamInterface<StepRow> {};

TEST_P(SpinArrowTest, StepsTheNumberFocusesTheFieldAndClearsTheAmounts) {
    const StepRow& row = GetParam();
    const QString input = row.makesItAnInput;
    if (input.startsWith("opt")) {
        Choose(row.makesItAnInput);
    } else if (!input.isEmpty()) {
        Select("cboTarget", input);
    }
    Put(row.field, row.before);
    FillAmounts();
    List("cboForm")->setFocus();

    ClickArrow(Bar(row.bar), row.arrow);

    EXPECT_EQ(Box(row.field)->text(), row.after);
    EXPECT_EQ(FocusName(), row.field);
    EXPECT_EQ(Bar(row.bar)->value(), 0);
    EXPECT_EQ(Amounts(), Cleared());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EachField, SpinArrowTest, ::testing::Values(
    StepRow{.field = "txtExistSO2", .bar = "vsbExistSO2", .before = "0.00", .arrow = Arrow::Upper,
            .after = "1.00"},
    StepRow{.field = "txtTargetSO2", .bar = "vsbTargetSO2", .before = "40", .arrow = Arrow::Lower,
            .after = "39.00"},
    StepRow{.field = "txtTargetMolSO2", .bar = "vsbTargetMolSO2",
            .makesItAnInput = kMolecularTarget, .before = "0.80", .arrow = Arrow::Upper,
            .after = "0.81"},
    StepRow{.field = "txtBatchSize", .bar = "vsbBatchSize", .before = "23", .arrow = Arrow::Upper,
            .after = "24"},
    StepRow{.field = "txtPh", .bar = "vsbPh", .before = "3.5", .arrow = Arrow::Upper,
            .after = "3.6"},
    StepRow{.field = "txtSolution", .bar = "vsbPercent", .makesItAnInput = "optSolution",
            .before = "10", .arrow = Arrow::Upper, .after = "11"},
    StepRow{.field = "txtTabWeight", .bar = "vsbTabWeight", .makesItAnInput = "optTablet",
            .before = "0.44", .arrow = Arrow::Lower, .after = "0.43"}));
// clang-format on

}  // namespace
}  // namespace korvane
