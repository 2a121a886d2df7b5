// tarnloft_testimage <out.smc> [start|saved|exit|band|paste]: writes the
// end-to-end script's image, or the image its saves must leave, from the
// same builder as the tests.
#include <cstdio>

#include "support/testimage.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tarnloft_testimage <out.smc> [start|saved|exit|band|paste]\n");
        return 2;
    }
    const testimage::Image image = testimage::ScriptImage(argc == 3 ? argv[2] : "start");
    if (image.empty()) {
        std::fprintf(stderr, "tarnloft_testimage: no stage %s\n", argv[2]);
        return 2;
    }
    if (testimage::WriteFile(argv[1], image)) return 0;
    std::fprintf(stderr, "tarnloft_testimage: cannot write %s\n", argv[1]);
    return 1;
}
