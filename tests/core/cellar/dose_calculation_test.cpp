// How one dose's message shows the value it is about: an amount no cellar
// could add, short enough to read, put in place of the %1 of its text.
#include "core/cellar/dose_calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

TEST(DoseMessageTest, AMessageAboutAValueKeepsItsTextAndValueApart) {
    const DoseTextViews huge{"3.5",    "10", "1e30", "litres", "potassium",
                             "powder", "",   "",     "free",   "40"};
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
}

// A batch keeps one calculation for all its rows: nothing of one dose may
// show in the next, not even a message about a value.
TEST(DoseCalculation, KeepsNothingOfTheDoseBefore) {
    const auto texts = [](const char* ph, const char* size, const char* unit, const char* method,
                          const char* kind, const char* target) {
        return DoseTexts{ph, "10", size, unit, "potassium", method, "10", "0.44", kind, target};
    };
    const DoseTexts doses[] = {
        texts("3.5", "23", "litres", "powder", "molecular", "0.8"),
        texts("3.5", "1e30", "litres", "powder", "free", "40"),  // more than any cellar adds
        texts("3.5", "23", "hl", "tablet", "free", "40"),
        texts("1.5", "23", "litres", "powder", "molecular", "1"),  // a question
        texts("3.5", "23", "gallons", "powder", "free", "40"),     // no such unit
        texts("3.5", "23", "us-gal", "solution", "free", "5"),     // below the existing SO2
        texts("3.2", "23", "imp-gal", "solution", "free", "45"),
    };
    // The figures and the messages as strings, so that they outlive the
    // calculation that answered.
    const auto answer = [](DoseCalculation& dose, const DoseTexts& doseTexts, bool yes) {
        DoseTextViews views;
        std::copy(doseTexts.begin(), doseTexts.end(), views.begin());
        if (const std::optional<std::string> problem = dose.Fill(views, SO2Pka)) {
            return std::vector<std::string>{*problem};
        }
        const DoseResult& result = dose.Evaluate(yes);
        std::vector<std::string> shown{std::string(StatusWord(result.status)),
                                       std::string(result.message), std::string(result.messageText),
                                       std::string(result.messageValue)};
        shown.insert(shown.end(), result.figures.begin(), result.figures.end());
        return shown;
    };
    for (const bool yes : {false, true}) {
        DoseCalculation kept;
        for (const DoseTexts& dose : doses) {
            DoseCalculation fresh;
            EXPECT_EQ(answer(kept, dose, yes), answer(fresh, dose, yes))
                << dose[static_cast<std::size_t>(DoseColumn::Unit)];
        }
    }
}

// A dose of 40 mg/L free SO2 (10 to 50) on 1000 litres of wine, with the
// wine's own figures: total SO2, colour, sugar, style and binding factor.
DoseTextViews WineDose(std::string_view total, std::string_view colour, std::string_view sugar,
                       std::string_view factor, std::string_view style = "") {
    return {"3.5",  "10", "1000", "litres", "potassium", "powder", "",    "",
            "free", "50", total,  colour,   sugar,       style,    factor};
}

const WineSettings kEu{true, LimitRegime::Eu, std::nullopt};
const WineSettings kShown{true, std::nullopt, std::nullopt};

struct WineCase {
    const char* name;
    DoseTextViews texts;
    WineSettings settings = kEu;
    bool answerYes = false;
    DoseStatus status = DoseStatus::Ok;
    std::string_view message{};
    // so2_added, projected_total_so2, total_so2_limit; the amount in g.
    std::array<const char*, 3> wine = {"", "", ""};
    const char* amount = "";
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const WineCase& c, std::ostream* os) {
    *os << c.name;
}

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

constexpr auto kQuestion = DoseStatus::Question;
constexpr auto kError = DoseStatus::Error;
constexpr char kOverBy1[] =
    "Total SO2 would reach 151 mg/L, above the 150 mg/L EU limit for a dry red. Are you sure it "
    "is correct?";

