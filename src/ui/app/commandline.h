// The editor's command line: an optional image to open, --help and --version.
// Plain C++, so it is read before the toolkit starts: a mistake is answered
// without a display. The toolkit's own options (-platform, -style, ...) are
// passed over here and left for QApplication.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tarnloft {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action Do = Action::Run;
    std::optional<std::string> Image;  // the image to open instead of asking
    std::string Error;                 // what is wrong, when Do is Error
};

// Reads the arguments after the program name. --help and --version win over
// anything else before "--"; "--" makes every later argument an image name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();
std::string VersionText();

}  // namespace tarnloft
