#include "web/page_batch.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/cellar/batch_report.h"
#include "core/cellar/cellar_batch.h"
#include "core/cellar/choice_words.h"
#include "core/rules/blanks.h"
#include "core/rules/total_so2_limits.h"
#include "web/json_reader.h"
#include "web/json_text.h"
#include "web/page_calculation.h"
#include "web/page_fields.h"

namespace korvane::web {
namespace {

class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min(size, bytes_.size());
        std::copy_n(bytes_.data(), count, buffer);
        bytes_.remove_prefix(count);
        return static_cast<std::ptrdiff_t>(count);
    }

  private:
    std::string_view bytes_;
};

class StringSink : public ByteSink {
  public:
    explicit StringSink(std::string& out) : out_(out) {}
    bool Write(std::string_view bytes) override {
        out_ += bytes;
        return true;
    }

  private:
    std::string& out_;
};

// The form's columns that a file's own column or value always overrides.
// The target kind is not among them: it goes with the form's target only, as
// a file's target column read with the form's kind would silently turn free
// SO2 figures into molecular ones (or back); such a file must name its kind.
// The binding factor is the winery's, as on the command line; a tank's
// total SO2, colour, sugar and style are its own and never the form's.
constexpr std::array kFormColumns{DoseColumn::Form, DoseColumn::Method, DoseColumn::SolutionPct,
                                  DoseColumn::TabletG, DoseColumn::BindingFactor};

// The form's texts are views into the options the page sent.
struct PageRequest {
    DoseTextViews form;
    BatchSettings settings;
};

// The page's options: the form's texts under "sheet", then "decimal_mark",
// "answer_yes" and the "headers" the user named for columns.
std::optional<PageRequest> ReadRequest(const JsonValue& options) {
    const JsonValue* sheet = options.Member("sheet");
    const std::optional<DoseTextViews> form = sheet != nullptr ? DoseTextsOf(*sheet) : std::nullopt;
    if (!form) {
        return std::nullopt;
    }
    PageRequest request{.form = *form, .settings = {}};
    BatchSettings& settings = request.settings;
    settings.columnsWinOverGiven = true;  // the form fills in what the file lacks
    for (const DoseColumn column : kFormColumns) {
        if (const std::string_view text = request.form[Index(column)]; !text.empty()) {
            settings.given[Index(column)] = std::string(text);
        }
    }
    const std::string_view mark = options.StringMember("decimal_mark").value_or("");
    if (mark == "point" || mark == "comma") {
        settings.decimalMark = mark == "comma" ? DecimalMark::Comma : DecimalMark::Point;
    }
    // The kind of the file's own target column, when the user names it.
    const std::string_view fileKind = options.StringMember("file_target_kind").value_or("");
    if (ChoiceOfWord(kTargetKinds, fileKind)) {
        settings.given[Index(DoseColumn::TargetKind)] = std::string(fileKind);
    }
    settings.answerYes = options.TrueMember("answer_yes");
    // A cellar file's own wine columns are checked as on the command line
    // once the page sends a regime or a limit.
    settings.regime = RegimeOfWord(options.StringMember("regime").value_or(""));
    settings.limit = OwnLimitOf(TrimBlanks(options.StringMember("limit").value_or("")));
    const JsonValue* headers = options.Member("headers");
    for (std::size_t i = 0; headers != nullptr && i < headers->keys.size(); ++i) {
        const auto* name =
            std::find(kDoseColumnNames.begin(), kDoseColumnNames.end(), headers->keys[i]);
        if (name != kDoseColumnNames.end() && headers->items[i].kind == JsonValue::Kind::String) {
            settings.namedHeaders.push_back(
                {static_cast<DoseColumn>(name - kDoseColumnNames.begin()), headers->items[i].text});
        }
    }
    return request;
}

// Lets the form give a column the header found missing, when it may give
// that one; false when it may not, and the problem stands. A column the file
// has is never replaced: only a missing one is filled.
bool TakeFromForm(const HeaderProblem& problem, PageRequest& request) {
    if (problem.kind != HeaderProblem::Kind::MissingColumn || !problem.column) {
        return false;
    }
    const DoseColumn column = *problem.column;
    BatchSettings& settings = request.settings;
    const auto give = [&](DoseColumn given) {
        settings.given[Index(given)] = std::string(request.form[Index(given)]);
    };
    if (column == DoseColumn::Target || column == DoseColumn::TargetKind) {
        // No target column (a target column without its kind stops the
        // header before this): the form's target with the form's kind.
        if (request.form[Index(DoseColumn::Target)].empty() || settings.targetGivenWithKind) {
            return false;
        }
        settings.targetGivenWithKind = true;
        give(DoseColumn::Target);
        give(DoseColumn::TargetKind);
        return true;
    }
    if (column != DoseColumn::Unit || request.form[Index(DoseColumn::Unit)].empty() ||
        settings.given[Index(DoseColumn::Unit)]) {
        return false;
    }
    give(DoseColumn::Unit);
    return true;
}

// How the page speaks of the form when a header stops the batch.
BatchWording Wording(std::string_view fileName) {
    BatchWording wording;
    wording.input = std::string(fileName);
    wording.notGiven = [](DoseColumn column) {
        const bool formGives = column == DoseColumn::Unit || column == DoseColumn::Target ||
                               column == DoseColumn::TargetKind;
        return std::string(formGives ? "the form gives none" : "each tank needs its own");
    };
    wording.targetKindHint = "choose the kind of the file's targets in the list below";
    wording.targetSource = "the form";
    wording.unitSource = "the form's";
    // The page lets a file's columns win over its form, so never says these.
    wording.givenBy = [](DoseColumn /*column*/) { return std::string("the form"); };
    wording.readNoColumn = [](DoseColumn /*column*/) { return std::string("Columns"); };
    wording.readOrPassOver = [](DoseColumn column, std::string_view /*header*/) {
        return "choose it, or another, for " + std::string(kDoseColumnNames[Index(column)]) +
               " under Columns";
    };
    wording.failure = "it is not a cellar file";
    return wording;
}

