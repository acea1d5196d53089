#include "cli/help_text.h"

#include <string_view>

#include "cli/command_line.h"
#include "core/choice_words.h"
#include "core/csv.h"
#include "core/number_text.h"
#include "core/product.h"

namespace korvane {
namespace {

constexpr std::size_t kOptionColumn = 26;

const std::string& Start(DoseColumn column) {
    return StartTexts()[static_cast<std::size_t>(column)];
}

// One option line: the option, then its meaning from a fixed column on.
std::string Line(std::string_view option, std::string_view meaning) {
    std::string line = "  ";
    line += option;
    line.append(line.size() < kOptionColumn ? kOptionColumn - line.size() : 1, ' ');
    line += meaning;
    return line + '\n';
}

std::string Defaulted(std::string_view meaning, DoseColumn column) {
    return std::string(meaning) + " (default " + Start(column) + ")";
}

std::string OptionsPart() {
    return std::string("Wine and batch:\n") +
           Line("--ph TEXT", Defaulted("pH of the wine", DoseColumn::Ph)) +
           Line("--free-so2 TEXT", Defaulted("free SO2 measured, mg/L", DoseColumn::FreeSO2)) +
           Line("--batch-size TEXT", Defaulted("volume of the batch", DoseColumn::BatchSize)) +
           Line("--unit WORD", Defaulted(WordList(kUnitWords), DoseColumn::Unit)) + "Sulphite:\n" +
           Line("--form WORD", Defaulted(WordList(kFormWords), DoseColumn::Form)) +
           Line("--method WORD", Defaulted(WordList(kMethodWords), DoseColumn::Method)) +
           Line("--solution-pct TEXT",
                Defaulted("strength of the stock solution, %", DoseColumn::SolutionPct)) +
           Line("--tablet-g TEXT", Defaulted("weight of one tablet, g", DoseColumn::TabletG)) +
           "Target (one of the two; default: free SO2 " + Start(DoseColumn::Target) + "):\n" +
           Line("--target-free TEXT", "free SO2 to reach, mg/L") +
           Line("--target-molecular TEXT", "molecular SO2 to reach, mg/L") + "Calculation:\n" +
           Line("--pka VALUE", "pKa of SO2, " + PkaRangeText() + " (default " +
                                   FormatPattern(SO2Pka, DisplayPattern::OneDecimal) + ")") +
           Line("--yes", "answer Yes to every plausibility question") + "Output:\n" +
           Line("--format text|json|csv", "one calculation's output (default text)") +
           Line("--batch FILE|-", "a whole cellar: read CSV rows from FILE, - for stdin") +
           Line("-o, --output FILE", "write the batch to FILE (default standard output)") +
           Line("-h, --help", "show this help") + Line("--version", "show the version");
}

// The names joined by commas, in lines of at most 78 characters.
std::string ColumnList(const char* const* names, std::size_t count) {
    std::string list = "   ";
    std::size_t lineLength = 3;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string item = std::string(names[i]) + (i + 1 < count ? "," : "");
        if (lineLength + 1 + item.size() > 78) {
            list += "\n   ";
            lineLength = 3;
        }
        list += ' ' + item;
        lineLength += 1 + item.size();
    }
    return list + '\n';
}

std::string BatchPart() {
    return "Batch (--batch): a CSV file with a header row, one tank a row. Columns,\n"
           "found by name in any order and any case of letters:\n" +
           ColumnList(kDoseColumnNames.data(), kDoseColumnNames.size()) + "  target_kind is " +
           WordList(kTargetKindWords) +
           "; the other words are those of the options.\n"
           "  A column that is absent takes its option's value, else the default\n"
           "  above; ph, free_so2 and target have no default and must be a column or\n"
           "  an option (--target-free and --target-molecular give target_kind and\n"
           "  target). Other columns pass through untouched, in place. Appended to\n"
           "  every row:\n" +
           ColumnList(kResultColumnNames.data(), kResultColumnNames.size()) +
           "  status is ok, error or question; the figures are empty unless ok. A row\n"
           "  with too few or too many fields, or over " +
           RecordLimitText() +
           ", becomes an error row.\n"
           "  Empty lines are skipped. CRLF or LF line ends and a UTF-8 byte order\n"
           "  mark are accepted and kept.\n";
}

}  // namespace

std::string HelpText() {
    return "Usage: korvane-calc [OPTION]...\n"
           "       korvane-calc --batch FILE|- [-o OUT] [OPTION]...\n"
           "Works out the SO2 addition for a wine exactly as Korvane's Calculate button\n"
           "does: the same checks in the same order, the same messages, the same digits.\n"
           "TEXT values are read as the window's fields read them. An option left out\n"
           "takes the built-in system defaults shown; settings.cfg is never read.\n"
           "\n" +
           OptionsPart() + "\n" + BatchPart() +
           "\n"
           "Output: existing molecular SO2, target free and molecular SO2 (the one\n"
           "given as given), free and molecular SO2 requirement, the amount in g, ml or\n"
           "tablets, and teaspoons (none for tablets). json and csv use the batch's\n"
           "result column names and are written whatever the status.\n"
           "\n"
           "Exit status:\n"
           "  0  calculated; for a batch, every row is ok\n"
           "  1  a check failed (its message goes to standard error);\n"
           "     for a batch, some row is not ok\n"
           "  2  usage error, or a batch input that cannot be read or whose header\n"
           "     lacks a column (nothing is written then)\n"
           "  3  a plausibility question was left unanswered (no --yes); its text goes\n"
           "     to standard error\n"
           "\n"
           "Examples:\n"
           "  korvane-calc --ph 3.5 --free-so2 10 --batch-size 23 --unit litres \\\n"
           "               --form potassium --method powder --target-free 40\n"
           "  korvane-calc --batch tanks.csv -o doses.csv --unit litres --yes\n";
}

std::string VersionText() {
    return std::string("korvane-calc ") + ApplicationVersion + "\n";
}

}  // namespace korvane
