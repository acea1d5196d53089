// Reads the JSON objects the page sends: what it asks of the core, by name.
// The page makes them with JSON.stringify, but the reader takes any text and
// never fails harder than answering that it is not JSON.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::web {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;               // a string's characters, or a number as written
    std::vector<JsonValue> items;   // an array's items, or an object's member values
    std::vector<std::string> keys;  // an object's member names, one for each item

    // The member named `key` of an object, the last one where a name comes
    // twice, as JSON.parse takes it; nullptr for none or for no object.
    const JsonValue* Member(std::string_view key) const;
    // The member's string, if it is one.
    std::optional<std::string_view> StringMember(std::string_view key) const;
    // Whether the member is `true`.
    bool TrueMember(std::string_view key) const;
};

// `text` as one JSON value with nothing but blanks around it; nullopt when
// it is not, or when it nests deeper than any request of the page.
std::optional<JsonValue> ReadJson(std::string_view text);

}  // namespace korvane::web
