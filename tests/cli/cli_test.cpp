// korvane-calc run as a user runs it: a real process with arguments,
// standard input, files, and its exit status, output and messages read back.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "calc_process.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace korvane::testing;

const std::string kResultColumns =
    "molecular_so2,target_free_so2,target_molecular_so2,so2_requirement,"
    "molecular_so2_requirement,amount,amount_unit,teaspoons,status,message";
const std::string kHint = "Try 'korvane-calc --help' for more.\n";

// 10 mg/L free SO2 at pH 3.5 raised to 40 mg/L in 23 litres with potassium
// metabisulphite powder: pH divisor 10^1.7 + 1 = 51.12, so 0.20 molecular
// now and 0.78 at the target; 30 mg/L x 23 L / 0.57747 = 1.19 g = 0.19 tsp.
const std::vector<std::string> kWorkedExample{
    "--ph",   "3.5",       "--free-so2", "10",     "--batch-size",  "23", "--unit", "litres",
    "--form", "potassium", "--method",   "powder", "--target-free", "40"};
const std::string kWorkedFigures = "0.20,40,0.78,30.00,0.59,1.19,g,0.19,ok,";
const std::string kWorkedInputs =
    "pH                         3.5\n"
    "Free SO2                   10 mg/L\n"
    "Batch size                 23 litres\n"
    "Form                       potassium\n"
    "Method                     powder\n";
const std::string kWorkedResults =
    "Existing molecular SO2      0.20 mg/L\n"
    "Target free SO2               40 mg/L\n"
    "Target molecular SO2        0.78 mg/L\n"
    "Free SO2 requirement       30.00 mg/L\n"
    "Molecular SO2 requirement   0.59 mg/L\n";
// The header of one calculation's CSV.
const std::string kDoseCsvHeader =
    "ph,free_so2,batch_size,unit,form,method,solution_pct,tablet_g,target_kind,target," +
    kResultColumns + "\n";

std::vector<std::string> Joined(std::vector<std::string> args,
                                const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The worked example with some options added, or given another value in
// the form --option=value.
std::vector<std::string> WorkedExampleWith(const std::vector<std::string>& more) {
    std::vector<std::string> args = kWorkedExample;
    for (const std::string& option : more) {
        const std::size_t equals = option.find('=');
        const auto given = std::find(args.begin(), args.end(), option.substr(0, equals));
        if (equals != std::string::npos && given != args.end()) {
            *(given + 1) = option.substr(equals + 1);
        } else {
            args.push_back(option);
        }
    }
    return args;
}

struct CliCase {
    const char* name;
    std::vector<std::string> args;
    std::string input = {};  // standard input, also in {dir}/in.csv
    int status = 0;
    std::string out = {};
    std::string err = {};
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CliCase& c, std::ostream* os) {
    *os << c.name;
}

class KorvaneCalc : public testing::TestWithParam<CliCase> {};

TEST_P(KorvaneCalc, Answers) {
    const CliCase& c = GetParam();
    Scratch scratch;
    WriteFile(scratch.Dir() / "in.csv", c.input);
    const Outcome outcome = RunCalc(scratch, c.args, c.input);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.out, scratch.Expand(c.out));
    EXPECT_EQ(outcome.err, scratch.Expand(c.err));
}

