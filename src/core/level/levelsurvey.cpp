#include "level/levelsurvey.h"

#include <algorithm>
#include <memory>

#include "level/imagemap.h"
#include "level/levelcheck.h"
#include "level/levelio.h"
#include "level/selectioninfo.h"
#include "rom/romimage.h"
#include "util/hex.h"

namespace tarnloft {

namespace {

std::string IndexText(int index) { return HexPadded(static_cast<uint64_t>(index), 2); }

// Offsets, use and room of both streams of a level that loaded.
void MeasureStreams(const LevelModel& level, LevelSummary& summary) {
    summary.Objects.Offset = level.ObjectDataPos - 1;
    summary.Objects.Used = level.ObjectBytesUsed;
    summary.Objects.Room = level.ObjectBytesRoom;
    summary.Objects.Length = HeaderSize + level.ObjectBytesRoom + 2;
    summary.Sprites.Offset = level.SpriteDataPos - 1;
    summary.Sprites.Used = level.SpriteBytesUsed;
    summary.Sprites.Room = level.SpriteBytesRoom;
    summary.Sprites.Length = level.SpriteBytesRoom + 2;
}

// Where the table says the streams start, for a level that does not load.
void LocateStreams(const ImageBytes& image, int index, LevelSummary& summary) {
    const LevelSource source = FindLevel(image, index);
    if (source.Fault) return;
    summary.Objects.Offset = source.HeaderOffset;
    if (!source.SpriteFault) summary.Sprites.Offset = source.SpriteOffset;
}

SurveyedLevel SurveyLevel(const RomImage& rom, const ImageBytes& image, const Catalogues& defs, int index,
                          const ImageMap& map) {
    SurveyedLevel result;
    LevelSummary& summary = result.Summary;
    summary.Index = index;
    summary.Name = defs.LevelNames[static_cast<size_t>(index)];
    LoadResult loaded = LoadLevelIndex(rom, defs, index, map);
    if (loaded.Ok && !loaded.EndProgram) {
        summary.Loaded = true;
        MeasureStreams(loaded.Level, summary);
        result.Level = std::move(loaded.Level);
    } else {
        LocateStreams(image, index, summary);
    }
    const LevelVerdict verdict = CheckLevel(image, defs, index);
    if (verdict.Fault)
        summary.Problem = Describe(*verdict.Fault);
    else if (!summary.Loaded && !loaded.Messages.empty())
        summary.Problem = loaded.Messages.back().Text;
    return result;
}

struct Extent {
    StreamUse* Stream;
    int Level;
    bool Objects;
};

void AddOnce(std::vector<int>& list, int index) {
    if (std::find(list.begin(), list.end(), index) == list.end()) list.push_back(index);
}

// Same start and kind: shared. Any other crossing of two loaded extents: overlap.
void MarkSharing(std::vector<SurveyedLevel>& levels) {
    std::vector<Extent> extents;
    for (SurveyedLevel& level : levels) {
        LevelSummary& s = level.Summary;
        if (s.Objects.Offset >= 0) extents.push_back({&s.Objects, s.Index, true});
        if (s.Sprites.Offset >= 0) extents.push_back({&s.Sprites, s.Index, false});
    }
    for (const Extent& a : extents)
        for (const Extent& b : extents) {
            if (a.Level == b.Level) continue;
            const StreamUse& x = *a.Stream;
            const StreamUse& y = *b.Stream;
            if (a.Objects == b.Objects && x.Offset == y.Offset)
                AddOnce(a.Stream->SharedWith, b.Level);
            else if (x.Length > 0 && y.Length > 0 && x.Offset < y.Offset + y.Length &&
                     y.Offset < x.Offset + x.Length)
                AddOnce(a.Stream->OverlapsWith, b.Level);
        }
}

std::string IndexList(const std::vector<int>& indices) {
    std::string text;
    for (int index : indices) text += (text.empty() ? "" : ", ") + IndexText(index);
    return text;
}

}  // namespace

std::vector<SurveyedLevel> SurveyLevels(const ImageBytes& image, const Catalogues& defs,
                                        const std::function<bool()>& cancelled) {
    return SurveyLevels(image, defs, ListedLevels(defs), cancelled);
}

std::vector<SurveyedLevel> SurveyLevels(const ImageBytes& image, const Catalogues& defs,
                                        const std::vector<int>& indices,
                                        const std::function<bool()>& cancelled) {
    // The loader reads through a RomImage; this one borrows `image` for the call.
    RomImage rom;
    rom.OpenCopy(std::shared_ptr<const ImageBytes>(std::shared_ptr<void>(), &image), "");
    const ImageMap map = ReadImageMap(rom, defs);
    std::vector<SurveyedLevel> levels;
    for (int index : indices) {
        if (cancelled && cancelled()) break;
        if (index < 0 || index >= LevelCount) continue;
        levels.push_back(SurveyLevel(rom, image, defs, index, map));
    }
    MarkSharing(levels);
    return levels;
}

std::vector<std::string> SummaryLines(const LevelSummary& level) {
    std::vector<std::string> lines{IndexText(level.Index) + " " + level.Name};
    if (level.Loaded)
        lines.push_back("Objects " + ByteUsageText(level.Objects.Used, level.Objects.Room) + ", sprites " +
                        ByteUsageText(level.Sprites.Used, level.Sprites.Room));
    const std::pair<const char*, const StreamUse*> streams[] = {{"Objects", &level.Objects},
                                                                {"Sprites", &level.Sprites}};
    for (const auto& [kind, stream] : streams) {
        if (!stream->SharedWith.empty())
            lines.push_back(std::string(kind) + " shared with " + IndexList(stream->SharedWith));
        if (!stream->OverlapsWith.empty())
            lines.push_back(std::string(kind) + " overlap " + IndexList(stream->OverlapsWith));
    }
    if (level.Problem) lines.push_back(*level.Problem);
    return lines;
}

}  // namespace tarnloft
