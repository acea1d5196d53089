#include "core/cellar/cellar_batch.h"
#include "core/cellar/batch_report.h"
#include "core/rules/blanks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "memory_streams.h"

namespace korvane {
namespace {

struct BatchRun {
    std::optional<HeaderProblem> problem;
    BatchEnd end = BatchEnd::Done;
    std::string output;
    BatchCounts counts;
    std::string stop;  // why the run stopped, if it did
};

BatchRun RunBatch(const std::string& input, const BatchSettings& settings = {},
                  MemorySink sink = MemorySink(), std::size_t failAt = std::string::npos) {
    MemorySource source(input, 4096, failAt);
    CellarBatch batch(source, settings);
    BatchRun run;
    run.problem = batch.ReadHeader();
    if (!run.problem) {
        run.end = batch.Run(sink);
        run.output = sink.Bytes();
        run.counts = batch.Counts();
        run.stop = run.end == BatchEnd::Stopped ? batch.StopMessage() : "";
    }
    return run;
}

// The output's rows as named fields.
std::vector<std::map<std::string, std::string>> OutputRows(const std::string& output) {
    MemorySource source(output);
    CsvReader reader(source);
    CsvRecord record;
    std::string scratch;
    std::vector<std::string> names;
    reader.Next(record);
    for (std::size_t i = 0; i < record.FieldCount(); ++i) {
        names.emplace_back(record.Field(i, scratch));
    }
    std::vector<std::map<std::string, std::string>> rows;
    while (reader.Next(record) == CsvReader::Result::Record) {
        auto& row = rows.emplace_back();
        for (std::size_t i = 0; i < record.FieldCount() && i < names.size(); ++i) {
            row[names[i]] = record.Field(i, scratch);
        }
    }
    return rows;
}

struct HeaderCase {
    const char* name;
    std::string input;
    std::optional<HeaderProblem::Kind> kind;
    std::optional<DoseColumn> column = std::nullopt;
    BatchSettings settings = {};
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << c.name;
}

class BatchHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(BatchHeader, IsCheckedBeforeAnyRow) {
    const HeaderCase& c = GetParam();
    const BatchRun run = RunBatch(c.input, c.settings);
    ASSERT_EQ(run.problem.has_value(), c.kind.has_value());
    if (c.kind) {
        EXPECT_EQ(run.problem->kind, *c.kind);
        EXPECT_EQ(run.problem->column, c.column);
    }
}

using Kind = HeaderProblem::Kind;

constexpr char kComplete[] = "ph,free_so2,batch_size,unit,target,target_kind";

BatchSettings Given(std::initializer_list<std::pair<DoseColumn, const char*>> values,
                    bool targetGivenWithKind = false) {
    BatchSettings settings;
    for (const auto& [column, text] : values) {
        settings.given[Index(column)] = text;
    }
    settings.targetGivenWithKind = targetGivenWithKind;
    return settings;
}

// A target of 40 mg/L free SO2 given with its kind, as --target does.
const BatchSettings kTargetGiven =
    Given({{DoseColumn::Target, "40"}, {DoseColumn::TargetKind, "free"}}, true);

const HeaderCase kHeaderRows[] = {
    {"Complete", std::string(kComplete) + "\n", std::nullopt},
    {"AsPeopleWriteThem", " Target,FREE_SO2 ,pH,tank,Free-SO2x,Batch Size,Units,Target Kind\n",
     std::nullopt},
    {"OtherNamesAndAUnitInTheHeader", "pH,fso2 (mg/L),Volume (hL),target (mg/L)\n", std::nullopt,
     DoseColumn::Ph, Given({{DoseColumn::TargetKind, "free"}})},
    {"AfterEmptyLines", std::string("\n\n") + kComplete + "\n", std::nullopt},
    {"OneColumnAndTheOthersGiven", "free_so2\n", std::nullopt, std::nullopt,
     Given({{DoseColumn::Ph, "3.5"},
            {DoseColumn::BatchSize, "23"},
            {DoseColumn::Unit, "litres"},
            {DoseColumn::TargetKind, "free"},
            {DoseColumn::Target, "40"}},
           true)},
    {"NoBytes", "", Kind::NoHeader},
    {"OnlyEmptyLines", "\n\r\n\n", Kind::NoHeader},
    {"NoPh", "free_so2,batch_size,unit,target,target_kind\n", Kind::MissingColumn, DoseColumn::Ph},
    {"NoFreeSO2", "ph,batch_size,unit,target,target_kind\n", Kind::MissingColumn,
     DoseColumn::FreeSO2},
    {"NoBatchSize", "ph,free_so2,unit,target,target_kind\n", Kind::MissingColumn,
     DoseColumn::BatchSize},
    {"NoUnit", "ph,free_so2,Volume,target,target_kind\n", Kind::MissingColumn, DoseColumn::Unit},
    {"NoTarget", "ph,free_so2,batch_size,unit,target_kind\n", Kind::MissingColumn,
     DoseColumn::Target},
    {"TargetWithoutKind", "ph,free_so2,batch_size,unit,target\n", Kind::TargetWithoutKind,
     DoseColumn::TargetKind},
    {"TargetAlsoGiven", std::string(kComplete) + "\n", Kind::TargetTwice, DoseColumn::Target,
     kTargetGiven},
    {"TargetKindAlsoGiven", "ph,free_so2,batch_size,unit,target_kind\n", Kind::TargetTwice,
     DoseColumn::TargetKind, kTargetGiven},
    {"Twice", "ph,free_so2,Unit,batch_size,target,unit,target_kind\n", Kind::ColumnTwice,
     DoseColumn::Unit},
    {"TwiceByAnotherName", std::string(kComplete) + ",fso2\n", Kind::ColumnTwice,
     DoseColumn::FreeSO2},
    {"UnitsDisagree", "ph,free_so2,Volume (L),target,target_kind\n", Kind::UnitTwice,
     DoseColumn::Unit, Given({{DoseColumn::Unit, "hl"}})},
    {"BareGallon", "ph,free_so2,Volume (gal),target,target_kind\n", Kind::UnitUnknown,
     DoseColumn::Unit},
    {"WordsInBracketsThatFit", "pH (measured),Free SO2 (mg / L; libre),Volume (L),Target (free)\n",
     std::nullopt},
    {"TargetKindInItsHeaderAndAColumn",
     "ph,Free SO2 (mg / L),Volume (L),Target (free),target_kind\n", Kind::TargetKindTwice,
     DoseColumn::TargetKind},
    // Spreadsheets in the six languages, each needing nothing given.
    {"French", "Cuve;pH;SO2 libre (mg/L);Volume (hL);SO2 libre visé (mg/L)\n", std::nullopt},
    {"Italian", "Vasca;pH;SO2 libera (mg/L);Volume (hL);SO2 molecolare obiettivo\n", std::nullopt},
    {"Spanish", "Depósito;pH;SO2 libre (mg/L);Volumen (L);Objetivo (molecular)\n", std::nullopt},
    {"German", "Tank;pH-Wert;Freie SO2 (mg/L);Menge (hL);Zielwert (frei)\n", std::nullopt},
    {"Portuguese", "Depósito;pH;SO2 livre (mg/L);Volume (L);SO2 livre alvo (mg/L)\n", std::nullopt},
    // What the target's header says of its kind against what is given.
    {"TargetKindDisagrees", "ph,free_so2,Volume (L),Target (molecular)\n",
     Kind::TargetKindDisagrees, DoseColumn::TargetKind, Given({{DoseColumn::TargetKind, "free"}})},
    {"TargetKindAgrees", "ph,free_so2,Volume (L),Target (molecular)\n", std::nullopt, std::nullopt,
     Given({{DoseColumn::TargetKind, "Molecular"}})},
    {"FreeAndMolecularTargets", "ph,free_so2,Volume (L),Target free SO2,Target molecular SO2\n",
     Kind::ColumnTwice, DoseColumn::Target},
    {"TargetNameAndBracketsDisagree", "ph,free_so2,Volume (L),Target free SO2 (molecular)\n",
     Kind::BracketWord, DoseColumn::Target},
    {"TargetGivenWithAKindAndATargetInTheHeader", "ph,free_so2,Volume (L),Target free SO2 (mg/L)\n",
     Kind::TargetTwice, DoseColumn::Target, kTargetGiven},
    // SO2 in units that are not mg/L, and words that fit no column.
    {"SO2InMillimoles", "ph,Free SO2 (mmol/L),Volume (L),Target (free)\n", Kind::BracketWord,
     DoseColumn::FreeSO2},
    {"SO2InGramsInSquareBrackets", "ph,SO2 libre [g/L],Volume (L),Target (free)\n",
     Kind::NotMgPerLitre, DoseColumn::FreeSO2},
    // A column no name reads that plainly holds an input.
    {"UnreadSO2AndTheOptionGiven", "ph,SO2 au labo,Volume (L),Target (free)\n", Kind::UnreadInput,
     DoseColumn::FreeSO2, Given({{DoseColumn::FreeSO2, "12"}})},
    {"UnreadTargetAndTheTargetGiven", "ph,free_so2,Volume (L),Ziel neu\n", Kind::UnreadInput,
     DoseColumn::Target, kTargetGiven},
    // One of the results the batch writes, alone, is neither read nor passed
    // over; all of them after the inputs are its own output read back.
    {"AResultColumnApart", "ph,free_so2,Volume (L),Target (free),target_free_so2\n",
     Kind::ResultColumn},
    {"AWineResultColumnApart", "ph,free_so2,Volume (L),Target (free),projected_total_so2\n",
     Kind::ResultColumn},
    {"TargetInMilligramsPerHectolitre", "ph,free_so2,Volume (L),target (mg/hL),target_kind\n",
     Kind::NotMgPerLitre, DoseColumn::Target},
    {"TargetInGramsPerHectolitre", "ph,free SO2 (PPM),Volume (L),target (g/hL),target_kind\n",
     Kind::NotMgPerLitre, DoseColumn::Target},
    {"TooManyColumns", std::string(kComplete) + std::string(kMaxColumns, ',') + "\n",
     Kind::TooManyColumns},
    {"TooLong", std::string(kComplete) + std::string(kMaxRecordBytes, 'x') + "\n",
     Kind::HeaderTooLong},
};

INSTANTIATE_TEST_SUITE_P(Table, BatchHeader, testing::ValuesIn(kHeaderRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BatchHeader, AColumnNamedByTheUserTakesThePlaceOfItsOwnNames) {
    BatchSettings settings;
    settings.namedHeaders = {{DoseColumn::FreeSO2, "SO2 libre"}};
    EXPECT_FALSE(
        RunBatch("ph,SO2 libre,batch_size,unit,target,target_kind,free_so2\n", settings).problem);
    settings.namedHeaders = {{DoseColumn::Target, "ph"}};
    const BatchRun run = RunBatch(std::string(kComplete) + "\n", settings);
    ASSERT_TRUE(run.problem);
    EXPECT_EQ(run.problem->kind, Kind::TwoColumnsInCell);
    EXPECT_EQ(run.problem->other, DoseColumn::Target);
}

// 10 mg/L free SO2 at pH 3.5 raised to 40 in 23 litres with potassium
// metabisulphite powder: 30 mg/L x 23 L / 0.57747 = 1.19 g, 0.19 tsp.
constexpr char kWorkedRow[] = "0.20,40,0.78,30.00,0.59,1.19,g,0.19,ok,";

// What a cellar file without those columns takes from outside.
BatchSettings InLitres() {
    return Given({{DoseColumn::Unit, "litres"},
                  {DoseColumn::BatchSize, "23"},
                  {DoseColumn::TargetKind, "free"}});
}

// The same for a file with a unit column.
BatchSettings InUnitsOfTheFile() {
    return Given({{DoseColumn::BatchSize, "23"}, {DoseColumn::TargetKind, "free"}});
}

// Each row is told with its line and tank as it is written.
TEST(Batch, AbsentColumnsTakeTheOptionsThenTheBuiltInFormAndMethod) {
    MemorySource source("ph,Cuve,free_so2,target\n3.5,T1,10,40\n3.5,,50,40\n");
    CellarBatch batch(source, InLitres());
    ASSERT_FALSE(batch.ReadHeader());
    EXPECT_EQ(batch.BuiltInsUsed(), (std::vector{DoseColumn::Form, DoseColumn::Method}));
    MemorySink sink;
    std::vector<std::string> told;
    batch.Run(sink, {}, [&told](const BatchRow& row) {
        told.push_back(std::to_string(row.line) + " " + std::string(row.tank) + " " +
                       StatusWord(row.result.status));
    });
    EXPECT_EQ(sink.Bytes().substr(0, sink.Bytes().find("\n3.5,,50")),
              std::string("ph,Cuve,free_so2,target,molecular_so2,target_free_so2,"
                          "target_molecular_so2,so2_requirement,molecular_so2_requirement,"
                          "amount,amount_unit,teaspoons,status,message\n3.5,T1,10,40,") +
                  kWorkedRow);
    EXPECT_EQ(told, (std::vector<std::string>{"2 T1 ok", "3  no_addition"}));
}

// Where the given values only fill gaps, as the page's form does, the
// file's own pH is the one calculated with.
TEST(Batch, AFileColumnWinsOverAValueThatOnlyFillsGaps) {
    BatchSettings settings = InLitres();
    settings.given[Index(DoseColumn::Ph)] = "9";
    settings.columnsWinOverGiven = true;
    const auto rows = OutputRows(RunBatch("ph,free_so2,target\n3.5,10,40\n", settings).output);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0].at("molecular_so2"), "0.20");  // at pH 3.5, not 9
    EXPECT_EQ(rows[0].at("status"), "ok");
}

// A file's decimal mark is the one its first number shows, whatever its
// separator; a point beside decimal commas groups only beyond doubt, and a
// number showing the other mark later stops the batch.
TEST(Batch, TheFirstNumberToShowItsMarkFixesItForTheFile) {
    const auto rows =
        OutputRows(RunBatch("tank,ph,free_so2,batch_size,target\nT1,\"3,62\",12,1.100,40\n"
                            "T2,\"3,5\",12,\"1.100,5\",40\n",
                            Given({{DoseColumn::Unit, "litres"}, {DoseColumn::TargetKind, "free"}}))
                       .output);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].at("message"),
              "batch_size \"1.100\" could be 1100 or 1.100: say which decimal mark the file uses.");
    EXPECT_EQ(rows[1].at("status"), "ok");
    EXPECT_EQ(rows[1].at("amount"), "53,36");  // for 1100.5 litres, written with the comma
    const BatchRun mixed =
        RunBatch("tank;ph;free_so2;target\nT1;4;10;40\nT2;3,62;12;40\nT3;3.5;10;40\n", InLitres());
    EXPECT_EQ(mixed.end, BatchEnd::Stopped);
    EXPECT_EQ(mixed.stop,
              "Line 4 writes ph \"3.5\" with the point as its decimal mark, but line 3 writes ph "
              "\"3,62\" with the comma: the file mixes decimal marks. Correct it, then run the "
              "batch again.");
}

