#include "cli/commands.h"

#include <unistd.h>

#include <csignal>
#include <memory>
#include <string>

#include "cli/batch_table.h"
#include "cli/file_streams.h"
#include "cli/help_text.h"
#include "cli/interruption.h"
#include "cli/progress_bar.h"
#include "cli/reports.h"
#include "core/cellar/batch_report.h"
#include "core/cellar/text_encoding.h"
#include "core/files/write_all.h"

namespace korvane {
namespace {

int UsageFailure(const std::string& message) {
    Complain(message + "\nTry 'korvane-calc --help' for more.");
    return kExitUsage;
}

// A file's name as messages show it: control characters and bytes that are
// not UTF-8 escaped, so that a strange name cannot garble the terminal.
std::string InputName(const std::string& path) {
    return path == "-" ? "standard input" : EscapedText(path);
}

std::string OutputName(const std::string& path) {
    return path == "-" ? "standard output" : EscapedText(path);
}

// How korvane-calc speaks of its file and options when a header stops it.
BatchWording Wording(const std::string& input, const FileSource& source) {
    BatchWording wording;
    wording.input = input;
    wording.notGiven = [](DoseColumn column) { return MissingOptionText(column); };
    wording.targetKindHint = "give --target-kind free|molecular";
    wording.targetSource = OptionFor(DoseColumn::Target);
    wording.unitSource = "--unit";
    wording.givenBy = [](DoseColumn column) { return OptionFor(column); };
    wording.readNoColumn = [](DoseColumn column) {
        return "--column " + std::string(kDoseColumnNames[Index(column)]) + "=";
    };
    wording.readOrPassOver = [](DoseColumn column, std::string_view header) {
        const std::string option = "--column " + std::string(kDoseColumnNames[Index(column)]) + "=";
        return "read it with " + option + "\"" + EscapedText(header) + "\", or pass it over with " +
               option;
    };
    wording.failure = source.Failure();
    return wording;
}

// Writes what the command prints; a full disk, a closed pipe or a closed
// standard output is reported rather than passed over.
bool Print(std::string_view text, bool outputClosed) {
    if (outputClosed) {
        Complain("Cannot write standard output: it is closed.");
        return false;
    }
    StandardOutput out;
    if (out.Write(text)) {
        return true;
    }
    Complain("Cannot write standard output: " + out.Failure());
    return false;
}

int DoseExitStatus(DoseStatus status) {
    switch (status) {
        case DoseStatus::Ok:
        case DoseStatus::NoAddition:
        case DoseStatus::Blank:
            return kExitCalculated;
        case DoseStatus::Error:
            return kExitCheckFailed;
        case DoseStatus::Question:
            break;
    }
    return kExitUnanswered;
}

// "form potassium and method powder"
std::string BuiltInsText(const std::vector<DoseColumn>& builtIns) {
    std::string text;
    for (std::size_t i = 0; i < builtIns.size(); ++i) {
        text += i == 0 ? "" : i + 1 == builtIns.size() ? " and " : ", ";
        text += std::string(kDoseColumnNames[Index(builtIns[i])]) + " " + BuiltInWord(builtIns[i]);
    }
    return text;
}

std::string Report(OutputFormat format, const DoseTextViews& texts,
                   const std::vector<DoseColumn>& builtIns, double pka, const DoseResult& result,
                   const WineReport& wine) {
    switch (format) {
        case OutputFormat::Json:
            return JsonReport(result, wine);
        case OutputFormat::Csv:
            return CsvReport(texts, result, wine.shown);
        case OutputFormat::Text:
        case OutputFormat::Table:
            break;
    }
    return TextReport(texts, builtIns, pka, result, wine);
}

// Where a batch's rows go: a file replaced whole at the end, a device, a
// pipe or a descriptor named with -o, standard output as CSV, or a table for
// the screen.
class BatchOutput {
  public:
    BatchOutput(const CommandLine& line, bool outputClosed)
        : path_(line.outputPath.value_or("-")), closed_(outputClosed) {
        if (path_ != "-") {
            file_ = std::make_unique<OutputFile>(path_);
        }
        const bool screen = ::isatty(STDOUT_FILENO) == 1;
        table_ = path_ == "-" &&
                 line.format.value_or(screen ? OutputFormat::Table : OutputFormat::Csv) ==
                     OutputFormat::Table;
    }

