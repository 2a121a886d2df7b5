// tarnloft-defs: checks definition files against an image, and infers the
// object record lengths from the image itself. See RunDefsTool.
#include <iostream>
#include <new>

#include "catalogue/datafolder.h"
#include "defstool.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return tarnloft::RunDefsTool(args, tarnloft::FindDataFolder(tarnloft::ExecutableFolder(argv[0])),
                                     std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::cerr << "tarnloft-defs: out of memory\n";
        return tarnloft::ExitBadInput;
    }
}
