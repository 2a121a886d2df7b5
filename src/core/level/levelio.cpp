#include "level/levelio.h"

#include <algorithm>
#include <array>
#include <limits>

#include "level/objectstream.h"
#include "level/spritestream.h"
#include "rom/romimage.h"
#include "rom/romreader.h"
#include "rom/translate.h"
#include "util/hex.h"

namespace tarnloft {

namespace {

const char* const NotLoadedTitle = "Tarnloft - Level not loaded";
const char* const NotSavedTitle = "Tarnloft - Level not saved";
const char* const BudgetTitle = "Tarnloft - It doesn't have pointer recalculation";

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
    result.Ok = true;
    return result;
}

LoadResult LoadLevelOffset(const RomImage& rom, const Catalogues& defs, int64_t levelOffset,
                           int64_t spriteOffset) {
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
    result.Messages.push_back({"Tarnloft - Substandard loading feature", "Level and sprites loaded."});
    result.Ok = true;
    return result;
}

SaveResult SaveLevel(RomImage& rom, const Catalogues& defs, const LevelModel& level) {
    SaveResult result;
    // The counters are what the user sees; the measured sizes are what the
    // encoder will write. Either one over budget refuses the save.
    const int64_t objectUsed = std::max(level.ObjectBytesUsed, MeasureObjectBytes(defs, level));
    const int64_t spriteUsed = std::max(level.SpriteBytesUsed, MeasureSpriteBytes(level));
    if (objectUsed > level.ObjectBytesRoom) {
        result.Report = {BudgetTitle,
                         "You're using more bytes of data than there's room for!  Delete some objects!"};
        return result;
    }
    if (spriteUsed > level.SpriteBytesRoom) {
        result.Report = {
            BudgetTitle,
            "You're using more bytes of data for sprites than there's room for!  Delete some sprites!"};
        return result;
    }
    std::optional<std::string> problem = FindUnstorableObject(defs, level);
    if (!problem) problem = FindUnstorableSprite(level);
    if (problem) {
        result.Report = {NotSavedTitle, *problem + " Nothing was written."};
        return result;
    }

    const std::vector<uint8_t> objectBytes = EncodeObjectStream(defs, level);
    const std::vector<uint8_t> spriteBytes = EncodeSpriteStream(level);
    const int64_t objectSize = static_cast<int64_t>(objectBytes.size());
    const int64_t spriteSize = static_cast<int64_t>(spriteBytes.size());
    if (objectSize != HeaderSize + level.ObjectBytesRoom + 2 || spriteSize != level.SpriteBytesRoom + 2) {
        result.Report = {NotSavedTitle,
                         "The level's data does not match the room it was loaded from. "
                         "Nothing was written."};
        return result;
    }
    if (!rom.Contains(level.ObjectDataPos, objectSize) || !rom.Contains(level.SpriteDataPos, spriteSize)) {
        result.Report = {NotSavedTitle,
                         "The level's data no longer lies inside the ROM image (was the file "
                         "shortened?). Nothing was written."};
        return result;
    }
    // The two extents normally lie apart. Where they share bytes, both
    // streams must agree on them, or one write would spoil the other.
    const int64_t overlapFrom = std::max(level.ObjectDataPos, level.SpriteDataPos);
    const int64_t overlapTo = std::min(level.ObjectDataPos + objectSize, level.SpriteDataPos + spriteSize);
    for (int64_t p = overlapFrom; p < overlapTo; ++p) {
        if (objectBytes[static_cast<size_t>(p - level.ObjectDataPos)] !=
            spriteBytes[static_cast<size_t>(p - level.SpriteDataPos)]) {
            result.Report = {NotSavedTitle,
                             "The object data and the sprite data of this level share bytes of the "
                             "ROM image, and the changes would overwrite each other. Nothing was "
                             "written."};
            return result;
        }
    }

    if (auto error = rom.Write(level.ObjectDataPos, objectBytes.data(), objectBytes.size())) {
        result.Report = {NotSavedTitle, "The level was not saved. " + *error};
        return result;
    }
    if (auto error = rom.Write(level.SpriteDataPos, spriteBytes.data(), spriteBytes.size())) {
        result.Report = {
            NotSavedTitle,
            "The objects were saved, but the sprites were not, so the level is only partly saved. " + *error};
        return result;
    }
    result.Ok = true;
    result.Report = {"Tarnloft", "Level saved succesfully."};
    return result;
}

}  // namespace tarnloft
