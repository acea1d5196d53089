#include "web/json_reader.h"

#include "core/cellar/text_encoding.h"

namespace korvane::web {
namespace {

// Deeper than the page ever nests, shallow enough for any stack.
constexpr int kMaxDepth = 32;

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<JsonValue> Document() {
        JsonValue value;
        if (!Value(value, 0)) {
            return std::nullopt;
        }
        SkipBlanks();
        return at_ == text_.size() ? std::optional(std::move(value)) : std::nullopt;
    }

  private:
    bool Value(JsonValue& value, int depth) {
        SkipBlanks();
        if (at_ == text_.size() || depth > kMaxDepth) {
            return false;
        }
        switch (text_[at_]) {
            case '{':
                value.kind = JsonValue::Kind::Object;
                return Members(value, depth);
            case '[':
                value.kind = JsonValue::Kind::Array;
                return Items(value, depth);
            case '"':
                value.kind = JsonValue::Kind::String;
                return String(value.text);
            case 't':
                value.kind = JsonValue::Kind::Bool;
                value.boolean = true;
                return Word("true");
            case 'f':
                value.kind = JsonValue::Kind::Bool;
                return Word("false");
            case 'n':
                return Word("null");
            default:
                value.kind = JsonValue::Kind::Number;
                return Number(value.text);
        }
    }

    bool Members(JsonValue& object, int depth) {
        ++at_;  // {
        if (Next('}')) {
            return true;
        }
        do {
            SkipBlanks();
            std::string key;
            if (!String(key) || !Next(':')) {
                return false;
            }
            object.keys.push_back(std::move(key));
            if (!Value(object.items.emplace_back(), depth + 1)) {
                return false;
            }
        } while (Next(','));
        return Next('}');
    }

    bool Items(JsonValue& array, int depth) {
        ++at_;  // [
        if (Next(']')) {
            return true;
        }
        do {
            if (!Value(array.items.emplace_back(), depth + 1)) {
                return false;
            }
        } while (Next(','));
        return Next(']');
    }

    bool String(std::string& out) {
        if (at_ == text_.size() || text_[at_] != '"') {
            return false;
        }
        ++at_;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            if (c != '\\') {
                out += c;
            } else if (!Escape(out)) {
                return false;
            }
        }
        return false;
    }

    bool Escape(std::string& out) {
        if (at_ == text_.size()) {
            return false;
        }
        const char c = text_[at_++];
        static constexpr std::string_view kFrom = "\"\\/bfnrt";
        static constexpr std::string_view kTo = "\"\\/\b\f\n\r\t";
        if (const std::size_t i = kFrom.find(c); i != std::string_view::npos) {
            out += kTo[i];
            return true;
        }
        char32_t unit = 0;
        if (c != 'u' || !Hex4(unit)) {
            return false;
        }
        char32_t low = 0;
        if (unit >= 0xD800 && unit < 0xDC00 && text_.substr(at_, 2) == "\\u") {
            const std::size_t mark = at_;
            at_ += 2;
            if (Hex4(low) && low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                return true;
            }
            at_ = mark;  // a lone high surrogate, then another escape
        }
        // A lone surrogate stands for no character: the replacement one.
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
        return true;
    }

    bool Hex4(char32_t& unit) {
        if (text_.size() - at_ < 4) {
            return false;
        }
        for (int i = 0; i < 4; ++i) {
            const int digit = HexDigit(text_[at_++]);
            if (digit < 0) {
                return false;
            }
            unit = unit * 16 + static_cast<char32_t>(digit);
        }
        return true;
    }

    static int HexDigit(char c) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    }

    // JSON's number grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool Number(std::string& out) {
        const std::size_t start = at_;
        Next('-', false);  // a sign may come first
        if (!Next('0', false) && !Digits()) {
            return false;
        }
        if (Next('.', false) && !Digits()) {
            return false;
        }
        if (Next('e', false) || Next('E', false)) {
            if (!Next('+', false)) {
                Next('-', false);
            }
            if (!Digits()) {
                return false;
            }
        }
        out = text_.substr(start, at_ - start);
        return true;
    }

    bool Digits() {
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            ++at_;
        }
        return at_ > start;
    }

    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    // Takes `c` if it comes next, after blanks unless `blanks` is false.
    bool Next(char c, bool blanks = true) {
        if (blanks) {
            SkipBlanks();
        }
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    void SkipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view key) const {
    if (kind != Kind::Object) {
        return nullptr;
    }
    for (std::size_t i = keys.size(); i-- > 0;) {
        if (keys[i] == key) {
            return &items[i];
        }
    }
    return nullptr;
}

std::optional<std::string_view> JsonValue::StringMember(std::string_view key) const {
    const JsonValue* member = Member(key);
    return member != nullptr && member->kind == Kind::String
               ? std::optional<std::string_view>(member->text)
               : std::nullopt;
}

bool JsonValue::TrueMember(std::string_view key) const {
    const JsonValue* member = Member(key);
    return member != nullptr && member->kind == Kind::Bool && member->boolean;
}

std::optional<JsonValue> ReadJson(std::string_view text) {
    return Reader(text).Document();
}

}  // namespace korvane::web
