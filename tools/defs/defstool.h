// The tarnloft-defs command line: "check" and "infer", their output lines
// and exit statuses, with the streams passed in so tests can run it directly.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "util/exitstatus.h"

namespace tarnloft {

// `args` are the arguments after the program name; `dataFolder` is where
// definition files are read from when --data is not given.
int RunDefsTool(const std::vector<std::string>& args, const std::string& dataFolder, std::ostream& out,
                std::ostream& err);

}  // namespace tarnloft
