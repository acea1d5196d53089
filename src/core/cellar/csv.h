// CSV as RFC 4180 writes it, read as a stream of records so that a file of
// any size passes through a buffer of fixed size. The separator is a comma,
// or whatever a spreadsheet chose (a semicolon, a tab). The reader is lenient
// where spreadsheets are sloppy (a lone LF or CR ends a record too, a quote
// inside an unquoted field is an ordinary character) and never looks at
// encodings: bytes that are not UTF-8 come out as they went in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Where a stream's bytes come from: a file, standard input, a test's string.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Up to `size` bytes into `buffer`; the count read, 0 at the end, or -1
    // when the bytes cannot be read.
    virtual std::ptrdiff_t Read(char* buffer, std::size_t size) = 0;
};

// Where a stream's bytes go.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // False when the bytes could not all be written.
    virtual bool Write(std::string_view bytes) = 0;
};

// UTF-8's byte order mark: skipped at the start of a file, and kept in front
// of what a batch writes when its input had one.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The limit below as people read it, "64 KiB".
std::string RecordLimitText();

// A record longer than this (line end not counted) is not kept: one runaway
// quote must not make the reader hold a whole file.
inline constexpr std::size_t kMaxRecordBytes = std::size_t{64} << 10;

enum class LineEnd { None, Lf, CrLf, Cr };

// One record as read. Its views point into the reader's buffer and are valid
// until the reader's next call.
class CsvRecord {
  public:
    std::size_t FieldCount() const { return fieldCount_; }
    // The field's value: enclosing quotes removed and doubled quotes made
    // single. An unquoted field is returned as it stands; a quoted one is
    // decoded into `scratch`.
    std::string_view Field(std::size_t index, std::string& scratch) const {
        const std::string_view raw = RawField(index);
        return raw.empty() || raw.front() != '"' ? raw : Unquoted(raw, scratch);
    }
    // The record's bytes as they stand in the input, without the line end.
    std::string_view Raw() const { return raw_; }
    // The bytes of the first `count` fields and the commas between them.
    std::string_view RawFields(std::size_t count) const;
    LineEnd End() const { return lineEnd_; }
    // The input ended inside a quoted field.
    bool QuoteLeftOpen() const { return quoteLeftOpen_; }
    // The line of the input the record starts on, from 1, and the one it
    // ends on (later where quotes hold line breaks).
    std::uint64_t Line() const { return line_; }
    std::uint64_t LastLine() const { return lastLine_; }

  private:
    friend class CsvReader;
    std::string_view RawField(std::size_t index) const {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1] + 1;
        return {raw_.data() + begin, ends_[index] - begin};
    }
    static std::string_view Unquoted(std::string_view raw, std::string& scratch);

    std::string_view raw_;
    // Where each field ends, from the record's start: the first fieldCount_
    // entries. The room stays from record to record.
    std::vector<std::size_t> ends_;
    std::size_t fieldCount_ = 0;
    LineEnd lineEnd_ = LineEnd::None;
    bool quoteLeftOpen_ = false;
    std::uint64_t line_ = 0;
    std::uint64_t lastLine_ = 0;
};

class CsvReader {
  public:
    enum class Result {
        Record,      // a record was read
        TooLong,     // a record over the limit was skipped; the record holds no fields
        End,         // no more records
        ReadFailed,  // the source failed
    };

    explicit CsvReader(ByteSource& source, std::size_t maxRecordBytes = kMaxRecordBytes);

    // What a record over the limit does: it is skipped to its end, so that
    // the next one can be read, or it stops the reading at once, as a header
    // must (a header with no line end would otherwise be read to the end of
    // an endless input).
    enum class Overlong { Skip, Stop };

    Result Next(CsvRecord& record, Overlong overlong = Overlong::Skip);
    // Reads the record just read once more, with another separator.
    Result Reread(CsvRecord& record, char separator);
    char Separator() const { return separator_; }
    // The input began with a UTF-8 byte order mark, which no record holds.
    bool HadByteOrderMark() const { return hadByteOrderMark_; }
    // Bytes taken from the source so far.
    std::uint64_t BytesRead() const { return bytesRead_; }

  private:
    enum class State { FieldStart, Unquoted, Quoted, QuotedQuote, AfterCr };

    Result ReadRecord(CsvRecord& record, Overlong overlong);
    bool Scan(CsvRecord& record);
    void ScanUnquoted(CsvRecord& record);
    void EndField(CsvRecord& record, std::size_t at) {
        if (!tooLong_) {
            AddFieldEnd(record, at - begin_);
        }
    }
    static void AddFieldEnd(CsvRecord& record, std::size_t end);
    static void MakeRoom(CsvRecord& record);
    Result Complete(CsvRecord& record);
    Result Finish(CsvRecord& record);
    bool Fill();
    void Grow();
    void SkipByteOrderMark();

    ByteSource& source_;
    std::size_t maxRecordBytes_;
    std::size_t fullCapacity_;  // a record at its longest and a whole read
    std::size_t capacity_;      // the room for now, which grows to the full
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;          // the current record's first byte
    std::size_t pos_ = 0;            // the next byte to scan
    std::size_t end_ = 0;            // one past the last byte read
    std::size_t recordEnd_ = 0;      // where the line end begins, once it is seen
    std::uint64_t line_ = 1;         // the line of the next record
    std::uint64_t quotedLines_ = 0;  // line breaks inside the current record's quotes
    char separator_ = ',';
    State state_ = State::FieldStart;
    bool tooLong_ = false;
    bool atEnd_ = false;
    bool failed_ = false;
    bool started_ = false;
    bool hadByteOrderMark_ = false;
    bool endsWithBreak_ = false;  // the input's last byte is a line feed
    std::uint64_t bytesRead_ = 0;
};

// Bytes gathered for a sink and handed on in large pieces. A writer asks for
// room first and writes through a pointer, so a row costs no checks byte by
// byte.
class SinkBuffer {
  public:
    // Room for `capacity` bytes at most before they are handed on, taken
    // as they come.
    explicit SinkBuffer(std::size_t capacity);

    // Where `size` more bytes can go; the room grows when they do not fit.
    char* Room(std::size_t size);
    // The bytes up to `end`, from the last Room(), are written.
    void Commit(const char* end) { size_ = static_cast<std::size_t>(end - bytes_.get()); }
    void Append(std::string_view bytes);

    std::size_t Size() const { return size_; }
    std::string_view Bytes() const { return {bytes_.get(), size_}; }
    void Clear() { size_ = 0; }

  private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_;
};

// Writes `value` as one field at `out`, quoted only when it holds the
// separator, a quote or a line break, and returns where it ends, having
// written at most MaxCsvFieldBytes(value).
char* WriteCsvField(char* out, std::string_view value, char separator = ',');

constexpr std::size_t MaxCsvFieldBytes(std::string_view value) {
    return 2 * value.size() + 2;
}

}  // namespace korvane
