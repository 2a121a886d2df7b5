// Feeds arbitrary text to the record splitter, the definition-file loader,
// the level lists and the catalogue list.
//
// Input: the contents of O5Data.dat, O4Data.dat, O4SData.dat,
// SpriteData.dat, LevelList.dat, EntranceTypes.dat and LevelOffsets.dat in
// this order, separated by NUL bytes. Files the input does not reach are
// missing from the folder.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "catalogue/cataloguelist.h"
#include "catalogue/definitionfiles.h"
#include "support/testimage.h"

using namespace tarnloft;

namespace {

const char* const FileNames[] = {"O5Data.dat",    "O4Data.dat",        "O4SData.dat",     "SpriteData.dat",
                                 "LevelList.dat", "EntranceTypes.dat", "LevelOffsets.dat"};

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const testimage::ScratchFolder folder;
    const std::string input(reinterpret_cast<const char*>(data), size);

    size_t lineStart = 0;
    while (lineStart <= input.size()) {
        size_t lineEnd = input.find('\n', lineStart);
        if (lineEnd == std::string::npos) lineEnd = input.size();
        SplitRecord(input.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
    }

    size_t start = 0;
    for (const char* name : FileNames) {
        const std::string path = folder.File(name);
        if (start > input.size()) {
            unlink(path.c_str());
            continue;
        }
        size_t end = input.find('\0', start);
        if (end == std::string::npos) end = input.size();
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return 0;
        std::fwrite(input.data() + start, 1, end - start, f);
        std::fclose(f);
        start = end + 1;
    }

    DefinitionLoad load = LoadDefinitionFiles(folder.Path());
    if (load.Ok) {
        Check(load.Defs.ObjectDefs[0].ByteCount == ByteClass::Special, "object 0 is not the special object");
        Check(load.Defs.ObjectDefs[0xFF].ByteCount == ByteClass::EndOfList,
              "object FF does not end the list");
    } else {
        Check(!load.Error.empty(), "a failed load without a reason");
    }
    CatalogueListOptions options;
    options.Filter = input.substr(0, std::min<size_t>(input.find('\n'), 8));
    options.Listable = {(size & 1) != 0, (size & 2) != 0, (size & 4) == 0};
    Check(RemakeObjectList(load.Defs, options).size() <= 1024, "catalogue list too long");

    LevelOffsetsLoad offsets = LoadLevelOffsets(folder.Path());
    Check(offsets.Entries.size() <= 256, "more than 256 level offsets");
    LoadLevelList(folder.Path());
    return 0;
}