INSTANTIATE_TEST_SUITE_P(
    OneDose, KorvaneCalc,
    testing::Values(
        // clang-format off
        CliCase{.name = "AsText", .args = kWorkedExample,
                .out = kWorkedInputs + "Target                     free SO2 40 mg/L\n\n" +
                       kWorkedResults +
                       "Required addition           1.19 g\n"
                       "Teaspoons                   0.19 tsp\n"},
        // A refused value is still shown, but never as a raw escape.
        CliCase{.name = "AValueIsShownEscaped", .args = WorkedExampleWith({"--ph=3.5\x1b[2J"}),
                .status = 1,
                .out = "pH                         3.5\\x1B[2J\n" + kWorkedInputs.substr(31) +
                       "Target                     free SO2 40 mg/L\n",
                .err = "pH must be numeric: \"3.5\\x1B[2J\".\n"},
        // The free target for 0.8 molecular: 0.8 x 51.12 = 40.89. Form and
        // method are left to their built-in words, and said to be.
        CliCase{.name = "MolecularTargetAndBuiltIns",
                .args = {"--ph", "3.5", "--free-so2", "10", "--batch-size", "23", "--unit",
                         "litres", "--target-molecular", "0.8", "--format", "csv"},
                .out = kDoseCsvHeader + "3.5,10,23,litres,potassium,powder,,,molecular,0.8,"
                                        "0.20,40.89,0.8,30.89,0.60,1.23,g,0.20,ok,\n",
                .err = "korvane-calc: Built-in defaults used: form potassium and method powder.\n"},
        // 1.19 g in tablets of 0.44 g; tablets have no teaspoons.
        CliCase{.name = "Tablets",
                .args = WorkedExampleWith({"--method=tablet", "--tablet-g", "0.44"}),
                .out = ReplaceAll(kWorkedInputs, "powder\n",
                                  "tablet\nTablet weight              0.44 g\n") +
                       "Target                     free SO2 40 mg/L\n\n" + kWorkedResults +
                       "Required addition           2.72 tablets\n"},
        // A 10% solution of sodium metabisulphite: 30 / 0.67438 x 23 / 100 = 10.23 ml.
        CliCase{.name = "SodiumSolution",
                .args = {"--ph", "3.5", "--free-so2", "10", "--batch-size", "23", "--unit",
                         "litres", "--form", "sodium", "--method", "solution", "--solution-pct",
                         "10", "--target-free", "40", "--format", "csv"},
                .out = kDoseCsvHeader + "3.5,10,23,litres,sodium,solution,10,,free,40,"
                                        "0.20,40,0.78,30.00,0.59,10.23,ml,2.08,ok,\n"},
        // pKa 2: divisor 10^1.5 + 1 = 32.62.
        CliCase{.name = "OwnPka", .args = WorkedExampleWith({"--pka", "2", "--format", "csv"}),
                .out = kDoseCsvHeader + "3.5,10,23,litres,potassium,powder,,,free,40," +
                       "0.31,40,1.23,30.00,0.92,1.19,g,0.19,ok,\n"},
        // 0.23 hL are 23 litres, and a decimal comma that can be nothing
        // else is read as one.
        CliCase{.name = "HectolitresAndADecimalComma",
                .args = {"--ph", "3,5", "--free-so2", "10", "--batch-size", "0,23", "--unit", "hL",
                         "--form", "potassium", "--method", "powder", "--target-free", "40",
                         "--format", "csv"},
                .out = kDoseCsvHeader + "3.5,10,0.23,hl,potassium,powder,,,free,40," +
                       kWorkedFigures + "\n"},
        // The first number to show its mark fixes it for the whole command.
        CliCase{
            .name = "MarksMixedAcrossOptions",
            .args = WorkedExampleWith({"--ph=3,5", "--free-so2=10.5"}),
            .status = 2,
            .err = "korvane-calc: --ph \"3,5\" has the comma as its decimal mark and --free-so2 "
                   "\"10.5\" the point: write every number with the same mark.\n" +
                   kHint},
        CliCase{.name = "APointIsNoDecimalPointBesideADecimalComma",
                .args = WorkedExampleWith({"--ph=3,62", "--batch-size=1.100"}), .status = 2,
                .err = "korvane-calc: --batch-size \"1.100\" could be 1100 or 1.100: give "
                       "--decimal-comma or --decimal-point.\n" +
                       kHint},
        CliCase{.name = "AmbiguousNumberSaid",
                .args = WorkedExampleWith({"--tablet-g", "1,000", "--decimal-comma", "--format",
                                           "csv"}),
                .out = kDoseCsvHeader + "3.5,10,23,litres,potassium,powder,,1.000,free,40," +
                       kWorkedFigures + "\n"},
        CliCase{.name = "NoAddition", .args = WorkedExampleWith({"--free-so2=50"}),
                .out = "pH                         3.5\n"
                       "Free SO2                   50 mg/L\n"
                       "Batch size                 23 litres\n"
                       "Form                       potassium\n"
                       "Method                     powder\n"
                       "Target                     free SO2 40 mg/L\n\n"
                       "Existing molecular SO2       0.98 mg/L\n"
                       "Target free SO2                40 mg/L\n"
                       "Target molecular SO2         0.78 mg/L\n"
                       "Free SO2 requirement       -10.00 mg/L\n"
                       "Molecular SO2 requirement   -0.20 mg/L\n"
                       "Required addition            0.00 g\n"
                       "Teaspoons                    0.00 tsp\n"
                       "No addition needed: the wine is at or above its target.\n"},
        CliCase{
            .name = "CheckFails",
            .args = WorkedExampleWith({"--batch-size=0", "--format", "json"}),
            .status = 1,
            .out = "{\n  \"molecular_so2\": \"\",\n  \"target_free_so2\": \"\",\n"
                   "  \"target_molecular_so2\": \"\",\n  \"so2_requirement\": \"\",\n"
                   "  \"molecular_so2_requirement\": \"\",\n  \"amount\": \"\",\n"
                   "  \"amount_unit\": \"\",\n  \"teaspoons\": \"\",\n  \"status\": \"error\",\n"
                   "  \"message\": \"Batch size must be greater than 0.\"\n}\n",
            .err = "Batch size must be greater than 0.\n"},
        CliCase{.name = "QuestionUnanswered",
                .args = {"--ph", "1.5", "--free-so2", "0", "--batch-size", "5", "--unit", "us-gal",
                         "--form", "potassium", "--method", "powder", "--target-molecular", "1",
                         "--format", "csv"},
                .status = 3,
                .out = kDoseCsvHeader +
                       "1.5,0,5,us-gal,potassium,powder,,,molecular,1,,,,,,,,,question,"
                       "pH appears low. Are you sure it is correct?\n",
                .err = "pH appears low. Are you sure it is correct?\n"},
        CliCase{.name = "QuestionAnswered",
                .args = {"--ph", "1.5", "--free-so2", "0", "--batch-size", "5", "--unit", "us-gal",
                         "--form", "potassium", "--method", "powder", "--target-molecular", "1",
                         "--yes", "--format", "csv"},
                .out = kDoseCsvHeader + "1.5,0,5,us-gal,potassium,powder,,,molecular,1,"
                                        "0.00,1.50,1,1.50,1.00,0.05,g,0.01,ok,\n"},
        // The wine's total SO2 against its legal limit: the three columns
        // after today's, the question naming both figures, --limit over the
        // regime, and the binding factor on the SO2 added and the amount.
        CliCase{
            .name = "OverTheEuLimit",
            .args = WorkedExampleWith({"--total-so2", "121", "--regime", "eu", "--colour", "rouge",
                                       "--format", "csv"}),
            .status = 3,
            .out =
                "ph,free_so2,batch_size,unit,form,method,solution_pct,tablet_g,target_kind,target,"
                "total_so2,colour,sugar,style,binding_factor," +
                kResultColumns +
                ",so2_added,projected_total_so2,total_so2_limit\n"
                "3.5,10,23,litres,potassium,powder,,,free,40,121,red,,,,,,,,,,,,question,"
                "\"Total SO2 would reach 151 mg/L, above the 150 mg/L EU limit for a dry red. "
                "Are you sure it is correct?\",,,\n",
            .err = "Total SO2 would reach 151 mg/L, above the 150 mg/L EU limit for a dry red. Are "
                   "you sure it is correct?\n"},
        CliCase{
            .name = "OwnLimitAndBindingFactor",
            .args = WorkedExampleWith({"--total-so2", "120", "--regime", "eu", "--sugar", "1",
                                       "--style", "still", "--binding-factor", "1.5", "--limit",
                                       "165", "--format", "json"}),
            .out = "{\n  \"molecular_so2\": \"0.20\",\n  \"target_free_so2\": \"40\",\n"
                   "  \"target_molecular_so2\": \"0.78\",\n  \"so2_requirement\": \"30.00\",\n"
                   "  \"molecular_so2_requirement\": \"0.59\",\n  \"amount\": \"1.79\",\n"
                   "  \"amount_unit\": \"g\",\n  \"teaspoons\": \"0.29\",\n  \"status\": \"ok\",\n"
                   "  \"message\": \"\",\n  \"so2_added\": \"45.00\",\n"
                   "  \"projected_total_so2\": \"165.00\",\n  \"total_so2_limit\": \"165\",\n"
                   "  \"total_so2_limit_basis\": \"limit given with --limit\"\n}\n"},
        CliCase{.name = "TotalWithNoLimitIsSaidOnce",
                .args = WorkedExampleWith({"--total-so2", "60", "--yes"}),
                .out = kWorkedInputs +
                       "Target                     free SO2 40 mg/L\n"
                       "Total SO2                  60 mg/L\n\n" +
                       kWorkedResults +
                       "Required addition           1.19 g\n"
                       "Teaspoons                   0.19 tsp\n"
                       "SO2 added                  30.00 mg/L\n"
                       "Projected total SO2        90.00 mg/L\n"
                       "Total SO2 given with no --regime or --limit: the projected total is shown "
                       "and checked against no limit.\n"},
        CliCase{.name = "UnknownRegime", .args = WorkedExampleWith({"--regime", "uk"}), .status = 2,
                .err = "korvane-calc: Unknown regime \"uk\": use eu, eu-organic, us, au or oiv.\n" +
                       kHint},
        CliCase{
            .name = "NoArguments",
            .args = {},
            .status = 2,
            .err =
                "korvane-calc: Nothing to calculate: give the wine's figures, or --batch FILE.\n" +
                kHint},
        CliCase{.name = "NoQuantityByDefault", .args = {"--ph", "3.5", "--free-so2", "10"},
                .status = 2,
                .err = "korvane-calc: Not given: --batch-size, --unit and --target-free or "
                       "--target-molecular.\n" +
                       kHint},
        CliCase{.name = "UnknownOption", .args = {"--color", "red"}, .status = 2,
                .err = "korvane-calc: Unknown option --color.\n" + kHint},
        CliCase{.name = "UnexpectedArgument", .args = {"3.5"}, .status = 2,
                .err = "korvane-calc: Unexpected argument \"3.5\".\n" + kHint},
        CliCase{.name = "MissingValue", .args = {"--ph"}, .status = 2,
                .err = "korvane-calc: --ph needs a value.\n" + kHint},
        CliCase{.name = "BadChoiceWord", .args = {"--method", "spoon\x1b[2J"}, .status = 2,
                .err = "korvane-calc: Unknown method \"spoon\\x1B[2J\": use powder, solution or "
                       "tablet.\n" +
                       kHint},
        CliCase{
            .name = "BadFormat",
            .args = {"--format", "xml"},
            .status = 2,
            .err = "korvane-calc: Unknown format \"xml\": use text, json, csv or table.\n" + kHint},
        CliCase{.name = "PkaOutOfRange", .args = {"--pka", "14.5"}, .status = 2,
                .err = "korvane-calc: --pka must be a number from 0 to 14.\n" + kHint},
        CliCase{.name = "PkaNotANumber", .args = {"--pka", "warm"}, .status = 2,
                .err = "korvane-calc: --pka must be a number from 0 to 14.\n" + kHint},
        CliCase{.name = "TwoTargets", .args = {"--target-free", "40", "--target-molecular", "0.8"},
                .status = 2,
                .err = "korvane-calc: Give only one of --target-free and --target-molecular.\n" +
                       kHint},
        CliCase{.name = "GivenTwice", .args = {"--ph", "3.4", "--ph=3.5"}, .status = 2,
                .err = "korvane-calc: --ph is given twice.\n" + kHint},
        CliCase{.name = "TargetKindIsForABatch",
                .args = WorkedExampleWith({"--target-kind", "free"}), .status = 2,
                .err = "korvane-calc: --target-kind is for a batch: give --batch FILE as well.\n" +
                       kHint},
        CliCase{.name = "TableIsForABatch", .args = WorkedExampleWith({"--format", "table"}),
                .status = 2,
                .err = "korvane-calc: --format table is for a batch: give --batch FILE as well.\n" +
                       kHint},
        // An amount no cellar could add is an error even answered Yes.
        CliCase{
            .name = "SolutionBeyondAnyCellar",
            .args = WorkedExampleWith({"--method=solution", "--solution-pct", "1e-30", "--yes"}),
            .status = 1,
            .out = ReplaceAll(kWorkedInputs, "powder\n",
                              "solution\nSolution strength          1e-30 %\n") +
                   "Target                     free SO2 40 mg/L\n",
            .err = "The amount, 1.19e+32 ml, is more than any cellar could add: check the batch "
                   "size, the target and the solution percentage.\n"},
        CliCase{.name = "Version", .args = {"--version"}, .out = "korvane-calc 2.02\n"}
        // clang-format on
        ),
    [](const auto& info) { return std::string(info.param.name); });

