// The legal limits a wine's total SO2 is checked against: each line of
// doc/LIMITS.md at its sugar boundaries, what is taken when the wine is not
// fully described, and how the limit is told.
#include "core/rules/total_so2_limits.h"

#include <gtest/gtest.h>

#include <optional>

namespace korvane {
namespace {

constexpr auto kRed = WineColour::Red;
constexpr auto kWhite = WineColour::White;
constexpr auto kRose = WineColour::Rose;
constexpr auto kStill = WineStyle::Still;
constexpr auto kQuality = WineStyle::QualitySparkling;
constexpr auto kSparkling = WineStyle::Sparkling;
constexpr auto kLiqueur = WineStyle::Liqueur;

struct LimitCase {
    LimitRegime regime;
    std::optional<WineColour> colour;
    std::optional<WineStyle> style;
    std::optional<float> sugar;
    float limit;
    const char* wine;  // as the question names it
};

std::string English(const char* text) {
    return text;
}

class LimitTableTest : public testing::TestWithParam<LimitCase> {};

TEST_P(LimitTableTest, TheWineHasItsLimit) {
    const LimitCase& c = GetParam();
    const FoundLimit found = FindLimit(c.regime, {c.colour, c.style, c.sugar});
    ASSERT_NE(found.row, nullptr);
    EXPECT_EQ(found.row->limit, c.limit);
    EXPECT_EQ(WineOfLimit(found, English), c.wine);
}

// Each line of the table on both sides of its sugar bound.
INSTANTIATE_TEST_SUITE_P(
    Table, LimitTableTest,
    testing::Values(
        LimitCase{LimitRegime::Eu, kRed, kStill, 4.99F, 150, "a dry red"},
        LimitCase{LimitRegime::Eu, kRed, kStill, 5, 200, "a red with 5 g/L of sugar or more"},
        LimitCase{LimitRegime::Eu, kWhite, kStill, 4.99F, 200, "a dry white"},
        LimitCase{LimitRegime::Eu, kRose, kStill, 5, 250, "a rosé with 5 g/L of sugar or more"},
        LimitCase{LimitRegime::Eu, kWhite, kLiqueur, 4.99F, 150, "a dry liqueur wine"},
        LimitCase{LimitRegime::Eu, kRed, kLiqueur, 5, 200,
                  "a liqueur wine with 5 g/L of sugar or more"},
        LimitCase{LimitRegime::Eu, kRose, kQuality, 60, 185, "a quality sparkling wine"},
        LimitCase{LimitRegime::Eu, kWhite, kSparkling, 0, 235, "a sparkling wine"},
        // Organic: "lower than 2 g/L", so 2 itself is the EU limit less 30.
        LimitCase{LimitRegime::EuOrganic, kRed, kStill, 1.99F, 100, "a dry red"},
        LimitCase{LimitRegime::EuOrganic, kRed, kStill, 2, 120,
                  "a red with 2 to under 5 g/L of sugar"},
        LimitCase{LimitRegime::EuOrganic, kWhite, kStill, 1.99F, 150, "a dry white"},
        LimitCase{LimitRegime::EuOrganic, kRose, kStill, 4.99F, 170,
                  "a rosé with 2 to under 5 g/L of sugar"},
        LimitCase{LimitRegime::EuOrganic, kRed, kStill, 5, 170,
                  "a red with 5 g/L of sugar or more"},
        LimitCase{LimitRegime::EuOrganic, kWhite, kStill, 5, 220,
                  "a white with 5 g/L of sugar or more"},
        // Organic sparkling and liqueur wines are the EU's less 30 at any sugar.
        LimitCase{LimitRegime::EuOrganic, kRed, kLiqueur, 1, 120, "a dry liqueur wine"},
        LimitCase{LimitRegime::EuOrganic, kRed, kLiqueur, 5, 170,
                  "a liqueur wine with 5 g/L of sugar or more"},
        LimitCase{LimitRegime::EuOrganic, kWhite, kQuality, 1, 155, "a quality sparkling wine"},
        LimitCase{LimitRegime::EuOrganic, kWhite, kSparkling, 1, 205, "a sparkling wine"},
        LimitCase{LimitRegime::Us, kWhite, kSparkling, 100, 350, "a sparkling wine"},
        LimitCase{LimitRegime::Us, kRed, kStill, 0, 350, "a red"},
        // Australia gives 35 g/L itself the stricter limit.
        LimitCase{LimitRegime::Au, kWhite, kStill, 35, 250, "a white with 35 g/L of sugar or less"},
        LimitCase{LimitRegime::Au, kWhite, kStill, 35.01F, 300,
                  "a white with more than 35 g/L of sugar"},
        LimitCase{LimitRegime::Oiv, kRed, kStill, 4, 150, "a red with 4 g/L of sugar or less"},
        LimitCase{LimitRegime::Oiv, kRose, kStill, 4, 200, "a rosé with 4 g/L of sugar or less"},
        LimitCase{LimitRegime::Oiv, kRed, kStill, 4.01F, 300,
                  "a red with more than 4 g/L of sugar"},
        // Not given: sugar takes the stricter limit, colour red's, style still's.
        LimitCase{LimitRegime::Eu, kWhite, kStill, std::nullopt, 200, "a dry white"},
        LimitCase{LimitRegime::EuOrganic, kRed, kStill, std::nullopt, 100, "a dry red"},
        LimitCase{LimitRegime::Au, kRed, kStill, std::nullopt, 250,
                  "a red with 35 g/L of sugar or less"},
        LimitCase{LimitRegime::Oiv, std::nullopt, kStill, std::nullopt, 150,
                  "a red with 4 g/L of sugar or less"},
        LimitCase{LimitRegime::Eu, std::nullopt, std::nullopt, 10, 200,
                  "a red with 5 g/L of sugar or more"}));

TEST(LimitTableTest, EveryRegimeHasALimitForEveryWine) {
    for (const auto& regime : kRegimeWords) {
        for (const auto colour : {kRed, kWhite, kRose}) {
            for (const auto style : {kStill, kQuality, kSparkling, kLiqueur}) {
                for (const std::optional<float> sugar :
                     {std::optional<float>(), {0.0F}, {400.0F}}) {
                    EXPECT_NE(FindLimit(regime.choice, {colour, style, sugar}).row, nullptr)
                        << regime.word << " " << WordOf(colour) << " " << WordOf(style);
                }
            }
        }
    }
}

// The over-limit question, and its parts translated, are checked with the
// dose that asks it.
TEST(LimitBasisTest, SaysWhatWasTakenWhereItMatters) {
    const struct {
        LimitRegime regime;
        WineDescription wine;
        const char* basis;
    } rows[] = {
        {LimitRegime::Eu,
         {},
         "EU limit for a dry red; colour not given: took red's limit; style not given: took "
         "still wine's limit; sugar not given: took the stricter limit"},
        {LimitRegime::Eu, {kWhite, kStill, 3}, "EU limit for a dry white"},
        // A sparkling wine's limit depends on neither colour nor sugar.
        {LimitRegime::Eu,
         {std::nullopt, kSparkling, std::nullopt},
         "EU limit for a sparkling wine"},
        {LimitRegime::Us, {}, "US limit for a red"},
        {LimitRegime::Au,
         {kRose, kStill, std::nullopt},
         "Australian limit for a rosé with 35 g/L of sugar or less; sugar not given: took the "
         "stricter limit"},
    };
    for (const auto& row : rows) {
        const FoundLimit found = FindLimit(row.regime, row.wine);
        EXPECT_EQ(LimitBasis({found.row->limit, found}, English), row.basis);
    }
    EXPECT_EQ(LimitBasis({300, std::nullopt}, English), "limit given with --limit");
}

TEST(WineWordTest, ColoursInTheSixLanguagesAndStyles) {
    const struct {
        const char* text;
        std::optional<WineColour> colour;
    } colours[] = {
        {"red", kRed},      {"Rouge", kRed},          {"ROSSO", kRed},        {"tinto", kRed},
        {"Rot", kRed},      {"blanc", kWhite},        {"bianco", kWhite},     {"Blanco", kWhite},
        {"weiß", kWhite},   {"WEISS", kWhite},        {"branco", kWhite},     {"rosé", kRose},
        {" ROSÉ ", kRose},  {"rose", kRose},          {"rosato", kRose},      {"rosado", kRose},
        {"", std::nullopt}, {"orange", std::nullopt}, {"redd", std::nullopt},
    };
    for (const auto& row : colours) {
        EXPECT_EQ(ColourOfWord(row.text), row.colour) << row.text;
    }
    EXPECT_EQ(StyleOfWord("Quality-Sparkling"), kQuality);
    EXPECT_EQ(StyleOfWord("sparkling"), kSparkling);
    EXPECT_EQ(RegimeOfWord("EU-organic"), LimitRegime::EuOrganic);
    EXPECT_EQ(RegimeOfWord("uk"), std::nullopt);
}

TEST(ShortFigureTest, TwoDecimalsAtMostAndNoTrailingZeros) {
    EXPECT_EQ(ShortFigure(150), "150");
    EXPECT_EQ(ShortFigure(162.5F), "162.5");
    EXPECT_EQ(ShortFigure(0.125F), "0.13");
    EXPECT_EQ(ShortFigure(100.004F), "100");
}

// A limit of one's own, as the command line and the page take it.
TEST(OwnLimitTest, ANumberOfMgPerLitreAboveZero) {
    const struct {
        const char* text;
        std::optional<float> limit;
    } rows[] = {
        {"150", 150.0F},      {"172.5", 172.5F},         {"1e6", 1.0e6F},       {"0", std::nullopt},
        {"-5", std::nullopt}, {"1000001", std::nullopt}, {"15O", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(OwnLimitOf(row.text), row.limit) << row.text;
    }
}

}  // namespace
}  // namespace korvane
