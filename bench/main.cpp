// Runs every registered figure and reports peak memory.
// Usage: tarnloft_bench [--rounds N] [name-filter ...]
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bench.h"
#include "catalogue/definitionfiles.h"

#ifdef TARNLOFT_BENCH_UI
#include <QApplication>

using namespace tarnloft;
#endif

namespace bench {
namespace {

struct Entry {
    const char* Name;
    Body Run;
    bool Timed;
};

std::vector<Entry>& Registry() {
    static std::vector<Entry> entries;
    return entries;
}

struct Settings {
    int Rounds = 0;  // 0: each figure's own number
    std::vector<std::string> Filters;
    bool TargetMissed = false;
} settings;

class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/tarnloft-bench-XXXXXX";
        path_ = mkdtemp(pattern) ? pattern : "/tmp";
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (path_ != "/tmp") std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

ScratchFolder& Scratch() {
    static ScratchFolder folder;
    return folder;
}

}  // namespace

bool Register(const char* name, Body body, bool timed) {
    Registry().push_back(Entry{name, body, timed});
    return true;
}

bool Selected(const std::string& name) {
    if (settings.Filters.empty()) return true;
    return std::any_of(settings.Filters.begin(), settings.Filters.end(),
                       [&name](const std::string& f) { return name.find(f) != std::string::npos; });
}

double MedianMs(const std::function<void()>& body, int rounds, const std::function<void()>& prepare) {
    if (settings.Rounds > 0) rounds = settings.Rounds;
    rounds = std::max(rounds, 1);
    if (prepare) prepare();
    body();  // warm-up: caches, lazy set-up
    std::vector<double> times;
    times.reserve(static_cast<size_t>(rounds));
    for (int i = 0; i < rounds; ++i) {
        if (prepare) prepare();
        auto start = std::chrono::steady_clock::now();
        body();
        auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2),
                     times.end());
    return times[times.size() / 2];
}

void Report(const std::string& name, double milliseconds) {
    std::printf("%s: %.4f ms\n", name.c_str(), milliseconds);
    std::fflush(stdout);
}

double Measure(const std::string& name, const std::function<void()>& body, int rounds) {
    double median = MedianMs(body, rounds);
    Report(name, median);
    return median;
}

double MeasureAgainst(const std::string& name, double targetMs, const std::function<void()>& body,
                      const std::function<void()>& prepare) {
    const double median = MedianMs(body, DefaultRounds, prepare);
    const bool missed = median > targetMs;
    std::printf("%s: %.4f ms (target under %g ms)%s\n", name.c_str(), median, targetMs,
                missed ? " MISSED" : "");
    std::fflush(stdout);
    settings.TargetMissed = settings.TargetMissed || missed;
    return median;
}

const Catalogues& ShippedCatalogues() {
    static const DefinitionLoad load = [] {
        DefinitionLoad result = LoadDefinitionFiles(TARNLOFT_DATA_DIR);
        if (!result.Ok) {
            std::fprintf(stderr, "tarnloft_bench: %s\n", result.Error.c_str());
            std::exit(1);
        }
        return result;
    }();
    return load.Defs;
}

std::string ScratchPath(const std::string& fileName) { return Scratch().Path() + "/" + fileName; }

const std::string& DemoImagePath() {
    static const std::string path = [] {
        std::string out = ScratchPath("demo.smc");
        std::string command =
            std::string(TARNLOFT_DEMOGEN_PATH) + " '" + out + "' '" + TARNLOFT_DATA_DIR + "'";
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "tarnloft_bench: cannot make the demo image (%s)\n", command.c_str());
            std::exit(1);
        }
        return out;
    }();
    return path;
}

std::string FreshDemoImageCopy() {
    static int count = 0;
    std::string copy = ScratchPath("copy" + std::to_string(++count) + ".smc");
    std::filesystem::copy_file(DemoImagePath(), copy, std::filesystem::copy_options::overwrite_existing);
    return copy;
}

std::vector<uint8_t> NamedObjectNumbers(const Catalogues& defs) {
    std::vector<uint8_t> numbers;
    for (int n = 1; n < 255; ++n) {
        const ObjectDef& d = defs.ObjectDefs[n];
        if ((d.ByteCount == ByteClass::FourByte || d.ByteCount == ByteClass::FiveByte) && !d.Name.empty())
            numbers.push_back(static_cast<uint8_t>(n));
    }
    if (numbers.empty()) numbers.push_back(1);
    return numbers;
}

}  // namespace bench

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc) {
            bench::settings.Rounds = std::atoi(argv[++i]);
        } else {
            bench::settings.Filters.push_back(arg);
        }
    }
#ifdef TARNLOFT_BENCH_UI
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
#endif
    for (const bench::Entry& entry : bench::Registry()) {
        if (!bench::Selected(entry.Name)) continue;
        if (entry.Timed) {
            bench::Measure(entry.Name, entry.Run);
        } else {
            entry.Run();
        }
    }
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %ld MiB\n", usage.ru_maxrss / 1024);
    return bench::settings.TargetMissed ? 1 : 0;
}
