// Reading numbers from field texts and writing them back, independent of the
// locale and with halves rounded away from zero on decimal digits.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "core/rules/number_text.h"

namespace korvane {
namespace {

constexpr float kTiniest = std::numeric_limits<float>::denorm_min();
constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(NumberTextTest, DecidesWhichTextsAreNumeric) {
    const struct {
        const char* text;
        float value;
    } numeric[] = {
        {" 3.5 ", 3.5F},
        {"\t7\t", 7.0F},
        {"+1", 1.0F},
        {"-2", -2.0F},
        {"1e3", 1000.0F},
        {"1E-2", 0.01F},
        {"2.5e+1", 25.0F},
        {"5.", 5.0F},
        {".5", 0.5F},
        {"-.5", -0.5F},
        {"+.5", 0.5F},
        {"1.e2", 100.0F},
        {"007", 7.0F},
        {"0.1", 0.1F},
        {"16777217", 16777216.0F},
        {"3.4028235e38", FLT_MAX},
        {"3.40282356e38", FLT_MAX},
        {"1e-45", kTiniest},
        {"7e-46", 0.0F},
        {"1e-50", 0.0F},
        {"1e-99999999999999999999", 0.0F},
        {"0e99999999999999999999", 0.0F},
    };
    for (const auto& row : numeric) {
        SCOPED_TRACE(testing::Message() << '"' << row.text << '"');
        EXPECT_TRUE(IsNumericText(row.text));
        float value = 42.0F;
        EXPECT_TRUE(TextToSingle(row.text, value));
        EXPECT_EQ(value, row.value);
        EXPECT_TRUE(TextToDouble(row.text).has_value());
    }
    // clang-format off
    const char* const notNumeric[] = {
        "1.2.3", ".", "", " ", "abc", "inf", "Infinity", "nan", "NaN", "0x10", "1,5", "1,000", "-",
        "1e39", "-1e39", "3.5e38", "1e99999999999999999999", "1e", "1e+", "e5", "+-1", "--1", "+",
        "+inf", "- 1", "1 2", "12a", "1d3", "\n1"};
    // clang-format on
    for (const char* text : notNumeric) {
        SCOPED_TRACE(testing::Message() << '"' << text << '"');
        EXPECT_FALSE(IsNumericText(text));
        // The value is left alone for a text that is not numeric.
        float value = 42.0F;
        EXPECT_FALSE(TextToSingle(text, value));
        EXPECT_EQ(value, 42.0F);
        EXPECT_FALSE(TextToDouble(text).has_value());
    }
}

// What strict rules call too large to calculate rather than no number.
TEST(NumberTextTest, TellsANumberBeyondASingleFromNoNumber) {
    const char* const beyond[] = {
        "3.5e38", " +1e39\t", "340282400000000000000000000000000000000", "1E99999999999999999999",
        "1.e39",  ".9e40"};
    for (const char* text : beyond) {
        EXPECT_TRUE(IsBeyondSingleRange(text)) << '"' << text << '"';
    }
    // The largest single is numeric, 1e-99 reads as 0, and a size below 0
    // is no size at all.
    const char* const notBeyond[] = {"3.4028235e38", "1e-99",  "-1e39",    "1e39x", "1e",
                                     "e39",          ".e39",   "1.2.3e39", "inf",   "0x1p200",
                                     "1,5e39",       "+-1e39", "",         "\n1e39"};
    for (const char* text : notBeyond) {
        EXPECT_FALSE(IsBeyondSingleRange(text)) << '"' << text << '"';
    }
}

TEST(NumberTextTest, ReadsDoublesInFullPrecision) {
    EXPECT_EQ(TextToDouble("0.1"), 0.1);
    EXPECT_NE(TextToDouble("0.1"), static_cast<double>(0.1F));
    EXPECT_EQ(TextToDouble(" -1e-3 "), -0.001);
    EXPECT_EQ(TextToDouble("1e-50"), 1e-50);
}

TEST(NumberTextTest, WritesDisplayPatterns) {
    struct Row {
        double value;
        DisplayPattern pattern;
        const char* text;
    };
    const Row rows[] = {
        {3, DisplayPattern::TwoDecimals, "3.00"},
        {-0.5, DisplayPattern::TwoDecimals, "-0.50"},
        {0.125, DisplayPattern::TwoDecimals, "0.13"},
        {-0.125, DisplayPattern::TwoDecimals, "-0.13"},
        {0.44 + 0.01, DisplayPattern::TwoDecimals, "0.45"},
        {1.005, DisplayPattern::TwoDecimals, "1.01"},
        {9.995, DisplayPattern::TwoDecimals, "10.00"},
        {-0.001, DisplayPattern::TwoDecimals, "0.00"},
        {-0.0, DisplayPattern::TwoDecimals, "0.00"},
        {123456789.125, DisplayPattern::TwoDecimals, "123456789.13"},
        {1e20, DisplayPattern::TwoDecimals, "100000000000000000000.00"},
        {3.6, DisplayPattern::OneDecimal, "3.6"},
        {3.5 + 0.1, DisplayPattern::OneDecimal, "3.6"},
        {14, DisplayPattern::OneDecimal, "14.0"},
        {0.05, DisplayPattern::OneDecimal, "0.1"},
        {-0.04, DisplayPattern::OneDecimal, "0.0"},
        {24, DisplayPattern::WholeNumber, "24"},
        {-1, DisplayPattern::WholeNumber, "-1"},
        {0, DisplayPattern::WholeNumber, ""},
        {0.4, DisplayPattern::WholeNumber, ""},
        {-0.4, DisplayPattern::WholeNumber, ""},
        {0.5, DisplayPattern::WholeNumber, "1"},
        {-0.5, DisplayPattern::WholeNumber, "-1"},
        {99.5, DisplayPattern::WholeNumber, "100"},
        {1000, DisplayPattern::WholeNumber, "1000"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatPattern(row.value, row.pattern), row.text) << row.value;
    }
}

TEST(NumberTextTest, WritesSinglesWithSevenSignificantDigits) {
    struct Row {
        float value;
        const char* text;
    };
    const Row rows[] = {
        {0.0F, "0"},
        {-0.0F, "0"},
        {1.0F, "1"},
        {0.1F, "0.1"},
        {2.675F, "2.675"},
        {-2.5F, "-2.5"},
        {40.89498F, "40.89498"},
        {1.0F / 3.0F, "0.3333333"},
        {16777216.0F, "16777220"},
        // Exactly halfway between 12345660 and 12345670: away from zero.
        {12345665.0F, "12345670"},
        {-12345665.0F, "-12345670"},
        {99999.99609375F, "100000"},
        {1e-10F, "0.0000000001"},
        {3.4e38F, "340000000000000000000000000000000000000"},
        {FLT_MAX, "340282300000000000000000000000000000000"},
        {kTiniest, "0.000000000000000000000000000000000000000000001401298"},
        {kInfinity, "Infinity"},
        {-kInfinity, "-Infinity"},
        {kNaN, "NaN"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SingleToText(row.value), row.text) << row.text;
    }
}

// Seven significant digits by the slow, plainly right way: the float's whole
// exact expansion, rounded half away from zero by hand.
std::string SevenDigitsByHand(float value) {
    std::array<char, 200> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                      std::fabs(static_cast<double>(value)), std::chars_format::scientific, 120)
            .ptr;
    const std::string text(buffer.data(), end);
    std::string digits = text.substr(0, 1) + text.substr(2, 120);
    int exponent = std::stoi(text.substr(text.find('e') + 1));
    std::string kept = digits.substr(0, 7);
    if (digits[7] >= '5') {
        int i = 6;
        for (; i >= 0 && kept[i] == '9'; --i) {
            kept[i] = '0';
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++exponent;
        } else {
            ++kept[i];
        }
    }
    return kept + "e" + std::to_string(exponent);
}

// The same digits as SingleToText writes them, to compare with the above.
std::string SevenDigitsOf(const std::string& text) {
    std::string digits;
    int point = -1;
    for (const char c : text) {
        if (c == '.') {
            point = static_cast<int>(digits.size());
        } else if (c != '-') {
            digits += c;
        }
    }
    if (point < 0) {
        point = static_cast<int>(digits.size());
    }
    const std::size_t first = digits.find_first_not_of('0');
    const int exponent = point - static_cast<int>(first) - 1;
    digits = digits.substr(first);
    digits.resize(7, '0');
    return digits + "e" + std::to_string(exponent);
}

TEST(NumberTextTest, SevenDigitsMatchTheExactExpansionForRandomSingles) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::uint32_t> bits(0, 0x7F7FFFFF);  // finite, positive
    for (int i = 0; i < 200000; ++i) {
        const float value = std::bit_cast<float>(bits(random));
        if (value == 0.0F) {
            continue;
        }
        const std::string text = SingleToText(value);
        ASSERT_EQ(SevenDigitsOf(text), SevenDigitsByHand(value)) << text;
        ASSERT_EQ(SingleToText(-value), "-" + text);
    }
    // Exactly halfway values, where seventeen digits cannot decide.
    for (const float value : {12345665.0F, 1.5F * 8388608.0F, 0.0009765625F * 1.0000005F}) {
        EXPECT_EQ(SevenDigitsOf(SingleToText(value)), SevenDigitsByHand(value));
    }
}

