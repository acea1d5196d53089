#include "core/cellar/decimal_marks.h"

#include <algorithm>
#include <cstddef>

#include "core/rules/blanks.h"

namespace korvane {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsMark(char c) {
    return c == '.' || c == ',';
}

// A number's parts around its marks: [sign]mantissa[exponent], the mantissa
// of digits and marks only.
struct Parts {
    std::string_view sign;
    std::string_view mantissa;
    std::string_view exponent;  // "e5", "E-3" or empty
};

bool SplitNumber(std::string_view text, Parts& parts) {
    text = TrimBlanks(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        parts.sign = text.substr(0, 1);
        text.remove_prefix(1);
    }
    const std::size_t e = text.find_first_of("eE");
    parts.mantissa = text.substr(0, e);
    parts.exponent = e == std::string_view::npos ? std::string_view() : text.substr(e);
    return !parts.mantissa.empty() && std::all_of(parts.mantissa.begin(), parts.mantissa.end(),
                                                  [](char c) { return IsDigit(c) || IsMark(c); });
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

// "2,250" or "1.100": one mark that could as well group the thousands.
bool CouldBeGrouped(const Parts& parts) {
    return parts.exponent.empty() &&
           std::count_if(parts.mantissa.begin(), parts.mantissa.end(), IsMark) == 1 &&
           IsGrouped(parts.mantissa, parts.mantissa[parts.mantissa.find_first_of(".,")]);
}

// The sheet's form: the whole digits without their grouping marks, the
// decimal mark (at `decimal`, or none) as a point.
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

}  // namespace

MarkedNumber ReadMarkedNumber(std::string_view text, DecimalMark mark, bool markGiven,
                              std::string& scratch) {
    const MarkedNumber asIs{MarkedNumber::Kind::AsIs, text};
    Parts parts;
    if (!SplitNumber(text, parts)) {
        return asIs;
    }
    const std::size_t last = parts.mantissa.find_last_of(".,");
    if (last == std::string_view::npos) {
        return asIs;
    }
    const char decimal = MarkChar(mark);
    const char lastMark = parts.mantissa[last];
    const std::string_view whole = parts.mantissa.substr(0, last);
    const bool oneMark = whole.find_first_of(".,") == std::string_view::npos;
    if (!markGiven && CouldBeGrouped(parts) && !(lastMark == '.' && mark == DecimalMark::Point)) {
        return {MarkedNumber::Kind::Ambiguous, text};
    }
    if (CouldBeGrouped(parts) && markGiven && lastMark != decimal) {
        return {MarkedNumber::Kind::Converted, Rewritten(parts, std::string_view::npos, scratch)};
    }
    if (oneMark) {
        // The only mark, and no grouping: a decimal mark, whichever it is,
        // unless the user said the file uses the other.
        if (markGiven && lastMark != decimal) {
            return asIs;
        }
        return lastMark == '.' ? asIs
                               : MarkedNumber{MarkedNumber::Kind::Converted,
                                              Rewritten(parts, last, scratch), ','};
    }
    // Several marks: the thousands grouped by one, and perhaps the other
    // last as the decimal mark.
    const char group = whole[whole.find_first_of(".,")];
    if (lastMark == group) {
        return IsGrouped(parts.mantissa, group) && group != decimal && parts.exponent.empty()
                   ? MarkedNumber{MarkedNumber::Kind::Converted,
                                  Rewritten(parts, std::string_view::npos, scratch)}
                   : asIs;
    }
    if (!IsGrouped(whole, group) || (markGiven && lastMark != decimal)) {
        return asIs;
    }
    return {MarkedNumber::Kind::Converted, Rewritten(parts, last, scratch), lastMark};
}

std::string TwoReadings(std::string_view text) {
    Parts parts;
    if (!SplitNumber(text, parts)) {
        return std::string(text);
    }
    std::string grouped;
    std::string decimal;
    Rewritten(parts, std::string_view::npos, grouped);
    Rewritten(parts, parts.mantissa.find_first_of(".,"), decimal);
    return grouped + " or " + decimal;
}

void PutMark(std::string& figure, DecimalMark mark) {
    if (mark == DecimalMark::Comma) {
        std::replace(figure.begin(), figure.end(), '.', ',');
    }
}

}  // namespace korvane
