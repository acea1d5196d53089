#include "cli/reports.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace korvane {
namespace {

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

std::string TextReport(const DoseResult& result) {
    if (result.status != DoseStatus::Ok) {
        return {};
    }
    std::size_t labelWidth = 0;
    std::size_t valueWidth = 0;
    for (const TextLine& line : kTextLines) {
        labelWidth = std::max(labelWidth, std::string_view(line.label).size());
        valueWidth = std::max(valueWidth, FigureText(result, line.figure).size());
    }
    std::string report;
    for (const TextLine& line : kTextLines) {
        const std::string_view value = FigureText(result, line.figure);
        if (value.empty()) {
            continue;  // no teaspoons for tablets
        }
        report += line.label;
        report.append(labelWidth + 2 - std::string_view(line.label).size(), ' ');
        report.append(valueWidth - value.size(), ' ');
        report += value;
        report += ' ';
        report += line.unit != nullptr ? line.unit : FigureText(result, Figure::AmountUnit);
        report += '\n';
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
    AppendResultFields(csv, result);
    return csv + '\n';
}

}  // namespace korvane
