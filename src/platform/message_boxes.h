// Message boxes reach the desktop only through this interface, so tests can
// script the answers and read back what the user would have seen.
#pragma once

#include <QString>

class QWidget;

namespace korvane::platform {

enum class MessageIcon { Critical, Exclamation, Question };
enum class MessageButtons { Ok, YesNo };

// The button that closed a box.
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box titled with the application's title and returns the
    // button pressed. Lines of `text` may be joined by a carriage return.
    virtual MessageAnswer Show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

// The desktop's own message boxes.
class QtMessageBoxes : public MessageBoxes {
  public:
    MessageAnswer Show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;
};

}  // namespace korvane::platform
