// The encodings a cellar file comes in, and the user's words shown safely in
// a message. Spreadsheets save "CSV UTF-8", with or without a byte order
// mark, and "Unicode text", which is UTF-16 with one; Excel on Windows saves
// plain "CSV" in Windows-1252. Everything the batch reads is turned into
// UTF-8 here first.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "core/cellar/csv.h"

namespace korvane {

enum class TextEncoding { Utf8, Utf8WithMark, Utf16Le, Utf16Be, Windows1252 };

// How much of a file without a byte order mark is looked at to tell UTF-8
// from Windows-1252: as much as the longest header.
inline constexpr std::size_t kEncodingSniffBytes = std::size_t{64} << 10;

// "UTF-8", "UTF-8 with a byte order mark", "UTF-16 LE", "UTF-16 BE" or
// "Windows-1252".
const char* EncodingName(TextEncoding encoding);

// Hands on a source's bytes as UTF-8. UTF-16 with a byte order mark comes out
// as UTF-8 behind a UTF-8 byte order mark, so that whoever reads it can tell
// and a writer can keep the mark; a code unit that pairs with nothing becomes
// U+FFFD. Without a UTF-16 mark, a start (kEncodingSniffBytes) that is not
// all UTF-8 makes the whole source Windows-1252; a start that is UTF-8 makes
// it UTF-8 to its end, and the first byte after that is not fails the read
// (Invalid()), since neither reading would then be right.
class Utf8Source : public ByteSource {
  public:
    explicit Utf8Source(ByteSource& source) : source_(source) {}

    std::ptrdiff_t Read(char* buffer, std::size_t size) override;
    // Known once the first bytes have been read.
    TextEncoding Encoding() const { return encoding_; }
    // A byte that is not UTF-8 came after a UTF-8 start.
    bool Invalid() const { return invalid_; }

  private:
    bool Start();
    bool Sniff();
    bool Decode();
    bool TakeUtf8();
    std::ptrdiff_t ReadUtf8Directly(char* buffer, std::size_t size);
    std::ptrdiff_t ReadPiece(std::size_t most);
    // The most bytes of one UTF-8 sequence.
    static constexpr std::size_t kLongestSequence = 4;
    void Put(char32_t code);

    ByteSource& source_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool started_ = false;
    bool ended_ = false;
    bool invalid_ = false;
    bool failed_ = false;            // the source failed after the start was read
    std::string carry_;              // the start of a UTF-8 sequence a read cut
    std::string raw_;                // bytes read and not yet decoded
    std::unique_ptr<char[]> piece_;  // where each read lands
    std::string decoded_;            // UTF-8 not yet handed on
    std::size_t handed_ = 0;
    char32_t highSurrogate_ = 0;
};

// `code`, a character's code point, written in UTF-8 after `out`.
void AppendUtf8(std::string& out, char32_t code);

// `text` as it can be shown inside a message: control characters and bytes
// that are not UTF-8 are written as \xNN, so that a stray NUL, escape or
// line break cannot hide or garble what follows.
std::string EscapedText(std::string_view text);

}  // namespace korvane
