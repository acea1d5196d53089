#include "core/rules/user_defaults.h"

#include "core/rules/blanks.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace korvane {
namespace {

// The record's fields in the order of the file's records.
constexpr std::array<std::string UserDefaults::*, 7> FieldsInFileOrder{
    &UserDefaults::formCode,        &UserDefaults::methodCode,   &UserDefaults::unitCode,
    &UserDefaults::solutionPercent, &UserDefaults::tabletWeight, &UserDefaults::batchSize,
    &UserDefaults::targetText,
};

constexpr std::string_view kSeparators = ",\r\n";
constexpr std::string_view kQuotedFieldEnds = "\"\r\n";

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Walks the settings file field by field. Fields are separated by a comma or
// a line end (CR LF, LF or a lone CR).
//
// A field that begins with a double quote runs to the next double quote; what
// follows that quote up to the next separator is dropped. Such a field may
// hold commas but not a line end: a line end before the closing quote ends
// it, so one missing quote damages a single field and not the rest of the
// file. Any other field is the text up to the separator, blanks trimmed.
//
// An empty (or blank) line between records is not a field and is skipped, so
// a stray empty line in a hand-edited file does not shift every later field.
// An empty value is still possible: the program writes it as "", and a comma
// directly followed by a line end also gives one.
//
// When the bytes are only the beginning of the file, a field cut off by their
// end is not known completely and counts as not read; a quoted field whose
// closing quote has been seen is complete whatever would follow it.
class FieldReader {
  public:
    FieldReader(std::string_view bytes, bool wholeFile) : bytes_(bytes), wholeFile_(wholeFile) {}

    // The next field, or none when the input ends before it is complete.
    std::optional<std::string> Next() {
        SkipBlanksAndEmptyLines();
        if (pos_ == bytes_.size()) {
            // Only a comma at the true end of the file announces one more
            // (empty) field; otherwise the fields have run out.
            if (afterComma_ && wholeFile_) {
                afterComma_ = false;
                return std::string();
            }
            return std::nullopt;
        }
        std::string value;
        if (bytes_[pos_] == '"') {
            const std::size_t start = pos_ + 1;
            const std::size_t end = bytes_.find_first_of(kQuotedFieldEnds, start);
            if (end == std::string_view::npos) {
                if (!wholeFile_) {
                    return std::nullopt;
                }
                value = bytes_.substr(start);
                pos_ = bytes_.size();
            } else {
                value = bytes_.substr(start, end - start);
                pos_ = end;
                if (bytes_[pos_] == '"') {
                    pos_ = std::min(bytes_.find_first_of(kSeparators, pos_ + 1), bytes_.size());
                }
            }
        } else {
            std::size_t end = bytes_.find_first_of(kSeparators, pos_);
            if (end == std::string_view::npos) {
                if (!wholeFile_) {
                    return std::nullopt;
                }
                end = bytes_.size();
            }
            value = TrimBlanks(bytes_.substr(pos_, end - pos_));
            pos_ = end;
        }
        ConsumeSeparator();
        return value;
    }

  private:
    void SkipBlanksAndEmptyLines() {
        for (;;) {
            pos_ = std::min(bytes_.find_first_not_of(kBlanks, pos_), bytes_.size());
            if (pos_ == bytes_.size() || afterComma_ || !IsLineEnd(bytes_[pos_])) {
                return;
            }
            SkipLineEnd();
        }
    }

    void ConsumeSeparator() {
        afterComma_ = false;
        if (pos_ == bytes_.size()) {
            return;
        }
        if (bytes_[pos_] == ',') {
            ++pos_;
            afterComma_ = true;
        } else {
            SkipLineEnd();
        }
    }

    // At a CR or LF: steps over one line end, CR LF counting as one.
    void SkipLineEnd() {
        if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') {
            ++pos_;
        }
        ++pos_;
    }

    std::string_view bytes_;
    bool wholeFile_;
    std::size_t pos_ = 0;
    bool afterComma_ = false;
};

}  // namespace

const UserDefaults& SystemDefaults() {
    static const UserDefaults defaults{
        .formCode = "1",
        .methodCode = "1",
        .unitCode = "2",
        .solutionPercent = "10",
        .tabletWeight = "0.44",
        .batchSize = "5",
        .targetText = "Total Free SO2",
    };
    return defaults;
}

std::string SettingsFilePathIn(std::string_view folder, char separator) {
    std::string path(folder);
    if (!folder.ends_with(separator)) {
        path += separator;
    }
    path += kSettingsFileName;
    return path;
}

std::string SerializeUserDefaults(const UserDefaults& record) {
    std::string bytes;
    for (std::string UserDefaults::*field : FieldsInFileOrder) {
        bytes += '"';
        bytes += record.*field;
        bytes += "\"\r\n";
    }
    return bytes;
}

bool ParseUserDefaults(std::string_view bytes, bool wholeFile, UserDefaults& record) {
    FieldReader reader(bytes, wholeFile);
    for (std::string UserDefaults::*field : FieldsInFileOrder) {
        std::optional<std::string> value = reader.Next();
        if (!value) {
            return false;
        }
        record.*field = std::move(*value);
    }
    return true;
}

}  // namespace korvane
