// Any field texts and choices through the dose sheet: exactly one answer
// (a failed check, questions, or results), the same one every time, and
// results that are consistent with it.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/dose_sheet.h"
#include "core/number_text.h"

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

// The first bytes choose, the rest are the texts, cut at every 0x1F.
SheetInput InputFrom(const std::uint8_t* data, std::size_t size) {
    SheetInput input;
    if (size < 4) {
        return input;
    }
    input.method = static_cast<AdditionMethod>(data[0] % 3);
    input.form = Pick<SulphiteForm>(data[1], 2);
    input.unit = Pick<BatchUnit>(data[2], 3);
    input.target = Pick<TargetKind>(data[3], 2);
    std::size_t field = 0;
    for (std::size_t i = 4; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\x1F') {
            ++field;
        } else if (field < kSheetFields.size()) {
            FieldText(input, kSheetFields[field]) += c;
        } else if (field == kSheetFields.size()) {
            input.shownExistingMolecular += c;
        }
    }
    return input;
}

void CheckResults(const SheetInput& input, const ResultWrites& writes) {
    if (input.targetFree.empty() || input.batchSize.empty()) {
        Require(writes.empty());
        return;
    }
    Require(!writes.empty() && writes.front().output == SheetOutput::ExistingMolecular);
    std::string amount;
    for (const ResultWrite& write : writes) {
        if (write.output == SheetOutput::Amount) {
            amount = write.text;
        }
    }
    // Whatever came out, nobody is told to add a negative or endless amount.
    float value = -1.0F;
    Require(TextToSingle(amount, value) && value >= 0.0F);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SheetInput input = InputFrom(data, size);
    const SheetAnswer answer = EvaluateSheet(input);
    Require(answer == EvaluateSheet(input));

    const std::optional<FailedCheck> failed = FirstFailedCheck(input);
    const Questions questions = QuestionsToAsk(input);
    if (const auto* check = std::get_if<FailedCheck>(&answer)) {
        Require(failed.has_value() && *failed == *check);
        Require(std::string_view(check->message).size() > 0);
    } else if (const auto* asked = std::get_if<Questions>(&answer)) {
        Require(!failed && !asked->empty() && *asked == questions);
        CheckResults(input, RecalculateSheet(input));
    } else {
        Require(!failed && questions.empty());
        CheckResults(input, std::get<ResultWrites>(answer));
    }
    // The settings dialog's checks are a part of the sheet's.
    if (const auto settings = FirstFailedSettingsCheck(input)) {
        Require(failed.has_value());
    }
    ExistingMolecularText(input);
    return 0;
}
