#include "web/page_defaults.h"

#include <array>

#include "core/cellar/choice_words.h"
#include "core/rules/dose_sheet.h"
#include "core/rules/messages.h"
#include "core/rules/user_defaults.h"
#include "web/json_reader.h"
#include "web/json_text.h"
#include "web/page_fields.h"

namespace korvane::web {
namespace {

// The window's lists have no hectolitres, so its file has no code for them;
// the page keeps them under a code of its own, which the window would read
// as no unit at all.
constexpr char kHectolitreCode[] = "4";

// The word of the choice whose code (or stored text) is `code`.
template <typename Choice, std::size_t N>
std::optional<std::string_view> WordOfCode(const ChoiceRows<Choice, N>& table,
                                           std::string_view code) {
    const std::optional<Choice> choice = ChoiceOfCode(table, code);
    return choice ? std::optional<std::string_view>(RowOf(table, *choice).word) : std::nullopt;
}

template <typename Choice, std::size_t N>
std::string CodeOfWord(const ChoiceRows<Choice, N>& table, std::string_view word) {
    const ChoiceRow<Choice>* row = RowOfWord(table, word);
    return row != nullptr ? row->code : "";
}

// The defaults' names, in both directions: DefaultsJson answers under them
// and SavedDefaultsJson reads them, each in this order.
constexpr std::array<const char*, 7> kDefaultNames{
    "form", "method", "unit", "solution_pct", "tablet_g", "batch_size", "target_kind",
};

std::optional<std::string_view> UnitWordOfCode(std::string_view code) {
    return code == kHectolitreCode ? RowOf(kUnitWords, VolumeUnit::Hectolitre).word
                                   : WordOfCode(kBatchUnits, code);
}

std::string CodeOfUnitWord(std::string_view word) {
    const std::optional<VolumeUnit> unit = UnitOfWord(word);
    if (!unit) {
        return {};
    }
    const SheetUnit sheet = SheetUnitOf(*unit);
    return sheet.hundredfold ? kHectolitreCode : RowOf(kBatchUnits, sheet.unit).code;
}

void Word(JsonText& json, const char* key, std::optional<std::string_view> word) {
    if (word) {
        json.String(key, *word);
    } else {
        json.Null(key);
    }
}

}  // namespace

std::string DefaultsJson(std::optional<std::string_view> stored) {
    UserDefaults record;
    const bool broken = stored && !ParseUserDefaults(*stored, true, record);
    if (!stored || broken) {
        record = SystemDefaults();
    }
    const std::array<std::optional<std::string_view>, kDefaultNames.size()> shown{
        WordOfCode(kSulphiteForms, record.formCode),
        WordOfCode(kAdditionMethods, record.methodCode),
        UnitWordOfCode(record.unitCode),
        record.solutionPercent,
        record.tabletWeight,
        record.batchSize,
        WordOfCode(kTargetKinds, record.targetText),
    };
    JsonText json;
    json.Open();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        Word(json, kDefaultNames[i], shown[i]);
    }
    json.Bool("broken", broken).Open("opening");
    for (const SheetField field : kSheetFields) {
        json.String(FieldName(field), OpeningText(field));
    }
    json.Close();
    if (broken) {
        json.String("message", kDefaultsNotFoundMessage);
    }
    return json.Close().Text();
}

std::string SavedDefaultsJson(std::string_view sent) {
    JsonText json;
    json.Open();
    const std::optional<JsonValue> request = ReadJson(sent);
    std::array<std::string_view, kDefaultNames.size()> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::optional<std::string_view> text =
            request ? request->StringMember(kDefaultNames[i]) : std::nullopt;
        if (!text) {
            return json.String("message", "The page sent no defaults.").Close().Text();
        }
        texts[i] = *text;
    }
    const auto [form, method, unit, solution, tablet, batch, target] = texts;
    SheetView entries;  // the fields the dialog does not have stay empty
    entries.method = ChoiceOfWord(kAdditionMethods, method).value_or(AdditionMethod::Powder);
    entries.solutionStrength = solution;
    entries.tabletWeight = tablet;
    entries.batchSize = batch;
    if (const std::optional<FailedCheck> failed = FirstFailedSettingsCheck(entries)) {
        // Every check of the defaults is on one of their fields.
        const SheetField field = failed->field.value_or(SheetField::BatchSize);
        return json.String("field", FieldName(field))
            .String("message", failed->message)
            .Close()
            .Text();
    }
    const UserDefaults record{
        .formCode = CodeOfWord(kSulphiteForms, form),
        .methodCode = CodeOfWord(kAdditionMethods, method),
        .unitCode = CodeOfUnitWord(unit),
        .solutionPercent = std::string(solution),
        .tabletWeight = std::string(tablet),
        .batchSize = std::string(batch),
        .targetText = CodeOfWord(kTargetKinds, target),
    };
    return json.String("record", SerializeUserDefaults(record)).Close().Text();
}

}  // namespace korvane::web
