// tarnloft-pictures: writes a picture of every level of an image without a
// display. See RunPicturesTool.
#include <QGuiApplication>
#include <iostream>
#include <new>

#include "catalogue/datafolder.h"
#include "picturestool.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const std::string dataFolder = tarnloft::FindDataFolder(tarnloft::ExecutableFolder(argv[0]));
        // Answered before the toolkit starts.
        for (const std::string& arg : args)
            if (arg == "--help" || arg == "-h" || arg == "--version")
                return tarnloft::RunPicturesTool(args, dataFolder, std::cout, std::cerr);
        // Pictures are drawn into images: no display is needed or used, and
        // the toolkit sees none of the arguments.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int toolkitArgc = 1;
        QGuiApplication application(toolkitArgc, argv);
        return tarnloft::RunPicturesTool(args, tarnloft::FindDataFolder(tarnloft::ExecutableFolder(argv[0])),
                                         std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "tarnloft-pictures: out of memory\n";
        return tarnloft::ExitBadInput;
    }
}
