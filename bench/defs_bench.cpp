// Figures for tarnloft-defs: record-length inference over every level of the
// demo image, timed in this process, and the real tool doing the same within
// a memory limit, as a child process of its own.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

    // The tool as a process of its own, run under a limit on its address
    // space: what it maps bounds what it can hold in memory, so a clean exit
    // shows that its peak stays under the limit.
    const std::string tool = TARNLOFT_DEFS_PATH, demo = bench::DemoImagePath(), out = bench::ScratchPath("");
    constexpr rlim_t LimitMiB = 100;
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{LimitMiB << 20, LimitMiB << 20};
        setrlimit(RLIMIT_AS, &limit);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        execl(tool.c_str(), tool.c_str(), "infer", demo.c_str(), "--levels", "256", "--force", "--out",
              out.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    const bool ok =
        child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::printf("infer (tarnloft-defs, all 256 demo levels) within %lu MiB of address space: %s\n",
                static_cast<unsigned long>(LimitMiB), ok ? "yes" : "NO");
}

}  // namespace
