// tarnloft_monkeycheck <original.smc> <edited.smc> <definition-folder> <level>...
//
// After a monkey run: checks that the edited image differs from the original
// only inside the two extents of the levels that were saved, and that each of
// them still loads. A level is a level index in hex ("1A") or, for a level
// loaded by offsets, "0xOBJECTS,0xSPRITES". Exits 0 when the image is sound.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/definitionfiles.h"
#include "level/levelio.h"
#include "rom/romimage.h"
#include "support/saveoracle.h"
#include "util/hex.h"

using namespace tarnloft;

namespace {

LoadResult LoadNamed(const RomImage& rom, const Catalogues& defs, const std::string& name) try {
    const size_t comma = name.find(',');
    if (comma == std::string::npos) return LoadLevelIndex(rom, defs, std::stoll(name, nullptr, 16));
    return LoadLevelOffset(rom, defs, std::stoll(name.substr(0, comma), nullptr, 16),
                           std::stoll(name.substr(comma + 1), nullptr, 16));
} catch (const std::exception&) {
    return {};  // not a number: nothing loaded
}

int Fail(const std::string& why) {
    std::fprintf(stderr, "monkeycheck: %s\n", why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return Fail("usage: tarnloft_monkeycheck <original> <edited> <definition-folder> <level>...");
    DefinitionLoad defs = LoadDefinitionFiles(argv[3]);
    if (!defs.Ok) return Fail(defs.Error);
    RomImage original, edited;
    if (auto error = original.Open(argv[1])) return Fail(*error);
    if (auto error = edited.Open(argv[2])) return Fail(*error);

    std::vector<ByteRange> extents;
    for (int i = 4; i < argc; ++i) {
        LoadResult before = LoadNamed(original, defs.Defs, argv[i]);
        if (!before.Ok) return Fail(std::string("level ") + argv[i] + " does not load from the original");
        LoadResult after = LoadNamed(edited, defs.Defs, argv[i]);
        if (!after.Ok) return Fail(std::string("level ") + argv[i] + " no longer loads after the run");
        for (const ByteRange& range : SaveExtents(before.Level)) extents.push_back(range);
    }
    const std::vector<int64_t> outside = ChangesOutside(ImageBytes(original), ImageBytes(edited), extents);
    if (!outside.empty())
        return Fail(std::to_string(outside.size()) +
                    " bytes changed outside the saved levels, the first at file offset 0x" +
                    Hex(static_cast<uint64_t>(outside.front() - 1)));
    std::printf("monkeycheck: the image changed only inside the %d saved level(s)\n", argc - 4);
    return 0;
}
