#include "core/cellar/csv.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace korvane {

std::string RecordLimitText() {
    return std::to_string(kMaxRecordBytes / 1024) + " KiB";
}
namespace {

// The most a read asks for: the full room is a record at its longest and one
// read of this size.
constexpr std::size_t kReadSize = std::size_t{64} << 10;

// The room a reader starts with. It grows to the full only as a file's
// records and reads need it: most files are short, and the full room is
// more than a short file's reading costs (a fuzzer reads thousands a
// second).
constexpr std::size_t kFirstCapacity = std::size_t{4} << 10;

// The scan of unquoted bytes, the reader's innermost loop, looks at a block
// of sixteen bytes at a time; the buffer has this much room after its bytes
// so that the last block can always be loaded whole.
constexpr std::size_t kBlockBytes = 16;

#if defined(__SSE2__)

// One bit for each of the sixteen bytes at `bytes` that ends an unquoted
// field, the separator or a line break; the first byte's is the lowest.
std::uint32_t UnquotedEnds(const char* bytes, char separator) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i ends = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(separator)),
                                                   _mm_cmpeq_epi8(block, _mm_set1_epi8('\n'))),
                                      _mm_cmpeq_epi8(block, _mm_set1_epi8('\r')));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(ends));
}

#else

// The same eight bytes at a time in a plain integer.
constexpr std::uint64_t kLowBits = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;
constexpr std::uint64_t kLow7Bits = 0x7F7F7F7F7F7F7F7F;

// The high bit of every byte of `word` that is not `c`, and of no other.
std::uint64_t OtherThan(std::uint64_t word, char c) {
    const std::uint64_t x = word ^ (kLowBits * static_cast<unsigned char>(c));
    // Adding 0x7F to a byte's low bits carries into its high bit exactly
    // when one of them is set; no carry crosses into the next byte.
    return ((x & kLow7Bits) + kLow7Bits) | x;
}

// One bit for each of the eight bytes at `bytes` that ends an unquoted
// field; the first byte's is the lowest.
std::uint32_t UnquotedEnds8(const char* bytes, char separator) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    const std::uint64_t ends =
        ~(OtherThan(word, separator) & OtherThan(word, '\n') & OtherThan(word, '\r')) & kHighBits;
    // Gathers the eight high bits, byte i's landing on bit 56 + i.
    return static_cast<std::uint32_t>(((ends >> 7) * 0x0102040810204080) >> 56);
}

std::uint32_t UnquotedEnds(const char* bytes, char separator) {
    return UnquotedEnds8(bytes, separator) | (UnquotedEnds8(bytes + 8, separator) << 8);
}

#endif

// Byte classes, looked up rather than compared.
using ByteSet = std::array<bool, 256>;

constexpr ByteSet MakeByteSet(std::string_view members) {
    ByteSet set{};
    for (const char c : members) {
        set[static_cast<unsigned char>(c)] = true;
    }
    return set;
}

// What needs quotes, with each separator a file may have.
constexpr ByteSet kNeedQuotesComma = MakeByteSet(",\"\r\n");
constexpr ByteSet kNeedQuotesSemicolon = MakeByteSet(";\"\r\n");
constexpr ByteSet kNeedQuotesTab = MakeByteSet("\t\"\r\n");

const ByteSet& NeedQuotes(char separator) {
    return separator == ';'    ? kNeedQuotesSemicolon
           : separator == '\t' ? kNeedQuotesTab
                               : kNeedQuotesComma;
}

}  // namespace

// A quoted field's value: its bytes between the quotes, doubled quotes made
// single.
std::string_view CsvRecord::Unquoted(std::string_view raw, std::string& scratch) {
    scratch.clear();
    std::size_t pos = 1;
    while (pos < raw.size()) {
        const std::size_t quote = raw.find('"', pos);
        if (quote == std::string_view::npos) {
            scratch.append(raw.substr(pos));  // the input ended inside the quotes
            break;
        }
        scratch.append(raw.substr(pos, quote - pos));
        if (quote + 1 < raw.size() && raw[quote + 1] == '"') {
            scratch += '"';
            pos = quote + 2;
        } else {
            // Whatever follows the closing quote is kept as it stands.
            scratch.append(raw.substr(quote + 1));
            break;
        }
    }
    return scratch;
}

std::string_view CsvRecord::RawFields(std::size_t count) const {
    count = std::min(count, fieldCount_);
    return count == 0 ? std::string_view() : raw_.substr(0, ends_[count - 1]);
}

// The room after the bytes read is set, so that a block loaded across their
// end holds known bytes, even where they are not looked at. Only that much
// is set: a short file never touches the rest of the room.
CsvReader::CsvReader(ByteSource& source, std::size_t maxRecordBytes)
    : source_(source),
      maxRecordBytes_(maxRecordBytes),
      fullCapacity_(maxRecordBytes + kReadSize),
      capacity_(std::min(kFirstCapacity, fullCapacity_)),
      buffer_(new char[capacity_ + kBlockBytes]) {
    std::fill_n(buffer_.get(), kBlockBytes, '\0');
}