    std::optional<std::string> OpenFailure() const {
        if (file_ && !file_->IsOpen()) {
            return "Cannot write " + OutputName(path_) + ": " + file_->Failure();
        }
        // Standard output named with -o (/dev/stdout) is the same closed
        // stream, whatever now stands in its place.
        if (closed_ && (!file_ || file_->Descriptor() == STDOUT_FILENO)) {
            return "Cannot write " + (file_ ? OutputName(path_) : "standard output") +
                   ": it is closed.";
        }
        return std::nullopt;
    }
    ByteSink& Sink() { return file_ ? static_cast<ByteSink&>(*file_) : csv_; }
    bool Table() const { return table_; }
    bool Commit() { return !file_ || file_->Commit(); }
    std::string Failure() const { return file_ ? file_->Failure() : csv_.Failure(); }
    const std::string& Path() const { return path_; }
    // Whether a failure leaves the output as it was.
    bool ReplacesWhole() const { return file_ && file_->ReplacesWhole(); }
    // Whether the rows go to a terminal, where they show their own progress.
    bool OnScreen() const { return ::isatty(file_ ? file_->Descriptor() : STDOUT_FILENO) == 1; }

  private:
    std::string path_;
    bool closed_;
    std::unique_ptr<OutputFile> file_;
    StandardOutput csv_;
    bool table_ = false;
};

// The CSV of a batch shown as a table: thrown away, the rows taken one by
// one instead.
class Discard : public ByteSink {
  public:
    bool Write(std::string_view /*bytes*/) override { return true; }
};

// After a batch that did not end well: why, and that the output file is as
// it was (a stream has taken what was written). Interrupted by a signal, the
// status is 128 + SIGINT for Ctrl+C.
int BatchFailure(const std::string& reason, const BatchOutput& output) {
    const std::string kept =
        output.ReplacesWhole() ? "; " + OutputName(output.Path()) + " left unchanged" : "";
    if (const int signal = Interruption(); signal != 0) {
        Complain("interrupted" + kept);
        return signal == SIGINT ? 128 + SIGINT : kExitUsage;
    }
    // A reason that is whole sentences ends with its own full stop.
    if (!kept.empty() && reason.ends_with('.')) {
        Complain(reason + " " + OutputName(output.Path()) + " is left unchanged.");
    } else {
        Complain(reason + kept);
    }
    return kExitUsage;
}

int FinishBatch(const CommandLine& line, const CellarBatch& batch) {
    const BatchCounts& counts = batch.Counts();
    if (!line.quiet) {
        Complain(BatchSummaryText(counts, batch.Encoding()));
    }
    return counts.errors + counts.questions == 0 ? kExitCalculated : kExitCheckFailed;
}

}  // namespace

int RunOneDose(const CommandLine& line, bool outputClosed) {
    DoseTextViews texts;
    std::vector<DoseColumn> builtIns;
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        const auto& given = line.settings.given[c];
        const char* builtIn = BuiltInWord(static_cast<DoseColumn>(c));
        texts[c] = given ? std::string_view(*given) : builtIn != nullptr ? builtIn : "";
        if (!given && builtIn != nullptr) {
            builtIns.push_back(static_cast<DoseColumn>(c));
        }
    }
    // The wine's figures are shown once any of them, a regime or a limit is
    // given; otherwise every output is what it has always been.
    const auto& settings = line.settings;
    bool wineGiven = settings.regime || settings.limit;
    for (std::size_t c = kDoseColumnsOfEveryDose; c < kDoseColumnCount; ++c) {
        wineGiven = wineGiven || settings.given[c];
    }
    const WineSettings wineSettings{wineGiven, settings.regime, settings.limit};
    const bool totalGiven = settings.given[Index(DoseColumn::TotalSO2)].has_value();
    const WineReport wine{wineGiven, WineNoteText(wineSettings, totalGiven)};
    DoseCalculation dose;
    dose.SetWine(wineSettings);
    if (std::optional<std::string> problem = dose.Fill(texts, line.settings.pka)) {
        return UsageFailure(*problem);
    }
    const DoseResult& result = dose.Evaluate(line.settings.answerYes);
    const OutputFormat format = line.format.value_or(OutputFormat::Text);
    if (format != OutputFormat::Text && !builtIns.empty()) {
        Complain("Built-in defaults used: " + BuiltInsText(builtIns) + ".");
    }
    if (format == OutputFormat::Csv && wine.note) {
        Complain(*wine.note);
    }
    if (!Print(Report(format, texts, builtIns, line.settings.pka, result, wine), outputClosed)) {
        return kExitUsage;
    }
    if (result.status == DoseStatus::Error || result.status == DoseStatus::Question) {
        WriteAll(STDERR_FILENO, std::string(result.message) + "\n");
    }
    return DoseExitStatus(result.status);
}