// No tank vanishes into a quote that never closes, however many follow it.
TEST(Batch, AQuoteThatNeverClosesStopsTheBatchNamingItsLine) {
    std::string file = "tank,ph,free_so2,target\nA,3.5,10,40\n\"B,3.4,12,40\n";
    for (int i = 0; i < 3000; ++i) {
        file += "C,3.4,12,40\n";
    }
    for (const std::size_t tail : {file.size(), std::size_t{49}}) {
        const BatchRun run = RunBatch(file.substr(0, tail), InLitres());
        EXPECT_EQ(run.end, BatchEnd::Stopped);
        EXPECT_EQ(run.stop, tail == 49 ? "Line 3 opens a quote that never closes. Close the quote, "
                                         "then run the batch again."
                                       : "Line 3 opens a quote that never closes: the 3000 lines "
                                         "after it would be read as one field. Close the quote, "
                                         "then run the batch again.");
    }
}

// Rows are counted by what came of them; the summary names the first five
// not calculated by the lines they start on, a line break inside quotes
// counted, and counts the rest.
TEST(Batch, SkipsEmptyLinesAndCountsRowsByWhatCameOfThem) {
    const BatchRun run = RunBatch(
        "tank,ph,free_so2,target\nA,3.5,10,40\n\n\nB,3.5,50,40\n\n,,,\n \t, ,,\nC,1.5,0,40\n"
        "D,x,0,40\n\"E\nF\",x,0,40\nG,x,0,40\nH,x,0,40\nI,x,0,40\n",
        InLitres());
    EXPECT_EQ(run.counts.firstUncalculated, (std::vector<std::uint64_t>{9, 10, 11, 13, 14}));
    EXPECT_EQ(BatchSummaryText(run.counts),
              "10 rows: 1 ok, 1 no addition, 1 question, 5 errors, 2 blank. Not calculated: "
              "lines 9, 10, 11, 13, 14 and 1 more.");
    EXPECT_EQ(OutputRows(run.output).size(), 10U);
}

