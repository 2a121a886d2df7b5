#include "util/hex.h"

#include <cctype>
#include <limits>

namespace tarnloft {

std::string Hex(uint64_t value) {
    std::string out;
    do {
        out.insert(out.begin(), HexDigit(static_cast<int>(value & 0xF)));
        value >>= 4;
    } while (value != 0);
    return out;
}

std::string Hex16(int16_t value) { return Hex(static_cast<uint16_t>(value)); }

std::string Hex32(int32_t value) { return Hex(static_cast<uint32_t>(value)); }

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char HexDigit(int value) { return "0123456789ABCDEF"[value & 0xF]; }

std::string HexPadded(uint64_t value, int minDigits) {
    std::string out = Hex(value);
    if (static_cast<int>(out.size()) < minDigits) out.insert(0, minDigits - out.size(), '0');
    return out;
}

uint64_t ParseHexBox(const std::string& text) {
    uint64_t value = 0;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        if (value > (std::numeric_limits<uint64_t>::max() >> 4)) return std::numeric_limits<uint64_t>::max();
        value = (value << 4) | static_cast<uint64_t>(digit);
    }
    return value;
}

}  // namespace tarnloft
