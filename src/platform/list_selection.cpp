#include "platform/list_selection.h"

#include <QComboBox>

namespace korvane::platform {

bool SelectEntryByText(QComboBox* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        return false;
    }
    list->setCurrentIndex(index);
    return true;
}

bool SelectEntryByText(QComboBox* list, std::string_view text) {
    return SelectEntryByText(list,
                             QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace korvane::platform
