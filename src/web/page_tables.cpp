#include "web/page_tables.h"

#include "core/cellar/choice_words.h"
#include "core/cellar/dose_calculation.h"
#include "core/rules/choices.h"
#include "web/json_text.h"

namespace korvane::web {
namespace {

// Where the translators find the core's texts (KORVANE_TEXT).
constexpr char kCoreContext[] = "korvane";

// The window's lists have no hectolitres, so the core has no text for them.
constexpr char kHectolitreText[] = KORVANE_WEB_TEXT("Hectolitres");

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

// The page offers every unit a cellar file may name: the window's three
// with their texts, and the hectolitre with the page's own.
void Units(JsonText& json) {
    json.OpenArray("unit");
    for (const auto& [unit, word] : kUnitWords) {
        const SheetUnit sheet = SheetUnitOf(unit);
        if (sheet.hundredfold) {
            AddChoice(json, word, kHectolitreText, "Web");
        } else {
            AddChoice(json, word, RowOf(kBatchUnits, sheet.unit).text, kCoreContext);
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
