// Exit statuses of the command-line tools, which all work through a list of
// levels: every one went well, some did not, or the input could not be read.
#pragma once

namespace tarnloft {

inline constexpr int ExitAllGood = 0;
inline constexpr int ExitSomeFail = 1;
inline constexpr int ExitBadInput = 2;

}  // namespace tarnloft
