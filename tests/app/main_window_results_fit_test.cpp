// The results as drawn: every result of the window is a result label, which
// shows a figure wider than itself whole in a smaller font, or, when even
// that would cut it, as a mark with the figure in the accessible name and
// the tooltip (the label's own table; the whole-program test reads a huge
// dose through the accessibility interface). Never a part of a figure.
#include "main_window_fixture.h"
#include "widgets/result_label.h"

namespace korvane {
namespace {

TEST_F(MainWindowTest, EveryResultIsDrawnByAResultLabel) {
    for (const char* result : kResults) {
        EXPECT_NE(qobject_cast<widgets::ResultLabel*>(Label(result)), nullptr) << result;
    }
}

// The check of the molecular target against the existing molecular figure
// reads the figure behind the mark, not the mark.
TEST_F(MainWindowTest, AMarkedExistingMolecularFigureIsStillTheOneCheckedAgainst) {
    ShowActive();
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