// A word that names no choice makes an error row, however long the word:
// every quote of it is doubled in the message, which the output quotes
// again, so each row comes out more than twice as long as it went in, and a
// few of them more than the output gathers before handing on.
TEST(Batch, AWordThatNamesNoChoiceIsAnErrorRowHoweverLong) {
    const std::string word(6000, '"');
    std::string input = "ph,free_so2,target,unit,method\n3.5,10,40,litres,spoon\n";
    for (int i = 0; i < 5; ++i) {
        input += "3.5,10,40," + CsvField(word) + ",powder\n";
    }
    const auto rows =
        OutputRows(RunBatch(input + "3.5,10,40,L,powder\n", InUnitsOfTheFile()).output);
    ASSERT_EQ(rows.size(), 7U);
    EXPECT_EQ(rows[0].at("message"), "Unknown method \"spoon\": use powder, solution or tablet.");
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(rows[i].at("unit"), word);
        EXPECT_EQ(rows[i].at("status"), "error");
        EXPECT_EQ(rows[i].at("message"),
                  "Unknown unit \"" + word + "\": use us-gal, imp-gal, litres or hl.");
    }
    EXPECT_EQ(rows[6].at("status"), "ok");
}

// Its own output read back: the results are replaced, not read as inputs
// nor appended a second time, and a blank row stays blank.
TEST(Batch, ReadsItsOwnOutputBackAsItsInput) {
    const std::string input = "tank;ph;free_so2;target\nT1;3,5;10;40\n;;;\nT2;3,5;x;40\n";
    const BatchRun first = RunBatch(input, InLitres());
    ASSERT_FALSE(first.problem);
    const BatchRun again = RunBatch(first.output, InLitres());
    ASSERT_FALSE(again.problem);
    EXPECT_EQ(again.output, first.output);
    EXPECT_EQ(again.counts.blank, 1U);
    EXPECT_EQ(again.counts.ok, 1U);
    // A pH edited in the file read back is what is calculated with.
    std::string edited = first.output;
    edited.replace(edited.find("T1;3,5"), 6, "T1;3,4");
    const std::string output = RunBatch(edited, InLitres()).output;
    const std::string row =
        output.substr(output.find("T1;"), output.find("\n;;;") - output.find("T1;"));
    EXPECT_EQ(row, "T1;3,4;10;40;0,25;40;0,98;30,00;0,74;1,19;g;0,19;ok;");
}

