#include "cli/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <string>

#include "cli/file_streams.h"
#include "core/files/write_all.h"

namespace korvane {
namespace {

constexpr int kBarWidth = 40;

}  // namespace

ProgressBar::ProgressBar(int fd, std::uint64_t totalBytes)
    : fd_(fd),
      totalBytes_(totalBytes),
      shown_(totalBytes > kProgressBarMinimumBytes && ::isatty(fd) == 1) {}

void ProgressBar::Update(std::uint64_t doneBytes) {
    if (!shown_) {
        return;
    }
    const auto percent =
        static_cast<int>(std::min<std::uint64_t>(100, doneBytes * 100 / totalBytes_));
    if (percent == percent_) {
        return;
    }
    percent_ = percent;
    const int filled = percent * kBarWidth / 100;
    std::string line = std::string("\r") + kMessagePrefix + "[";
    line.append(static_cast<std::size_t>(filled), '#');
    line.append(static_cast<std::size_t>(kBarWidth - filled), '.');
    line += "] " + std::to_string(percent) + "%";
    WriteAll(fd_, line);
}

void ProgressBar::Clear() {
    if (shown_ && percent_ >= 0) {
        // Carriage return, erase to the end of the line.
        WriteAll(fd_, "\r\x1b[K");
    }
}

}  // namespace korvane
