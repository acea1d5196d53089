#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "core/cellar/choice_words.h"
#include "core/cellar/text_encoding.h"
#include "core/rules/number_text.h"

namespace korvane {
namespace {

enum class Takes {
    Number,
    Word,
    TargetFree,
    TargetMolecular,
    TargetKind,
    Pka,
    Format,
    Batch,
    Output,
    Yes,
    Quiet,
    Delimiter,
    DecimalComma,
    DecimalPoint,
    Column,
    Regime,
    Limit,
};

// One option, declared once: what it takes, the input it gives (if it gives
// one), whether it stands alone, and whether only a batch has a use for it.
struct OptionRow {
    const char* name;
    Takes takes;
    std::optional<DoseColumn> column = std::nullopt;
    bool flag = false;
    bool batchOnly = false;
};

constexpr std::array kOptions{
    OptionRow{.name = "--ph", .takes = Takes::Number, .column = DoseColumn::Ph},
    OptionRow{.name = "--free-so2", .takes = Takes::Number, .column = DoseColumn::FreeSO2},
    OptionRow{.name = "--batch-size", .takes = Takes::Number, .column = DoseColumn::BatchSize},
    OptionRow{.name = "--unit", .takes = Takes::Word, .column = DoseColumn::Unit},
    OptionRow{.name = "--form", .takes = Takes::Word, .column = DoseColumn::Form},
    OptionRow{.name = "--method", .takes = Takes::Word, .column = DoseColumn::Method},
    OptionRow{.name = "--solution-pct", .takes = Takes::Number, .column = DoseColumn::SolutionPct},
    OptionRow{.name = "--tablet-g", .takes = Takes::Number, .column = DoseColumn::TabletG},
    OptionRow{.name = "--target-free", .takes = Takes::TargetFree, .column = DoseColumn::Target},
    OptionRow{.name = "--target-molecular",
              .takes = Takes::TargetMolecular,
              .column = DoseColumn::Target},
    OptionRow{.name = "--target-kind",
              .takes = Takes::TargetKind,
              .column = DoseColumn::TargetKind,
              .batchOnly = true},
    OptionRow{.name = "--total-so2", .takes = Takes::Number, .column = DoseColumn::TotalSO2},
    OptionRow{.name = "--colour", .takes = Takes::Word, .column = DoseColumn::Colour},
    OptionRow{.name = "--sugar", .takes = Takes::Number, .column = DoseColumn::Sugar},
    OptionRow{.name = "--style", .takes = Takes::Word, .column = DoseColumn::Style},
    OptionRow{
        .name = "--binding-factor", .takes = Takes::Number, .column = DoseColumn::BindingFactor},
    OptionRow{.name = "--regime", .takes = Takes::Regime},
    OptionRow{.name = "--limit", .takes = Takes::Limit},
    OptionRow{.name = "--pka", .takes = Takes::Pka},
    OptionRow{.name = "--format", .takes = Takes::Format},
    OptionRow{.name = "--batch", .takes = Takes::Batch},
    OptionRow{.name = "-o", .takes = Takes::Output},
    OptionRow{.name = "--output", .takes = Takes::Output},
    OptionRow{.name = "--yes", .takes = Takes::Yes, .flag = true},
    OptionRow{.name = "--quiet", .takes = Takes::Quiet, .flag = true, .batchOnly = true},
    OptionRow{.name = "--delimiter", .takes = Takes::Delimiter, .batchOnly = true},
    OptionRow{.name = "--decimal-comma", .takes = Takes::DecimalComma, .flag = true},
    OptionRow{.name = "--decimal-point", .takes = Takes::DecimalPoint, .flag = true},
    OptionRow{.name = "--column", .takes = Takes::Column, .batchOnly = true},
};

// The options that give an input are the ones whose action reads it.
constexpr bool ColumnsMatchTakes() {
    for (const OptionRow& row : kOptions) {
        const bool readsColumn = row.takes == Takes::Number || row.takes == Takes::Word ||
                                 row.takes == Takes::TargetKind || row.takes == Takes::TargetFree ||
                                 row.takes == Takes::TargetMolecular;
        if (readsColumn != row.column.has_value()) {
            return false;
        }
    }
    return true;
}
static_assert(ColumnsMatchTakes());

constexpr std::array<ChoiceWord<OutputFormat>, 4> kFormatWords{{
    {OutputFormat::Text, "text"},
    {OutputFormat::Json, "json"},
    {OutputFormat::Csv, "csv"},
    {OutputFormat::Table, "table"},
}};

constexpr std::array<ChoiceWord<char>, 3> kDelimiterWords{{
    {',', "comma"},
    {';', "semicolon"},
    {'\t', "tab"},
}};

const OptionRow* FindOption(std::string_view name) {
    const auto* row = std::find_if(kOptions.begin(), kOptions.end(),
                                   [&](const OptionRow& r) { return name == r.name; });
    return row == kOptions.end() ? nullptr : row;
}

std::optional<char> DelimiterOf(std::string_view text) {
    if (text.size() == 1 && (text == "," || text == ";" || text == "\t")) {
        return text.front();
    }
    return ChoiceOfWord(kDelimiterWords, text);
}

std::optional<DoseColumn> ColumnOfName(std::string_view name) {
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        if (name == kDoseColumnNames[c]) {
            return static_cast<DoseColumn>(c);
        }
    }
    return std::nullopt;
}

class Parser {
  public:
    std::optional<UsageError> Apply(const OptionRow& row, std::string_view value);
    std::optional<UsageError> Finish(bool anyOption);
    CommandLine& Result() { return line_; }

