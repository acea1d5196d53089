// A batch interrupted by Ctrl+C, a terminal hanging up, or a request to
// terminate: the signal is only noted, and the reads and writes that notice
// it stop the batch, so that it can clean up and say so.
#pragma once

namespace korvane {

// Notes SIGINT, SIGTERM and SIGHUP from now on. A blocked read or write
// returns at once rather than being resumed.
void NoteInterruptions();

// The signal that arrived, or 0.
int Interruption();

}  // namespace korvane
