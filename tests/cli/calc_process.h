// korvane-calc as a process: started with arguments, standard input and
// files of a scratch folder, its exit status, output and messages read back.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace korvane::testing {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
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

// How korvane-calc's standard streams are set up.
struct Streams {
    std::string input;          // standard input, through a file of the scratch folder
    int inputFd = -1;           // or this descriptor, such as a pipe's end
    std::string err;            // where standard error goes, when not the scratch folder
    std::string appendTo;       // a file standard output is appended to instead
    bool outputClosed = false;  // no standard output at all
};

// Starts korvane-calc with `args`, "{dir}" standing for the scratch folder.
inline pid_t StartCalc(const Scratch& scratch, const std::vector<std::string>& args,
                       const Streams& streams) {
    const fs::path in = scratch.Dir() / "stdin";
    const fs::path out =
        streams.appendTo.empty() ? scratch.Dir() / "stdout" : fs::path(streams.appendTo);
    const fs::path err = streams.err.empty() ? scratch.Dir() / "stderr" : fs::path(streams.err);
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
    if (streams.inputFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, streams.inputFd, 0);
    } else {
        WriteFile(in, streams.input);
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    }
    if (streams.outputClosed) {
        posix_spawn_file_actions_addclose(&actions, 1);
    } else {
        const int append = streams.appendTo.empty() ? O_TRUNC : O_APPEND;
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | append,
                                         0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY, 0644);
    pid_t pid = -1;
    if (posix_spawn(&pid, KORVANE_CALC, &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// The exit status, or 128 and the signal that ended the process.
inline int WaitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Runs korvane-calc with `input` as its standard input; `errPath` is where
// standard error goes (a file of the scratch folder unless given), and
// `appendTo` a file standard output is appended to instead of its own.
inline Outcome RunCalc(const Scratch& scratch, const std::vector<std::string>& args,
                       const std::string& input, const std::string& errPath = {},
                       const std::string& appendTo = {}) {
    Outcome outcome;
    Streams streams;
    streams.input = input;
    streams.err = errPath;
    streams.appendTo = appendTo;
    const pid_t pid = StartCalc(scratch, args, streams);
    if (pid > 0) {
        outcome.status = WaitFor(pid);
    }
    outcome.out = ReadFile(appendTo.empty() ? scratch.Dir() / "stdout" : fs::path(appendTo));
    if (errPath.empty()) {
        outcome.err = ReadFile(scratch.Dir() / "stderr");
    }
    return outcome;
}

}  // namespace korvane::testing
