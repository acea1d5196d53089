// Where settings.cfg lives: beside the program for a portable copy or an
// existing user, in the user's configuration folder for an installed copy.
#include "platform/settings_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/product.h"
#include "core/user_defaults.h"
#include "platform/settings_store.h"
#include "support/unprivileged.h"

namespace korvane::platform {
namespace {

class SettingsLocationTest : public ::testing::Test {
  protected:
    QString Program() const { return program_.path(); }
    std::string Beside() const { return (program_.path() + "/settings.cfg").toStdString(); }

    void MakeReadOnly() { ::chmod(program_.path().toLocal8Bit().constData(), 0555); }
    void TearDown() override { ::chmod(program_.path().toLocal8Bit().constData(), 0755); }

    QTemporaryDir program_;
};

TEST_F(SettingsLocationTest, AWritableProgramFolderKeepsTheSettingsBesideTheProgram) {
    EXPECT_EQ(SettingsFilePathFor(Program()), Beside());
}

TEST_F(SettingsLocationTest, ASettingsFileBesideAReadOnlyProgramIsStillUsed) {
    if (const std::optional<int> status = testing::RerunUnprivilegedIfRoot()) {
        EXPECT_EQ(*status, 0) << "as an unprivileged user";
        return;
    }
    QFile file(QString::fromStdString(Beside()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    MakeReadOnly();
    EXPECT_EQ(SettingsFilePathFor(Program()), Beside());
}

TEST_F(SettingsLocationTest, AnInstalledCopySavesInTheUsersConfigurationFolder) {
    if (const std::optional<int> status = testing::RerunUnprivilegedIfRoot()) {
        EXPECT_EQ(*status, 0) << "as an unprivileged user";
        return;
    }
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    MakeReadOnly();
    const std::string path = SettingsFilePathFor(Program());
    EXPECT_EQ(path, (config.path() + "/korvane/settings.cfg").toStdString());

    // Nothing is made before the first save; the save makes the folder and
    // writes the same 52 bytes as anywhere else.
    EXPECT_FALSE(QDir(config.path() + "/korvane").exists());
    ASSERT_TRUE(WriteUserDefaults(SystemDefaults(), path));
    QFile saved(QString::fromStdString(path));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), SerializeUserDefaults(SystemDefaults()));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Beside())));
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(InstalledSettingsLocationTest, AnInstalledCopyNeverSavesBesideItselfEvenForRoot) {
    // bin/ and share/applications/ as an install lays them out; the folders
    // are writable here, as /usr/bin is for root.
    QTemporaryDir prefix;
    QTemporaryDir config;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin") &&
                QDir(prefix.path()).mkpath("share/applications"));
    QFile entry(prefix.path() + "/share/applications/" + QLatin1String(ApplicationId) + ".desktop");
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.close();
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    EXPECT_EQ(SettingsFilePathFor(prefix.path() + "/bin"),
              (config.path() + "/korvane/settings.cfg").toStdString());
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace korvane::platform