void AddReading(JsonText& json, const CellarBatch& batch, const PageRequest& request) {
    json.OpenArray("headers");
    for (const std::string& cell : batch.HeaderCells()) {
        json.Item(cell);
    }
    json.CloseArray();
    HeaderColumns found;
    const bool clash =
        FindHeaderColumns(batch.HeaderCells(), request.settings.namedHeaders, found).has_value();
    // A unit in the size's header ("Volume (hL)") stands for a unit column.
    const auto& sizeCell = found.cellOf[Index(DoseColumn::BatchSize)];
    auto& unitCell = found.cellOf[Index(DoseColumn::Unit)];
    if (!unitCell && sizeCell) {
        const std::optional<VolumeUnit> unit =
            ReadBrackets(DoseColumn::BatchSize,
                         ReadHeaderName(batch.HeaderCells()[*sizeCell]).bracket)
                .unit;
        if (unit) {
            unitCell = sizeCell;
            // The unit's word, for the register that keeps each tank's own.
            json.String("size_unit", RowOf(kUnitWords, *unit).word);
        }
    }
    // The columns the page offers a choice for: every one a file may have.
    json.Open("columns");
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        if (!clash && found.cellOf[c]) {
            json.String(kDoseColumnNames[c], batch.HeaderCells()[*found.cellOf[c]]);
        } else {
            json.Null(kDoseColumnNames[c]);
        }
    }
    json.Close().OpenArray("fromForm");
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        if (request.settings.given[c] && (clash || !found.cellOf[c])) {
            json.Item(kDoseColumnNames[c]);
        }
    }
    json.CloseArray();
}

// The counts under the names of the statuses they count.
constexpr std::pair<const char*, std::uint64_t BatchCounts::*> kCountNames[] = {
    {"rows", &BatchCounts::rows},
    {"ok", &BatchCounts::ok},
    {"no_addition", &BatchCounts::noAddition},
    {"question", &BatchCounts::questions},
    {"error", &BatchCounts::errors},
    {"blank", &BatchCounts::blank},
};

// The summary, and what it is made of for a page that says it in another
// language: the counts, the first lines not calculated, the encoding.
void AddCounts(JsonText& json, const BatchCounts& counts, TextEncoding encoding) {
    json.String("summary", BatchSummaryText(counts, encoding)).Open("counts");
    for (const auto& [name, count] : kCountNames) {
        json.Number(name, counts.*count);
    }
    json.Close().OpenArray("uncalculated");
    for (const std::uint64_t line : counts.firstUncalculated) {
        json.Number({}, line);
    }
    json.CloseArray().Bool("windows1252", encoding == TextEncoding::Windows1252);
}

}  // namespace

std::string BatchJson(std::string_view bytes, std::string_view fileName, std::string_view sent,
                      std::size_t rowsShown, std::string& output) {
    output.clear();
    JsonText json;
    json.Open();
    const std::optional<JsonValue> options = ReadJson(sent);
    std::optional<PageRequest> request = options ? ReadRequest(*options) : std::nullopt;
    if (!request) {
        return json.String("problem", "The page sent no batch options.").Close().Text();
    }
    // A limit typed that is none checks nothing: said, as the form says it.
    if (!request->settings.limit &&
        !TrimBlanks(options->StringMember("limit").value_or("")).empty()) {
        return json.String("problem", kOwnLimitRefused).Close().Text();
    }
    for (;;) {
        MemorySource source(bytes);
        CellarBatch batch(source, request->settings);
        std::optional<HeaderProblem> problem = batch.ReadHeader();
        if (problem && TakeFromForm(*problem, *request)) {
            continue;  // read the header again with the form's value
        }
        AddReading(json, batch, *request);
        if (problem) {
            json.String("problem", HeaderProblemMessage(*problem, batch, Wording(fileName)));
            return json.Close().Text();
        }
        StringSink sink(output);
        json.OpenArray("rows");
        // The limit's messages in the page's language, for the rows shown;
        // the CSV keeps them in English, as korvane-calc writes them.
        const Translate translate = PageTranslate(*options);
        const BatchEnd end = batch.Run(sink, {}, [&](const BatchRow& row) {
            if (batch.Counts().rows <= rowsShown) {
                const ShownRow shown = ShowRow(row, batch.Mark());
                json.Open()
                    .Number("line", shown.line)
                    .String("tank", shown.tank)
                    .String("amount", shown.amount)
                    .String("unit", shown.unit)
                    .String("status", shown.status)
                    .String("message", shown.message);
                AddMessageValue(json, row.result.messageText, row.result.messageValue);
                if (batch.WineShown()) {
                    for (std::size_t i = 0; i < kWineResultColumnNames.size(); ++i) {
                        json.String(kWineResultColumnNames[i], shown.wine[i]);
                    }
                    json.Bool("over_limit", row.result.overLimit);
                    if (const std::optional<std::string> shownText =
                            LimitMessageText(row.result, translate)) {
                        json.String("message_shown", *shownText);
                    }
                }
                json.Close();
            }
        });
        json.CloseArray();
        if (end == BatchEnd::Stopped) {
            // Nothing of a file that cannot be read right is offered to download.
            output.clear();
            json.String("problem", batch.StopMessage());
            return json.Close().Text();
        }
        AddCounts(json, batch.Counts(), batch.Encoding());
        return json.Bool("wine", batch.WineShown()).Close().Text();
    }
}

}  // namespace korvane::web
