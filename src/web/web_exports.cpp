// What the page calls: plain C functions over UTF-8 texts in the module's
// memory. Each answer lives in room of its own until the same function is
// called again. Every rule, check, message and figure comes from the core;
// the page only shows them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/rules/key_filter.h"
#include "core/rules/spin_rules.h"
#include "web/page_batch.h"
#include "web/page_calculation.h"
#include "web/page_defaults.h"
#include "web/page_fields.h"
#include "web/page_tables.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define KORVANE_EXPORT extern "C" EMSCRIPTEN_KEEPALIVE
#else
#define KORVANE_EXPORT extern "C"
#endif

namespace {

const char* Kept(std::string& room, std::string text) {
    room = std::move(text);
    return room.c_str();
}

std::string_view TextOf(const char* text) {
    return text == nullptr ? std::string_view() : std::string_view(text);
}

std::string batchOutput;  // the last batch's CSV, until the next batch

}  // namespace

// korvane_choice_word("colour", "Bianco") -> "white"; "" for no choice
KORVANE_EXPORT const char* korvane_choice_word(const char* column, const char* text) {
    static std::string room;
    return Kept(room, korvane::web::ChoiceWordOf(TextOf(column), TextOf(text)));
}

// korvane_calculate(R"({"ph":"3.5", ..., "target":"40"})", 0) -> JSON
// (web/page_calculation.h)
KORVANE_EXPORT const char* korvane_calculate(const char* dose, int answered) {
    static std::string room;
    return Kept(room, korvane::web::CalculationJson(TextOf(dose), answered != 0));
}

KORVANE_EXPORT const char* korvane_existing_molecular(const char* ph, const char* existing) {
    static std::string room;
    return Kept(room, korvane::web::ExistingMolecular(TextOf(ph), TextOf(existing)));
}

KORVANE_EXPORT const char* korvane_choice_state(const char* method, const char* targetKind) {
    static std::string room;
    return Kept(room, korvane::web::ChoiceStateJson(TextOf(method), TextOf(targetKind)));
}

// The field's text after a click on its − (barValue 1) or + (-1) button.
KORVANE_EXPORT const char* korvane_spin(const char* field, const char* text, int barValue) {
    static std::string room;
    const korvane::SpinRule* rule = korvane::web::SpinRuleOf(TextOf(field));
    return Kept(room, rule != nullptr ? korvane::SpinStep(*rule, TextOf(text), barValue)
                                      : std::string(TextOf(text)));
}

// The character a typed key puts into a numeric field, 0 for none.
KORVANE_EXPORT int korvane_filter_key(int code, int commaToo) {
    korvane::FilterNumericKey(
        code, commaToo != 0 ? korvane::DecimalKey::CommaToo : korvane::DecimalKey::PeriodOnly);
    return code;
}

// `stored` null: none kept, the built-in defaults.
KORVANE_EXPORT const char* korvane_defaults(const char* stored) {
    static std::string room;
    return Kept(room, korvane::web::DefaultsJson(stored == nullptr
                                                     ? std::nullopt
                                                     : std::optional(std::string_view(stored))));
}

KORVANE_EXPORT const char* korvane_save_defaults(const char* defaults) {
    static std::string room;
    return Kept(room, korvane::web::SavedDefaultsJson(TextOf(defaults)));
}

KORVANE_EXPORT const char* korvane_batch(const char* bytes, std::size_t size, const char* fileName,
                                         const char* options, std::size_t rowsShown) {
    static std::string room;
    return Kept(room, korvane::web::BatchJson(std::string_view(bytes, size), TextOf(fileName),
                                              TextOf(options), rowsShown, batchOutput));
}

KORVANE_EXPORT const char* korvane_batch_output() {
    return batchOutput.data();
}

KORVANE_EXPORT std::size_t korvane_batch_output_size() {
    return batchOutput.size();
}

// Asked when the site is built (web/page_tables.h).
KORVANE_EXPORT const char* korvane_page_tables() {
    static std::string room;
    return Kept(room, korvane::web::PageTablesJson());
}
