#include "core/rules/user_defaults.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace korvane {
namespace {

using namespace std::string_literals;

UserDefaults Filled(const std::string& mark) {
    return {mark + "1", mark + "2", mark + "3", mark + "4", mark + "5", mark + "6", mark + "7"};
}

TEST(UserDefaultsTest, SystemDefaultsGiveTheFiftyTwoByteFile) {
    const std::vector<unsigned char> expected{
        0x22, 0x31, 0x22, 0x0D, 0x0A,                                // "1"
        0x22, 0x31, 0x22, 0x0D, 0x0A,                                // "1"
        0x22, 0x32, 0x22, 0x0D, 0x0A,                                // "2"
        0x22, 0x31, 0x30, 0x22, 0x0D, 0x0A,                          // "10"
        0x22, 0x30, 0x2E, 0x34, 0x34, 0x22, 0x0D, 0x0A,              // "0.44"
        0x22, 0x35, 0x22, 0x0D, 0x0A,                                // "5"
        0x22, 0x54, 0x6F, 0x74, 0x61, 0x6C, 0x20, 0x46, 0x72, 0x65,  // "Total Free
        0x65, 0x20, 0x53, 0x4F, 0x32, 0x22, 0x0D, 0x0A,              // SO2"
    };
    const std::string bytes = SerializeUserDefaults(SystemDefaults());
    ASSERT_EQ(bytes.size(), 52u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.end()), expected);
}

TEST(UserDefaultsTest, SavedRecordsReadBackUnchanged) {
    const std::vector<UserDefaults> records{
        SystemDefaults(),
        {},  // every field empty: seven lines of ""
        {"2", "3", "1", "", "0", "", "Molecular SO2"},
        {" 1", "01", "", "  12.5 ", "\t0.4", "abc", "molecular so2"},
        {"1,2", "x y", "3", "100", "0.44", "5,5", "Total Free SO2"},  // commas inside quotes
    };
    for (const UserDefaults& saved : records) {
        UserDefaults read = Filled("old");
        EXPECT_TRUE(ParseUserDefaults(SerializeUserDefaults(saved), true, read));
        EXPECT_EQ(read, saved) << SerializeUserDefaults(saved);
    }
}

TEST(UserDefaultsTest, EmptyFieldIsTwoQuotesAndALineEnd) {
    UserDefaults record = SystemDefaults();
    record.batchSize.clear();
    EXPECT_NE(SerializeUserDefaults(record).find("\"0.44\"\r\n\"\"\r\n\"Total"), std::string::npos);
}

struct ParseCase {
    const char* name;
    std::string bytes;
    bool wholeFile;
    bool succeeds;
    UserDefaults expected;  // starting from Filled("old")
};

