#include "app/commandline.h"

#include "version.h"

namespace tarnloft {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    for (const std::string& arg : args) {
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") return CommandLine{CommandLine::Action::Help, std::nullopt, ""};
        if (arg == "--version") return CommandLine{CommandLine::Action::Version, std::nullopt, ""};
    }
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        const bool isOption = !optionsEnded && !arg.empty() && arg[0] == '-';
        if (isOption && arg == "--") {
            optionsEnded = true;
        } else if (isOption) {
            result.Do = CommandLine::Action::Error;
            result.Error = "unknown option '" + arg + "'";
            return result;
        } else if (result.Image) {
            result.Do = CommandLine::Action::Error;
            result.Error =
                "only one image can be opened, but '" + *result.Image + "' and '" + arg + "' were named";
            return result;
        } else {
            result.Image = arg;
        }
    }
    return result;
}

std::string UsageText() {
    return "Usage: tarnloft [OPTION]... [IMAGE]\n"
           "Edit the levels of a cartridge image (.smc).\n"
           "\n"
           "After the start-up warning the editor opens IMAGE; without IMAGE, or when\n"
           "IMAGE cannot be used, it asks for an image in a file dialog.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "      --         treat every later argument as the image's name\n"
           "\n"
           "The toolkit's own options also work, for example -platform NAME and -style NAME.\n";
}

std::string VersionText() { return std::string("tarnloft ") + Version + "\n"; }

}  // namespace tarnloft
