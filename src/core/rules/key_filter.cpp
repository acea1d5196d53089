#include "core/rules/key_filter.h"

#include <string_view>

namespace korvane {
namespace {

constexpr std::string_view kNumericCharacters = "0123456789.";
constexpr int kLastControlCode = 26;

}  // namespace

void FilterNumericKey(int& code, DecimalKey decimalKey) {
    if (code <= kLastControlCode) {
        return;
    }
    if (code == ',' && decimalKey == DecimalKey::CommaToo) {
        code = '.';
        return;
    }
    if (code < 128 && kNumericCharacters.find(static_cast<char>(code)) != std::string_view::npos) {
        return;
    }
    code = 0;
}

}  // namespace korvane
