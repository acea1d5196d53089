#include "platform/settings_store.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <future>
#include <random>
#include <string>
#include <vector>

namespace korvane {
namespace {

using platform::ReadUserDefaults;
using platform::WriteUserDefaults;

using namespace std::chrono_literals;

std::string ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    return file.readAll().toStdString();
}

void WriteRaw(const std::string& path, const std::string& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
              static_cast<qint64>(bytes.size()));
}

class SettingsFileTest : public ::testing::Test {
  protected:
    std::string Folder() const { return folder_.path().toStdString(); }
    std::string Path() const { return SettingsFilePathIn(Folder(), '/'); }

    QTemporaryDir folder_;
};

// Each save replaces the whole file, a longer one as well, and reads back.
TEST_F(SettingsFileTest, ASaveReplacesTheWholeFileAndReadsBack) {
    const UserDefaults longer{
        "2", "3", "3", "100.000000", "12.345678", "99999.9999", "Molecular SO2"};
    for (const UserDefaults& saved :
         {longer, SystemDefaults(), UserDefaults{"1", "", "1", "", "", "", ""}}) {
        ASSERT_TRUE(WriteUserDefaults(saved, Path()));
        EXPECT_EQ(ReadAll(Path()), SerializeUserDefaults(saved));
        UserDefaults read;
        EXPECT_TRUE(ReadUserDefaults(read, Path()));
        EXPECT_EQ(read, saved);
    }
}

TEST_F(SettingsFileTest, NoPlainFileMeansNothingIsRead) {
    const std::vector<std::pair<const char*, std::function<bool(const std::string&)>>> setups{
        {"missing", [](const std::string&) { return true; }},
        {"directory",
         [](const std::string& path) { return QDir().mkdir(QString::fromStdString(path)); }},
        {"pipe", [](const std::string& path) { return ::mkfifo(path.c_str(), 0600) == 0; }},
    };
    for (const auto& [name, makeIt] : setups) {
        const std::string path = SettingsFilePathIn(Folder() + "/" + name, '/');
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Folder() + "/" + name)));
        ASSERT_TRUE(makeIt(path)) << name;

        // Opening a pipe for reading would wait for a writer. Should that
        // happen, open the writing end after a while so the test fails instead
        // of hanging.
        UserDefaults read;
        std::future<bool> result =
            std::async(std::launch::async, [&read, &path] { return ReadUserDefaults(read, path); });
        if (result.wait_for(10s) != std::future_status::ready) {
            const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                ::close(writer);
            }
            ADD_FAILURE() << name << ": reading waited for a writer";
        }
        EXPECT_FALSE(result.get()) << name;
        EXPECT_EQ(read, UserDefaults{}) << name;
    }
}

TEST_F(SettingsFileTest, HugeFileIsJudgedByItsBeginningOnly) {
    // Sparse files: a gigabyte on paper, nothing written to disk.
    constexpr qint64 Gigabyte = 1024LL * 1024 * 1024;
    struct Case {
        std::string beginning;
        bool succeeds;
    };
    const std::vector<Case> cases{
        {"", false},                                      // NUL bytes without a line end
        {"\"", false},                                    // an endless quoted field
        {SerializeUserDefaults(SystemDefaults()), true},  // seven records, then NUL bytes
    };
    for (const Case& c : cases) {
        WriteRaw(Path(), c.beginning);
        ASSERT_TRUE(QFile::resize(QString::fromStdString(Path()), Gigabyte));
        UserDefaults read;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ReadUserDefaults(read, Path()), c.succeeds) << c.beginning;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
        if (c.succeeds) {
            EXPECT_EQ(read, SystemDefaults());
        }
    }
}

// Whatever bytes a file holds, reading it gives what parsing those bytes
// gives: nothing is lost or added between the disk and the record.
TEST_F(SettingsFileTest, AnyBytesReadAsTheirParseSays) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(static_cast<std::size_t>(round * 97), '\0');
        for (char& c : bytes) {
            c = static_cast<char>(byte(random) % 4 == 0 ? "\",\r\n"[byte(random) % 4]
                                                        : byte(random));
        }
        WriteRaw(Path(), bytes);
        UserDefaults fromFile;
        UserDefaults fromBytes;
        EXPECT_EQ(ReadUserDefaults(fromFile, Path()), ParseUserDefaults(bytes, true, fromBytes));
        EXPECT_EQ(fromFile, fromBytes) << round;
    }
}

TEST(RecordFieldTextTest, EveryByteIsOneCharacterOnScreenAndBack) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    const QString shown = platform::RecordFieldText(bytes);
    EXPECT_EQ(shown.size(), 255);
    EXPECT_EQ(shown.at(0xE9 - 1), QChar(0xE9));  // a hand-edited Latin-1 accent
    EXPECT_EQ(platform::RecordFieldBytes(shown), bytes);
}

}  // namespace
}  // namespace korvane
