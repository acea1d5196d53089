#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "core/choice_words.h"
#include "core/number_text.h"

namespace korvane {
namespace {

enum class Takes { Text, Word, TargetFree, TargetMolecular, Pka, Format, Batch, Output, Yes };

struct OptionRow {
    const char* name;
    Takes takes;
    DoseColumn column;  // for Text and Word
};

constexpr std::array kOptions{
    OptionRow{"--ph", Takes::Text, DoseColumn::Ph},
    OptionRow{"--free-so2", Takes::Text, DoseColumn::FreeSO2},
    OptionRow{"--batch-size", Takes::Text, DoseColumn::BatchSize},
    OptionRow{"--unit", Takes::Word, DoseColumn::Unit},
    OptionRow{"--form", Takes::Word, DoseColumn::Form},
    OptionRow{"--method", Takes::Word, DoseColumn::Method},
    OptionRow{"--solution-pct", Takes::Text, DoseColumn::SolutionPct},
    OptionRow{"--tablet-g", Takes::Text, DoseColumn::TabletG},
    OptionRow{"--target-free", Takes::TargetFree, DoseColumn::Target},
    OptionRow{"--target-molecular", Takes::TargetMolecular, DoseColumn::Target},
    OptionRow{"--pka", Takes::Pka, DoseColumn::Ph},
    OptionRow{"--format", Takes::Format, DoseColumn::Ph},
    OptionRow{"--batch", Takes::Batch, DoseColumn::Ph},
    OptionRow{"-o", Takes::Output, DoseColumn::Ph},
    OptionRow{"--output", Takes::Output, DoseColumn::Ph},
    OptionRow{"--yes", Takes::Yes, DoseColumn::Ph},
};

constexpr ChoiceTable<OutputFormat, 3> kFormatWords{{
    {OutputFormat::Text, "text"},
    {OutputFormat::Json, "json"},
    {OutputFormat::Csv, "csv"},
}};

}  // namespace

std::string PkaRangeText() {
    const auto whole = [](double value) { return std::to_string(static_cast<int>(value)); };
    return "from " + whole(kLowestPka) + " to " + whole(kHighestPka);
}

namespace {

const OptionRow* FindOption(std::string_view name) {
    const auto* row = std::find_if(kOptions.begin(), kOptions.end(),
                                   [&](const OptionRow& r) { return name == r.name; });
    return row == kOptions.end() ? nullptr : row;
}

// The word as the tables write it, so that every later reading agrees.
std::optional<std::string> CanonicalWord(DoseColumn column, std::string_view text) {
    return WithWordTable(column, [text](const auto& table, const char*) {
        const auto* row = RowOfWord(table, text);
        return row != nullptr ? std::optional<std::string>(row->text) : std::nullopt;
    });
}

class Parser {
  public:
    std::optional<UsageError> Apply(const OptionRow& row, std::string_view value);
    std::optional<UsageError> Finish();
    CommandLine& Result() { return line_; }

  private:
    std::optional<UsageError> SetTarget(TargetKind kind, std::string_view value);

    CommandLine line_;
    bool formatGiven_ = false;
};

std::optional<UsageError> Parser::Apply(const OptionRow& row, std::string_view value) {
    auto& given = line_.settings.given;
    switch (row.takes) {
        case Takes::Text:
            given[static_cast<std::size_t>(row.column)] = std::string(value);
            break;
        case Takes::Word: {
            std::optional<std::string> word = CanonicalWord(row.column, value);
            if (!word) {
                return UsageError{UnknownWordMessage(row.column, value)};
            }
            given[static_cast<std::size_t>(row.column)] = std::move(word);
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
            line_.settings.pka = *pka;
            break;
        }
        case Takes::Format: {
            const std::optional<OutputFormat> format = ChoiceOfWord(kFormatWords, value);
            if (!format) {
                return UsageError{UnknownWordText("format", value, kFormatWords)};
            }
            line_.format = *format;
            formatGiven_ = true;
            break;
        }
        case Takes::Batch:
            line_.batchPath = std::string(value);
            break;
        case Takes::Output:
            line_.outputPath = std::string(value);
            break;
        case Takes::Yes:
            line_.settings.answerYes = true;
            break;
    }
    return std::nullopt;
}

std::optional<UsageError> Parser::SetTarget(TargetKind kind, std::string_view value) {
    auto& given = line_.settings.given;
    auto& kindWord = given[static_cast<std::size_t>(DoseColumn::TargetKind)];
    if (kindWord) {
        return UsageError{"Give only one of --target-free and --target-molecular."};
    }
    kindWord = TextOf(kTargetKindWords, kind);
    given[static_cast<std::size_t>(DoseColumn::Target)] = std::string(value);
    return std::nullopt;
}

std::optional<UsageError> Parser::Finish() {
    if (line_.batchPath && formatGiven_) {
        return UsageError{"--format is for one calculation; a batch always writes CSV."};
    }
    if (line_.outputPath && !line_.batchPath) {
        return UsageError{"-o is for a batch: give --batch FILE as well."};
    }
    return std::nullopt;
}

// -o and --output are one option; so is a column's option under any name.
bool SameOption(const OptionRow* a, const OptionRow* b) {
    const bool byColumn = a->takes == Takes::Text || a->takes == Takes::Word;
    return a->takes == b->takes && (!byColumn || a->column == b->column);
}

bool IsOption(std::string_view arg) {
    return arg.size() > 1 && arg.front() == '-';
}

}  // namespace

std::string MissingOptionText(DoseColumn column) {
    std::vector<std::string> names;
    for (const OptionRow& row : kOptions) {
        const bool givesColumn = row.takes == Takes::Text || row.takes == Takes::Word ||
                                 row.takes == Takes::TargetFree ||
                                 row.takes == Takes::TargetMolecular;
        if (givesColumn && row.column == column) {
            names.emplace_back(row.name);
        }
    }
    if (names.size() == 2) {
        return "neither " + names[0] + " nor " + names[1] + " is given";
    }
    return (names.empty() ? std::string("no option") : names[0]) + " is not given";
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
            return UsageError{"Unexpected argument \"" + std::string(name) + "\"."};
        }
        std::optional<std::string_view> value;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const OptionRow* row = FindOption(name);
        if (row == nullptr) {
            return UsageError{"Unknown option " + std::string(name) + "."};
        }
        if (row->takes == Takes::Yes && value) {
            return UsageError{"--yes takes no value."};
        }
        if (row->takes != Takes::Yes && !value) {
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
    if (auto error = parser.Finish()) {
        return *error;
    }
    return std::move(parser.Result());
}

}  // namespace korvane
