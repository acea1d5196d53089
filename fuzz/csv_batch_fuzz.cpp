// Any bytes as a cellar file through the batch: either a header problem,
// found before anything is written, or one output row for every row read,
// each as wide as the header plus the result columns; the same bytes give
// the same output however the source hands them out, whatever separator and
// encoding the batch finds; and a file far longer than a row passes through
// the reader without it holding more than a row at its longest plus a fixed
// amount (on the kept inputs, where they run as tests).
//
// Rows are counted here with a splitter of our own that follows the rules
// csv.h states (quotes, lone LF or CR, CRLF, a leading byte order mark), so
// the count does not take the reader's word for where a row ends. It splits
// at commas, so for the count the batch is told the separator.
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cellar/cellar_batch.h"
#include "core/cellar/csv.h"

// The sanitizers' own count of the heap in use; absent from a plain build,
// where glibc's count stands in.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

using namespace korvane;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The most the reader may hold: a row at its longest, where each of that
// row's fields ends (a row of commas has a field for every byte, and a
// growing list may take twice the room it uses), and a fixed amount for its
// read-ahead and the small change of a few allocations.
constexpr std::size_t kHeapBound =
    kMaxRecordBytes + 2 * sizeof(std::size_t) * (kMaxRecordBytes + 1) + (std::size_t{256} << 10);

// Longer than that bound, so that a reader keeping what it has read would
// be past it.
constexpr std::size_t kLongFileBytes = std::size_t{2} << 20;
// The most the reader asks for in one read, at least.
constexpr std::size_t kTileBytes = std::size_t{64} << 10;
// Enough short rows to show memory that grows row by row.
constexpr std::uint64_t kLongFileRecords = 20000;

// Built to run the kept inputs as tests, rather than to fuzz.
#ifdef KORVANE_FUZZ_REPLAY
constexpr bool kReplay = true;
#else
constexpr bool kReplay = false;
#endif

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::size_t HeapInUse() {
    if (__sanitizer_get_current_allocated_bytes != nullptr) {
        return __sanitizer_get_current_allocated_bytes();
    }
    return mallinfo2().uordblks;
}

// The highest heap use seen since the watch began, sampled whenever bytes
// come in or go out, less what the harness keeps itself (the output it
// checks afterwards).
class HeapWatch {
  public:
    explicit HeapWatch(const std::string* ours = nullptr) : ours_(ours), base_(HeapInUse()) {}
    void Sample() {
        const std::size_t kept = ours_ != nullptr ? ours_->capacity() + 1 : 0;
        const std::size_t used = HeapInUse();
        peak_ = std::max(peak_, used > kept ? used - kept : 0);
    }
    std::size_t Growth() const { return peak_ > base_ ? peak_ - base_ : 0; }

  private:
    const std::string* ours_;
    std::size_t base_;
    std::size_t peak_ = 0;
};

// Hands out `head` once and then `body` over and over, in reads of at most
// `piece` bytes, up to `total` bytes, holding none of it itself.
class PatternSource : public ByteSource {
  public:
    PatternSource(std::string_view head, std::string_view body, std::size_t total,
                  std::size_t piece, HeapWatch& watch)
        : head_(head), body_(body), total_(total), piece_(piece), watch_(watch) {}

    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        // Asking the allocator costs more than a small read: a look every
        // few KiB still sees any holding that matters.
        if (served_ >= nextLook_) {
            watch_.Sample();
            nextLook_ = served_ + kLookEvery;
        }
        std::size_t count = std::min({size, piece_, total_ - served_});
        for (std::size_t done = 0; done < count;) {
            const bool inHead = served_ + done < head_.size();
            const std::string_view from =
                inHead ? head_.substr(served_ + done)
                       : body_.substr((served_ + done - head_.size()) % body_.size());
            const std::size_t n = std::min(count - done, from.size());
            from.copy(buffer + done, n);
            done += n;
        }
        served_ += count;
        return static_cast<std::ptrdiff_t>(count);
    }

  private:
    std::string_view head_;
    std::string_view body_;
    std::size_t total_;
    std::size_t piece_;
    static constexpr std::size_t kLookEvery = 4096;

    HeapWatch& watch_;
    std::size_t served_ = 0;
    std::size_t nextLook_ = 0;
};

