// A save killed at any moment leaves settings.cfg as it was before that save
// or as the save meant it, never empty or in part, and nothing that stops
// the next save: beside the program, in the user's own folder, and through a
// link to a file elsewhere.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "platform/settings_store.h"
#include "save_loop.h"

namespace korvane {
namespace {

using testing::kSaveLoopRecords;

std::string ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

struct SaveLocation {
    const char* name;
    const char* settings;  // the path saved to, within the scratch folder
    const char* linkTo;    // what settings.cfg links to, if it is a link
    const char* file;      // the file that takes the bytes
};

void PrintTo(const SaveLocation& location, std::ostream* out) {
    *out << location.name;
}

class SettingsSaveKilled : public ::testing::TestWithParam<SaveLocation> {};

TEST_P(SettingsSaveKilled, LeavesTheOldOrTheNewFileWholeAndNoDebris) {
    const SaveLocation& location = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(location.settings);
    const QString file = folder.filePath(location.file);
    const QString fileFolder = QFileInfo(file).absolutePath();
    if (location.linkTo != nullptr) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()) && QDir().mkpath(fileFolder));
        ASSERT_EQ(::symlink(location.linkTo, QFile::encodeName(path).constData()), 0);
        QFile target(file);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    }
    const std::string records[] = {SerializeUserDefaults(kSaveLoopRecords[0]),
                                   SerializeUserDefaults(kSaveLoopRecords[1])};
    ASSERT_TRUE(platform::WriteUserDefaults(kSaveLoopRecords[1], path.toStdString()));
    // What a killed save may leave beside the file: its temporary copy.
    const QRegularExpression debris(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$")
            .arg(QRegularExpression::escape(QFileInfo(file).fileName())));

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // A save takes about a millisecond here: a kill within the first few
    // lands anywhere in one.
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int killsLeavingACopy = 0;
    for (int kill = 1; kill <= 100; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill) + ", seed " + std::to_string(seed));
        QProcess saver;
        saver.start(QStringLiteral(KORVANE_SAVE_LOOP), {path});
        // It saves once before it says so; a copy left by the last kill must
        // not have stopped that.
        ASSERT_TRUE(saver.waitForReadyRead(20000)) << saver.readAllStandardError().toStdString();
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_EQ(::kill(static_cast<pid_t>(saver.processId()), SIGKILL), 0);
        ASSERT_TRUE(saver.waitForFinished(20000));
        ASSERT_EQ(saver.exitStatus(), QProcess::CrashExit);

        const std::string bytes = ReadAll(path);
        ASSERT_TRUE(bytes == records[0] || bytes == records[1]) << "holds \"" << bytes << '"';
        ASSERT_EQ(QFileInfo(path).isSymLink(), location.linkTo != nullptr);
        // Each save clears away what the kill before left, so at most the
        // copy of the save just killed lies beside the file.
        QStringList left = Entries(fileFolder);
        ASSERT_TRUE(left.removeOne(QFileInfo(file).fileName()));
        ASSERT_LE(left.size(), 1) << left.join(' ').toStdString();
        for (const QString& entry : left) {
            ASSERT_TRUE(debris.match(entry).hasMatch()) << entry.toStdString();
        }
        killsLeavingACopy += static_cast<int>(left.size());
    }
    std::printf("%s: %d of 100 kills left a temporary copy\n", location.name, killsLeavingACopy);

    // Whatever the kills left, the next save and read work, and nothing but
    // the file remains.
    ASSERT_TRUE(platform::WriteUserDefaults(kSaveLoopRecords[0], path.toStdString()));
    UserDefaults read;
    EXPECT_TRUE(platform::ReadUserDefaults(read, path.toStdString()));
    EXPECT_EQ(read, kSaveLoopRecords[0]);
    EXPECT_EQ(Entries(fileFolder), QStringList{QFileInfo(file).fileName()});
    EXPECT_TRUE(QFileInfo(path).isSymLink() == (location.linkTo != nullptr));
}

INSTANTIATE_TEST_SUITE_P(
    Locations, SettingsSaveKilled,
    ::testing::Values(SaveLocation{"BesideTheProgram", "settings.cfg", nullptr, "settings.cfg"},
                      SaveLocation{"TheUsersOwnFolder", "config/korvane/settings.cfg", nullptr,
                                   "config/korvane/settings.cfg"},
                      SaveLocation{"ThroughALink", "app/settings.cfg", "../shared/real.cfg",
                                   "shared/real.cfg"}),
    [](const ::testing::TestParamInfo<SaveLocation>& info) { return info.param.name; });

}  // namespace
}  // namespace korvane
