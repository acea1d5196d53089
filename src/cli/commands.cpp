#include "cli/commands.h"

#include <unistd.h>

#include <string>

#include "cli/file_streams.h"
#include "cli/help_text.h"
#include "cli/progress_bar.h"
#include "cli/reports.h"

namespace korvane {
namespace {

int UsageFailure(const std::string& message) {
    Complain(message + "\nTry 'korvane-calc --help' for more.");
    return kExitUsage;
}

std::string InputName(const std::string& path) {
    return path == "-" ? "standard input" : path;
}

std::string HeaderMessage(const HeaderProblem& problem, const std::string& input,
                          const FileSource& source) {
    const std::string column = kDoseColumnNames[static_cast<std::size_t>(problem.column)];
    switch (problem.kind) {
        case HeaderProblem::Kind::NoHeader:
            return input + " has no header row.";
        case HeaderProblem::Kind::HeaderTooLong:
            return "The header row of " + input + " is longer than " + RecordLimitText() + ".";
        case HeaderProblem::Kind::RepeatedColumn:
            return input + " has the column " + column + " twice.";
        case HeaderProblem::Kind::MissingColumn:
            return input + " has no column " + column + ", and " +
                   MissingOptionText(problem.column) + ".";
        case HeaderProblem::Kind::Unreadable:
            break;
    }
    return "Cannot read " + input + ": " + source.Failure();
}

// Writes what the command prints; a full disk or a closed pipe is reported
// rather than passed over.
bool Print(std::string_view text) {
    FileSink out("-");
    if (out.Write(text)) {
        return true;
    }
    Complain("Cannot write standard output: " + out.Failure());
    return false;
}

int DoseExitStatus(DoseStatus status) {
    switch (status) {
        case DoseStatus::Ok:
            return kExitCalculated;
        case DoseStatus::Error:
            return kExitCheckFailed;
        case DoseStatus::Question:
            break;
    }
    return kExitUnanswered;
}

std::string Report(OutputFormat format, const DoseTextViews& texts, const DoseResult& result) {
    switch (format) {
        case OutputFormat::Json:
            return JsonReport(result);
        case OutputFormat::Csv:
            return CsvReport(texts, result);
        case OutputFormat::Text:
            break;
    }
    return TextReport(result);
}

}  // namespace

int RunOneDose(const CommandLine& line) {
    DoseTextViews texts;
    for (std::size_t c = 0; c < kDoseColumnCount; ++c) {
        const auto& given = line.settings.given[c];
        texts[c] = given ? std::string_view(*given) : std::string_view(StartTexts()[c]);
    }
    DoseCalculation dose;
    if (std::optional<std::string> problem = dose.Fill(texts, line.settings.pka)) {
        return UsageFailure(*problem);
    }
    const DoseResult& result = dose.Evaluate(line.settings.answerYes);
    if (!Print(Report(line.format, texts, result))) {
        return kExitUsage;
    }
    if (result.status != DoseStatus::Ok) {
        WriteAll(STDERR_FILENO, std::string(result.message) + "\n");
    }
    return DoseExitStatus(result.status);
}

int RunBatch(const CommandLine& line) {
    const std::string& path = *line.batchPath;
    FileSource source(path);
    if (!source.IsOpen()) {
        Complain("Cannot read " + path + ": " + source.Failure());
        return kExitUsage;
    }
    CellarBatch batch(source, line.settings);
    if (const std::optional<HeaderProblem> problem = batch.ReadHeader()) {
        Complain(HeaderMessage(*problem, InputName(path), source));
        return kExitUsage;
    }
    const std::string outputPath = line.outputPath.value_or("-");
    // Standard output sent into the input file would feed the batch its own
    // rows without end.
    const bool outputIsInput = outputPath == "-" ? IsSameFile(source.Descriptor(), STDOUT_FILENO)
                                                 : IsSameFile(source.Descriptor(), outputPath);
    if (outputIsInput) {
        Complain("The output " +
                 (outputPath == "-" ? std::string("(standard output)") : outputPath) +
                 " would overwrite the input.");
        return kExitUsage;
    }
    FileSink sink(outputPath);
    if (!sink.IsOpen()) {
        Complain("Cannot write " + outputPath + ": " + sink.Failure());
        return kExitUsage;
    }
    ProgressBar bar(STDERR_FILENO, RegularFileSize(source.Descriptor()));
    const BatchEnd end = batch.Run(sink, [&bar](std::uint64_t done) { bar.Update(done); });
    bar.Clear();
    if (end == BatchEnd::ReadFailed) {
        Complain("Cannot read " + InputName(path) + ": " + source.Failure());
        return kExitUsage;
    }
    if (end == BatchEnd::WriteFailed || !sink.Close()) {
        Complain("Cannot write " + (outputPath == "-" ? "standard output" : outputPath) + ": " +
                 sink.Failure());
        return kExitUsage;
    }
    const BatchCounts& counts = batch.Counts();
    return counts.ok == counts.rows ? kExitCalculated : kExitCheckFailed;
}

int RunKorvaneCalc(int argc, const char* const* argv) {
    const auto parsed = ParseCommandLine(argc, argv);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return UsageFailure(error->message);
    }
    const auto& line = std::get<CommandLine>(parsed);
    if (line.help || line.version) {
        return Print(line.help ? HelpText() : VersionText()) ? kExitCalculated : kExitUsage;
    }
    return line.batchPath ? RunBatch(line) : RunOneDose(line);
}

}  // namespace korvane