const std::string kBatchHeader = "tank,ph,free_so2,target";
const std::string kBatchOutHeader = kBatchHeader + "," + kResultColumns + "\n";

// A batch of the worked example's tanks: what the file leaves out given, no
// summary.
std::vector<std::string> Batch(const std::string& input,
                               const std::vector<std::string>& more = {}) {
    return Joined({"--batch", input, "--unit", "litres", "--batch-size", "23", "--target-kind",
                   "free", "--form", "potassium", "--method", "powder", "--quiet"},
                  more);
}

// `args` without the options named and their values, for a file whose
// columns give those values.
std::vector<std::string> Without(std::vector<std::string> args,
                                 const std::vector<std::string>& options) {
    for (const std::string& option : options) {
        const auto at = std::find(args.begin(), args.end(), option);
        if (at != args.end()) {
            args.erase(at, at + 2);
        }
    }
    return args;
}

INSTANTIATE_TEST_SUITE_P(
    Batch, KorvaneCalc,
    testing::Values(
        // clang-format off
        CliCase{.name = "FromStandardInput", .args = Batch("-"),
                .input = kBatchHeader + "\nT1,3.5,10,40\n",
                .out = kBatchOutHeader + "T1,3.5,10,40," + kWorkedFigures + "\n"},
        // A row too short, and one too long to be read, are each an error row.
        CliCase{.name = "ShortAndLongRows", .args = Batch("-"),
                .input = kBatchHeader + "\nT1,3.5\nT1,3.5,10,40" + std::string(70000, ' ') +
                         "\nT2,3.5,10,40\n",
                .status = 1,
                .out = kBatchOutHeader +
                       "T1,3.5,,,,,,,,,,,error,Row has 2 fields; the header has 4.\n"
                       ",,,,,,,,,,,,error,Row is longer than 64 KiB.\nT2,3.5,10,40," +
                       kWorkedFigures + "\n"},
        CliCase{.name = "RowsOfEveryStatus", .args = Without(Batch("-"), {"--target-kind"}),
                .input = "ph,free_so2,target,target_kind\n3.5,10,40,free\n3.5,50,40,free\n"
                         "1.5,0,1,molecular\n3.5,10,40,mole\n,,,\n",
                .status = 1,
                .out = "ph,free_so2,target,target_kind," + kResultColumns + "\n3.5,10,40,free," +
                       kWorkedFigures +
                       "\n3.5,50,40,free,0.98,40,0.78,-10.00,-0.20,0.00,g,0.00,no_addition,No "
                       "addition needed: the wine is at or above its target.\n"
                       "1.5,0,1,molecular,,,,,,,,,question,pH appears low. Are you sure it is "
                       "correct?\n3.5,10,40,mole,,,,,,,,,error,\"Unknown target kind \"\"mole\"\": "
                       "use free or molecular.\"\n,,,,,,,,,,,,blank,\n"},
        // A byte order mark and CRLF line ends, kept in what is written.
        CliCase{.name = "ByteOrderMarkAndCrLf", .args = Batch("-"),
                .input = "\xEF\xBB\xBF" "ph,free_so2,target\r\n3.5,10,40\r\n",
                .out = "\xEF\xBB\xBF" "ph,free_so2,target," + kResultColumns + "\r\n3.5,10,40," +
                       kWorkedFigures + "\r\n"},
        // Figures written before a number shows the file's mark keep theirs.
        CliCase{
            .name = "TheFirstFiguresFixTheMark",
            .args = Batch("-"),
            .input = "tank;ph;free_so2;target\nT1;4;10;40\nT2;3.5;10;40\n",
            .out = "tank;ph;free_so2;target;molecular_so2;target_free_so2;target_molecular_so2;"
                   "so2_requirement;molecular_so2_requirement;amount;amount_unit;teaspoons;status;"
                   "message\nT1;4;10;40;0,06;40;0,25;30,00;0,19;1,19;g;0,19;ok;\n"
                   "T2;3.5;10;40;0,20;40;0,78;30,00;0,59;1,19;g;0,19;ok;\n"},
        CliCase{.name = "ColumnNamedByTheUser",
                .args = Batch("-", {"--column", "free_so2=SO2 libre"}),
                .input = "tank,ph,SO2 libre (mg/L),target\nT1,3.5,10,40\n",
                .out = "tank,ph,SO2 libre (mg/L),target," + kResultColumns + "\nT1,3.5,10,40," +
                       kWorkedFigures + "\n"},
        // Not even the empty header of a spreadsheet's last column.
        CliCase{.name = "NoColumnForAnOption", .args = Batch("-", {"--column", "batch_size="}),
                .input = "tank,Batch,ph,free_so2,target,\nT1,2023,3.5,10,40,\n",
                .out = "tank,Batch,ph,free_so2,target,," + kResultColumns +
                       "\nT1,2023,3.5,10,40,," + kWorkedFigures + "\n"},
        CliCase{
            .name = "AFileNameIsShownEscaped",
            .args = Batch("{dir}/absent\x1b[2J.csv"),
            .status = 2,
            .err =
                "korvane-calc: Cannot read {dir}/absent\\x1B[2J.csv: No such file or directory\n"},
        CliCase{.name = "OutputWouldOverwriteInput",
                .args = Batch("{dir}/in.csv", {"-o", "{dir}/in.csv"}),
                .input = kBatchHeader + "\nT1,3.5,10,40\n", .status = 2,
                .err = "korvane-calc: The output {dir}/in.csv would overwrite the input.\n"},
        // For a person: the tank (or its line), the amount, the status and
        // the message, aligned however wide the names.
        CliCase{
            .name = "AsATable",
            .args = Without(Batch("-", {"--format", "table"}), {"--method"}),
            .input =
                "tank,ph,free_so2,target,method,tablet_g\nT1 Shiraz,3.5,10,40,powder,\n"
                "T2 Ros\xC3\xA9,3.5,10,40,tablet,0.44\n\nT3,3.5,50,40,powder,\n,1.5,0,40,powder,\n",
            .status = 1,
            .out =
                "Tank       Amount        Status       Message\n"
                "T1 Shiraz  1.19 g        ok\n"
                "T2 Ros\xC3\xA9    2.72 tablets  ok\n"
                "T3         0.00 g        no_addition  No addition needed: the wine is at or above "
                "its target.\n"
                "line 6                   question     pH appears low. Are you sure it is "
                "correct?\n"},
        // The wine's three columns before the message, as the CSV appends
        // them, with the file's decimal mark; a row without a total has none.
        CliCase{.name = "AsATableWithTheWine",
                .args = Batch("-", {"--format", "table", "--regime", "eu", "--yes"}),
                .input = "tank;ph;free_so2;target;total_so2;colour\nT1;3,5;10;40;121;red\n"
                         "T2;3,5;10;40;;\n",
                .out = "Tank  Amount  Status  SO2 added  Projected total SO2  Total SO2 limit  Message\n"
                       "T1    1,19 g  ok          30,00               151,00              150  Limit 150 "
                       "mg/L: EU limit for a dry red; style not given: took still wine's limit; sugar not "
                       "given: took the stricter limit\n"
                       "T2    1,19 g  ok          30,00\n"},
        CliCase{.name = "JsonIsForOneDose", .args = Batch("-", {"--format", "json"}), .status = 2,
                .err = "korvane-calc: --format for a batch is csv or table.\n" + kHint},
        CliCase{.name = "OutputNeedsAName", .args = Batch("-", {"-o", ""}), .status = 2,
                .err = "korvane-calc: -o needs a file name.\n" + kHint},
        CliCase{.name = "OutputNeedsABatch", .args = {"-o", "{dir}/out.csv"}, .status = 2,
                .err = "korvane-calc: -o is for a batch: give --batch FILE as well.\n" + kHint},
        // Without --quiet: the built-in words every row took, and how the
        // rows came out, with the lines of those not calculated.
        CliCase{
            .name = "SaysWhatItTookAndHowItWent",
            .args = {"--batch", "-", "--unit", "l", "--batch-size", "23", "--target-kind", "free"},
            .input = kBatchHeader + "\nT1,3.5,10,40\n\nT2,x,10,40\nT3,3.5,50,40\n",
            .status = 1,
            .out = kBatchOutHeader + "T1,3.5,10,40," + kWorkedFigures +
                   "\nT2,x,10,40,,,,,,,,,error,\"pH must be numeric: "
                   "\"\"x\"\".\"\nT3,3.5,50,40,0.98,40,0.78,"
                   "-10.00,-0.20,0.00,g,0.00,no_addition,No addition needed: the wine is at or "
                   "above its target.\n",
            .err = "korvane-calc: Every row takes the built-in form potassium and method powder.\n"
                   "korvane-calc: 3 rows: 1 ok, 1 no addition, 0 questions, 1 error, 0 blank. Not "
                   "calculated: line 4.\n"},
        CliCase{
            .name = "OneRow",
            .args = {"--batch", "-", "--unit", "l", "--batch-size", "23", "--target-kind", "free",
                     "--form", "sodium", "--method", "powder"},
            .input = kBatchHeader + "\nT1,3.5,70,40\n",
            .out = kBatchOutHeader +
                   "T1,3.5,70,40,1.37,40,0.78,-30.00,-0.59,0.00,g,0.00,no_addition,"
                   "No addition needed: the wine is at or above its target.\n",
            .err = "korvane-calc: 1 row: 0 ok, 1 no addition, 0 questions, 0 errors, 0 blank.\n"}
        // clang-format on
        ),
    [](const auto& info) { return std::string(info.param.name); });