CsvReader::Result CsvReader::Next(CsvRecord& record, Overlong overlong) {
    const Result result = ReadRecord(record, overlong);
    record.line_ = line_;
    // A line break that ends the input inside quotes starts no line.
    record.lastLine_ = line_ + quotedLines_ - (record.quoteLeftOpen_ && endsWithBreak_ ? 1 : 0);
    line_ += 1 + quotedLines_;
    return result;
}

CsvReader::Result CsvReader::Reread(CsvRecord& record, char separator) {
    separator_ = separator;
    pos_ = begin_;
    line_ = record.line_;
    return Next(record);
}

CsvReader::Result CsvReader::ReadRecord(CsvRecord& record, Overlong overlong) {
    record.fieldCount_ = 0;
    record.raw_ = {};
    record.lineEnd_ = LineEnd::None;
    record.quoteLeftOpen_ = false;
    if (!started_) {
        started_ = true;
        SkipByteOrderMark();
    }
    begin_ = pos_;
    state_ = State::FieldStart;
    tooLong_ = false;
    quotedLines_ = 0;
    for (;;) {
        if (Scan(record)) {
            return Complete(record);
        }
        if (!tooLong_ &&
            (state_ == State::AfterCr ? recordEnd_ : pos_) - begin_ > maxRecordBytes_) {
            tooLong_ = true;
            record.fieldCount_ = 0;
            if (overlong == Overlong::Stop) {
                return Result::TooLong;
            }
        }
        if (tooLong_) {
            // Only the quoting state matters from here on: the bytes go.
            begin_ = pos_;
        }
        if (!Fill()) {
            return failed_ ? Result::ReadFailed : Finish(record);
        }
    }
}

// Scans what the buffer holds; true once the record's line end is passed.
bool CsvReader::Scan(CsvRecord& record) {
    const char* bytes = buffer_.get();
    while (pos_ < end_) {
        switch (state_) {
            case State::FieldStart:
            case State::QuotedQuote:
                // A quote opens a quoted field, or after a quote stands for
                // one; any other byte is plain text.
                if (bytes[pos_] == '"') {
                    ++pos_;
                    state_ = State::Quoted;
                } else {
                    state_ = State::Unquoted;
                }
                break;
            case State::Unquoted:
                ScanUnquoted(record);
                if (record.lineEnd_ == LineEnd::Lf) {
                    return true;
                }
                break;
            case State::Quoted: {
                const void* quote = std::memchr(bytes + pos_, '"', end_ - pos_);
                const std::size_t to =
                    quote == nullptr ? end_ : static_cast<const char*>(quote) - bytes;
                // A line break inside quotes is a line of the file all the same.
                quotedLines_ +=
                    static_cast<std::uint64_t>(std::count(bytes + pos_, bytes + to, '\n'));
                pos_ = quote == nullptr ? end_ : to + 1;
                if (quote != nullptr) {
                    state_ = State::QuotedQuote;
                }
                break;
            }
            case State::AfterCr:
                if (bytes[pos_] == '\n') {
                    ++pos_;
                    record.lineEnd_ = LineEnd::CrLf;
                } else {
                    record.lineEnd_ = LineEnd::Cr;
                }
                return true;
        }
    }
    return false;
}

// Runs through unquoted fields to the next quoted one, the line end, or the
// end of the buffer. Staying in this loop across commas keeps the common
// record of plain fields out of the state machine.
void CsvReader::ScanUnquoted(CsvRecord& record) {
    // Kept in locals: the compiler cannot tell that writing an end leaves
    // the members alone.
    const char* const bytes = buffer_.get();
    const std::size_t end = end_;
    const std::size_t begin = begin_;
    const char separator = separator_;
    const bool keep = !tooLong_;
    std::size_t* ends = record.ends_.data();
    std::size_t count = record.fieldCount_;
    std::size_t room = record.ends_.size();
    const auto stop = [&](std::size_t at) {
        record.fieldCount_ = count;
        pos_ = at;
    };
    for (std::size_t block = pos_; block < end; block += kBlockBytes) {
        std::uint32_t hits = UnquotedEnds(bytes + block, separator);
        if (end - block < kBlockBytes) {
            hits &= (std::uint32_t{1} << (end - block)) - 1;  // bytes not read yet
        }
        while (hits != 0) {
            const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(hits));
            hits &= hits - 1;
            // Past the limit the record is too long and its fields go: their
            // ends are not kept, so a row of endless commas holds no more
            // than a row the limit allows.
            if (keep && at - begin <= maxRecordBytes_) {
                if (count == room) {
                    record.fieldCount_ = count;
                    MakeRoom(record);
                    ends = record.ends_.data();
                    room = record.ends_.size();
                }
                ends[count++] = at - begin;
            }
            const char c = bytes[at];
            if (c != separator) {
                stop(at + 1);
                recordEnd_ = at;
                if (c == '\n') {
                    record.lineEnd_ = LineEnd::Lf;
                } else {
                    state_ = State::AfterCr;
                }
                return;
            }
            if (at + 1 == end || bytes[at + 1] == '"') {
                stop(at + 1);
                state_ = State::FieldStart;
                return;
            }
        }
    }
    stop(end);
}

