// The choices' file codes. Their texts, and what choosing a method or a
// target kind changes, are tested where they show, in the windows; the words
// where a cellar file and the command line read them.
#include "core/rules/choices.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

// One field of every row, in order, e.g. "1|2|".
template <typename Row, std::size_t N>
std::string Joined(const std::array<Row, N>& table, const char* Row::*field) {
    std::string joined;
    for (const Row& row : table) {
        joined += std::string(row.*field != nullptr ? row.*field : "-") + '|';
    }
    return joined;
}

// settings.cfg as every earlier version wrote it. The lists' texts are read
// where the user sees them, in each window.
TEST(ChoicesTest, TheFileKeepsItsCodes) {
    EXPECT_EQ(Joined(kSulphiteForms, &ChoiceRow<SulphiteForm>::code), "1|2|");
    EXPECT_EQ(Joined(kAdditionMethods, &ChoiceRow<AdditionMethod>::code), "1|2|3|");
    EXPECT_EQ(Joined(kBatchUnits, &ChoiceRow<BatchUnit>::code), "2|3|1|");
    EXPECT_EQ(Joined(kTargetKinds, &ChoiceRow<TargetKind>::code), "Total Free SO2|Molecular SO2|");
    EXPECT_EQ(ChoiceOfCode(kBatchUnits, "1"), BatchUnit::Litre);
    EXPECT_EQ(ChoiceOfCode(kAdditionMethods, "3"), AdditionMethod::Tablet);
}

TEST(ChoicesTest, OtherTextsSelectNothing) {
    for (const char* code : {"", "0", "01", " 1", "1 ", "1\r", "4", "a", "1.0", "+1"}) {
        EXPECT_FALSE(ChoiceOfCode(kSulphiteForms, code)) << '[' << code << ']';
        EXPECT_FALSE(ChoiceOfCode(kAdditionMethods, code)) << '[' << code << ']';
        EXPECT_FALSE(ChoiceOfCode(kBatchUnits, code)) << '[' << code << ']';
    }
    EXPECT_FALSE(ChoiceOfCode(kSulphiteForms, "3"));
    // Target texts are matched exactly, letter case included.
    for (const char* text : {"", "molecular so2", "Molecular SO2 ", "Total free SO2"}) {
        EXPECT_FALSE(ChoiceOfCode(kTargetKinds, text)) << '[' << text << ']';
    }
}

}  // namespace
}  // namespace korvane
