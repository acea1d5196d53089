// Any field texts and choices through the dose sheet, under the window's
// rules or the strict ones. Whatever the answer, what it shows must hold
// together: a failed check names a message; the settings dialog's checks
// are a part of Calculate's; nobody is told to add a negative or endless
// amount; the molecular figures are no larger than the free ones they come
// from; and a higher target never asks for less.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/rules/dose_sheet.h"
#include "core/rules/number_text.h"

namespace {

using namespace korvane;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

template <typename Choice>
std::optional<Choice> Pick(std::uint8_t byte, int choices) {
    const int pick = byte % (choices + 1);
    if (pick == choices) {
        return std::nullopt;
    }
    return static_cast<Choice>(pick);
}

// The texts the sheet points into.
struct Texts {
    std::array<std::string, kSheetFields.size() + 1> fields;  // the last: the shown figure
};

// The first bytes choose, the rest are the texts, cut at every 0x1F.
SheetView InputFrom(const std::uint8_t* data, std::size_t size, Texts& texts) {
    SheetView input;
    if (size < 5) {
        return input;
    }
    input.method = static_cast<AdditionMethod>(data[0] % 3);
    input.form = Pick<SulphiteForm>(data[1], 2);
    input.unit = Pick<BatchUnit>(data[2], 3);
    input.target = Pick<TargetKind>(data[3], 2);
    input.rules = data[4] % 2 == 0 ? SheetRules::Window : SheetRules::Strict;
    std::size_t field = 0;
    for (std::size_t i = 5; i < size && field < texts.fields.size(); ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\x1F') {
            ++field;
        } else {
            texts.fields[field] += c;
        }
    }
    for (const SheetField each : kSheetFields) {
        FieldText(input, each) = texts.fields[static_cast<std::size_t>(each)];
    }
    input.shownExistingMolecular = texts.fields.back();
    return input;
}

std::optional<float> Shown(const SheetResults& results, SheetOutput output) {
    float value = 0.0F;
    const std::optional<std::string_view> text = results.Shown(output);
    return text && TextToSingle(*text, value) ? std::optional(value) : std::nullopt;
}

// What the figures must be, however they came about.
void CheckFigures(const SheetView& input, const SheetResults& results, bool strict) {
    if (results.Size() == 0) {
        return;
    }
    // Nobody is told to add a negative or endless amount.
    const std::optional<float> amount = Shown(results, SheetOutput::Amount);
    Require(amount.has_value() && *amount >= 0.0F && std::isfinite(*amount));
    // Nor, under strict rules, more than any cellar could add (the shown
    // figure is the amount rounded to two decimals).
    Require(!strict || *amount <= kLargestAmount);
    // Under strict rules every figure shown, once all is written, is a number.
    for (std::size_t i = 0; strict && i < results.Size(); ++i) {
        const std::string_view shown = *results.Shown(results.Output(i));
        float value = 0.0F;
        Require(shown.empty() || TextToSingle(shown, value));
    }
    // Molecular SO2 is a share of the free SO2, never more of it.
    float free = 0.0F;
    const std::optional<float> molecular = Shown(results, SheetOutput::ExistingMolecular);
    if (TextToSingle(input.existingSO2, free) && free >= 0.0F && molecular) {
        Require(*molecular <= free + 0.005F);
    }
}

// A higher free target asks for at least as much: the same sheet aimed
// 10 mg/L higher.
void CheckMoreForMore(SheetView input, const SheetResults& results) {
    float target = 0.0F;
    const std::optional<float> amount = Shown(results, SheetOutput::Amount);
    if (input.target != TargetKind::FreeSO2 || !amount || !TextToSingle(input.targetFree, target) ||
        !(target < 1e30F)) {
        return;
    }
    // Where ten more mg/L could take the amount past what a single holds (a
    // tiny solution strength or tablet, a vast batch), the window rightly
    // shows 0.00 for a figure it cannot show. A generous bound of the larger
    // amount: any gallon is under five litres, any form gives over half its
    // weight of SO2.
    float batch = 0.0F;
    float per = 1.0F;
    TextToSingle(input.batchSize, batch);
    if (input.method == AdditionMethod::Solution) {
        TextToSingle(input.solutionStrength, per);
        per /= 100.0F;
    } else if (input.method == AdditionMethod::Tablet) {
        TextToSingle(input.tabletWeight, per);
    }
    const double bound = (static_cast<double>(target) + 10.0) / 1000.0 / 0.5 *
                         std::abs(static_cast<double>(batch)) * 5.0 /
                         std::abs(static_cast<double>(per));
    if (!(bound < 1e37)) {
        return;
    }
    const std::string higher = FormatFixed2(static_cast<double>(target) + 10.0);
    input.targetFree = higher;
    SheetResults more;
    RecalculateSheet(input, more);
    const std::optional<float> moreAmount = Shown(more, SheetOutput::Amount);
    Require(moreAmount.has_value() && *moreAmount + 0.005F >= *amount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Texts texts;
    const SheetView input = InputFrom(data, size, texts);
    const bool strict = input.rules == SheetRules::Strict;
    SheetVerdict verdict;
    EvaluateSheet(input, verdict);
    switch (verdict.kind) {
        case SheetVerdict::Kind::FailedCheck:
            Require(std::string_view(verdict.failed.message).size() > 0);
            break;
        case SheetVerdict::Kind::Questions: {
            Require(verdict.questionCount > 0);
            SheetVerdict answered;
            EvaluateSheet(input, answered, true);
            Require(answered.kind != SheetVerdict::Kind::Questions);
            if (answered.kind != SheetVerdict::Kind::FailedCheck) {
                CheckFigures(input, answered.results, strict);
            }
            break;
        }
        case SheetVerdict::Kind::NoAddition:
            Require(strict && Shown(verdict.results, SheetOutput::Amount) == 0.0F);
            break;
        case SheetVerdict::Kind::Results:
            CheckFigures(input, verdict.results, strict);
            if (!strict) {
                CheckMoreForMore(input, verdict.results);
            }
            break;
    }
    // The settings dialog's checks are a part of the sheet's.
    if (FirstFailedSettingsCheck(input)) {
        Require(verdict.kind == SheetVerdict::Kind::FailedCheck);
    }
    ResultText shown;
    ExistingMolecularText(input, shown);
    return 0;
}
