// Start-up as the user meets it: which message appears, what the window
// then shows, and what is left on disk. How settings.cfg is read and parsed
// is tested with the settings store and the record.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "app/startup.h"
#include "main_window_fixture.h"
#include "platform/instance_guard.h"
#include "support/unprivileged.h"

namespace korvane {
namespace {

const QString kFallBack = "User default settings not found.\rLoading system defaults.";

// A program folder of its own, and a program about to show its window.
class StartupTest : public MainWindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString SettingsPath() const { return QDir(folder_.path()).filePath("settings.cfg"); }

    void WriteSettings(const std::vector<const char*>& fields) {
        QByteArray bytes;
        for (const char* field : fields) {
            bytes += '"' + QByteArray(field) + "\"\r\n";
        }
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    bool Load(platform::InstanceGuard& guard) {
        return LoadMainWindow(window_, guard, folder_.path());
    }

    // The system defaults, as every control shows them.
    void ExpectSystemDefaultsShown() {
        EXPECT_EQ(List("cboForm")->currentText(), "Potassium Metabisulphite");
        EXPECT_TRUE(Option("optPowder")->isChecked());
        EXPECT_FALSE(Find("txtTabWeight")->isEnabled());
        EXPECT_EQ(Label("lblAdd")->text(), "g");
        EXPECT_EQ(List("cboBatch")->currentText(), "U.S. Gal.");
        EXPECT_EQ(Box("txtSolution")->text(), "10");
        EXPECT_EQ(Box("txtTabWeight")->text(), "0.44");
        EXPECT_EQ(Box("txtBatchSize")->text(), "5");
        EXPECT_EQ(List("cboTarget")->currentText(), "Total Free SO2");
        EXPECT_FALSE(Find("txtTargetMolSO2")->isEnabled());
    }

    QTemporaryDir folder_;
    platform::InstanceGuard guard_;
};

TEST_F(StartupTest, WithoutASettingsFileTheSystemDefaultsAreShownAfterOneMessage) {
    ASSERT_TRUE(Load(guard_));
    ASSERT_EQ(desktop_.boxes.Texts(), QStringList{kFallBack});
    EXPECT_EQ(desktop_.boxes.Shown()[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(desktop_.boxes.Shown()[0].buttons, platform::MessageButtons::Ok);
    ExpectSystemDefaultsShown();
    // Calculated at once: nothing to add while the target is the existing
    // level.
    EXPECT_EQ(Label("lblSO2Requirement")->text(), "0.00");
    EXPECT_EQ(Label("lblAddition")->text(), "0.00");
    EXPECT_EQ(Label("lblAddition2")->text(), "0.00");
    // Only a save in the Default Settings dialog fills the record or writes
    // the file.
    EXPECT_EQ(desktop_.context.Defaults(), UserDefaults{});
    EXPECT_FALSE(QFile::exists(SettingsPath()));
    EXPECT_EQ(QString::fromStdString(desktop_.context.SettingsSavePath()), SettingsPath());
    EXPECT_EQ(desktop_.programEnd.Ends(), 0);
}

TEST_F(StartupTest, StoredDefaultsAreShownAndTheFirstResultsCalculated) {
    WriteSettings({"2", "3", "1", "12", "0.5", "23", "Molecular SO2"});
    Put("txtTargetMolSO2", "0.8");
    Put("txtExistSO2", "0");
    ASSERT_TRUE(Load(guard_));
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{});
    EXPECT_EQ(List("cboForm")->currentText(), "Sodium Metabisulphite");
    EXPECT_TRUE(Option("optTablet")->isChecked());
    EXPECT_TRUE(Find("txtTabWeight")->isEnabled());
    EXPECT_EQ(Label("lblAdd")->text(), "tablets");
    EXPECT_EQ(List("cboBatch")->currentText(), "Litres");
    EXPECT_EQ(Box("txtSolution")->text(), "12");
    EXPECT_EQ(Box("txtTabWeight")->text(), "0.5");
    EXPECT_EQ(Box("txtBatchSize")->text(), "23");
    EXPECT_TRUE(Find("txtTargetMolSO2")->isEnabled());
    // Sodium, 0.8 molecular at pH 3.5 in 23 litres, tablets of 0.5 g.
    EXPECT_EQ(Box("txtTargetSO2")->text(), "40.89");
    EXPECT_EQ(Label("lblAddition")->text(), "2.79");
    EXPECT_EQ(desktop_.context.Defaults(),
              (UserDefaults{"2", "3", "1", "12", "0.5", "23", "Molecular SO2"}));
}

TEST_F(StartupTest, UnknownCodesLeaveTheirControlsAndLongTextsAreShownWhole) {
    WriteSettings({"3", "01", " 1", "10", "0.44", "123456789012345", "Total Free SO2"});
    ASSERT_TRUE(Load(guard_));
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{});
    EXPECT_EQ(List("cboForm")->currentIndex(), -1);
    EXPECT_TRUE(Option("optPowder")->isChecked());
    EXPECT_EQ(List("cboBatch")->currentIndex(), -1);
    EXPECT_EQ(Box("txtBatchSize")->text(), "123456789012345");
}

struct BrokenFile {
    const char* name;
    std::vector<const char*> fields;
};

void PrintTo(const BrokenFile& file, std::ostream* out) {
    *out << file.name;
}

class BrokenFileTest : public StartupTest, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenFileTest, FallsBackToTheSystemDefaultsInEveryControl) {
    WriteSettings(GetParam().fields);
    ASSERT_TRUE(Load(guard_));
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{kFallBack});
    // Nothing of the broken file stays on screen...
    ExpectSystemDefaultsShown();
    // ...but the record keeps what was read.
    EXPECT_EQ(desktop_.context.Defaults().formCode, "2");
    EXPECT_EQ(desktop_.context.Defaults().batchSize, "40");
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenFileTest,
    ::testing::Values(BrokenFile{"SixRecords", {"2", "3", "1", "12", "0.5", "40"}},
                      BrokenFile{"NoSuchTarget",
                                 {"2", "3", "1", "12", "0.5", "40", "molecular so2"}}));

