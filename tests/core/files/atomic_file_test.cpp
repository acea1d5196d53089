// Replacing a file: the old bytes or the new ones, never a mixture; links
// kept and followed only to a regular file; a read-only file kept; what a
// killed write left removed; devices, pipes and the process's own
// descriptors written straight through where asked; every refusal with its
// reason.
#include "core/files/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/files/write_target.h"
#include "support/unprivileged.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
  protected:
    AtomicFileTest() {
        std::string pattern = (fs::temp_directory_path() / "korvane-files-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : "";
    }
    ~AtomicFileTest() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }

    std::string Contents(const std::string& name) const {
        std::ifstream file(PathOf(name), std::ios::binary);
        if (!file) {
            return "<unreadable>";
        }
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> Entries(const std::string& folder = "") const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_ / folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    struct stat Status(const std::string& name) const {
        struct stat status {};
        ::lstat(PathOf(name).c_str(), &status);
        return status;
    }

    fs::path folder_;
};

bool IsSystemError(const WriteStatus& status, int error) {
    return status.problem == WriteProblem::SystemError && status.error == error;
}

constexpr WriteOptions kStreams{.streams = true};

TEST_F(AtomicFileTest, WritesExactBytesAndReplacesTheOldFile) {
    const std::string first = std::string("\"1\"\r\n\0\xff", 7) + std::string(5000, 'x');
    for (const std::string& bytes : {first, std::string("\"2\"\r\n"), std::string()}) {
        EXPECT_TRUE(WriteFileAtomically(PathOf("out"), bytes).Ok());
        EXPECT_EQ(Contents("out"), bytes);
    }
    EXPECT_EQ(Entries(), std::vector<std::string>{"out"});
}

// A file replaced keeps its permissions: see the links followed below.
TEST_F(AtomicFileTest, ANewFileGetsTheUsualPermissions) {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(WriteFileAtomically(PathOf("fresh"), "new").Ok());
    EXPECT_EQ(Status("fresh").st_mode & 07777, 0666U & ~mask);
}

// What stands at the file's place decides: a link to a regular file is
// written through, anything else is refused and stays as it was. With
// streams, a device or a pipe takes the bytes instead.
TEST_F(AtomicFileTest, ALinkIsFollowedToARegularFileAndRefusedOtherwise) {
    struct Row {
        const char* what;
        std::function<void(const std::string&)> make;  // makes "app/settings.cfg"
        WriteProblem problem;                          // without streams
        // With streams; none for a pipe, which would wait for a reader (a
        // test of its own below gives it one).
        std::optional<WriteProblem> withStreams;
    };
    const auto link = [](const char* to) {
        return [to](const std::string& path) { ASSERT_EQ(::symlink(to, path.c_str()), 0); };
    };
    const auto pipe = [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); };
    using enum WriteProblem;
    const std::vector<Row> rows{
        {"a link to a regular file elsewhere", link("../shared/real.cfg"), None, None},
        {"a link to a link to a regular file", link("../shared/link.cfg"), None, None},
        {"a link to a folder", link("../shared"), NotRegularFile, NotRegularFile},
        {"a link to nothing", link("../shared/missing.cfg"), LinkToNothing, LinkToNothing},
        {"a link to a device", link("/dev/null"), NotRegularFile, None},
        {"a link to a pipe", link("../shared/pipe"), NotRegularFile, std::nullopt},
        {"a folder itself", [](const std::string& path) { fs::create_directory(path); },
         NotRegularFile, NotRegularFile},
        {"a pipe itself", pipe, NotRegularFile, std::nullopt},
    };
    for (const bool streams : {false, true}) {
        for (const Row& row : rows) {
            if (streams && !row.withStreams) {
                continue;
            }
            SCOPED_TRACE(std::string(row.what) + (streams ? ", with streams" : ""));
            fs::remove_all(folder_ / "app");
            fs::remove_all(folder_ / "shared");
            fs::create_directories(folder_ / "app");
            fs::create_directories(folder_ / "shared");
            Put("shared/real.cfg", "old contents");
            ASSERT_EQ(::chmod(PathOf("shared/real.cfg").c_str(), 0604), 0);
            ASSERT_EQ(::symlink("real.cfg", PathOf("shared/link.cfg").c_str()), 0);
            pipe(PathOf("shared/pipe"));
            row.make(PathOf("app/settings.cfg"));
            const struct stat before = Status("app/settings.cfg");

            const WriteStatus status = WriteFileAtomically(PathOf("app/settings.cfg"), "new",
                                                           WriteOptions{.streams = streams});
            EXPECT_EQ(status.problem, streams ? *row.withStreams : row.problem);
            const bool toTheFile = status.Ok() && row.problem == None;
            EXPECT_EQ(Contents("shared/real.cfg"), toTheFile ? "new" : "old contents");
            EXPECT_EQ(Status("shared/real.cfg").st_mode & 07777, 0604U);
            // The link, or whatever was refused, is still there as it was.
            EXPECT_EQ(Status("app/settings.cfg").st_mode, before.st_mode);
            EXPECT_EQ(Status("app/settings.cfg").st_ino, before.st_ino);
            EXPECT_EQ(Entries("app"), std::vector<std::string>{"settings.cfg"});
            EXPECT_EQ(Entries("shared"),
                      (std::vector<std::string>{"link.cfg", "pipe", "real.cfg"}));
            EXPECT_TRUE(S_ISFIFO(Status("shared/pipe").st_mode));
        }
    }
}