class StringSink : public ByteSink {
  public:
    StringSink(std::string& bytes, HeapWatch& watch) : bytes_(bytes), watch_(watch) {}
    bool Write(std::string_view bytes) override {
        watch_.Sample();
        bytes_ += bytes;
        return true;
    }

  private:
    std::string& bytes_;
    HeapWatch& watch_;
};

// A record as the rules in csv.h cut it: where its bytes lie, line end not
// counted, and where each field ends.
struct Record {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::vector<std::size_t> fieldEnds;
    bool quoteLeftOpen = false;

    std::size_t Size() const { return end - begin; }
};

std::vector<Record> Split(std::string_view bytes) {
    enum class State { FieldStart, Unquoted, Quoted, QuotedQuote };
    std::vector<Record> records;
    std::size_t pos = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark ? 3 : 0;
    Record record;
    record.begin = pos;
    State state = State::FieldStart;
    while (pos < bytes.size()) {
        const char c = bytes[pos++];
        if ((state == State::FieldStart || state == State::QuotedQuote) && c == '"') {
            state = State::Quoted;
            continue;
        }
        if (state == State::Quoted) {
            state = c == '"' ? State::QuotedQuote : State::Quoted;
            continue;
        }
        state = State::Unquoted;  // a byte after a closing quote stands as it is
        if (c == ',') {
            record.fieldEnds.push_back(pos - 1);
            state = State::FieldStart;
        } else if (c == '\n' || c == '\r') {
            record.fieldEnds.push_back(pos - 1);
            record.end = pos - 1;
            if (c == '\r' && pos < bytes.size() && bytes[pos] == '\n') {
                ++pos;
            }
            records.push_back(std::move(record));
            record = Record();
            record.begin = pos;
            state = State::FieldStart;
        }
    }
    if (record.begin < bytes.size()) {
        record.fieldEnds.push_back(bytes.size());
        record.end = bytes.size();
        record.quoteLeftOpen = state == State::Quoted;
        records.push_back(std::move(record));
    }
    return records;
}

std::string_view FieldOf(std::string_view bytes, const Record& record, std::size_t index) {
    const std::size_t begin = index == 0 ? record.begin : record.fieldEnds[index - 1] + 1;
    return bytes.substr(begin, record.fieldEnds[index] - begin);
}

struct BatchRun {
    std::optional<HeaderProblem> problem;
    BatchEnd end = BatchEnd::Done;
    std::string output;
    BatchCounts counts;
    std::size_t heapGrowth = 0;
    TextEncoding encoding = TextEncoding::Utf8;
    std::string stop;  // why the run stopped, when it did
};

// Every column a file may lack, given, so that most headers are good.
BatchSettings Settings(std::optional<char> separator, bool columnsWin) {
    BatchSettings settings;
    const std::pair<DoseColumn, const char*> given[] = {
        {DoseColumn::Ph, "3.5"},          {DoseColumn::FreeSO2, "10"},
        {DoseColumn::BatchSize, "23"},    {DoseColumn::Unit, "litres"},
        {DoseColumn::TargetKind, "free"}, {DoseColumn::Target, "40"}};
    for (const auto& [column, text] : given) {
        settings.given[Index(column)] = text;
    }
    // Mostly as over the page's form; else an option and a column for one
    // value stop the batch, as on the command line.
    settings.columnsWinOverGiven = columnsWin;
    settings.separator = separator;
    return settings;
}

BatchRun RunBatch(std::string_view input, std::size_t piece, std::optional<char> separator) {
    BatchRun run;
    HeapWatch watch(&run.output);
    // Room for most outputs at once, as every allocation costs under the
    // sanitizers; after the watch begins, which counts it as ours.
    run.output.reserve(2 * input.size() + 1024);
    {
        PatternSource source(input, {}, input.size(), piece, watch);
        StringSink sink(run.output, watch);
        CellarBatch batch(source, Settings(separator, input.size() % 4 != 0));
        run.problem = batch.ReadHeader();
        if (!run.problem) {
            run.end = batch.Run(sink);
            run.counts.rows = batch.Counts().rows;  // all that is checked
            run.counts.ok = batch.Counts().ok;
            run.encoding = batch.Encoding();
            run.stop = run.end == BatchEnd::Stopped ? batch.StopMessage() : "";
        }
        watch.Sample();
    }
    run.heapGrowth = watch.Growth();
    return run;
}

