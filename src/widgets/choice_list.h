// Drop-down lists of the core's choices. A list is filled from a choice
// table with each entry's text in the user's language, and carries the
// choice itself as the entry's data: what the user picked is read from the
// data, never from the text shown.
#pragma once

#include <QComboBox>
#include <optional>

#include "core/rules/choices.h"
#include "platform/translations.h"

namespace korvane::widgets {

// The window whose list it is: the Default Settings dialog writes some
// entries its own way.
enum class ListIn { MainWindow, SettingsDialog };

// Appends the table's entries in order; none becomes the current entry.
template <typename Choice, std::size_t N>
void FillChoiceList(QComboBox* list, const ChoiceRows<Choice, N>& table,
                    ListIn in = ListIn::MainWindow) {
    for (const ChoiceRow<Choice>& row : table) {
        const bool own = in == ListIn::SettingsDialog && row.dialogText != nullptr;
        list->addItem(platform::CoreText(own ? row.dialogText : row.text),
                      static_cast<int>(row.choice));
    }
    list->setCurrentIndex(-1);
}

// Selects the entry of `choice`; false, with the list left as it is, when it
// has none.
template <typename Choice>
bool SelectChoice(QComboBox* list, Choice choice) {
    const int index = list->findData(static_cast<int>(choice));
    if (index < 0) {
        return false;
    }
    list->setCurrentIndex(index);
    return true;
}

// The choice of the current entry; none while no entry is selected.
template <typename Choice>
std::optional<Choice> CurrentChoice(const QComboBox* list) {
    const QVariant data = list->currentData();
    if (!data.isValid()) {
        return std::nullopt;
    }
    return static_cast<Choice>(data.toInt());
}

}  // namespace korvane::widgets
