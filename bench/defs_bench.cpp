// Figures for tarnloft-defs: record-length inference over every level of the
// demo image, timed in this process, and the peak memory of the real tool
// doing the same, measured as a child process of its own.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench.h"
#include "inference.h"

namespace {

BENCH_GROUP("defs inference") {
    tarnloft::ImageBytes image;
    if (auto error = tarnloft::ReadImage(bench::DemoImagePath(), image)) {
        std::fprintf(stderr, "tarnloft_bench: %s\n", error->c_str());
        return;
    }
    std::vector<tarnloft::LevelSource> levels;
    for (int index = 0; index < 256; ++index) levels.push_back(tarnloft::FindLevel(image, index));
    int decided = 0;
    bench::Measure("infer all 256 demo levels",
                   [&] { decided = tarnloft::InferLengths(image, levels).DecidedCount(); });
    std::printf("infer decided %d numbers\n", decided);

    const std::string command = std::string(TARNLOFT_DEFS_PATH) + " infer '" + bench::DemoImagePath() +
                                "' --levels 256 --force --out '" + bench::ScratchPath("") + "' >/dev/null";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "tarnloft_bench: %s failed\n", command.c_str());
        return;
    }
    struct rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);  // the largest child so far: the tool or the demo generator
    std::printf("infer peak memory (tarnloft-defs): %ld MiB\n", usage.ru_maxrss / 1024);
}

}  // namespace
