#include "util/decimal.h"

namespace tarnloft {

std::optional<int64_t> AppendDecimalDigit(int64_t value, char c) {
    if (c < '0' || c > '9') return std::nullopt;
    return value > (INT64_MAX - 9) / 10 ? INT64_MAX : value * 10 + (c - '0');
}

std::optional<int> ParseDecimalBox(const std::string& text, int max) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const size_t last = text.find_last_not_of(" \t");
    std::optional<int64_t> value = 0;
    for (size_t i = first; i <= last; ++i) {
        value = AppendDecimalDigit(*value, text[i]);
        if (!value || *value > max) return std::nullopt;
    }
    return static_cast<int>(*value);
}

}  // namespace tarnloft
