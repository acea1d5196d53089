// What korvane-calc leaves behind when a batch does not end well: the file
// given with -o is either the old one, byte for byte, or the whole new one,
// never a part; and no input can keep it reading for ever.
#include <signal.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "calc_process.h"

namespace {

using namespace korvane::testing;

// A cellar of tanks at pH 3.5 with 10 mg/L free SO2 raised to `target`, in
// 23 litres of potassium metabisulphite powder.
std::string Cellar(int rows, const std::string& target) {
    std::string csv = "tank,ph,free_so2,target\n";
    for (int i = 0; i < rows; ++i) {
        csv += "T" + std::to_string(i) + ",3.5,10," + target + "\n";
    }
    return csv;
}

std::vector<std::string> BatchTo(const std::string& input, const std::string& out) {
    return {"--batch", input,           "-o",   out,      "--unit",    "litres",   "--batch-size",
            "23",      "--target-kind", "free", "--form", "potassium", "--method", "powder",
            "--quiet"};
}

// The names in the folder other than `expected`: a temporary copy left over.
std::vector<std::string> Leftovers(const fs::path& folder,
                                   const std::vector<std::string>& expected) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end()) {
            names.push_back(name);
        }
    }
    return names;
}

const std::vector<std::string> kScratchFiles{"out.csv", "stdin", "stdout", "stderr"};

// Whether the process `pid` has a handler of its own for `signal` (from then
// on the signal interrupts it rather than ends it).
bool Catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("SigCgt:")) {
            return ((std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1U) != 0;
        }
    }
    return false;
}

// Ctrl+C, and Ctrl+\ as one of the signals that would otherwise end the
// batch where it stands.
TEST(OutputSafety, CtrlCHalfwayLeavesTheOldOutputAndNoCopy) {
    for (const auto& [signal, exitStatus] : {std::pair{SIGINT, 130}, std::pair{SIGQUIT, 2}}) {
        Scratch scratch;
        WriteFile(scratch.Dir() / "out.csv", "yesterday's doses\n");
        int feed[2];
        ASSERT_EQ(pipe(feed), 0);
        Streams piped;
        piped.inputFd = feed[0];
        const pid_t pid = StartCalc(scratch, BatchTo("-", "{dir}/out.csv"), piped);
        close(feed[0]);
        // Half the cellar, then the batch waits for the rest. The pipe holds
        // far less than half, so by the time it is written the batch is under
        // way.
        const std::string half = Cellar(50000, "40");
        ASSERT_EQ(write(feed[1], half.data(), half.size()), static_cast<ssize_t>(half.size()));
        kill(pid, signal);
        const int status = WaitFor(pid);
        close(feed[1]);
        EXPECT_EQ(status, exitStatus);
        EXPECT_EQ(ReadFile(scratch.Dir() / "stderr"),
                  scratch.Expand("korvane-calc: interrupted; {dir}/out.csv left unchanged\n"));
        EXPECT_EQ(ReadFile(scratch.Dir() / "out.csv"), "yesterday's doses\n");
        EXPECT_EQ(Leftovers(scratch.Dir(), kScratchFiles), std::vector<std::string>{});
    }
}

TEST(OutputSafety, AFullDiskLeavesTheOldOutputAndNoCopy) {
    // A small filesystem of its own, in a mount namespace of its own: as
    // root, or as a user mapped to root where the system allows it.
    Scratch scratch;
    WriteFile(scratch.Dir() / "cellar.csv", Cellar(20000, "40"));
    const std::string script =
        "mount -t tmpfs -o size=256k tmpfs {dir}/disk && echo old > {dir}/disk/out.csv && "
        "\"$0\" --batch {dir}/cellar.csv -o {dir}/disk/out.csv --unit l --batch-size 23 "
        "--target-kind free --form potassium --method powder --quiet; echo \"status $?\"; "
        "cat {dir}/disk/out.csv; ls -A {dir}/disk";
    fs::create_directory(scratch.Dir() / "disk");
    const std::vector<std::string> unshare = geteuid() == 0
                                                 ? std::vector<std::string>{"unshare", "-m"}
                                                 : std::vector<std::string>{"unshare", "-rm"};
    std::string command;
    for (const std::string& word : unshare) {
        command += word + " ";
    }
    command += "sh -c '" + scratch.Expand(script) + "' " + KORVANE_CALC + " > " +
               (scratch.Dir() / "seen").string() + " 2> " + (scratch.Dir() / "said").string();
    if (std::system(command.c_str()) != 0 && geteuid() != 0) {
        GTEST_SKIP() << "no mount namespace for a user here; CI runs this as root";
    }
    EXPECT_EQ(ReadFile(scratch.Dir() / "seen"), "status 2\nold\nout.csv\n");
    EXPECT_EQ(ReadFile(scratch.Dir() / "said"),
              scratch.Expand("korvane-calc: Cannot write {dir}/disk/out.csv: No space left on "
                             "device; {dir}/disk/out.csv left unchanged\n"));
}

