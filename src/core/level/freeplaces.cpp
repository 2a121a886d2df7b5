#include "level/freeplaces.h"

#include <algorithm>

#include "level/levelio.h"
#include "rom/romimage.h"

namespace tarnloft {

namespace {

bool IsFill(uint8_t byte) { return byte == 0x00 || byte == 0xFF; }

// Splits [from, to) into runs of one fill byte and appends them.
void AppendFillRuns(const RomImage& rom, int64_t from, int64_t to, std::vector<Extent>& places) {
    std::vector<uint8_t> bytes(static_cast<size_t>(to - from));
    const auto got = static_cast<int64_t>(rom.ReadSome(from + 1, bytes.data(), bytes.size()));
    int64_t runStart = -1;
    for (int64_t i = 0; i <= got; ++i) {
        const bool continues =
            i < got && IsFill(bytes[static_cast<size_t>(i)]) &&
            (runStart < 0 || bytes[static_cast<size_t>(i)] == bytes[static_cast<size_t>(runStart)]);
        if (continues) {
            if (runStart < 0) runStart = i;
            continue;
        }
        if (runStart >= 0) places.push_back({from + runStart, from + i});
        runStart = i < got && IsFill(bytes[static_cast<size_t>(i)]) ? i : -1;
    }
}

// The parts of [from, to) that no taken extent touches; `taken` is sorted.
std::vector<Extent> Untaken(int64_t from, int64_t to, const std::vector<Extent>& taken) {
    std::vector<Extent> pieces;
    for (const Extent& t : taken) {
        if (t.End <= from) continue;
        if (t.Offset >= to) break;
        if (t.Offset > from) pieces.push_back({from, t.Offset});
        from = std::max(from, t.End);
    }
    if (from < to) pieces.push_back({from, to});
    return pieces;
}

}  // namespace

std::vector<Extent> LevelExtents(const LevelModel& level) {
    return {{level.ObjectDataPos - 1, level.ObjectDataPos - 1 + HeaderSize + level.ObjectBytesRoom + 2},
            {level.SpriteDataPos - 1, level.SpriteDataPos - 1 + level.SpriteBytesRoom + 2}};
}

std::vector<Extent> TakenExtents(const ImageMap& map, const std::vector<const LevelModel*>& loaded) {
    std::vector<Extent> taken;
    for (size_t i = 0; i < map.Levels.size(); ++i) {
        const ListedLevel& entry = map.Levels[i];
        if (entry.RowOffset >= 0) taken.push_back({entry.RowOffset, entry.RowOffset + LevelTableRowSize});
        if (i < loaded.size() && loaded[i]) {
            for (const Extent& extent : LevelExtents(*loaded[i])) taken.push_back(extent);
            continue;
        }
        for (int64_t start : {entry.HeaderOffset, entry.SpriteOffset}) {
            if (start < 0) continue;
            const auto next = std::upper_bound(map.Starts.begin(), map.Starts.end(), start);
            taken.push_back({start, next == map.Starts.end() ? PointableEnd : *next});
        }
    }
    for (const TaggedBlock& block : map.Blocks) taken.push_back({block.TagOffset, block.End()});
    return taken;
}

std::vector<Extent> FindFreePlaces(const RomImage& rom, const std::vector<FreeRange>& declared,
                                   std::vector<Extent> taken) {
    std::sort(taken.begin(), taken.end(),
              [](const Extent& a, const Extent& b) { return a.Offset < b.Offset; });
    const int64_t end = std::min(rom.Size(), PointableEnd);
    std::vector<Extent> places;
    for (const FreeRange& range : declared) {
        const int64_t from = std::max(range.First, FirstPointableOffset);
        const int64_t to = std::min(range.Last + 1, end);
        for (int64_t bank = from; bank < to;) {
            const int64_t bankEnd =
                std::min(to, ((bank - CopierHeaderSize) / BankSize + 1) * BankSize + CopierHeaderSize);
            for (const Extent& piece : Untaken(bank, bankEnd, taken))
                AppendFillRuns(rom, piece.Offset, piece.End, places);
            bank = bankEnd;
        }
    }
    std::sort(places.begin(), places.end(),
              [](const Extent& a, const Extent& b) { return a.Offset < b.Offset; });
    // Ranges declared twice give the same places twice.
    places.erase(std::unique(places.begin(), places.end()), places.end());
    return places;
}

bool HoldsOnlyFill(const RomImage& rom, const Extent& place) {
    if (place.Size() <= 0) return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(place.Size()));
    if (!rom.Read(place.Offset + 1, bytes.data(), bytes.size())) return false;
    return IsFill(bytes.front()) &&
           std::all_of(bytes.begin(), bytes.end(), [&](uint8_t b) { return b == bytes.front(); });
}

std::array<uint8_t, 3> LoRomPointer(int64_t offset) {
    const int64_t rom = offset - CopierHeaderSize;
    const auto address = static_cast<uint16_t>(0x8000 | (rom % BankSize));
    return {static_cast<uint8_t>(address & 0xFF), static_cast<uint8_t>(address >> 8),
            static_cast<uint8_t>(rom / BankSize)};
}

}  // namespace tarnloft