  private:
    std::optional<UsageError> SetTarget(TargetKind kind, std::string_view value);
    std::optional<UsageError> AddColumn(std::string_view value);
    std::optional<UsageError> ReadNumbers();
    std::optional<UsageError> CheckCombinations() const;
    std::optional<UsageError> CheckOneDose() const;

    CommandLine line_;
    std::vector<const OptionRow*> batchOnly_;
    std::array<const char*, kDoseColumnCount> numberOption_{};
};

std::optional<UsageError> Parser::Apply(const OptionRow& row, std::string_view value) {
    auto& settings = line_.settings;
    switch (row.takes) {
        // Only the options that give an input reach these cases (checked for
        // every row at compile time), so their column is there.
        case Takes::Number:
            settings.given[Index(*row.column)] = std::string(value);
            numberOption_[Index(*row.column)] = row.name;
            break;
        case Takes::Word:
        case Takes::TargetKind: {
            std::optional<std::string> word = CanonicalWord(*row.column, value);
            if (!word) {
                return UsageError{UnknownWordMessage(*row.column, value)};
            }
            settings.given[Index(*row.column)] = std::move(word);
            break;
        }
        case Takes::TargetFree:
            return SetTarget(TargetKind::FreeSO2, value);
        case Takes::TargetMolecular:
            return SetTarget(TargetKind::MolecularSO2, value);
        case Takes::Pka: {
            const std::optional<double> pka = TextToDouble(value);
            if (!pka || *pka < kLowestPka || *pka > kHighestPka) {
                return UsageError{"--pka must be a number " + PkaRangeText() + "."};
            }
            settings.pka = *pka;
            break;
        }
        case Takes::Format: {
            const std::optional<OutputFormat> format = ChoiceOfWord(kFormatWords, value);
            if (!format) {
                return UsageError{UnknownWordText("format", value, kFormatWords)};
            }
            line_.format = *format;
            break;
        }
        case Takes::Batch:
        case Takes::Output:
            if (value.empty()) {
                return UsageError{std::string(row.name) + " needs a file name."};
            }
            (row.takes == Takes::Batch ? line_.batchPath : line_.outputPath) = std::string(value);
            break;
        case Takes::Yes:
            settings.answerYes = true;
            break;
        case Takes::Quiet:
            line_.quiet = true;
            break;
        case Takes::Delimiter:
            settings.separator = DelimiterOf(value);
            if (!settings.separator) {
                return UsageError{UnknownWordText("delimiter", value, kDelimiterWords)};
            }
            break;
        case Takes::DecimalComma:
        case Takes::DecimalPoint:
            if (settings.decimalMark) {
                return UsageError{"Give only one of --decimal-comma and --decimal-point."};
            }
            settings.decimalMark =
                row.takes == Takes::DecimalComma ? DecimalMark::Comma : DecimalMark::Point;
            break;
        case Takes::Column:
            return AddColumn(value);
        case Takes::Regime:
            settings.regime = RegimeOfWord(value);
            if (!settings.regime) {
                return UsageError{"Unknown regime \"" + EscapedText(value) +
                                  "\": use eu, eu-organic, us, au or oiv."};
            }
            break;
        case Takes::Limit:
            // A decimal limit is written with a point.
            settings.limit = OwnLimitOf(value);
            if (!settings.limit) {
                return UsageError{"--limit must be a number of mg/L above 0 and up to 1000000."};
            }
            break;
    }
    if (row.batchOnly) {
        batchOnly_.push_back(&row);
    }
    return std::nullopt;
}

std::optional<UsageError> Parser::SetTarget(TargetKind kind, std::string_view value) {
    auto& settings = line_.settings;
    if (settings.targetGivenWithKind) {
        return UsageError{"Give only one of --target-free and --target-molecular."};
    }
    settings.targetGivenWithKind = true;
    settings.given[Index(DoseColumn::TargetKind)] = RowOf(kTargetKinds, kind).word;
    settings.given[Index(DoseColumn::Target)] = std::string(value);
    numberOption_[Index(DoseColumn::Target)] =
        kind == TargetKind::FreeSO2 ? "--target-free" : "--target-molecular";
    return std::nullopt;
}

// NAME=HEADER: the file's column HEADER is the input NAME; NAME= reads no
// column for it, so that its option is taken instead.
std::optional<UsageError> Parser::AddColumn(std::string_view value) {
    const std::size_t equals = value.find('=');
    const std::string_view name = value.substr(0, equals);
    const std::optional<DoseColumn> column = ColumnOfName(name);
    if (equals == std::string_view::npos || !column) {
        std::string names;
        for (const char* known : kDoseColumnNames) {
            names += names.empty() ? "" : ", ";
            names += known;
        }
        return UsageError{"--column takes NAME=HEADER, where NAME is one of " + names + "."};
    }
    auto& named = line_.settings.namedHeaders;
    if (std::any_of(named.begin(), named.end(),
                    [&](const NamedHeader& header) { return header.column == *column; })) {
        return UsageError{"--column gives " + std::string(name) + " twice."};
    }
    named.push_back({*column, std::string(value.substr(equals + 1))});
    batchOnly_.push_back(FindOption("--column"));
    return std::nullopt;
}

// Numbers typed on the command line are read like a file's: the first to
// show its decimal mark fixes it for the whole command, and one that shows
// the other mark, or could mean two things, is refused.
std::optional<UsageError> Parser::ReadNumbers() {
    auto& settings = line_.settings;
    const bool given = settings.decimalMark.has_value();
    std::optional<DecimalMark> mark = settings.decimalMark;
    std::string scratch;
    std::size_t shownBy = 0;
    for (std::size_t pass = 0; pass < 2; ++pass) {
        for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
            if (!settings.given[c] || !IsNumberColumn(static_cast<DoseColumn>(c))) {
                continue;
            }
            std::string& text = *settings.given[c];
            const MarkedNumber number = ReadMarkedNumber(text, mark, given, scratch);
            const std::string option =
                std::string(numberOption_[c]) + " \"" + EscapedText(text) + "\"";
            if (number.kind == MarkedNumber::Kind::OtherMark) {
                return UsageError{std::string(numberOption_[shownBy]) + " \"" +
                                  EscapedText(*settings.given[shownBy]) + "\" has " +
                                  MarkName(*mark) + " as its decimal mark and " + option + " " +
                                  MarkName(*number.shows) +
                                  ": write every number with the same mark."};
            }
            if (pass == 0) {
                if (number.shows && !mark) {
                    mark = number.shows;
                    shownBy = c;
                }
                continue;
            }
            if (number.kind == MarkedNumber::Kind::Ambiguous) {
                return UsageError{option + " could be " + TwoReadings(text) +
                                  ": give --decimal-comma or --decimal-point."};
            }
            if (number.kind == MarkedNumber::Kind::BadGrouping) {
                return UsageError{option +
                                  " sets its thousands apart in groups that are not whole."};
            }
            text = std::string(number.text);
        }
    }
    return std::nullopt;
}

