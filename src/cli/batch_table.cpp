#include "cli/batch_table.h"

#include <algorithm>

#include "core/cellar/batch_report.h"

namespace korvane {
namespace {

std::string Padded(std::string text, std::size_t width) {
    const std::size_t shown = ShownWidth(text);
    text.append(shown < width ? width - shown : 0, ' ');
    return text;
}

// The wine's columns, as a person reads them.
constexpr std::array<const char*, kWineResultColumnNames.size()> kWineHeaders{
    "SO2 added", "Projected total SO2", "Total SO2 limit"};

}  // namespace

std::size_t ShownWidth(std::string_view text) {
    // Every byte but a UTF-8 continuation byte starts a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool BatchTable::Add(const BatchRow& row) {
    ShownRow shown = ShowRow(row, mark_);
    Line line;
    line.tank = shown.tank.empty() ? "line " + std::to_string(row.line) : std::move(shown.tank);
    line.amount = std::move(shown.amount);
    line.unit = shown.unit;
    line.status = shown.status;
    line.message = shown.message;
    line.wine = std::move(shown.wine);
    if (measured_) {
        return Write(line);
    }
    held_.push_back(std::move(line));
    return held_.size() < kRowsMeasured || Finish();
}

bool BatchTable::Finish() {
    if (!measured_) {
        measured_ = true;
        std::size_t unitWidth = 0;
        for (const Line& line : held_) {
            tankWidth_ = std::max(tankWidth_, ShownWidth(line.tank));
            figureWidth_ = std::max(figureWidth_, line.amount.size());
            unitWidth = std::max(unitWidth, line.unit.size());
            statusWidth_ = std::max(statusWidth_, line.status.size());
            for (std::size_t i = 0; i < wineWidths_.size(); ++i) {
                wineWidths_[i] = std::max(wineWidths_[i], line.wine[i].size());
            }
        }
        amountWidth_ = std::max(amountWidth_, figureWidth_ + 1 + unitWidth);
        std::string header = Padded("Tank", tankWidth_) + "  " + Padded("Amount", amountWidth_) +
                             "  " + Padded("Status", statusWidth_) + "  ";
        if (wine_) {
            for (std::size_t i = 0; i < wineWidths_.size(); ++i) {
                wineWidths_[i] = std::max(wineWidths_[i], ShownWidth(kWineHeaders[i]));
                header += Padded(kWineHeaders[i], wineWidths_[i]) + "  ";
            }
        }
        header += "Message\n";
        if (!sink_.Write(header)) {
            return false;
        }
    }
    for (const Line& line : held_) {
        if (!Write(line)) {
            return false;
        }
    }
    held_.clear();
    return true;
}

bool BatchTable::Write(const Line& line) {
    // Figures line up on their right, their units after them.
    std::string amount(figureWidth_ > line.amount.size() ? figureWidth_ - line.amount.size() : 0,
                       ' ');
    amount += line.amount;
    if (!line.unit.empty()) {
        amount += ' ' + line.unit;
    }
    std::string text = Padded(line.tank, tankWidth_) + "  " + Padded(amount, amountWidth_) + "  ";
    if (!wine_) {
        text += line.message.empty() ? line.status
                                     : Padded(line.status, statusWidth_) + "  " + line.message;
    } else {
        // Figures line up on their right under their headers.
        text += Padded(line.status, statusWidth_);
        for (std::size_t i = 0; i < wineWidths_.size(); ++i) {
            text += "  " + std::string(wineWidths_[i] - line.wine[i].size(), ' ') + line.wine[i];
        }
        text += "  " + line.message;
        text.erase(text.find_last_not_of(' ') + 1);
    }
    text += '\n';
    return sink_.Write(text);
}

}  // namespace korvane
