#include "level/levelsave.h"

#include <algorithm>

#include "level/objectstream.h"
#include "level/spritestream.h"
#include "rom/romimage.h"

namespace tarnloft {

namespace {

const char* const BudgetTitle = "Tarnloft - It doesn't have pointer recalculation";

Message NotSaved(const std::string& text) { return {LevelNotSavedTitle, text}; }

// The two extents normally lie apart. Where they share bytes, both streams
// must agree on them, or one write would spoil the other.
bool SharedBytesAgree(const LevelModel& level, const SavePlan& plan) {
    const auto objectSize = static_cast<int64_t>(plan.ObjectBytes.size());
    const auto spriteSize = static_cast<int64_t>(plan.SpriteBytes.size());
    const int64_t from = std::max(level.ObjectDataPos, level.SpriteDataPos);
    const int64_t to = std::min(level.ObjectDataPos + objectSize, level.SpriteDataPos + spriteSize);
    for (int64_t p = from; p < to; ++p)
        if (plan.ObjectBytes[static_cast<size_t>(p - level.ObjectDataPos)] !=
            plan.SpriteBytes[static_cast<size_t>(p - level.SpriteDataPos)])
            return false;
    return true;
}

std::optional<Message> ExtentRefusal(const RomImage& rom, const LevelModel& level, const SavePlan& plan) {
    const auto objectSize = static_cast<int64_t>(plan.ObjectBytes.size());
    const auto spriteSize = static_cast<int64_t>(plan.SpriteBytes.size());
    if (objectSize != HeaderSize + level.ObjectBytesRoom + 2 || spriteSize != level.SpriteBytesRoom + 2)
        return NotSaved("The level's data does not match the room it was loaded from. Nothing was written.");
    if (!rom.Contains(level.ObjectDataPos, objectSize) || !rom.Contains(level.SpriteDataPos, spriteSize))
        return NotSaved(
            "The level's data no longer lies inside the ROM image (was the file shortened?). "
            "Nothing was written.");
    if (!SharedBytesAgree(level, plan))
        return NotSaved(
            "The object data and the sprite data of this level share bytes of the ROM image, and the "
            "changes would overwrite each other. Nothing was written.");
    return std::nullopt;
}

}  // namespace

StreamNeeds MeasureNeeds(const Catalogues& defs, const LevelModel& level) {
    // The counters are what the user sees; the measured sizes are what the
    // encoder will write. Either one over budget refuses the save.
    StreamNeeds needs;
    needs.ObjectBytes = std::max(level.ObjectBytesUsed, MeasureObjectBytes(defs, level));
    needs.SpriteBytes = std::max(level.SpriteBytesUsed, MeasureSpriteBytes(level));
    needs.ObjectsFit = needs.ObjectBytes <= level.ObjectBytesRoom;
    needs.SpritesFit = needs.SpriteBytes <= level.SpriteBytesRoom;
    return needs;
}

std::optional<Message> BudgetRefusal(const StreamNeeds& needs) {
    if (!needs.ObjectsFit)
        return Message{BudgetTitle,
                       "You're using more bytes of data than there's room for!  Delete some objects!"};
    if (!needs.SpritesFit)
        return Message{
            BudgetTitle,
            "You're using more bytes of data for sprites than there's room for!  Delete some sprites!"};
    return std::nullopt;
}

std::optional<Message> RecordRefusal(const Catalogues& defs, const LevelModel& level) {
    std::optional<std::string> problem = FindUnstorableObject(defs, level);
    if (!problem) problem = FindUnstorableSprite(level);
    if (problem) return NotSaved(*problem + " Nothing was written.");
    return std::nullopt;
}

SavePlan PlanSave(const RomImage& rom, const Catalogues& defs, const LevelModel& level) {
    SavePlan plan;
    plan.Refusal = BudgetRefusal(MeasureNeeds(defs, level));
    if (!plan.Refusal) plan.Refusal = RecordRefusal(defs, level);
    if (plan.Refusal) return plan;
    plan.ObjectBytes = EncodeObjectStream(defs, level);
    plan.SpriteBytes = EncodeSpriteStream(level);
    plan.Refusal = ExtentRefusal(rom, level, plan);
    return plan;
}

SaveResult WritePlan(RomImage& rom, const LevelModel& level, const SavePlan& plan) {
    if (auto error = rom.Write(level.ObjectDataPos, plan.ObjectBytes.data(), plan.ObjectBytes.size()))
        return {false, NotSaved("The level was not saved. " + *error)};
    if (auto error = rom.Write(level.SpriteDataPos, plan.SpriteBytes.data(), plan.SpriteBytes.size()))
        return {
            false,
            NotSaved("The objects were saved, but the sprites were not, so the level is only partly saved. " +
                     *error)};
    return {true, {"Tarnloft", "Level saved succesfully."}};
}

SaveResult SaveLevel(RomImage& rom, const Catalogues& defs, const LevelModel& level) {
    const SavePlan plan = PlanSave(rom, defs, level);
    if (plan.Refusal) return {false, *plan.Refusal};
    return WritePlan(rom, level, plan);
}

}  // namespace tarnloft
