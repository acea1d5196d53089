// How one dose's message shows the value it is about: an amount no cellar
// could add, short enough to read, put in place of the %1 of its text.
#include "core/cellar/dose_calculation.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <span>
#include <string>
#include <string_view>

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

namespace korvane {
namespace {

// A dose of 40 mg/L free SO2 (10 to 50) on 1000 litres of wine, with the
// wine's own figures: total SO2, colour, sugar, style and binding factor.
DoseTextViews WineDose(std::string_view total, std::string_view colour, std::string_view sugar,
                       std::string_view factor, std::string_view style = "") {
    return {"3.5",  "10", "1000", "litres", "potassium", "powder", "",    "",
            "free", "50", total,  colour,   sugar,       style,    factor};
}

struct WineCase {
    const char* name;
    DoseTextViews texts;
    WineSettings settings;
    bool answerYes;
    DoseStatus status;
    std::string_view message;
    // so2_added, projected_total_so2, total_so2_limit; the amount in g.
    std::array<const char*, 3> wine;
    const char* amount;
};

class WineDoseTest : public testing::TestWithParam<WineCase> {};

TEST_P(WineDoseTest, ChecksTheProjectedTotal) {
    const WineCase& c = GetParam();
    DoseCalculation dose;
    dose.SetWine(c.settings);
    ASSERT_EQ(dose.Fill(c.texts, SO2Pka), std::nullopt);
    const DoseResult& result = dose.Evaluate(c.answerYes);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.message, c.message);
    for (std::size_t i = 0; i < c.wine.size(); ++i) {
        EXPECT_EQ(result.wineFigures[i], c.wine[i]) << kWineResultColumnNames[i];
    }
    EXPECT_EQ(result.figures[static_cast<std::size_t>(Figure::Amount)], c.amount);
    if (c.status == DoseStatus::Ok) {
        // so2_requirement keeps the plain figure whatever the factor.
        EXPECT_EQ(result.figures[static_cast<std::size_t>(Figure::FreeRequirement)], "40.00");
    }
}

const WineSettings kEu{true, LimitRegime::Eu, std::nullopt};
const WineSettings kShown{true, std::nullopt, std::nullopt};
constexpr const char* kNone = "";
constexpr std::array<const char*, 3> kNoFigures{"", "", ""};

INSTANTIATE_TEST_SUITE_P(
    Table, WineDoseTest,
    testing::Values(
        // 110 + 40 = 150, the EU limit for a dry red: allowed; 111 is one over.
        WineCase{"AtTheLimit",
                 WineDose("110", "red", "2", "", "still"),
                 kEu,
                 false,
                 DoseStatus::Ok,
                 kNone,
                 {"40.00", "150.00", "150"},
                 "69.27"},
        WineCase{"OneOver", WineDose("111", "red", "2", ""), kEu, false, DoseStatus::Question,
                 "Total SO2 would reach 151 mg/L, above the 150 mg/L EU limit for a dry red. Are "
                 "you sure it is correct?",
                 kNoFigures, ""},
        WineCase{"OneOverAnswered",
                 WineDose("111", "red", "2", ""),
                 kEu,
                 true,
                 DoseStatus::Ok,
                 "Limit 150 mg/L: EU limit for a dry red; style not given: took still wine's "
                 "limit",
                 {"40.00", "151.00", "150"},
                 "69.27"},
        // Sugar not given: the stricter limit, and the row says so.
        WineCase{"SugarNotGiven",
                 WineDose("160", "blanc", "", ""),
                 kEu,
                 false,
                 DoseStatus::Ok,
                 "Limit 200 mg/L: EU limit for a dry white; style not given: took still wine's "
                 "limit; sugar not given: took the stricter limit",
                 {"40.00", "200.00", "200"},
                 "69.27"},
        // --limit wins over the regime.
        WineCase{"LimitOverRegime",
                 WineDose("125", "red", "2", "", "still"),
                 {true, LimitRegime::Eu, 160.0F},
                 false,
                 DoseStatus::Question,
                 "Total SO2 would reach 165 mg/L, above the 160 mg/L limit given. Are you sure it "
                 "is correct?",
                 kNoFigures,
                 ""},
        WineCase{"LimitOverRegimeAllows",
                 WineDose("110", "red", "2", "", "still"),
                 {true, LimitRegime::Oiv, 300.0F},
                 false,
                 DoseStatus::Ok,
                 kNone,
                 {"40.00", "150.00", "300"},
                 "69.27"},
        // Binding factors: the SO2 added and the amount grow with it.
        WineCase{"FactorOne",
                 WineDose("", "", "", "1"),
                 kShown,
                 false,
                 DoseStatus::Ok,
                 kNone,
                 {"40.00", "", ""},
                 "69.27"},
        WineCase{"FactorOneAndAHalf",
                 WineDose("80", "", "", "1.5"),
                 kShown,
                 false,
                 DoseStatus::Ok,
                 kNone,
                 {"60.00", "140.00", ""},
                 "103.90"},
        WineCase{"FactorTwo",
                 WineDose("80", "", "", "2"),
                 kShown,
                 false,
                 DoseStatus::Ok,
                 kNone,
                 {"80.00", "160.00", ""},
                 "138.54"},
        WineCase{"FactorBelowOne", WineDose("80", "", "", "0.9"), kShown, true, DoseStatus::Error,
                 "Binding factor cannot be less than 1.", kNoFigures, ""},
        WineCase{"FactorThree", WineDose("80", "", "", "3"), kShown, false, DoseStatus::Question,
                 "Binding factor appears high. Are you sure it is correct?", kNoFigures, ""},
        WineCase{"FactorThreeAnswered",
                 WineDose("80", "", "", "3"),
                 kShown,
                 true,
                 DoseStatus::Ok,
                 kNone,
                 {"120.00", "200.00", ""},
                 "207.80"},
        WineCase{"FactorNotANumber", WineDose("80", "", "", "x"), kShown, true, DoseStatus::Error,
                 "Binding factor must be numeric.", kNoFigures, ""},
        // The total's own checks.
        WineCase{"TotalBelowFree", WineDose("9", "", "", ""), kEu, true, DoseStatus::Error,
                 "Total SO2 cannot be less than free SO2.", kNoFigures, ""},
        WineCase{"TotalInGramsPerLitre", WineDose("0.15", "", "", ""), kEu, false,
                 DoseStatus::Error, "Total SO2 cannot be less than free SO2.", kNoFigures, ""},
        WineCase{"SugarNotANumber", WineDose("80", "", "dry", ""), kEu, true, DoseStatus::Error,
                 "Sugar must be numeric.", kNoFigures, ""},
        // A wine at its target is given nothing: its total stays.
        WineCase{"NoAddition",
                 {"3.5", "50", "1000", "litres", "potassium", "powder", "", "", "free", "40", "151",
                  "red", "2", "", ""},
                 kEu,
                 false,
                 DoseStatus::Question,
                 "Total SO2 would reach 151 mg/L, above the 150 mg/L EU limit for a dry red. Are "
                 "you sure it is correct?",
                 kNoFigures,
                 ""}),
    [](const testing::TestParamInfo<WineCase>& info) { return info.param.name; });

// Total SO2 above 0 and under 5 mg/L looks like g/L, for a wine with no free
// SO2 to be below.
TEST(WineDoseTest, ATotalInGramsPerLitreIsQuestioned) {
    const DoseTextViews texts{"3.5",  "0",  "1000", "litres", "potassium", "powder", "", "",
                              "free", "40", "0.2",  "",       "",          "",       ""};
    DoseCalculation dose;
    dose.SetWine(kEu);
    ASSERT_EQ(dose.Fill(texts, SO2Pka), std::nullopt);
    EXPECT_EQ(dose.Evaluate(false).message, "Total SO2 appears low. Are you sure it is correct?");
}

TEST(WineDoseTest, AnUnknownColourOrStyleIsNamed) {
    DoseCalculation dose;
    dose.SetWine(kEu);
    EXPECT_EQ(dose.Fill(WineDose("80", "orange", "", ""), SO2Pka),
              "Unknown colour \"orange\": use red, white or rosé.");
    EXPECT_EQ(dose.Fill(WineDose("80", "", "", "", "fizzy"), SO2Pka),
              "Unknown style \"fizzy\": use still, quality-sparkling, sparkling or liqueur.");
}

// Without the wine's settings, its figures are neither read nor written.
TEST(WineDoseTest, WithoutTheWineNothingChanges) {
    DoseCalculation dose;
    ASSERT_EQ(dose.Fill(WineDose("9", "orange", "x", "x"), SO2Pka), std::nullopt);
    const DoseResult& result = dose.Evaluate(false);
    EXPECT_EQ(result.status, DoseStatus::Ok);
    std::string plain(MaxResultFieldsBytes(result), '\0');
    plain.resize(static_cast<std::size_t>(WriteResultFields(plain.data(), result) - plain.data()));
    EXPECT_EQ(plain, ",0.20,50,0.98,40.00,0.78,69.27,g,11.17,ok,");
    std::string names;
    AppendResultColumnNames(names);
    EXPECT_EQ(names.find("so2_added"), std::string::npos);
}

// A page asks every question in turn: the wine's are all listed, in order,
// once the sheet's are answered, and the over-limit one is told in the
// page's language. Answered, the total stays marked as over.
TEST(WineDoseTest, EveryWineQuestionIsListedAndTheLimitTranslated) {
    DoseCalculation dose;
    dose.SetWine(kEu);
    dose.SetTranslate([](const char* text) {
        const std::string_view english = text;
        return english == kOverLimitQuestion ? std::string("%1>%2 (%3, %4)")
               : english == "EU"             ? std::string("UE")
               : english == "a dry %1"       ? std::string("un %1 sec")
               : english == "red"            ? std::string("rouge")
                                             : std::string(text);
    });
    // pH 1.5 is the sheet's question; a factor of 3 and the total over the
    // limit are the wine's.
    DoseTextViews texts = WineDose("80", "red", "2", "3");
    texts[Index(DoseColumn::Ph)] = "1.5";
    ASSERT_EQ(dose.Fill(texts, SO2Pka), std::nullopt);
    EXPECT_EQ(dose.Evaluate(false).message, "pH appears low. Are you sure it is correct?");
    EXPECT_TRUE(dose.WineQuestions().empty());
    EXPECT_EQ(dose.Evaluate(true, false).status, DoseStatus::Question);
    const std::span<const WineQuestion> asked = dose.WineQuestions();
    ASSERT_EQ(asked.size(), 2U);
    EXPECT_EQ(asked[0].column, DoseColumn::BindingFactor);
    EXPECT_EQ(asked[1].column, DoseColumn::TotalSO2);
    EXPECT_EQ(asked[1].text, "200>150 (UE, un rouge sec)");
    EXPECT_TRUE(asked[1].overLimit);
    const DoseResult& answered = dose.Evaluate(true);
    EXPECT_EQ(answered.status, DoseStatus::Ok);
    EXPECT_TRUE(answered.overLimit);
    EXPECT_EQ(answered.limitBasis.substr(0, 10), "UE limit f");
    // A figure of the wine that fails its check names its column.
    texts[Index(DoseColumn::Sugar)] = "-1";
    ASSERT_EQ(dose.Fill(texts, SO2Pka), std::nullopt);
    EXPECT_EQ(dose.Evaluate(true).status, DoseStatus::Error);
    EXPECT_EQ(dose.WineErrorColumn(), DoseColumn::Sugar);
}

// A batch writes its rows in English; the page shows the limit's messages
// in its language, made again from the result.
TEST(WineDoseTest, ALimitMessageIsToldAgainInAnotherLanguage) {
    const Translate french = [](const char* text) {
        const std::string_view english = text;
        return english == kOverLimitQuestion    ? std::string("%1>%2 %3")
               : english == "Limit %1 mg/L: %2" ? std::string("Limite %1 : %2")
               : english == "EU"                ? std::string("UE")
                                                : std::string(text);
    };
    DoseCalculation dose;
    dose.SetWine(kEu);
    ASSERT_EQ(dose.Fill(WineDose("111", "red", "2", ""), SO2Pka), std::nullopt);
    EXPECT_EQ(LimitMessageText(dose.Evaluate(false), french), "151>150 UE");
    EXPECT_EQ(LimitMessageText(dose.Evaluate(true), french),
              "Limite 150 : UE limit for a dry red; style not given: took still wine's limit");
    // Any other message is a text of its own.
    ASSERT_EQ(dose.Fill(WineDose("80", "red", "2", "3", "still"), SO2Pka), std::nullopt);
    EXPECT_EQ(LimitMessageText(dose.Evaluate(false), french), std::nullopt);
    EXPECT_EQ(LimitMessageText(dose.Evaluate(true), french), std::nullopt);
}

TEST(WineDoseTest, TheNoteSaysWhatIsLeftUnchecked) {
    EXPECT_EQ(WineNoteText(kShown, true),
              "Total SO2 given with no --regime or --limit: the projected total is shown and "
              "checked against no limit.");
    EXPECT_EQ(WineNoteText(kEu, false), "--regime given with no total SO2: no limit is checked.");
    EXPECT_EQ(WineNoteText({true, std::nullopt, 200.0F}, false),
              "--limit given with no total SO2: no limit is checked.");
    EXPECT_EQ(WineNoteText(kEu, true), std::nullopt);
}

}  // namespace
}  // namespace korvane
