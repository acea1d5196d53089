// Choosing the addition method, the target kind, the sulphite form and the
// batch unit, and leaving the existing SO2 field: which fields become inputs,
// what is shown in which unit, and what is cleared or refreshed.
#include "main_window_fixture.h"

namespace korvane {
namespace {

const QColor kLightGrey(224, 224, 224);

QColor EditableBackground() {
    return QApplication::palette().color(QPalette::Base);
}

class SelectorsTest : public MainWindowTest {
  protected:
    void SetUp() override { ShowActive(); }

    // Example inputs, calculated: 10 mg/L raised to 40 in 23 litres at
    // pH 3.5 with potassium metabisulphite powder.
    void CalculateExample() {
        Select(Ui().cboForm, kPotassium);
        Select(Ui().cboBatch, kLitres);
        Select(Ui().cboTarget, kFreeTarget);
        Put(Ui().txtExistSO2, "10");
        Put(Ui().txtTargetSO2, "40");
        ClickCalculate();
        ASSERT_TRUE(boxes_.Shown().empty());
        ASSERT_EQ(Ui().lblAddition->text(), "1.19");
    }
};

// --- Addition method --------------------------------------------------------

struct MethodRow {
    const char* option;
    bool solution;   // txtSolution, lblPercent, vsbPercent enabled
    bool tablet;     // txtTabWeight, lblTabWeight, vsbCampden enabled
    bool teaspoons;  // lblAddition2 and lblTeaspoons shown
    const char* unit;
};

const MethodRow kTablet{"optTablet", false, true, false, "tablets"};
const MethodRow kPowder{"optPowder", false, false, true, "g"};
const MethodRow kSolution{"optSolution", true, false, true, "ml"};

TEST_F(SelectorsTest, EachMethodEnablesItsFieldsShowsItsUnitsAndClearsTheAmounts) {
    // Every change between two methods, in both directions.
    for (const MethodRow& row :
         {kTablet, kPowder, kSolution, kTablet, kSolution, kPowder, kTablet}) {
        SCOPED_TRACE(row.option);
        FillAmounts();
        Choose(Window().findChild<QRadioButton*>(row.option));
        EXPECT_EQ(Ui().txtSolution->isEnabled(), row.solution);
        EXPECT_EQ(Ui().lblPercent->isEnabled(), row.solution);
        EXPECT_EQ(Ui().vsbPercent->isEnabled(), row.solution);
        EXPECT_EQ(Ui().txtTabWeight->isEnabled(), row.tablet);
        EXPECT_EQ(Ui().lblTabWeight->isEnabled(), row.tablet);
        EXPECT_EQ(Ui().vsbCampden->isEnabled(), row.tablet);
        EXPECT_EQ(Ui().lblAddition2->isVisible(), row.teaspoons);
        EXPECT_EQ(Ui().lblTeaspoons->isVisible(), row.teaspoons);
        EXPECT_EQ(Ui().lblAdd->text(), row.unit);
        if (row.teaspoons) {
            EXPECT_EQ(Ui().lblTeaspoons->text(), "tsp");
        }
        // Greyed, never hidden; the unit captions of the fields stay.
        EXPECT_TRUE(Ui().txtSolution->isVisible());
        EXPECT_TRUE(Ui().txtTabWeight->isVisible());
        EXPECT_EQ(Ui().lblPercent->text(), "%");
        EXPECT_EQ(Ui().lblTabWeight->text(), "g");
        EXPECT_EQ(Ui().lblAddition->text(), "0.00");
        EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
    }
}

TEST_F(SelectorsTest, ArrowKeysMoveThroughTheMethods) {
    Ui().optPowder->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Ui().optPowder, Qt::Key_Down);
    EXPECT_TRUE(Ui().optSolution->isChecked());
    EXPECT_TRUE(Ui().txtSolution->isEnabled());
    EXPECT_EQ(Ui().lblAdd->text(), "ml");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(Ui().optTablet->isChecked());
    EXPECT_EQ(Ui().lblAdd->text(), "tablets");
}

TEST_F(SelectorsTest, MethodFieldsKeepTheirTextsWhileGreyed) {
    Choose(Ui().optTablet);
    Type(Ui().txtTabWeight, "0.5");
    Choose(Ui().optSolution);
    Type(Ui().txtSolution, "12");
    Choose(Ui().optPowder);
    EXPECT_EQ(Ui().txtTabWeight->text(), "0.5");
    EXPECT_EQ(Ui().txtSolution->text(), "12");
    Choose(Ui().optTablet);
    EXPECT_EQ(Ui().txtTabWeight->text(), "0.5");
    EXPECT_TRUE(Ui().txtTabWeight->isEnabled());
}

// --- Target kind ------------------------------------------------------------

TEST_F(SelectorsTest, TheTargetKindDecidesWhichTargetIsTheInput) {
    Put(Ui().txtExistSO2, "10");
    Put(Ui().txtTargetSO2, "40");
    Put(Ui().txtTargetMolSO2, "0.78");
    struct Row {
        const char* target;
        bool freeInput;
    };
    for (const Row& row :
         {Row{kMolecularTarget, false}, Row{kFreeTarget, true}, Row{kMolecularTarget, false}}) {
        SCOPED_TRACE(row.target);
        FillAmounts();
        Select(Ui().cboTarget, row.target);
        EXPECT_EQ(Ui().txtTargetSO2->isEnabled(), row.freeInput);
        EXPECT_EQ(Ui().vsbTargetSO2->isEnabled(), row.freeInput);
        EXPECT_EQ(Ui().txtTargetMolSO2->isEnabled(), !row.freeInput);
        EXPECT_EQ(Ui().vsbTargetMolSO2->isEnabled(), !row.freeInput);
        EXPECT_EQ(Ui().txtTargetSO2->palette().color(QPalette::Base),
                  row.freeInput ? EditableBackground() : kLightGrey);
        EXPECT_EQ(Ui().txtTargetMolSO2->palette().color(QPalette::Base),
                  row.freeInput ? kLightGrey : EditableBackground());
        // Both keep their numbers; the existing molecular figure waits for
        // the next Calculate or the next leaving of the existing SO2.
        EXPECT_EQ(Ui().txtTargetSO2->text(), "40");
        EXPECT_EQ(Ui().txtTargetMolSO2->text(), "0.78");
        EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.00");
        EXPECT_EQ(Ui().lblAddition->text(), "0.00");
        EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
    }
}

// --- Sulphite form and batch unit -------------------------------------------

TEST_F(SelectorsTest, AnotherFormOrUnitClearsOnlyTheAmounts) {
    const std::pair<QComboBox*, const char*> rows[] = {
        {Ui().cboForm, kSodium}, {Ui().cboBatch, "U.S. Gal."}, {Ui().cboBatch, "Imp. Gal."}};
    for (const auto& [list, entry] : rows) {
        SCOPED_TRACE(entry);
        CalculateExample();
        Select(list, entry);
        EXPECT_EQ(Ui().lblAddition->text(), "0.00");
        EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
        EXPECT_EQ(Ui().lblSO2Requirement->text(), "30.00");
        EXPECT_EQ(Ui().lblMolSO2Requirement->text(), "0.59");
        EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.20");
        EXPECT_EQ(Ui().txtTargetMolSO2->text(), "0.78");
    }
}

// --- Leaving the existing SO2 -----------------------------------------------

TEST_F(SelectorsTest, TabOutOfExistingSO2RefreshesTheMolecularFigureForAMolecularTarget) {
    Select(Ui().cboTarget, kMolecularTarget);
    Ui().txtExistSO2->setFocus();
    Type(Ui().txtExistSO2, "10");
    FillAmounts();
    QTest::keyClick(Ui().txtExistSO2, Qt::Key_Tab);
    EXPECT_EQ(Name(QApplication::focusWidget()), "txtTargetMolSO2");
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.20");
    // The figure alone changes: no amounts cleared, no field reformatted.
    EXPECT_EQ(Ui().lblAddition->text(), "5.55");
    EXPECT_EQ(Ui().txtExistSO2->text(), "10");

    // A new pH alone does not refresh it.
    Type(Ui().txtPh, "3");
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.20");
}

TEST_F(SelectorsTest, TabOutOfExistingSO2ChangesNothingForAFreeTarget) {
    Select(Ui().cboTarget, kFreeTarget);
    Ui().txtExistSO2->setFocus();
    Type(Ui().txtExistSO2, "10");
    QTest::keyClick(Ui().txtExistSO2, Qt::Key_Tab);
    EXPECT_EQ(Name(QApplication::focusWidget()), "txtTargetSO2");
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.00");
}

TEST_F(SelectorsTest, LeavingExistingSO2WithUnreadableEntriesShowsAFigureAndGoesOn) {
    Select(Ui().cboTarget, kMolecularTarget);
    for (const char* text : {"", ".", "1.2.3"}) {
        SCOPED_TRACE(text);
        Ui().txtExistSO2->setFocus();
        Put(Ui().txtExistSO2, text);
        Put(Ui().txtPh, "abc");
        QTest::keyClick(Ui().txtExistSO2, Qt::Key_Tab);
        EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.00");
    }
    Ui().txtExistSO2->setFocus();
    Put(Ui().txtExistSO2, "10");
    Put(Ui().txtPh, "9999999999");
    QTest::keyClick(Ui().txtExistSO2, Qt::Key_Tab);
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.00");
}

TEST_F(SelectorsTest, ClickingAnotherFieldsArrowLeavesExistingSO2BeforeTheStep) {
    Select(Ui().cboTarget, kMolecularTarget);
    Ui().txtExistSO2->setFocus();
    Type(Ui().txtExistSO2, "10");
    ClickArrow(Ui().vsbPh, Arrow::Upper);
    EXPECT_EQ(Ui().txtPh->text(), "3.6");
    // Refreshed with the pH before the step: 3.6 would give 0.16.
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.20");
}

TEST_F(SelectorsTest, SwitchingToAnotherWindowDoesNotRefresh) {
    Select(Ui().cboTarget, kMolecularTarget);
    Ui().txtExistSO2->setFocus();
    Type(Ui().txtExistSO2, "10");

    QWidget other;
    other.setWindowTitle("Other");
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_NE(QApplication::focusWidget(), Ui().txtExistSO2);
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.00");

    // Back in the window, the focus is still in the field; leaving it now
    // counts.
    ShowActive();
    EXPECT_EQ(Name(QApplication::focusWidget()), "txtExistSO2");
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.00");
    QTest::mouseClick(Ui().txtPh, Qt::LeftButton);
    EXPECT_EQ(Name(QApplication::focusWidget()), "txtPh");
    EXPECT_EQ(Ui().lblExistMolSO2->text(), "0.20");
}

}  // namespace
}  // namespace korvane
