// A message for the user: the window decides how to show it (a modal box).
#pragma once
#include <string>
#include <vector>

namespace tarnloft {

struct Message {
    std::string Title;
    std::string Text;
};

using MessageList = std::vector<Message>;

// Line break used inside message and label texts.
inline constexpr const char* Crlf = "\r\n";

}  // namespace tarnloft
