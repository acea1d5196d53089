#include "cli/reports.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "core/cellar/text_encoding.h"
#include "core/rules/number_text.h"

namespace korvane {
namespace {

// Writes `value` as one field at the end of `csv`: the one report written
// into a string, which the batch writes into its own buffer.
void AppendCsvField(std::string& csv, std::string_view value) {
    const std::size_t start = csv.size();
    csv.resize(start + MaxCsvFieldBytes(value));
    csv.resize(static_cast<std::size_t>(WriteCsvField(csv.data() + start, value) - csv.data()));
}

struct TextLine {
    Figure figure;
    const char* label;
    const char* unit;  // nullptr: the amount's own unit
};

constexpr std::array kTextLines{
    TextLine{Figure::ExistingMolecular, "Existing molecular SO2", "mg/L"},
    TextLine{Figure::TargetFree, "Target free SO2", "mg/L"},
    TextLine{Figure::TargetMolecular, "Target molecular SO2", "mg/L"},
    TextLine{Figure::FreeRequirement, "Free SO2 requirement", "mg/L"},
    TextLine{Figure::MolecularRequirement, "Molecular SO2 requirement", "mg/L"},
    TextLine{Figure::Amount, "Required addition", nullptr},
    TextLine{Figure::Teaspoons, "Teaspoons", "tsp"},
};

std::string_view FigureText(const DoseResult& result, Figure figure) {
    return result.figures[static_cast<std::size_t>(figure)];
}

// Every line's label takes the width of the longest, "Molecular SO2
// requirement", and two blanks.
constexpr std::size_t kLabelWidth = 27;

std::string Labelled(std::string_view label) {
    std::string line(label);
    line.append(kLabelWidth - label.size(), ' ');
    return line;
}

struct InputLine {
    DoseColumn column;
    const char* label;
    const char* unit;  // nullptr: none
};

constexpr std::array kInputLines{
    InputLine{DoseColumn::Ph, "pH", nullptr},
    InputLine{DoseColumn::FreeSO2, "Free SO2", "mg/L"},
    InputLine{DoseColumn::BatchSize, "Batch size", nullptr},
    InputLine{DoseColumn::Form, "Form", nullptr},
    InputLine{DoseColumn::Method, "Method", nullptr},
    InputLine{DoseColumn::SolutionPct, "Solution strength", "%"},
    InputLine{DoseColumn::TabletG, "Tablet weight", "g"},
};

// The wine's own figures, shown where they were given.
constexpr std::array kWineInputLines{
    InputLine{DoseColumn::TotalSO2, "Total SO2", "mg/L"},
    InputLine{DoseColumn::Colour, "Colour", nullptr},
    InputLine{DoseColumn::Sugar, "Sugar", "g/L"},
    InputLine{DoseColumn::Style, "Style", nullptr},
    InputLine{DoseColumn::BindingFactor, "Binding factor", nullptr},
};

// What was calculated with: the inputs as given, the unit after the size,
// the method's own figure only for that method, and the target with its
// kind.
std::string InputLines(const DoseTextViews& texts, const std::vector<DoseColumn>& builtIns,
                       double pka) {
    // Shown as the user typed it, but never a raw control character.
    const auto text = [&texts](DoseColumn column) { return EscapedText(texts[Index(column)]); };
    const std::string method = text(DoseColumn::Method);
    std::string lines;
    for (const InputLine& line : kInputLines) {
        const bool methodsOwn = (line.column == DoseColumn::SolutionPct && method == "solution") ||
                                (line.column == DoseColumn::TabletG && method == "tablet");
        if (!methodsOwn &&
            (line.column == DoseColumn::SolutionPct || line.column == DoseColumn::TabletG)) {
            continue;
        }
        lines += Labelled(line.label) + text(line.column);
        if (line.column == DoseColumn::BatchSize) {
            lines += ' ' + text(DoseColumn::Unit);
        } else if (line.unit != nullptr) {
            lines += ' ' + std::string(line.unit);
        }
        if (std::find(builtIns.begin(), builtIns.end(), line.column) != builtIns.end()) {
            lines += " (built-in default)";
        }
        lines += '\n';
    }
    lines += Labelled("Target") + text(DoseColumn::TargetKind) + " SO2 " +
             text(DoseColumn::Target) + " mg/L\n";
    for (const InputLine& line : kWineInputLines) {
        if (!texts[Index(line.column)].empty()) {
            lines += Labelled(line.label) + text(line.column);
            lines += line.unit != nullptr ? ' ' + std::string(line.unit) : std::string();
            lines += '\n';
        }
    }
    if (pka != SO2Pka) {
        lines += Labelled("pKa") + FormatPattern(pka, DisplayPattern::TwoDecimals) + '\n';
    }
    return lines;
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
            out += escaped.data();
        } else {
            out += c;
        }
    }
    out += '"';
}

