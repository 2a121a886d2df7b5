// Shared by the stream fuzzers: a fixed catalogue that defines every record
// class (and leaves a few numbers undefined), and the round trip that every
// loaded level must pass: saving it unchanged into a copy of the image must
// leave the copy byte for byte equal to the original.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelio.h"
#include "level/levelsave.h"
#include "rom/romimage.h"
#include "support/testimage.h"

using namespace tarnloft;

inline const Catalogues& FuzzCatalogues() {
    static const Catalogues* defs = [] {
        auto* d = new Catalogues();
        for (int n = 0x01; n <= 0x7F; ++n) d->ObjectDefs[n].ByteCount = ByteClass::FiveByte;
        for (int n = 0x80; n <= 0xF7; ++n) {
            d->ObjectDefs[n].ByteCount = ByteClass::FourByte;
            // 0, 1, 2, and a value outside 0..2 that reads like 0.
            d->ObjectDefs[n].SizeMode = static_cast<uint8_t>(n < 0xC0 ? 0 : n < 0xE0 ? 1 : n < 0xF0 ? 2 : 7);
        }
        // 0xF8..0xFE stay undefined.
        d->ObjectDefs[0x00].ByteCount = ByteClass::Special;
        d->ObjectDefs[0xFF].ByteCount = ByteClass::EndOfList;
        for (int n = 0; n < SpecialCount; ++n) {
            d->SpecialObjectDefs[n].Width = static_cast<uint8_t>(n % 17);
            d->SpecialObjectDefs[n].Height = static_cast<uint8_t>(n / 16);
        }
        return d;
    }();
    return *defs;
}

// Loads the level at the two offsets of `image` and, when it loads, saves it
// unchanged, which must leave the image as it was.
inline void LoadAndSaveBack(const std::vector<uint8_t>& image, int64_t levelOffset, int64_t spriteOffset) {
    static const testimage::ScratchFolder folder;
    const std::string path = folder.File("level.smc");
    RomImage rom;
    if (!testimage::WriteFile(path, image) || rom.Open(path)) return;
    const LoadResult load = LoadLevelOffset(rom, FuzzCatalogues(), levelOffset, spriteOffset);
    if (!load.Ok || load.EndProgram) return;
    if (SaveLevel(rom, FuzzCatalogues(), load.Level).Ok && testimage::ReadFile(path) != image) {
        std::fprintf(stderr, "saving an unchanged level changed the image\n");
        abort();
    }
}

// Reads a little-endian 16-bit number from the front of the input.
inline int64_t TakeOffset(const uint8_t*& data, size_t& size) {
    int64_t value = 0;
    for (int i = 0; i < 2 && size > 0; ++i, ++data, --size) value |= static_cast<int64_t>(*data) << (8 * i);
    return value;
}
