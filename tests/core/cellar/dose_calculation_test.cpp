// How one dose's message shows the value it is about: an amount no cellar
// could add, short enough to read, put in place of the %1 of its text.
#include "core/cellar/dose_calculation.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace korvane {
namespace {

TEST(DoseMessageTest, AnAmountIsShownInThreeDigitsOnceItIsABillion) {
    const struct {
        float amount;
        const char* shown;
    } rows[] = {
        {999999.9F, "999999.9"},  // below a billion: the figure as it is
        {1.0e9F, "1e+9"},         {1.2345e9F, "1.23e+9"},
        {1.2355e9F, "1.24e+9"},  // half up on the fourth digit
        {9.996e9F, "1e+10"},     // carried into the next power
        {6.4387e29F, "6.44e+29"}, {FLT_MAX, "3.4e+38"},
        {-2.5e12F, "-2.5e+12"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ShortAmountText(row.amount), row.shown) << row.amount;
    }
}

TEST(DoseMessageTest, TheValueTakesThePlaceOfItsPlaceholder) {
    EXPECT_EQ(WithValue("The amount, %1 g, is more.", "5.2e+28"),
              "The amount, 5.2e+28 g, is more.");
    EXPECT_EQ(WithValue("No value here.", "1"), "No value here.");
}

// A dose kept from row to row: the message about one row's amount is gone
// from the next row's answer.
TEST(DoseMessageTest, AMessageAboutAValueLastsOneDose) {
    const DoseTextViews huge{"3.5",    "10", "1e30", "litres", "potassium",
                             "powder", "",   "",     "free",   "40"};
    const DoseTextViews plain{"3.5",    "10", "23", "litres", "potassium",
                              "powder", "",   "",   "free",   "40"};
    DoseCalculation dose;
    ASSERT_EQ(dose.Fill(huge, SO2Pka), std::nullopt);
    const DoseResult& refused = dose.Evaluate(true);
    EXPECT_EQ(refused.status, DoseStatus::Error);
    EXPECT_EQ(refused.message,
              "The amount, 5.2e+28 g, is more than any cellar could add: check the batch size "
              "and the target.");
    EXPECT_EQ(refused.messageText,
              "The amount, %1 g, is more than any cellar could add: check the batch size and "
              "the target.");
    EXPECT_EQ(refused.messageValue, "5.2e+28");
    ASSERT_EQ(dose.Fill(plain, SO2Pka), std::nullopt);
    const DoseResult& calculated = dose.Evaluate(true);
    EXPECT_EQ(calculated.status, DoseStatus::Ok);
    EXPECT_EQ(calculated.message, "");
    EXPECT_EQ(calculated.messageText, "");
    EXPECT_EQ(calculated.messageValue, "");
}

}  // namespace
}  // namespace korvane