// The SO2 added, the total it brings the wine to and the limit, each under
// the figures; what was left unchecked after them.
std::string WineLines(const DoseResult& result, const std::optional<std::string>& note) {
    std::string lines;
    const auto& [added, projected, limit] = result.wineFigures;
    const std::size_t width = std::max({added.size(), projected.size(), limit.size()});
    constexpr std::array kLabels{"SO2 added", "Projected total SO2", "Total SO2 limit"};
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        const std::string_view value = result.wineFigures[i];
        if (!value.empty()) {
            lines += Labelled(kLabels[i]) + std::string(width - value.size(), ' ') +
                     std::string(value) + " mg/L";
            lines += i + 1 == kLabels.size() ? " (" + std::string(result.limitBasis) + ")\n" : "\n";
        }
    }
    float total = 0.0F;
    float most = 0.0F;
    if (!limit.empty() && TextToSingle(projected, total) && TextToSingle(limit, most) &&
        total > most) {
        lines += "The projected total SO2 is above the limit.\n";
    }
    if (note) {
        lines += *note + '\n';
    }
    return lines;
}

}  // namespace

std::string TextReport(const DoseTextViews& texts, const std::vector<DoseColumn>& builtIns,
                       double pka, const DoseResult& result, const WineReport& wine) {
    std::string report = InputLines(texts, builtIns, pka);
    if (result.status != DoseStatus::Ok && result.status != DoseStatus::NoAddition) {
        return report;
    }
    report += '\n';
    std::size_t valueWidth = 0;
    for (const TextLine& line : kTextLines) {
        valueWidth = std::max(valueWidth, FigureText(result, line.figure).size());
    }
    for (const TextLine& line : kTextLines) {
        const std::string_view value = FigureText(result, line.figure);
        if (value.empty()) {
            continue;  // no teaspoons for tablets
        }
        report += Labelled(line.label);
        report.append(valueWidth - value.size(), ' ');
        report += value;
        report += ' ';
        report += line.unit != nullptr ? line.unit : FigureText(result, Figure::AmountUnit);
        report += '\n';
    }
    if (result.status == DoseStatus::NoAddition) {
        report += std::string(result.message) + '\n';
    }
    if (wine.shown) {
        report += WineLines(result, wine.note);
    }
    return report;
}

std::string JsonReport(const DoseResult& result, const WineReport& wine) {
    std::vector<std::pair<std::string_view, std::string_view>> values;
    for (std::size_t i = 0; i < kFigureCount; ++i) {
        values.emplace_back(kResultColumnNames[i], result.figures[i]);
    }
    values.emplace_back(kResultColumnNames[kFigureCount], StatusWord(result.status));
    values.emplace_back(kResultColumnNames[kFigureCount + 1], result.message);
    if (wine.shown) {
        for (std::size_t i = 0; i < kWineResultColumnNames.size(); ++i) {
            values.emplace_back(kWineResultColumnNames[i], result.wineFigures[i]);
        }
        values.emplace_back("total_so2_limit_basis", result.limitBasis);
        if (wine.note) {
            values.emplace_back("note", *wine.note);
        }
    }
    std::string json = "{\n";
    for (std::size_t i = 0; i < values.size(); ++i) {
        json += "  ";
        AppendJsonString(json, values[i].first);
        json += ": ";
        AppendJsonString(json, values[i].second);
        json += i + 1 < values.size() ? ",\n" : "\n";
    }
    return json + "}\n";
}

std::string CsvReport(const DoseTextViews& texts, const DoseResult& result, bool wine) {
    // Without the wine's figures, the columns of every dose only: byte for
    // byte what scripts have always read.
    const std::size_t inputs = wine ? kDoseColumnCount : kDoseColumnsOfEveryDose;
    std::string csv;
    for (std::size_t i = 0; i < inputs; ++i) {
        csv += i == 0 ? "" : ",";
        csv += kDoseColumnNames[i];
    }
    AppendResultColumnNames(csv, ',', wine);
    csv += '\n';
    for (std::size_t i = 0; i < inputs; ++i) {
        if (i > 0) {
            csv += ',';
        }
        AppendCsvField(csv, texts[i]);
    }
    const std::size_t start = csv.size();
    csv.resize(start + MaxResultFieldsBytes(result, wine));
    csv.resize(static_cast<std::size_t>(
        WriteResultFields(csv.data() + start, result, ',', DecimalMark::Point, wine) - csv.data()));
    return csv + '\n';
}

}  // namespace korvane
