// Every caption of the main window fits its control, in each state that
// changes a caption.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "app/main_window/frm_sulfite.h"
#include "support/caption_fit.h"
#include "support/fake_desktop.h"

namespace korvane {
namespace {

TEST(CaptionsFitTest, MainWindowInEveryMethodAndTarget) {
    testing::FakeDesktop desktop;
    FrmSulfite window(desktop.context);
    EXPECT_EQ(testing::CaptionsThatDoNotFit(window), QStringList{});
    for (const char* option : {"optTablet", "optSolution", "optPowder"}) {
        window.findChild<QRadioButton*>(option)->click();
        for (int target = 0; target < 2; ++target) {
            window.findChild<QComboBox*>("cboTarget")->setCurrentIndex(target);
            EXPECT_EQ(testing::CaptionsThatDoNotFit(window), QStringList{})
                << option << " target " << target;
        }
    }
}

TEST(CaptionsFitTest, MainWindowResultsOfThreeWholeDigits) {
    testing::FakeDesktop desktop;
    FrmSulfite window(desktop.context);
    for (const char* result : {"lblExistMolSO2", "lblSO2Requirement", "lblMolSO2Requirement",
                               "lblAddition", "lblAddition2"}) {
        window.findChild<QLabel*>(result)->setText("-999.99");
    }
    EXPECT_EQ(testing::CaptionsThatDoNotFit(window), QStringList{});
}

}  // namespace
}  // namespace korvane
