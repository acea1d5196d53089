#include "core/rules/total_so2_limits.h"

#include <algorithm>

#include "core/rules/blanks.h"
#include "core/rules/number_text.h"

namespace korvane {
namespace {

// The parts a limit is told in, each translated on its own.
constexpr char kAWine[] = KORVANE_TEXT("a %1");
constexpr char kWineBetween[] = KORVANE_TEXT("a %1 with %2 to under %3 g/L of sugar");
constexpr char kDryWine[] = KORVANE_TEXT("a dry %1");
constexpr char kWineOrMore[] = KORVANE_TEXT("a %1 with %2 g/L of sugar or more");
constexpr char kWineOrLess[] = KORVANE_TEXT("a %1 with %2 g/L of sugar or less");
constexpr char kWineMoreThan[] = KORVANE_TEXT("a %1 with more than %2 g/L of sugar");
constexpr char kEuOrganic[] = KORVANE_TEXT("EU organic");
constexpr char kUs[] = KORVANE_TEXT("US");
constexpr char kAustralian[] = KORVANE_TEXT("Australian");
constexpr char kOiv[] = KORVANE_TEXT("OIV");
constexpr char kEu[] = KORVANE_TEXT("EU");

// Letters in lower case, the accented capitals of the six languages too
// (two bytes in UTF-8, the capital's second byte 0x20 below the small's).
std::string Lowered(std::string_view text) {
    std::string lowered(TrimBlanks(text));
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        char& c = lowered[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (c == '\xC3' && i + 1 < lowered.size()) {
            char& next = lowered[i + 1];
            const auto byte = static_cast<unsigned char>(next);
            if (byte >= 0x80 && byte <= 0x9E && byte != 0x97) {
                next = static_cast<char>(byte + 0x20);
            }
            ++i;
        }
    }
    return lowered;
}

template <typename Choice, std::size_t N>
std::optional<Choice> ChoiceOf(const std::array<WineWord<Choice>, N>& table,
                               std::string_view text) {
    const std::string key = Lowered(text);
    for (const auto& row : table) {
        if (key == row.word) {
            return row.choice;
        }
    }
    return std::nullopt;
}

template <typename Choice, std::size_t N>
const char* WordIn(const std::array<WineWord<Choice>, N>& table, Choice choice) {
    for (const auto& row : table) {
        if (row.choice == choice) {
            return row.word;
        }
    }
    return "";
}

bool HoldsColour(Colours colours, WineColour colour) {
    switch (colours) {
        case Colours::Any:
            return true;
        case Colours::Red:
            return colour == WineColour::Red;
        case Colours::WhiteOrRose:
            return colour != WineColour::Red;
    }
    return false;
}

bool HoldsStyle(Styles styles, WineStyle style) {
    switch (styles) {
        case Styles::Any:
            return true;
        case Styles::Still:
            return style == WineStyle::Still;
        case Styles::QualitySparkling:
            return style == WineStyle::QualitySparkling;
        case Styles::Sparkling:
            return style == WineStyle::Sparkling;
        case Styles::Liqueur:
            return style == WineStyle::Liqueur;
    }
    return false;
}

bool HoldsSugar(const LimitRow& row, float sugar) {
    switch (row.sugarIs) {
        case SugarIs::Any:
            return true;
        case SugarIs::Under:
            return sugar < row.sugarBound;
        case SugarIs::OrMore:
            return sugar >= row.sugarBound;
        case SugarIs::OrLess:
            return sugar <= row.sugarBound;
        case SugarIs::MoreThan:
            return sugar > row.sugarBound;
    }
    return false;
}

// The wine a row is for, as a noun: the colour of a still wine, the style
// of any other.
const char* WineNoun(WineColour colour, WineStyle style) {
    switch (style) {
        case WineStyle::QualitySparkling:
            return KORVANE_TEXT("quality sparkling wine");
        case WineStyle::Sparkling:
            return KORVANE_TEXT("sparkling wine");
        case WineStyle::Liqueur:
            return KORVANE_TEXT("liqueur wine");
        case WineStyle::Still:
            break;
    }
    switch (colour) {
        case WineColour::White:
            return KORVANE_TEXT("white");
        case WineColour::Rose:
            return KORVANE_TEXT("rosé");
        case WineColour::Red:
            break;
    }
    return KORVANE_TEXT("red");
}

// The "under" row before `row` for the same wine, whose bound is where
// `row`'s band begins.
const LimitRow* BandBefore(const LimitRow& row) {
    const LimitRow* before = nullptr;
    for (const LimitRow& other : kLimitRows) {
        if (&other == &row) {
            return before;
        }
        if (other.regime == row.regime && other.colours == row.colours &&
            other.styles == row.styles && other.sugarIs == SugarIs::Under) {
            before = &other;
        }
    }
    return before;
}

}  // namespace

std::optional<LimitRegime> RegimeOfWord(std::string_view text) {
    return ChoiceOf(kRegimeWords, text);
}

std::optional<WineColour> ColourOfWord(std::string_view text) {
    return ChoiceOf(kColourWords, text);
}

std::optional<WineStyle> StyleOfWord(std::string_view text) {
    return ChoiceOf(kStyleWords, text);
}

const char* WordOf(LimitRegime regime) {
    return WordIn(kRegimeWords, regime);
}

const char* WordOf(WineColour colour) {
    return WordIn(kColourWords, colour);
}

const char* WordOf(WineStyle style) {
    return WordIn(kStyleWords, style);
}

FoundLimit FindLimit(LimitRegime regime, const WineDescription& wine) {
    FoundLimit found{nullptr, wine.colour.value_or(WineColour::Red),
                     wine.style.value_or(WineStyle::Still)};
    found.colourTaken = !wine.colour;
    found.styleTaken = !wine.style;
    found.sugarTaken = !wine.sugar;
    for (const LimitRow& row : kLimitRows) {
        if (row.regime != regime || !HoldsColour(row.colours, found.colour) ||
            !HoldsStyle(row.styles, found.style)) {
            continue;
        }
        if (wine.sugar) {
            if (HoldsSugar(row, *wine.sugar)) {
                found.row = &row;
                break;
            }
        } else if (found.row == nullptr || row.limit < found.row->limit) {
            found.row = &row;
        }
    }
    // Every regime has a row for every colour and style at any sugar.
    return found;
}

std::optional<float> OwnLimitOf(std::string_view text) {
    const std::optional<double> limit = TextToDouble(text);
    if (!limit || !(*limit > 0.0) || *limit > 1.0e6) {
        return std::nullopt;
    }
    return static_cast<float>(*limit);
}

std::string WithValues(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9'
                ? static_cast<std::size_t>(text[i + 1] - '1')
                : values.size();
        if (n < values.size()) {
            filled += *(values.begin() + n);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string ShortFigure(float value) {
    std::string text = FormatFixed2(static_cast<double>(value));
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

std::string RegimeName(LimitRegime regime, const Translate& translate) {
    switch (regime) {
        case LimitRegime::EuOrganic:
            return translate(kEuOrganic);
        case LimitRegime::Us:
            return translate(kUs);
        case LimitRegime::Au:
            return translate(kAustralian);
        case LimitRegime::Oiv:
            return translate(kOiv);
        case LimitRegime::Eu:
            break;
    }
    return translate(kEu);
}

std::string WineOfLimit(const FoundLimit& found, const Translate& translate) {
    const std::string noun = translate(WineNoun(found.colour, found.style));
    const LimitRow& row = *found.row;
    const std::string bound = ShortFigure(row.sugarBound);
    switch (row.sugarIs) {
        case SugarIs::Any:
            return WithValues(translate(kAWine), {noun});
        case SugarIs::Under:
            if (const LimitRow* before = BandBefore(row)) {
                return WithValues(translate(kWineBetween),
                                  {noun, ShortFigure(before->sugarBound), bound});
            }
            return WithValues(translate(kDryWine), {noun});
        case SugarIs::OrMore:
            return WithValues(translate(kWineOrMore), {noun, bound});
        case SugarIs::OrLess:
            return WithValues(translate(kWineOrLess), {noun, bound});
        case SugarIs::MoreThan:
            break;
    }
    return WithValues(translate(kWineMoreThan), {noun, bound});
}

std::string OverLimitQuestion(float projected, const LimitCheck& check,
                              const Translate& translate) {
    const std::string total = ShortFigure(projected);
    const std::string limit = ShortFigure(check.limit);
    if (!check.found) {
        return WithValues(translate(kOverGivenLimitQuestion), {total, limit});
    }
    return WithValues(translate(kOverLimitQuestion),
                      {total, limit, RegimeName(check.found->row->regime, translate),
                       WineOfLimit(*check.found, translate)});
}

std::string LimitBasis(const LimitCheck& check, const Translate& translate) {
    if (!check.found) {
        return translate(kLimitGiven);
    }
    const FoundLimit& found = *check.found;
    std::string basis =
        WithValues(translate(kLimitOfRegime),
                   {RegimeName(found.row->regime, translate), WineOfLimit(found, translate)});
    // Only what the row depends on is worth saying: the US limit needs no
    // colour, and a sparkling wine's no sugar.
    const bool colourMatters = found.row->colours != Colours::Any;
    const bool styleMatters = found.row->styles != Styles::Any;
    const bool sugarMatters = found.row->sugarIs != SugarIs::Any;
    for (const auto& [taken, text] : {std::pair{found.colourTaken && colourMatters, kColourTaken},
                                      std::pair{found.styleTaken && styleMatters, kStyleTaken},
                                      std::pair{found.sugarTaken && sugarMatters, kSugarTaken}}) {
        if (taken) {
            basis += "; ";
            basis += translate(text);
        }
    }
    return basis;
}

}  // namespace korvane
