// Ending the program at once, once its windows are closed. Behind an
// interface so that tests can see the end without leaving their own loop.
#pragma once

namespace korvane::platform {

class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void EndProgram() = 0;
};

// Leaves every running event loop, the main one and any modal box's, so no
// further handler runs.
class QtProgramEnd : public ProgramEnd {
  public:
    void EndProgram() override;
};

}  // namespace korvane::platform
