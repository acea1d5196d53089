#include "platform/file_access.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <string>
#include <vector>

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

}  // namespace
}  // namespace korvane::platform
