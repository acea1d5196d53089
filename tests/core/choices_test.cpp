// The choices' texts and file codes. What choosing a method or a target kind
// changes is tested where it shows, in the windows.
#include "core/choices.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

TEST(ChoicesTest, ListsOfferTheirEntriesInOrder) {
    auto texts = [](const auto& table) {
        std::string joined;
        for (const auto& row : table) {
            joined += std::string(row.text) + '|';
        }
        return joined;
    };
    EXPECT_EQ(texts(kSulphiteFormTexts), "Potassium Metabisulphite|Sodium Metabisulphite|");
    EXPECT_EQ(texts(kBatchUnitTexts), "U.S. Gal.|Imp. Gal.|Litres|");
    EXPECT_EQ(texts(kSettingsBatchUnitTexts), "U.S. Gal.|Imp. gal.|Litres|");
    EXPECT_EQ(texts(kTargetKindTexts), "Total Free SO2|Molecular SO2|");
}

TEST(ChoicesTest, CodesWorkBothWays) {
    struct {
        const char* code;
        SulphiteForm form;
    } forms[] = {{"1", SulphiteForm::Potassium}, {"2", SulphiteForm::Sodium}};
    for (const auto& [code, form] : forms) {
        EXPECT_EQ(ChoiceOf(kFormCodes, code), form) << code;
        EXPECT_STREQ(TextOf(kFormCodes, form), code);
    }
    struct {
        const char* code;
        AdditionMethod method;
    } methods[] = {{"1", AdditionMethod::Powder},
                   {"2", AdditionMethod::Solution},
                   {"3", AdditionMethod::Tablet}};
    for (const auto& [code, method] : methods) {
        EXPECT_EQ(ChoiceOf(kMethodCodes, code), method) << code;
        EXPECT_STREQ(TextOf(kMethodCodes, method), code);
    }
    struct {
        const char* code;
        BatchUnit unit;
    } units[] = {
        {"1", BatchUnit::Litre}, {"2", BatchUnit::UsGallon}, {"3", BatchUnit::ImperialGallon}};
    for (const auto& [code, unit] : units) {
        EXPECT_EQ(ChoiceOf(kUnitCodes, code), unit) << code;
        EXPECT_STREQ(TextOf(kUnitCodes, unit), code);
    }
}

TEST(ChoicesTest, OtherTextsSelectNothing) {
    for (const char* code : {"", "0", "01", " 1", "1 ", "1\r", "4", "a", "1.0", "+1"}) {
        EXPECT_FALSE(ChoiceOf(kFormCodes, code)) << '[' << code << ']';
        EXPECT_FALSE(ChoiceOf(kMethodCodes, code)) << '[' << code << ']';
        EXPECT_FALSE(ChoiceOf(kUnitCodes, code)) << '[' << code << ']';
    }
    EXPECT_FALSE(ChoiceOf(kFormCodes, "3"));
    // Target texts are matched exactly, letter case included.
    EXPECT_EQ(ChoiceOf(kTargetKindTexts, "Molecular SO2"), TargetKind::MolecularSO2);
    for (const char* text : {"", "molecular so2", "Molecular SO2 ", "Total free SO2"}) {
        EXPECT_FALSE(ChoiceOf(kTargetKindTexts, text)) << '[' << text << ']';
    }
}

}  // namespace
}  // namespace korvane
