#include "core/csv.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace korvane {
namespace {

// Room for one record at its longest plus one read of this size, so that a
// record in progress is moved to the front at most once per read.
constexpr std::size_t kReadSize = std::size_t{64} << 10;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Byte classes, looked up rather than compared: the scan of unquoted bytes
// is the reader's innermost loop.
using ByteSet = std::array<bool, 256>;

constexpr ByteSet MakeByteSet(std::string_view members) {
    ByteSet set{};
    for (const char c : members) {
        set[static_cast<unsigned char>(c)] = true;
    }
    return set;
}

constexpr ByteSet kUnquotedEnds = MakeByteSet(",\r\n");
constexpr ByteSet kNeedQuotes = MakeByteSet(",\"\r\n");

bool IsIn(const ByteSet& set, char c) {
    return set[static_cast<unsigned char>(c)];
}

}  // namespace

std::string_view LineEndText(LineEnd lineEnd) {
    switch (lineEnd) {
        case LineEnd::CrLf:
            return "\r\n";
        case LineEnd::Cr:
            return "\r";
        case LineEnd::Lf:
        case LineEnd::None:
            break;
    }
    return "\n";
}

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
    count = std::min(count, ends_.size());
    return count == 0 ? std::string_view() : raw_.substr(0, ends_[count - 1]);
}

CsvReader::CsvReader(ByteSource& source, std::size_t maxRecordBytes)
    : source_(source),
      maxRecordBytes_(maxRecordBytes),
      buffer_(new char[maxRecordBytes + kReadSize]),
      capacity_(maxRecordBytes + kReadSize) {}

CsvReader::Result CsvReader::Next(CsvRecord& record) {
    record.ends_.clear();
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
    for (;;) {
        if (Scan(record)) {
            return Complete(record);
        }
        if (!tooLong_ &&
            (state_ == State::AfterCr ? recordEnd_ : pos_) - begin_ > maxRecordBytes_) {
            tooLong_ = true;
            record.ends_.clear();
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
                pos_ = quote == nullptr ? end_ : static_cast<const char*>(quote) - bytes + 1;
                if (quote != nullptr) {
                    state_ = State::QuotedQuote;
                }
                break;
            }
            case State::QuotedQuote:
                // A doubled quote stands for one; any other byte follows a
                // closing quote.
                if (bytes[pos_] == '"') {
                    ++pos_;
                    state_ = State::Quoted;
                } else {
                    state_ = State::Unquoted;
                }
                break;
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
    const char* bytes = buffer_.get();
    for (std::size_t at = pos_; at < end_; ++at) {
        const char c = bytes[at];
        if (!IsIn(kUnquotedEnds, c)) {
            continue;
        }
        EndField(record, at);
        pos_ = at + 1;
        if (c != ',') {
            recordEnd_ = at;
            if (c == '\n') {
                record.lineEnd_ = LineEnd::Lf;
            } else {
                state_ = State::AfterCr;
            }
            return;
        }
        if (pos_ == end_ || bytes[pos_] == '"') {
            state_ = State::FieldStart;
            return;
        }
    }
    pos_ = end_;
}

void CsvReader::EndField(CsvRecord& record, std::size_t at) {
    if (!tooLong_) {
        record.ends_.push_back(at - begin_);
    }
}

CsvReader::Result CsvReader::Complete(CsvRecord& record) {
    if (tooLong_ || recordEnd_ - begin_ > maxRecordBytes_) {
        record.ends_.clear();
        return Result::TooLong;
    }
    record.raw_ = std::string_view(buffer_.get() + begin_, recordEnd_ - begin_);
    return Result::Record;
}

// The input has ended: whatever was scanned is the last record.
CsvReader::Result CsvReader::Finish(CsvRecord& record) {
    if (!tooLong_ && state_ == State::FieldStart && record.ends_.empty() && pos_ == begin_) {
        return Result::End;
    }
    if (state_ == State::AfterCr) {
        record.lineEnd_ = LineEnd::Cr;
    } else {
        record.quoteLeftOpen_ = state_ == State::Quoted;
        EndField(record, end_);
        recordEnd_ = end_;
    }
    state_ = State::FieldStart;
    return Complete(record);
}

// Moves the record in progress to the front and reads behind it; false at
// the end of the input or when it cannot be read.
bool CsvReader::Fill() {
    if (atEnd_ || failed_) {
        return false;
    }
    if (begin_ > 0) {
        char* bytes = buffer_.get();
        std::memmove(bytes, bytes + begin_, end_ - begin_);
        pos_ -= begin_;
        end_ -= begin_;
        recordEnd_ -= std::min(recordEnd_, begin_);
        begin_ = 0;
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
    return true;
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

char* WriteCsvField(char* out, std::string_view value) {
    if (std::none_of(value.begin(), value.end(), [](char c) { return IsIn(kNeedQuotes, c); })) {
        return std::copy(value.begin(), value.end(), out);
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

void AppendCsvField(std::string& out, std::string_view value) {
    const std::size_t start = out.size();
    out.resize(start + MaxCsvFieldBytes(value));
    const char* end = WriteCsvField(out.data() + start, value);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace korvane
