// A bar on a terminal that shows how much of a large batch is done. It is
// drawn on standard error only, so the output stays clean, and only when a
// person is watching: a pipe or a file gets none.
#pragma once

#include <cstdint>

namespace korvane {

// Inputs smaller than this finish before a bar would be worth drawing.
inline constexpr std::uint64_t kProgressBarMinimumBytes = std::uint64_t{4} << 20;

class ProgressBar {
  public:
    // Draws nothing unless `fd` is a terminal and `totalBytes` is large.
    ProgressBar(int fd, std::uint64_t totalBytes);
    bool Shown() const { return shown_; }
    // Redraws when the whole percentage has moved.
    void Update(std::uint64_t doneBytes);
    // Takes the bar off the line again.
    void Clear();

  private:
    int fd_;
    std::uint64_t totalBytes_;
    bool shown_;
    int percent_ = -1;
};

}  // namespace korvane
