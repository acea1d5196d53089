// The choices' texts and file codes, and what choosing a method or a target
// kind changes.
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

struct MethodCase {
    AdditionMethod method;
    bool solution, tablet, teaspoons;
    std::string amountUnit;
    const char* teaspoonUnit;
};

TEST(ChoicesTest, EachMethodEnablesItsFieldsAndNamesItsUnits) {
    const MethodCase cases[] = {
        {AdditionMethod::Tablet, false, true, false, "tablets", nullptr},
        {AdditionMethod::Powder, false, false, true, "g", "tsp"},
        {AdditionMethod::Solution, true, false, true, "ml", "tsp"},
    };
    for (const MethodCase& c : cases) {
        const MethodState& state = MethodStateOf(c.method);
        SCOPED_TRACE(c.amountUnit);
        EXPECT_EQ(state.method, c.method);
        EXPECT_EQ(state.solutionEnabled, c.solution);
        EXPECT_EQ(state.tabletEnabled, c.tablet);
        EXPECT_EQ(state.teaspoonsShown, c.teaspoons);
        EXPECT_EQ(state.amountUnit, c.amountUnit);
        if (c.teaspoonUnit == nullptr) {
            EXPECT_EQ(state.teaspoonUnit, nullptr);
        } else {
            EXPECT_STREQ(state.teaspoonUnit, c.teaspoonUnit);
        }
    }
}

TEST(ChoicesTest, EachTargetKindMakesOneTargetTheInput) {
    EXPECT_TRUE(TargetStateOf(TargetKind::FreeSO2).freeTargetIsInput);
    EXPECT_FALSE(TargetStateOf(TargetKind::FreeSO2).molecularTargetIsInput);
    EXPECT_FALSE(TargetStateOf(TargetKind::MolecularSO2).freeTargetIsInput);
    EXPECT_TRUE(TargetStateOf(TargetKind::MolecularSO2).molecularTargetIsInput);
}

}  // namespace
}  // namespace korvane
