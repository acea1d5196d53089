// A save killed at any moment leaves settings.cfg as it was before that save
// or as the save meant it, never empty or in part, and nothing that stops
// the next save.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
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

TEST(SettingsSaveKilled, LeavesTheOldOrTheNewFileWhole) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(SettingsFileName));
    const std::string records[] = {SerializeUserDefaults(kSaveLoopRecords[0]),
                                   SerializeUserDefaults(kSaveLoopRecords[1])};
    ASSERT_TRUE(platform::WriteUserDefaults(kSaveLoopRecords[1], path.toStdString()));

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // A save takes well under a millisecond here: a kill within the first
    // few lands anywhere in one.
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int leftovers = 0;
    for (int kill = 1; kill <= 100; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill) + ", seed " + std::to_string(seed));
        QProcess saver;
        saver.start(QStringLiteral(KORVANE_SAVE_LOOP), {path});
        // It saves once before it says so; a file left by the last kill must
        // not have stopped that.
        ASSERT_TRUE(saver.waitForReadyRead(20000)) << saver.readAllStandardError().toStdString();
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_EQ(::kill(static_cast<pid_t>(saver.processId()), SIGKILL), 0);
        ASSERT_TRUE(saver.waitForFinished(20000));
        ASSERT_EQ(saver.exitStatus(), QProcess::CrashExit);

        const QStringList entries =
            QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        ASSERT_TRUE(entries.contains(QString::fromLatin1(SettingsFileName)));
        // A kill between writing the new copy and renaming it over the file
        // leaves that copy beside it under a name of its own. Nothing reads
        // it and the next save picks another name, so it does no harm as
        // long as it, too, is whole.
        for (const QString& entry : entries) {
            const std::string bytes = ReadAll(folder.filePath(entry));
            ASSERT_TRUE(bytes == records[0] || bytes == records[1])
                << entry.toStdString() << " holds \"" << bytes << '"';
        }
        leftovers = static_cast<int>(entries.size()) - 1;
    }
    std::printf("whole copies left beside settings.cfg after 100 kills: %d\n", leftovers);

    // Whatever the kills left, the next save and read work.
    ASSERT_TRUE(platform::WriteUserDefaults(kSaveLoopRecords[0], path.toStdString()));
    UserDefaults read;
    EXPECT_TRUE(platform::ReadUserDefaults(read, path.toStdString()));
    EXPECT_EQ(read, kSaveLoopRecords[0]);
}

}  // namespace
}  // namespace korvane