TEST_F(AtomicFileTest, AFailedWriteSaysWhyAndLeavesEverythingAsItWas) {
    fs::create_directories(folder_ / "taken/inside");
    Put("plain", "old contents\r\n");
    const int readOnly = ::open(PathOf("plain").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(readOnly, 3);
    struct Row {
        std::string target;
        WriteStatus status;
        WriteOptions options = kStreams;
    };
    const Row rows[] = {
        {PathOf("missing/out"), WriteStatus::System(ENOENT)},
        {PathOf("taken"), {WriteProblem::NotRegularFile, 0}},
        {PathOf("taken/"), WriteStatus::System(EISDIR)},
        {PathOf("plain/out"), WriteStatus::System(ENOTDIR)},
        {"", WriteStatus::System(ENOENT)},
        // Neither a file nor a stream.
        {PathOf("socket"), {WriteProblem::NotRegularFile, 0}},
        // Descriptors named that cannot be written: open only to be read,
        // or not open at all.
        {"/dev/fd/" + std::to_string(readOnly), WriteStatus::System(EBADF)},
        {"/proc/self/fd/" + std::to_string(readOnly + 1000), WriteStatus::System(EBADF)},
        // The settings are never written to whatever a descriptor holds.
        {"/dev/fd/" + std::to_string(readOnly), {WriteProblem::NotRegularFile, 0}, {}},
    };
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    PathOf("socket").copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.target);
        AtomicFile file(row.target, row.options);
        EXPECT_FALSE(file.IsOpen());
        EXPECT_FALSE(file.Write("new"));
        EXPECT_FALSE(file.Commit());
        EXPECT_EQ(file.Status().problem, row.status.problem);
        EXPECT_EQ(file.Status().error, row.status.error);
    }
    ::close(listening);
    ::close(readOnly);
    EXPECT_TRUE(fs::is_directory(folder_ / "taken/inside"));
    EXPECT_EQ(Contents("plain"), "old contents\r\n");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"plain", "socket", "taken"}));
}

// While it lives, no file of the process may grow past `bytes`, as on a full
// disk; a write beyond that fails instead of raising a signal.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

TEST_F(AtomicFileTest, AWriteCutShortKeepsTheOldFile) {
    Put("settings", "old contents\r\n");
    for (const std::size_t size : {std::size_t{52}, std::size_t{100000}}) {
        WriteStatus status;
        {
            // Nothing may be printed while the limit holds.
            FileSizeLimit limit(10);
            status = WriteFileAtomically(PathOf("settings"), std::string(size, 'n'));
        }
        EXPECT_TRUE(IsSystemError(status, EFBIG)) << size;
        EXPECT_EQ(Contents("settings"), "old contents\r\n") << size;
        EXPECT_EQ(Entries(), std::vector<std::string>{"settings"});
    }
}