void CsvReader::MakeRoom(CsvRecord& record) {
    record.ends_.resize(std::max<std::size_t>(16, 2 * record.ends_.size()));
}

void CsvReader::AddFieldEnd(CsvRecord& record, std::size_t end) {
    if (record.fieldCount_ == record.ends_.size()) {
        MakeRoom(record);
    }
    record.ends_[record.fieldCount_++] = end;
}

CsvReader::Result CsvReader::Complete(CsvRecord& record) {
    if (tooLong_ || recordEnd_ - begin_ > maxRecordBytes_) {
        record.fieldCount_ = 0;
        return Result::TooLong;
    }
    record.raw_ = std::string_view(buffer_.get() + begin_, recordEnd_ - begin_);
    return Result::Record;
}

// The input has ended: whatever was scanned is the last record.
CsvReader::Result CsvReader::Finish(CsvRecord& record) {
    if (!tooLong_ && state_ == State::FieldStart && record.fieldCount_ == 0 && pos_ == begin_) {
        return Result::End;
    }
    if (state_ == State::AfterCr) {
        record.lineEnd_ = LineEnd::Cr;
    } else {
        record.quoteLeftOpen_ = state_ == State::Quoted;
        endsWithBreak_ = end_ > 0 && buffer_[end_ - 1] == '\n';
        EndField(record, end_);
        recordEnd_ = end_;
    }
    state_ = State::FieldStart;
    return Complete(record);
}

// Reads behind the bytes held, into room for a good share of the buffer;
// false at the end of the input or when it cannot be read. When less is left
// behind them, the record in progress is moved to the front, and the room
// grows when that is not enough. A record is moved at most once however few
// bytes a source (a pipe) brings a read: its start is at the front from then.
bool CsvReader::Fill() {
    if (atEnd_ || failed_) {
        return false;
    }
    const std::size_t wanted = std::min(kReadSize, capacity_ / 2);
    if (begin_ > 0 && capacity_ - end_ < wanted) {
        char* bytes = buffer_.get();
        std::memmove(bytes, bytes + begin_, end_ - begin_);
        pos_ -= begin_;
        end_ -= begin_;
        recordEnd_ -= std::min(recordEnd_, begin_);
        begin_ = 0;
    }
    if (capacity_ - end_ < wanted && capacity_ < fullCapacity_) {
        Grow();
    }
    const std::ptrdiff_t count = source_.Read(buffer_.get() + end_, capacity_ - end_);
    if (count < 0) {
        failed_ = true;
        return false;
    }
    if (count == 0) {
        atEnd_ = true;
        return false;
    }
    end_ += static_cast<std::size_t>(count);
    bytesRead_ += static_cast<std::uint64_t>(count);
    std::fill_n(buffer_.get() + end_, kBlockBytes, '\0');
    return true;
}

// Twice the room, up to the full, the bytes held kept where they were.
void CsvReader::Grow() {
    capacity_ = std::min(2 * capacity_, fullCapacity_);
    std::unique_ptr<char[]> bytes(new char[capacity_ + kBlockBytes]);
    std::copy_n(buffer_.get(), end_ + kBlockBytes, bytes.get());
    buffer_ = std::move(bytes);
}

void CsvReader::SkipByteOrderMark() {
    while (end_ < kByteOrderMark.size() && Fill()) {
    }
    const std::string_view start(buffer_.get(), std::min(end_, kByteOrderMark.size()));
    if (start == kByteOrderMark) {
        hadByteOrderMark_ = true;
        pos_ = kByteOrderMark.size();
    }
}

// Like the reader's, the room starts small and grows as the bytes come: a
// short file's output never needs the most it is given.
SinkBuffer::SinkBuffer(std::size_t capacity)
    : bytes_(new char[std::min(capacity, kFirstCapacity)]),
      capacity_(std::min(capacity, kFirstCapacity)) {}

char* SinkBuffer::Room(std::size_t size) {
    if (capacity_ - size_ < size) {
        const std::size_t capacity = std::max(2 * capacity_, size_ + size);
        std::unique_ptr<char[]> bytes(new char[capacity]);
        std::copy(bytes_.get(), bytes_.get() + size_, bytes.get());
        bytes_ = std::move(bytes);
        capacity_ = capacity;
    }
    return bytes_.get() + size_;
}

void SinkBuffer::Append(std::string_view bytes) {
    Commit(std::copy(bytes.begin(), bytes.end(), Room(bytes.size())));
}

char* WriteCsvField(char* out, std::string_view value, char separator) {
    // Copied as it stands while looking for the bytes that need quotes:
    // one pass for the fields, nearly all, that need none.
    const ByteSet& special = NeedQuotes(separator);
    bool needsQuotes = false;
    char* end = out;
    for (const char c : value) {
        needsQuotes |= special[static_cast<unsigned char>(c)];
        *end++ = c;
    }
    if (!needsQuotes) {
        return end;
    }
    *out++ = '"';
    for (const char c : value) {
        if (c == '"') {
            *out++ = '"';
        }
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

}  // namespace korvane
