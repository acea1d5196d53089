// settings.cfg on disk: where it is, and reading and writing the record from
// and to it.
#pragma once

#include <QString>
#include <string>

#include "user_defaults/user_defaults.h"

class QWidget;

namespace korvane {

// The full path of settings.cfg (UTF-8), fixed once by start-up before
// anything reads or writes the file.
std::string& SettingsFilePath();

// The record holds the file's single-byte text; each byte is one character
// on screen and back, so whatever a hand-edited file holds survives.
QString RecordFieldText(const std::string& bytes);
std::string RecordFieldBytes(const QString& text);

// Fills `record` from the file at `path`. False when the file is missing, is
// not a plain file, cannot be read, or ends before its seventh field; the
// fields read until then keep their new values, the rest stay as they were.
bool ReadUserDefaults(UserDefaults& record, const std::string& path);

// Rewrites the file at `path` with the seven fields of `record`. On failure
// the user is told with a critical message box over `parent`, an existing
// file is left as it was, and the result is false.
bool WriteUserDefaults(const UserDefaults& record, const std::string& path,
                       QWidget* parent = nullptr);

}  // namespace korvane
