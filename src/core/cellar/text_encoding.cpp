#include "core/cellar/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace korvane {
namespace {

// What is not handed on as it was read (UTF-16, Windows-1252, a sequence a
// read cut) is read in pieces of this many bytes.
constexpr std::size_t kDecodeBytes = std::size_t{32} << 10;

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// How many bytes the UTF-8 sequence starting at `text[at]` takes; 0 when no
// valid sequence starts there.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    const bool valid =
        code >= lowest && code <= 0x10FFFF && !IsHighSurrogate(code) && !IsLowSurrogate(code);
    return valid ? length : 0;
}

// The characters Windows-1252 gives the bytes 0x80 to 0x9F. The five it
// leaves undefined stand for the control characters of the same number, as
// browsers read them.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t FromWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
}

// The UTF-8 of Windows-1252's bytes from 0x80, each two or three bytes long,
// worked out once.
struct Utf8Bytes {
    std::array<char, 3> bytes;
    std::size_t size;
};

constexpr std::array<Utf8Bytes, 128> kWindows1252Utf8 = [] {
    std::array<Utf8Bytes, 128> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const char32_t code = FromWindows1252(static_cast<unsigned char>(0x80 + i));
        const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
        table[i] = code < 0x800
                       ? Utf8Bytes{{byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F))}, 2}
                       : Utf8Bytes{{byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)),
                                    byte(0x80 | (code & 0x3F))},
                                   3};
    }
    return table;
}();

// `bytes` read as Windows-1252, in UTF-8 after `out`. Its ASCII, nearly all
// of a cellar file, is the same in both and goes across a run at a time.
void AppendWindows1252(std::string& out, std::string_view bytes) {
    const auto notAscii = [](char c) { return (c & 0x80) != 0; };
    for (auto at = bytes.begin(); at != bytes.end();) {
        const auto high = std::find_if(at, bytes.end(), notAscii);
        out.append(at, high);
        if (high == bytes.end()) {
            break;
        }
        const Utf8Bytes& utf8 = kWindows1252Utf8[static_cast<unsigned char>(*high) - 0x80];
        out.append(utf8.bytes.data(), utf8.size);
        at = high + 1;
    }
}

// How far `text` is UTF-8 and whether what follows is only a sequence cut
// short at its end (which the next bytes may complete).
struct Utf8Check {
    std::size_t valid;
    bool cut;
};

Utf8Check CheckUtf8(std::string_view text) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080U;
    std::size_t at = 0;
    while (at < text.size()) {
        std::uint64_t word = 0;
        if (at + sizeof word <= text.size()) {
            std::memcpy(&word, text.data() + at, sizeof word);
            if ((word & kHighBits) == 0) {
                at += sizeof word;
                continue;
            }
        }
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            // A lead byte whose sequence runs past the end, sound so far.
            const auto lead = static_cast<unsigned char>(text[at]);
            const std::size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            const bool sound = lead >= 0xC2 && lead <= 0xF4 && at + needed > text.size() &&
                               std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                                           text.end(), [](char c) { return (c & 0xC0) == 0x80; });
            return {at, sound};
        }
        at += length;
    }
    return {at, false};
}

void AppendByteEscape(std::string& out, unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

}  // namespace

const char* EncodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return "UTF-8";
        case TextEncoding::Utf8WithMark:
            return "UTF-8 with a byte order mark";
        case TextEncoding::Utf16Le:
            return "UTF-16 LE";
        case TextEncoding::Utf16Be:
            return "UTF-16 BE";
        case TextEncoding::Windows1252:
            break;
    }
    return "Windows-1252";
}

std::ptrdiff_t Utf8Source::Read(char* buffer, std::size_t size) {
    if (!started_ && !Start()) {
        return -1;
    }
    if (handed_ == decoded_.size()) {
        decoded_.clear();
        handed_ = 0;
        if (failed_) {
            return -1;
        }
        const bool utf8 =
            encoding_ == TextEncoding::Utf8 || encoding_ == TextEncoding::Utf8WithMark;
        if (utf8 && carry_.empty() && size >= kLongestSequence) {
            return ReadUtf8Directly(buffer, size);
        }
        while (decoded_.empty() && !ended_ && !invalid_) {
            if (!(utf8 ? TakeUtf8() : Decode())) {
                return -1;
            }
        }
        if (decoded_.empty() && invalid_) {
            return -1;
        }
    }
    const std::size_t count = std::min(size, decoded_.size() - handed_);
    std::copy_n(decoded_.data() + handed_, count, buffer);
    handed_ += count;
    return static_cast<std::ptrdiff_t>(count);
}

// Reads the first bytes and tells the encoding from them. UTF-8's are handed
// on as they are, byte order mark and all; UTF-16's are decoded.
bool Utf8Source::Start() {
    started_ = true;
    std::array<char, 4> first{};
    while (raw_.size() < 3) {
        const std::ptrdiff_t count = source_.Read(first.data(), 3 - raw_.size());
        if (count < 0) {
            return false;
        }
        if (count == 0) {
            break;
        }
        raw_.append(first.data(), static_cast<std::size_t>(count));
    }
    if (raw_.starts_with(kByteOrderMark)) {
        encoding_ = TextEncoding::Utf8WithMark;
    } else if (raw_.starts_with("\xFF\xFE") || raw_.starts_with("\xFE\xFF")) {
        encoding_ = raw_[0] == '\xFF' ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
        raw_.erase(0, 2);
        decoded_ = kByteOrderMark;
        return true;
    }
    return Sniff();
}

