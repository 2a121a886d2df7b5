// tarnloft-defs: checks definition files against an image, and infers the
// object record lengths from the image itself. See RunDefsTool.
#include <iostream>

#include "datafolder.h"
#include "defstool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tarnloft::RunDefsTool(args, tarnloft::DefaultDataFolder(), std::cout, std::cerr);
}
