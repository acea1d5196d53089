// The seven numeric fields of the main window: what their spin arrows make of
// the number, which keys get through, the ten-character limit, and that every
// change clears the shown amounts.
#include <QClipboard>
#include <QSignalSpy>

#include "main_window_fixture.h"

namespace korvane {
namespace {

class SpinEditTest : public MainWindowTest {
  protected:
    void SetUp() override { ShowActive(); }

    QLineEdit* Field(const char* name) { return Window().findChild<QLineEdit*>(name); }
    platform::SpinBar* Bar(const char* name) {
        return Window().findChild<platform::SpinBar*>(name);
    }

    // Selects what makes the field an input.
    void EnableField(const QString& field) {
        if (field == "txtSolution") {
            Choose(Ui().optSolution);
        } else if (field == "txtTabWeight") {
            Choose(Ui().optTablet);
        } else if (field == "txtTargetMolSO2") {
            Select(Ui().cboTarget, kMolecularTarget);
        }
    }
};

// --- Arrows -----------------------------------------------------------------

struct StepRow {
    const char* field;
    const char* bar;
    const char* before;
    Arrow arrow;
    const char* after;
};

class SpinStepTest : public SpinEditTest, public ::testing::WithParamInterface<StepRow> {};

TEST_P(SpinStepTest, ArrowStepsTheNumberFocusesTheFieldAndClearsTheAmounts) {
    const StepRow& row = GetParam();
    QLineEdit* field = Field(row.field);
    platform::SpinBar* bar = Bar(row.bar);
    ASSERT_NE(field, nullptr);
    ASSERT_NE(bar, nullptr);
    EnableField(row.field);
    Put(field, row.before);
    FillAmounts();
    Ui().cboForm->setFocus();

    ClickArrow(bar, row.arrow);

    EXPECT_EQ(field->text(), row.after);
    EXPECT_EQ(Name(QApplication::focusWidget()), row.field);
    EXPECT_EQ(Ui().lblAddition->text(), "0.00");
    EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
    EXPECT_EQ(bar->value(), 0);
}

constexpr Arrow kUp = Arrow::Upper;
constexpr Arrow kDown = Arrow::Lower;

INSTANTIATE_TEST_SUITE_P(Steps, SpinStepTest,
                         ::testing::Values(
                             // pH: tenths between 1.0 and 14.0
                             StepRow{"txtPh", "vsbPh", "3.5", kUp, "3.6"},
                             StepRow{"txtPh", "vsbPh", "3.5", kDown, "3.4"},
                             StepRow{"txtPh", "vsbPh", "3", kUp, "3.1"},
                             StepRow{"txtPh", "vsbPh", "14.0", kUp, "14.0"},
                             StepRow{"txtPh", "vsbPh", "13.95", kUp, "14.0"},
                             StepRow{"txtPh", "vsbPh", "1.0", kDown, "1.0"},
                             StepRow{"txtPh", "vsbPh", "abc", kUp, "1.0"},
                             StepRow{"txtPh", "vsbPh", "abc", kDown, "1.0"},
                             StepRow{"txtPh", "vsbPh", "", kUp, "1.0"},
                             // Existing and target SO2: whole steps, never below 0
                             StepRow{"txtExistSO2", "vsbExistSO2", "0.00", kUp, "1.00"},
                             StepRow{"txtExistSO2", "vsbExistSO2", "0.50", kDown, "0.00"},
                             StepRow{"txtExistSO2", "vsbExistSO2", "12.345", kDown, "11.35"},
                             StepRow{"txtExistSO2", "vsbExistSO2", ".", kUp, "0.00"},
                             StepRow{"txtTargetSO2", "vsbTargetSO2", "0.00", kUp, "1.00"},
                             StepRow{"txtTargetSO2", "vsbTargetSO2", "40", kDown, "39.00"},
                             StepRow{"txtTargetMolSO2", "vsbTargetMolSO2", "0.80", kUp, "0.81"},
                             StepRow{"txtTargetMolSO2", "vsbTargetMolSO2", "0.00", kDown, "0.00"},
                             // Tablet weight: hundredths, replaced at 0 or below
                             StepRow{"txtTabWeight", "vsbCampden", "0.44", kUp, "0.45"},
                             StepRow{"txtTabWeight", "vsbCampden", "0.01", kDown, "0.00"},
                             StepRow{"txtTabWeight", "vsbCampden", "x", kDown, "0.00"},
                             // Batch size: whole numbers, and zero is written as nothing
                             StepRow{"txtBatchSize", "vsbBatchSize", "23", kUp, "24"},
                             StepRow{"txtBatchSize", "vsbBatchSize", "1", kDown, "0"},
                             StepRow{"txtBatchSize", "vsbBatchSize", "0", kDown, "0"},
                             StepRow{"txtBatchSize", "vsbBatchSize", "", kUp, "0"},
                             StepRow{"txtBatchSize", "vsbBatchSize", "", kDown, "0"},
                             StepRow{"txtBatchSize", "vsbBatchSize", "2.5", kUp, "4"},
                             // Solution strength: whole percent, kept between 1 and 100
                             StepRow{"txtSolution", "vsbPercent", "100", kUp, "100"},
                             StepRow{"txtSolution", "vsbPercent", "2", kDown, "1"},
                             StepRow{"txtSolution", "vsbPercent", "1", kDown, "1"},
                             StepRow{"txtSolution", "vsbPercent", "0.4", kUp, "1"},
                             StepRow{"txtSolution", "vsbPercent", "10", kUp, "11"},
                             StepRow{"txtSolution", "vsbPercent", "", kUp, "1"}));

TEST_F(SpinEditTest, ADisabledArrowDoesNothing) {
    Select(Ui().cboTarget, kFreeTarget);
    struct Row {
        QLineEdit* field;
        platform::SpinBar* bar;
    };
    // Powder and a free target: the solution, tablet and molecular fields
    // are greyed.
    const Row rows[] = {{Ui().txtSolution, Ui().vsbPercent},
                        {Ui().txtTabWeight, Ui().vsbCampden},
                        {Ui().txtTargetMolSO2, Ui().vsbTargetMolSO2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bar->objectName().toStdString());
        ASSERT_FALSE(row.bar->isEnabled());
        const QString before = row.field->text();
        FillAmounts();
        Ui().txtPh->setFocus();
        QSignalSpy changes(row.bar, &QAbstractSlider::valueChanged);
        for (const Arrow arrow : {Arrow::Upper, Arrow::Lower}) {
            ClickArrow(row.bar, arrow);
        }
        EXPECT_EQ(changes.count(), 0);
        EXPECT_EQ(row.bar->value(), 0);
        EXPECT_EQ(row.field->text(), before);
        EXPECT_EQ(Ui().lblAddition->text(), "5.55");
        EXPECT_EQ(Name(QApplication::focusWidget()), "txtPh");
    }
}

TEST_F(SpinEditTest, HoldingAnArrowKeepsStepping) {
    Put(Ui().txtPh, "3.5");
    const QPoint upper = Ui().vsbPh->UpperArrowRect().center();
    QTest::mousePress(Ui().vsbPh, Qt::LeftButton, {}, upper);
    QTest::qWait(800);
    QTest::mouseRelease(Ui().vsbPh, Qt::LeftButton, {}, upper);
    const QString released = Ui().txtPh->text();
    EXPECT_GT(released.toDouble(), 3.65) << released.toStdString();
    EXPECT_EQ(Ui().vsbPh->value(), 0);
    // Letting go stops it.
    QTest::qWait(200);
    EXPECT_EQ(Ui().txtPh->text(), released);
}

// --- Keys -------------------------------------------------------------------

class KeyFilterTest : public SpinEditTest, public ::testing::WithParamInterface<const char*> {
  protected:
    QLineEdit* PreparedField() {
        QLineEdit* field = Field(GetParam());
        EnableField(GetParam());
        Put(field, "");
        field->setFocus();
        return field;
    }
};

TEST_P(KeyFilterTest, OnlyDigitsAndThePointGetThrough) {
    QLineEdit* field = PreparedField();
    FillAmounts();
    QTest::keyClicks(field, "aZ-, +e");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->text(), "");
    // Nothing changed, so the amounts still stand.
    EXPECT_EQ(Ui().lblAddition->text(), "5.55");

