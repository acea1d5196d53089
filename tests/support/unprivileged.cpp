#include "support/unprivileged.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace korvane::testing {
namespace {

constexpr auto kRerunDeadline = std::chrono::minutes(2);

// A home of its own, so that nothing of root's is read or written; removed
// with what the run left in it.
class ScratchHome {
  public:
    ScratchHome() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korvane-home-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
            ::chmod(path_.c_str(), 0777);
        }
    }
    ~ScratchHome() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// This process's environment with HOME in the scratch folder, and no
// configuration or runtime folder of root's.
std::vector<std::string> Environment(const std::string& home) {
    std::vector<std::string> variables{"HOME=" + home};
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view variable(*entry);
        if (!variable.starts_with("HOME=") && !variable.starts_with("XDG_CONFIG_HOME=") &&
            !variable.starts_with("XDG_RUNTIME_DIR=")) {
            variables.emplace_back(variable);
        }
    }
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    pointers.reserve(words.size() + 1);
    for (std::string& word : words) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// The child's exit status, or -1 when it died of a signal or ran past the
// deadline (and was killed).
int WaitWithDeadline(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + kRerunDeadline;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (done < 0) {
            return -1;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

std::optional<int> RerunUnprivilegedIfRoot() {
    if (::geteuid() != 0) {
        return std::nullopt;
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::error_code error;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", error);
    const ScratchHome home;
    std::vector<std::string> arguments{
        "setpriv",
        "--reuid=nobody",
        "--regid=nogroup",
        "--clear-groups",
        program,
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name()};
    std::vector<std::string> environment = Environment(home.Path());
    pid_t pid = -1;
    if (program.empty() || home.Path().empty() ||
        ::posix_spawnp(&pid, "setpriv", nullptr, nullptr, Pointers(arguments).data(),
                       Pointers(environment).data()) != 0) {
        return -1;
    }
    return WaitWithDeadline(pid);
}

}  // namespace korvane::testing
