// The legal limits on a wine's total SO2, as doc/LIMITS.md gives them with
// their sources, and the words a limit is told in. One table: the first row
// of the wine's regime, colour and style whose sugar band holds the wine's
// sugar is its limit.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/rules/core_text.h"

namespace korvane {

enum class LimitRegime { Eu, EuOrganic, Us, Au, Oiv };
enum class WineColour { Red, White, Rose };
enum class WineStyle { Still, QualitySparkling, Sparkling, Liqueur };

// The colours and styles a row holds for. White and rosé always share a
// limit.
enum class Colours { Any, Red, WhiteOrRose };
enum class Styles { Any, Still, QualitySparkling, Sparkling, Liqueur };

// How the row's sugar bound (g/L) is read: under it (less than), that much
// or more, that much or less, more than it; or any sugar at all.
enum class SugarIs { Any, Under, OrMore, OrLess, MoreThan };

struct LimitRow {
    LimitRegime regime;
    Colours colours;
    Styles styles;
    SugarIs sugarIs;
    float sugarBound;
    float limit;  // mg/L of total SO2
};

// The figures of doc/LIMITS.md, row for row. Order matters within a regime,
// colour and style: the organic "under 2" comes before "under 5", so that
// the second holds from 2 to under 5.
inline constexpr std::array kLimitRows{
    LimitRow{LimitRegime::Eu, Colours::Red, Styles::Still, SugarIs::Under, 5, 150},
    LimitRow{LimitRegime::Eu, Colours::WhiteOrRose, Styles::Still, SugarIs::Under, 5, 200},
    LimitRow{LimitRegime::Eu, Colours::Red, Styles::Still, SugarIs::OrMore, 5, 200},
    LimitRow{LimitRegime::Eu, Colours::WhiteOrRose, Styles::Still, SugarIs::OrMore, 5, 250},
    LimitRow{LimitRegime::Eu, Colours::Any, Styles::Liqueur, SugarIs::Under, 5, 150},
    LimitRow{LimitRegime::Eu, Colours::Any, Styles::Liqueur, SugarIs::OrMore, 5, 200},
    LimitRow{LimitRegime::Eu, Colours::Any, Styles::QualitySparkling, SugarIs::Any, 0, 185},
    LimitRow{LimitRegime::Eu, Colours::Any, Styles::Sparkling, SugarIs::Any, 0, 235},
    LimitRow{LimitRegime::EuOrganic, Colours::Red, Styles::Still, SugarIs::Under, 2, 100},
    LimitRow{LimitRegime::EuOrganic, Colours::WhiteOrRose, Styles::Still, SugarIs::Under, 2, 150},
    LimitRow{LimitRegime::EuOrganic, Colours::Red, Styles::Still, SugarIs::Under, 5, 120},
    LimitRow{LimitRegime::EuOrganic, Colours::WhiteOrRose, Styles::Still, SugarIs::Under, 5, 170},
    LimitRow{LimitRegime::EuOrganic, Colours::Red, Styles::Still, SugarIs::OrMore, 5, 170},
    LimitRow{LimitRegime::EuOrganic, Colours::WhiteOrRose, Styles::Still, SugarIs::OrMore, 5, 220},
    LimitRow{LimitRegime::EuOrganic, Colours::Any, Styles::Liqueur, SugarIs::Under, 5, 120},
    LimitRow{LimitRegime::EuOrganic, Colours::Any, Styles::Liqueur, SugarIs::OrMore, 5, 170},
    LimitRow{LimitRegime::EuOrganic, Colours::Any, Styles::QualitySparkling, SugarIs::Any, 0, 155},
    LimitRow{LimitRegime::EuOrganic, Colours::Any, Styles::Sparkling, SugarIs::Any, 0, 205},
    LimitRow{LimitRegime::Us, Colours::Any, Styles::Any, SugarIs::Any, 0, 350},
    LimitRow{LimitRegime::Au, Colours::Any, Styles::Any, SugarIs::OrLess, 35, 250},
    LimitRow{LimitRegime::Au, Colours::Any, Styles::Any, SugarIs::MoreThan, 35, 300},
    LimitRow{LimitRegime::Oiv, Colours::Red, Styles::Any, SugarIs::OrLess, 4, 150},
    LimitRow{LimitRegime::Oiv, Colours::WhiteOrRose, Styles::Any, SugarIs::OrLess, 4, 200},
    LimitRow{LimitRegime::Oiv, Colours::Any, Styles::Any, SugarIs::MoreThan, 4, 300},
};

// The words the command line and a cellar file name them by: the regimes'
// own, and each colour and style in the six languages (with their ASCII
// forms, "rose", "weiss").
template <typename Choice>
struct WineWord {
    Choice choice;
    const char* word;  // the first of a choice is the one the program writes
};

inline constexpr std::array kRegimeWords{
    WineWord<LimitRegime>{LimitRegime::Eu, "eu"},
    WineWord<LimitRegime>{LimitRegime::EuOrganic, "eu-organic"},
    WineWord<LimitRegime>{LimitRegime::Us, "us"},
    WineWord<LimitRegime>{LimitRegime::Au, "au"},
    WineWord<LimitRegime>{LimitRegime::Oiv, "oiv"},
};

inline constexpr std::array kColourWords{
    WineWord<WineColour>{WineColour::Red, "red"},
    WineWord<WineColour>{WineColour::White, "white"},
    WineWord<WineColour>{WineColour::Rose, "rosé"},
    WineWord<WineColour>{WineColour::Rose, "rose"},
    WineWord<WineColour>{WineColour::Red, "rouge"},
    WineWord<WineColour>{WineColour::White, "blanc"},
    WineWord<WineColour>{WineColour::Red, "rosso"},
    WineWord<WineColour>{WineColour::White, "bianco"},
    WineWord<WineColour>{WineColour::Rose, "rosato"},
    WineWord<WineColour>{WineColour::Red, "tinto"},
    WineWord<WineColour>{WineColour::White, "blanco"},
    WineWord<WineColour>{WineColour::Rose, "rosado"},
    WineWord<WineColour>{WineColour::Red, "rot"},
    WineWord<WineColour>{WineColour::White, "weiß"},
    WineWord<WineColour>{WineColour::White, "weiss"},
    WineWord<WineColour>{WineColour::White, "branco"},
};

inline constexpr std::array kStyleWords{
    WineWord<WineStyle>{WineStyle::Still, "still"},
    WineWord<WineStyle>{WineStyle::QualitySparkling, "quality-sparkling"},
    WineWord<WineStyle>{WineStyle::Sparkling, "sparkling"},
    WineWord<WineStyle>{WineStyle::Liqueur, "liqueur"},
};

// The choice `text` names, blanks around it aside and in any case of
// letters (the accented capitals of the six languages too: "ROSÉ", "WEIß").
std::optional<LimitRegime> RegimeOfWord(std::string_view text);
std::optional<WineColour> ColourOfWord(std::string_view text);
std::optional<WineStyle> StyleOfWord(std::string_view text);

// What the program writes for each.
const char* WordOf(LimitRegime regime);
const char* WordOf(WineColour colour);
const char* WordOf(WineStyle style);

// A wine as far as its limit goes; what is not known is none.
struct WineDescription {
    std::optional<WineColour> colour;
    std::optional<WineStyle> style;
    std::optional<float> sugar;  // g/L
};

// The limit a regime sets for a wine, and what was taken for what was not
// given: red's limit without a colour, still wine's without a style, and
// without sugar the stricter of the rows the sugar would choose between.
struct FoundLimit {
    const LimitRow* row;
    WineColour colour;  // as taken
    WineStyle style;    // as taken
    bool colourTaken = false;
    bool styleTaken = false;
    bool sugarTaken = false;
};

FoundLimit FindLimit(LimitRegime regime, const WineDescription& wine);

// Looks an English text up in the user's language; the identity for the
// command line and files.
using Translate = std::function<std::string(const char*)>;

// `text` with %1, %2... replaced by `values` in order.
std::string WithValues(std::string_view text, std::initializer_list<std::string_view> values);

// A figure in mg/L or g/L as a message shows it: two decimals at most, and
// none that are zeros ("150", "172.5").
std::string ShortFigure(float value);

// "the EU limit for a dry red" without its figure: the regime's name and the
// wine the row is for, e.g. "EU" and "a dry red".
std::string RegimeName(LimitRegime regime, const Translate& translate);
std::string WineOfLimit(const FoundLimit& found, const Translate& translate);

// Where a limit came from: a regime's row, or the user's own figure.
struct LimitCheck {
    float limit = 0;
    std::optional<FoundLimit> found;  // none: the limit was given
};

// "Total SO2 would reach 172 mg/L, above the 150 mg/L EU limit for a dry
// red. Are you sure it is correct?"
std::string OverLimitQuestion(float projected, const LimitCheck& check, const Translate& translate);

// What the limit is and what was taken to find it: "EU limit for a dry red;
// sugar not given: took the stricter limit", or "limit given with --limit".
std::string LimitBasis(const LimitCheck& check, const Translate& translate);

// A limit of the user's own as typed: a number of mg/L above 0, and no more
// than a million (a limit is a whole number of mg/L in every law); none when
// the text is not one.
std::optional<float> OwnLimitOf(std::string_view text);

// The texts a person reads, for the translation tools and tests.
inline constexpr char kOverLimitQuestion[] = KORVANE_TEXT(
    "Total SO2 would reach %1 mg/L, above the %2 mg/L %3 limit for %4. Are you sure "
    "it is correct?");
inline constexpr char kOverGivenLimitQuestion[] = KORVANE_TEXT(
    "Total SO2 would reach %1 mg/L, above the %2 mg/L limit given. Are you sure it is correct?");
inline constexpr char kLimitOfRegime[] = KORVANE_TEXT("%1 limit for %2");
inline constexpr char kLimitGiven[] = KORVANE_TEXT("limit given with --limit");
inline constexpr char kColourTaken[] = KORVANE_TEXT("colour not given: took red's limit");
inline constexpr char kStyleTaken[] = KORVANE_TEXT("style not given: took still wine's limit");
inline constexpr char kSugarTaken[] = KORVANE_TEXT("sugar not given: took the stricter limit");
inline constexpr char kOwnLimitRefused[] =
    KORVANE_TEXT("The limit must be a number of mg/L above 0 and up to 1000000.");

}  // namespace korvane
