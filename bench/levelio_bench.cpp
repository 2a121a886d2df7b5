// Figures for loading and saving levels.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <vector>

#include "bench.h"
#include "level/imagemap.h"
#include "level/levelio.h"
#include "level/levelsave.h"
#include "level/movingsave.h"
#include "level/objectstream.h"
#include "rom/romimage.h"

using namespace tarnloft;

namespace {

bool OpenImage(RomImage& rom, const std::string& path) {
    if (auto error = rom.Open(path)) {
        std::fprintf(stderr, "tarnloft_bench: %s\n", error->c_str());
        return false;
    }
    return true;
}

// A 4 MiB image whose only level's object stream is followed by zeros up to
// the end of the file; its sprite stream is empty.
std::string MakeLongZeroRunImage() {
    std::vector<uint8_t> image(4u << 20, 0x00);
    std::fill(image.begin(), image.begin() + 0x200, 0xEA);
    const uint8_t sprites[] = {0xFF, 0xFF};
    std::copy(std::begin(sprites), std::end(sprites), image.begin() + 0x100);
    const uint8_t level[] = {0x20, 0x84, 0x21, 0x10, 0x08, 0x31, 0x00, 0x00, 0x02, 0x00,  // header
                             0x01, 0x01, 0xA0, 0x18, 0x03,                                // five-byte object
                             0x40, 0x01, 0x63, 0x33,                                      // four-byte object
                             0xFF, 0x10, 0x01, 0x02, 0x1A, 0x00, 0xFF};
    std::copy(std::begin(level), std::end(level), image.begin() + 0x200);
    std::string path = bench::ScratchPath("longrun.smc");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return path;
}

BENCH_GROUP("level io") {
    const Catalogues& defs = bench::ShippedCatalogues();
    RomImage rom;
    if (!OpenImage(rom, bench::DemoImagePath())) return;

    const std::vector<ListItem>& levels = defs.DestinationLevels;
    bench::Measure("read the image map (demo image)", [&] { ReadImageMap(rom, defs); });
    const ImageMap map = ReadImageMap(rom, defs);
    double round = bench::MedianMs([&] {
        for (const ListItem& level : levels) LoadLevelIndex(rom, defs, level.Value, map);
    });
    bench::Report("load level by index (median per level, all demo levels)", round / levels.size());

    // The densest demo level, saved unchanged into a copy of the image.
    RomImage copy;
    if (!OpenImage(copy, bench::FreshDemoImageCopy())) return;
    LoadResult dense = LoadLevelIndex(copy, defs, 0xFF);
    if (dense.Ok) {
        bench::Measure(
            "save level (densest demo level, " + std::to_string(dense.Level.LevelObjects.size()) + " items)",
            [&] { SaveLevel(copy, defs, dense.Level); });
    }

    RomImage longRun;
    if (!OpenImage(longRun, MakeLongZeroRunImage())) return;
    bench::Measure("load level with a zero run to the end of a 4 MiB image",
                   [&] { LoadLevelOffset(longRun, defs, 0x200, 0x100); });
    LoadResult longLevel = LoadLevelOffset(longRun, defs, 0x200, 0x100);
    if (longLevel.Ok) {
        bench::Measure("save level with a zero run to the end of a 4 MiB image",
                       [&] { SaveLevel(longRun, defs, longLevel.Level); });
    }
}

}  // namespace

namespace {

// A moving save of the densest demo level grown past its room: the plan (every
// listed level read, free places found) and the writes with the check of every
// other level afterwards. Each round starts from the same image.
BENCH_GROUP("moving save") {
    const std::string name = "moving save (densest demo level, every other level checked)";
    if (!bench::Selected(name)) return;
    const Catalogues& defs = bench::ShippedCatalogues();
    RomImage rom;
    if (!OpenImage(rom, bench::FreshDemoImageCopy())) return;
    std::vector<uint8_t> pristine(static_cast<size_t>(rom.Size()));
    rom.Read(1, pristine.data(), pristine.size());
    LevelModel grown = LoadLevelIndex(rom, defs, 0xFF).Level;
    const LevelObject first = grown.LevelObjects.front();
    while (MeasureObjectBytes(defs, grown) <= grown.ObjectBytesRoom) grown.LevelObjects.push_back(first);
    grown.ObjectBytesUsed = MeasureObjectBytes(defs, grown);

    std::vector<double> times;
    for (int round = 0; round < bench::DefaultRounds; ++round) {
        rom.Write(1, pristine.data(), pristine.size());
        const auto start = std::chrono::steady_clock::now();
        const MovePlan plan = PlanMovingSave(rom, defs, grown, 0xFF);
        const MoveResult result = WriteMovingSave(rom, defs, plan);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!result.Save.Ok) std::fprintf(stderr, "tarnloft_bench: %s\n", result.Save.Report.Text.c_str());
    }
    std::sort(times.begin(), times.end());
    bench::Report(name, times[times.size() / 2]);
}

}  // namespace