// FormatFixed2 of a number by the plainly right way: its fifteen
// significant digits as std::to_chars writes them, then rounded as a text.
std::string FixedTwoByHand(double value) {
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14)
                         .ptr;
    return FormatFixed2(std::string_view(buffer.data(), end - buffer.data()));
}

TEST(NumberTextTest, TwoDecimalsOfANumberMatchItsFifteenDigitsForRandomValues) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::uint64_t> bits(0, 0x7FEFFFFFFFFFFFFF);  // finite
    std::uniform_real_distribution<double> everyday(-5000.0, 5000.0);
    for (int i = 0; i < 100000; ++i) {
        for (double value : {std::bit_cast<double>(bits(random)), everyday(random),
                             static_cast<double>(static_cast<float>(everyday(random)))}) {
            // The texts compared are numeric only within the single range.
            if (value > 1e38) {
                value = std::ldexp(value, -std::ilogb(value) + 100);
            }
            ASSERT_EQ(FormatFixed2(value), FixedTwoByHand(value)) << value;
            ASSERT_EQ(FormatFixed2(-value), FixedTwoByHand(-value)) << value;
        }
    }
    // Sixteen-digit integers ending in 5 lie exactly halfway at fifteen
    // digits, where the fifteen digits round to even.
    std::uniform_int_distribution<std::uint64_t> whole(100000000000000, 900719925474099);
    for (int i = 0; i < 10000; ++i) {
        const auto value = static_cast<double>(whole(random) * 10 + 5);
        ASSERT_EQ(FormatFixed2(value), FixedTwoByHand(value)) << value;
    }
}

