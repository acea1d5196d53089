// Every message box of the program goes through these, so each answer lands
// in LastMessageAnswer and every box carries the application's title.
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace korvane {

inline constexpr char ApplicationTitle[] = "Korvane";

// The answer of the last message box: OK 1, Yes 6, No 7.
std::int16_t& LastMessageAnswer();

// Exclamation icon, OK button.
void ShowWarning(const QString& message, QWidget* parent = nullptr);
// Critical (stop) icon, OK button.
void ShowCritical(const QString& message, QWidget* parent = nullptr);
// Question icon, Yes and No buttons; true when the answer is Yes.
bool AskYesNo(const QString& question, QWidget* parent = nullptr);

}  // namespace korvane
