#include "app/commandline.h"

#include <cstring>

#include "version.h"

namespace tarnloft {

namespace {

// The toolkit's options, with one or two leading dashes; QApplication takes them out of argv.
const char* const ToolkitOptionsWithValue[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "style",         "stylesheet", "session",
    "display",      "geometry",           "title",         "icon",       "name",
    "visual"};
const char* const ToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
const char* const ToolkitOptionsWithJoinedValue[] = {"style=", "stylesheet=", "qmljsdebugger="};

// How many arguments a toolkit option at `arg` takes up (itself and its
// value): 0 when `arg` is no toolkit option.
int ToolkitOptionLength(const std::string& arg) {
    const size_t dashes = arg.rfind("--", 0) == 0 ? 2 : 1;
    const char* name = arg.c_str() + dashes;
    for (const char* option : ToolkitOptionsWithValue)
        if (std::strcmp(name, option) == 0) return 2;
    for (const char* option : ToolkitFlags)
        if (std::strcmp(name, option) == 0) return 1;
    for (const char* option : ToolkitOptionsWithJoinedValue)
        if (std::strncmp(name, option, std::strlen(option)) == 0) return 1;
    return 0;
}

CommandLine Mistake(const std::string& error) {
    return CommandLine{CommandLine::Action::Error, std::nullopt, error};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") return CommandLine{CommandLine::Action::Help, std::nullopt, ""};
        if (arg == "--version") return CommandLine{CommandLine::Action::Version, std::nullopt, ""};
    }
    CommandLine result;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = !optionsEnded && !arg.empty() && arg[0] == '-';
        if (isOption && arg == "--") {
            optionsEnded = true;
        } else if (const int length = isOption ? ToolkitOptionLength(arg) : 0) {
            if (i + length > args.size()) return Mistake("option '" + arg + "' needs a value");
            i += length - 1;
        } else if (isOption) {
            return Mistake("unknown option '" + arg + "'");
        } else if (result.Image) {
            return Mistake("only one image can be opened, but '" + *result.Image + "' and '" + arg +
                           "' were named");
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
