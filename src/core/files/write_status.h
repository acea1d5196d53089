// Why a file could not be written, as a value: the settings window words it
// in the user's language, korvane-calc in English.
#pragma once

namespace korvane {

enum class WriteProblem : unsigned char {
    None,
    // The system refused; WriteStatus::error holds its error number.
    SystemError,
    // A folder, or anything else that is no file to replace, stands at the
    // place (or at the end of a link). Devices and pipes are among them
    // where the writer is not to write through to them.
    NotRegularFile,
    // The path is a symbolic link to nothing: it says nothing of where a new
    // file should go.
    LinkToNothing,
    // The file's mode lets nobody write it. The rename that replaces a file
    // asks only its folder, so the system would not refuse; the writer does.
    ReadOnly,
};

struct WriteStatus {
    WriteProblem problem = WriteProblem::None;
    int error = 0;  // the system's error number, for WriteProblem::SystemError

    bool Ok() const { return problem == WriteProblem::None; }
    static WriteStatus System(int errorNumber) { return {WriteProblem::SystemError, errorNumber}; }
};

}  // namespace korvane
