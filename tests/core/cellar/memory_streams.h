// Byte streams over strings, so that readers and batches can be tested
// without files, and fed in pieces as small as one byte; and a value written
// as a CSV field for them to read.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "core/cellar/csv.h"

namespace korvane {

class MemorySource : public ByteSource {
  public:
    // Hands out at most `piece` bytes a read; -1 once `failAt` bytes are out.
    explicit MemorySource(std::string bytes, std::size_t piece = 1 << 20,
                          std::size_t failAt = std::string::npos)
        : bytes_(std::move(bytes)), piece_(piece), failAt_(failAt) {}

    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        if (pos_ >= failAt_) {
            return -1;
        }
        const std::size_t count = std::min({size, piece_, bytes_.size() - pos_, failAt_ - pos_});
        bytes_.copy(buffer, count, pos_);
        pos_ += count;
        return static_cast<std::ptrdiff_t>(count);
    }

  private:
    std::string bytes_;
    std::size_t piece_;
    std::size_t failAt_;
    std::size_t pos_ = 0;
};

class MemorySink : public ByteSink {
  public:
    // Refuses every write once `room` bytes have been taken.
    explicit MemorySink(std::size_t room = std::string::npos) : room_(room) {}

    bool Write(std::string_view bytes) override {
        if (bytes_.size() + bytes.size() > room_) {
            return false;
        }
        bytes_ += bytes;
        return true;
    }
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
    std::size_t room_;
};

// The field as written, within the room the writer promises to need.
inline std::string CsvField(std::string_view value) {
    std::string out(MaxCsvFieldBytes(value), '\0');
    out.resize(static_cast<std::size_t>(WriteCsvField(out.data(), value) - out.data()));
    return out;
}

}  // namespace korvane
