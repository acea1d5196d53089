// How the texts spreadsheets write are read: numbers with either decimal
// mark, units written every way, column headers as people name them, UTF-16,
// and the user's words shown safely in messages.
#include <gtest/gtest.h>

#include <string>

#include "core/cellar/cellar_header.h"
#include "core/cellar/choice_words.h"
#include "core/cellar/decimal_marks.h"
#include "core/cellar/text_encoding.h"
#include "memory_streams.h"

namespace korvane {
namespace {

using MarkKind = MarkedNumber::Kind;

struct MarkCase {
    const char* text;
    DecimalMark mark;
    bool given;
    MarkKind kind;
    const char* read;  // what the sheet gets
};

class MarkedNumberTest : public testing::TestWithParam<MarkCase> {};

TEST_P(MarkedNumberTest, ReadsAsTheSheetDoesOrRefusesToGuess) {
    const MarkCase& c = GetParam();
    std::string scratch;
    const MarkedNumber number = ReadMarkedNumber(c.text, c.mark, c.given, scratch);
    EXPECT_EQ(number.kind, c.kind);
    EXPECT_EQ(number.text, c.kind == MarkKind::Ambiguous ? c.text : c.read);
}

constexpr auto kPoint = DecimalMark::Point;
constexpr auto kComma = DecimalMark::Comma;

INSTANTIATE_TEST_SUITE_P(
    Table, MarkedNumberTest,
    testing::Values(MarkCase{"3.62", kPoint, false, MarkKind::AsIs, "3.62"},
                    MarkCase{"3,62", kComma, false, MarkKind::Converted, "3.62"},
                    // A mark that can only be a decimal mark, whatever the file suggests.
                    MarkCase{"3,62", kPoint, false, MarkKind::Converted, "3.62"},
                    MarkCase{"3.62", kComma, false, MarkKind::AsIs, "3.62"},
                    MarkCase{" -0,5 ", kComma, false, MarkKind::Converted, "-0.5"},
                    MarkCase{"0,250", kPoint, false, MarkKind::Converted, "0.250"},
                    MarkCase{"2,5e3", kComma, false, MarkKind::Converted, "2.5e3"},
                    // Two thousand two hundred and fifty, or two and a quarter.
                    MarkCase{"2,250", kPoint, false, MarkKind::Ambiguous, ""},
                    MarkCase{"2,250", kComma, false, MarkKind::Ambiguous, ""},
                    MarkCase{"1.100", kComma, false, MarkKind::Ambiguous, ""},
                    MarkCase{"1.100", kPoint, false, MarkKind::AsIs, "1.100"},
                    // Told which mark the file uses, the other groups thousands.
                    MarkCase{"2,250", kPoint, true, MarkKind::Converted, "2250"},
                    MarkCase{"2,250", kComma, true, MarkKind::Converted, "2.250"},
                    MarkCase{"1.100", kComma, true, MarkKind::Converted, "1100"},
                    MarkCase{"3,62", kPoint, true, MarkKind::AsIs, "3,62"},
                    // Both marks, or one several times: the thousands are plain.
                    MarkCase{"1.234,5", kComma, false, MarkKind::Converted, "1234.5"},
                    MarkCase{"1,234.5", kComma, false, MarkKind::Converted, "1234.5"},
                    MarkCase{"1,234,567", kPoint, false, MarkKind::Converted, "1234567"},
                    MarkCase{"1,234.5", kComma, true, MarkKind::AsIs, "1,234.5"},
                    MarkCase{"12,34,5", kPoint, false, MarkKind::AsIs, "12,34,5"},
                    MarkCase{"1.2.3", kPoint, false, MarkKind::AsIs, "1.2.3"},
                    MarkCase{"abc", kComma, false, MarkKind::AsIs, "abc"}));

TEST(MarkedNumberTest, AnAmbiguousNumberIsShownBothWays) {
    EXPECT_EQ(TwoReadings("2,250"), "2250 or 2.250");
    std::string figure = "-12.50";
    PutMark(figure, DecimalMark::Comma);
    EXPECT_EQ(figure, "-12,50");
}

struct UnitCase {
    const char* text;
    std::optional<VolumeUnit> unit;
};

class UnitWordTest : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitWordTest, NamesTheUnit) {
    EXPECT_EQ(UnitOfWord(GetParam().text), GetParam().unit) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnitWordTest,
    testing::Values(
        UnitCase{"litres", VolumeUnit::Litre}, UnitCase{"L", VolumeUnit::Litre},
        UnitCase{"liter", VolumeUnit::Litre}, UnitCase{" Liters ", VolumeUnit::Litre},
        UnitCase{"hl", VolumeUnit::Hectolitre}, UnitCase{"hL", VolumeUnit::Hectolitre},
        UnitCase{"Hectolitres", VolumeUnit::Hectolitre}, UnitCase{"us-gal", VolumeUnit::UsGallon},
        UnitCase{"U.S. Gal.", VolumeUnit::UsGallon}, UnitCase{"US gallons", VolumeUnit::UsGallon},
        UnitCase{"Imp. Gal.", VolumeUnit::ImperialGallon},
        UnitCase{"imperial gallon", VolumeUnit::ImperialGallon}, UnitCase{"gal", std::nullopt},
        UnitCase{"ml", std::nullopt}, UnitCase{"", std::nullopt}));

TEST(UnitWordTest, ABareGallonIsRefusedByName) {
    EXPECT_EQ(UnknownUnitText("Gallons"), "Unit \"Gallons\" is ambiguous: use us-gal or imp-gal.");
    EXPECT_EQ(UnknownUnitText("pints"),
              "Unknown unit \"pints\": use us-gal, imp-gal, litres or hl.");
}

TEST(HeaderNameTest, KeepsOnlyWhatNamesTheColumn) {
    const HeaderName name = ReadHeaderName(" Free SO2 (mg/L) ");
    EXPECT_EQ(name.key, "freeso2");
    EXPECT_EQ(name.bracket, "mg/L");
    EXPECT_EQ(ReadHeaderName("batch-size").key, "batchsize");
    EXPECT_EQ(ReadHeaderName("Volume (hL)").bracket, "hL");
    EXPECT_EQ(ReadHeaderName("(x) Tank").bracket, "");
    EXPECT_EQ(ReadHeaderName("SO2 libre [ g/L ]").bracket, "g/L");
    EXPECT_EQ(ReadHeaderName("SO2 libre [g/L)").bracket, "");
}

// Bytes decoded from UTF-16 come out as UTF-8 behind its byte order mark.
std::string Decoded(const std::string& bytes, std::size_t piece, TextEncoding* encoding = nullptr) {
    MemorySource source(bytes, piece);
    Utf8Source decoded(source);
    std::string out;
    char buffer[5];
    for (std::ptrdiff_t count = 0; (count = decoded.Read(buffer, sizeof buffer)) > 0;) {
        out.append(buffer, static_cast<std::size_t>(count));
    }
    if (encoding != nullptr) {
        *encoding = decoded.Encoding();
    }
    return out;
}

TEST(Utf8SourceTest, DecodesUtf16EitherWayAndPassesUtf8) {
    // "Rosé 🍷" in UTF-16 LE and BE, the glass a surrogate pair.
    const std::string le("\xFF\xFER\0o\0s\0\xE9\0 \0\x3C\xD8\x77\xDF", 16);
    const std::string be("\xFE\xFF\0R\0o\0s\0\xE9\0 \xD8\x3C\xDF\x77", 16);
    const std::string utf8 = "\xEF\xBB\xBFRos\xC3\xA9 \xF0\x9F\x8D\xB7";
    for (const std::size_t piece : {1, 3, 1000}) {
        TextEncoding encoding{};
        EXPECT_EQ(Decoded(le, piece, &encoding), utf8);
        EXPECT_EQ(encoding, TextEncoding::Utf16Le);
        EXPECT_EQ(Decoded(be, piece, &encoding), utf8);
        EXPECT_EQ(encoding, TextEncoding::Utf16Be);
        EXPECT_EQ(Decoded(utf8, piece, &encoding), utf8);
        EXPECT_EQ(encoding, TextEncoding::Utf8WithMark);
        EXPECT_EQ(Decoded("a,b\n\xE9", piece, &encoding), "a,b\n\xE9");
        EXPECT_EQ(encoding, TextEncoding::Utf8);
    }
    // A lone surrogate and an odd last byte are broken units.
    EXPECT_EQ(Decoded(std::string("\xFF\xFE\x3C\xD8"
                                  "A\0"
                                  "B",
                                  7),
                      2),
              "\xEF\xBB\xBF\xEF\xBF\xBD"
              "A\xEF\xBF\xBD");
}

TEST(EscapedTextTest, ShowsControlsAndBrokenBytesAsEscapes) {
    EXPECT_EQ(EscapedText("Ros\xC3\xA9"), "Ros\xC3\xA9");
    EXPECT_EQ(EscapedText(std::string("a\0b\x1b[2J\x7f", 8)), "a\\x00b\\x1B[2J\\x7F");
    EXPECT_EQ(EscapedText("\xE9t\xE9 \xC3"), "\\xE9t\\xE9 \\xC3");
}

}  // namespace
}  // namespace korvane
