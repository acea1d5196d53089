// Start-up and shut-down as the user meets them: which message appears, what
// the window then shows, and what is left on disk.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "about/frm_about.h"
#include "main_window/frm_sulfite.h"
#include "main_window/startup.h"
#include "platform/instance_guard.h"
#include "platform/program_end.h"
#include "support/fake_message_boxes.h"
#include "ui_frm_sulfite.h"
#include "user_defaults/frm_settings.h"
#include "user_defaults/settings_file.h"

namespace korvane {
namespace {

const QString kFallBack = "User default settings not found.\rLoading system defaults.";

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        TheUserDefaults() = UserDefaults{};
        platform::InstallProgramEnd([this] { ++programEnds_; });
    }
    void TearDown() override { platform::InstallProgramEnd({}); }

    void WriteSettings(const QByteArray& bytes) {
        QFile file(QDir(folder_.path()).filePath("settings.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray Records(std::initializer_list<const char*> fields) {
        QByteArray bytes;
        for (const char* field : fields) {
            bytes += '"' + QByteArray(field) + "\"\r\n";
        }
        return bytes;
    }

    bool Load() { return LoadMainWindow(window_, guard_, folder_.path()); }

    Ui::frmSulfite& ui() { return window_.Controls(); }

    QTemporaryDir folder_;
    testing::FakeMessageBoxes boxes_;
    platform::InstanceGuard guard_;
    FrmSulfite window_;
    int programEnds_ = 0;
};

TEST_F(StartupTest, MissingFileReportsOnceAndShowsTheSystemDefaults) {
    ASSERT_TRUE(Load());
    ASSERT_EQ(boxes_.Shown().size(), 1U);
    EXPECT_EQ(boxes_.Shown()[0].text, kFallBack);
    EXPECT_EQ(boxes_.Shown()[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(boxes_.Shown()[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(ui().cboForm->currentText(), "Potassium Metabisulphite");
    EXPECT_TRUE(ui().optPowder->isChecked());
    EXPECT_EQ(ui().cboBatch->currentText(), "U.S. Gal.");
    EXPECT_EQ(ui().txtSolution->text(), "10");
    EXPECT_EQ(ui().txtTabWeight->text(), "0.44");
    EXPECT_EQ(ui().txtBatchSize->text(), "5");
    EXPECT_EQ(ui().cboTarget->currentText(), "Total Free SO2");
    EXPECT_FALSE(ui().txtTargetMolSO2->isEnabled());
    EXPECT_EQ(ui().txtTargetMolSO2->palette().color(QPalette::Base), QColor(224, 224, 224));
    // Nothing to add yet: the free target equals the existing level.
    EXPECT_EQ(ui().lblAddition->text(), "0.00");
    EXPECT_EQ(ui().lblAddition2->text(), "0.00");
    EXPECT_EQ(TheUserDefaults(), UserDefaults{});
    EXPECT_FALSE(QFile::exists(QDir(folder_.path()).filePath("settings.cfg")));
}

TEST_F(StartupTest, StoredDefaultsAreAppliedAndTheFirstResultsShown) {
    WriteSettings(Records({"2", "3", "1", "12", "0.5", "23", "Molecular SO2"}));
    ui().txtTargetMolSO2->setText("0.8");
    ui().txtExistSO2->setText("0");
    ASSERT_TRUE(Load());
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(ui().cboForm->currentText(), "Sodium Metabisulphite");
    EXPECT_TRUE(ui().optTablet->isChecked());
    EXPECT_TRUE(ui().txtTabWeight->isEnabled());
    EXPECT_TRUE(ui().vsbCampden->isEnabled());
    EXPECT_FALSE(ui().txtSolution->isEnabled());
    EXPECT_EQ(ui().lblAdd->text(), "tablets");
    EXPECT_TRUE(ui().lblAddition2->isHidden());
    EXPECT_TRUE(ui().lblTeaspoons->isHidden());
    EXPECT_EQ(ui().cboBatch->currentText(), "Litres");
    EXPECT_EQ(ui().txtSolution->text(), "12");
    EXPECT_EQ(ui().txtTabWeight->text(), "0.5");
    EXPECT_EQ(ui().txtBatchSize->text(), "23");
    EXPECT_TRUE(ui().txtTargetMolSO2->isEnabled());
    EXPECT_FALSE(ui().txtTargetSO2->isEnabled());
    // Sodium, 0.8 molecular at pH 3.5 in 23 litres, tablets of 0.5 g.
    EXPECT_EQ(ui().txtTargetSO2->text(), "40.89");
    EXPECT_EQ(ui().lblAddition->text(), "2.79");
}

TEST_F(StartupTest, SolutionCodeEnablesTheSolutionField) {
    WriteSettings(Records({"1", "2", "2", "10", "0.44", "5", "Total Free SO2"}));
    ASSERT_TRUE(Load());
    EXPECT_TRUE(ui().txtSolution->isEnabled());
    EXPECT_EQ(ui().lblAdd->text(), "ml");
    EXPECT_FALSE(ui().txtTabWeight->isEnabled());
}

TEST_F(StartupTest, UnknownCodesLeaveTheirControlsWithoutAMessage) {
    WriteSettings(Records({"3", "01", " 1", "10", "0.44", "abc", "Total Free SO2"}));
    ASSERT_TRUE(Load());
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(ui().cboForm->currentIndex(), -1);
    EXPECT_TRUE(ui().optPowder->isChecked());
    EXPECT_EQ(ui().cboBatch->currentIndex(), -1);
    EXPECT_EQ(ui().txtBatchSize->text(), "abc");
}

TEST_F(StartupTest, StoredTextsAreAppliedWholeEvenBeyondTenCharacters) {
    WriteSettings(Records({"1", "1", "2", "10", "0.44", "123456789012345", "Total Free SO2"}));
    ASSERT_TRUE(Load());
    EXPECT_EQ(ui().txtBatchSize->text(), "123456789012345");
}

TEST_F(StartupTest, BrokenFilesFallBackAndReplaceEveryValue) {
    const QByteArray broken[] = {
        Records({"2", "3", "1", "12", "0.5", "40"}),                   // six records
        Records({"2", "3", "1", "12", "0.5", "40", ""}),               // no target
        Records({"2", "3", "1", "12", "0.5", "40", "molecular so2"}),  // no such entry
    };
    for (const QByteArray& bytes : broken) {
        SCOPED_TRACE(bytes.toStdString());
        FrmSulfite window;
        platform::InstanceGuard guard;
        boxes_.Clear();
        WriteSettings(bytes);
        ASSERT_TRUE(LoadMainWindow(window, guard, folder_.path()));
        ASSERT_EQ(boxes_.Texts(), QStringList{kFallBack});
        Ui::frmSulfite& ui = window.Controls();
        EXPECT_EQ(ui.cboForm->currentText(), "Potassium Metabisulphite");
        EXPECT_TRUE(ui.optPowder->isChecked());
        EXPECT_FALSE(ui.txtTabWeight->isEnabled());
        EXPECT_EQ(ui.cboBatch->currentText(), "U.S. Gal.");
        EXPECT_EQ(ui.txtSolution->text(), "10");
        EXPECT_EQ(ui.txtTabWeight->text(), "0.44");
        EXPECT_EQ(ui.txtBatchSize->text(), "5");
        EXPECT_EQ(ui.cboTarget->currentText(), "Total Free SO2");
        // The record keeps what was read; it is not replaced by the defaults.
        EXPECT_EQ(TheUserDefaults().formCode, "2");
        EXPECT_EQ(TheUserDefaults().batchSize, "40");
    }
}

TEST_F(StartupTest, SecondInstanceIsRefusedWithoutReadingTheFile) {
    WriteSettings(Records({"2", "3", "1", "12", "0.5", "40", "Total Free SO2"}));
    platform::InstanceGuard first;
    ASSERT_TRUE(first.Acquire(folder_.path()));
    EXPECT_FALSE(Load());
    ASSERT_EQ(boxes_.Texts(), QStringList{"Korvane already running."});
    EXPECT_EQ(boxes_.Shown()[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(programEnds_, 1);
    EXPECT_EQ(TheUserDefaults(), UserDefaults{});
    EXPECT_EQ(ui().txtBatchSize->text(), "23");
}

TEST_F(StartupTest, AnotherFolderIsAnotherInstance) {
    QTemporaryDir other;
    platform::InstanceGuard first;
    ASSERT_TRUE(first.Acquire(other.path()));
    EXPECT_TRUE(Load());
}

TEST_F(StartupTest, ClosingTheMainWindowClosesTheOtherWindowsWithoutSaving) {
    WriteSettings(Records({"1", "1", "2", "10", "0.44", "5", "Total Free SO2"}));
    ASSERT_TRUE(Load());
    const QByteArray before = Records({"1", "1", "2", "10", "0.44", "5", "Total Free SO2"});
    window_.show();
    ShowSettingsDialog(&window_);
    ASSERT_NE(QApplication::topLevelWidgets().size(), 0);
    // While the modal About box is open, the desktop asks the main window
    // to close (a session ending).
    QTimer::singleShot(0, &window_, [this] { window_.close(); });
    ShowAboutBox(&window_);
    EXPECT_EQ(CurrentAboutBox(), nullptr);
    QTest::qWait(10);
    EXPECT_FALSE(window_.isVisible());
    EXPECT_GE(programEnds_, 1);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
    }
    QFile file(QDir(folder_.path()).filePath("settings.cfg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace
}  // namespace korvane
