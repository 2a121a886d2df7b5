// tarnloft_testimage <out.smc>: writes the end-to-end scripts' image, so
// that the scripts build their image with the same builder as the tests.
#include <cstdio>

#include "support/testimage.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarnloft_testimage <out.smc>\n");
        return 2;
    }
    if (testimage::WriteFile(argv[1], testimage::ScriptImage())) return 0;
    std::fprintf(stderr, "tarnloft_testimage: cannot write %s\n", argv[1]);
    return 1;
}
