#include "web/page_calculation.h"

#include "core/cellar/choice_words.h"
#include "core/cellar/dose_calculation.h"
#include "core/rules/blanks.h"
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

void AddWineQuestions(JsonText& json, const DoseCalculation& dose) {
    for (const WineQuestion& question : dose.WineQuestions()) {
        json.Open()
            .String("field", kDoseColumnNames[Index(question.column)])
            .String("text", question.text);
        if (question.overLimit) {
            json.Bool("over_limit", true);
        }
        json.Close();
    }
}

// Why the dose stopped: the failed check's field, or every question in the
// order the page asks them, the sheet's and then the wine's. The wine's are
// asked only once the sheet's are answered, so they are learnt by
// answering those.
void AddVerdict(JsonText& json, DoseCalculation& dose, bool answered) {
    if (const std::optional<DoseColumn> wine = dose.WineErrorColumn()) {
        json.String("field", kDoseColumnNames[Index(*wine)]);
        return;
    }
    SheetVerdict verdict;
    EvaluateSheet(dose.Input(), verdict, answered);
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
    if (verdict.questionCount != 0) {
        dose.Evaluate(true, false);
    }
    AddWineQuestions(json, dose);
    json.CloseArray();
}

// The wine's figures where any was given: what the addition puts in, the
// total it comes to and its limit, with what the limit is (in the page's
// language) and whether the total is over it.
void AddWineFigures(JsonText& json, const DoseResult& result) {
    json.Open("wine");
    for (std::size_t i = 0; i < kWineResultColumnNames.size(); ++i) {
        json.String(kWineResultColumnNames[i], result.wineFigures[i]);
    }
    // A limit of the user's own has no basis but that; the core's words for
    // it name the command line's option.
    const bool given = result.limitCheck && !result.limitCheck->found;
    json.String("limit_basis", given ? std::string_view() : result.limitBasis)
        .Bool("limit_given", given)
        .Bool("over_limit", result.overLimit)
        .Close();
}

// The page's wine settings: the regime's word (none for "" or a word that
// names none), the user's own limit, and whether any of the wine's figures
// is given; the form always sends them, empty when not given. None when the
// limit typed is no limit.
std::optional<WineSettings> WineOf(const JsonValue& request, const DoseTextViews& texts) {
    WineSettings wine;
    wine.regime = RegimeOfWord(request.StringMember("regime").value_or(""));
    if (const std::string_view limit = TrimBlanks(request.StringMember("limit").value_or(""));
        !limit.empty()) {
        wine.limit = OwnLimitOf(limit);
        if (!wine.limit) {
            return std::nullopt;
        }
    }
    wine.shown = wine.regime || wine.limit;
    for (std::size_t c = kDoseColumnsOfEveryDose; c < kDoseColumnCount; ++c) {
        wine.shown = wine.shown || !TrimBlanks(texts[c]).empty();
    }
    return wine;
}

void AddFigures(JsonText& json, const DoseResult& result) {
    json.Open("figures");
    for (std::size_t i = 0; i < kFigureCount; ++i) {
        json.String(kResultColumnNames[i], result.figures[i]);
    }
    json.Close();
}

}  // namespace

Translate PageTranslate(const JsonValue& request) {
    const JsonValue* texts = request.Member("texts");
    return [texts](const char* english) {
        const std::optional<std::string_view> translated =
            texts != nullptr ? texts->StringMember(english) : std::nullopt;
        return std::string(translated.value_or(english));
    };
}

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
        const std::optional<WineSettings> wine = WineOf(*request, *texts);
        if (!wine) {
            return json.String("status", StatusWord(DoseStatus::Error))
                .String("message", kOwnLimitRefused)
                .String("field", "limit")
                .Close()
                .Text();
        }
        dose.SetWine(*wine);
        dose.SetTranslate(PageTranslate(*request));
        problem = dose.Fill(*texts, SO2Pka);
    }
    if (problem) {
        // Only a word that names no choice gets here: the lists offer none.
        json.String("status", StatusWord(DoseStatus::Error)).String("message", *problem);
        json.String("field", "form");
        return json.Close().Text();
    }
    const DoseResult& result = dose.Evaluate(answered);
    // What a row of a file says of its limit the page shows beside it.
    const bool limitNote = result.status == DoseStatus::Ok && !result.limitBasis.empty();
    json.String("status", StatusWord(result.status))
        .String("message", limitNote ? std::string_view() : result.message);
    AddMessageValue(json, result.messageText, result.messageValue);
    if (result.status == DoseStatus::Error || result.status == DoseStatus::Question) {
        AddVerdict(json, dose, answered);
    } else {
        AddFigures(json, result);
        if (dose.Wine().shown) {
            AddWineFigures(json, result);
        }
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
