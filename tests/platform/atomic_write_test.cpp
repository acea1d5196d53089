// Replacing a file: the old bytes or the new ones, never a mixture; links
// kept and followed only to a plain file; every refusal with its reason.
#include "platform/atomic_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "support/unprivileged.h"

namespace korvane::platform {
namespace {

class AtomicWriteTest : public ::testing::Test {
  protected:
    QString PathOf(const QString& name) const { return folder_.filePath(name); }
    QByteArray Native(const QString& name) const { return QFile::encodeName(PathOf(name)); }

    void Put(const QString& name, const std::string& bytes) {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
                  static_cast<qint64>(bytes.size()));
    }

    std::string Contents(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
    }

    QStringList Entries(const QString& folder = {}) const {
        return QDir(PathOf(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    mode_t Mode(const QString& name) const {
        struct stat status {};
        ::lstat(Native(name).constData(), &status);
        return status.st_mode;
    }

    QTemporaryDir folder_;
};

TEST_F(AtomicWriteTest, WritesExactBytesAndReplacesTheOldFile) {
    const std::string first = std::string("\"1\"\r\n\0\xff", 7) + std::string(5000, 'x');
    const std::string second = "\"2\"\r\n";
    for (const std::string& bytes : {first, second, std::string()}) {
        const WriteResult result = WriteFileAtomically(PathOf("out"), bytes);
        EXPECT_TRUE(result.written) << result.reason.toStdString();
        EXPECT_EQ(result.reason, "");
        EXPECT_EQ(Contents("out"), bytes);
    }
    EXPECT_EQ(Entries(), QStringList{"out"});
}

TEST_F(AtomicWriteTest, APlainFileKeepsItsPermissionsAndANewOneGetsTheUsual) {
    Put("kept", "old");
    ASSERT_EQ(::chmod(Native("kept").constData(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(PathOf("kept"), "new"));
    EXPECT_EQ(Mode("kept") & 07777, 0640u);

    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(WriteFileAtomically(PathOf("fresh"), "new"));
    EXPECT_EQ(Mode("fresh") & 07777, 0666u & ~mask);
}

// What stands at the file's place decides: a link to a plain file is saved
// through, anything else is refused and stays as it was.
TEST_F(AtomicWriteTest, ALinkIsSavedThroughToAPlainFileAndRefusedOtherwise) {
    struct Row {
        const char* what;
        std::function<void(const QByteArray&)> make;  // makes "app/settings.cfg"
        const char* reason;                           // empty: saved through
        QString target;                               // what the link leads to
    };
    const auto link = [](const char* to) {
        return
            [to](const QByteArray& settings) { ASSERT_EQ(::symlink(to, settings.constData()), 0); };
    };
    const std::vector<Row> rows{
        {"a link to a plain file elsewhere", link("../shared/real.cfg"), "", "shared/real.cfg"},
        {"a link to a link to a plain file", link("../shared/link.cfg"), "", "shared/real.cfg"},
        {"a link to a pipe", link("../shared/pipe"), "settings.cfg is not a regular file",
         "shared/pipe"},
        {"a link to a folder", link("../shared"), "settings.cfg is not a regular file", "shared"},
        {"a link to a device", link("/dev/null"), "settings.cfg is not a regular file", ""},
        {"a link to nothing", link("../shared/missing.cfg"), "settings.cfg is not a regular file",
         "shared/missing.cfg"},
        {"a pipe itself",
         [](const QByteArray& settings) { ASSERT_EQ(::mkfifo(settings.constData(), 0600), 0); },
         "settings.cfg is not a regular file", "app/settings.cfg"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QDir(folder_.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(PathOf("app")) && QDir().mkpath(PathOf("shared")));
        Put("shared/real.cfg", "old contents");
        ASSERT_EQ(::chmod(Native("shared/real.cfg").constData(), 0604), 0);
        ASSERT_EQ(::symlink("real.cfg", Native("shared/link.cfg").constData()), 0);
        ASSERT_EQ(::mkfifo(Native("shared/pipe").constData(), 0600), 0);
        row.make(Native("app/settings.cfg"));
        const mode_t linkMode = Mode("app/settings.cfg");

        const WriteResult result = WriteFileAtomically(PathOf("app/settings.cfg"), "new");
        EXPECT_EQ(result.written, *row.reason == '\0');
        EXPECT_EQ(result.reason, row.reason);
        // The link, or whatever was refused, is still there as it was.
        EXPECT_EQ(Mode("app/settings.cfg"), linkMode);
        EXPECT_EQ(Entries("app"), QStringList{"settings.cfg"});
        EXPECT_EQ(Contents("shared/real.cfg"), result.written ? "new" : "old contents");
        EXPECT_EQ(Mode("shared/real.cfg") & 07777, 0604u);
        EXPECT_TRUE(S_ISFIFO(Mode("shared/pipe")));
        EXPECT_EQ(Entries("shared"), (QStringList{"link.cfg", "pipe", "real.cfg"}));
        if (!row.target.isEmpty() && result.written) {
            EXPECT_EQ(QFileInfo(PathOf("app/settings.cfg")).canonicalFilePath(),
                      QFileInfo(PathOf(row.target)).canonicalFilePath());
        }
    }
}

TEST_F(AtomicWriteTest, AFailedWriteSaysWhyAndLeavesEverythingAsItWas) {
    ASSERT_TRUE(QDir(folder_.path()).mkpath("taken/inside"));
    Put("plain", "old contents\r\n");
    struct Row {
        QString target;
        const char* reason;
    };
    const Row rows[] = {
        {"missing/out", "No such file or directory"},
        {"taken", "taken is not a regular file"},
        {"plain/out", "Not a directory"},
    };
    for (const Row& row : rows) {
        const WriteResult result = WriteFileAtomically(PathOf(row.target), "new");
        EXPECT_FALSE(result.written) << row.target.toStdString();
        EXPECT_EQ(result.reason, row.reason) << row.target.toStdString();
    }
    EXPECT_TRUE(QFileInfo(PathOf("taken/inside")).isDir());
    EXPECT_EQ(Contents("plain"), "old contents\r\n");
    EXPECT_EQ(Entries(), (QStringList{"plain", "taken"}));
}

// While it lives, no file of the process may grow past `bytes`, as on a full
// disk; a write beyond that fails instead of raising a signal.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

TEST_F(AtomicWriteTest, AWriteCutShortKeepsTheOldFile) {
    Put("settings", "old contents\r\n");
    for (const std::size_t size : {std::size_t{52}, std::size_t{100000}}) {
        WriteResult result;
        {
            // Nothing may be printed while the limit holds.
            FileSizeLimit limit(10);
            result = WriteFileAtomically(PathOf("settings"), std::string(size, 'n'));
        }
        EXPECT_FALSE(result.written) << size;
        EXPECT_EQ(result.reason, "File too large") << size;
        EXPECT_EQ(Contents("settings"), "old contents\r\n") << size;
        EXPECT_EQ(Entries(), QStringList{"settings"});
    }
}

// A folder where no new file can be made takes no save, even when the file
// in it may be written: rewriting it in place could leave it cut short. A
// file made read-only is not replaced either. (Root writes anywhere, so
// only a user shows it.)
TEST_F(AtomicWriteTest, WhatTheUserMayNotChangeIsRefusedAndKept) {
    if (const std::optional<int> status = testing::RerunUnprivilegedIfRoot()) {
        EXPECT_EQ(*status, 0) << "as an unprivileged user";
        return;
    }
    struct Row {
        const char* what;
        mode_t folder;
        mode_t file;
    };
    const Row rows[] = {
        {"a read-only folder, a writable file", 0555, 0644},
        {"a writable folder, a read-only file", 0755, 0444},
    };
    ASSERT_TRUE(QDir().mkpath(PathOf("app")));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Put("app/settings.cfg", "old");
        ASSERT_EQ(::chmod(Native("app/settings.cfg").constData(), row.file), 0);
        ASSERT_EQ(::chmod(Native("app").constData(), row.folder), 0);
        EXPECT_EQ(CanReplaceFileAt(PathOf("app/settings.cfg")), row.folder == 0755);
        const WriteResult result = WriteFileAtomically(PathOf("app/settings.cfg"), "new contents");
        ::chmod(Native("app").constData(), 0755);
        ::chmod(Native("app/settings.cfg").constData(), 0644);
        EXPECT_FALSE(result.written);
        EXPECT_EQ(result.reason, "Permission denied");
        EXPECT_EQ(Contents("app/settings.cfg"), "old");
        EXPECT_EQ(Entries("app"), QStringList{"settings.cfg"});
    }
}

// Root may write any file, but one made read-only is still kept.
TEST_F(AtomicWriteTest, AReadOnlyFileIsKeptFromRootToo) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "the user's own case is above; CI runs this as root";
    }
    Put("settings.cfg", "old");
    ASSERT_EQ(::chmod(Native("settings.cfg").constData(), 0444), 0);
    const WriteResult result = WriteFileAtomically(PathOf("settings.cfg"), "new contents");
    EXPECT_EQ(result.reason, "Permission denied");
    EXPECT_EQ(Contents("settings.cfg"), "old");
}

// A save killed after making its temporary copy leaves it behind. The next
// save clears such copies away: its own name pattern only, only files, and
// none that a running save still holds.
TEST_F(AtomicWriteTest, ASaveRemovesTheCopiesKilledSavesLeft) {
    const QStringList debris{"settings.cfg.a1B2c3", "settings.cfg.ZZZZZZ"};
    const QStringList others{"settings.cfg.bak",    "settings.cfg.a1B2c", "settings.cfg.a1B2c3d",
                             "settings.cfg.a1-2c3", "other.cfg.a1B2c3",   "settings.cfg.held00",
                             "settings.cfg.linked", "settings.cfg.folder"};
    for (const QString& name : debris + others.mid(0, 6)) {
        Put(name, "x");
    }
    ASSERT_EQ(::symlink("settings.cfg.a1B2c3", Native("settings.cfg.linked").constData()), 0);
    ASSERT_TRUE(QDir(folder_.path()).mkdir("settings.cfg.folder"));
    // A save still running holds a lock on its copy.
    const int held = ::open(Native("settings.cfg.held00").constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(WriteFileAtomically(PathOf("settings.cfg"), "new"));
    ::close(held);
    QStringList expected = others + QStringList{"settings.cfg"};
    expected.sort();
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(Contents("settings.cfg"), "new");
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

// Root saving through a link into a user's file leaves the file that user's.
TEST_F(AtomicWriteTest, RootSavingKeepsTheFilesOwner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file to another user";
    }
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    Put("theirs.cfg", "old");
    ASSERT_EQ(::chown(Native("theirs.cfg").constData(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(::symlink("theirs.cfg", Native("settings.cfg").constData()), 0);
    ASSERT_TRUE(WriteFileAtomically(PathOf("settings.cfg"), "new"));
    struct stat status {};
    ASSERT_EQ(::stat(Native("theirs.cfg").constData(), &status), 0);
    EXPECT_EQ(status.st_uid, nobody->pw_uid);
    EXPECT_EQ(status.st_gid, nobody->pw_gid);
    EXPECT_EQ(Contents("theirs.cfg"), "new");
}

}  // namespace
}  // namespace korvane::platform
