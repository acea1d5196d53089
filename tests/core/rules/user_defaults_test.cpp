#include "core/rules/user_defaults.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace korvane {
namespace {

using namespace std::string_literals;

UserDefaults Filled(const std::string& mark) {
    return {mark + "1", mark + "2", mark + "3", mark + "4", mark + "5", mark + "6", mark + "7"};
}

// Seven quoted fields, each on a line of its own ended by CR LF: 52 bytes
// for the system defaults, two quotes for a field left empty.
TEST(UserDefaultsTest, SystemDefaultsGiveTheFiftyTwoByteFile) {
    UserDefaults noBatchSize = SystemDefaults();
    noBatchSize.batchSize.clear();
    const std::pair<UserDefaults, std::string> rows[] = {
        {SystemDefaults(),
         "\"1\"\r\n\"1\"\r\n\"2\"\r\n\"10\"\r\n\"0.44\"\r\n\"5\"\r\n\"Total Free SO2\"\r\n"},
        {noBatchSize,
         "\"1\"\r\n\"1\"\r\n\"2\"\r\n\"10\"\r\n\"0.44\"\r\n\"\"\r\n\"Total Free SO2\"\r\n"},
    };
    for (const auto& [record, bytes] : rows) {
        EXPECT_EQ(SerializeUserDefaults(record), bytes);
    }
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

struct ParseCase {
    const char* name;
    std::string bytes;
    bool wholeFile = true;  // else a prefix of the file
    bool succeeds = true;
    UserDefaults expected;  // starting from Filled("old")
};

TEST(UserDefaultsTest, ParsesFieldsLikeTheFileWriterAndHandEditors) {
    const UserDefaults old = Filled("old");
    const std::string seven =
        "\"1\"\r\n\"3\"\r\n\"1\"\r\n\"10\"\r\n\"0.5\"\r\n\"20\"\r\n\"Molecular SO2\"\r\n";
    const std::string six = "1\r\n3\r\n1\r\n10\r\n0.5\r\n20\r\n";  // and the seventh after it
    const UserDefaults sevenRead{"1", "3", "1", "10", "0.5", "20", "Molecular SO2"};
    const UserDefaults sixRead{"1", "3", "1", "10", "0.5", "20", "old7"};
    // clang-format off
    const ParseCase cases[] = {
        {.name = "seven records", .bytes = seven, .expected = sevenRead},
        {.name = "more than seven records", .bytes = seven + "\"9\"\r\n\"9\"\r\n",
         .expected = sevenRead},
        {.name = "six records keep the seventh field",
         .bytes = "\"2\"\r\n\"2\"\r\n\"3\"\r\n\"5\"\r\n\"1\"\r\n\"7\"\r\n", .succeeds = false,
         .expected = {"2", "2", "3", "5", "1", "7", "old7"}},
        {.name = "empty file", .bytes = "", .succeeds = false, .expected = old},
        {.name = "LF and lone CR line ends",
         .bytes = "\"1\"\n\"3\"\r\"1\"\n\"10\"\r\"0.5\"\n\"20\"\r\"Molecular SO2\"",
         .expected = sevenRead},
        {.name = "one line of commas", .bytes = "1,3,1,10,0.5,20,Molecular SO2",
         .expected = sevenRead},
        {.name = "unquoted blanks trimmed, quoted kept",
         .bytes = "  1 ,\t3\t, \" 1 \" ,10\r\n0.5\r\n20\r\n  Total Free SO2  \r\n",
         .expected = {"1", "3", " 1 ", "10", "0.5", "20", "Total Free SO2"}},
        {.name = "text after a closing quote is dropped",
         .bytes = "\"1\"x,\"3\" y\r\n\"1\"\"\r\n10\r\n0.5\r\n20\r\n\"Total Free SO2\"tail\r\n",
         .expected = {"1", "3", "1", "10", "0.5", "20", "Total Free SO2"}},
        {.name = "empty lines between records are skipped",
         .bytes = "\r\n\"1\"\r\n\r\n\r\n\"3\"\n\n\"1\"\r\r\"10\"\r\n   \r\n\"0.5\"\r\n"
                  "\"20\"\r\n\r\n\"Molecular SO2\"\r\n",
         .expected = sevenRead},
        {.name = "empty fields between commas", .bytes = "1,,2,,,,\r\n",
         .expected = {"1", "", "2", "", "", "", ""}},
        {.name = "a line end before the closing quote ends the field",
         .bytes = "\"1\r\n3\r\n1\r\n10\r\n0.5\r\n20\r\nMolecular SO2\r\n", .expected = sevenRead},
        {.name = "unclosed quote at the end of the file", .bytes = six + "\"Molec",
         .expected = {"1", "3", "1", "10", "0.5", "20", "Molec"}},
        {.name = "last field without a line end in the whole file", .bytes = six + "Molecular SO2",
         .expected = sevenRead},
        {.name = "last field cut off by the end of a prefix", .bytes = six + "Molecular SO2",
         .wholeFile = false, .succeeds = false, .expected = sixRead},
        {.name = "quoted last field closed within a prefix", .bytes = six + "\"Molecular SO2\"xx",
         .wholeFile = false, .expected = sevenRead},
        {.name = "unclosed quote cut off by the end of a prefix", .bytes = six + "\"Molecular SO2",
         .wholeFile = false, .succeeds = false, .expected = sixRead},
        {.name = "sixth field cut off by the end of a prefix",
         .bytes = "1\r\n3\r\n1\r\n10\r\n0.5\r\n2", .wholeFile = false, .succeeds = false,
         .expected = {"1", "3", "1", "10", "0.5", "old6", "old7"}},
        {.name = "trailing comma in the whole file gives an empty seventh field",
         .bytes = "1,3,1,10,0.5,20,", .expected = {"1", "3", "1", "10", "0.5", "20", ""}},
        {.name = "trailing comma in a prefix", .bytes = "1,3,1,10,0.5,20,", .wholeFile = false,
         .succeeds = false, .expected = sixRead},
        {.name = "NUL bytes are kept", .bytes = "\"a\0b\"\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"s,
         .expected = {"a\0b"s, "2", "3", "4", "5", "6", "7"}},
    };
    // clang-format on
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
