// Where the program finds its definition files: beside its executable (the
// build folder) or, in an installed tree, in ../share/tarnloft next to bin/.
#pragma once
#include <string>

namespace tarnloft {

// The folder that holds the definition files for an executable in
// `executableFolder`. When neither place has them, the executable's own
// folder, so that the error on reading names the usual place.
std::string FindDataFolder(const std::string& executableFolder);

}  // namespace tarnloft
