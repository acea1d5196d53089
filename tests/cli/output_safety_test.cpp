// What korvane-calc leaves behind when a batch does not end well: the file
// given with -o is either the old one, byte for byte, or the whole new one,
// never a part; and no input can keep it reading for ever.
#include <signal.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

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

TEST(OutputSafety, OnlyARegularFileIsReplaced) {
    Scratch scratch;
    WriteFile(scratch.Dir() / "in.csv", Cellar(1, "40"));
    ASSERT_EQ(mkfifo((scratch.Dir() / "fifo").c_str(), 0600), 0);
    fs::create_directory(scratch.Dir() / "folder");
    fs::create_symlink("fifo", scratch.Dir() / "to-fifo");
    fs::create_symlink("folder", scratch.Dir() / "to-folder");
    fs::create_symlink("gone.csv", scratch.Dir() / "to-nothing");
    const std::pair<const char*, const char*> kRefused[] = {
        {"fifo", "it is not a regular file"},
        {"folder", "it is not a regular file"},
        {"to-fifo", "it is not a regular file"},
        {"to-folder", "it is not a regular file"},
        {"to-nothing", "it is a link that leads nowhere"}};
    for (const auto& [name, reason] : kRefused) {
        const Outcome outcome =
            RunCalc(scratch, BatchTo("{dir}/in.csv", "{dir}/" + std::string(name)), "");
        EXPECT_EQ(outcome.status, 2) << name;
        EXPECT_EQ(outcome.err, scratch.Expand("korvane-calc: Cannot write {dir}/") + name + ": " +
                                   reason + "\n");
    }
    EXPECT_EQ(fs::status(scratch.Dir() / "fifo").type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_symlink(scratch.Dir() / "to-fifo"));
    EXPECT_TRUE(fs::is_symlink(scratch.Dir() / "to-nothing"));
    EXPECT_FALSE(fs::exists(scratch.Dir() / "gone.csv"));
}

// Replacing a file changes its bytes only; root may hand it back to its owner.
TEST(OutputSafety, AReplacedFileKeepsItsModeAndOwner) {
    Scratch scratch;
    const fs::path out = scratch.Dir() / "out.csv";
    WriteFile(scratch.Dir() / "in.csv", Cellar(1, "40"));
    WriteFile(out, "yesterday's doses\n");
    ASSERT_EQ(chmod(out.c_str(), 0640), 0);
    const bool root = geteuid() == 0;
    const uid_t owner = root ? 65534 : geteuid();  // nobody, where root may give it away
    ASSERT_EQ(chown(out.c_str(), owner, static_cast<gid_t>(-1)), 0);
    EXPECT_EQ(RunCalc(scratch, BatchTo("{dir}/in.csv", "{dir}/out.csv"), "").status, 0);
    struct stat info {};
    ASSERT_EQ(stat(out.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640U);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_NE(ReadFile(out), "yesterday's doses\n");
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
    // The batch's input takes no number of standard output's, and -o works.
    WriteFile(scratch.Dir() / "in.csv", Cellar(1, "40"));
    EXPECT_EQ(WaitFor(StartCalc(scratch, BatchTo("{dir}/in.csv", "{dir}/out.csv"), closed)), 0);
    EXPECT_EQ(ReadFile(scratch.Dir() / "stderr"), "");
}

}  // namespace
