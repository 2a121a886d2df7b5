// Text of the definition files as the program keeps it: UTF-8.
#pragma once
#include <string>

namespace tarnloft {

// `bytes` unchanged when they are valid UTF-8, otherwise read as Latin-1
// (files written by older tools) and converted to UTF-8.
std::string TextAsUtf8(const std::string& bytes);

}  // namespace tarnloft
