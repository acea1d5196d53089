// Where settings.cfg is read and saved: beside a portable copy; otherwise
// saved in the user's own file and read from it, or until there is one from
// the administrator's preset. (What a save to no file says is the settings
// dialog's test.)
#include "platform/settings_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "core/rules/product.h"
#include "core/rules/user_defaults.h"
#include "platform/settings_store.h"
#include "support/unprivileged.h"

namespace korvane::platform {
namespace {

TEST(UserSettingsFileTest, OnlyAnAbsolutePathNamesTheUsersFolder) {
    struct Row {
        const char* xdgConfigHome;
        const char* home;
        std::string file;
    };
    const Row rows[] = {
        {"/cfg", "/home/u", "/cfg/korvane/settings.cfg"},
        {"/cfg/", "/home/u", "/cfg/korvane/settings.cfg"},
        {"", "/home/u", "/home/u/.config/korvane/settings.cfg"},
        // A relative XDG_CONFIG_HOME is ignored: it would follow the working folder.
        {"cfg", "/home/u", "/home/u/.config/korvane/settings.cfg"},
        {"./cfg", "/", "/.config/korvane/settings.cfg"},
        // Neither names a folder: no file at all, never one under "/".
        {"", "", ""},
        {"cfg", "", ""},
        {"", "home/u", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UserSettingsFile(row.xdgConfigHome, row.home), row.file)
            << '"' << row.xdgConfigHome << "\", \"" << row.home << '"';
    }
}

TEST(SystemConfigFolderTest, FollowsTheInstallsRuleForEachPrefix) {
    struct Row {
        const char* prefix;
        const char* folder;
    };
    const Row rows[] = {
        {"/usr", "/etc"},
        {"/", "/etc"},
        {"/usr/local", "/usr/local/etc"},
        {"/opt/korvane", "/etc/opt/korvane"},
        {"/home/u/.local", "/home/u/.local/etc"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SystemConfigFolder(row.prefix), row.folder) << row.prefix;
    }
}

// A program folder, an installed layout around it when asked, and the
// user's environment, all in scratch folders.
class SettingsPlacesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        ASSERT_TRUE(QDir(root_.path()).mkpath("bin"));
    }
    void TearDown() override { ::chmod(QFile::encodeName(Program()).constData(), 0755); }

    QString Program() const { return root_.filePath("bin"); }
    std::string Beside() const { return (Program() + "/settings.cfg").toStdString(); }
    std::string UserFile() const {
        return (config_.path() + "/korvane/settings.cfg").toStdString();
    }

    void Install() {
        ASSERT_TRUE(QDir(root_.path()).mkpath("share/applications"));
        Touch(root_.filePath("share/applications/") + QLatin1String(kApplicationId) + ".desktop");
    }
    static void Touch(const QString& path) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void MakeProgramFolderReadOnly() {
        ASSERT_EQ(::chmod(QFile::encodeName(Program()).constData(), 0555), 0);
    }

    // Puts back what the test changes of the environment.
    class SavedVariable {
      public:
        explicit SavedVariable(const char* name)
            : name_(name), set_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
        ~SavedVariable() {
            if (set_) {
                qputenv(name_, value_);
            } else {
                qunsetenv(name_);
            }
        }
        SavedVariable(const SavedVariable&) = delete;
        SavedVariable& operator=(const SavedVariable&) = delete;

      private:
        const char* name_;
        bool set_;
        QByteArray value_;
    };

    SavedVariable xdg_{"XDG_CONFIG_HOME"};
    SavedVariable home_{"HOME"};
    QTemporaryDir root_;
    QTemporaryDir config_;
};

TEST_F(SettingsPlacesTest, APortableCopyReadsAndSavesBesideItself) {
    const SettingsPlaces places = SettingsPlacesFor(Program());
    EXPECT_EQ(places.readFrom, Beside());
    EXPECT_EQ(places.saveTo, Beside());
    // Finding that out leaves nothing in the folder.
    EXPECT_EQ(QDir(Program()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{});
}

TEST_F(SettingsPlacesTest, AnInstalledCopyReadsThePresetUntilTheUserHasAFile) {
    // Writable here, as /usr/bin is for root: an installed copy still never
    // saves beside itself.
    Install();
    const std::string preset =
        (SystemConfigFolder(root_.path()) + "/korvane/settings.cfg").toStdString();
    EXPECT_EQ(preset, (root_.path() + "/etc/korvane/settings.cfg").toStdString());
    SettingsPlaces places = SettingsPlacesFor(Program());
    EXPECT_EQ(places.readFrom, preset);
    EXPECT_EQ(places.saveTo, UserFile());

    // The first save makes the user's folder and writes the 52 bytes there.
    EXPECT_FALSE(QDir(config_.path() + "/korvane").exists());
    ASSERT_TRUE(WriteUserDefaults(SystemDefaults(), places.saveTo));
    places = SettingsPlacesFor(Program());
    EXPECT_EQ(places.readFrom, UserFile());
    EXPECT_EQ(places.saveTo, UserFile());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Beside())));
}

TEST_F(SettingsPlacesTest, WithoutAUserFolderThereIsNowhereToSave) {
    Install();
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    const SettingsPlaces places = SettingsPlacesFor(Program());
    EXPECT_EQ(places.saveTo, "");
    EXPECT_EQ(places.readFrom,
              (SystemConfigFolder(root_.path()) + "/korvane/settings.cfg").toStdString());
}

// A read-only program folder holding a settings.cfg its user may write: the
// file there is the preset, and the user's saves go to their own file.
TEST_F(SettingsPlacesTest, AReadOnlyFolderKeepsItsFileAndTheUserSavesTheirOwn) {
    if (const std::optional<int> status = testing::RerunUnprivilegedIfRoot()) {
        EXPECT_EQ(*status, 0) << "as an unprivileged user";
        return;
    }
    const UserDefaults preset{"2", "3", "1", "12", "0.5", "23", "Molecular SO2"};
    ASSERT_TRUE(WriteUserDefaults(preset, Beside()));
    const std::string presetBytes = SerializeUserDefaults(preset);
    MakeProgramFolderReadOnly();

    SettingsPlaces places = SettingsPlacesFor(Program());
    EXPECT_EQ(places.readFrom, Beside());
    EXPECT_EQ(places.saveTo, UserFile());
    UserDefaults read;
    ASSERT_TRUE(ReadUserDefaults(read, places.readFrom));
    EXPECT_EQ(read, preset);

    ASSERT_TRUE(WriteUserDefaults(SystemDefaults(), places.saveTo));
    QFile beside(QString::fromStdString(Beside()));
    ASSERT_TRUE(beside.open(QIODevice::ReadOnly));
    EXPECT_EQ(beside.readAll().toStdString(), presetBytes);
    places = SettingsPlacesFor(Program());
    EXPECT_EQ(places.readFrom, UserFile());
    ASSERT_TRUE(ReadUserDefaults(read, places.readFrom));
    EXPECT_EQ(read, SystemDefaults());
}

}  // namespace
}  // namespace korvane::platform
