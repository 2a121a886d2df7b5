// Text of the definition files as the program keeps it (UTF-8), and the
// case-insensitive matching of filters and searches over it.
#pragma once
#include <string>

namespace tarnloft {

// `bytes` unchanged when they are valid UTF-8, otherwise read as Latin-1
// (files written by older tools) and converted to UTF-8.
std::string TextAsUtf8(const std::string& bytes);

// `text` with a to z in upper case; every other byte as it is.
std::string UpperAscii(std::string text);

// Whether `text` contains `upperNeedle` (already upper case), ignoring the case of a to z.
bool ContainsUpper(const std::string& text, const std::string& upperNeedle);

}  // namespace tarnloft
