// The results as drawn: a figure wider than its label is shown whole in a
// smaller font, or, when even that would cut it, as a mark with the figure in
// the accessible name and the tooltip. Never a part of a figure.
#include <QAccessible>

#include "main_window_fixture.h"
#include "support/caption_fit.h"
#include "widgets/result_label.h"

namespace korvane {
namespace {

constexpr const char* kResults[] = {"lblExistMolSO2", "lblSO2Requirement", "lblMolSO2Requirement",
                                    "lblAddition", "lblAddition2"};

class ResultsFitTest : public MainWindowTest {
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

// How each figure is fitted is the label's own table; here, that every result
// of the window is such a label and is fitted as the window lays it out.
TEST_F(ResultsFitTest, AWideFigureIsDrawnWholeAndOneTooWideForAnyFontIsAMark) {
    const QString ownTip = Label("lblAddition")->toolTip();
    Calculate("110000");
    EXPECT_EQ(Label("lblAddition")->text(), "64360.11");
    EXPECT_EQ(Label("lblAddition2")->text(), "13057.70");
    for (const char* result : kResults) {
        EXPECT_EQ(AccessibleName(result), Label(result)->text()) << result;
    }
    EXPECT_EQ(testing::CaptionsThatDoNotFit(window_), QStringList{});

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

}  // namespace
}  // namespace korvane
