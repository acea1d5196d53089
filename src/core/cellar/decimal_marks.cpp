#include "core/cellar/decimal_marks.h"

#include <array>
#include <cstddef>

#include "core/rules/blanks.h"

namespace korvane {
namespace {

using Kind = MarkedNumber::Kind;

// Stands in the mantissa for whatever set the thousands apart without a mark.
constexpr char kSpaced = '_';

// What sets thousands apart besides the marks: a space, a no-break space, a
// narrow no-break space (French), an apostrophe or a right single quote
// (Swiss).
constexpr std::array<std::string_view, 5> kGroupSpaces{" ", "\xC2\xA0", "\xE2\x80\xAF", "'",
                                                       "\xE2\x80\x99"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsMark(char c) {
    return c == '.' || c == ',';
}

DecimalMark MarkOf(char c) {
    return c == ',' ? DecimalMark::Comma : DecimalMark::Point;
}

char Other(char mark) {
    return mark == ',' ? '.' : ',';
}

// A number's parts around its marks: [sign]mantissa[exponent], the mantissa
// of digits, marks and kSpaced only.
struct Parts {
    std::string_view sign;
    std::string mantissa;
    std::string_view exponent;  // "e5", "E-3" or empty
};

std::size_t GroupSpaceAt(std::string_view text, std::size_t at) {
    for (const std::string_view space : kGroupSpaces) {
        if (text.substr(at, space.size()) == space) {
            return space.size();
        }
    }
    return 0;
}

bool SplitNumber(std::string_view text, Parts& parts) {
    text = TrimBlanks(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        parts.sign = text.substr(0, 1);
        text.remove_prefix(1);
    }
    const std::size_t e = text.find_first_of("eE");
    parts.exponent = e == std::string_view::npos ? std::string_view() : text.substr(e);
    text = text.substr(0, e);
    for (std::size_t at = 0; at < text.size();) {
        if (IsDigit(text[at]) || IsMark(text[at])) {
            parts.mantissa += text[at++];
        } else if (const std::size_t space = GroupSpaceAt(text, at)) {
            parts.mantissa += kSpaced;
            at += space;
        } else {
            return false;
        }
    }
    return !parts.mantissa.empty();
}

// Whole digits grouped in threes by `group`: 1 to 3 digits, not starting
// with 0, then each mark followed by exactly three digits.
bool IsGrouped(std::string_view digits, char group) {
    const std::size_t first = digits.find(group);
    if (first == 0 || first > 3 || first == std::string_view::npos || digits.front() == '0') {
        return false;
    }
    for (std::size_t at = first; at < digits.size(); at += 4) {
        if (digits[at] != group || at + 4 > digits.size() ||
            !std::all_of(digits.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                         digits.begin() + static_cast<std::ptrdiff_t>(at) + 4, IsDigit)) {
            return false;
        }
    }
    return true;
}

// The sheet's form: the whole digits without what groups them, the decimal
// mark (at `decimal`, or none) as a point.
std::string_view Rewritten(const Parts& parts, std::size_t decimal, std::string& scratch) {
    scratch.assign(parts.sign);
    for (std::size_t at = 0; at < parts.mantissa.size(); ++at) {
        const char c = parts.mantissa[at];
        if (at == decimal) {
            scratch += '.';
        } else if (IsDigit(c)) {
            scratch += c;
        }
    }
    scratch.append(parts.exponent);
    return scratch;
}

// How a number reads once its decimal mark, if any, is known: `decimal` is
// where it stands (npos for none), `shown` the mark it shows beyond doubt.
class Reading {
  public:
    Reading(std::string_view text, std::optional<DecimalMark> mark, bool given, const Parts& parts,
            std::string& scratch)
        : text_(text), mark_(mark), given_(given), parts_(parts), scratch_(scratch) {}

    MarkedNumber As(std::size_t decimal, std::optional<DecimalMark> shown) const {
        if (shown && mark_ && *shown != *mark_) {
            // Told which mark the file uses, the sheet refuses the number;
            // found from the file, the file mixes the two.
            return {given_ ? Kind::AsIs : Kind::OtherMark, text_, shown};
        }
        // A decimal point and nothing that groups: the text is the sheet's as it is.
        const std::string& m = parts_.mantissa;
        const bool unchanged =
            m.find_first_of(",_") == std::string::npos &&
            (decimal == std::string::npos || m[decimal] == '.') &&
            std::count(m.begin(), m.end(), '.') == (decimal == std::string::npos ? 0 : 1);
        if (unchanged) {
            return {Kind::AsIs, text_, shown};
        }
        return {Kind::Converted, Rewritten(parts_, decimal, scratch_), shown};
    }
    MarkedNumber Plain(Kind kind) const { return {kind, text_, std::nullopt}; }

  private:
    std::string_view text_;
    std::optional<DecimalMark> mark_;
    bool given_;
    const Parts& parts_;
    std::string& scratch_;
};

// Thousands set apart by blanks or apostrophes: the one mark left, if any,
// is the decimal mark.
MarkedNumber ReadSpaced(const Parts& parts, const Reading& reading) {
    const std::string& m = parts.mantissa;
    const std::size_t mark = m.find_first_of(".,");
    if (mark != std::string::npos && m.find_first_of(".,_", mark + 1) != std::string::npos) {
        return reading.Plain(Kind::AsIs);
    }
    if (!IsGrouped(std::string_view(m).substr(0, mark), kSpaced)) {
        return reading.Plain(Kind::BadGrouping);
    }
    return mark == std::string::npos ? reading.As(mark, std::nullopt)
                                     : reading.As(mark, MarkOf(m[mark]));
}

// One mark, once: "3,62", "2,250", "1.100".
MarkedNumber ReadOneMark(const Parts& parts, std::optional<DecimalMark> mark, bool given,
                         const Reading& reading) {
    const std::size_t at = parts.mantissa.find_first_of(".,");
    const char c = parts.mantissa[at];
    const bool couldGroup = parts.exponent.empty() && IsGrouped(parts.mantissa, c);
    if (!couldGroup) {
        return reading.As(at, MarkOf(c));  // nothing but a decimal mark
    }
    if (mark == MarkOf(c)) {
        return reading.As(at, std::nullopt);
    }
    if (given) {
        return reading.As(std::string::npos, std::nullopt);  // the other mark groups
    }
    return reading.Plain(Kind::Ambiguous);
}

// Several marks: the thousands grouped by one, and perhaps the other last as
// the decimal mark.
MarkedNumber ReadMarks(const Parts& parts, const Reading& reading) {
    const std::string& m = parts.mantissa;
    const std::size_t last = m.find_last_of(".,");
    const char group = m[m.find_first_of(".,")];
    if (m[last] == group) {
        return parts.exponent.empty() && IsGrouped(m, group)
                   ? reading.As(std::string::npos, MarkOf(Other(group)))
                   : reading.Plain(Kind::AsIs);
    }
    const std::string_view whole = std::string_view(m).substr(0, last);
    return IsGrouped(whole, group) ? reading.As(last, MarkOf(m[last])) : reading.Plain(Kind::AsIs);
}

}  // namespace

MarkedNumber ReadMarkedNumber(std::string_view text, std::optional<DecimalMark> mark,
                              bool markGiven, std::string& scratch) {
    Parts parts;
    if (!SplitNumber(text, parts)) {
        return {Kind::AsIs, text, std::nullopt};
    }
    const Reading reading(text, mark, markGiven, parts, scratch);
    if (parts.mantissa.find(kSpaced) != std::string::npos) {
        return ReadSpaced(parts, reading);
    }
    const auto marks = std::count_if(parts.mantissa.begin(), parts.mantissa.end(), IsMark);
    if (marks == 0) {
        return reading.Plain(Kind::AsIs);
    }
    return marks == 1 ? ReadOneMark(parts, mark, markGiven, reading) : ReadMarks(parts, reading);
}

const char* MarkName(DecimalMark mark) {
    return mark == DecimalMark::Comma ? "the comma" : "the point";
}

std::string TwoReadings(std::string_view text) {
    Parts parts;
    if (!SplitNumber(text, parts)) {
        return std::string(text);
    }
    std::string grouped;
    std::string decimal;
    Rewritten(parts, std::string::npos, grouped);
    Rewritten(parts, parts.mantissa.find_first_of(".,"), decimal);
    return grouped + " or " + decimal;
}

void PutMark(std::string& figure, DecimalMark mark) {
    if (mark == DecimalMark::Comma) {
        std::replace(figure.begin(), figure.end(), '.', ',');
    }
}

}  // namespace korvane
