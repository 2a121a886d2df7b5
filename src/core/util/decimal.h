// Decimal input rules: one digit step shared by the definition files and the
// header editor's boxes.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace tarnloft {

// value * 10 + the digit `c`, saturating at INT64_MAX; nullopt when `c` is not 0..9.
std::optional<int64_t> AppendDecimalDigit(int64_t value, char c);

// A decimal box: a plain whole number within 0..max, blanks around it allowed.
std::optional<int> ParseDecimalBox(const std::string& text, int max);

}  // namespace tarnloft