TEST(OutputSafety, TwoBatchesToOneFileEachLeaveAWholeFile) {
    Scratch first;
    Scratch second;
    const std::string out = (first.Dir() / "out.csv").string();
    WriteFile(first.Dir() / "a.csv", Cellar(30000, "40"));
    WriteFile(second.Dir() / "b.csv", Cellar(30000, "35"));
    const pid_t a = StartCalc(first, BatchTo("{dir}/a.csv", out), Streams{});
    const pid_t b = StartCalc(second, BatchTo("{dir}/b.csv", out), Streams{});
    EXPECT_EQ(WaitFor(a), 0);
    EXPECT_EQ(WaitFor(b), 0);
    // Each whole, as the batch alone writes it.
    const Outcome alone = RunCalc(second, BatchTo("{dir}/b.csv", "-"), "");
    const std::string written = ReadFile(out);
    EXPECT_TRUE(written == alone.out ||
                written == RunCalc(first, BatchTo("{dir}/a.csv", "-"), "").out)
        << written.size() << " bytes";
    EXPECT_EQ(Leftovers(first.Dir(), {"out.csv", "a.csv", "stdin", "stdout", "stderr"}),
              std::vector<std::string>{});
}

// A folder, a link to one or to nothing, and a file made read-only though
// its folder would let it be replaced (by a user and by root alike: the
// core's tests) are no place for the output, and are left as they were.
TEST(OutputSafety, AFolderALinkToNothingOrAReadOnlyFileIsRefused) {
    Scratch scratch;
    WriteFile(scratch.Dir() / "in.csv", Cellar(1, "40"));
    fs::create_directory(scratch.Dir() / "folder");
    fs::create_symlink("folder", scratch.Dir() / "to-folder");
    fs::create_symlink("gone.csv", scratch.Dir() / "to-nothing");
    WriteFile(scratch.Dir() / "out.csv", "yesterday's doses\n");
    ASSERT_EQ(chmod((scratch.Dir() / "out.csv").c_str(), 0444), 0);
    const std::pair<const char*, const char*> kRefused[] = {
        {"folder", "it is not a regular file"},
        {"to-folder", "it is not a regular file"},
        {"to-nothing", "it is a link that leads nowhere"},
        {"out.csv", "it is read-only"}};
    for (const auto& [name, reason] : kRefused) {
        const Outcome outcome =
            RunCalc(scratch, BatchTo("{dir}/in.csv", "{dir}/" + std::string(name)), "");
        EXPECT_EQ(outcome.status, 2) << name;
        EXPECT_EQ(outcome.err, scratch.Expand("korvane-calc: Cannot write {dir}/") + name + ": " +
                                   reason + "\n");
    }
    EXPECT_TRUE(fs::is_symlink(scratch.Dir() / "to-nothing"));
    EXPECT_FALSE(fs::exists(scratch.Dir() / "gone.csv"));
    EXPECT_EQ(ReadFile(scratch.Dir() / "out.csv"), "yesterday's doses\n");
    EXPECT_EQ(Leftovers(scratch.Dir(), {"in.csv", "folder", "to-folder", "to-nothing", "out.csv",
                                        "stdin", "stdout", "stderr"}),
              std::vector<std::string>{});
}

// A pipe takes the rows as they come, as a shell's redirection would give
// them, and stays a pipe (devices and links to pipes alike: the core's table).
TEST(OutputSafety, APipeTakesTheRowsAsTheyCome) {
    Scratch scratch;
    WriteFile(scratch.Dir() / "in.csv", Cellar(3, "40"));
    const std::string rows = RunCalc(scratch, BatchTo("{dir}/in.csv", "-"), "").out;
    ASSERT_NE(rows, "");

    ASSERT_EQ(mkfifo((scratch.Dir() / "fifo").c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] { read = ReadFile(scratch.Dir() / "fifo"); });
    const Outcome outcome = RunCalc(scratch, BatchTo("{dir}/in.csv", "{dir}/fifo"), "");
    reader.join();
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(read, rows);
    // A pipe nobody reads keeps the batch waiting, as a shell's would;
    // Ctrl+C ends the wait.
    const pid_t waiting = StartCalc(scratch, BatchTo("{dir}/in.csv", "{dir}/fifo"), Streams{});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!Catches(waiting, SIGINT) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(waiting, SIGINT);
    EXPECT_EQ(WaitFor(waiting), 130);
    EXPECT_EQ(ReadFile(scratch.Dir() / "stderr"), "korvane-calc: interrupted\n");

    EXPECT_EQ(fs::status(scratch.Dir() / "fifo").type(), fs::file_type::fifo);
    EXPECT_EQ(Leftovers(scratch.Dir(), {"in.csv", "fifo", "stdin", "stdout", "stderr"}),
              std::vector<std::string>{});
}

