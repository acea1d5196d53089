#include "web/page_batch.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "core/cellar/batch_report.h"
#include "core/cellar/cellar_batch.h"
#include "core/cellar/choice_words.h"
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
constexpr std::array kFormColumns{DoseColumn::Form, DoseColumn::Method, DoseColumn::SolutionPct,
                                  DoseColumn::TabletG, DoseColumn::TargetKind};

struct PageRequest {
    DoseTextViews form;
    BatchSettings settings;
};

std::vector<std::string_view> Split(std::string_view joined) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = joined.find(kTextSeparator);
        parts.push_back(joined.substr(0, end));
        if (end == std::string_view::npos) {
            return parts;
        }
        joined.remove_prefix(end + 1);
    }
}

std::optional<PageRequest> ReadRequest(std::string_view joined) {
    const std::vector<std::string_view> parts = Split(joined);
    if (parts.size() < kDoseColumnCount + 2) {
        return std::nullopt;
    }
    PageRequest request;
    std::copy_n(parts.begin(), kDoseColumnCount, request.form.begin());
    BatchSettings& settings = request.settings;
    settings.columnsWinOverGiven = true;  // the form fills in what the file lacks
    for (const DoseColumn column : kFormColumns) {
        if (const std::string_view text = request.form[Index(column)]; !text.empty()) {
            settings.given[Index(column)] = std::string(text);
        }
    }
    const std::string_view mark = parts[kDoseColumnCount];
    if (mark == "point" || mark == "comma") {
        settings.decimalMark = mark == "comma" ? DecimalMark::Comma : DecimalMark::Point;
    }
    settings.answerYes = parts[kDoseColumnCount + 1] == "yes";
    for (std::size_t i = kDoseColumnCount + 2; i < parts.size(); ++i) {
        const std::string_view named = parts[i];
        const std::size_t equals = named.find('=');
        const auto* name =
            std::find(kDoseColumnNames.begin(), kDoseColumnNames.end(), named.substr(0, equals));
        if (equals != std::string_view::npos && name != kDoseColumnNames.end()) {
            settings.namedHeaders.push_back(
                {static_cast<DoseColumn>(name - kDoseColumnNames.begin()),
                 std::string(named.substr(equals + 1))});
        }
    }
    return request;
}

// Lets the form give a column the header found missing, when it may give
// that one; false when it may not, and the problem stands.
bool TakeFromForm(const HeaderProblem& problem, PageRequest& request) {
    if (problem.kind != HeaderProblem::Kind::MissingColumn) {
        return false;
    }
    BatchSettings& settings = request.settings;
    const std::string_view text = request.form[Index(problem.column)];
    if (text.empty() || settings.given[Index(problem.column)]) {
        return false;
    }
    if (problem.column == DoseColumn::Target) {
        settings.targetGivenWithKind = true;  // with the form's target kind
    } else if (problem.column != DoseColumn::Unit) {
        return false;
    }
    settings.given[Index(problem.column)] = std::string(text);
    return true;
}

// How the page speaks of the form when a header stops the batch.
BatchWording Wording(std::string_view fileName) {
    BatchWording wording;
    wording.input = std::string(fileName);
    wording.notGiven = [](DoseColumn column) {
        const bool formGives = column == DoseColumn::Unit || column == DoseColumn::Target;
        return std::string(formGives ? "the form gives none" : "each tank needs its own");
    };
    wording.targetKindHint = "choose the target kind in the form";
    wording.targetSource = "the form";
    wording.unitSource = "the form's";
    // The page lets a file's columns win over its form, so never says these.
    wording.givenBy = [](DoseColumn /*column*/) { return std::string("the form"); };
    wording.readNoColumn = [](DoseColumn /*column*/) { return std::string("Columns"); };
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
    if (!unitCell && sizeCell &&
        UnitOfWord(ReadHeaderName(batch.HeaderCells()[*sizeCell]).unit).has_value()) {
        unitCell = sizeCell;
    }
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

void AddCounts(JsonText& json, const BatchCounts& counts) {
    json.String("summary", BatchSummaryText(counts)).Open("counts");
    for (const auto& [name, count] : kCountNames) {
        json.Number(name, counts.*count);
    }
    json.Close();
}

}  // namespace

std::string BatchJson(std::string_view bytes, std::string_view fileName, std::string_view joined,
                      std::size_t rowsShown, std::string& output) {
    output.clear();
    JsonText json;
    json.Open();
    std::optional<PageRequest> request = ReadRequest(joined);
    if (!request) {
        return json.String("problem", "The page sent no batch options.").Close().Text();
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
        batch.Run(sink, {}, [&json, &batch, rowsShown](const BatchRow& row) {
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
                json.Close();
            }
        });
        json.CloseArray();
        AddCounts(json, batch.Counts());
        return json.Close().Text();
    }
}

}  // namespace korvane::web