// The wine's columns: three more results after the usual ones, a header unit
// of g/L for sugar, read back like the rest; a file without them is as ever.
TEST(Batch, TheWinesColumnsAddThreeResults) {
    const std::string input =
        "tank;ph;free_so2;Total SO2 (mg/L);Couleur;Sucre (g/L);target\n"
        "T1;3,5;10;110;rouge;1,5;40\nT2;3,5;10;121;blanc;;40\nT3;3,5;10;;;;40\n";
    BatchSettings settings = InLitres();
    settings.regime = LimitRegime::Eu;
    const BatchRun run = RunBatch(input, settings);
    ASSERT_FALSE(run.problem);
    EXPECT_NE(run.output.find(";status;message;so2_added;projected_total_so2;total_so2_limit\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("T1;3,5;10;110;rouge;1,5;40;0,20;40;0,78;30,00;0,59;1,19;g;0,19;"
                              "ok;\"Limit 150 mg/L: EU limit for a dry red; style not given: took "
                              "still wine's limit\";30,00;140,00;150\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("T3;3,5;10;;;;40;0,20;40;0,78;30,00;0,59;1,19;g;0,19;ok;;30,00;;\n"),
              std::string::npos)
        << run.output;
    const BatchRun again = RunBatch(run.output, settings);
    EXPECT_EQ(again.output, run.output);
    // A sugar in mg/L is no sugar the program reads.
    EXPECT_TRUE(
        RunBatch("tank;ph;free_so2;Sucre (mg/L);target\nT1;3,5;10;2;40\n", settings).problem);
}

// An input that cannot be read at all is a header problem; one that can be
// read no more stops the batch, its complete rows still written.
TEST(Batch, StopsWhenTheOutputCannotBeWrittenOrTheInputRead) {
    std::string input = "ph,free_so2,target\n";
    for (int i = 0; i < 5000; ++i) {
        input += "3.5,10,40\n";
    }
    EXPECT_EQ(RunBatch(input, InLitres(), MemorySink(100)).end, BatchEnd::WriteFailed);
    EXPECT_EQ(RunBatch(input, InLitres(), MemorySink(), 0).problem->kind, Kind::Unreadable);
    const BatchRun run = RunBatch(input, InLitres(), MemorySink(), 30);
    EXPECT_EQ(run.end, BatchEnd::ReadFailed);
    EXPECT_EQ(run.counts.rows, 1U);
}

// The differential test: random rows through the batch, compared with what
// the strict sheet answers for the same texts and choices, and every figure
// of a row calculated compared with what the window shows for them.

struct RandomRow {
    std::string ph, freeSO2, batchSize, solution, tablet, target;
    std::string unit, form, method, kind;
};

// The words and the choices they name, as the command line documents them;
// hectolitres are litres to the window.
struct Word {
    const char* word;
    int choice;
};
constexpr Word kUnits[] = {{"us-gal", static_cast<int>(BatchUnit::UsGallon)},
                           {"imp-gal", static_cast<int>(BatchUnit::ImperialGallon)},
                           {"litres", static_cast<int>(BatchUnit::Litre)},
                           {"hl", static_cast<int>(BatchUnit::Litre)}};
constexpr Word kForms[] = {{"potassium", static_cast<int>(SulphiteForm::Potassium)},
                           {"sodium", static_cast<int>(SulphiteForm::Sodium)}};
constexpr Word kMethods[] = {{"powder", static_cast<int>(AdditionMethod::Powder)},
                             {"solution", static_cast<int>(AdditionMethod::Solution)},
                             {"tablet", static_cast<int>(AdditionMethod::Tablet)}};
constexpr Word kKinds[] = {{"free", static_cast<int>(TargetKind::FreeSO2)},
                           {"molecular", static_cast<int>(TargetKind::MolecularSO2)}};

template <std::size_t N>
int WordChoice(const Word (&words)[N], const std::string& word) {
    for (const Word& w : words) {
        if (word == w.word) {
            return w.choice;
        }
    }
    ADD_FAILURE() << word;
    return 0;
}

class RowMaker {
  public:
    RandomRow Next() {
        RandomRow row;
        row.unit = Pick(kUnits);
        row.form = Pick(kForms);
        row.method = Pick(kMethods);
        row.kind = Pick(kKinds);
        row.ph = Numberish(2.9, 3.9, 2);
        row.freeSO2 = Numberish(0, 60, 1);
        row.batchSize = row.unit == "hl" ? Plain(0, 50, 1) : Numberish(0, 5000, random_() % 2);
        row.solution = Numberish(0, 60, 0);
        row.tablet = Numberish(0, 1.2, 2);
        row.target = row.kind == "free" ? Numberish(0, 70, 2) : Numberish(0.05, 1.2, 3);
        return row;
    }

  private:
    double Uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    template <std::size_t N>
    const char* Pick(const Word (&words)[N]) {
        return words[random_() % N].word;
    }
    std::string Plain(double low, double high, int decimals) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, Uniform(low, high));
        return text;
    }
    // Mostly plausible numbers, sometimes anything a spreadsheet holds.
    std::string Numberish(double low, double high, int decimals) {
        static const char* const odd[] = {"",   " ",  "abc",  "1e2",   " 3.5 ", "+4",  "-2",
                                          ".5", "5.", "1e40", "-0",    "0x10",  "NaN", "1.2.3",
                                          "0",  "00", "1E-2", "2.675", "0.005", "\t7", "3e38"};
        if (random_() % 12 == 0) {
            return odd[random_() % std::size(odd)];
        }
        return Plain(low, high, decimals);
    }

    std::mt19937 random_{20240607};
};