std::optional<UsageError> Parser::CheckCombinations() const {
    const bool batch = line_.batchPath.has_value();
    const std::optional<OutputFormat> format = line_.format;
    if (batch && (format == OutputFormat::Text || format == OutputFormat::Json)) {
        return UsageError{"--format for a batch is csv or table."};
    }
    if (!batch && format == OutputFormat::Table) {
        return UsageError{"--format table is for a batch: give --batch FILE as well."};
    }
    if (line_.outputPath && !batch) {
        return UsageError{"-o is for a batch: give --batch FILE as well."};
    }
    if (line_.outputPath && format == OutputFormat::Table) {
        return UsageError{"-o always writes CSV; --format table is for the screen."};
    }
    if (!batch && !batchOnly_.empty()) {
        return UsageError{std::string(batchOnly_.front()->name) +
                          " is for a batch: give --batch FILE as well."};
    }
    const auto& given = line_.settings.given;
    if (given[Index(DoseColumn::TargetKind)] && line_.settings.targetGivenWithKind &&
        std::any_of(batchOnly_.begin(), batchOnly_.end(),
                    [](const OptionRow* row) { return row->takes == Takes::TargetKind; })) {
        return UsageError{
            "--target-kind is for a target column; --target-free and --target-molecular say "
            "their kind themselves."};
    }
    return std::nullopt;
}

