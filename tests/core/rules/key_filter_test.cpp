// Which character codes a numeric field takes.
#include "core/rules/key_filter.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct KeyCase {
    int code;
    int periodOnly;  // what the field receives in a language with a decimal point
    int commaToo;    // ... and in one with a decimal comma
};

class KeyFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilterTest, KeepsDigitsThePointAndControlCodes) {
    const KeyCase& c = GetParam();
    int code = c.code;
    FilterNumericKey(code);
    EXPECT_EQ(code, c.periodOnly) << "code " << c.code;
    code = c.code;
    FilterNumericKey(code, DecimalKey::CommaToo);
    EXPECT_EQ(code, c.commaToo) << "code " << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilterTest,
    ::testing::Values(KeyCase{'0', '0', '0'}, KeyCase{'5', '5', '5'}, KeyCase{'9', '9', '9'},
                      KeyCase{'.', '.', '.'},
                      // Backspace, Enter and Ctrl+A to Ctrl+Z (copy 3, paste 22,
                      // cut 24, undo 26) reach the field.
                      KeyCase{8, 8, 8}, KeyCase{13, 13, 13}, KeyCase{1, 1, 1}, KeyCase{3, 3, 3},
                      KeyCase{22, 22, 22}, KeyCase{24, 24, 24}, KeyCase{26, 26, 26},
                      // Escape, the blank, signs, letters and the comma are dropped
                      // where the comma may be a thousands separator.
                      KeyCase{27, 0, 0}, KeyCase{' ', 0, 0}, KeyCase{'-', 0, 0}, KeyCase{'+', 0, 0},
                      KeyCase{'e', 0, 0}, KeyCase{'Z', 0, 0}, KeyCase{',', 0, '.'},
                      KeyCase{'/', 0, 0}, KeyCase{':', 0, 0}, KeyCase{0x00B7, 0, 0},
                      KeyCase{0x066B, 0, 0}, KeyCase{0x0660, 0, 0}));

}  // namespace
}  // namespace korvane