// A size in hectolitres as a person would type it in litres: the point two
// places on.
std::string InLitres(std::string size) {
    const std::size_t point = size.find('.');
    const std::string decimals = point == std::string::npos ? "" : size.substr(point + 1);
    size = size.substr(0, point) + decimals + std::string(2 - decimals.size(), '0');
    const std::size_t first = size.find_first_not_of('0');
    return first == std::string::npos ? "0" : size.substr(first);
}

// The sheet of a row as the window would hold it; `litres` keeps the batch
// size a hectolitre row is typed with in litres.
SheetView SheetOf(const RandomRow& row, std::string& litres) {
    SheetView input;
    input.ph = row.ph;
    input.existingSO2 = row.freeSO2;
    litres = row.unit == "hl" ? InLitres(row.batchSize) : row.batchSize;
    input.batchSize = litres;
    input.solutionStrength = row.solution;
    input.tabletWeight = row.tablet;
    input.unit = static_cast<BatchUnit>(WordChoice(kUnits, row.unit));
    input.form = static_cast<SulphiteForm>(WordChoice(kForms, row.form));
    input.method = static_cast<AdditionMethod>(WordChoice(kMethods, row.method));
    input.target = static_cast<TargetKind>(WordChoice(kKinds, row.kind));
    // The other target field is untouched.
    const bool free = input.target == TargetKind::FreeSO2;
    const std::string_view target = row.target;
    input.targetFree = free ? target : "0.00";
    input.targetMolecular = free ? "0.00" : target;
    return input;
}

