// Figures for the undo history through the real main window on the demo
// level with the most items: undo and redo of one drag, each with the
// repaint and the panels, and the memory that 1,000 steps hold.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <vector>

#include "edit/hittest.h"
#include "level/levelio.h"
#include "view/viewport.h"
#include "windowbench_ui.h"

using namespace tarnloft;

namespace {

// The level of the demo image with the most entries.
int64_t DensestLevel(const MainWindow& window) {
    int64_t best = 0;
    size_t most = 0;
    for (const ListItem& item : window.Defs().DestinationLevels) {
        const LoadResult load = LoadLevelIndex(window.Rom(), window.Defs(), item.Value);
        if (load.Ok && load.Level.LevelObjects.size() > most) {
            most = load.Level.LevelObjects.size();
            best = item.Value;
        }
    }
    return best;
}

// A pixel on the body of an entry in view, or false when none is.
bool FindGrabPoint(const MainWindow& window, double& x, double& y) {
    const EditorState& state = window.State();
    for (int index : state.View.VisibleObjects) {
        const TileBounds b = ItemBounds(state.Level.LevelObjects[index]);
        x = Px(state.View, b.Left) + 2;
        y = Py(state.View, b.Top) + 2;
        if (x > 0 && y > 0 && x < state.View.SurfaceWidth && y < state.View.SurfaceHeight &&
            FindObjectAt(state, window.Defs(), x, y) >= 0)
            return true;
    }
    return false;
}

// Drags what lies at (x, y) `tiles` columns sideways: one step.
void Drag(MainWindow& window, double x, double y, int tiles) {
    EditorSession& session = window.Session();
    const double step = tiles * window.State().View.Zoom;
    session.Apply(&Editor::Press, MouseButton::Left, x, y);
    session.Apply(&Editor::Move, MouseButton::Left, x + step / 2, y);
    session.Apply(&Editor::Move, MouseButton::Left, x + step, y);
    session.Apply(&Editor::Release);
}

double ResidentMiB() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double Median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2),
                     times.end());
    return times[times.size() / 2];
}

BENCH_GROUP("undo") {
    const std::string undoName = "undo of one drag (densest demo level, repaint included)";
    const std::string redoName = "redo of one drag (densest demo level, repaint included)";
    const std::string memoryName = "1000 steps on the densest demo level";
    if (!bench::Selected("undo") && !bench::Selected(undoName) && !bench::Selected(redoName) &&
        !bench::Selected(memoryName))
        return;

    bench::QuietPrompts prompts;
    auto window = bench::StartWindow(prompts);
    if (!window) return;
    const int64_t level = DensestLevel(*window);
    window->LoadLevelIndex(level);
    bench::ProcessPendingEvents();
    double x = 0, y = 0;
    if (!FindGrabPoint(*window, x, y)) {
        std::fprintf(stderr, "tarnloft_bench: no item in view on level %lld\n",
                     static_cast<long long>(level));
        return;
    }
    std::printf("  undo: level %lld, %zu items, %zu in view, grabbed at (%.0f, %.0f)\n",
                static_cast<long long>(level), window->State().Level.LevelObjects.size(),
                window->State().View.VisibleObjects.size(), x, y);

    EditorSession& session = window->Session();
    Drag(*window, x, y, 2);
    if (session.History().Count() != 1) {
        std::fprintf(stderr, "tarnloft_bench: the drag made %zu steps\n", session.History().Count());
        return;
    }
    std::vector<double> undoTimes, redoTimes;
    using Clock = std::chrono::steady_clock;
    for (int round = 0; round < 51; ++round) {
        const auto start = Clock::now();
        session.Undo();
        const auto middle = Clock::now();
        session.Redo();
        const auto stop = Clock::now();
        undoTimes.push_back(std::chrono::duration<double, std::milli>(middle - start).count());
        redoTimes.push_back(std::chrono::duration<double, std::milli>(stop - middle).count());
    }
    bench::Report(undoName, Median(undoTimes));
    bench::Report(redoName, Median(redoTimes));

    // Back and forth by two tiles: every drag is a step of its own.
    const double before = ResidentMiB();
    for (int i = 0; i < HistoryLimit; ++i)
        Drag(*window, i % 2 ? x : x + 2.0 * window->State().View.Zoom, y, i % 2 ? 2 : -2);
    bench::ProcessPendingEvents();
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s: %zu steps held, %.1f MiB more resident, peak memory %ld MiB\n", memoryName.c_str(),
                session.History().Count(), ResidentMiB() - before, usage.ru_maxrss / 1024);
}

}  // namespace