// A pipe read as the batch and written as its output would feed the batch
// its own rows without end; a terminal is two streams, and may be both.
TEST(OutputSafety, APipeIsNotFedItsOwnRows) {
    Scratch scratch;
    ASSERT_EQ(mkfifo((scratch.Dir() / "fifo").c_str(), 0600), 0);
    // Held open for both reading and writing here, the pipe opens at once
    // for the batch, and holds its header.
    const int held = open((scratch.Dir() / "fifo").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    const std::string header = "tank,ph,free_so2,target\n";
    ASSERT_EQ(write(held, header.data(), header.size()), static_cast<ssize_t>(header.size()));
    const Outcome outcome = RunCalc(scratch, BatchTo("{dir}/fifo", "{dir}/fifo"), "");
    close(held);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              scratch.Expand("korvane-calc: The output {dir}/fifo would overwrite the input.\n"));

    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(grantpt(terminal), 0);
    ASSERT_EQ(unlockpt(terminal), 0);
    const std::string side = ptsname(terminal);
    // The header and the end of the input, typed.
    const std::string typed = header + "T1,3.5,10,40\n\x04";
    ASSERT_EQ(write(terminal, typed.data(), typed.size()), static_cast<ssize_t>(typed.size()));
    const Outcome onScreen = RunCalc(scratch, BatchTo(side, side), "");
    close(terminal);
    EXPECT_EQ(onScreen.status, 0);
    EXPECT_EQ(onScreen.err, "");
}

// The process's own streams by name are written through the descriptor the
// shell gave: a log appended to (>>) is appended to, never replaced. (The
// other spellings of a descriptor, and its file kept, are the core's table.)
TEST(OutputSafety, StandardOutputByNameAppendsWhereTheShellSaysSo) {
    Scratch scratch;
    WriteFile(scratch.Dir() / "in.csv", Cellar(2, "40"));
    const std::string rows = RunCalc(scratch, BatchTo("{dir}/in.csv", "-"), "").out;
    const fs::path log = scratch.Dir() / "log.csv";
    WriteFile(log, "earlier\n");
    const Outcome outcome =
        RunCalc(scratch, BatchTo("{dir}/in.csv", "/dev/stdout"), "", {}, log.string());
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, "earlier\n" + rows);

    const Outcome toErr = RunCalc(scratch, BatchTo("{dir}/in.csv", "/dev/stderr"), "");
    EXPECT_EQ(toErr.status, 0);
    EXPECT_EQ(toErr.err, rows);
}

TEST(OutputSafety, AHeaderWithoutALineEndIsRefusedAtOnce) {
    Scratch scratch;
    const auto start = std::chrono::steady_clock::now();
    const Outcome outcome = RunCalc(scratch, {"--batch", "/dev/zero", "--quiet"}, "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, "korvane-calc: The header row of /dev/zero is longer than 64 KiB.\n");
}

TEST(OutputSafety, AClosedStandardOutputIsSaidToBeClosed) {
    Scratch scratch;
    const std::vector<std::string> dose{
        "--ph",   "3.5",       "--free-so2", "10",     "--batch-size",  "23", "--unit", "litres",
        "--form", "potassium", "--method",   "powder", "--target-free", "40"};
    Streams closed;
    closed.outputClosed = true;
    EXPECT_EQ(WaitFor(StartCalc(scratch, dose, closed)), 2);
    EXPECT_EQ(ReadFile(scratch.Dir() / "stderr"),
              "korvane-calc: Cannot write standard output: it is closed.\n");
    // It stays closed by any name; the batch's input takes no number of
    // standard output's, and -o works.
    WriteFile(scratch.Dir() / "in.csv", Cellar(1, "40"));
    EXPECT_EQ(WaitFor(StartCalc(scratch, BatchTo("{dir}/in.csv", "/dev/stdout"), closed)), 2);
    EXPECT_EQ(ReadFile(scratch.Dir() / "stderr"),
              "korvane-calc: Cannot write /dev/stdout: it is closed.\n");
    EXPECT_EQ(WaitFor(StartCalc(scratch, BatchTo("{dir}/in.csv", "{dir}/out.csv"), closed)), 0);
    EXPECT_EQ(ReadFile(scratch.Dir() / "stderr"), "");
}

}  // namespace