// Standard input whose header stops the batch before any row (status 2,
// nothing written), and what korvane-calc says of it after its name.
struct HeaderStop {
    const char* name;
    std::vector<std::string> args = Batch("-");
    std::string input = {};
    std::string said;
};

void PrintTo(const HeaderStop& c, std::ostream* os) {
    *os << c.name;
}

class HeaderStops : public testing::TestWithParam<HeaderStop> {};

TEST_P(HeaderStops, AreSaidBeforeAnyRow) {
    const HeaderStop& c = GetParam();
    Scratch scratch;
    const Outcome outcome = RunCalc(scratch, c.args, c.input);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "korvane-calc: " + c.said + "\n");
}

// clang-format off
const HeaderStop kHeaderStops[] = {
    {.name = "EmptyInput", .said = "standard input has no header row."},
    {.name = "TooManyColumns", .input = kBatchHeader + std::string(1000, ',') + "\n",
     .said = "The header row of standard input has more than 1000 columns."},
    {.name = "DelimiterGiven", .args = Batch("-", {"--delimiter", "semicolon"}),
     .input = "tank;ph;free_so2;note,with,commas\nT1;3.5;10;40\n",
     .said = "standard input has no column target, and neither --target-free nor "
             "--target-molecular is given. Its header, read as semicolon-separated "
             "UTF-8, has \"tank\", \"ph\", \"free_so2\", \"note,with,commas\"."},
    {.name = "MissingColumn", .args = {"--batch", "-", "--target-free", "40", "--quiet"},
     .input = "tank,ph,volume (L)\nT1,3.5,23\n",
     .said = "standard input has no column free_so2, and --free-so2 is not given. Its "
             "header, read as comma-separated UTF-8, has \"tank\", \"ph\", \"volume (L)\"."},
    {.name = "TargetWithoutKind", .args = {"--batch", "-", "--quiet"},
     .input = "ph,free_so2,target,batch_size,unit\n3.5,10,40,23,l\n",
     .said = "standard input has a target column but no target_kind column: add one, "
             "or give --target-kind free|molecular."},
    {.name = "TargetGivenTwice", .args = {"--batch", "-", "--target-molecular", "0.8"},
     .input = "ph,free_so2,target,batch_size,unit\n3.5,10,40,23,l\n",
     .said = "standard input has a target column, and --target-free or "
             "--target-molecular gives the target too: use one or the other."},
    {.name = "ColumnTwice", .input = "ph,Free SO2,target,fso2\n",
     .said = "standard input has the column free_so2 twice: \"Free SO2\" and \"fso2\"."},
    {.name = "UnitsDisagree",
     .args = {"--batch", "-", "--unit", "litres", "--target-free", "40"},
     .input = "ph,free_so2,Volume (hL)\n",
     .said = "standard input's header \"Volume (hL)\" names another unit than --unit."},
    // A size under "Volume" and the size given: one is a mistake.
    {.name = "AnOptionAndAColumnForOneValue",
     .input = "tank,Volume,ph,free_so2,target\nT1,2023,3.5,12,35\n",
     .said = "standard input has a batch_size column \"Volume\", and --batch-size gives "
             "it too: use one or the other (--column batch_size= reads no column for it)."},
    {.name = "TheTargetsKindInItsHeaderAndAnotherGiven",
     .args = {"--batch", "-", "--target-kind", "free"},
     .input = "Tank,pH,Free SO2,Volume (L),Target (molecular)\nT1,3.5,10,23,0.8\n",
     .said = "standard input's header \"Target (molecular)\" says its targets are "
             "molecular, and --target-kind says free: use one or the other."},
    {.name = "TheTargetsKindInItsHeaderAndAColumn", .args = {"--batch", "-"},
     .input = "pH,Free SO2,Volume (L),Objetivo (molecular),Tipo objetivo\n",
     .said = "standard input's header \"Objetivo (molecular)\" says its targets are "
             "molecular, and so does its column \"Tipo objetivo\": use one or the other."},
    {.name = "AColumnThatPlainlyHoldsAnInput",
     .args = {"--batch", "-", "--free-so2", "12", "--target-free", "40"},
     .input = "Cuve,pH,SO2 au labo (mg/L),Volume (hL)\n",
     .said = "standard input has a column \"SO2 au labo (mg/L)\" that seems to hold "
             "free_so2 but is not read: read it with --column free_so2=\"SO2 au labo "
             "(mg/L)\", or pass it over with --column free_so2=."},
    {.name = "AWordInBracketsThatFitsNot", .input = "tank,pH (free),free_so2,target\n",
     .said = "standard input's header \"pH (free)\": \"free\" is no unit or word read "
             "for ph."},
    {.name = "AResultColumnWithoutTheOthers",
     .input = "tank,ph,free_so2,target,target_molecular_so2\n",
     .said = "standard input has the result column \"target_molecular_so2\" without "
             "all the others after it, as they are written: it is no input, so rename "
             "it or take it out."},
    {.name = "UnitUnknownInTheHeader",
     .args = Without(Batch("-"), {"--unit", "--batch-size"}),
     .input = "ph,free_so2,Volume (kL),target\n",
     .said = "standard input's header \"Volume (kL)\": Unknown unit \"kL\": use us-gal, "
             "imp-gal, litres or hl."},
    {.name = "UnitInTheHeaderAndAColumn",
     .args = Without(Batch("-"), {"--unit", "--batch-size"}),
     .input = "ph,free_so2,Volume (L),Unit,target\n",
     .said = "standard input's header \"Volume (L)\" names a unit, and so does its "
             "column \"Unit\": use one or the other."},
    {.name = "SO2InAnotherUnit", .input = "ph,Free SO2 (g/L),target\n",
     .said = "standard input's header \"Free SO2 (g/L)\" gives free_so2 in g/L: SO2 is "
             "read in mg/L."},
    {.name = "SO2InAUnitItDoesNotKnow", .input = "ph,SO2 libre [ppb],target\n",
     .said = "standard input's header \"SO2 libre [ppb]\": \"ppb\" is no unit or word "
             "read for free_so2; SO2 is read in mg/L."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Batch, HeaderStops, testing::ValuesIn(kHeaderStops),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KorvaneCalcBatch, RefusesToWriteIntoItsOwnInput) {
    // Standard output sent into the input file would feed the batch its own
    // rows without end, as `korvane-calc --batch in.csv >> in.csv` would.
    Scratch scratch;
    const std::string cellar = kBatchHeader + "\nT1,3.5,10,40\n";
    WriteFile(scratch.Dir() / "in.csv", cellar);
    const Outcome outcome =
        RunCalc(scratch, Batch("{dir}/in.csv"), "", {}, (scratch.Dir() / "in.csv").string());
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              "korvane-calc: The output (standard output) would overwrite the input.\n");
    EXPECT_EQ(ReadFile(scratch.Dir() / "in.csv"), cellar);
}

