#include "web/page_tables.h"

#include "core/cellar/choice_words.h"
#include "core/cellar/dose_calculation.h"
#include "core/rules/choices.h"
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

}  // namespace

std::string PageTablesJson() {
    JsonText json;
    json.Open().OpenArray("dose_columns");
    // The form has a field for each column of every dose; the wine's own
    // have none yet, and a dose without them is read as before.
    for (std::size_t c = 0; c < kDoseColumnsOfEveryDose; ++c) {
        json.Item(kDoseColumnNames[c]);
    }
    json.CloseArray().Open("choices");
    Choices(json, "form", kSulphiteForms);
    Choices(json, "method", kAdditionMethods);
    Units(json);
    Choices(json, "target_kind", kTargetKinds);
    return json.Close().Close().Text();
}

}  // namespace korvane::web
