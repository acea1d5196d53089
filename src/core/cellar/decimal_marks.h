// Numbers as spreadsheets of every country write them: with a decimal point
// or a decimal comma, perhaps with the other mark between the thousands. The
// sheet reads only the point, so a number from a file or the command line is
// put into that form first, or refused where it could mean two things.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

enum class DecimalMark { Point, Comma };

// The mark as a character.
constexpr char MarkChar(DecimalMark mark) {
    return mark == DecimalMark::Comma ? ',' : '.';
}

struct MarkedNumber {
    enum class Kind {
        AsIs,         // nothing to change, or nothing a number could be
        Converted,    // the marks were read and written the sheet's way
        Ambiguous,    // the marks read two ways
        BadGrouping,  // thousands set apart by blanks or apostrophes, not in whole groups
        OtherMark,    // shows the decimal mark the file's numbers have not used so far
    };
    Kind kind;
    std::string_view text;  // the text for the sheet: the given one, or in the scratch
    // The decimal mark the number shows beyond doubt, if it shows one: "3,62"
    // and "1.100,5" show the comma, "1.100.000" too (its point groups).
    std::optional<DecimalMark> shows;
};

// `text` with its marks read, where `mark` is the decimal mark the user gave
// (`markGiven`), or the one the file's numbers have shown so far, or none yet.
// A mark that can only be a decimal mark is read as one ("3,62", "0,250",
// "2 250,5"); a number whose marks group the thousands beyond doubt is read
// so ("1.234,5", "1.100.000", "2 250", "2'250"). What could mean two things
// is ambiguous rather than guessed: "2,250" (2250, or 2.25) while the mark is
// unknown, and "1.100" where the comma is the decimal mark, unless the user
// said which mark the file uses. A number showing the other decimal mark than
// the one found is told apart, for the file mixes the two. Anything else is
// left as it is, for the sheet to find it not numeric.
MarkedNumber ReadMarkedNumber(std::string_view text, std::optional<DecimalMark> mark,
                              bool markGiven, std::string& scratch);

// The same, quick for the commonest text of all, plain digits and a point in
// a point file.
// Digits, a minus, an exponent's letter and one point at most: a number
// that needs no reading in a point file, which is most of what a batch reads.
// Each byte counts: 0 for those, 1 for a point and 2 for any other, so
// that a plain number's bytes add up to 1 at most.
inline constexpr auto kPlainPointCounts = [] {
    std::array<unsigned char, 256> counts{};
    counts.fill(2);
    for (const char c : std::string_view("0123456789-eE")) {
        counts[static_cast<unsigned char>(c)] = 0;
    }
    counts['.'] = 1;
    return counts;
}();

constexpr bool IsPlainPointNumber(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += kPlainPointCounts[static_cast<unsigned char>(c)];
    }
    return count <= 1;
}

inline MarkedNumber ReadMarkedNumberQuickly(std::string_view text, std::optional<DecimalMark> mark,
                                            bool markGiven, std::string& scratch) {
    if (mark == DecimalMark::Point && IsPlainPointNumber(text)) {
        return {MarkedNumber::Kind::AsIs, text, std::nullopt};
    }
    return ReadMarkedNumber(text, mark, markGiven, scratch);
}

// "the comma" or "the point".
const char* MarkName(DecimalMark mark);

// The two readings of an ambiguous number, e.g. "2250 or 2.250".
std::string TwoReadings(std::string_view text);

// A figure the sheet wrote with a point, written with `mark`.
void PutMark(std::string& figure, DecimalMark mark);

}  // namespace korvane