TEST_F(StartupTest, ASecondStartForTheSameFolderIsRefusedWithoutReadingTheFile) {
    WriteSettings({"2", "3", "1", "12", "0.5", "40", "Total Free SO2"});
    platform::InstanceGuard running;
    ASSERT_TRUE(running.Acquire(folder_.path()));
    EXPECT_FALSE(Load(guard_));
    ASSERT_EQ(desktop_.boxes.Texts(), QStringList{"Korvane already running."});
    EXPECT_EQ(desktop_.boxes.Shown()[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(desktop_.programEnd.Ends(), 1);
    EXPECT_EQ(desktop_.context.Defaults(), UserDefaults{});
    EXPECT_EQ(Box("txtBatchSize")->text(), "23");
}

TEST_F(StartupTest, AnotherFolderOrAnEndedFirstInstanceIsNoHindrance) {
    QTemporaryDir otherFolder;
    platform::InstanceGuard elsewhere;
    ASSERT_TRUE(elsewhere.Acquire(otherFolder.path()));
    {
        platform::InstanceGuard ended;
        ASSERT_TRUE(ended.Acquire(folder_.path()));
    }
    EXPECT_TRUE(Load(guard_));
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{kFallBack});
    EXPECT_EQ(desktop_.programEnd.Ends(), 0);
}

// A program folder the user may not add files to: the settings.cfg beside
// the program is the preset, read without a word while the user has no file
// of their own, and saves go to the user's file. With no file to read at
// all, the message comes as ever.
TEST_F(StartupTest, AReadOnlyFolderReadsItsPresetAndSavesInTheUsersFolder) {
    if (const std::optional<int> status = testing::RerunUnprivilegedIfRoot()) {
        EXPECT_EQ(*status, 0) << "as an unprivileged user";
        return;
    }
    QTemporaryDir config;
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString userFile = config.filePath("korvane/settings.cfg");
    for (const bool withPreset : {true, false}) {
        SCOPED_TRACE(withPreset ? "with a preset" : "without one");
        if (withPreset) {
            WriteSettings({"2", "3", "1", "12", "0.5", "23", "Molecular SO2"});
        } else {
            QFile::remove(SettingsPath());
        }
        ::chmod(QFile::encodeName(folder_.path()).constData(), 0555);
        desktop_.boxes.Clear();
        platform::InstanceGuard guard;
        const bool loaded = Load(guard);
        ::chmod(QFile::encodeName(folder_.path()).constData(), 0755);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(desktop_.boxes.Texts(), withPreset ? QStringList{} : QStringList{kFallBack});
        EXPECT_EQ(Box("txtBatchSize")->text(), withPreset ? "23" : "5");
        EXPECT_EQ(QString::fromStdString(desktop_.context.SettingsSavePath()), userFile);
    }
    EXPECT_FALSE(QFile::exists(userFile));
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

}  // namespace
}  // namespace korvane
