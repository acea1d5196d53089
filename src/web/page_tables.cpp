#include "web/page_tables.h"

#include <array>

#include "core/cellar/choice_words.h"
#include "core/cellar/dose_calculation.h"
#include "core/rules/choices.h"
#include "core/rules/total_so2_limits.h"
#include "web/json_text.h"

namespace korvane::web {
namespace {

// Where the translators find the core's texts (KORVANE_TEXT).
constexpr char kCoreContext[] = "korvane";

// The page's own words for a unit where the window's list has none (the
// hectolitre) or abbreviates for want of room (the gallons); nullptr for
// the window's own text.
const char* PageUnitText(VolumeUnit unit) {
    switch (unit) {
        case VolumeUnit::UsGallon:
            return KORVANE_WEB_TEXT("US gallons");
        case VolumeUnit::ImperialGallon:
            return KORVANE_WEB_TEXT("Imperial gallons");
        case VolumeUnit::Hectolitre:
            return KORVANE_WEB_TEXT("Hectolitres");
        case VolumeUnit::Litre:
            break;
    }
    return nullptr;
}

void AddChoice(JsonText& json, const char* word, const char* text, const char* context) {
    json.Open().String("word", word);
    if (text != nullptr) {
        json.String("text", text).String("context", context);
    }
    json.Close();
}

template <typename Choice, std::size_t N>
void Choices(JsonText& json, const char* name, const ChoiceRows<Choice, N>& table) {
    json.OpenArray(name);
    for (const auto& row : table) {
        AddChoice(json, row.word, row.text, kCoreContext);
    }
    json.CloseArray();
}

// The page offers every unit a cellar file may name.
void Units(JsonText& json) {
    json.OpenArray("unit");
    for (const auto& [unit, word] : kUnitWords) {
        if (const char* own = PageUnitText(unit)) {
            AddChoice(json, word, own, "Web");
        } else {
            AddChoice(json, word, RowOf(kBatchUnits, SheetUnitOf(unit).unit).text, kCoreContext);
        }
    }
    json.CloseArray();
}

// The wine's lists, in the order shown, with the page's texts: the core's
// own words for them are lower-case nouns made for its sentences.
template <typename Choice>
struct WineChoiceText {
    Choice choice;
    const char* text;
};

constexpr std::array kRegimeTexts{
    WineChoiceText<LimitRegime>{LimitRegime::Eu, KORVANE_WEB_TEXT("EU")},
    WineChoiceText<LimitRegime>{LimitRegime::EuOrganic, KORVANE_WEB_TEXT("EU organic")},
    WineChoiceText<LimitRegime>{LimitRegime::Us, KORVANE_WEB_TEXT("US")},
    WineChoiceText<LimitRegime>{LimitRegime::Au, KORVANE_WEB_TEXT("Australia")},
    WineChoiceText<LimitRegime>{LimitRegime::Oiv, KORVANE_WEB_TEXT("OIV")},
};

constexpr std::array kColourTexts{
    WineChoiceText<WineColour>{WineColour::Red, KORVANE_WEB_TEXT("Red")},
    WineChoiceText<WineColour>{WineColour::White, KORVANE_WEB_TEXT("White")},
    WineChoiceText<WineColour>{WineColour::Rose, KORVANE_WEB_TEXT("Rosé")},
};

constexpr std::array kStyleTexts{
    WineChoiceText<WineStyle>{WineStyle::Still, KORVANE_WEB_TEXT("Still")},
    WineChoiceText<WineStyle>{WineStyle::QualitySparkling, KORVANE_WEB_TEXT("Quality sparkling")},
    WineChoiceText<WineStyle>{WineStyle::Sparkling, KORVANE_WEB_TEXT("Sparkling")},
    WineChoiceText<WineStyle>{WineStyle::Liqueur, KORVANE_WEB_TEXT("Liqueur wine")},
};

template <typename Choice, std::size_t N>
void WineChoices(JsonText& json, const char* name,
                 const std::array<WineChoiceText<Choice>, N>& table) {
    json.OpenArray(name);
    for (const auto& [choice, text] : table) {
        AddChoice(json, WordOf(choice), text, "Web");
    }
    json.CloseArray();
}

}  // namespace

std::string PageTablesJson() {
    JsonText json;
    json.Open().OpenArray("dose_columns");
    // The form has a field for each column; the wine's own left empty, a
    // dose is read as it always was.
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        json.Item(kDoseColumnNames[c]);
    }
    json.CloseArray().Open("choices");
    Choices(json, "form", kSulphiteForms);
    Choices(json, "method", kAdditionMethods);
    Units(json);
    Choices(json, "target_kind", kTargetKinds);
    WineChoices(json, "regime", kRegimeTexts);
    WineChoices(json, "colour", kColourTexts);
    WineChoices(json, "style", kStyleTexts);
    return json.Close().Close().Text();
}

}  // namespace korvane::web
