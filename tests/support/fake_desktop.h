// Scripted stand-ins for the desktop, handed to the windows through their
// AppContext: message boxes that record each box and answer as told, an
// opener that records each address, and a program end that is only counted.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "app/app_context.h"
#include "platform/address_opener.h"
#include "platform/message_boxes.h"
#include "platform/program_end.h"
#include "support/printers.h"

namespace korvane::testing {

struct ShownBox {
    QString text;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
};

class FakeMessageBoxes : public platform::MessageBoxes {
  public:
    platform::MessageAnswer Show(QWidget* parent, const QString& text, platform::MessageIcon icon,
                                 platform::MessageButtons buttons) override;

    // Answers for the next Yes/No questions, in order; Yes once they run out.
    void QueueAnswer(platform::MessageAnswer answer) { answers_.push_back(answer); }
    // Runs while the box would be open (as a user acting meanwhile).
    void SetWhileOpen(std::function<void()> action) { whileOpen_ = std::move(action); }

    const std::vector<ShownBox>& Shown() const { return shown_; }
    QStringList Texts() const;
    void Clear() { shown_.clear(); }

  private:
    std::vector<ShownBox> shown_;
    std::deque<platform::MessageAnswer> answers_;
    std::function<void()> whileOpen_;
};

class RecordingOpener : public platform::AddressOpener {
  public:
    void Open(const QString& address) override { opened_ << address; }
    const QStringList& Opened() const { return opened_; }

  private:
    QStringList opened_;
};

class CountingProgramEnd : public platform::ProgramEnd {
  public:
    void EndProgram() override { ++ends_; }
    int Ends() const { return ends_; }

  private:
    int ends_ = 0;
};

// A program context whose desktop is all fakes.
struct FakeDesktop {
    FakeMessageBoxes boxes;
    RecordingOpener opener;
    CountingProgramEnd programEnd;
    AppContext context{boxes, opener, programEnd};
};

}  // namespace korvane::testing
