// settings.cfg on disk: reading and writing the record from and to it.
#pragma once

#include <QString>
#include <string>

#include "core/rules/user_defaults.h"
#include "platform/atomic_write.h"

namespace korvane::platform {

// The record holds the file's single-byte text; each byte is one character
// on screen and back, so whatever a hand-edited file holds survives.
QString RecordFieldText(const std::string& bytes);
std::string RecordFieldBytes(const QString& text);

// Fills `record` from the file at `path`. False when the file is missing, is
// not a plain file, cannot be read, or ends before its seventh field; the
// fields read until then keep their new values, the rest stay as they were.
bool ReadUserDefaults(UserDefaults& record, const std::string& path);

// Replaces the file at `path` with the seven fields of `record`, making its
// folder first if there is none (see WriteFileAtomically). On failure the
// result says why, and an existing file is left exactly as it was. An empty
// `path` is the user's own file when the user has no folder for it.
WriteResult WriteUserDefaults(const UserDefaults& record, const std::string& path);

}  // namespace korvane::platform
