// Files and the standard streams as byte sources and sinks, read and written
// with plain system calls in large pieces.
#pragma once

#include <string>

#include "core/cellar/csv.h"
#include "core/files/atomic_file.h"

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

// What -o names, written by the core's atomic writer: a regular file (or
// a link to one) is written whole or not at all, its temporary copy taking
// its place only on Commit(); a device, a pipe, or one of the process's own
// descriptors by name (/dev/stdout, /dev/fd/N) takes the bytes as they
// come. A folder, a link to nothing and a read-only file are refused. The
// writing stops at an interruption (see interruption.h).
class OutputFile : public ByteSink {
  public:
    explicit OutputFile(const std::string& path);

    bool IsOpen() const { return file_.IsOpen(); }
    // Whether a failure leaves the old file as it was: a file replaced
    // whole, not a stream.
    bool ReplacesWhole() const { return file_.ReplacesWhole(); }
    int Descriptor() const { return file_.Descriptor(); }
    bool Write(std::string_view bytes) override { return file_.Write(bytes); }
    // Makes the bytes durable and puts them in the file's place.
    bool Commit() { return file_.Commit(); }
    // Why opening, writing or replacing failed, in English.
    std::string Failure() const;

  private:
    AtomicFile file_;
};

// Whether `path` names the very file or pipe that `fd` reads. (A terminal
// read and written is two streams, not one.)
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