    QTest::keyClicks(field, "1.2.3");
    EXPECT_EQ(field->text(), "1.2.3");
    EXPECT_EQ(Ui().lblAddition->text(), "0.00");
    EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "1.2.");
    QTest::keyClicks(field, "x09");
    EXPECT_EQ(field->text(), "1.2.09");

    // With Alt, Meta or AltGr (Ctrl+Alt) held, a key that would type a letter
    // or sign is still dropped.
    QTest::keyClick(field, Qt::Key_Q, Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_Minus, Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_Comma, Qt::MetaModifier);
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(field->text(), "1.2.09");
}

TEST_P(KeyFilterTest, ControlKeysReachTheField) {
    QLineEdit* field = PreparedField();
    QTest::keyClicks(field, "456");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "456");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "456");
}

TEST_P(KeyFilterTest, TakesNoEleventhCharacterTypedOrPasted) {
    QLineEdit* field = PreparedField();
    QTest::keyClicks(field, "12345678901");
    EXPECT_EQ(field->text(), "1234567890");

    Put(field, "");
    QApplication::clipboard()->setText("98765432109");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "9876543210");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "9876543210");
}

TEST_P(KeyFilterTest, PastedTextArrivesUnfilteredAndClearsTheAmounts) {
    QLineEdit* field = PreparedField();
    FillAmounts();
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "abc");
    EXPECT_EQ(Ui().lblAddition->text(), "0.00");
    EXPECT_EQ(Ui().lblAddition2->text(), "0.00");
}

TEST_P(KeyFilterTest, ALongerTextWrittenByTheProgramIsKeptWholeButNotLengthened) {
    QLineEdit* field = PreparedField();
    Put(field, "123456789012345");
    EXPECT_EQ(field->text(), "123456789012345");
    field->end(false);
    QTest::keyClick(field, Qt::Key_6);
    EXPECT_EQ(field->text(), "123456789012345");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "12345678901234");
    QTest::keyClick(field, Qt::Key_7);
    EXPECT_EQ(field->text(), "12345678901234");
    // Once it is short again, ten characters is the limit.
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    QTest::keyClicks(field, "999");
    EXPECT_EQ(field->text(), "1234567899");
}

INSTANTIATE_TEST_SUITE_P(Fields, KeyFilterTest,
                         ::testing::Values("txtExistSO2", "txtTargetSO2", "txtTargetMolSO2",
                                           "txtBatchSize", "txtPh", "txtSolution", "txtTabWeight"));

TEST_F(SpinEditTest, AStepPastTenCharactersIsWrittenWhole) {
    Put(Ui().txtExistSO2, "9999999.99");
    ClickArrow(Ui().vsbExistSO2, Arrow::Upper);
    EXPECT_EQ(Ui().txtExistSO2->text(), "10000000.99");
}

}  // namespace
}  // namespace korvane
