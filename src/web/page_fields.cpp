#include "web/page_fields.h"

#include <algorithm>
#include <array>

namespace korvane::web {
namespace {

struct NamedField {
    SheetField field;
    const char* name;
    const SpinRule* spin;
};

constexpr std::array kNamedFields{
    NamedField{SheetField::Ph, "ph", &kPhSpin},
    NamedField{SheetField::ExistingSO2, "free_so2", &kExistingSO2Spin},
    NamedField{SheetField::BatchSize, "batch_size", &kBatchSizeSpin},
    NamedField{SheetField::TabletWeight, "tablet_g", &kTabletWeightSpin},
    NamedField{SheetField::SolutionStrength, "solution_pct", &kSolutionSpin},
    NamedField{SheetField::TargetFree, "target_free", &kTargetFreeSpin},
    NamedField{SheetField::TargetMolecular, "target_molecular", &kTargetMolecularSpin},
};

}  // namespace

const char* FieldName(std::optional<SheetField> field) {
    for (const NamedField& named : kNamedFields) {
        if (field == named.field) {
            return named.name;
        }
    }
    return "form";
}

const SpinRule* SpinRuleOf(std::string_view name) {
    for (const NamedField& named : kNamedFields) {
        if (name == named.name) {
            return named.spin;
        }
    }
    return nullptr;
}

std::optional<DoseTextViews> DoseTextsOf(const JsonValue& sent) {
    DoseTextViews texts;
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        const std::optional<std::string_view> text = sent.StringMember(kDoseColumnNames[c]);
        if (!text && !IsWineColumn(c)) {
            return std::nullopt;
        }
        // The wine's own figures may be left out: a dose without them is
        // the window's.
        texts[c] = text.value_or("");
    }
    return texts;
}

std::string ChoiceWordOf(std::string_view column, std::string_view text) {
    constexpr std::array kWordColumns{DoseColumn::Unit,   DoseColumn::Form,
                                      DoseColumn::Method, DoseColumn::TargetKind,
                                      DoseColumn::Colour, DoseColumn::Style};
    const auto* named =
        std::find_if(kWordColumns.begin(), kWordColumns.end(),
                     [column](DoseColumn c) { return kDoseColumnNames[Index(c)] == column; });
    if (named == kWordColumns.end()) {
        return {};
    }
    return CanonicalWord(*named, text).value_or("");
}

}  // namespace korvane::web
