#include "cli/help_text.h"

#include <string_view>

#include "cli/command_line.h"
#include "core/cellar/cellar_header.h"
#include "core/cellar/choice_words.h"
#include "core/cellar/csv.h"
#include "core/rules/number_text.h"
#include "core/rules/product.h"

namespace korvane {
namespace {

// Where an option's meaning starts: two blanks after the longest option, so
// that a manual page made from this text tells the two apart.
constexpr std::size_t kOptionColumn = 30;
constexpr std::size_t kLineWidth = 79;

// One option line: the option, then its meaning from a fixed column on,
// carried on to further lines there.
std::string Line(std::string_view option, std::string_view meaning) {
    std::string text = "  ";
    text += option;
    text.append(text.size() + 2 <= kOptionColumn ? kOptionColumn - text.size() : 2, ' ');
    std::size_t width = kOptionColumn;
    while (!meaning.empty()) {
        std::size_t cut = meaning.size();
        if (width + meaning.size() > kLineWidth) {
            cut = meaning.rfind(' ', kLineWidth - width);
        }
        text += meaning.substr(0, cut);
        meaning.remove_prefix(std::min(meaning.size(), cut + 1));
        if (!meaning.empty()) {
            text += '\n' + std::string(kOptionColumn, ' ');
        }
    }
    return text + '\n';
}

std::string Built(DoseColumn column) {
    return std::string(" (default ") + BuiltInWord(column) + ")";
}

// Words joined by commas in lines of at most kLineWidth characters, each
// line indented by `indent`.
std::string Wrapped(const std::vector<std::string>& items, std::size_t indent) {
    std::string text(indent, ' ');
    std::size_t length = indent;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = items[i] + (i + 1 < items.size() ? "," : "");
        if (length > indent && length + 1 + item.size() > kLineWidth) {
            text += '\n' + std::string(indent, ' ');
            length = indent;
        } else if (length > indent) {
            text += ' ';
            ++length;
        }
        text += item;
        length += item.size();
    }
    return text + '\n';
}

// The wine's own figures, for its legal limit and what binding takes.
std::string WinePart() {
    std::string regimes;
    for (std::size_t i = 0; i < kRegimeWords.size(); ++i) {
        regimes += i == 0 ? "" : i + 1 == kRegimeWords.size() ? " or " : ", ";
        regimes += kRegimeWords[i].word;
    }
    return "\nTotal SO2 and its legal limit (see doc/LIMITS.md; none is needed):\n" +
           Line("--total-so2 NUMBER", "total SO2 measured, mg/L") +
           Line("--colour WORD",
                "red, white or rosé, in any of the six languages (default: "
                "red's limit)") +
           Line("--sugar NUMBER",
                "sugar (glucose + fructose), g/L (default: the stricter "
                "limit)") +
           Line("--style WORD",
                "still, quality-sparkling, sparkling or liqueur (default "
                "still)") +
           Line("--regime WORD",
                "the limit's law: " + regimes + " (EU, EU organic, US, Australia, OIV)") +
           Line("--limit NUMBER", "a limit of your own, mg/L; wins over --regime") +
           Line("--binding-factor NUMBER",
                "the SO2 added is the free SO2 requirement times this, 1 or more "
                "(default 1), and the amount is for that SO2");
}

std::string OptionsPart() {
    return std::string("Wine and batch (each given once: as an option or as a batch's column):\n") +
           Line("--ph NUMBER", "pH of the wine, 1 to 14") +
           Line("--free-so2 NUMBER", "free SO2 measured, mg/L") +
           Line("--batch-size NUMBER", "volume of the batch") +
           Line("--unit WORD", WordList(kUnitWords) + " (hl: hectolitres)") + "\nSulphite:\n" +
           Line("--form WORD", WordList(kSulphiteForms) + Built(DoseColumn::Form)) +
           Line("--method WORD", WordList(kAdditionMethods) + Built(DoseColumn::Method)) +
           Line("--solution-pct NUMBER", "strength of the stock solution, %, for solution") +
           Line("--tablet-g NUMBER", "weight of one tablet, g, for tablet") +
           "\nTarget (one of the two, or a batch's target column):\n" +
           Line("--target-free NUMBER", "free SO2 to reach, mg/L") +
           Line("--target-molecular NUMBER", "molecular SO2 to reach, mg/L") + WinePart() +
           "\nCalculation:\n" +
           Line("--pka NUMBER", "pKa of SO2, " + PkaRangeText() + " (default " +
                                    FormatPattern(SO2Pka, DisplayPattern::OneDecimal) + ")") +
           Line("--yes", "answer Yes to every plausibility question") +
           Line("--decimal-comma", "numbers have a decimal comma") +
           Line("--decimal-point", "numbers have a decimal point") + "\nOutput:\n" +
           Line("--format WORD",
                "text, json or csv for one calculation (default text); csv "
                "or table for a batch (default table on a terminal, else csv)") +
           Line("-h, --help", "show this help and exit") +
           Line("--version", "show the version and exit");
}

std::string BatchOptionsPart() {
    return std::string("Batch:\n") +
           Line("--batch FILE",
                "a whole cellar: read rows of tanks from FILE (- is standard "
                "input)") +
           Line("-o, --output FILE",
                "write the batch as CSV to FILE, which is replaced only once the batch "
                "has ended well; a device, a pipe or /dev/stdout takes the rows as they "
                "come") +
           Line("--delimiter WORD", "comma, semicolon or tab (default: found from the header)") +
           Line("--column NAME=HEADER",
                "read the column NAME from the file's column HEADER; NAME= reads none") +
           Line("--target-kind WORD",
                WordList(kTargetKinds) + ": the kind of every target in a target column") +
           Line("--quiet", "no summary on standard error");
}

std::string ColumnNames() {
    std::vector<std::string> names(kDoseColumnNames.begin(), kDoseColumnNames.end());
    // The other English names; those in the five other languages are in
    // the README, and would fill the screen here.
    std::vector<std::string> aliases;
    for (const ColumnName& row : kColumnNames) {
        const char* own = kDoseColumnNames[Index(row.column)];
        if (row.language == HeaderLanguage::English && HeaderKey(row.name) != HeaderKey(own)) {
            aliases.push_back(std::string(row.name) + " (" + own + ")");
        }
    }
    std::vector<std::string> results(kResultColumnNames.begin(), kResultColumnNames.end());
    return "The columns are found by name, in any order; case, accents, blanks, _\n"
           "and - do not matter (\"Free SO2 (mg/L)\" is free_so2):\n" +
           Wrapped(names, 2) +
           "Other names they go by in English (their names in French, Italian,\n"
           "Spanish, German and Portuguese, such as \"SO2 libre\" or \"Zielwert\", are\n"
           "in the README):\n" +
           Wrapped(aliases, 2) +
           "A column that is absent takes its option's value; an option given for a\n"
           "column the file has stops the batch (--column NAME= reads no column for\n"
           "NAME), and so does a column no name reads that plainly holds an input (it\n"
           "names SO2, pH, a volume or a target). Words in brackets must be a unit of\n"
           "the column (mg/L or ppm for SO2; L, hL, us-gal or imp-gal for the batch\n"
           "size, where there is no unit column) or say what it holds (free,\n"
           "molecular, measured, target); any other stops the batch. A target column\n"
           "takes its kind from its header (\"Target (molecular)\", \"SO2 libre visé\"),\n"
           "a target_kind column or --target-kind. The program's own result columns,\n"
           "read back, are replaced. Other columns pass through untouched. Appended\n"
           "to every row:\n" +
           Wrapped(results, 2);
}

std::string FilesPart() {
    return "Batch files:\n" + ColumnNames() +
           "status is ok, no_addition (the wine is at or above its target; the amount\n"
           "is 0.00), error, question (not answered: give --yes) or blank (a row with\n"
           "every field empty, passed through). The figures are empty unless ok or\n"
           "no_addition. A row with too few or too many fields, or over " +
           RecordLimitText() +
           ", is an\n"
           "error row; empty lines are skipped.\n"
           "The file may be separated by commas, semicolons or tabs, in UTF-8 with or\n"
           "without a byte order mark, or in UTF-16 with one. Where semicolons or tabs\n"
           "separate the fields, a comma in a number is its decimal mark. A number\n"
           "that could be read two ways (2,250, or 1.100 where commas are decimal\n"
           "marks) is an error until --decimal-comma or --decimal-point says which.\n"
           "The output keeps the file's separator, decimal mark and line ends, and is\n"
           "UTF-8, with a byte order mark when the file had one or was UTF-16. A\n"
           "summary of the rows goes to standard error.\n";
}

}  // namespace

