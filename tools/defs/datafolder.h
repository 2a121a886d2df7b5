// Where tarnloft-defs looks for definition files when not told: where the
// editor looks, beside its own executable or in an installed tree's
// ../share/tarnloft.
#pragma once
#include <string>

namespace tarnloft {

std::string DefaultDataFolder();

}  // namespace tarnloft
