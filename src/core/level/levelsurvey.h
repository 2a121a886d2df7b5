// What every level that LevelList.dat lists looks like in an image: its
// name, where each of its two streams lies, how much of its room it uses,
// which other listed levels share or overlap its streams, and why it does
// not decode when it does not. The level browser and the picture export
// read it; so can a map of the image.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "level/levelsource.h"

namespace tarnloft {

// One stream of a level.
struct StreamUse {
    // 0-based file offset of the stream's first byte (for the object
    // stream, of the header before it); -1 when its pointer leads nowhere.
    int64_t Offset = -1;
    int64_t Used = 0;               // bytes used, as the Level Info panel counts them
    int64_t Room = 0;               // room as loaded, capped where other listed data starts
    int64_t Length = 0;             // bytes a save in place writes from Offset; 0 when not loaded
    std::vector<int> SharedWith;    // listed levels whose stream of the same kind starts here too
    std::vector<int> OverlapsWith;  // listed levels with a stream that crosses this one otherwise
};

struct LevelSummary {
    int Index = 0;
    std::string Name;
    bool Loaded = false;  // loading by index succeeds: Used, Room and Length are known
    StreamUse Objects;
    StreamUse Sprites;
    // Why the level does not decode, in the definition check's words.
    std::optional<std::string> Problem;

    bool Shared() const { return !Objects.SharedWith.empty() || !Sprites.SharedWith.empty(); }
    bool Overlapping() const { return !Objects.OverlapsWith.empty() || !Sprites.OverlapsWith.empty(); }
};

struct SurveyedLevel {
    LevelSummary Summary;
    std::optional<LevelModel> Level;  // as loading by index gives it, when it loads

    // A level gets a picture when it loads and the check finds nothing wrong.
    bool Drawable() const { return Level && !Summary.Problem; }
};

// Every listed level in ascending index order. `cancelled` is asked before
// each level; once it says yes the survey stops and returns the levels so far.
std::vector<SurveyedLevel> SurveyLevels(const ImageBytes& image, const Catalogues& defs,
                                        const std::function<bool()>& cancelled = {});
// The levels with these indices (0 to 255), in that order. Rooms end where
// the data of the listed levels starts, as in the editor.
std::vector<SurveyedLevel> SurveyLevels(const ImageBytes& image, const Catalogues& defs,
                                        const std::vector<int>& indices,
                                        const std::function<bool()>& cancelled = {});

// The caption of a level: "1A Name", then its byte use, then what it shares
// or overlaps, then why it does not decode; one line each.
std::vector<std::string> SummaryLines(const LevelSummary& level);

}  // namespace tarnloft
