// Files and the standard streams as byte sources and sinks, read and written
// with plain system calls in large pieces.
#pragma once

#include <string>

#include "core/csv.h"

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

class FileSink : public ByteSink {
  public:
    // "-" is standard output; a file is created or emptied.
    explicit FileSink(const std::string& path);
    ~FileSink() override;
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    bool Write(std::string_view bytes) override;
    // Closes a file, which can be the moment a full disk shows.
    bool Close();
    bool IsOpen() const { return fd_ >= 0; }
    std::string Failure() const;

  private:
    int fd_ = -1;
    bool owned_ = false;
    int error_ = 0;
};

// Whether `path` names the very file that `fd` reads.
bool IsSameFile(int fd, const std::string& path);
// The same for two open files (a regular file, not a terminal or pipe).
bool IsSameFile(int fd, int other);

// The size of the regular file `fd` reads; 0 for a pipe or a terminal.
std::uint64_t RegularFileSize(int fd);

// Writes all of `bytes` to a descriptor, for messages and single results.
void WriteAll(int fd, std::string_view bytes);

// What begins every line korvane-calc writes to standard error.
inline constexpr char kMessagePrefix[] = "korvane-calc: ";

// Writes `message` to standard error as one line of korvane-calc's.
void Complain(const std::string& message);

}  // namespace korvane
