#include "level/levelio.h"

#include <algorithm>
#include <array>
#include <limits>

#include "level/imagemap.h"
#include "level/objectstream.h"
#include "level/spritestream.h"
#include "rom/romimage.h"
#include "rom/romreader.h"
#include "rom/translate.h"
#include "util/hex.h"

namespace tarnloft {

namespace {

const char* const NotLoadedTitle = "Tarnloft - Level not loaded";

std::string OffsetText(int64_t position) { return "0x" + Hex(static_cast<uint64_t>(position - 1)); }

// Prefixes the failure texts of a load with the name of what was loaded.
void NameFailures(LoadResult& result, size_t from, const std::string& what) {
    if (result.EndProgram) return;  // that message stands as it is
    for (size_t i = from; i < result.Messages.size(); ++i)
        result.Messages[i].Text = what + ": " + result.Messages[i].Text;
}

bool ReadPointer(const RomImage& rom, int64_t position, std::array<uint8_t, 3>& pointer) {
    return rom.Read(position, pointer.data(), pointer.size());
}

// Header and object stream at the 1-based header position.
bool LoadObjectPart(const RomImage& rom, RomReader& reader, const Catalogues& defs, int64_t headerPos,
                    LoadResult& result) {
    if (!rom.Read(headerPos, result.Level.HeaderBytes.data(), result.Level.HeaderBytes.size())) {
        result.Messages.push_back({NotLoadedTitle, "The level header at file offset " +
                                                       OffsetText(headerPos) +
                                                       " lies outside the ROM image. Nothing was loaded."});
        return false;
    }
    StreamDecode objects = DecodeObjectStream(reader, defs, headerPos + HeaderSize, result.Level);
    result.EndProgram = objects.EndProgram;
    result.Messages.insert(result.Messages.end(), objects.Messages.begin(), objects.Messages.end());
    return objects.Ok;
}

bool LoadSpritePart(RomReader& reader, int64_t spritePos, LoadResult& result) {
    StreamDecode sprites = DecodeSpriteStream(reader, spritePos, result.Level);
    result.Messages.insert(result.Messages.end(), sprites.Messages.begin(), sprites.Messages.end());
    return sprites.Ok;
}

// The zero runs behind the two terminators stop where other listed data
// starts; listed levels (but `self`) that start at the same places share the streams.
void PlaceInImage(const ImageMap& map, LevelModel& level, int64_t self) {
    for (const ListedLevel& other : map.Levels) {
        if (other.Index == self) continue;
        if (other.HeaderOffset == level.ObjectDataPos - 1) level.ObjectsSharedWith.push_back(other.Index);
        if (other.SpriteOffset == level.SpriteDataPos - 1) level.SpritesSharedWith.push_back(other.Index);
    }
    const int64_t objectStart = level.ObjectDataPos - 1;
    const int64_t objectRun = objectStart + HeaderSize + level.ObjectBytesUsed + 2;
    level.ObjectBytesRoom = level.ObjectBytesUsed + UsableRun(map, objectStart, objectRun,
                                                              level.ObjectBytesRoom - level.ObjectBytesUsed);
    const int64_t spriteStart = level.SpriteDataPos - 1;
    const int64_t spriteRun = spriteStart + level.SpriteBytesUsed + 2;
    level.SpriteBytesRoom = level.SpriteBytesUsed + UsableRun(map, spriteStart, spriteRun,
                                                              level.SpriteBytesRoom - level.SpriteBytesUsed);
}

LoadResult Failed(LoadResult result) {
    result.Ok = false;
    result.Level = LevelModel{};
    return result;
}

}  // namespace

std::optional<int64_t> LevelTableRow(uint64_t index) {
    const uint64_t maxIndex =
        static_cast<uint64_t>(std::numeric_limits<int64_t>::max() - LevelTablePosition) / LevelTableRowSize -
        1;
    if (index > maxIndex) return std::nullopt;
    return LevelTablePosition + LevelTableRowSize * static_cast<int64_t>(index);
}

LoadResult LoadLevelIndex(const RomImage& rom, const Catalogues& defs, int64_t index) {
    return LoadLevelIndex(rom, defs, index, ReadImageMap(rom, defs));
}

LoadResult LoadLevelIndex(const RomImage& rom, const Catalogues& defs, int64_t index, const ImageMap& map) {
    LoadResult result;
    const std::string what = "Level " + Hex32(static_cast<int32_t>(index));
    const size_t firstMessage = 0;
    RomReader reader(rom);

    const int64_t entryPos = index >= 0 ? LevelTableRow(static_cast<uint64_t>(index)).value_or(0) : 0;
    std::array<uint8_t, 3> objectPointer{};
    if (entryPos == 0 || !ReadPointer(rom, entryPos, objectPointer)) {
        result.Messages.push_back({NotLoadedTitle,
                                   "The level table entry of this level lies outside the ROM "
                                   "image. Nothing was loaded."});
        NameFailures(result, firstMessage, what);
        return Failed(std::move(result));
    }
    Translation objectAt = TranslateAddress(objectPointer);
    result.Messages.insert(result.Messages.end(), objectAt.Warnings.begin(), objectAt.Warnings.end());
    size_t errorsFrom = result.Messages.size();
    if (!LoadObjectPart(rom, reader, defs, objectAt.Offset + 1, result)) {
        NameFailures(result, errorsFrom, what);
        return Failed(std::move(result));
    }

    std::array<uint8_t, 3> spritePointer{};
    if (!ReadPointer(rom, entryPos + 3, spritePointer)) {
        result.Messages.push_back({NotLoadedTitle,
                                   "The level table entry of this level lies outside the ROM "
                                   "image. Nothing was loaded."});
        NameFailures(result, result.Messages.size() - 1, what);
        return Failed(std::move(result));
    }
    Translation spriteAt = TranslateAddress(spritePointer);
    result.Messages.insert(result.Messages.end(), spriteAt.Warnings.begin(), spriteAt.Warnings.end());
    errorsFrom = result.Messages.size();
    if (!LoadSpritePart(reader, spriteAt.Offset + 1, result)) {
        NameFailures(result, errorsFrom, what);
        return Failed(std::move(result));
    }
    PlaceInImage(map, result.Level, index);
    result.Ok = true;
    return result;
}

LoadResult LoadLevelOffset(const RomImage& rom, const Catalogues& defs, int64_t levelOffset,
                           int64_t spriteOffset) {
    return LoadLevelOffset(rom, defs, levelOffset, spriteOffset, ReadImageMap(rom, defs));
}

LoadResult LoadLevelOffset(const RomImage& rom, const Catalogues& defs, int64_t levelOffset,
                           int64_t spriteOffset, const ImageMap& map) {
    LoadResult result;
    RomReader reader(rom);
    const std::string what = "Level data at 0x" + Hex(static_cast<uint64_t>(levelOffset)) + ", 0x" +
                             Hex(static_cast<uint64_t>(spriteOffset));
    const int64_t limit = std::numeric_limits<int64_t>::max() - 16;
    if (levelOffset < 0 || spriteOffset < 0 || levelOffset > limit || spriteOffset > limit) {
        result.Messages.push_back({NotLoadedTitle, "Offsets must not be negative. Nothing was loaded."});
        NameFailures(result, 0, what);
        return Failed(std::move(result));
    }
    if (!LoadObjectPart(rom, reader, defs, levelOffset + 1, result) ||
        !LoadSpritePart(reader, spriteOffset + 1, result)) {
        NameFailures(result, 0, what);
        return Failed(std::move(result));
    }
    PlaceInImage(map, result.Level, -1);
    result.Messages.push_back({"Tarnloft - Substandard loading feature", "Level and sprites loaded."});
    result.Ok = true;
    return result;
}

}  // namespace tarnloft
