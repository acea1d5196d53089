// The words under which the command line and a cellar file name the choices,
// and how a text is read as one of them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/cellar/text_encoding.h"
#include "core/rules/blanks.h"
#include "core/rules/choices.h"

namespace korvane {

// The units a batch size may come in: the window's three, and the
// hectolitre, the cellar unit in Europe, which is turned into litres before
// the sheet sees it.
enum class VolumeUnit { UsGallon, ImperialGallon, Litre, Hectolitre };

// A choice of the command line or a cellar file that nothing else names.
template <typename Choice>
struct ChoiceWord {
    Choice choice;
    const char* word;
};

inline constexpr std::array<ChoiceWord<VolumeUnit>, 4> kUnitWords{{
    {VolumeUnit::UsGallon, RowOf(kBatchUnits, BatchUnit::UsGallon).word},
    {VolumeUnit::ImperialGallon, RowOf(kBatchUnits, BatchUnit::ImperialGallon).word},
    {VolumeUnit::Litre, RowOf(kBatchUnits, BatchUnit::Litre).word},
    {VolumeUnit::Hectolitre, "hl"},
}};

static_assert(OneRowEachInOrder(kUnitWords, &ChoiceWord<VolumeUnit>::choice));

// The unit the sheet reckons `unit` in; a size in hectolitres is taken a
// hundred times, as litres.
struct SheetUnit {
    BatchUnit unit;
    bool hundredfold;
};

constexpr SheetUnit SheetUnitOf(VolumeUnit unit) {
    switch (unit) {
        case VolumeUnit::UsGallon:
            return {BatchUnit::UsGallon, false};
        case VolumeUnit::ImperialGallon:
            return {BatchUnit::ImperialGallon, false};
        case VolumeUnit::Litre:
            break;
        case VolumeUnit::Hectolitre:
            return {BatchUnit::Litre, true};
    }
    return {BatchUnit::Litre, false};
}

constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `text` is `word`, letter for letter or in any case. A word's
// length is not kept; the comparison stops at the first difference instead.
template <typename Letter>
bool IsWord(std::string_view text, const char* word, Letter letter) {
    for (const char c : text) {
        if (*word == '\0' || *word != letter(c)) {
            return false;
        }
        ++word;
    }
    return *word == '\0';
}

// The row whose word `text` names, blanks around it aside and in any case of
// letters, so that a spreadsheet's "Litres " still means litres; nullptr
// when none does.
template <typename Row, std::size_t N>
const Row* RowOfWord(const std::array<Row, N>& table, std::string_view text) {
    const auto same = [](char c) { return c; };
    for (const Row& row : table) {
        if (IsWord(text, row.word, same)) {
            return &row;  // as the program itself writes them, and most files
        }
    }
    text = TrimBlanks(text);
    for (const Row& row : table) {
        if (IsWord(text, row.word, LowerAscii)) {
            return &row;
        }
    }
    return nullptr;
}

// A unit word's letters as they are compared: in lower case, without blanks,
// points, '-' and '_', so that "US gal", "U.S. Gal." and "us-gal" agree.
std::string UnitKey(std::string_view text);

// The unit `text` names: one of the words, or another common way of writing
// it ("l", "L", "litre", "liter", "liters", "hectolitres", "US gallons",
// "imperial gallons", and the window's own "U.S. Gal." and "Imp. Gal.").
std::optional<VolumeUnit> UnitOfWord(std::string_view text);

// A gallon without saying which: refused rather than guessed, since the two
// differ by a fifth.
bool IsBareGallon(std::string_view text);

// Why `word` names no unit, e.g. `Unit "gal" is ambiguous: use us-gal or
// imp-gal.`
std::string UnknownUnitText(std::string_view word);

// The choice named by `text`, as RowOfWord finds it.
template <typename Row, std::size_t N>
std::optional<decltype(Row::choice)> ChoiceOfWord(const std::array<Row, N>& table,
                                                  std::string_view text) {
    const Row* row = RowOfWord(table, text);
    return row != nullptr ? std::optional(row->choice) : std::nullopt;
}

// The words joined for a message, e.g. "us-gal, imp-gal or litres".
template <typename Row, std::size_t N>
std::string WordList(const std::array<Row, N>& table) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) {
            list += i + 1 == N ? " or " : ", ";
        }
        list += table[i].word;
    }
    return list;
}

// Why `word` names none of the table's choices, e.g. `Unknown unit "gal":
// use us-gal, imp-gal or litres.`, where `what` is "unit".
template <typename Row, std::size_t N>
std::string UnknownWordText(const char* what, std::string_view word,
                            const std::array<Row, N>& table) {
    return "Unknown " + std::string(what) + " \"" + EscapedText(word) + "\": use " +
           WordList(table) + ".";
}

}  // namespace korvane
