// The editor: one main window on one ROM image.
#include <QApplication>
#include <cstdio>

#include "app/commandline.h"
#include "app/mainwindow.h"
#include "catalogue/datafolder.h"
#include "prompts/qtprompts.h"
#include "widgets/qtstrings.h"

using tarnloft::MainWindow;
using tarnloft::QtPrompts;

namespace {
std::vector<std::string> ArgumentsOf(int argc, char** argv) { return {argv + 1, argv + argc}; }
}  // namespace

int main(int argc, char** argv) {
    using tarnloft::CommandLine;
    // Answered before the toolkit starts, so they need no display.
    const CommandLine early = tarnloft::ParseCommandLine(ArgumentsOf(argc, argv));
    if (early.Do == CommandLine::Action::Help || early.Do == CommandLine::Action::Version) {
        const std::string text =
            early.Do == CommandLine::Action::Help ? tarnloft::UsageText() : tarnloft::VersionText();
        return std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0 ? 1 : 0;
    }

    QApplication app(argc, argv);  // takes the toolkit's options out of argv
    const CommandLine command = tarnloft::ParseCommandLine(ArgumentsOf(argc, argv));
    if (command.Do == CommandLine::Action::Error) {
        std::fprintf(stderr, "tarnloft: %s\nTry 'tarnloft --help' for more information.\n",
                     command.Error.c_str());
        return 2;
    }
    QtPrompts prompts;
    MainWindow window(
        prompts, tarnloft::FindDataFolder(tarnloft::FileNameToStd(QCoreApplication::applicationDirPath())));
    prompts.SetParentWidget(&window);
    if (!window.Startup(command.Image) || prompts.Ended()) return 0;
    window.show();
    if (prompts.Ended()) return 0;
    return app.exec();
}
