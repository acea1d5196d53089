// korvane-calc run as a user runs it: a real process with arguments,
// standard input, files, and its exit status, output and messages read back.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

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

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// A folder of its own for each run, removed afterwards.
class Scratch {
  public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "korvane-calc-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : "";
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const fs::path& Dir() const { return dir_; }
    // "{dir}" in a text stands for the folder.
    std::string Expand(const std::string& text) const { return ReplaceAll(text, "{dir}", dir_); }

  private:
    fs::path dir_;
};

// Runs korvane-calc with `input` as its standard input; `errPath` is where
// standard error goes (a file of the scratch folder unless given), and
// `appendTo` a file standard output is appended to instead of its own.
Outcome RunCalc(const Scratch& scratch, const std::vector<std::string>& args,
                const std::string& input, const std::string& errPath = {},
                const std::string& appendTo = {}) {
    const fs::path in = scratch.Dir() / "stdin";
    const fs::path out = appendTo.empty() ? scratch.Dir() / "stdout" : fs::path(appendTo);
    const fs::path err = errPath.empty() ? scratch.Dir() / "stderr" : fs::path(errPath);
    WriteFile(in, input);
    std::vector<std::string> words{KORVANE_CALC};
    for (const std::string& arg : args) {
        words.push_back(scratch.Expand(arg));
    }
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(),
                                     O_WRONLY | O_CREAT | (appendTo.empty() ? O_TRUNC : O_APPEND),
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY, 0644);
    pid_t pid = 0;
    Outcome outcome;
    if (posix_spawn(&pid, KORVANE_CALC, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    outcome.out = ReadFile(out);
    if (errPath.empty()) {
        outcome.err = ReadFile(err);
    }
    return outcome;
}

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

std::vector<std::string> WorkedExampleWith(std::vector<std::string> more) {
    std::vector<std::string> args = kWorkedExample;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

struct CliCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;  // standard input, also in {dir}/in.csv
    int status;
    std::string out;
    std::string err;
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

const std::string kBatchHeader = "tank,ph,free_so2,target";
const std::string kBatchOutHeader = kBatchHeader + "," + kResultColumns + "\n";

INSTANTIATE_TEST_SUITE_P(
    OneDose, KorvaneCalc,
    testing::Values(
        CliCase{"AsText", kWorkedExample, "", 0,
                "Existing molecular SO2      0.20 mg/L\n"
                "Target free SO2               40 mg/L\n"
                "Target molecular SO2        0.78 mg/L\n"
                "Free SO2 requirement       30.00 mg/L\n"
                "Molecular SO2 requirement   0.59 mg/L\n"
                "Required addition           1.19 g\n"
                "Teaspoons                   0.19 tsp\n",
                ""},
        CliCase{"AsJson", WorkedExampleWith({"--format", "json"}), "", 0,
                "{\n  \"molecular_so2\": \"0.20\",\n  \"target_free_so2\": \"40\",\n"
                "  \"target_molecular_so2\": \"0.78\",\n  \"so2_requirement\": \"30.00\",\n"
                "  \"molecular_so2_requirement\": \"0.59\",\n  \"amount\": \"1.19\",\n"
                "  \"amount_unit\": \"g\",\n  \"teaspoons\": \"0.19\",\n  \"status\": \"ok\",\n"
                "  \"message\": \"\"\n}\n",
                ""},
        CliCase{"AsCsv", WorkedExampleWith({"--format=csv"}), "", 0,
                "ph,free_so2,batch_size,unit,form,method,solution_pct,tablet_g,target_kind,"
                "target," +
                    kResultColumns + "\n3.5,10,23,litres,potassium,powder,10,0.44,free,40," +
                    kWorkedFigures + "\n",
                ""},
        // The free target for 0.8 molecular: 0.8 x 51.12 = 40.89.
        CliCase{"MolecularTarget",
                {"--ph", "3.5", "--free-so2", "10", "--batch-size", "23", "--unit", "litres",
                 "--target-molecular", "0.8", "--format", "csv"},
                "",
                0,
                "ph,free_so2,batch_size,unit,form,method,solution_pct,tablet_g,target_kind,"
                "target," +
                    kResultColumns +
                    "\n3.5,10,23,litres,potassium,powder,10,0.44,molecular,0.8,"
                    "0.20,40.89,0.8,30.89,0.60,1.23,g,0.20,ok,\n",
                ""},
        // 1.19 g in tablets of 0.44 g; tablets have no teaspoons.
        CliCase{"Tablets",
                {"--ph", "3.5", "--free-so2", "10", "--batch-size", "23", "--unit", "litres",
                 "--method", "tablet", "--target-free", "40"},
                "",
                0,
                "Existing molecular SO2      0.20 mg/L\n"
                "Target free SO2               40 mg/L\n"
                "Target molecular SO2        0.78 mg/L\n"
                "Free SO2 requirement       30.00 mg/L\n"
                "Molecular SO2 requirement   0.59 mg/L\n"
                "Required addition           2.72 tablets\n",
                ""},
        // A 10% solution of sodium metabisulphite: 30 / 0.67438 x 23 / 100 = 10.23 ml.
        CliCase{
            "SodiumSolution",
            {"--ph", "3.5", "--free-so2", "10", "--batch-size", "23", "--unit", "litres", "--form",
             "sodium", "--method", "solution", "--target-free", "40", "--format", "csv"},
            "",
            0,
            "ph,free_so2,batch_size,unit,form,method,solution_pct,tablet_g,target_kind,"
            "target," +
                kResultColumns +
                "\n3.5,10,23,litres,sodium,solution,10,0.44,free,40,"
                "0.20,40,0.78,30.00,0.59,10.23,ml,2.08,ok,\n",
            ""},
        // pKa 2: divisor 10^1.5 + 1 = 32.62.
        CliCase{"OwnPka", WorkedExampleWith({"--pka", "2", "--format", "csv"}), "", 0,
                "ph,free_so2,batch_size,unit,form,method,solution_pct,tablet_g,target_kind,"
                "target," +
                    kResultColumns +
                    "\n3.5,10,23,litres,potassium,powder,10,0.44,free,40,"
                    "0.31,40,1.23,30.00,0.92,1.19,g,0.19,ok,\n",
                ""},
        // Nothing given: the window's start, which computes nothing to add.
        CliCase{"SystemDefaults",
                {"--format", "csv"},
                "",
                0,
                "ph,free_so2,batch_size,unit,form,method,solution_pct,tablet_g,target_kind,"
                "target," +
                    kResultColumns +
                    "\n3.5,0.00,5,us-gal,potassium,powder,10,0.44,free,0.00,"
                    "0.00,0.00,0.00,0.00,0.00,0.00,g,0.00,ok,\n",
                ""},
        CliCase{"CheckFails",
                {"--batch-size", "0", "--target-free", "40"},
                "",
                1,
                "",
                "Batch size must be greater than 0.\n"},
        CliCase{"CheckFailsAsJson",
                {"--free-so2", "50", "--target-free", "40", "--format", "json"},
                "",
                1,
                "{\n  \"molecular_so2\": \"\",\n  \"target_free_so2\": \"\",\n"
                "  \"target_molecular_so2\": \"\",\n  \"so2_requirement\": \"\",\n"
                "  \"molecular_so2_requirement\": \"\",\n  \"amount\": \"\",\n"
                "  \"amount_unit\": \"\",\n  \"teaspoons\": \"\",\n  \"status\": \"error\",\n"
                "  \"message\": \"Existing SO2 cannot be greater than target SO2.\"\n}\n",
                "Existing SO2 cannot be greater than target SO2.\n"},
        CliCase{"NotNumeric",
                {"--ph", "3,5", "--target-molecular", "0.8"},
                "",
                1,
                "",
                "pH must be numeric.\n"},
        CliCase{"QuestionUnanswered",
                {"--ph", "1.5", "--target-molecular", "1"},
                "",
                3,
                "",
                "pH appears low. Are you sure it is correct?\n"},
        CliCase{"QuestionAnswered",
                {"--ph", "1.5", "--target-molecular", "1", "--yes", "--format", "csv"},
                "",
                0,
                "ph,free_so2,batch_size,unit,form,method,solution_pct,tablet_g,target_kind,"
                "target," +
                    kResultColumns +
                    "\n1.5,0.00,5,us-gal,potassium,powder,10,0.44,molecular,1,"
                    "0.00,1.50,1,1.50,1.00,0.05,g,0.01,ok,\n",
                ""},
        CliCase{"UnknownOption",
                {"--colour", "red"},
                "",
                2,
                "",
                "korvane-calc: Unknown option --colour.\n" + kHint},
        CliCase{"UnexpectedArgument",
                {"3.5"},
                "",
                2,
                "",
                "korvane-calc: Unexpected argument \"3.5\".\n" + kHint},
        CliCase{"MissingValue", {"--ph"}, "", 2, "", "korvane-calc: --ph needs a value.\n" + kHint},
        CliCase{"BadChoiceWord",
                {"--unit", "gallons"},
                "",
                2,
                "",
                "korvane-calc: Unknown unit \"gallons\": use us-gal, imp-gal or litres.\n" + kHint},
        CliCase{"BadFormat",
                {"--format", "xml"},
                "",
                2,
                "",
                "korvane-calc: Unknown format \"xml\": use text, json or csv.\n" + kHint},
        CliCase{"PkaOutOfRange",
                {"--pka", "14.5"},
                "",
                2,
                "",
                "korvane-calc: --pka must be a number from 0 to 14.\n" + kHint},
        CliCase{"PkaNotANumber",
                {"--pka", "warm"},
                "",
                2,
                "",
                "korvane-calc: --pka must be a number from 0 to 14.\n" + kHint},
        CliCase{"TwoTargets",
                {"--target-free", "40", "--target-molecular", "0.8"},
                "",
                2,
                "",
                "korvane-calc: Give only one of --target-free and --target-molecular.\n" + kHint},
        CliCase{"GivenTwice",
                {"--ph", "3.4", "--ph=3.5"},
                "",
                2,
                "",
                "korvane-calc: --ph is given twice.\n" + kHint},
        CliCase{"Version", {"--version"}, "", 0, "korvane-calc 2.02\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Batch, KorvaneCalc,
    testing::Values(
        CliCase{"FromStandardInput",
                {"--batch", "-", "--unit", "litres", "--batch-size", "23"},
                kBatchHeader + "\nT1,3.5,10,40\n",
                0,
                kBatchOutHeader + "T1,3.5,10,40," + kWorkedFigures + "\n",
                ""},
        CliCase{"ColumnsInAnyOrder",
                {"--batch", "{dir}/in.csv"},
                "Target,unit,batch_size,free_so2,PH\n40,litres,23,10,3.5\n",
                0,
                "Target,unit,batch_size,free_so2,PH," + kResultColumns + "\n40,litres,23,10,3.5," +
                    kWorkedFigures + "\n",
                ""},
        CliCase{
            "QuotedFieldPassesThrough",
            {"--batch", "-", "--unit", "litres", "--batch-size", "23"},
            kBatchHeader + "\n\"Cuve 3, \"\"east\"\"\nwall\",3.5,10,40\n",
            0,
            kBatchOutHeader + "\"Cuve 3, \"\"east\"\"\nwall\",3.5,10,40," + kWorkedFigures + "\n",
            ""},
        CliCase{"ShortRow",
                {"--batch", "-"},
                kBatchHeader + "\nT1,3.5\n",
                1,
                kBatchOutHeader + "T1,3.5,,,,,,,,,,,error,Row has 2 fields; the header has 4.\n",
                ""},
        CliCase{"LongRow",
                {"--batch", "-", "--unit", "litres", "--batch-size", "23"},
                kBatchHeader + "\nT1,3.5,10,40" + std::string(70000, ' ') + "\nT2,3.5,10,40\n",
                1,
                kBatchOutHeader + ",,,,,,,,,,,,error,Row is longer than 64 KiB.\nT2,3.5,10,40," +
                    kWorkedFigures + "\n",
                ""},
        CliCase{"RowsOfEveryStatus",
                {"--batch", "-", "--unit", "litres", "--batch-size", "23"},
                "ph,free_so2,target,target_kind\n3.5,10,40,free\n3.5,50,40,free\n"
                "1.5,0,1,molecular\n3.5,10,40,mole\n",
                1,
                "ph,free_so2,target,target_kind," + kResultColumns + "\n3.5,10,40,free," +
                    kWorkedFigures +
                    "\n3.5,50,40,free,,,,,,,,,error,Existing SO2 cannot be greater than target "
                    "SO2.\n1.5,0,1,molecular,,,,,,,,,question,pH appears low. Are you sure it is "
                    "correct?\n3.5,10,40,mole,,,,,,,,,error,\"Unknown target kind \"\"mole\"\": "
                    "use free or molecular.\"\n",
                ""},
        CliCase{"CrLf",
                {"--batch", "-", "--unit", "litres", "--batch-size", "23"},
                kBatchHeader + "\r\nT1,3.5,10,40\r\n",
                0,
                kBatchHeader + "," + kResultColumns + "\r\nT1,3.5,10,40," + kWorkedFigures + "\r\n",
                ""},
        CliCase{"ByteOrderMark",
                {"--batch", "-", "--unit", "litres", "--batch-size", "23"},
                "\xEF\xBB\xBF"
                "ph,free_so2,target\n3.5,10,40\n",
                0,
                "\xEF\xBB\xBF"
                "ph,free_so2,target," +
                    kResultColumns + "\n3.5,10,40," + kWorkedFigures + "\n",
                ""},
        CliCase{"NonUtf8BytesPassThrough",
                {"--batch", "-", "--unit", "litres", "--batch-size", "23"},
                kBatchHeader + "\nF\xFBt \xE9t\xE9,3.5,10,40\n",
                0,
                kBatchOutHeader + "F\xFBt \xE9t\xE9,3.5,10,40," + kWorkedFigures + "\n",
                ""},
        CliCase{"MissingColumn",
                {"--batch", "-"},
                "tank,ph,target\nT1,3.5,40\n",
                2,
                "",
                "korvane-calc: standard input has no column free_so2, and --free-so2 is not "
                "given.\n"},
        CliCase{"MissingTarget",
                {"--batch", "{dir}/in.csv"},
                "ph,free_so2\n3.5,10\n",
                2,
                "",
                "korvane-calc: {dir}/in.csv has no column target, and neither --target-free nor "
                "--target-molecular is given.\n"},
        CliCase{"OptionStandsInForAColumn",
                {"--batch", "-", "--unit", "litres", "--batch-size", "23", "--target-free", "40"},
                "ph,free_so2\n3.5,10\n",
                0,
                "ph,free_so2," + kResultColumns + "\n3.5,10," + kWorkedFigures + "\n",
                ""},
        CliCase{"EmptyInput",
                {"--batch", "-"},
                "",
                2,
                "",
                "korvane-calc: standard input has no header row.\n"},
        CliCase{"UnreadableFile",
                {"--batch", "{dir}/absent.csv"},
                "",
                2,
                "",
                "korvane-calc: Cannot read {dir}/absent.csv: No such file or directory\n"},
        CliCase{"OutputWouldOverwriteInput",
                {"--batch", "{dir}/in.csv", "-o", "{dir}/in.csv"},
                kBatchHeader + "\nT1,3.5,10,40\n",
                2,
                "",
                "korvane-calc: The output {dir}/in.csv would overwrite the input.\n"},
        CliCase{
            "FormatIsForOneDose",
            {"--batch", "-", "--format", "json"},
            "",
            2,
            "",
            "korvane-calc: --format is for one calculation; a batch always writes CSV.\n" + kHint},
        CliCase{"OutputNeedsABatch",
                {"-o", "{dir}/out.csv"},
                "",
                2,
                "",
                "korvane-calc: -o is for a batch: give --batch FILE as well.\n" + kHint}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KorvaneCalcBatch, WritesToTheFileGivenWithO) {
    Scratch scratch;
    const Outcome outcome = RunCalc(
        scratch, {"--batch", "-", "-o", "{dir}/out.csv", "--unit", "litres", "--batch-size", "23"},
        kBatchHeader + "\nT1,3.5,10,40\n");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(ReadFile(scratch.Dir() / "out.csv"),
              kBatchOutHeader + "T1,3.5,10,40," + kWorkedFigures + "\n");
}

TEST(KorvaneCalcBatch, RefusesToWriteIntoItsOwnInput) {
    // Standard output sent into the input file would feed the batch its own
    // rows without end, as `korvane-calc --batch in.csv >> in.csv` would.
    Scratch scratch;
    const std::string cellar = kBatchHeader + "\nT1,3.5,10,40\n";
    WriteFile(scratch.Dir() / "in.csv", cellar);
    const Outcome outcome =
        RunCalc(scratch, {"--batch", "{dir}/in.csv"}, "", {}, (scratch.Dir() / "in.csv").string());
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              "korvane-calc: The output (standard output) would overwrite the input.\n");
    EXPECT_EQ(ReadFile(scratch.Dir() / "in.csv"), cellar);
}

TEST(KorvaneCalcBatch, LeavesTheOutputFileAloneWhenTheHeaderIsBad) {
    Scratch scratch;
    WriteFile(scratch.Dir() / "out.csv", "earlier doses\n");
    const Outcome outcome = RunCalc(scratch, {"--batch", "-", "-o", "{dir}/out.csv"}, "tank\nT1\n");
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

TEST(KorvaneCalcBatch, DrawsNoProgressBarIntoAFile) {
    Scratch scratch;
    const Outcome outcome =
        RunCalc(scratch, {"--batch", "-", "-o", "{dir}/out.csv"}, LargeCellar());
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
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
        RunCalc(scratch, {"--batch", "-", "-o", "{dir}/out.csv"}, LargeCellar(), side);
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
    for (const char* text : {"--ph",
                             "--free-so2",
                             "--batch-size",
                             "--unit",
                             "us-gal",
                             "imp-gal",
                             "litres",
                             "--form",
                             "potassium",
                             "sodium",
                             "--method",
                             "powder",
                             "solution",
                             "tablet",
                             "--solution-pct",
                             "--tablet-g",
                             "--target-free",
                             "--target-molecular",
                             "--yes",
                             "--pka",
                             "--format",
                             "text|json|csv",
                             "--batch",
                             "-o",
                             "--help",
                             "--version",
                             "solution_pct",
                             "tablet_g",
                             "target_kind",
                             "molecular_so2_requirement",
                             "amount_unit",
                             "(default 3.5)",
                             "(default 0.00)",
                             "(default 5)",
                             "(default us-gal)",
                             "(default 1.8)",
                             "0  ",
                             "1  ",
                             "2  ",
                             "3  ",
                             "settings.cfg",
                             "korvane-calc --batch tanks.csv"}) {
        EXPECT_NE(outcome.out.find(text), std::string::npos) << text;
    }
}

}  // namespace
