#include "support/saveoracle.h"

#include <algorithm>
#include <cstring>

#include "level/imagemap.h"
#include "level/objectstream.h"
#include "level/spritestream.h"

namespace tarnloft {

namespace {

const char* const SavedText = "Level saved succesfully.";

// The objects or the sprites in index order. Objects whose number has no
// record in the stream (the end marker, numbers no definition file defines)
// are left out by the encoder by design, so they are not expected back.
std::vector<LevelObject> EntriesOf(const Catalogues& defs, const LevelModel& level, bool sprites) {
    std::vector<LevelObject> entries;
    for (const LevelObject& entry : level.LevelObjects) {
        if (entry.IsSprite != sprites) continue;
        if (sprites || ObjectRecordSize(defs, entry.Number) > 0) entries.push_back(entry);
    }
    return entries;
}

std::string Describe(const LevelObject& entry) {
    return std::string(entry.IsSprite ? "sprite " : "object ") + std::to_string(entry.SpriteNumber()) +
           " at (" + std::to_string(entry.X) + "," + std::to_string(entry.Y) + ") " +
           std::to_string(entry.Width) + "x" + std::to_string(entry.Height);
}

// An entry as the stream stores it: the extents only on the axes that have a
// size in its record. The other axes come from the catalogue or a fixed
// value at load time, whatever the model held before.
LevelObject StoredForm(const Catalogues& defs, LevelObject entry) {
    const ObjectDef& def = defs.ObjectDefs[entry.Number];
    const bool fourByte = !entry.IsSprite && def.ByteCount == ByteClass::FourByte;
    const bool fiveByte = !entry.IsSprite && def.ByteCount == ByteClass::FiveByte;
    const bool widthStored = fiveByte || (fourByte && def.SizeMode != 2);
    const bool heightStored = fiveByte || (fourByte && def.SizeMode != 1);
    if (!widthStored) entry.Width = 0;
    if (!heightStored) entry.Height = 0;
    return entry;
}

// The first entry that differs in its stored form, or nothing.
std::optional<std::string> CompareEntries(const Catalogues& defs, const std::vector<LevelObject>& saved,
                                          const std::vector<LevelObject>& loaded, const char* what) {
    for (size_t i = 0; i < std::max(saved.size(), loaded.size()); ++i) {
        if (i < saved.size() && i < loaded.size() &&
            StoredForm(defs, saved[i]) == StoredForm(defs, loaded[i]))
            continue;
        return std::string(what) + " " + std::to_string(i) + ": saved " +
               (i < saved.size() ? Describe(saved[i]) : "nothing") + ", loaded " +
               (i < loaded.size() ? Describe(loaded[i]) : "nothing");
    }
    return std::nullopt;
}

bool Touch(const ByteRange& a, const ByteRange& b) { return a.From <= b.To && b.From <= a.To; }

// A room is measured up to the first non-zero byte. Where the other stream
// begins right behind (or inside) this one, its new first bytes may be zero
// and lengthen the measured room; otherwise the room must come back as it was.
bool RoomAsStored(int64_t saved, int64_t loaded, bool touching) {
    return touching ? loaded >= saved : loaded == saved;
}

std::optional<std::string> CompareModels(const Catalogues& defs, const LevelModel& saved,
                                         const LevelModel& loaded) {
    if (saved.HeaderBytes != loaded.HeaderBytes) return "the header bytes differ";
    if (auto diff =
            CompareEntries(defs, EntriesOf(defs, saved, false), EntriesOf(defs, loaded, false), "object"))
        return diff;
    if (auto diff =
            CompareEntries(defs, EntriesOf(defs, saved, true), EntriesOf(defs, loaded, true), "sprite"))
        return diff;
    if (saved.ScreenExits != loaded.ScreenExits) return "the screen exits differ";
    if (saved.ObjectDataPos != loaded.ObjectDataPos || saved.SpriteDataPos != loaded.SpriteDataPos)
        return "the level loads from other positions";
    if (loaded.ObjectBytesUsed != MeasureObjectBytes(defs, saved) ||
        loaded.SpriteBytesUsed != MeasureSpriteBytes(saved))
        return "the byte counters differ";
    const auto extents = SaveExtents(saved);
    const bool touching = Touch(extents[0], extents[1]);
    if (!RoomAsStored(saved.ObjectBytesRoom, loaded.ObjectBytesRoom, touching) ||
        !RoomAsStored(saved.SpriteBytesRoom, loaded.SpriteBytesRoom, touching))
        return "the rooms differ: objects " + std::to_string(saved.ObjectBytesRoom) + " -> " +
               std::to_string(loaded.ObjectBytesRoom) + ", sprites " + std::to_string(saved.SpriteBytesRoom) +
               " -> " + std::to_string(loaded.SpriteBytesRoom);
    return std::nullopt;
}

}  // namespace

std::array<ByteRange, 2> SaveExtents(const LevelModel& level) {
    return {ByteRange{level.ObjectDataPos, level.ObjectDataPos + 10 + level.ObjectBytesRoom + 2},
            ByteRange{level.SpriteDataPos, level.SpriteDataPos + level.SpriteBytesRoom + 2}};
}

std::vector<uint8_t> ImageBytes(const RomImage& rom) {
    std::vector<uint8_t> bytes(static_cast<size_t>(std::max<int64_t>(rom.Size(), 0)));
    bytes.resize(rom.ReadSome(1, bytes.data(), bytes.size()));
    return bytes;
}

std::vector<int64_t> ChangesOutside(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after,
                                    const std::vector<ByteRange>& ranges) {
    std::vector<int64_t> changes;
    const size_t common = std::min(before.size(), after.size());
    constexpr size_t Chunk = 4096;  // compared whole first: images are megabytes, changes few
    for (size_t from = 0; from < common; from += Chunk) {
        const size_t to = std::min(common, from + Chunk);
        if (std::memcmp(before.data() + from, after.data() + from, to - from) == 0) continue;
        for (size_t i = from; i < to; ++i) {
            if (before[i] == after[i]) continue;
            const int64_t position = static_cast<int64_t>(i) + 1;
            if (std::none_of(ranges.begin(), ranges.end(),
                             [&](const ByteRange& r) { return r.Contains(position); }))
                changes.push_back(position);
        }
    }
    if (before.size() != after.size()) changes.push_back(static_cast<int64_t>(common) + 1);
    return changes;
}

std::optional<std::string> CheckSave(RomImage& rom, const Catalogues& defs, const LevelModel& saved,
                                     const SaveResult& result, const std::vector<uint8_t>& before) {
    const std::vector<uint8_t> after = ImageBytes(rom);
    if (!result.Ok) {
        if (result.Report.Text.empty() || result.Report.Text == SavedText)
            return "a refused save did not say why: \"" + result.Report.Text + "\"";
        if (after != before) return "a refused save changed the image";
        return std::nullopt;
    }
    if (result.Report.Text != SavedText) return "a save that worked reported \"" + result.Report.Text + "\"";

    const auto extents = SaveExtents(saved);
    const std::vector<int64_t> outside = ChangesOutside(before, after, {extents[0], extents[1]});
    if (!outside.empty())
        return "(a) the save changed file offset " + std::to_string(outside.front() - 1) +
               ", outside the level's extents";

    LoadResult reload = LoadLevelOffset(rom, defs, saved.ObjectDataPos - 1, saved.SpriteDataPos - 1);
    if (!reload.Ok || reload.EndProgram) return std::string("(b) the saved level does not load again");
    if (auto diff = CompareModels(defs, saved, reload.Level)) return "(b) " + *diff;

    SaveResult again = SaveLevel(rom, defs, reload.Level);
    if (!again.Ok) return "(c) the reloaded level cannot be saved: " + again.Report.Text;
    if (ImageBytes(rom) != after) return std::string("(c) saving the reloaded level changed the image");
    return std::nullopt;
}

namespace {

// Content and place; a room may grow where a released block joins its zero run.
bool LoadsAsBefore(const Catalogues& defs, const LevelModel& was, const LevelModel& now) {
    return was.ObjectDataPos == now.ObjectDataPos && was.SpriteDataPos == now.SpriteDataPos &&
           was.HeaderBytes == now.HeaderBytes && was.ScreenExits == now.ScreenExits &&
           !CompareEntries(defs, EntriesOf(defs, was, false), EntriesOf(defs, now, false), "object") &&
           !CompareEntries(defs, EntriesOf(defs, was, true), EntriesOf(defs, now, true), "sprite");
}

// The first listed level but `moved` that does not load as it did.
std::optional<std::string> OtherLevelChanged(const RomImage& rom, const Catalogues& defs, const ImageMap& map,
                                             const ListedLevels& listed, int64_t moved) {
    for (size_t i = 0; i < listed.Indices.size(); ++i) {
        if (listed.Indices[i] == moved) continue;
        const LoadResult now = LoadLevelIndex(rom, defs, listed.Indices[i], map);
        const bool loads = now.Ok && !now.EndProgram;
        const std::optional<LevelModel>& was = listed.Levels[i];
        if (loads != was.has_value() || (was && !LoadsAsBefore(defs, *was, now.Level)))
            return "level " + std::to_string(listed.Indices[i]) + " does not load as before the move";
    }
    return std::nullopt;
}

}  // namespace

ListedLevels ReadListedLevels(const RomImage& rom, const Catalogues& defs) {
    ListedLevels listed;
    const ImageMap map = ReadImageMap(rom, defs);
    for (const ListedLevel& entry : map.Levels) {
        LoadResult load = LoadLevelIndex(rom, defs, entry.Index, map);
        listed.Indices.push_back(entry.Index);
        listed.Levels.push_back(load.Ok && !load.EndProgram ? std::optional<LevelModel>(std::move(load.Level))
                                                            : std::nullopt);
    }
    listed.Blocks = map.Blocks;
    return listed;
}

std::vector<ByteRange> MoveExtents(const LevelModel& saved, const MovePlan& plan,
                                   const ListedLevels& listed) {
    const auto old = SaveExtents(saved);
    std::vector<ByteRange> ranges{old[0], old[1]};
    for (const StreamMove& move : plan.Moves) {
        ranges.push_back({move.Block.TagOffset + 1, move.Block.End() + 1});
        for (const TaggedBlock& block : listed.Blocks)
            if (move.OldOffset >= block.DataOffset() && move.OldOffset < block.End())
                ranges.push_back({block.TagOffset + 1, block.End() + 1});
    }
    const int64_t row = *LevelTableRow(static_cast<uint64_t>(plan.TableIndex));
    ranges.push_back({row, row + LevelTableRowSize});
    return ranges;
}

std::optional<std::string> CheckMovingSave(RomImage& rom, const Catalogues& defs, const LevelModel& saved,
                                           const MovePlan& plan, const std::vector<uint8_t>& before,
                                           const ListedLevels& listed) {
    const std::vector<uint8_t> after = ImageBytes(rom);
    const std::vector<int64_t> outside = ChangesOutside(before, after, MoveExtents(saved, plan, listed));
    if (!outside.empty())
        return "(a) the moving save changed file offset " + std::to_string(outside.front() - 1) +
               ", outside the old extents, the new blocks, the table row and released blocks";

    const ImageMap map = ReadImageMap(rom, defs);
    if (auto changed = OtherLevelChanged(rom, defs, map, listed, plan.TableIndex)) return "(b) " + *changed;

    LoadResult reload = LoadLevelIndex(rom, defs, plan.TableIndex, map);
    if (!reload.Ok || reload.EndProgram) return std::string("(c) the moved level does not load again");
    if (auto diff = CompareModels(defs, plan.Target, reload.Level)) return "(c) " + *diff;
    if (!SaveLevel(rom, defs, reload.Level).Ok || ImageBytes(rom) != after)
        return std::string("(d) saving the moved level again changed the image");
    return std::nullopt;
}

}  // namespace tarnloft