// Reads of 1 to 7 bytes cut a file wherever a cut can matter (inside a
// UTF-8 sequence, between CR and LF, by a quote) at the price of a read for
// every few bytes. A longer input mostly comes in reads of a few hundred
// bytes, cut at as many kinds of place over many inputs, and one in eight
// in tiny ones.
std::size_t PieceSize(std::size_t size) {
    const std::size_t tiny = 1 + size % 7;
    return size <= 512 || size % 8 == 0 ? tiny : 200 + 31 * tiny;
}

bool Same(const std::optional<HeaderProblem>& a, const std::optional<HeaderProblem>& b) {
    return a.has_value() == b.has_value() && (!a || (a->kind == b->kind && a->column == b->column));
}

// What a header problem may be, given where the file's rows lie.
void CheckHeaderProblem(const HeaderProblem& problem, const Record* header) {
    using Kind = HeaderProblem::Kind;
    Require(problem.kind != Kind::Unreadable);
    if (header == nullptr) {
        Require(problem.kind == Kind::NoHeader);
    } else if (header->Size() > kMaxRecordBytes) {
        Require(problem.kind == Kind::HeaderTooLong);
    } else if (header->fieldEnds.size() > kMaxColumns) {
        Require(problem.kind == Kind::TooManyColumns);
    } else {
        // Every column is given, so only the header's own cells can clash:
        // with each other, with a given value, by their units and bracket
        // words, by the target's kind, as a result column or as an input no
        // name reads.
        Require(problem.kind == Kind::ColumnTwice || problem.kind == Kind::GivenTwice ||
                problem.kind == Kind::UnitTwice || problem.kind == Kind::UnitUnknown ||
                problem.kind == Kind::UnitInHeaderAndColumn ||
                problem.kind == Kind::NotMgPerLitre || problem.kind == Kind::BracketWord ||
                problem.kind == Kind::TargetKindTwice ||
                problem.kind == Kind::TargetKindDisagrees || problem.kind == Kind::ResultColumn ||
                problem.kind == Kind::UnreadInput);
    }
}

void CheckOutput(std::string_view input, const Record& header, std::size_t rows,
                 const BatchRun& run) {
    Require(run.end == BatchEnd::Done);
    Require(run.counts.rows == rows);

    // The header as it was, the result columns after it.
    const bool hadMark = input.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    std::string head(hadMark ? kByteOrderMark : "");
    head += input.substr(header.begin, header.Size());
    for (const char* name : kResultColumnNames) {
        head += ',';
        head += name;
    }
    const std::string_view output = run.output;
    Require(output.substr(0, head.size()) == head);
    // A file with a column of the wine's (total SO2, sugar...) has the wine's
    // figures after the others.
    std::size_t wineColumns = 0;
    if (output.substr(head.size()).starts_with(std::string(",") + kWineResultColumnNames[0])) {
        wineColumns = kWineResultColumnNames.size();
    }

    const std::vector<Record> out = Split(output);
    Require(out.size() == rows + 1);
    const std::size_t width = header.fieldEnds.size() + kResultColumnNames.size() + wineColumns;
    std::uint64_t ok = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i].quoteLeftOpen) {
            Require(i + 1 == out.size());  // it runs to the end, so only the last can
            break;
        }
        Require(out[i].fieldEnds.size() == width);
        if (i == 0) {
            continue;
        }
        const std::string_view status = FieldOf(output, out[i], width - 2 - wineColumns);
        Require(status == "ok" || status == "error" || status == "question" ||
                status == "no_addition" || status == "blank");
        ok += status == "ok" ? 1 : 0;
    }
    Require(run.counts.ok == ok);  // a row whose quote is left open is an error row
}