// One calculation takes no quantity by default: the wine's figures, the
// batch and the target must all be given.
std::optional<UsageError> Parser::CheckOneDose() const {
    std::vector<std::string> missing;
    for (const DoseColumn column : {DoseColumn::Ph, DoseColumn::FreeSO2, DoseColumn::BatchSize,
                                    DoseColumn::Unit, DoseColumn::Target}) {
        if (!line_.settings.given[Index(column)]) {
            missing.push_back(OptionFor(column));
        }
    }
    if (missing.empty()) {
        return std::nullopt;
    }
    std::string list;
    for (std::size_t i = 0; i < missing.size(); ++i) {
        list += i == 0 ? "" : i + 1 == missing.size() ? " and " : ", ";
        list += missing[i];
    }
    return UsageError{"Not given: " + list + "."};
}

std::optional<UsageError> Parser::Finish(bool anyOption) {
    if (!anyOption) {
        return UsageError{"Nothing to calculate: give the wine's figures, or --batch FILE."};
    }
    if (auto error = CheckCombinations()) {
        return error;
    }
    if (auto error = ReadNumbers()) {
        return error;
    }
    return line_.batchPath ? std::nullopt : CheckOneDose();
}

// -o and --output are one option; so is a column's option under any name.
// --column may stand once for each column it names.
bool SameOption(const OptionRow* a, const OptionRow* b) {
    const bool byColumn = a->takes == Takes::Number || a->takes == Takes::Word;
    return a->takes == b->takes && a->takes != Takes::Column &&
           (!byColumn || a->column == b->column);
}

bool IsOption(std::string_view arg) {
    return arg.size() > 1 && arg.front() == '-';
}

}  // namespace

std::string PkaRangeText() {
    const auto whole = [](double value) { return std::to_string(static_cast<int>(value)); };
    return "from " + whole(kLowestPka) + " to " + whole(kHighestPka);
}

std::string OptionFor(DoseColumn column) {
    std::vector<std::string> names;
    for (const OptionRow& row : kOptions) {
        if (row.column == column) {
            names.emplace_back(row.name);
        }
    }
    return names.size() == 2 ? names[0] + " or " + names[1] : names[0];
}

std::string MissingOptionText(DoseColumn column) {
    const std::string options = OptionFor(column);
    if (options.find(" or ") != std::string::npos) {
        return "neither " + options.substr(0, options.find(" or ")) + " nor " +
               options.substr(options.find(" or ") + 4) + " is given";
    }
    return options + " is not given";
}

std::variant<CommandLine, UsageError> ParseCommandLine(int argc, const char* const* argv) {
    const std::span<const char* const> args(argv + 1, argc > 1 ? argc - 1 : 0);
    for (std::string_view arg : args) {
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            CommandLine line;
            line.help = arg != "--version";
            line.version = arg == "--version";
            return line;
        }
    }
    Parser parser;
    std::vector<const OptionRow*> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        if (!IsOption(name)) {
            return UsageError{"Unexpected argument \"" + EscapedText(name) + "\"."};
        }
        std::optional<std::string_view> value;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const OptionRow* row = FindOption(name);
        if (row == nullptr) {
            return UsageError{"Unknown option " + EscapedText(name) + "."};
        }
        if (row->flag && value) {
            return UsageError{std::string(name) + " takes no value."};
        }
        if (!row->flag && !value) {
            if (i + 1 == args.size()) {
                return UsageError{std::string(name) + " needs a value."};
            }
            value = args[++i];
        }
        if (std::any_of(seen.begin(), seen.end(),
                        [&](const OptionRow* earlier) { return SameOption(earlier, row); })) {
            return UsageError{std::string(name) + " is given twice."};
        }
        seen.push_back(row);
        if (auto error = parser.Apply(*row, value.value_or(""))) {
            return *error;
        }
    }
    if (auto error = parser.Finish(!args.empty())) {
        return *error;
    }
    return std::move(parser.Result());
}

}  // namespace korvane