// The result columns the window's writes fill; the target given stands as
// typed, and tablets have no teaspoons.
constexpr std::pair<const char*, SheetOutput> kWrittenColumns[] = {
    {"molecular_so2", SheetOutput::ExistingMolecular},
    {"target_free_so2", SheetOutput::TargetFree},
    {"target_molecular_so2", SheetOutput::TargetMolecular},
    {"so2_requirement", SheetOutput::FreeRequirement},
    {"molecular_so2_requirement", SheetOutput::MolecularRequirement},
    {"amount", SheetOutput::Amount},
    {"teaspoons", SheetOutput::Teaspoons},
};

std::map<std::string, std::string> SheetAnswerFor(const RandomRow& row, bool answerYes) {
    std::string litres;
    SheetView input = SheetOf(row, litres);
    SheetResults window;
    RecalculateSheet(input, window);
    input.rules = SheetRules::Strict;
    SheetVerdict verdict;
    EvaluateSheet(input, verdict, answerYes);
    switch (verdict.kind) {
        case SheetVerdict::Kind::FailedCheck: {
            // A message about a value shows the value; a text that is no
            // number is shown as the row gives it.
            std::string message = verdict.failed.message;
            if (verdict.failed.value) {
                message = WithValue(message, ShortAmountText(*verdict.failed.value));
            } else if (verdict.failed.notNumeric) {
                const SheetField field = *verdict.failed.field;
                const std::string& text = field == SheetField::Ph                 ? row.ph
                                          : field == SheetField::ExistingSO2      ? row.freeSO2
                                          : field == SheetField::BatchSize        ? row.batchSize
                                          : field == SheetField::TabletWeight     ? row.tablet
                                          : field == SheetField::SolutionStrength ? row.solution
                                                                                  : row.target;
                if (!TrimBlanks(text).empty()) {
                    message.pop_back();
                    message += ": \"" + text + "\".";
                }
            }
            return {{"status", "error"}, {"message", message}};
        }
        case SheetVerdict::Kind::Questions:
            return {{"status", "question"}, {"message", verdict.questions.front().text}};
        case SheetVerdict::Kind::NoAddition:
        case SheetVerdict::Kind::Results:
            break;
    }
    const bool nothing = verdict.kind == SheetVerdict::Kind::NoAddition;
    std::map<std::string, std::string> expected{{"status", nothing ? "no_addition" : "ok"},
                                                {"message", nothing ? kNoAdditionMessage : ""},
                                                {"amount_unit", row.method == "tablet"   ? "tablets"
                                                                : row.method == "powder" ? "g"
                                                                                         : "ml"}};
    for (const auto& [column, output] : kWrittenColumns) {
        expected[column] = window.Shown(output).value_or("");
    }
    expected[row.kind == "free" ? "target_free_so2" : "target_molecular_so2"] = row.target;
    if (row.method == "tablet") {
        expected["teaspoons"] = "";
    }
    return expected;
}

