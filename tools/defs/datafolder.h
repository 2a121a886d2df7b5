// Where tarnloft-defs looks for definition files when not told: beside its
// own executable, as the editor does.
#pragma once
#include <string>

namespace tarnloft {

std::string DefaultDataFolder();

}  // namespace tarnloft
