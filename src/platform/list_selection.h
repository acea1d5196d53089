// Selecting a drop-down list's entry by the text it shows, as start-up and
// the settings dialog do when they apply stored defaults.
#pragma once

#include <QString>
#include <string_view>

class QComboBox;

namespace korvane::platform {

// Selects the entry shown exactly as `text` (same characters, same case);
// false, with the list left as it is, when there is none.
bool SelectEntryByText(QComboBox* list, const QString& text);
bool SelectEntryByText(QComboBox* list, std::string_view text);

}  // namespace korvane::platform
