#include "web/json_text.h"

#include <array>

namespace korvane::web {

JsonText& JsonText::Start(std::string_view key, char bracket) {
    Key(key);
    text_ += bracket;
    first_ = true;
    return *this;
}

JsonText& JsonText::End(char bracket) {
    text_ += bracket;
    first_ = false;
    return *this;
}

JsonText& JsonText::String(std::string_view key, std::string_view value) {
    Key(key);
    Quoted(value);
    return *this;
}

JsonText& JsonText::Number(std::string_view key, std::uint64_t value) {
    Key(key);
    text_ += std::to_string(value);
    return *this;
}

JsonText& JsonText::Bool(std::string_view key, bool value) {
    Key(key);
    text_ += value ? "true" : "false";
    return *this;
}

JsonText& JsonText::Null(std::string_view key) {
    Key(key);
    text_ += "null";
    return *this;
}

// A comma before every member but the first, then the key if there is one.
void JsonText::Key(std::string_view key) {
    if (!first_) {
        text_ += ',';
    }
    first_ = false;
    if (!key.empty()) {
        Quoted(key);
        text_ += ':';
    }
}

// Bytes that are not UTF-8 pass as they are; the page decodes the text with
// replacement characters, as it shows any file's bytes.
void JsonText::Quoted(std::string_view text) {
    static constexpr std::array<char, 17> kHex{"0123456789abcdef"};
    text_ += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (byte < 0x20) {
            text_ += "\\u00";
            text_ += kHex[byte >> 4];
            text_ += kHex[byte & 0xF];
        } else {
            text_ += c;
        }
    }
    text_ += '"';
}

}  // namespace korvane::web
