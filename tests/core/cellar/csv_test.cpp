#include "core/cellar/csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_streams.h"

namespace korvane {
namespace {

// A record as the tests write it; a skipped over-long record reads as
// {"<too long>"}.
using Fields = std::vector<std::string>;
const Fields kTooLong{"<too long>"};

struct Reading {
    std::vector<Fields> records;
    std::vector<LineEnd> lineEnds;
    std::vector<bool> quoteLeftOpen;
    bool byteOrderMark = false;
    bool failed = false;
};

Reading ReadAll(const std::string& bytes, std::size_t piece, std::size_t maxBytes,
                std::size_t failAt = std::string::npos) {
    MemorySource source(bytes, piece, failAt);
    CsvReader reader(source, maxBytes);
    CsvRecord record;
    Reading reading;
    std::string scratch;
    for (;;) {
        const CsvReader::Result result = reader.Next(record);
        if (result == CsvReader::Result::End || result == CsvReader::Result::ReadFailed) {
            reading.failed = result == CsvReader::Result::ReadFailed;
            break;
        }
        Fields fields;
        for (std::size_t i = 0; i < record.FieldCount(); ++i) {
            fields.emplace_back(record.Field(i, scratch));
        }
        reading.records.push_back(result == CsvReader::Result::TooLong ? kTooLong : fields);
        reading.lineEnds.push_back(record.End());
        reading.quoteLeftOpen.push_back(record.QuoteLeftOpen());
    }
    reading.byteOrderMark = reader.HadByteOrderMark();
    return reading;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<Fields> records;
    std::size_t maxBytes = kMaxRecordBytes;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class CsvReading : public testing::TestWithParam<ReadCase> {};

// Every case is also fed in pieces of 1, 2, 3 and 5 bytes: a line end, a
// doubled quote or a byte order mark split between two reads reads the same.
TEST_P(CsvReading, GivesTheRecords) {
    const ReadCase& c = GetParam();
    for (const std::size_t piece :
         {std::size_t{1} << 20, std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5}}) {
        EXPECT_EQ(ReadAll(c.bytes, piece, c.maxBytes).records, c.records) << "piece " << piece;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvReading,
    testing::Values(
        ReadCase{"Lf", "a,b,c\n1,2,3\n", {{"a", "b", "c"}, {"1", "2", "3"}}},
        ReadCase{"CrLf", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        ReadCase{"LoneCr", "a,b\r1,2\r", {{"a", "b"}, {"1", "2"}}},
        ReadCase{"NoFinalLineEnd", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}}, ReadCase{"Empty", "", {}},
        ReadCase{"EmptyFields", ",,\n", {{"", "", ""}}},
        ReadCase{"CommaAtTheVeryEnd", "a,", {{"a", ""}}},
        ReadCase{"EmptyLineIsOneEmptyField", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
        ReadCase{"QuotedCommaAndLineBreak", "\"x, y\",\"one\ntwo\"\n", {{"x, y", "one\ntwo"}}},
        ReadCase{"QuotedCrLfKept", "\"a\r\nb\"\r\nc\r\n", {{"a\r\nb"}, {"c"}}},
        ReadCase{"DoubledQuotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", {{"say \"hi\"", "\""}}},
        ReadCase{"QuoteInsideUnquotedField", "ab\"c,d\n", {{"ab\"c", "d"}}},
        ReadCase{"TextAfterClosingQuote", "\"ab\"cd,e\n", {{"abcd", "e"}}},
        ReadCase{"ByteOrderMarkDropped",
                 "\xEF\xBB\xBF"
                 "a,b\n",
                 {{"a", "b"}}},
        ReadCase{"MarkElsewhereKept", "a,\xEF\xBB\xBF\n", {{"a", "\xEF\xBB\xBF"}}},
        ReadCase{"NonUtf8BytesKept", "\xFF\xFE,\x80q\"\n", {{"\xFF\xFE", "\x80q\""}}},
        ReadCase{"QuoteLeftOpenRunsToTheEnd", "a,\"bc\nd", {{"a", "bc\nd"}}},
        ReadCase{"LongRecordDropped", "short\n0123456789\nok\n", {{"short"}, kTooLong, {"ok"}}, 8},
        ReadCase{"RecordAtTheLimitKept", "12345678\r\nok\n", {{"12345678"}, {"ok"}}, 8},
        ReadCase{"LongQuotedRecordDroppedWhole", "\"0123\n456789\"\nok\n", {kTooLong, {"ok"}}, 8},
        ReadCase{"LongLastRecord", "ok\n0123456789", {{"ok"}, kTooLong}, 8},
        ReadCase{"LongRecordEndingInCr", "0123456789\rok\r", {kTooLong, {"ok"}}, 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvReader, TellsHowEachRecordEndsAndOfAByteOrderMark) {
    const Reading reading = ReadAll("\xEF\xBB\xBF\"a\"\r\nb\nc\r\"d", 1, kMaxRecordBytes);
    EXPECT_EQ(reading.lineEnds,
              (std::vector{LineEnd::CrLf, LineEnd::Lf, LineEnd::Cr, LineEnd::None}));
    EXPECT_EQ(reading.quoteLeftOpen, (std::vector{false, false, false, true}));
    EXPECT_TRUE(reading.byteOrderMark);
    EXPECT_FALSE(ReadAll("x\n", 1, kMaxRecordBytes).byteOrderMark);
}

TEST(CsvReader, ReadsARecordAgainWithAnotherSeparatorAndCountsLines) {
    MemorySource source("a;\"b\nc\";d,e\nf;g\n");
    CsvReader reader(source);
    CsvRecord record;
    std::string scratch;
    ASSERT_EQ(reader.Next(record), CsvReader::Result::Record);
    // With commas the quote is inside a field, and the line ends the record.
    EXPECT_EQ(record.Raw(), "a;\"b");
    ASSERT_EQ(reader.Reread(record, ';'), CsvReader::Result::Record);
    ASSERT_EQ(record.FieldCount(), 3U);
    EXPECT_EQ(record.Field(1, scratch), "b\nc");
    EXPECT_EQ(record.Field(2, scratch), "d,e");
    EXPECT_EQ(record.Line(), 1U);
    ASSERT_EQ(reader.Next(record), CsvReader::Result::Record);
    EXPECT_EQ(record.FieldCount(), 2U);
    EXPECT_EQ(record.Line(), 3U);  // the quoted line break was line 2's end
}

// A header is never read past the limit: an endless line must not be read
// to its end, which may never come.
TEST(CsvReader, StopsAtTheLimitWhenAskedTo) {
    MemorySource source(std::string(100, 'x') + "\nok\n", 10);
    CsvReader reader(source, 16);
    CsvRecord record;
    EXPECT_EQ(reader.Next(record, CsvReader::Overlong::Stop), CsvReader::Result::TooLong);
    EXPECT_LE(reader.BytesRead(), 40U);
}

TEST(CsvReader, SkipsARecordFarLongerThanItsBuffer) {
    const std::string huge(5 * kMaxRecordBytes, 'x');
    const Reading reading =
        ReadAll("a\n\"" + huge + "\n" + huge + "\"\nb\n", 4096, kMaxRecordBytes);
    EXPECT_EQ(reading.records, (std::vector<Fields>{{"a"}, kTooLong, {"b"}}));
}

// The reader looks at many bytes at once: a comma or a line end is found
// wherever it falls among them, and right at the end of what has been read.
TEST(CsvReader, FindsEveryFieldEndWhereverItFalls) {
    constexpr std::size_t kWidth = 40;
    std::string bytes;
    std::vector<Fields> expected;
    for (std::size_t at = 0; at <= kWidth; ++at) {
        const std::string left(at, 'a');
        const std::string right(kWidth - at, 'b');
        bytes.append(left).append(",").append(right);
        bytes += at % 3 == 0 ? "\r\n" : at % 3 == 1 ? "\n" : "\r";
        expected.push_back({left, right});
        // A quote right after the comma.
        bytes.append(left).append(",\"").append(right).append("\"\n");
        expected.push_back({left, right});
    }
    for (const std::size_t piece : {std::size_t{1} << 20, std::size_t{1}, std::size_t{7},
                                    std::size_t{16}, std::size_t{17}, std::size_t{31}}) {
        EXPECT_EQ(ReadAll(bytes, piece, kMaxRecordBytes).records, expected) << "piece " << piece;
    }
}

TEST(CsvReader, CountsTheFieldsOfARecordOfCommas) {
    const std::string commas(3000, ',');
    const Reading reading = ReadAll(commas + "\nx\n", 1 << 20, kMaxRecordBytes);
    ASSERT_EQ(reading.records.size(), 2U);
    EXPECT_EQ(reading.records[0], Fields(3001, ""));
    EXPECT_EQ(reading.records[1], Fields{"x"});
}

TEST(CsvRecord, GivesTheRawBytesOfItsFirstFields) {
    MemorySource source("a,\"b,\"\"c\",d\r\n");
    CsvReader reader(source);
    CsvRecord record;
    ASSERT_EQ(reader.Next(record), CsvReader::Result::Record);
    EXPECT_EQ(record.Raw(), "a,\"b,\"\"c\",d");
    EXPECT_EQ(record.RawFields(2), "a,\"b,\"\"c\"");
    EXPECT_EQ(record.RawFields(9), record.Raw());
    EXPECT_EQ(record.RawFields(0), "");
}

struct WriteCase {
    const char* name;
    std::string value;
    std::string written;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class CsvWriting : public testing::TestWithParam<WriteCase> {};

// Quoted only when needed, and what is written reads back as the same value.
TEST_P(CsvWriting, QuotesOnlyWhenNeededAndReadsBack) {
    EXPECT_EQ(CsvField(GetParam().value), GetParam().written);
    EXPECT_EQ(ReadAll(GetParam().written + ",end\n", 1, kMaxRecordBytes).records,
              (std::vector<Fields>{{GetParam().value, "end"}}));
}

INSTANTIATE_TEST_SUITE_P(Table, CsvWriting,
                         testing::Values(WriteCase{"Plain", "T-01 north", "T-01 north"},
                                         WriteCase{"Empty", "", ""},
                                         WriteCase{"Comma", "a,b", "\"a,b\""},
                                         WriteCase{"Quote", "say \"hi\"", "\"say \"\"hi\"\"\""},
                                         WriteCase{"Lf", "one\ntwo", "\"one\ntwo\""},
                                         WriteCase{"Cr", "one\rtwo", "\"one\rtwo\""},
                                         WriteCase{"NonUtf8", "\xFF\x80", "\xFF\x80"},
                                         WriteCase{"QuoteLast", "12 in\"", "\"12 in\"\"\""},
                                         WriteCase{"OnlyAQuote", "\"", "\"\"\"\""},
                                         WriteCase{"LeadingBlank", " 3.5", " 3.5"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SinkBuffer, KeepsWhatIsWrittenAndGrowsForWhatDoesNotFit) {
    SinkBuffer buffer(4);
    buffer.Append("abc");
    const std::string more(100, 'm');
    char* room = buffer.Room(more.size());
    buffer.Commit(std::copy(more.begin(), more.end(), room));
    EXPECT_EQ(buffer.Bytes(), "abc" + more);
    buffer.Clear();
    buffer.Append("z");
    EXPECT_EQ(buffer.Bytes(), "z");
}

}  // namespace
}  // namespace korvane
