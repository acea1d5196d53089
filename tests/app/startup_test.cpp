// Start-up as the user meets it: which message appears, what the window
// then shows, and what is left on disk. How settings.cfg is read and parsed
// is tested with the settings store and the record, where it is read from
// and saved to with the settings' places.
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

    QTemporaryDir folder_;
    platform::InstanceGuard guard_;
};

// A start from the file beside the program, or from none, and what follows:
// the message, the defaults the window shows (as ShownDefaults gives them),
// the free target and amount calculated at once from an existing 0 mg/L and
// a molecular target of 0.8, and the record kept of what was read.
struct StartRow {
    const char* what;
    std::vector<const char*> file = {};  // none: no file
    QStringList said = {};
    QStringList shown;
    QStringList calculated;
    UserDefaults record;
};

void PrintTo(const StartRow& row, std::ostream* out) {
    *out << row.what;
}

const QStringList kSystemShown{
    "Potassium Metabisulphite", "optPowder", "U.S. Gal.", "10", "0.44", "5", "Total Free SO2"};

class StartupFileTest : public StartupTest, public ::testing::WithParamInterface<StartRow> {};

TEST_P(StartupFileTest, ShowsTheStoredDefaultsOrAfterOneMessageTheSystems) {
    const StartRow& row = GetParam();
    if (!row.file.empty()) {
        WriteSettings(row.file);
    }
    Put("txtTargetMolSO2", "0.8");
    Put("txtExistSO2", "0");
    ASSERT_TRUE(Load(guard_));
    EXPECT_EQ(desktop_.boxes.Texts(), row.said);
    for (const testing::ShownBox& box : desktop_.boxes.Shown()) {
        EXPECT_EQ(box.icon, platform::MessageIcon::Critical);
        EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    }
    EXPECT_EQ(ShownDefaults(window_), row.shown);
    EXPECT_EQ(Find("txtTabWeight")->isEnabled(), row.shown[1] == "optTablet");
    EXPECT_EQ(Find("txtTargetMolSO2")->isEnabled(), row.shown[6] == kMolecularTarget);
    EXPECT_EQ(QStringList({Box("txtTargetSO2")->text(), Label("lblAddition")->text()}),
              row.calculated);
    EXPECT_EQ(desktop_.context.Defaults(), row.record);
    // Only a save in the Default Settings dialog writes the file.
    EXPECT_EQ(QFile::exists(SettingsPath()), !row.file.empty());
    EXPECT_EQ(QString::fromStdString(desktop_.context.SettingsSavePath()), SettingsPath());
    EXPECT_EQ(desktop_.programEnd.Ends(), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, StartupFileTest, ::testing::Values(
    StartRow{.what = "no file", .said = {kFallBack}, .shown = kSystemShown,
             .calculated = {"0.00", "0.00"}, .record = {}},
    // Sodium, 0.8 molecular at pH 3.5 in 23 litres, tablets of 0.5 g.
    StartRow{.what = "stored defaults",
             .file = {"2", "3", "1", "12", "0.5", "23", "Molecular SO2"},
             .shown = {"Sodium Metabisulphite", "optTablet", "Litres", "12", "0.5", "23",
                       "Molecular SO2"},
             .calculated = {"40.89", "2.79"},
             .record = {"2", "3", "1", "12", "0.5", "23", "Molecular SO2"}},
    StartRow{.what = "unknown codes leave their controls; long texts are shown whole",
             .file = {"3", "01", " 1", "10", "0.44", "123456789012345", "Total Free SO2"},
             .shown = {"", "optPowder", "", "10", "0.44", "123456789012345", "Total Free SO2"},
             .calculated = {"0.00", "0.00"},
             .record = {"3", "01", " 1", "10", "0.44", "123456789012345", "Total Free SO2"}},
    // Nothing of a broken file stays on screen, but the record keeps what
    // was read.
    StartRow{.what = "six records", .file = {"2", "3", "1", "12", "0.5", "40"},
             .said = {kFallBack}, .shown = kSystemShown, .calculated = {"0.00", "0.00"},
             .record = {"2", "3", "1", "12", "0.5", "40", ""}},
    StartRow{.what = "no such target",
             .file = {"2", "3", "1", "12", "0.5", "40", "molecular so2"},
             .said = {kFallBack}, .shown = kSystemShown, .calculated = {"0.00", "0.00"},
             .record = {"2", "3", "1", "12", "0.5", "40", "molecular so2"}}));
// clang-format on

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
// it is read without a word, and saves go to the user's own file.
TEST_F(StartupTest, AReadOnlyFolderReadsItsPresetAndSavesInTheUsersFolder) {
    if (const std::optional<int> status = testing::RerunUnprivilegedIfRoot()) {
        EXPECT_EQ(*status, 0) << "as an unprivileged user";
        return;
    }
    QTemporaryDir config;
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString userFile = config.filePath("korvane/settings.cfg");
    WriteSettings({"2", "3", "1", "12", "0.5", "23", "Molecular SO2"});
    ::chmod(QFile::encodeName(folder_.path()).constData(), 0555);
    const bool loaded = Load(guard_);
    ::chmod(QFile::encodeName(folder_.path()).constData(), 0755);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(desktop_.boxes.Texts(), QStringList{});
    EXPECT_EQ(Box("txtBatchSize")->text(), "23");
    EXPECT_EQ(QString::fromStdString(desktop_.context.SettingsSavePath()), userFile);
    EXPECT_FALSE(QFile::exists(userFile));
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

}  // namespace
}  // namespace korvane