// A stop (korvane-calc's Ctrl+C) before a write or before the rename ends
// the write; the file is as it was and no copy is left.
bool gStop = false;

TEST_F(AtomicFileTest, AStopEndsTheWriteAndKeepsTheOldFile) {
    const WriteOptions options{.stop = [] { return gStop; }};
    for (const bool beforeCommit : {false, true}) {
        Put("out", "old\n");
        gStop = false;
        {
            AtomicFile file(PathOf("out"), options);
            EXPECT_TRUE(file.ReplacesWhole());
            EXPECT_TRUE(file.Write("row 1\n"));
            gStop = !beforeCommit;
            EXPECT_EQ(file.Write("row 2\n"), beforeCommit);
            gStop = true;
            EXPECT_FALSE(file.Commit());
            EXPECT_TRUE(IsSystemError(file.Status(), EINTR));
        }
        EXPECT_EQ(Contents("out"), "old\n");
        EXPECT_EQ(Entries(), std::vector<std::string>{"out"});
    }
    gStop = false;
}

// A file is looked at again before it is replaced: what took its place
// meanwhile, or a file made read-only meanwhile, is left as it now is.
TEST_F(AtomicFileTest, WhatChangedDuringTheWriteIsNotReplaced) {
    struct Row {
        const char* what;
        std::function<void(const std::string&)> change;
        WriteProblem problem;
    };
    const Row rows[] = {
        {"made read-only", [](const std::string& path) { ::chmod(path.c_str(), 0444); },
         WriteProblem::ReadOnly},
        {"a pipe in its place",
         [](const std::string& path) {
             ::unlink(path.c_str());
             ::mkfifo(path.c_str(), 0600);
         },
         WriteProblem::NotRegularFile},
        {"removed", [](const std::string& path) { ::unlink(path.c_str()); }, WriteProblem::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ::unlink(PathOf("out").c_str());
        Put("out", "old\n");
        AtomicFile file(PathOf("out"));
        ASSERT_TRUE(file.Write("new\n"));
        row.change(PathOf("out"));
        const struct stat changed = Status("out");
        EXPECT_EQ(file.Commit(), row.problem == WriteProblem::None);
        EXPECT_EQ(file.Status().problem, row.problem);
        if (row.problem != WriteProblem::None) {
            EXPECT_EQ(Status("out").st_ino, changed.st_ino);
            EXPECT_EQ(Status("out").st_mode, changed.st_mode);
        }
        EXPECT_EQ(Entries(), std::vector<std::string>{"out"});
    }
}

// A folder where no new file can be made takes no write, even when the file
// in it may be written: rewriting it in place could leave it cut short. A
// file made read-only is not replaced either. (Root writes anywhere, so
// only a user shows it.)
TEST_F(AtomicFileTest, WhatTheUserMayNotChangeIsRefusedAndKept) {
    if (const std::optional<int> status = testing::RerunUnprivilegedIfRoot()) {
        EXPECT_EQ(*status, 0) << "as an unprivileged user";
        return;
    }
    struct Row {
        const char* what;
        mode_t folder;
        mode_t file;
        WriteStatus status;
    };
    const Row rows[] = {
        {"a read-only folder, a writable file", 0555, 0644, WriteStatus::System(EACCES)},
        {"a writable folder, a read-only file", 0755, 0444, {WriteProblem::ReadOnly, 0}},
        {"neither", 0555, 0444, {WriteProblem::ReadOnly, 0}},
    };
    fs::create_directories(folder_ / "app");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Put("app/settings.cfg", "old");
        ASSERT_EQ(::chmod(PathOf("app/settings.cfg").c_str(), row.file), 0);
        ASSERT_EQ(::chmod(PathOf("app").c_str(), row.folder), 0);
        EXPECT_EQ(CanReplaceFileAt(PathOf("app/settings.cfg")), row.folder == 0755);
        const WriteStatus status = WriteFileAtomically(PathOf("app/settings.cfg"), "new", kStreams);
        ::chmod(PathOf("app").c_str(), 0755);
        ::chmod(PathOf("app/settings.cfg").c_str(), 0644);
        EXPECT_EQ(status.problem, row.status.problem);
        EXPECT_EQ(status.error, row.status.error);
        EXPECT_EQ(Contents("app/settings.cfg"), "old");
        EXPECT_EQ(Entries("app"), std::vector<std::string>{"settings.cfg"});
    }
}

