#include "util/hex.h"

#include <cctype>
#include <limits>

namespace tarnloft {

std::string Hex(uint64_t value) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), Digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return out;
}

std::string Hex16(int16_t value) { return Hex(static_cast<uint16_t>(value)); }

std::string Hex32(int32_t value) { return Hex(static_cast<uint32_t>(value)); }

std::string HexPadded(uint64_t value, int minDigits) {
    std::string out = Hex(value);
    if (static_cast<int>(out.size()) < minDigits) out.insert(0, minDigits - out.size(), '0');
    return out;
}

uint64_t ParseHexBox(const std::string& text) {
    uint64_t value = 0;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else break;
        if (value > (std::numeric_limits<uint64_t>::max() >> 4)) return std::numeric_limits<uint64_t>::max();
        value = (value << 4) | static_cast<uint64_t>(digit);
    }
    return value;
}

}  // namespace tarnloft
