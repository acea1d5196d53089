#include "web/page_calculation.h"

#include "core/cellar/choice_words.h"
#include "core/cellar/dose_calculation.h"
#include "web/json_reader.h"
#include "web/json_text.h"
#include "web/page_fields.h"

namespace korvane::web {

void AddMessageValue(JsonText& json, std::string_view text, std::string_view value) {
    if (!value.empty()) {
        json.String("message_text", text).String("message_value", value);
    }
}

namespace {

// Why the sheet stopped: the failed check's field, or every question in
// the order the page asks them.
void AddVerdict(JsonText& json, const SheetView& input, bool answered) {
    SheetVerdict verdict;
    EvaluateSheet(input, verdict, answered);
    if (verdict.kind == SheetVerdict::Kind::FailedCheck) {
        json.String("field", FieldName(verdict.failed.field));
        return;
    }
    json.OpenArray("questions");
    for (std::size_t i = 0; i < verdict.questionCount; ++i) {
        const Question& question = verdict.questions[i];
        json.Open()
            .String("field", FieldName(question.field))
            .String("text", question.text)
            .Close();
    }
    json.CloseArray();
}

void AddFigures(JsonText& json, const DoseResult& result) {
    json.Open("figures");
    for (std::size_t i = 0; i < kFigureCount; ++i) {
        json.String(kResultColumnNames[i], result.figures[i]);
    }
    json.Close();
}

}  // namespace

std::string CalculationJson(std::string_view sent, bool answered) {
    JsonText json;
    json.Open();
    const std::optional<JsonValue> request = ReadJson(sent);
    const std::optional<DoseTextViews> texts =
        request ? DoseTextsOf(*request) : std::optional<DoseTextViews>();
    DoseCalculation dose;
    std::optional<std::string> problem;
    if (!texts) {
        problem = "The page sent " + std::string(sent) + ", not the texts of a dose.";
    } else {
        problem = dose.Fill(*texts, SO2Pka);
    }
    if (problem) {
        // Only a word that names no choice gets here: the lists offer none.
        json.String("status", StatusWord(DoseStatus::Error)).String("message", *problem);
        json.String("field", "form");
        return json.Close().Text();
    }
    const DoseResult& result = dose.Evaluate(answered);
    json.String("status", StatusWord(result.status)).String("message", result.message);
    AddMessageValue(json, result.messageText, result.messageValue);
    if (result.status == DoseStatus::Error || result.status == DoseStatus::Question) {
        AddVerdict(json, dose.Input(), answered);
    } else {
        AddFigures(json, result);
    }
    return json.Close().Text();
}

std::string ExistingMolecular(std::string_view ph, std::string_view existingSO2) {
    SheetView view;
    view.ph = ph;
    view.existingSO2 = existingSO2;
    ResultText text;
    return std::string(ExistingMolecularText(view, text));
}

std::string ChoiceStateJson(std::string_view method, std::string_view targetKind) {
    const MethodState& state =
        MethodStateOf(ChoiceOfWord(kAdditionMethods, method).value_or(AdditionMethod::Powder));
    const TargetState& target =
        TargetStateOf(ChoiceOfWord(kTargetKinds, targetKind).value_or(TargetKind::FreeSO2));
    JsonText json;
    json.Open()
        .Bool("solution", state.solutionEnabled)
        .Bool("tablet", state.tabletEnabled)
        .Bool("teaspoons", state.teaspoonsShown)
        .String("amount_unit", state.amountUnit)
        .String("teaspoon_unit", state.teaspoonUnit != nullptr ? state.teaspoonUnit : "")
        .Bool("target_free", target.freeTargetIsInput)
        .Bool("target_molecular", target.molecularTargetIsInput);
    return json.Close().Text();
}

}  // namespace korvane::web