// Reads the start of a file without a UTF-16 mark and tells UTF-8 from
// Windows-1252 by it: a spreadsheet's Windows-1252 shows itself in its
// header's first accent, and its UTF-8 could hardly pass for anything else.
bool Utf8Source::Sniff() {
    // Each read lands in room of its own and only what it brought is kept:
    // a source that hands out a few bytes a read (a pipe) must not have the
    // whole start cleared for each.
    while (raw_.size() < kEncodingSniffBytes && !ended_) {
        const std::ptrdiff_t count = ReadPiece(kEncodingSniffBytes - raw_.size());
        if (count < 0 && raw_.empty()) {
            return false;
        }
        // A failure after the first bytes is told once they are handed on.
        failed_ = count < 0;
        raw_.append(piece_.get(), static_cast<std::size_t>(std::max<std::ptrdiff_t>(count, 0)));
        ended_ = count <= 0;
    }
    const Utf8Check check = CheckUtf8(raw_);
    if (check.valid == raw_.size() || (check.cut && (!ended_ || failed_))) {
        carry_.assign(raw_, check.valid);
        raw_.resize(check.valid);
        decoded_.swap(raw_);
        return true;
    }
    encoding_ = TextEncoding::Windows1252;
    AppendWindows1252(decoded_, raw_);
    raw_.clear();
    return true;
}

// The commonest read of all, UTF-8 with nothing carried over: checked where
// it lands, with no copy. A sequence the read cuts waits in `carry_`.
std::ptrdiff_t Utf8Source::ReadUtf8Directly(char* buffer, std::size_t size) {
    if (invalid_) {
        return -1;
    }
    if (ended_) {
        return 0;
    }
    const std::ptrdiff_t count = source_.Read(buffer, size);
    if (count <= 0) {
        ended_ = count == 0;
        return count;
    }
    const std::string_view read(buffer, static_cast<std::size_t>(count));
    const Utf8Check check = CheckUtf8(read);
    if (check.valid < read.size()) {
        if (check.cut) {
            carry_.assign(read.substr(check.valid));
        } else {
            invalid_ = true;
        }
    }
    if (check.valid == 0) {
        // Nothing whole yet: the cut sequence, or a bad byte, decides next.
        return invalid_ ? -1 : Read(buffer, size);
    }
    return static_cast<std::ptrdiff_t>(check.valid);
}

// Takes the next piece of UTF-8 into `decoded_`, checked: a sequence a read
// cuts waits for the next, and the first byte that is not UTF-8 ends the
// reading. False when the source fails.
bool Utf8Source::TakeUtf8() {
    decoded_.swap(carry_);
    carry_.clear();
    const std::ptrdiff_t count = ReadPiece(kDecodeBytes);
    if (count < 0) {
        return false;
    }
    decoded_.append(piece_.get(), static_cast<std::size_t>(count));
    ended_ = count == 0;
    const Utf8Check check = CheckUtf8(decoded_);
    if (check.valid < decoded_.size()) {
        if (check.cut && !ended_) {
            carry_.assign(decoded_, check.valid);
        } else {
            invalid_ = true;
        }
        decoded_.resize(check.valid);
    }
    return true;
}

// Decodes the next piece of UTF-16 or Windows-1252 into `decoded_`; false
// when the source fails.
bool Utf8Source::Decode() {
    const std::ptrdiff_t count = ReadPiece(kDecodeBytes);
    if (count < 0) {
        return false;
    }
    ended_ = count == 0;
    if (encoding_ == TextEncoding::Windows1252) {
        // Every byte is a character of its own: nothing waits for the next.
        AppendWindows1252(decoded_, {piece_.get(), static_cast<std::size_t>(count)});
        return true;
    }
    raw_.append(piece_.get(), static_cast<std::size_t>(count));
    const bool little = encoding_ == TextEncoding::Utf16Le;
    std::size_t at = 0;
    for (; at + 1 < raw_.size(); at += 2) {
        const auto a = static_cast<unsigned char>(raw_[at]);
        const auto b = static_cast<unsigned char>(raw_[at + 1]);
        Put(little ? static_cast<char32_t>(a | (b << 8)) : static_cast<char32_t>((a << 8) | b));
    }
    raw_.erase(0, at);
    if (ended_) {
        // An odd byte or a high surrogate at the very end is a broken unit.
        if (!raw_.empty() || highSurrogate_ != 0) {
            highSurrogate_ = 0;
            Put(kReplacement);
        }
    }
    return true;
}

// Reads into room made once and never cleared, however few bytes a read
// brings.
std::ptrdiff_t Utf8Source::ReadPiece(std::size_t most) {
    if (!piece_) {
        piece_.reset(new char[kDecodeBytes]);
    }
    return source_.Read(piece_.get(), std::min(most, kDecodeBytes));
}

void Utf8Source::Put(char32_t code) {
    if (highSurrogate_ != 0) {
        const char32_t high = highSurrogate_;
        highSurrogate_ = 0;
        if (IsLowSurrogate(code)) {
            code = 0x10000 + ((high - 0xD800) << 10) + (code - 0xDC00);
        } else {
            Put(kReplacement);
        }
    }
    if (IsHighSurrogate(code)) {
        highSurrogate_ = code;
        return;
    }
    if (IsLowSurrogate(code)) {
        code = kReplacement;
    }
    AppendUtf8(decoded_, code);
}

void AppendUtf8(std::string& out, char32_t code) {
    auto byte = [&out](char32_t value) { out += static_cast<char>(value); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

std::string EscapedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, at);
        const auto byte = static_cast<unsigned char>(text[at]);
        if (length == 0 || byte < 0x20 || byte == 0x7F) {
            AppendByteEscape(out, byte);
            ++at;
            continue;
        }
        out.append(text.substr(at, length));
        at += length;
    }
    return out;
}

}  // namespace korvane
