// tarnloft_testimage <out.smc> [start|saved|exit]: writes the end-to-end
// script's image, or the image its saves must leave, from the same builder
// as the tests.
#include <cstdio>

#include "support/testimage.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tarnloft_testimage <out.smc> [start|saved|exit]\n");
        return 2;
    }
    if (testimage::WriteFile(argv[1], testimage::ScriptImage(argc == 3 ? argv[2] : "start"))) return 0;
    std::fprintf(stderr, "tarnloft_testimage: cannot write %s\n", argv[1]);
    return 1;
}
