// Files and the standard streams as byte sources and sinks, read and written
// with plain system calls in large pieces.
#pragma once

#include <string>

#include "core/cellar/csv.h"

namespace korvane {

class FileSource : public ByteSource {
  public:
    // "-" is standard input. Check IsOpen() before reading.
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::ptrdiff_t Read(char* buffer, std::size_t size) override;
    bool IsOpen() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }
    // Why opening or reading failed, in English.
    std::string Failure() const;

  private:
    int fd_ = -1;
    bool owned_ = false;
    int error_ = 0;
};

// Standard output. A regular file there cannot be replaced whole, so it is
// written as the bytes come; a failed write is reported all the same.
class StandardOutput : public ByteSink {
  public:
    bool Write(std::string_view bytes) override;
    std::string Failure() const;

  private:
    int error_ = 0;
};

// A file written whole or not at all: the bytes go into a temporary file
// beside it, which takes its place only on Commit(). Until then, and after
// any failure, the file stays exactly as it was, and the temporary file is
// removed when the sink goes. Two writers of one file each leave a whole
// file: the last to commit wins. Through a symbolic link the file it points
// to is replaced, and the link stays. Anything but a regular file under the
// name (a device, a pipe, a folder, a link to one or to nothing) is refused.
class AtomicFileSink : public ByteSink {
  public:
    explicit AtomicFileSink(const std::string& path);
    ~AtomicFileSink() override;
    AtomicFileSink(const AtomicFileSink&) = delete;
    AtomicFileSink& operator=(const AtomicFileSink&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    bool Write(std::string_view bytes) override;
    // Makes the bytes durable and puts them in the file's place.
    bool Commit();
    std::string Failure() const;

  private:
    std::string target_;
    std::string temporary_;
    std::string refusal_;  // why the file may not be replaced, if it may not
    int fd_ = -1;
    int error_ = 0;
};

// Whether `path` names the very file that `fd` reads.
bool IsSameFile(int fd, const std::string& path);
// The same for two open files (a regular file, not a terminal or pipe).
bool IsSameFile(int fd, int other);

// The size of the regular file `fd` reads; 0 for a pipe or a terminal.
std::uint64_t RegularFileSize(int fd);

// Puts /dev/null where standard input, output or error is closed, so that a
// file opened later cannot take its number and be mistaken for it. Whether
// standard output was closed.
bool OpenClosedStandardStreams();

// What begins every line korvane-calc writes to standard error.
inline constexpr char kMessagePrefix[] = "korvane-calc: ";

// Writes `message` to standard error as one line of korvane-calc's.
void Complain(const std::string& message);

}  // namespace korvane
