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

}  // namespace

std::string TextReport(const DoseTextViews& texts, const std::vector<DoseColumn>& builtIns,
                       double pka, const DoseResult& result) {
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
    return report;
}

std::string JsonReport(const DoseResult& result) {
    std::array<std::string_view, kResultColumnNames.size()> values{};
    std::copy(result.figures.begin(), result.figures.end(), values.begin());
    values[kFigureCount] = StatusWord(result.status);
    values[kFigureCount + 1] = result.message;
    std::string json = "{\n";
    for (std::size_t i = 0; i < values.size(); ++i) {
        json += "  ";
        AppendJsonString(json, kResultColumnNames[i]);
        json += ": ";
        AppendJsonString(json, values[i]);
        json += i + 1 < values.size() ? ",\n" : "\n";
    }
    return json + "}\n";
}

std::string CsvReport(const DoseTextViews& texts, const DoseResult& result) {
    std::string csv;
    for (const char* name : kDoseColumnNames) {
        csv += csv.empty() ? "" : ",";
        csv += name;
    }
    AppendResultColumnNames(csv);
    csv += '\n';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) {
            csv += ',';
        }
        AppendCsvField(csv, texts[i]);
    }
    const std::size_t start = csv.size();
    csv.resize(start + MaxResultFieldsBytes(result));
    csv.resize(
        static_cast<std::size_t>(WriteResultFields(csv.data() + start, result) - csv.data()));
    return csv + '\n';
}

}  // namespace korvane
