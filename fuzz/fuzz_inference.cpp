// Feeds the record-length inference arbitrary images. The input's first byte
// gives the number of levels (1 to 8), the next two bytes per level the
// offset of its first object byte; the whole input is the image. Whatever
// the bytes, the search must end within its limits, and when it decides
// every number it reports, each level must read with those lengths.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "inference.h"
#include "level/streamwalk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarnloft;
    if (size < 3) return 0;
    const ImageBytes image(data, data + size);
    const size_t count = 1 + data[0] % 8;
    std::vector<LevelSource> levels;
    for (size_t i = 0; i < count && 2 + 2 * i < size; ++i) {
        LevelSource level;
        level.Index = static_cast<int>(i);
        level.ObjectOffset = (data[1 + 2 * i] | data[2 + 2 * i] << 8) % static_cast<int64_t>(size);
        levels.push_back(level);
    }
    InferenceLimits limits;
    limits.StepsPerSearch = 20'000;
    limits.TotalSteps = 200'000;
    const Inference inference = InferLengths(image, levels, limits);

    if (inference.CutShort || !inference.Levels.empty() ||
        inference.DecidedCount() != static_cast<int>(inference.Numbers.size()))
        return 0;
    LengthTable lengths{};
    for (const NumberFinding& finding : inference.Numbers) lengths[finding.Number] = finding.Length;
    WalkRules rules;
    rules.InsideLevelArea = true;
    for (const LevelSource& level : levels) {
        StreamCursor cursor{WalkState::Objects, level.ObjectOffset};
        Walk(image, lengths, rules, cursor);
        if (cursor.State != WalkState::Done) std::abort();  // decided lengths that do not read
    }
    return 0;
}
