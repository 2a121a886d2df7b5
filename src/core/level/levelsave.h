// Saving a level back into the image: first the check (both budgets, every
// record storable, the extents inside the image and agreeing where they
// share bytes), which writes nothing and yields the bytes to write; then
// the write of what the check planned.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "util/message.h"

namespace tarnloft {

class RomImage;

inline constexpr const char* LevelNotSavedTitle = "Tarnloft - Level not saved";

struct SaveResult {
    bool Ok = false;
    Message Report;  // "Level saved succesfully." or why nothing (or not all) was written
};

// Bytes each stream needs now (the larger of the counter and the measured
// size) and whether that fits the stream's room.
struct StreamNeeds {
    int64_t ObjectBytes = 0;
    int64_t SpriteBytes = 0;
    bool ObjectsFit = false;
    bool SpritesFit = false;
};
StreamNeeds MeasureNeeds(const Catalogues& defs, const LevelModel& level);

// The refusal for a stream over its budget (objects first); nothing when both fit.
std::optional<Message> BudgetRefusal(const StreamNeeds& needs);

// Why some object, exit or sprite cannot be stored as it is; nothing when all can.
std::optional<Message> RecordRefusal(const Catalogues& defs, const LevelModel& level);

// What a save in place writes: the whole extent of each stream.
struct SavePlan {
    std::optional<Message> Refusal;    // set: nothing may be written
    std::vector<uint8_t> ObjectBytes;  // header, objects, exits, terminators and zero fill
    std::vector<uint8_t> SpriteBytes;  // sprites, terminator and zero fill
};
SavePlan PlanSave(const RomImage& rom, const Catalogues& defs, const LevelModel& level);

// Writes a plan that has no refusal, each extent with one durable write.
SaveResult WritePlan(RomImage& rom, const LevelModel& level, const SavePlan& plan);

// "&Save Level": the check, then the write.
SaveResult SaveLevel(RomImage& rom, const Catalogues& defs, const LevelModel& level);

}  // namespace tarnloft
