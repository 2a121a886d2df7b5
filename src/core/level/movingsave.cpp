#include "level/movingsave.h"

#include <algorithm>
#include <cstdint>

#include "level/freeplaces.h"
#include "level/imagemap.h"
#include "level/levelio.h"
#include "level/objectstream.h"
#include "level/spritestream.h"
#include "rom/romimage.h"
#include "util/hex.h"

namespace tarnloft {

namespace {

const char* const FaultTitle = "Tarnloft - This is bad";

Message NotSaved(const std::string& text) { return {LevelNotSavedTitle, text}; }

std::string StreamName(bool sprites) { return sprites ? "the sprites" : "the objects and screen exits"; }

std::string OffsetText(int64_t offset) { return "0x" + Hex(static_cast<uint64_t>(offset)); }

std::string AddressText(int64_t offset) {
    const std::array<uint8_t, 3> pointer = LoRomPointer(offset);
    return HexPadded(pointer[2], 2) + ":" + HexPadded(pointer[1] * 256u + pointer[0], 4);
}

// Reads every level of `map` as it is now, and what they all take.
std::vector<LevelReading> ReadListed(const RomImage& rom, const Catalogues& defs, const ImageMap& map,
                                     std::vector<Extent>& taken) {
    std::vector<LevelReading> listed;
    std::vector<LoadResult> loads;
    for (const ListedLevel& entry : map.Levels) loads.push_back(LoadLevelIndex(rom, defs, entry.Index, map));
    std::vector<const LevelModel*> loaded;
    for (size_t i = 0; i < loads.size(); ++i) {
        const bool ok = loads[i].Ok && !loads[i].EndProgram;
        loaded.push_back(ok ? &loads[i].Level : nullptr);
        LevelReading reading = ok ? ReadingOf(defs, loads[i].Level) : LevelReading{};
        reading.Index = map.Levels[i].Index;
        listed.push_back(std::move(reading));
    }
    const std::vector<Extent> more = TakenExtents(map, loaded);
    taken.insert(taken.end(), more.begin(), more.end());
    return listed;
}

// The lowest place that holds the stream and its tag; takes it out of `places`.
std::optional<TaggedBlock> TakePlace(std::vector<Extent>& places, int64_t needed) {
    for (Extent& place : places) {
        if (place.Size() < AllocationTagSize + needed) continue;
        const int64_t size =
            std::min({place.Size() - AllocationTagSize, needed + MoveHeadroom(needed), LargestTaggedBlock});
        const TaggedBlock block{place.Offset, size};
        place.Offset = block.End();
        return block;
    }
    return std::nullopt;
}

Message NoPlaceMessage(const Catalogues& defs, bool sprites, int64_t needed,
                       const std::vector<Extent>& places) {
    int64_t largest = 0;
    for (const Extent& place : places) largest = std::max(largest, place.Size());
    std::string text = "There is no free place big enough for " + StreamName(sprites) + ": they need " +
                       std::to_string(needed + AllocationTagSize) +
                       " bytes with their tag, and the largest free "
                       "place is " +
                       std::to_string(largest) + " bytes.";
    if (defs.FreeSpace.empty()) text += " FreeSpace.dat declares no free space.";
    return NotSaved(text + " Nothing was written.");
}

std::string QuestionText(const std::vector<StreamMove>& moves) {
    std::string text = "This level has outgrown the room it was loaded from. Move it to free space?";
    text += Crlf;
    for (const StreamMove& move : moves) {
        std::string name = StreamName(move.Sprites);
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
        text += Crlf + name + ": " + std::to_string(move.Needed) + " bytes (a block of " +
                std::to_string(move.Block.Size) + ") to file offset " + OffsetText(move.Block.DataOffset()) +
                ", SNES address " + AddressText(move.Block.DataOffset());
    }
    return text + Crlf + Crlf + "The level table will point at the new place.";
}

// The level with the moved streams in their new homes.
void Rehome(LevelModel& level, const StreamMove& move) {
    const int64_t position = move.Block.DataOffset() + 1;
    if (move.Sprites) {
        level.SpriteDataPos = position;
        level.SpriteBytesRoom = move.Block.Size - 2;
        level.SpritesSharedWith.clear();
    } else {
        level.ObjectDataPos = position;
        level.ObjectBytesRoom = move.Block.Size - HeaderSize - 2;
        level.ObjectsSharedWith.clear();
    }
}

}  // namespace

int64_t MoveHeadroom(int64_t needed) { return std::max<int64_t>(32, needed / 4); }

LevelReading ReadingOf(const Catalogues& defs, const LevelModel& level) {
    LevelModel records = level;
    records.ObjectBytesRoom = MeasureObjectBytes(defs, level);
    records.SpriteBytesRoom = MeasureSpriteBytes(level);
    LevelReading reading;
    reading.Loads = true;
    reading.ObjectDataPos = level.ObjectDataPos;
    reading.SpriteDataPos = level.SpriteDataPos;
    reading.Objects = EncodeObjectStream(defs, records);
    reading.Sprites = EncodeSpriteStream(records);
    return reading;
}

MovePlan PlanMovingSave(const RomImage& rom, const Catalogues& defs, const LevelModel& level,
                        std::optional<int64_t> tableIndex) {
    MovePlan plan;
    const StreamNeeds needs = MeasureNeeds(defs, level);
    plan.InPlace = needs.ObjectsFit && needs.SpritesFit;
    if (plan.InPlace) return plan;
    if (!tableIndex || *tableIndex < 0 || *tableIndex > INT32_MAX) {
        plan.Refusal = NotSaved(
            "This level was loaded by offset, so it has no row in the level table that could point at a new "
            "place. Load it by index to move it. Nothing was written.");
        return plan;
    }
    if ((plan.Refusal = RecordRefusal(defs, level))) return plan;
    plan.TableIndex = *tableIndex;

    ImageMap map = ReadImageMap(rom, defs);
    // A level loaded by an index LevelList.dat does not list is read and checked too.
    if (std::none_of(map.Levels.begin(), map.Levels.end(),
                     [&](const ListedLevel& l) { return l.Index == *tableIndex; }))
        map.Levels.push_back(ReadImageMap(rom, {static_cast<int>(*tableIndex)}).Levels.front());
    std::vector<Extent> taken = LevelExtents(level);
    plan.Listed = ReadListed(rom, defs, map, taken);
    std::vector<Extent> places = FindFreePlaces(rom, defs.FreeSpace, taken);
    plan.Target = level;
    for (const bool sprites : {false, true}) {
        if (sprites ? needs.SpritesFit : needs.ObjectsFit) continue;
        StreamMove move;
        move.Sprites = sprites;
        move.Needed = sprites ? needs.SpriteBytes + 2 : HeaderSize + needs.ObjectBytes + 2;
        move.OldOffset = (sprites ? level.SpriteDataPos : level.ObjectDataPos) - 1;
        const std::optional<TaggedBlock> block = TakePlace(places, move.Needed);
        if (!block) {
            plan.Refusal = NoPlaceMessage(defs, sprites, move.Needed, places);
            return plan;
        }
        move.Block = *block;
        Rehome(plan.Target, move);
        plan.Moves.push_back(move);
    }
    if ((plan.Refusal = PlanSave(rom, defs, plan.Target).Refusal)) return plan;
    plan.Question = QuestionText(plan.Moves);
    return plan;
}

}  // namespace tarnloft

