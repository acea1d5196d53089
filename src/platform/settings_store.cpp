#include "platform/settings_store.h"

#include <QFileInfo>
#include <cstddef>

#include "core/rules/messages.h"
#include "platform/file_access.h"
#include "platform/translations.h"

namespace korvane::platform {
namespace {

// Seven short fields need a few dozen bytes. A file that has not shown them
// within this much is broken, however large it is, and is not read further.
constexpr std::size_t kMaxSettingsBytes = std::size_t{64} * 1024;

}  // namespace

QString RecordFieldText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string RecordFieldBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

bool ReadUserDefaults(UserDefaults& record, const std::string& path) {
    const std::optional<FilePrefix> prefix =
        ReadFilePrefix(QString::fromStdString(path), kMaxSettingsBytes);
    if (!prefix) {
        return false;
    }
    return ParseUserDefaults(prefix->bytes, prefix->wholeFile, record);
}

WriteResult WriteUserDefaults(const UserDefaults& record, const std::string& path) {
    if (path.empty()) {
        return {false, CoreText(kNoUserFolderReason)};
    }
    // The per-user folder is made on the first save; an installed copy
    // starts without one.
    const QString file = QString::fromStdString(path);
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo::exists(folder)) {
        if (WriteResult made = MakeFolders(folder); !made) {
            return made;
        }
    }
    return WriteFileAtomically(file, SerializeUserDefaults(record));
}

}  // namespace korvane::platform
