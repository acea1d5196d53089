// Numbers as spreadsheets of every country write them: with a decimal point
// or a decimal comma, perhaps with the other mark between the thousands. The
// sheet reads only the point, so a number from a file or the command line is
// put into that form first, or refused where it could mean two things.
#pragma once

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
        AsIs,       // nothing to change, or nothing a number could be
        Converted,  // the marks were read and written the sheet's way
        Ambiguous,  // the marks read two ways
    };
    Kind kind;
    std::string_view text;  // the text for the sheet: the given one, or in the scratch
    char decimal = '\0';    // the mark read as the decimal mark, when one was converted
};

// `text` with its marks read. When `markGiven` is false, `mark` is only what
// the file's separator suggests, and a number that reads two ways is
// ambiguous rather than guessed: "2,250" (2250, or 2.25) in any file, and
// "1.100" (1100, or 1.1) where a comma is the likely decimal mark. A mark
// that can only be a decimal mark is read as one, as in "3,62" or "3.62". A
// mark between thousands goes: "1.234,5" is 1234.5 whichever mark is given.
// Anything else is left as it is, for the sheet to find it not numeric.
MarkedNumber ReadMarkedNumber(std::string_view text, DecimalMark mark, bool markGiven,
                              std::string& scratch);

// The same, quick for the commonest text of all, a number in a point file.
inline MarkedNumber ReadMarkedNumberQuickly(std::string_view text, DecimalMark mark, bool markGiven,
                                            std::string& scratch) {
    if (mark == DecimalMark::Point && text.find(',') == std::string_view::npos) {
        return {MarkedNumber::Kind::AsIs, text};
    }
    return ReadMarkedNumber(text, mark, markGiven, scratch);
}

// The two readings of an ambiguous number, e.g. "2250 or 2.250".
std::string TwoReadings(std::string_view text);

// A figure the sheet wrote with a point, written with `mark`.
void PutMark(std::string& figure, DecimalMark mark);

}  // namespace korvane