// The reader alone over a file far longer than its longest row, made of the
// input again and again. It takes a hundred inputs' time, so it runs where
// the kept inputs run as tests, each of them through it, and not while
// fuzzing: a reader that keeps what it read shows on any of them.
void CheckLongFile(std::string_view input) {
    if (input.empty()) {
        return;
    }
    // The input repeated to a read's length, so that a read is one or two
    // copies however short the input; made before the watch begins.
    std::string tile;
    while (tile.size() < kTileBytes) {
        tile += input;
    }
    HeapWatch watch;
    std::uint64_t records = 0;
    {
        PatternSource source({}, tile, kLongFileBytes, kLongFileBytes, watch);
        CsvReader reader(source);
        CsvRecord record;
        for (; records < kLongFileRecords; ++records) {
            const CsvReader::Result result = reader.Next(record);
            if (result == CsvReader::Result::End) {
                Require(reader.BytesRead() == kLongFileBytes);
                break;
            }
            Require(result != CsvReader::Result::ReadFailed);
        }
        watch.Sample();
    }
    Require(records > 0);
    Require(watch.Growth() <= kHeapBound);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The same bytes in one read and in pieces give the same answer, with
    // the separator found or given. While fuzzing, one input in three, by
    // its length, has it found and the rest are told commas, which lets
    // their rows be counted below; the kept inputs, run as tests, go both
    // ways, the commas last.
    const bool commas = kReplay || size % 3 != 0;
    const bool find = kReplay || !commas;
    BatchRun whole;
    for (const std::optional<char> separator : {std::optional<char>(), std::optional<char>(',')}) {
        if (separator ? !commas : !find) {
            continue;
        }
        whole = RunBatch(input, size + 1, separator);
        const BatchRun pieces = RunBatch(input, PieceSize(size), separator);
        Require(Same(whole.problem, pieces.problem));
        Require(whole.end == pieces.end && whole.output == pieces.output);
        Require(whole.counts.rows == pieces.counts.rows && whole.counts.ok == pieces.counts.ok);
        Require(std::max(whole.heapGrowth, pieces.heapGrowth) <= kHeapBound);
    }
    if (kReplay) {
        CheckLongFile(input);
    }
    // UTF-16 is read through a decoder, which the splitter here does not
    // copy: its rows are not counted.
    if (!commas || input.starts_with("\xFF\xFE") || input.starts_with("\xFE\xFF")) {
        return 0;
    }

    const std::vector<Record> records = Split(input);
    const auto isRow = [](const Record& r) { return r.Size() > 0; };
    const auto header = std::find_if(records.begin(), records.end(), isRow);
    if (whole.problem) {
        // Nothing is written for a file whose header is not good.
        Require(whole.output.empty());
        CheckHeaderProblem(*whole.problem, header == records.end() ? nullptr : &*header);
    } else {
        Require(header != records.end() && header->Size() <= kMaxRecordBytes);
        const auto rows = static_cast<std::size_t>(std::count_if(header + 1, records.end(), isRow));
        // A file that ends its header with the program's results has them
        // replaced; the output is checked on the others.
        const std::size_t cells = header->fieldEnds.size();
        bool readBack = cells >= kResultColumnNames.size();
        for (std::size_t i = 0; readBack && i < kResultColumnNames.size(); ++i) {
            const std::size_t at = cells - kResultColumnNames.size() + i;
            readBack = TrimBlanks(FieldOf(input, *header, at)) == kResultColumnNames[i] ||
                       FieldOf(input, *header, at).find('"') != std::string_view::npos;
        }
        // A file that cannot be read right (a quote that never closes,
        // decimal marks mixed, text that stops being UTF-8) stops with its
        // reason; one read as Windows-1252 comes out as UTF-8, which the
        // splitter here does not make.
        if (whole.end == BatchEnd::Stopped) {
            Require(!whole.stop.empty());
        } else if (!readBack && whole.encoding != TextEncoding::Windows1252) {
            CheckOutput(input, *header, rows, whole);
        }
    }
    return 0;
}