TEST(KorvaneCalcBatch, LeavesTheOutputFileAloneWhenTheHeaderIsBad) {
    Scratch scratch;
    WriteFile(scratch.Dir() / "out.csv", "earlier doses\n");
    const Outcome outcome = RunCalc(scratch, Batch("-", {"-o", "{dir}/out.csv"}), "tank\nT1\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(ReadFile(scratch.Dir() / "out.csv"), "earlier doses\n");
}

// More than a few megabytes: a tank note makes each row long.
std::string LargeCellar() {
    std::string csv = "tank,note,ph,free_so2,target\n";
    const std::string note(250, 'n');
    while (csv.size() < std::size_t{6} << 20) {
        csv += "T," + note + ",3.5,10,40\n";
    }
    return csv;
}

// Into a file given with -o: what standard output would have held, and no
// progress bar drawn into it or beside it.
TEST(KorvaneCalcBatch, WritesToTheFileGivenWithOAndDrawsNoProgressBar) {
    Scratch scratch;
    const Outcome outcome = RunCalc(scratch, Batch("-", {"-o", "{dir}/out.csv"}), LargeCellar());
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(ReadFile(scratch.Dir() / "out.csv"), RunCalc(scratch, Batch("-"), LargeCellar()).out);
}

TEST(KorvaneCalcBatch, DrawsAProgressBarOnATerminal) {
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(grantpt(terminal), 0);
    ASSERT_EQ(unlockpt(terminal), 0);
    const std::string side = ptsname(terminal);
    // Keep the terminal open on our side too, so reading it never ends early.
    const int keep = open(side.c_str(), O_RDWR | O_NOCTTY);
    std::string shown;
    std::thread reader([&] {
        char buffer[4096];
        for (;;) {
            const ssize_t count = read(terminal, buffer, sizeof buffer);
            if (count <= 0) {
                break;
            }
            shown.append(buffer, static_cast<std::size_t>(count));
        }
    });
    Scratch scratch;
    const Outcome outcome =
        RunCalc(scratch, Batch("-", {"-o", "{dir}/out.csv"}), LargeCellar(), side);
    close(keep);  // now the reader sees the end
    reader.join();
    close(terminal);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(shown.find("korvane-calc: ["), std::string::npos) << shown;
    EXPECT_NE(shown.find('%'), std::string::npos);
}

TEST(KorvaneCalcHelp, ListsEveryOptionWordColumnAndExitStatus) {
    Scratch scratch;
    const Outcome outcome = RunCalc(scratch, {"--help"}, "");
    EXPECT_EQ(outcome.status, 0);
    // Each option at the start of its own line, its meaning after it.
    for (const char* line :
         {"\n  --ph NUMBER ",
          "\n  --free-so2 NUMBER ",
          "\n  --batch-size NUMBER ",
          "\n  --unit WORD                 us-gal, imp-gal, litres or hl",
          "\n  --form WORD                 potassium or sodium (default potassium)",
          "\n  --method WORD               powder, solution or tablet (default powder)",
          "\n  --solution-pct NUMBER ",
          "\n  --tablet-g NUMBER ",
          "\n  --target-free NUMBER ",
          "\n  --target-molecular NUMBER ",
          "\n  --pka NUMBER ",
          "\n  --yes ",
          "\n  --decimal-comma ",
          "\n  --decimal-point ",
          "\n  --format WORD ",
          "\n  -h, --help ",
          "\n  --version ",
          "\n  --batch FILE ",
          "\n  -o, --output FILE ",
          "\n  --delimiter WORD ",
          "\n  --column NAME=HEADER ",
          "\n  --target-kind WORD ",
          "\n  --quiet ",
          "\n  ph, free_so2, batch_size, unit, form, method, solution_pct, tablet_g,",
          "\n  fso2 (free_so2), existing so2 (free_so2), free sulfur dioxide (free_so2),",
          "\n  molecular_so2, target_free_so2, target_molecular_so2, so2_requirement,",
          "\n  0  calculated",
          "\n  1  a check failed",
          "\n  2  usage error",
          "\n  3  a plausibility question",
          "\n  130  interrupted"}) {
        EXPECT_NE(outcome.out.find(line), std::string::npos) << line;
    }
}

// --- Cellar files as spreadsheets write them -----------------------------------

// A file of tests/data/cellar/ and what korvane-calc makes of it: its
// standard output and error are kept beside it, as KEPT.out and KEPT.err.
struct CellarFileCase {
    const char* file;
    std::vector<std::string> args = {};
    int status = 0;
    const char* kept;
};

void PrintTo(const CellarFileCase& c, std::ostream* os) {
    *os << c.file;
}

class CellarFile : public testing::TestWithParam<CellarFileCase> {};

TEST_P(CellarFile, GivesTheKeptOutput) {
    const CellarFileCase& c = GetParam();
    const fs::path data = fs::path(KORVANE_DATA) / "cellar";
    Scratch scratch;
    const Outcome outcome = RunCalc(
        scratch, Joined({"--batch", (data / c.file).string(), "--format", "csv"}, c.args), "");
    const std::string stem = (data / c.kept).string();
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.out, ReadFile(stem + ".out"));
    // Messages name the file as it was given; the kept ones by its name alone.
    std::string err = outcome.err;
    const std::string folder = data.string() + "/";
    for (std::size_t at = 0; (at = err.find(folder)) != std::string::npos;) {
        err.erase(at, folder.size());
    }
    EXPECT_EQ(err, ReadFile(stem + ".err"));
}

