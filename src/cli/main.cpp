// korvane-calc: Korvane's Calculate from the command line, for one wine or a
// whole cellar in a CSV file. Its messages are English whatever the locale,
// and it never reads settings.cfg, so a script behaves the same everywhere.

#include <csignal>
#include <exception>

#include "cli/commands.h"
#include "cli/file_streams.h"

int main(int argc, char** argv) {
    // A reader that closes the pipe early makes a write fail, which is
    // reported with status 2, rather than ending the program unannounced.
    std::signal(SIGPIPE, SIG_IGN);
    // Likewise a write past the file size limit fails as "File too large".
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return korvane::RunKorvaneCalc(argc, argv);
    } catch (const std::exception& error) {
        // Only running out of memory can get here; say so rather than abort.
        korvane::Complain(error.what());
    } catch (...) {
        korvane::Complain("unexpected failure");
    }
    return korvane::kExitUsage;
}
