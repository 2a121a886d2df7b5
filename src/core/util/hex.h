// Number formatting and the lenient hexadecimal input rule used by every hex text box.
#pragma once
#include <cstdint>
#include <string>

namespace tarnloft {

// Upper-case hexadecimal without prefix or leading zeros ("0" for zero).
std::string Hex(uint64_t value);

// Hex of a signed 16-bit value: negative values show their 16-bit two's complement.
std::string Hex16(int16_t value);

// Hex of a signed 32-bit value: negative values show their 32-bit two's complement.
std::string Hex32(int32_t value);

// Hex with at least `minDigits` digits (zero padded).
std::string HexPadded(uint64_t value, int minDigits);

// Value of one hex digit (either case), -1 for any other character.
int HexDigitValue(char c);
// Upper-case hex digit of the low four bits of `value`.
char HexDigit(int value);

// Reads a hex text box: blanks are ignored, reading stops at the first
// character that is not a hex digit; empty or non-digit start gives 0.
// The value saturates at UINT64_MAX instead of wrapping.
uint64_t ParseHexBox(const std::string& text);

}  // namespace tarnloft