INSTANTIATE_TEST_SUITE_P(
    Spreadsheets, CellarFile,
    testing::Values(
        // LibreOffice in English, "Text CSV" with tabs.
        CellarFileCase{
            .file = "tanks_tab.txt", .args = {"--form", "potassium"}, .kept = "tanks_tab"},
        // The same saved as "Unicode text": UTF-16 with its byte order mark.
        CellarFileCase{
            .file = "tanks_unicode.txt", .args = {"--form", "potassium"}, .kept = "tanks_unicode"},
        // "CSV UTF-8" as Excel writes it: a byte order mark, CRLF, and
        // volumes with thousands separators, read two ways until told.
        CellarFileCase{.file = "tanks_excel.csv", .status = 1, .kept = "tanks_excel"},
        CellarFileCase{.file = "tanks_excel.csv",
                       .args = {"--decimal-point", "--yes", "--quiet"},
                       .kept = "tanks_excel_point"},
        // Exported by LibreOffice Calc in each of the six languages' countries
        // (tests/data/cellar/sheets/export.sh), read with no option: each
        // header says its column in its own language.
        CellarFileCase{.file = "cuves_libreoffice_fr.csv", .kept = "cuves_libreoffice_fr"},
        CellarFileCase{.file = "vasche_libreoffice_it.csv", .kept = "vasche_libreoffice_it"},
        CellarFileCase{.file = "depositos_libreoffice_es.csv",
                       .status = 1,
                       .kept = "depositos_libreoffice_es"},
        CellarFileCase{.file = "tanks_libreoffice_de.csv", .kept = "tanks_libreoffice_de"},
        CellarFileCase{.file = "depositos_libreoffice_pt.csv", .kept = "depositos_libreoffice_pt"},
        CellarFileCase{.file = "tanks_libreoffice_en.csv", .kept = "tanks_libreoffice_en"},
        // The option the old hint led to never wins over the file's column.
        CellarFileCase{.file = "cuves_libreoffice_fr.csv",
                       .args = {"--free-so2", "12"},
                       .status = 2,
                       .kept = "cuves_libreoffice_fr_free_so2_given"},
        // Exported by LibreOffice in French with the wine's own columns:
        // total SO2, colour, sugar, style and a binding factor, decimal commas.
        CellarFileCase{.file = "cuves_limites_libreoffice_fr.csv",
                       .args = {"--regime", "eu"},
                       .status = 1,
                       .kept = "cuves_limites_libreoffice_fr"},
        CellarFileCase{.file = "cuves_limites_libreoffice_fr.csv",
                       .args = {"--yes"},
                       .kept = "cuves_limites_libreoffice_fr_no_regime"},
        // LibreOffice in French: semicolons, decimal commas, hectolitres in
        // the header, an empty row, and a volume typed with a point.
        CellarFileCase{.file = "cuves_fr.csv", .status = 1, .kept = "cuves_fr"}),
    [](const auto& info) {
        return std::string(info.param.kept) + (info.param.args.empty() ? "" : "_with_options");
    });

}  // namespace
