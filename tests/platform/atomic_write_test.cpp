// The settings save's side of the atomic writer: its reasons as the user
// reads them, and the folders it makes. (The writer itself is tested with
// the core, in tests/core/files.)
#include "platform/atomic_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace korvane::platform {
namespace {

class AtomicWriteTest : public ::testing::Test {
  protected:
    QString PathOf(const QString& name) const { return folder_.filePath(name); }
    QByteArray Native(const QString& name) const { return QFile::encodeName(PathOf(name)); }

    void Put(const QString& name, const QByteArray& bytes) {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    mode_t Mode(const QString& name) const {
        struct stat status {};
        ::lstat(Native(name).constData(), &status);
        return status.st_mode;
    }

    QTemporaryDir folder_;
};

// The program's own reasons name the file as the user knows it, the link
// rather than where it leads; the system's are its own words.
TEST_F(AtomicWriteTest, AFailedSaveSaysWhyInTheUsersWords) {
    struct Row {
        const char* what;
        std::function<void()> make;  // puts something at "settings.cfg"
        QString path;
        const char* reason;
    };
    const Row rows[] = {
        {"a folder", [&] { QDir().mkpath(PathOf("settings.cfg")); }, "settings.cfg",
         "settings.cfg is not a regular file"},
        {"a link to nothing", [&] { ::symlink("gone.cfg", Native("settings.cfg").constData()); },
         "settings.cfg", "settings.cfg is not a regular file"},
        {"a device", [&] { ::symlink("/dev/null", Native("settings.cfg").constData()); },
         "settings.cfg", "settings.cfg is not a regular file"},
        {"a read-only file behind a link",
         [&] {
             Put("real.cfg", "old");
             ::chmod(Native("real.cfg").constData(), 0444);
             ::symlink("real.cfg", Native("settings.cfg").constData());
         },
         "settings.cfg", "settings.cfg is read-only"},
        {"a missing folder", [] {}, "missing/settings.cfg", "No such file or directory"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        row.make();
        const WriteResult result = WriteFileAtomically(PathOf(row.path), "new");
        EXPECT_FALSE(result.written);
        EXPECT_EQ(result.reason, row.reason);
        QDir(PathOf("settings.cfg")).removeRecursively();
        ::unlink(Native("settings.cfg").constData());
        ::unlink(Native("real.cfg").constData());
    }
    const WriteResult saved = WriteFileAtomically(PathOf("settings.cfg"), "new");
    EXPECT_TRUE(saved.written);
    EXPECT_EQ(saved.reason, "");
}

TEST_F(AtomicWriteTest, MakeFoldersMakesPrivateFoldersOrSaysWhyNot) {
    const WriteResult made = MakeFolders(PathOf("config/korvane"));
    EXPECT_TRUE(made.written) << made.reason.toStdString();
    EXPECT_EQ(Mode("config") & 07777, 0700u);
    EXPECT_EQ(Mode("config/korvane") & 07777, 0700u);
    EXPECT_TRUE(MakeFolders(PathOf("config/korvane")));

    Put("file", "x");
    const WriteResult blocked = MakeFolders(PathOf("file/korvane"));
    EXPECT_FALSE(blocked.written);
    EXPECT_EQ(blocked.reason, "Not a directory");
}

}  // namespace
}  // namespace korvane::platform
