// The user's preferred starting values, as kept in settings.cfg: the record,
// its code tables, the built-in defaults and the file's byte layout. Plain
// C++ so it can be reused and tested without a GUI; only the actual file
// access goes through platform/.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dose/dose_types.h"

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

// The one record of the run; all fields empty until the start-up read.
UserDefaults& TheUserDefaults();

// The built-in defaults. Only ever applied to controls, never copied into the
// record on their own.
const UserDefaults& SystemDefaults();

inline constexpr char SettingsFileName[] = "settings.cfg";

// Codes of the first three fields. A code is compared as exact text: "01",
// " 1" and "" select nothing.
std::optional<SulphiteForm> FormFromCode(std::string_view code);
std::string_view CodeOfForm(SulphiteForm form);
std::optional<AdditionMethod> MethodFromCode(std::string_view code);
std::string_view CodeOfMethod(AdditionMethod method);
std::optional<BatchUnit> UnitFromCode(std::string_view code);
std::string_view CodeOfUnit(BatchUnit unit);

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
