#include "core/cellar/choice_words.h"

#include <algorithm>
#include <array>

namespace korvane {
namespace {

struct UnitName {
    VolumeUnit unit;
    const char* key;  // as UnitKey writes it
};

constexpr std::array kUnitNames{
    UnitName{VolumeUnit::UsGallon, "usgal"},
    UnitName{VolumeUnit::UsGallon, "usgallon"},
    UnitName{VolumeUnit::UsGallon, "usgallons"},
    UnitName{VolumeUnit::ImperialGallon, "impgal"},
    UnitName{VolumeUnit::ImperialGallon, "imperialgal"},
    UnitName{VolumeUnit::ImperialGallon, "imperialgallon"},
    UnitName{VolumeUnit::ImperialGallon, "imperialgallons"},
    UnitName{VolumeUnit::Litre, "l"},
    UnitName{VolumeUnit::Litre, "litre"},
    UnitName{VolumeUnit::Litre, "litres"},
    UnitName{VolumeUnit::Litre, "liter"},
    UnitName{VolumeUnit::Litre, "liters"},
    UnitName{VolumeUnit::Hectolitre, "hl"},
    UnitName{VolumeUnit::Hectolitre, "hectolitre"},
    UnitName{VolumeUnit::Hectolitre, "hectolitres"},
    UnitName{VolumeUnit::Hectolitre, "hectoliter"},
    UnitName{VolumeUnit::Hectolitre, "hectoliters"},
};

constexpr std::array kBareGallons{"gal", "gallon", "gallons"};

}  // namespace

std::string UnitKey(std::string_view text) {
    std::string key;
    for (const char c : text) {
        if (!IsBlank(c) && c != '.' && c != '-' && c != '_') {
            key += LowerAscii(c);
        }
    }
    return key;
}

std::optional<VolumeUnit> UnitOfWord(std::string_view text) {
    if (const auto* row = RowOfWord(kUnitWords, text)) {
        return row->choice;  // the words themselves, as most files write them
    }
    const std::string key = UnitKey(text);
    for (const UnitName& name : kUnitNames) {
        if (key == name.key) {
            return name.unit;
        }
    }
    return std::nullopt;
}

bool IsBareGallon(std::string_view text) {
    const std::string key = UnitKey(text);
    return std::any_of(kBareGallons.begin(), kBareGallons.end(),
                       [&key](const char* name) { return key == name; });
}

std::string UnknownUnitText(std::string_view word) {
    if (IsBareGallon(word)) {
        return "Unit \"" + EscapedText(word) + "\" is ambiguous: use " +
               RowOf(kUnitWords, VolumeUnit::UsGallon).word + " or " +
               RowOf(kUnitWords, VolumeUnit::ImperialGallon).word + ".";
    }
    return UnknownWordText("unit", word, kUnitWords);
}

}  // namespace korvane
