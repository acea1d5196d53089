// The user's preferred starting values, as kept in settings.cfg: the record,
// the built-in defaults and the file's byte layout. The codes of the first
// three fields are the choice tables' (core/choices.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/rules/choices.h"

namespace korvane {

// Seven text fields in file order, held exactly as read from the file or as
// taken from the dialog (bytes of the file's single-byte code page). Nothing
// here converts or checks them: a code that matches no choice simply selects
// nothing.
struct UserDefaults {
    std::string formCode;
    std::string methodCode;
    std::string unitCode;
    std::string solutionPercent;
    std::string tabletWeight;
    std::string batchSize;
    std::string targetText;

    bool operator==(const UserDefaults&) const = default;
};

// The built-in defaults. Only ever applied to controls, never copied into the
// record on their own.
const UserDefaults& SystemDefaults();

inline constexpr char kSettingsFileName[] = "settings.cfg";

// The settings file inside `folder`: exactly one `separator` between the
// folder and the file name, also when the folder is a root such as "C:\".
std::string SettingsFilePathIn(std::string_view folder, char separator);

// The file's contents: seven records, each the field's text between double
// quotes followed by CR LF. Nothing is escaped.
std::string SerializeUserDefaults(const UserDefaults& record);

// Reads seven fields from the start of `bytes` into `record`, in order.
// `wholeFile` tells whether `bytes` is the whole file or only its beginning.
// Returns false when the input ends before the seventh field has been read;
// the fields read until then keep their new values and the others keep what
// they held. Anything after the seventh field is ignored.
bool ParseUserDefaults(std::string_view bytes, bool wholeFile, UserDefaults& record);

}  // namespace korvane
