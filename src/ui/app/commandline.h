// The editor's command line: an optional image to open, --help and --version.
// Plain C++; the toolkit's own options (-platform, -style, ...) are taken out
// by QApplication before the rest is read here.
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
// anything else before "--", so they can be answered before the toolkit
// starts (and without a display); "--" makes every later argument an image name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();
std::string VersionText();

}  // namespace tarnloft
