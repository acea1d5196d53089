// A scripted stand-in for the desktop's message boxes: records every box the
// program shows and answers with the queued answers (OK or Yes by default).
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/message_box.h"

namespace korvane::testing {

struct ShownBox {
    QString text;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
};

class FakeMessageBoxes : public platform::MessageBoxes {
  public:
    FakeMessageBoxes();
    ~FakeMessageBoxes() override;
    FakeMessageBoxes(const FakeMessageBoxes&) = delete;
    FakeMessageBoxes& operator=(const FakeMessageBoxes&) = delete;

    platform::MessageAnswer Show(QWidget* parent, const QString& text, platform::MessageIcon icon,
                                 platform::MessageButtons buttons) override;

    // Answers for the next Yes/No questions, in order.
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

}  // namespace korvane::testing
