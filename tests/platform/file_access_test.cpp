#include "platform/file_access.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <future>
#include <string>
#include <vector>

#include "support/unprivileged.h"

namespace korvane::platform {
namespace {

using namespace std::chrono_literals;

class FileAccessTest : public ::testing::Test {
  protected:
    QString PathOf(const QString& name) const { return folder_.filePath(name); }

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

    QTemporaryDir folder_;
};

TEST_F(FileAccessTest, ReadsAtMostTheLimitAndTellsWhetherThatWasAll) {
    const std::string text = std::string("a\0b\r\n\"c\"\xff", 9) + std::string(200, 'z');
    struct Case {
        std::size_t size;
        std::size_t limit;
        bool wholeFile;
    };
    const std::vector<Case> cases{
        {0, 0, true}, {0, 64, true}, {5, 0, false},    {5, 4, false},
        {5, 5, true}, {5, 6, true},  {209, 64, false}, {209, 209, true},
    };
    for (const Case& c : cases) {
        Put("f", text.substr(0, c.size));
        const std::optional<FilePrefix> prefix = ReadFilePrefix(PathOf("f"), c.limit);
        ASSERT_TRUE(prefix) << c.size << " / " << c.limit;
        EXPECT_EQ(prefix->bytes, text.substr(0, std::min(c.size, c.limit)))
            << c.size << " / " << c.limit;
        EXPECT_EQ(prefix->wholeFile, c.wholeFile) << c.size << " / " << c.limit;
    }
}

TEST_F(FileAccessTest, LargeFileIsReadOnlyUpToTheLimit) {
    constexpr qint64 Gigabyte = 1024LL * 1024 * 1024;
    constexpr std::size_t Limit = std::size_t{64} * 1024;
    Put("big", "start");
    ASSERT_TRUE(QFile::resize(PathOf("big"), Gigabyte));  // sparse: nothing written

    const auto start = std::chrono::steady_clock::now();
    const std::optional<FilePrefix> prefix = ReadFilePrefix(PathOf("big"), Limit);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    ASSERT_TRUE(prefix);
    EXPECT_FALSE(prefix->wholeFile);
    ASSERT_EQ(prefix->bytes.size(), Limit);
    EXPECT_EQ(prefix->bytes.substr(0, 6), std::string("start\0", 6));
    EXPECT_LT(prefix->bytes.capacity(), 2 * Limit);
}

TEST_F(FileAccessTest, RefusesWhatIsNotARegularFile) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("directory"));
    ASSERT_EQ(::mkfifo(PathOf("pipe").toLocal8Bit().constData(), 0600), 0);
    for (const QString& name : {QString("missing"), QString("directory"), QString("pipe")}) {
        const QString path = PathOf(name);
        // A pipe opened for reading would wait for a writer; if that happens,
        // open the writing end after a while so the test fails, not hangs.
        std::future<bool> refused = std::async(
            std::launch::async, [path] { return !ReadFilePrefix(path, 1024).has_value(); });
        if (refused.wait_for(10s) != std::future_status::ready) {
            const int writer = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                ::close(writer);
            }
            ADD_FAILURE() << name.toStdString() << ": waited for a writer";
        }
        EXPECT_TRUE(refused.get()) << name.toStdString();
    }
}

TEST_F(FileAccessTest, WritesExactBytesAndReplacesTheOldFile) {
    const std::string first = std::string("\"1\"\r\n\0\xff", 7) + std::string(5000, 'x');
    const std::string second = "\"2\"\r\n";
    ASSERT_TRUE(WriteFileAtomically(PathOf("out"), first));
    EXPECT_EQ(Contents("out"), first);
    ASSERT_TRUE(WriteFileAtomically(PathOf("out"), second));
    EXPECT_EQ(Contents("out"), second);
    ASSERT_TRUE(WriteFileAtomically(PathOf("out"), ""));
    EXPECT_EQ(Contents("out"), "");
}

TEST_F(FileAccessTest, FailedWriteLeavesEverythingAsItWas) {
    ASSERT_TRUE(QDir(folder_.path()).mkpath("taken/inside"));
    Put("plain", "old contents\r\n");
    for (const QString& target : {QString("missing/out"), QString("taken"), QString("plain/out")}) {
        EXPECT_FALSE(WriteFileAtomically(PathOf(target), "new")) << target.toStdString();
    }
    EXPECT_TRUE(QFileInfo(PathOf("taken/inside")).isDir());
    EXPECT_EQ(Contents("plain"), "old contents\r\n");
    EXPECT_EQ(QDir(folder_.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"plain", "taken"}));
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

TEST_F(FileAccessTest, WriteCutShortKeepsTheOldFile) {
    Put("settings", "old contents\r\n");
    for (const std::size_t size : {std::size_t{52}, std::size_t{100000}}) {
        bool written = true;
        {
            // Nothing may be printed while the limit holds.
            FileSizeLimit limit(10);
            written = WriteFileAtomically(PathOf("settings"), std::string(size, 'n'));
        }
        EXPECT_FALSE(written) << size;
        EXPECT_EQ(Contents("settings"), "old contents\r\n") << size;
        EXPECT_EQ(
            QDir(folder_.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList{"settings"});
    }
}

// A program folder the user may not write in, holding a settings file they
// may, still takes the save. (Root writes anywhere, so only a user shows it.)
TEST_F(FileAccessTest, ReadOnlyFolderWithAWritableFileStillSaves) {
    if (const std::optional<int> status = testing::RerunUnprivilegedIfRoot()) {
        EXPECT_EQ(*status, 0) << "as an unprivileged user";
        return;
    }
    Put("settings.cfg", "old");
    const std::string folder = folder_.path().toStdString();
    ::chmod(folder.c_str(), 0555);
    const bool saved = WriteFileAtomically(PathOf("settings.cfg"), "new contents");
    ::chmod(folder.c_str(), 0755);
    EXPECT_TRUE(saved);
    EXPECT_EQ(Contents("settings.cfg"), "new contents");
}

}  // namespace
}  // namespace korvane::platform