std::string HelpText() {
    return "Usage: korvane-calc [OPTION]...\n"
           "  or:  korvane-calc --batch FILE [-o OUT] [OPTION]...\n"
           "Work out the SO2 addition for a wine as Korvane's Calculate button does: the\n"
           "same checks in the same order, the same messages, the same digits. Because\n"
           "its values come from outside, it also checks that every number is in range\n"
           "whatever the target kind, asks about a target above 100 mg/L free or 2 mg/L\n"
           "molecular, a stock solution under 1 % or a tablet under 0.1 g, and about\n"
           "the slips people make: a target under 10 mg/L free or 0.2 mg/L molecular,\n"
           "free SO2 above 0 and under 1 mg/L or above 100, a batch over 1,000,000\n"
           "litres and a pKa outside 1.5 to 2.5. An amount above 10^9 g, ml or tablets\n"
           "is an error even with --yes. It tells a wine already at its target that it\n"
           "needs no addition, and never reads settings.cfg.\n"
           "\n" +
           OptionsPart() + "\n" + BatchOptionsPart() + "\n" + FilesPart() +
           "\n"
           "Output of one calculation: the inputs calculated with, then existing\n"
           "molecular SO2, target free and molecular SO2, free and molecular SO2\n"
           "requirement, the amount in g, ml or tablets, and teaspoons (none for\n"
           "tablets). json and csv use the batch's result column names.\n"
           "Once total SO2, colour, sugar, style, a binding factor, --regime or --limit\n"
           "is given, the output (and a batch's every row) adds so2_added (the free SO2\n"
           "requirement times the binding factor), projected_total_so2 (total SO2 plus\n"
           "that) and total_so2_limit (empty where nothing was checked). A projected\n"
           "total above the limit is a question; total SO2 below the free SO2 is an\n"
           "error, and one above 0 and under 5 mg/L (g/L typed in) a question, as is\n"
           "a binding factor above 2. Without them, the output is as it always was.\n"
           "\n"
           "Exit status:\n"
           "  0  calculated, or no addition needed; for a batch, no row is an error or\n"
           "     a question\n"
           "  1  a check failed (its message goes to standard error); for a batch, some\n"
           "     row is an error or a question\n"
           "  2  usage error, a batch input that cannot be read or whose header lacks a\n"
           "     column (nothing is written then), or an output that cannot be written\n"
           "  3  a plausibility question was left unanswered (no --yes); its text goes\n"
           "     to standard error\n"
           "  130  interrupted by Ctrl+C; another signal sent to end it gives 2 (the\n"
           "       output file is left as it was either way)\n";
}

std::string VersionText() {
    return std::string("korvane-calc ") + kApplicationVersion + "\n";
}

}  // namespace korvane
