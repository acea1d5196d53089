// The results as drawn: a figure wider than its label is shown whole in a
// smaller font, or, when even that would cut it, as a mark with the figure in
// the accessible name and the tooltip. Never a part of a figure.
#include <QAccessible>

#include "main_window_fixture.h"
#include "platform/translations.h"
#include "support/caption_fit.h"
#include "widgets/result_label.h"

namespace korvane {
namespace {

constexpr const char* kResults[] = {"lblExistMolSO2", "lblSO2Requirement", "lblMolSO2Requirement",
                                    "lblAddition", "lblAddition2"};

// A batch in litres with a stock solution, and the amounts the label must
// show whole: in millilitres, and in teaspoons.
struct BatchRow {
    const char* litres;
    const char* millilitres;
    const char* teaspoons;
};

void PrintTo(const BatchRow& row, std::ostream* out) {
    *out << row.litres << " L";
}

class ResultsFitTest : public MainWindowTest, public ::testing::WithParamInterface<BatchRow> {
  protected:
    void SetUp() override { ShowActive(); }

    // 12 mg/L of free SO2 at pH 3.55 raised to 0.8 mg/L molecular with a 10 %
    // potassium metabisulphite solution.
    void Calculate(const char* litres) {
        PutExample("optSolution", kMolecularTarget);
        Put("txtExistSO2", "12");
        Put("txtPh", "3.55");
        Put("txtBatchSize", litres);
        ClickCalculate();
        EXPECT_EQ(desktop_.boxes.Texts(), QStringList{});
    }

    QString AccessibleName(const char* result) {
        return QAccessible::queryAccessibleInterface(Label(result))->text(QAccessible::Name);
    }
};

TEST_P(ResultsFitTest, EveryResultIsDrawnWhole) {
    Calculate(GetParam().litres);
    EXPECT_EQ(Label("lblAddition")->text(), GetParam().millilitres);
    EXPECT_EQ(Label("lblAddition2")->text(), GetParam().teaspoons);
    for (const char* result : kResults) {
        EXPECT_EQ(AccessibleName(result), Label(result)->text()) << result;
    }
    EXPECT_EQ(testing::CaptionsThatDoNotFit(window_), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Batches, ResultsFitTest,
                         ::testing::Values(BatchRow{"11000", "6436.01", "1305.77"},
                                           BatchRow{"110000", "64360.11", "13057.70"}));

TEST_F(ResultsFitTest, AFigureTooWideForAnyFontIsAMarkWithTheFigureInItsNameAndTooltip) {
    const QString ownTip = Label("lblAddition")->toolTip();
    Calculate("9999999999");
    EXPECT_EQ(testing::CaptionsThatDoNotFit(window_), QStringList{});
    for (const char* result : {"lblAddition", "lblAddition2"}) {
        EXPECT_EQ(Label(result)->text(), widgets::ResultLabel::Mark()) << result;
    }
    const QString figure = AccessibleName("lblAddition");
    bool numeric = false;
    EXPECT_GT(figure.toDouble(&numeric), 1e9);
    EXPECT_TRUE(numeric) << figure.toStdString();
    EXPECT_EQ(Label("lblAddition")->toolTip(), ownTip + '\n' + figure);

    // A change clears the amounts to the window's own "0.00", with the
    // tooltip the label's own again.
    Put("txtPh", "3.5");
    EXPECT_EQ(Amounts(), Cleared());
    EXPECT_EQ(Label("lblAddition")->toolTip(), ownTip);
    EXPECT_EQ(AccessibleName("lblAddition"), "0.00");
}

// The check of the molecular target against the existing molecular figure
// reads the figure behind the mark, not the mark.
TEST_F(ResultsFitTest, AMarkedExistingMolecularFigureIsStillTheOneCheckedAgainst) {
    PutExample("optPowder", kMolecularTarget);
    Put("txtExistSO2", "9999999999");
    Put("txtPh", "2.9");
    ClickCalculate();
    EXPECT_EQ(Label("lblExistMolSO2")->text(), widgets::ResultLabel::Mark());
    EXPECT_EQ(desktop_.boxes.Texts(),
              QStringList{"Existing SO2 cannot be greater than target SO2."});
}

// The tooltip keeps the language's own text, with the figure after it.
TEST(ResultsFitLanguageTest, TheTooltipOfAMarkIsTheTranslatedTextThenTheFigure) {
    const platform::UiLanguage french{QLocale("fr")};
    testing::FakeDesktop desktop;
    FrmSulfite window(desktop.context);
    auto* amount = Get<QLabel>(window, "lblAddition");
    const QString ownTip = QCoreApplication::translate(
        "frmSulfite", "Amount of sulphite required to achieve target SO2 level.");
    ASSERT_EQ(amount->toolTip(), ownTip);
    ASSERT_NE(ownTip, "Amount of sulphite required to achieve target SO2 level.");

    Get<QComboBox>(window, "cboForm")->setCurrentIndex(0);
    Get<QComboBox>(window, "cboBatch")->setCurrentIndex(0);
    Get<QComboBox>(window, "cboTarget")->setCurrentIndex(0);
    Get<QRadioButton>(window, "optPowder")->click();
    const std::pair<const char*, const char*> texts[] = {{"txtExistSO2", "10"},
                                                         {"txtTargetSO2", "40"},
                                                         {"txtPh", "3.5"},
                                                         {"txtBatchSize", "9999999999"}};
    for (const auto& [field, text] : texts) {
        Get<QLineEdit>(window, field)->setText(text);
    }
    window.ValidateAndCalculate();
    EXPECT_EQ(desktop.boxes.Texts(), QStringList{});
    EXPECT_EQ(amount->text(), widgets::ResultLabel::Mark());
    const QString figure = QAccessible::queryAccessibleInterface(amount)->text(QAccessible::Name);
    EXPECT_NE(figure, widgets::ResultLabel::Mark());
    EXPECT_EQ(amount->toolTip(), ownTip + '\n' + figure);
}

}  // namespace
}  // namespace korvane