int RunBatch(const CommandLine& line, bool outputClosed) {
    const std::string& path = *line.batchPath;
    FileSource source(path);
    if (!source.IsOpen()) {
        Complain("Cannot read " + InputName(path) + ": " + source.Failure());
        return kExitUsage;
    }
    // Output sent into the input file would feed the batch its own rows
    // without end, or replace the cellar with its doses. Told before the
    // header is read, which waits for a pipe's first bytes.
    const std::string outputPath = line.outputPath.value_or("-");
    if (outputPath == "-" ? IsSameFile(source.Descriptor(), STDOUT_FILENO)
                          : IsSameFile(source.Descriptor(), outputPath)) {
        Complain("The output " +
                 (outputPath == "-" ? std::string("(standard output)") : OutputName(outputPath)) +
                 " would overwrite the input.");
        return kExitUsage;
    }
    CellarBatch batch(source, line.settings);
    if (const std::optional<HeaderProblem> problem = batch.ReadHeader()) {
        Complain(HeaderProblemMessage(*problem, batch, Wording(InputName(path), source)));
        return kExitUsage;
    }
    if (!batch.BuiltInsUsed().empty()) {
        Complain("Every row takes the built-in " + BuiltInsText(batch.BuiltInsUsed()) + ".");
    }
    if (const std::optional<std::string> note = batch.WineNote()) {
        Complain(*note);
    }
    // From before the temporary file exists, so that no signal leaves it.
    NoteInterruptions();
    BatchOutput output(line, outputClosed);
    // A pipe with no reader yet keeps the output waiting to open; Ctrl+C
    // ends the wait like any other.
    if (const std::optional<std::string> failure = output.OpenFailure()) {
        return BatchFailure(*failure, output);
    }
    Discard discarded;
    StandardOutput screen;
    BatchTable table(screen, batch.Mark(), batch.WineShown());
    bool tableFailed = false;
    CellarBatch::RowDone rowDone;
    if (output.Table()) {
        rowDone = [&table, &tableFailed](const BatchRow& row) {
            tableFailed = tableFailed || !table.Add(row);
        };
    }
    // Rows shown on the screen show their own progress, and a bar would
    // share their lines.
    const bool rowsOnScreen = output.OnScreen();
    ProgressBar bar(STDERR_FILENO, rowsOnScreen ? 0 : RegularFileSize(source.Descriptor()));
    const BatchEnd end = batch.Run(
        output.Table() ? discarded : output.Sink(),
        [&bar](std::uint64_t done) { bar.Update(done); }, rowDone);
    bar.Clear();
    if (end == BatchEnd::ReadFailed) {
        return BatchFailure("Cannot read " + InputName(path) + ": " + source.Failure(), output);
    }
    if (end == BatchEnd::Stopped) {
        return BatchFailure(InputName(path) + ": " + batch.StopMessage(), output);
    }
    if (end == BatchEnd::WriteFailed || !output.Commit()) {
        return BatchFailure("Cannot write " + OutputName(outputPath) + ": " + output.Failure(),
                            output);
    }
    if (output.Table() && (tableFailed || !table.Finish())) {
        return BatchFailure("Cannot write standard output: " + screen.Failure(), output);
    }
    return FinishBatch(line, batch);
}

int RunKorvaneCalc(int argc, const char* const* argv) {
    const bool outputClosed = OpenClosedStandardStreams();
    const auto parsed = ParseCommandLine(argc, argv);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return UsageFailure(error->message);
    }
    const auto& line = std::get<CommandLine>(parsed);
    if (line.help || line.version) {
        return Print(line.help ? HelpText() : VersionText(), outputClosed) ? kExitCalculated
                                                                           : kExitUsage;
    }
    return line.batchPath ? RunBatch(line, outputClosed) : RunOneDose(line, outputClosed);
}

}  // namespace korvane
