#include "user_defaults/settings_file.h"

#include <QString>
#include <cstddef>

#include "dose/messages.h"
#include "platform/file_access.h"

namespace korvane {
namespace {

// Seven short fields need a few dozen bytes. A file that has not shown them
// within this much is broken, however large it is, and is not read further.
constexpr std::size_t MaxSettingsBytes = std::size_t{64} * 1024;

}  // namespace

std::string& SettingsFilePath() {
    static std::string path;
    return path;
}

QString RecordFieldText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string RecordFieldBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

bool ReadUserDefaults(UserDefaults& record, const std::string& path) {
    const std::optional<platform::FilePrefix> prefix =
        platform::ReadFilePrefix(QString::fromStdString(path), MaxSettingsBytes);
    if (!prefix) {
        return false;
    }
    return ParseUserDefaults(prefix->bytes, prefix->wholeFile, record);
}

bool WriteUserDefaults(const UserDefaults& record, const std::string& path, QWidget* parent) {
    if (platform::WriteFileAtomically(QString::fromStdString(path),
                                      SerializeUserDefaults(record))) {
        return true;
    }
    ShowCritical(QStringLiteral("Error setting user defaults.\rUsing system defaults."), parent);
    return false;
}

}  // namespace korvane