std::string CellarFile(const std::vector<RandomRow>& rows) {
    // The columns in an order of their own, a tank name among them.
    std::string csv =
        "target,method,tank,free_so2,unit,tablet_g,ph,form,solution_pct,"
        "target_kind,batch_size\n";
    int tank = 0;
    for (const RandomRow& r : rows) {
        for (const std::string* field : {&r.target, &r.method}) {
            csv += CsvField(*field) + ',';
        }
        csv += "T" + std::to_string(++tank);
        for (const std::string* field :
             {&r.freeSO2, &r.unit, &r.tablet, &r.ph, &r.form, &r.solution, &r.kind, &r.batchSize}) {
            csv += ',' + CsvField(*field);
        }
        csv += '\n';
    }
    return csv;
}

class BatchAgainstSheet : public testing::TestWithParam<bool> {};

TEST_P(BatchAgainstSheet, GivesTheSheetsTextsForEveryRow) {
    const bool answerYes = GetParam();
    RowMaker maker;
    std::vector<RandomRow> rows(4000);
    std::generate(rows.begin(), rows.end(), [&] { return maker.Next(); });
    BatchSettings settings;
    settings.answerYes = answerYes;
    const auto output = OutputRows(RunBatch(CellarFile(rows), settings).output);
    ASSERT_EQ(output.size(), rows.size());

    std::map<std::string, int> statuses;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto expected = SheetAnswerFor(rows[i], answerYes);
        auto actual = output[i];
        EXPECT_EQ(actual["tank"], "T" + std::to_string(i + 1));
        for (const char* name : kResultColumnNames) {
            const auto found = expected.find(name);
            EXPECT_EQ(actual[name], found == expected.end() ? "" : found->second)
                << name << " of row " << i + 1;
        }
        ++statuses[actual["status"]];
    }
    // Enough of each outcome for the comparison to mean something.
    EXPECT_GT(statuses["ok"], 1000);
    EXPECT_GT(statuses["no_addition"], 100);
    EXPECT_GT(statuses["error"], 300);
    EXPECT_EQ(statuses["question"] > 100, !answerYes);
}

INSTANTIATE_TEST_SUITE_P(Table, BatchAgainstSheet, testing::Bool(),
                         [](const auto& info) { return info.param ? "Yes" : "NoAnswer"; });

}  // namespace
}  // namespace korvane
