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
    std::optional<DecimalMark> mark;  // given, or shown by the file's numbers so far
    bool given = false;
    MarkKind kind = MarkKind::Converted;
    const char* read = "";  // what the sheet gets, where it gets anything
    std::optional<DecimalMark> shows = std::nullopt;
};

class MarkedNumberTest : public testing::TestWithParam<MarkCase> {};

TEST_P(MarkedNumberTest, ReadsAsTheSheetDoesOrRefusesToGuess) {
    const MarkCase& c = GetParam();
    std::string scratch;
    const MarkedNumber number = ReadMarkedNumber(c.text, c.mark, c.given, scratch);
    EXPECT_EQ(number.kind, c.kind);
    const bool read = c.kind == MarkKind::AsIs || c.kind == MarkKind::Converted;
    EXPECT_EQ(number.text, read ? c.read : c.text);
    EXPECT_EQ(number.shows, c.shows);
}

constexpr auto kPoint = DecimalMark::Point;
constexpr auto kComma = DecimalMark::Comma;
constexpr std::optional<DecimalMark> kUnknown;

// clang-format off
const MarkCase kMarkRows[] = {
    // A mark that can only be a decimal mark shows it.
    {.text = "3.62", .mark = kUnknown, .kind = MarkKind::AsIs, .read = "3.62", .shows = kPoint},
    {.text = "3,62", .mark = kUnknown, .read = "3.62", .shows = kComma},
    {.text = "3,62", .mark = kComma, .read = "3.62", .shows = kComma},
    {.text = " -0,5 ", .mark = kComma, .read = "-0.5", .shows = kComma},
    {.text = "0,250", .mark = kUnknown, .read = "0.250", .shows = kComma},
    {.text = "2,5e3", .mark = kComma, .read = "2.5e3", .shows = kComma},
    {.text = "12", .mark = kUnknown, .kind = MarkKind::AsIs, .read = "12"},
    // Two thousand two hundred and fifty, or two and a quarter: unknown
    // until the file's numbers show their mark.
    {.text = "2,250", .mark = kUnknown, .kind = MarkKind::Ambiguous},
    {.text = "1.100", .mark = kUnknown, .kind = MarkKind::Ambiguous},
    {.text = "2,250", .mark = kComma, .read = "2.250"},
    {.text = "1.100", .mark = kPoint, .kind = MarkKind::AsIs, .read = "1.100"},
    // Where the numbers show a decimal comma, a point is no decimal point,
    // and groups only beyond doubt.
    {.text = "1.100", .mark = kComma, .kind = MarkKind::Ambiguous},
    {.text = "2,250", .mark = kPoint, .kind = MarkKind::Ambiguous},
    {.text = "3.62", .mark = kComma, .kind = MarkKind::OtherMark, .shows = kPoint},
    {.text = "3,62", .mark = kPoint, .kind = MarkKind::OtherMark, .shows = kComma},
    // Told which mark the file uses, the other groups thousands, and a
    // number with the other decimal mark is left for the sheet to refuse.
    {.text = "2,250", .mark = kPoint, .given = true, .read = "2250"},
    {.text = "1.100", .mark = kComma, .given = true, .read = "1100"},
    {.text = "3,62", .mark = kPoint, .given = true, .kind = MarkKind::AsIs, .read = "3,62",
     .shows = kComma},
    // Both marks, or one several times: the thousands beyond doubt.
    {.text = "1.234,5", .mark = kUnknown, .read = "1234.5", .shows = kComma},
    {.text = "1,234.5", .mark = kUnknown, .read = "1234.5", .shows = kPoint},
    {.text = "1.100.000", .mark = kUnknown, .read = "1100000", .shows = kComma},
    {.text = "1,234,567", .mark = kPoint, .read = "1234567", .shows = kPoint},
    {.text = "1,234.5", .mark = kComma, .given = true, .kind = MarkKind::AsIs, .read = "1,234.5",
     .shows = kPoint},
    {.text = "1.100.000", .mark = kPoint, .kind = MarkKind::OtherMark, .shows = kComma},
    {.text = "12,34,5", .mark = kPoint, .kind = MarkKind::AsIs, .read = "12,34,5"},
    {.text = "1.2.3", .mark = kPoint, .kind = MarkKind::AsIs, .read = "1.2.3"},
    {.text = "abc", .mark = kComma, .kind = MarkKind::AsIs, .read = "abc"},
    // Thousands set apart by blanks and apostrophes, in whole groups.
    {.text = "2 250", .mark = kUnknown, .read = "2250"},
    {.text = "2\xC2\xA0" "250,5", .mark = kUnknown, .read = "2250.5", .shows = kComma},
    {.text = "1\xE2\x80\xAF" "100\xE2\x80\xAF" "000", .mark = kComma, .read = "1100000"},
    {.text = "12'345.5", .mark = kPoint, .read = "12345.5", .shows = kPoint},
    {.text = "22 50", .mark = kComma, .kind = MarkKind::BadGrouping},
    {.text = "2 250.5", .mark = kComma, .kind = MarkKind::OtherMark, .shows = kPoint},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Table, MarkedNumberTest, testing::ValuesIn(kMarkRows));

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