namespace tarnloft {

namespace {

// Each new place must still hold only fill bytes and lie outside every
// tagged block: checked at the moment of writing, not remembered.
bool PlacesStillFree(const RomImage& rom, const ImageMap& map, const MovePlan& plan) {
    for (const StreamMove& move : plan.Moves) {
        const Extent place{move.Block.TagOffset, move.Block.End()};
        if (!HoldsOnlyFill(rom, place)) return false;
        for (const TaggedBlock& block : map.Blocks)
            if (block.TagOffset < place.End && place.Offset < block.End()) return false;
    }
    return true;
}

std::optional<std::string> WriteBlock(RomImage& rom, const StreamMove& move, const SavePlan& bytes) {
    const std::vector<uint8_t>& stream = move.Sprites ? bytes.SpriteBytes : bytes.ObjectBytes;
    const auto tag = MakeAllocationTag(move.Block.Size);
    std::vector<uint8_t> block(tag.begin(), tag.end());
    block.insert(block.end(), stream.begin(), stream.end());
    return rom.Write(move.Block.TagOffset + 1, block.data(), block.size());
}

// The level's row of the level table with the moved streams' new pointers.
std::array<uint8_t, LevelTableRowSize> NewRow(const std::array<uint8_t, LevelTableRowSize>& old,
                                              const MovePlan& plan) {
    std::array<uint8_t, LevelTableRowSize> row = old;
    for (const StreamMove& move : plan.Moves) {
        const auto pointer = LoRomPointer(move.Block.DataOffset());
        std::copy(pointer.begin(), pointer.end(), row.begin() + (move.Sprites ? 3 : 0));
    }
    return row;
}

// Points the level's row at the new home. A failed write is read back to
// tell the truth: the row may hold the new pointers after all, or a mixture,
// which is put back to the old pointers so that none leads into the middle
// of anything.
MoveResult RepointRow(RomImage& rom, const MovePlan& plan) {
    const int64_t position = *LevelTableRow(static_cast<uint64_t>(plan.TableIndex));
    std::array<uint8_t, LevelTableRowSize> old{}, now{};
    if (!rom.Read(position, old.data(), old.size()))
        return {
            {false, NotSaved("The level table cannot be read. The level still reads from its old place.")}};
    const auto row = NewRow(old, plan);
    const std::optional<std::string> error = rom.Write(position, row.data(), row.size());
    if (!error) return {{true, {}}, true};
    const std::string intro = "The level's data was written to its new place, but the level table ";
    if (rom.Read(position, now.data(), now.size()) && now == row)
        return {{false, NotSaved(intro + "row was not confirmed on the disk. It points at the new place. " +
                                 *error)},
                true};
    if (now != old && rom.Write(position, old.data(), old.size()))
        return {{false,
                 {"Tarnloft - This is bad", intro +
                                                "row could not be written, and putting the old "
                                                "pointers back failed too: the level does not read. " +
                                                *error}}};
    return {
        {false, NotSaved(intro + "could not be pointed at it, so the level still reads from its old place. " +
                         *error)}};
}

// Releases each tagged block a moved stream lived in that no listed level
// points into any more: the tag is cleared and the block filled with 0x00.
std::optional<std::string> ReleaseOldBlocks(RomImage& rom, const Catalogues& defs, const ImageMap& before,
                                            const MovePlan& plan) {
    const ImageMap after = ReadImageMap(rom, defs);
    for (const StreamMove& move : plan.Moves) {
        for (const TaggedBlock& block : before.Blocks) {
            if (move.OldOffset < block.DataOffset() || move.OldOffset >= block.End()) continue;
            const bool pointedInto =
                std::any_of(after.Levels.begin(), after.Levels.end(), [&](const ListedLevel& l) {
                    return (l.HeaderOffset >= block.TagOffset && l.HeaderOffset < block.End()) ||
                           (l.SpriteOffset >= block.TagOffset && l.SpriteOffset < block.End());
                });
            if (pointedInto) continue;
            const std::vector<uint8_t> zeros(static_cast<size_t>(block.End() - block.TagOffset), 0x00);
            if (auto error = rom.Write(block.TagOffset + 1, zeros.data(), zeros.size())) return error;
        }
    }
    return std::nullopt;
}

// The streams that did not move, written where they are.
std::optional<std::string> WriteStreamsInPlace(RomImage& rom, const MovePlan& plan, const SavePlan& bytes) {
    for (const bool sprites : {false, true}) {
        const bool moved = std::any_of(plan.Moves.begin(), plan.Moves.end(),
                                       [&](const StreamMove& m) { return m.Sprites == sprites; });
        if (moved) continue;
        const std::vector<uint8_t>& stream = sprites ? bytes.SpriteBytes : bytes.ObjectBytes;
        const int64_t position = sprites ? plan.Target.SpriteDataPos : plan.Target.ObjectDataPos;
        if (auto error = rom.Write(position, stream.data(), stream.size())) return error;
    }
    return std::nullopt;
}

bool SameReading(const LevelReading& a, const LevelReading& b) {
    return a.Loads == b.Loads && a.ObjectDataPos == b.ObjectDataPos && a.SpriteDataPos == b.SpriteDataPos &&
           a.Objects == b.Objects && a.Sprites == b.Sprites;
}

// Every listed level read again: the moved one as it was saved, every other
// one as it was before. Returns the first that differs.
std::optional<int> FindChangedLevel(const RomImage& rom, const Catalogues& defs, const MovePlan& plan) {
    const ImageMap map = ReadImageMap(rom, defs);
    const LevelReading saved = ReadingOf(defs, plan.Target);
    for (const LevelReading& before : plan.Listed) {
        const LoadResult now = LoadLevelIndex(rom, defs, before.Index, map);
        LevelReading reading;
        if (now.Ok && !now.EndProgram) reading = ReadingOf(defs, now.Level);
        reading.Index = before.Index;
        if (!SameReading(reading, before.Index == plan.TableIndex ? saved : before)) return before.Index;
    }
    return std::nullopt;
}

}  // namespace

MoveResult WriteMovingSave(RomImage& rom, const Catalogues& defs, const MovePlan& plan) {
    const ImageMap before = ReadImageMap(rom, defs);
    if (!PlacesStillFree(rom, before, plan))
        return {
            {false, NotSaved("The free place chosen for the level is no longer free. Nothing was written.")}};
    const SavePlan bytes = PlanSave(rom, defs, plan.Target);
    if (bytes.Refusal) return {{false, *bytes.Refusal}};

    for (const StreamMove& move : plan.Moves)
        if (auto error = WriteBlock(rom, move, bytes))
            return {{false, NotSaved("The level was not saved. " + *error +
                                     " No pointer was changed, so every level reads as before.")}};
    if (auto error = WriteStreamsInPlace(rom, plan, bytes))
        return {{false, NotSaved("The level was not saved. " + *error +
                                 " No pointer was changed; the level still reads from its old place.")}};
    MoveResult result = RepointRow(rom, plan);
    if (!result.Moved) return result;
    if (result.Save.Ok) result.Save.Report = {"Tarnloft", "Level saved succesfully."};

    if (auto error = ReleaseOldBlocks(rom, defs, before, plan))
        result.Save = {false, NotSaved("The level was saved in its new place, but its old block could not be "
                                       "released (it stays taken). " +
                                       *error)};
    if (const std::optional<int> changed = FindChangedLevel(rom, defs, plan))
        result.Save = {false,
                       {FaultTitle, "The level was saved in its new place, but level " +
                                        Hex(static_cast<uint64_t>(*changed)) +
                                        " does not read as it should afterwards. Check the image with "
                                        "tarnloft-defs check before going on."}};
    return result;
}

}  // namespace tarnloft
