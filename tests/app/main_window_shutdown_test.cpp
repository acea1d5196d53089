// Shut-down: every way of closing the main window closes the About box and
// the Default Settings dialog without saving anything and ends the program,
// also while one of the program's modal loops is running (the settings
// dialog's warning: see its own test).
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include "app/about_box/frm_about.h"
#include "app/settings_dialog/frm_settings.h"
#include "app/startup.h"
#include "main_window_fixture.h"
#include "platform/instance_guard.h"

namespace korvane {
namespace {

const QByteArray kStored =
    "\"1\"\r\n\"1\"\r\n\"2\"\r\n\"10\"\r\n\"0.44\"\r\n\"5\"\r\n\"Total Free SO2\"\r\n";

// Fails a test instead of hanging it when a modal loop is never left: after
// a few seconds it closes every modal window so that the loops return.
class Watchdog {
  public:
    Watchdog() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            fired_ = true;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isModal() && window->isVisible()) {
                    window->close();
                }
            }
        });
        timer_.start(5000);
    }
    bool Fired() const { return fired_; }

  private:
    QTimer timer_;
    bool fired_ = false;
};

class ShutDownTest : public MainWindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kStored);
        file.close();
        ASSERT_TRUE(LoadMainWindow(window_, guard_, folder_.path()));
        ShowActive();
    }

    QString SettingsPath() const { return QDir(folder_.path()).filePath("settings.cfg"); }

    QByteArray StoredFile() const {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Opens the Default Settings dialog and changes an entry there.
    FrmSettings* OpenSettingsWithAnEntry(const QString& batchSize) {
        QTest::mouseClick(Find("cmdSettings"), Qt::LeftButton);
        FrmSettings* dialog = window_.SettingsDialog();
        EXPECT_NE(dialog, nullptr);
        if (dialog != nullptr) {
            dialog->findChild<widgets::TextBox*>("txtBatchSize")->setText(batchSize);
        }
        return dialog;
    }

    // What stays after the shut-down: no other window of the program shown,
    // nothing saved, the program ended once.
    void ExpectShutDown() {
        EXPECT_EQ(window_.AboutBox(), nullptr);
        EXPECT_EQ(window_.SettingsDialog(), nullptr);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &window_) {
                EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
            }
        }
        EXPECT_EQ(desktop_.programEnd.Ends(), 1);
        EXPECT_EQ(desktop_.context.Defaults().batchSize, "5");
        EXPECT_EQ(StoredFile(), kStored);
    }

    QTemporaryDir folder_;
    platform::InstanceGuard guard_;
    Watchdog watchdog_;
};

TEST_F(ShutDownTest, ExitEndsTheProgramAndClosesTheSettingsDialogWithoutSaving) {
    QPointer<FrmSettings> dialog = OpenSettingsWithAnEntry("99");
    QTest::mouseClick(Find("cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(window_.isVisible());
    ExpectShutDown();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog, nullptr);
}

TEST_F(ShutDownTest, TheCloseBoxIsNeverRefused) {
    EXPECT_TRUE(window_.close());
    EXPECT_FALSE(window_.isVisible());
    ExpectShutDown();
}

// The desktop asks the window to close (a session ending), or the program
// shuts down on its own, while the modal About box waits for its OK.
class ShutDownInAboutBoxTest : public ShutDownTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ShutDownInAboutBoxTest, ClosesTheAboutBoxsLoop) {
    const bool closeRequest = GetParam();
    OpenSettingsWithAnEntry("99");
    QPointer<FrmAbout> about;
    QTimer whileOpen;
    QObject::connect(&whileOpen, &QTimer::timeout, [&] {
        if (window_.AboutBox() != nullptr && window_.AboutBox()->isVisible()) {
            whileOpen.stop();
            about = window_.AboutBox();
            closeRequest ? static_cast<void>(window_.close()) : window_.ShutDownProgram();
        }
    });
    whileOpen.start(10);
    QTest::mouseClick(Find("cmdAbout"), Qt::LeftButton);
    EXPECT_FALSE(watchdog_.Fired());
    EXPECT_EQ(window_.isVisible(), !closeRequest);
    ExpectShutDown();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(about, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, ShutDownInAboutBoxTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "CloseRequest" : "ShutDownProgram");
                         });

TEST_F(ShutDownTest, ClosingWhileTheWindowsOwnWarningIsOpenEndsTheProgram) {
    Find<widgets::TextBox>("txtBatchSize")->setText("");
    int endsWhileOpen = -1;
    desktop_.boxes.SetWhileOpen([&] {
        QMessageBox box(QMessageBox::Warning, "Korvane", "", QMessageBox::Ok, &window_);
        QTimer::singleShot(0, &window_, [&] {
            window_.close();
            endsWhileOpen = desktop_.programEnd.Ends();
            // The program's end leaves every loop; the counting end does not.
            box.reject();
        });
        box.exec();
    });
    ClickCalculate();
    EXPECT_FALSE(watchdog_.Fired());
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{"Please enter batch size."});
    EXPECT_EQ(endsWhileOpen, 1);
    EXPECT_FALSE(window_.isVisible());
    ExpectShutDown();
}

}  // namespace
}  // namespace korvane
