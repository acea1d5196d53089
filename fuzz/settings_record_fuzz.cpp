// Any bytes as settings.cfg: parsing stays within the bytes given (at most
// the 64 KiB the program reads), a record without quotes or line ends reads
// back exactly as it was written, and a file cut short reports failure
// while keeping the fields it read.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/rules/user_defaults.h"

namespace {

using namespace korvane;

constexpr std::size_t kReadLimit = std::size_t{64} * 1024;

constexpr std::array<std::string UserDefaults::*, 7> kFields{
    &UserDefaults::formCode,        &UserDefaults::methodCode,   &UserDefaults::unitCode,
    &UserDefaults::solutionPercent, &UserDefaults::tabletWeight, &UserDefaults::batchSize,
    &UserDefaults::targetText,
};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Seven fields cut from the bytes at every 0x1F, with the characters the
// file cannot carry inside a field (quote, comma, line ends) taken out and
// the blanks a reader trims left off the ends.
UserDefaults RecordFrom(std::string_view bytes) {
    UserDefaults record;
    std::size_t field = 0;
    for (const char c : bytes) {
        if (c == '\x1F') {
            if (++field == kFields.size()) {
                break;
            }
        } else if (c != '"' && c != '\r' && c != '\n') {
            record.*kFields[field] += c;
        }
    }
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The program reads no more than the limit and says whether that was all.
    const std::string_view read = bytes.substr(0, kReadLimit);
    UserDefaults parsed;
    ParseUserDefaults(read, bytes.size() <= kReadLimit, parsed);
    UserDefaults again;
    ParseUserDefaults(read, bytes.size() <= kReadLimit, again);
    Require(parsed == again);

    // What the program writes reads back unchanged.
    const UserDefaults record = RecordFrom(bytes);
    const std::string file = SerializeUserDefaults(record);
    UserDefaults back;
    Require(ParseUserDefaults(file, true, back));
    Require(back == record);

    // Cut after k records: failure, the k fields read, the rest untouched.
    const std::size_t kept = size % kFields.size();
    std::size_t end = 0;
    for (std::size_t i = 0; i < kept; ++i) {
        end = file.find('\n', end) + 1;
    }
    UserDefaults partial;
    partial.targetText = "untouched";
    Require(!ParseUserDefaults(std::string_view(file).substr(0, end), true, partial));
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (i < kept) {
            Require(partial.*kFields[i] == record.*kFields[i]);
        } else if (i + 1 == kFields.size()) {
            Require(partial.targetText == "untouched");
        }
    }
    return 0;
}
