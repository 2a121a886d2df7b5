#include "util/text.h"

namespace tarnloft {

namespace {

// Length of the UTF-8 sequence at `i`, 0 when it is not a valid one
// (overlong forms, surrogates and values past U+10FFFF included).
size_t SequenceLength(const std::string& s, size_t i) {
    const auto byte = [&s](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return length;
}

bool IsUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const size_t length = SequenceLength(s, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace

std::string TextAsUtf8(const std::string& bytes) {
    if (IsUtf8(bytes)) return bytes;
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

namespace {
char UpperAsciiChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string UpperAscii(std::string text) {
    for (char& c : text) c = UpperAsciiChar(c);
    return text;
}

bool ContainsUpper(const std::string& text, const std::string& upperNeedle) {
    const size_t n = upperNeedle.size();
    if (n == 0) return true;
    if (text.size() < n) return false;
    const size_t last = text.size() - n;
    for (size_t start = 0; start <= last; ++start) {
        size_t k = 0;
        while (k < n && UpperAsciiChar(text[start + k]) == upperNeedle[k]) ++k;
        if (k == n) return true;
    }
    return false;
}

}  // namespace tarnloft
