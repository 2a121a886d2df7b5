// Where the program finds its definition files: beside its executable (the
// build folder) or, in an installed tree, in ../share/tarnloft next to bin/.
#pragma once
#include <string>

namespace tarnloft {

// The folder that holds the definition files for an executable in
// `executableFolder`. When neither place has them, the executable's own
// folder, so that the error on reading names the usual place.
std::string FindDataFolder(const std::string& executableFolder);

// The folder of the running program, for the command-line tools; when the
// system cannot tell, the folder of `invokedAs` (argv[0]), else ".".
std::string ExecutableFolder(const std::string& invokedAs);

}  // namespace tarnloft
