// A small JSON writer for the answers the page reads: objects, arrays,
// strings and whole numbers, written straight into one text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane::web {

class JsonText {
  public:
    // Opens an object or an array, as a value or under `key`.
    JsonText& Open(std::string_view key = {}) { return Start(key, '{'); }
    JsonText& OpenArray(std::string_view key = {}) { return Start(key, '['); }
    JsonText& Close() { return End('}'); }
    JsonText& CloseArray() { return End(']'); }

    JsonText& String(std::string_view key, std::string_view value);
    JsonText& Number(std::string_view key, std::uint64_t value);
    JsonText& Bool(std::string_view key, bool value);
    JsonText& Null(std::string_view key);
    // A string inside an array.
    JsonText& Item(std::string_view value) { return String({}, value); }

    const std::string& Text() const { return text_; }

  private:
    JsonText& Start(std::string_view key, char bracket);
    JsonText& End(char bracket);
    void Key(std::string_view key);
    void Quoted(std::string_view text);

    std::string text_;
    bool first_ = true;
};

}  // namespace korvane::web
