// tarnloft-pictures: one PNG picture of every listed level of an image, as
// the editor draws it, without a display. The caller provides the
// QGuiApplication (on the offscreen platform).
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "util/exitstatus.h"

namespace tarnloft {

// `args` without the program name; `dataFolder` holds the definition files
// unless --data names others. Returns the exit status: ExitAllGood when
// every picture was written, ExitSomeFail when some levels got none.
int RunPicturesTool(const std::vector<std::string>& args, const std::string& dataFolder, std::ostream& out,
                    std::ostream& err);

// The usage text that --help prints.
std::string PicturesUsage();

}  // namespace tarnloft
