// A batch shown to a person at a terminal: one aligned line a tank with its
// amount, status and message, instead of the CSV a program would read; with
// the wine's figures given, the SO2 added, the projected total SO2 and its
// limit before the message, as the CSV appends them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cellar/cellar_batch.h"

namespace korvane {

class BatchTable {
  public:
    // Rows are held back until this many have come, to learn the columns'
    // widths; later ones take the same widths.
    static constexpr std::size_t kRowsMeasured = 200;

    BatchTable(ByteSink& sink, DecimalMark mark, bool wine = false)
        : sink_(sink), mark_(mark), wine_(wine) {}

    // Takes a row; false when the sink failed.
    bool Add(const BatchRow& row);
    // Writes what is held back; false when the sink failed.
    bool Finish();

  private:
    struct Line {
        std::string tank;
        std::string amount;  // the figure
        std::string unit;
        std::string status;
        std::string message;
        std::array<std::string, kWineResultColumnNames.size()> wine;
    };
    bool Write(const Line& line);

    ByteSink& sink_;
    DecimalMark mark_;
    bool wine_;
    std::vector<Line> held_;
    bool measured_ = false;
    std::size_t tankWidth_ = 4;
    std::size_t figureWidth_ = 0;
    std::size_t amountWidth_ = 6;  // the figure, a blank and the unit
    std::size_t statusWidth_ = 6;
    std::array<std::size_t, kWineResultColumnNames.size()> wineWidths_{};
};

// How many characters a UTF-8 text shows as, one for each character.
std::size_t ShownWidth(std::string_view text);

}  // namespace korvane