// Root may write any file, but one made read-only is still kept; through a
// link too.
TEST_F(AtomicFileTest, AReadOnlyFileIsKeptFromRootToo) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "the user's own case is above; CI runs this as root";
    }
    Put("settings.cfg", "old");
    ASSERT_EQ(::chmod(PathOf("settings.cfg").c_str(), 0444), 0);
    ASSERT_EQ(::symlink("settings.cfg", PathOf("link.cfg").c_str()), 0);
    for (const char* name : {"settings.cfg", "link.cfg"}) {
        EXPECT_EQ(WriteFileAtomically(PathOf(name), "new", kStreams).problem,
                  WriteProblem::ReadOnly)
            << name;
    }
    EXPECT_EQ(Contents("settings.cfg"), "old");
}

// A write killed after making its temporary copy leaves it behind. The next
// write clears such copies away: its own name pattern only, only files, and
// none that a running write still holds.
TEST_F(AtomicFileTest, AWriteRemovesTheCopiesKilledWritesLeft) {
    const std::vector<std::string> debris{"settings.cfg.a1B2c3", "settings.cfg.ZZZZZZ"};
    const std::vector<std::string> others{
        "settings.cfg.bak", "settings.cfg.a1B2c",  "settings.cfg.a1B2c3d", "settings.cfg.a1-2c3",
        "other.cfg.a1B2c3", "settings.cfg.held00", "settings.cfg.linked",  "settings.cfg.folder"};
    for (const std::string& name : debris) {
        Put(name, "x");
    }
    for (std::size_t i = 0; i < 6; ++i) {
        Put(others[i], "x");
    }
    ASSERT_EQ(::symlink("settings.cfg.a1B2c3", PathOf("settings.cfg.linked").c_str()), 0);
    fs::create_directory(folder_ / "settings.cfg.folder");
    // A write still running holds a lock on its copy.
    const int held = ::open(PathOf("settings.cfg.held00").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(WriteFileAtomically(PathOf("settings.cfg"), "new").Ok());
    ::close(held);
    std::vector<std::string> expected = others;
    expected.push_back("settings.cfg");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(Contents("settings.cfg"), "new");
}

// A bare name is a file of the current folder, where its copies lie.
TEST_F(AtomicFileTest, ABareNameIsWrittenInTheCurrentFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(folder_);
    Put("out.a1B2c3", "left by a killed write");
    const WriteStatus status = WriteFileAtomically("out", "new");
    fs::current_path(before);
    EXPECT_TRUE(status.Ok());
    EXPECT_EQ(Contents("out"), "new");
    EXPECT_EQ(Entries(), std::vector<std::string>{"out"});
}

// Root writing through a link into a user's file leaves the file that
// user's, and a copy it left for that user is cleared away as its own.
TEST_F(AtomicFileTest, RootWritingKeepsTheFilesOwner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file to another user";
    }
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    Put("theirs.cfg", "old");
    Put("theirs.cfg.k1ll3d", "left by a killed write");
    for (const char* name : {"theirs.cfg", "theirs.cfg.k1ll3d"}) {
        ASSERT_EQ(::chown(PathOf(name).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    ASSERT_EQ(::symlink("theirs.cfg", PathOf("settings.cfg").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(PathOf("settings.cfg"), "new").Ok());
    EXPECT_EQ(Status("theirs.cfg").st_uid, nobody->pw_uid);
    EXPECT_EQ(Status("theirs.cfg").st_gid, nobody->pw_gid);
    EXPECT_EQ(Contents("theirs.cfg"), "new");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"settings.cfg", "theirs.cfg"}));
}

// --- Streams ----------------------------------------------------------------

TEST_F(AtomicFileTest, ADeviceIsWrittenStraightThroughAndStaysADevice) {
    AtomicFile file("/dev/null", kStreams);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_FALSE(file.ReplacesWhole());
    EXPECT_TRUE(file.Write(std::string(100000, 'x')) && file.Commit());
    struct stat status {};
    ASSERT_EQ(::lstat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

// A pipe takes the bytes as they come, for its reader, itself or through a
// link; it stays a pipe and nothing is made beside it.
TEST_F(AtomicFileTest, APipeIsWrittenStraightThroughToItsReader) {
    ASSERT_EQ(::mkfifo(PathOf("pipe").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("pipe", PathOf("to-pipe").c_str()), 0);
    for (const char* name : {"pipe", "to-pipe"}) {
        SCOPED_TRACE(name);
        std::string read;
        std::thread reader([&] { read = Contents("pipe"); });
        {
            AtomicFile file(PathOf(name), kStreams);
            if (!file.IsOpen()) {
                ::close(::open(PathOf("pipe").c_str(), O_WRONLY));  // lets the reader go
            }
            EXPECT_TRUE(file.IsOpen());
            EXPECT_FALSE(file.ReplacesWhole());
            EXPECT_TRUE(file.Write("row 1\n") && file.Write("row 2\n") && file.Commit());
        }
        reader.join();
        EXPECT_EQ(read, "row 1\nrow 2\n");
        EXPECT_TRUE(S_ISFIFO(Status("pipe").st_mode));
        EXPECT_EQ(Entries(), (std::vector<std::string>{"pipe", "to-pipe"}));
    }
}

// A pipe nobody reads waits for a reader; a stop ends the wait, or spares
// it when it came first.
TEST_F(AtomicFileTest, AStopEndsTheWaitForAPipesReader) {
    ASSERT_EQ(::mkfifo(PathOf("pipe").c_str(), 0600), 0);
    gStop = true;
    AtomicFile file(PathOf("pipe"), {.streams = true, .stop = [] { return gStop; }});
    gStop = false;
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(IsSystemError(file.Status(), EINTR));
    EXPECT_TRUE(S_ISFIFO(Status("pipe").st_mode));
}

TEST(DescriptorNamesTest, OnlyTheSystemsOwnSpellingsNameADescriptor) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"/dev/stdin", 0},          {"/dev/stdout", 1},     {"/dev/stderr", 2},
        {"/dev/fd/0", 0},           {"/dev/fd/12", 12},     {"/proc/self/fd/1", 1},
        {"/proc/self/fd/255", 255}, {"/dev/fd/", {}},       {"/dev/fd/07", {}},
        {"/dev/fd/-1", {}},         {"/dev/fd/1x", {}},     {"/dev/stdout/", {}},
        {"/dev/stdoutx", {}},       {"dev/stdout", {}},     {"/proc/1/fd/1", {}},
        {"/dev/fd/9999999999", {}}, {"/proc/self/fd/", {}}, {"/dev/null", {}},
    };
    for (const auto& [path, fd] : rows) {
        EXPECT_EQ(DescriptorNamed(path), fd) << path;
    }
}

// A descriptor named is written as the process holds it: a file the shell
// opened to append to (>>) is appended to, never replaced or rewritten from
// its start.
TEST_F(AtomicFileTest, ADescriptorNamedIsWrittenAsItIsOpen) {
    Put("log.csv", "earlier\n");
    const int fd = ::open(PathOf("log.csv").c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(fd, 3);
    const ino_t inode = Status("log.csv").st_ino;
    std::string expected = "earlier\n";
    for (const std::string& name :
         {"/dev/fd/" + std::to_string(fd), "/proc/self/fd/" + std::to_string(fd)}) {
        SCOPED_TRACE(name);
        AtomicFile file(name, kStreams);
        EXPECT_TRUE(file.IsOpen());
        EXPECT_FALSE(file.ReplacesWhole());
        EXPECT_EQ(file.Descriptor(), fd);
        EXPECT_TRUE(file.Write("row 1\n") && file.Write("row 2\n") && file.Commit());
        expected += "row 1\nrow 2\n";
        EXPECT_EQ(Contents("log.csv"), expected);
        EXPECT_EQ(Status("log.csv").st_ino, inode);
    }
    // Still open: the descriptor is the process's, not the writer's.
    EXPECT_EQ(::close(fd), 0);
    EXPECT_EQ(Entries(), std::vector<std::string>{"log.csv"});
}

}  // namespace
}  // namespace korvane
