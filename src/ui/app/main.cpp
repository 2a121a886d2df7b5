// The editor: one main window on one ROM image.
#include <QApplication>
#include <cstdio>

#include "app/commandline.h"
#include "app/mainwindow.h"
#include "catalogue/datafolder.h"
#include "prompts/qtprompts.h"
#include "widgets/qtstrings.h"

using tarnloft::CommandLine;
using tarnloft::MainWindow;
using tarnloft::QtPrompts;

namespace {

std::vector<std::string> ArgumentsOf(int argc, char** argv) { return {argv + 1, argv + argc}; }

// Answers --help, --version and a mistake; nothing when the editor is to start.
std::optional<int> Answer(const CommandLine& command) {
    switch (command.Do) {
        case CommandLine::Action::Help:
        case CommandLine::Action::Version: {
            const std::string text =
                command.Do == CommandLine::Action::Help ? tarnloft::UsageText() : tarnloft::VersionText();
            return std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0 ? 1 : 0;
        }
        case CommandLine::Action::Error:
            std::fprintf(stderr, "tarnloft: %s\n%s", command.Error.c_str(), tarnloft::UsageText().c_str());
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the toolkit starts, so they need no display.
    if (std::optional<int> status = Answer(tarnloft::ParseCommandLine(ArgumentsOf(argc, argv))))
        return *status;

    QApplication app(argc, argv);  // takes the toolkit's options out of argv
    // Read again: an option that the running platform does not take is left.
    const CommandLine command = tarnloft::ParseCommandLine(ArgumentsOf(argc, argv));
    if (std::optional<int> status = Answer(command)) return *status;
    QtPrompts prompts;
    MainWindow window(
        prompts, tarnloft::FindDataFolder(tarnloft::FileNameToStd(QCoreApplication::applicationDirPath())));
    prompts.SetParentWidget(&window);
    if (!window.Startup(command.Image) || prompts.Ended()) return 0;
    window.show();
    if (prompts.Ended()) return 0;
    return app.exec();
}