TEST(UserDefaultsTest, ParsesFieldsLikeTheFileWriterAndHandEditors) {
    const UserDefaults old = Filled("old");
    const std::string seven =
        "\"1\"\r\n\"3\"\r\n\"1\"\r\n\"10\"\r\n\"0.5\"\r\n\"20\"\r\n\"Molecular SO2\"\r\n";
    const UserDefaults sevenRead{"1", "3", "1", "10", "0.5", "20", "Molecular SO2"};
    const std::vector<ParseCase> cases{
        {"seven records", seven, true, true, sevenRead},
        {"more than seven records", seven + "\"9\"\r\n\"9\"\r\n", true, true, sevenRead},
        {"six records keep the seventh field",
         "\"2\"\r\n\"2\"\r\n\"3\"\r\n\"5\"\r\n\"1\"\r\n\"7\"\r\n",
         true,
         false,
         {"2", "2", "3", "5", "1", "7", "old7"}},
        {"empty file", "", true, false, old},
        {"LF and lone CR line ends",
         "\"1\"\n\"3\"\r\"1\"\n\"10\"\r\"0.5\"\n\"20\"\r\"Molecular SO2\"", true, true, sevenRead},
        {"one line of commas", "1,3,1,10,0.5,20,Molecular SO2", true, true, sevenRead},
        {"unquoted blanks trimmed, quoted kept",
         "  1 ,\t3\t, \" 1 \" ,10\r\n0.5\r\n20\r\n  Total Free SO2  \r\n",
         true,
         true,
         {"1", "3", " 1 ", "10", "0.5", "20", "Total Free SO2"}},
        {"text after a closing quote is dropped",
         "\"1\"x,\"3\" y\r\n\"1\"\"\r\n10\r\n0.5\r\n20\r\n\"Total Free SO2\"tail\r\n",
         true,
         true,
         {"1", "3", "1", "10", "0.5", "20", "Total Free SO2"}},
        {"empty lines between records are skipped",
         "\r\n\"1\"\r\n\r\n\r\n\"3\"\n\n\"1\"\r\r\"10\"\r\n   \r\n\"0.5\"\r\n\"20\"\r\n\r\n"
         "\"Molecular SO2\"\r\n",
         true, true, sevenRead},
        {"empty fields between commas", "1,,2,,,,\r\n", true, true, {"1", "", "2", "", "", "", ""}},
        {"a line end before the closing quote ends the field",
         "\"1\r\n3\r\n1\r\n10\r\n0.5\r\n20\r\nMolecular SO2\r\n", true, true, sevenRead},
        {"unclosed quote at the end of the file",
         "1\r\n3\r\n1\r\n10\r\n0.5\r\n20\r\n\"Molec",
         true,
         true,
         {"1", "3", "1", "10", "0.5", "20", "Molec"}},
        {"last field without a line end in the whole file",
         "1\r\n3\r\n1\r\n10\r\n0.5\r\n20\r\nMolecular SO2", true, true, sevenRead},
        {"last field cut off by the end of a prefix",
         "1\r\n3\r\n1\r\n10\r\n0.5\r\n20\r\nMolecular SO2",
         false,
         false,
         {"1", "3", "1", "10", "0.5", "20", "old7"}},
        {"quoted last field closed within a prefix",
         "1\r\n3\r\n1\r\n10\r\n0.5\r\n20\r\n\"Molecular SO2\"xx", false, true, sevenRead},
        {"unclosed quote cut off by the end of a prefix",
         "1\r\n3\r\n1\r\n10\r\n0.5\r\n20\r\n\"Molecular SO2",
         false,
         false,
         {"1", "3", "1", "10", "0.5", "20", "old7"}},
        {"sixth field cut off by the end of a prefix",
         "1\r\n3\r\n1\r\n10\r\n0.5\r\n2",
         false,
         false,
         {"1", "3", "1", "10", "0.5", "old6", "old7"}},
        {"trailing comma in the whole file gives an empty seventh field",
         "1,3,1,10,0.5,20,",
         true,
         true,
         {"1", "3", "1", "10", "0.5", "20", ""}},
        {"trailing comma in a prefix",
         "1,3,1,10,0.5,20,",
         false,
         false,
         {"1", "3", "1", "10", "0.5", "20", "old7"}},
        {"NUL bytes are kept",
         "\"a\0b\"\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"s,
         true,
         true,
         {"a\0b"s, "2", "3", "4", "5", "6", "7"}},
    };
    for (const ParseCase& c : cases) {
        UserDefaults record = old;
        EXPECT_EQ(ParseUserDefaults(c.bytes, c.wholeFile, record), c.succeeds) << c.name;
        EXPECT_EQ(record, c.expected) << c.name;
    }
}

TEST(UserDefaultsTest, EndlessFieldWithoutLineEndFails) {
    const std::size_t size = std::size_t{64} * 1024;
    const std::string endless(size, '7');
    for (const std::string& bytes : {endless, std::string(size, '\0'), "\"" + endless}) {
        UserDefaults record;
        EXPECT_FALSE(ParseUserDefaults(bytes, false, record));
        EXPECT_EQ(record, UserDefaults{});
    }
}

TEST(UserDefaultsTest, RandomBytesNeverCrashTheParser) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(static_cast<std::size_t>(round % 200), '\0');
        for (char& c : bytes) {
            // Plenty of separators and quotes so every path is taken.
            const int b = byte(random);
            c = b < 40 ? ",\r\n\" \t"[b % 6] : static_cast<char>(b);
        }
        UserDefaults record;
        const bool read = ParseUserDefaults(bytes, round % 2 == 0, record);
        if (read) {
            // Whatever was read fits inside the input.
            const std::size_t total = record.formCode.size() + record.methodCode.size() +
                                      record.unitCode.size() + record.solutionPercent.size() +
                                      record.tabletWeight.size() + record.batchSize.size() +
                                      record.targetText.size();
            EXPECT_LE(total, bytes.size());
        }
    }
}

TEST(UserDefaultsTest, SettingsPathHasExactlyOneSeparator) {
    const std::vector<std::tuple<std::string, char, std::string>> cases{
        {"C:\\", '\\', "C:\\settings.cfg"},
        {"C:\\Program Files\\Korvane", '\\', "C:\\Program Files\\Korvane\\settings.cfg"},
        {"/", '/', "/settings.cfg"},
        {"/opt/korvane", '/', "/opt/korvane/settings.cfg"},
        {"/opt/korvane/", '/', "/opt/korvane/settings.cfg"},
    };
    for (const auto& [folder, separator, path] : cases) {
        EXPECT_EQ(SettingsFilePathIn(folder, separator), path);
    }
}

}  // namespace
}  // namespace korvane