// clang-format off
const WineCase kWineRows[] = {
    // 110 + 40 = 150, the EU limit for a dry red: allowed; 111 is one over.
    {.name = "AtTheLimit", .texts = WineDose("110", "red", "2", "", "still"),
     .wine = {"40.00", "150.00", "150"}, .amount = "69.27"},
    {.name = "OneOver", .texts = WineDose("111", "red", "2", ""), .status = kQuestion,
     .message = kOverBy1},
    {.name = "OneOverAnswered", .texts = WineDose("111", "red", "2", ""), .answerYes = true,
     .message = "Limit 150 mg/L: EU limit for a dry red; style not given: took still wine's limit",
     .wine = {"40.00", "151.00", "150"}, .amount = "69.27"},
    // Sugar not given: the stricter limit, and the row says so.
    {.name = "SugarNotGiven", .texts = WineDose("160", "blanc", "", ""),
     .message = "Limit 200 mg/L: EU limit for a dry white; style not given: took still wine's "
                "limit; sugar not given: took the stricter limit",
     .wine = {"40.00", "200.00", "200"}, .amount = "69.27"},
    // --limit wins over the regime.
    {.name = "LimitOverRegime", .texts = WineDose("125", "red", "2", "", "still"),
     .settings = {true, LimitRegime::Eu, 160.0F}, .status = kQuestion,
     .message = "Total SO2 would reach 165 mg/L, above the 160 mg/L limit given. Are you sure it "
                "is correct?"},
    {.name = "LimitOverRegimeAllows", .texts = WineDose("110", "red", "2", "", "still"),
     .settings = {true, LimitRegime::Oiv, 300.0F}, .wine = {"40.00", "150.00", "300"},
     .amount = "69.27"},
    // Binding factors: the SO2 added and the amount grow with it.
    {.name = "FactorOne", .texts = WineDose("", "", "", "1"), .settings = kShown,
     .wine = {"40.00", "", ""}, .amount = "69.27"},
    {.name = "FactorOneAndAHalf", .texts = WineDose("80", "", "", "1.5"), .settings = kShown,
     .wine = {"60.00", "140.00", ""}, .amount = "103.90"},
    {.name = "FactorTwo", .texts = WineDose("80", "", "", "2"), .settings = kShown,
     .wine = {"80.00", "160.00", ""}, .amount = "138.54"},
    {.name = "FactorBelowOne", .texts = WineDose("80", "", "", "0.9"), .settings = kShown,
     .answerYes = true, .status = kError, .message = "Binding factor cannot be less than 1."},
    {.name = "FactorThree", .texts = WineDose("80", "", "", "3"), .settings = kShown,
     .status = kQuestion, .message = "Binding factor appears high. Are you sure it is correct?"},
    {.name = "FactorThreeAnswered", .texts = WineDose("80", "", "", "3"), .settings = kShown,
     .answerYes = true, .wine = {"120.00", "200.00", ""}, .amount = "207.80"},
    {.name = "FactorNotANumber", .texts = WineDose("80", "", "", "x"), .settings = kShown,
     .answerYes = true, .status = kError, .message = "Binding factor must be numeric."},
    // The total's own checks.
    {.name = "TotalBelowFree", .texts = WineDose("9", "", "", ""), .answerYes = true,
     .status = kError, .message = "Total SO2 cannot be less than free SO2."},
    {.name = "TotalInGramsPerLitre", .texts = WineDose("0.15", "", "", ""), .status = kError,
     .message = "Total SO2 cannot be less than free SO2."},
    // Above 0 and under 5 mg/L looks like g/L, for a wine with no free SO2
    // to be below.
    {.name = "TotalInGramsPerLitreOfAWineWithoutFreeSO2",
     .texts = {"3.5", "0", "1000", "litres", "potassium", "powder", "", "", "free", "40", "0.2",
               "", "", "", ""},
     .status = kQuestion, .message = "Total SO2 appears low. Are you sure it is correct?"},
    {.name = "SugarNotANumber", .texts = WineDose("80", "", "dry", ""), .answerYes = true,
     .status = kError, .message = "Sugar must be numeric."},
    // A wine at its target is given nothing: its total stays.
    {.name = "NoAddition",
     .texts = {"3.5", "50", "1000", "litres", "potassium", "powder", "", "", "free", "40", "151",
               "red", "2", "", ""},
     .status = kQuestion, .message = kOverBy1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Table, WineDoseTest, testing::ValuesIn(kWineRows),
                         [](const auto& info) { return std::string(info.param.name); });

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