TEST(NumberTextTest, ShortDecimalsReadExactlyAsTheFullReaderReadsThem) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> length(1, 11);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 2 == 0 ? "" : "-";
        const int digits = length(random);
        const int point = static_cast<int>(random() % static_cast<unsigned>(digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point) {
                text += '.';
            }
            text += static_cast<char>('0' + digit(random));
        }
        float expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        float read = 0;
        ASSERT_TRUE(TextToSingle(text, read)) << text;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(read), std::bit_cast<std::uint32_t>(expected))
            << text;
    }
}

TEST(NumberTextTest, RoundsANumberOnItsFifteenDigitsAndATextOnItsDigits) {
    // The single nearest to 2.675 lies below it, so as a number it shows
    // 2.67; written as text first, it is the decimal 2.675 and shows 2.68.
    EXPECT_EQ(FormatFixed2(2.675F), "2.67");
    EXPECT_EQ(FormatFixed2(SingleToText(2.675F)), "2.68");
    EXPECT_EQ(FormatFixed2(std::numeric_limits<double>::infinity()), "Infinity");
    EXPECT_EQ(FormatFixed2(-std::numeric_limits<double>::infinity()), "-Infinity");
    EXPECT_EQ(FormatFixed2(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

TEST(NumberTextTest, FormatsNumericTextsAndPassesOthersThrough) {
    struct Row {
        const char* text;
        const char* shown;
    };
    const Row rows[] = {
        {"2.675", "2.68"},  {" +2.675 ", "2.68"},   {"-2.675", "-2.68"},
        {"1E+2", "100.00"}, {"1.2345e1", "12.35"},  {"2675e-3", "2.68"},
        {"0.005", "0.01"},  {"0.00499999", "0.00"}, {"9.995", "10.00"},
        {"-0.001", "0.00"}, {"-0", "0.00"},         {".5", "0.50"},
        {"1e-50", "0.00"},  {"40.89498", "40.89"},  {"abc", "abc"},
        {"", ""},           {"  ", "  "},           {"Infinity", "Infinity"},
        {"NaN", "NaN"},     {"1e39", "1e39"},       {"1,5", "1,5"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatFixed2(std::string_view(row.text)), row.shown) << '"' << row.text << '"';
    }
}

// Two decimals of singles written straight into a caller's room, checked
// against the string forms' own, longer ways: fifteen significant digits of
// the double, and seven of the single read back from its text.
void ExpectWrittenFiguresOf(float value) {
    std::array<char, kSingleFixed2Room> room{};
    const std::string fixed2(room.data(), WriteFixed2(value, room.data()));
    ASSERT_EQ(fixed2, FormatFixed2(static_cast<double>(value))) << value;
    const std::string ofSingle(room.data(), WriteFixed2OfSingle(value, room.data()));
    const std::string text = SingleToText(value);
    ASSERT_EQ(ofSingle, IsNumericText(text) ? FormatFixed2(text) : text) << text;
}

TEST(NumberTextTest, WritesFiguresOfSinglesAsTheStringFormsDo) {
    for (const float value :
         {0.0F,       -0.0F,      0.005F,     0.125F,      -0.125F,    2.675F, 0.0049999998F,
          9999999.0F, 9999999.5F, 99999.995F, 16777215.0F, 1e15F,      1e17F,  FLT_MAX,
          -FLT_MAX,   FLT_MIN,    kTiniest,   kInfinity,   -kInfinity, kNaN}) {
        ExpectWrittenFiguresOf(value);
    }
    std::mt19937 random(20240607);
    // Everyday figures, the tenths and hundredths that end in a half among
    // them, and every decade a single has.
    std::uniform_real_distribution<double> everyday(-20000.0, 20000.0);
    std::uniform_int_distribution<int> cents(-2000000, 2000000);
    std::uniform_int_distribution<std::uint32_t> bits(0, 0xFFFFFFFF);
    for (int i = 0; i < 200000; ++i) {
        ExpectWrittenFiguresOf(static_cast<float>(everyday(random)));
        ExpectWrittenFiguresOf(static_cast<float>(cents(random)) / 1000.0F + 0.0005F);
        ExpectWrittenFiguresOf(std::bit_cast<float>(bits(random)));
    }
}

}  // namespace
}  // namespace korvane