// Bytes in, UTF-8 out, behind its byte order mark where the bytes were
// UTF-16, whatever the pieces they come in. Excel on Windows saves plain CSV
// in Windows-1252; a file that starts as UTF-8 and breaks off later is
// neither, and stops.
TEST(Utf8SourceTest, DecodesWhatSpreadsheetsSave) {
    const std::string rose = "\xEF\xBB\xBFRos\xC3\xA9 \xF0\x9F\x8D\xB7";  // "Rosé 🍷"
    const std::string start(kEncodingSniffBytes, 'a');
    const struct {
        std::string bytes;
        std::string text;
        TextEncoding encoding;
        bool invalid = false;
    } rows[] = {
        // The glass a surrogate pair.
        {std::string("\xFF\xFER\0o\0s\0\xE9\0 \0\x3C\xD8\x77\xDF", 16), rose,
         TextEncoding::Utf16Le},
        {std::string("\xFE\xFF\0R\0o\0s\0\xE9\0 \xD8\x3C\xDF\x77", 16), rose,
         TextEncoding::Utf16Be},
        {rose, rose, TextEncoding::Utf8WithMark},
        {"a,b\n\xC3\xA9", "a,b\n\xC3\xA9", TextEncoding::Utf8},
        // A lone surrogate, then "A" and an odd last byte: two broken units.
        {std::string("\xFF\xFE\x3C\xD8\x41\0\x42", 7), "\xEF\xBB\xBF\xEF\xBF\xBD\x41\xEF\xBF\xBD",
         TextEncoding::Utf16Le},
        {"Cuve;Ros\xE9;\x80\x81\n", "Cuve;Ros\xC3\xA9;\xE2\x82\xAC\xC2\x81\n",
         TextEncoding::Windows1252},
        {start + "\xC3\xA9 b\xE9 c", start + "\xC3\xA9 b", TextEncoding::Utf8, true},
    };
    for (const auto& row : rows) {
        for (const std::size_t piece : {1, 2, 3, 7, 1000}) {
            SCOPED_TRACE(testing::Message() << EscapedText(row.bytes) << " in pieces of " << piece);
            MemorySource source(row.bytes, piece);
            Utf8Source decoded(source);
            std::string text;
            char buffer[5];
            std::ptrdiff_t count = 0;
            while ((count = decoded.Read(buffer, sizeof buffer)) > 0) {
                text.append(buffer, static_cast<std::size_t>(count));
            }
            EXPECT_EQ(text, row.text);
            EXPECT_EQ(decoded.Encoding(), row.encoding);
            EXPECT_EQ(count, row.invalid ? -1 : 0);
            EXPECT_EQ(decoded.Invalid(), row.invalid);
        }
    }
}

TEST(EscapedTextTest, ShowsControlsAndBrokenBytesAsEscapes) {
    EXPECT_EQ(EscapedText("Ros\xC3\xA9"), "Ros\xC3\xA9");
    EXPECT_EQ(EscapedText(std::string("a\0b\x1b[2J\x7f", 8)), "a\\x00b\\x1B[2J\\x7F");
    EXPECT_EQ(EscapedText("\xE9t\xE9 \xC3"), "\\xE9t\\xE9 \\xC3");
}

}  // namespace
}  // namespace korvane
