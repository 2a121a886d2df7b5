// The save oracle that the editing fuzzer and the monkey run rely on: it
// passes sound saves and names each kind of broken promise.
#include "support/saveoracle.h"

#include <gtest/gtest.h>

#include <functional>

#include "rom/temprom.h"

using namespace testrom;
using namespace tarnloft;

namespace {

constexpr size_t ObjectOffset = SmallObjectOffset, SpriteOffset = SmallSpriteOffset;

}  // namespace

TEST(SaveOracle, PassesSoundSavesAndNamesBrokenPromises) {
    using Edit = std::function<void(TempRom&, LevelModel&, SaveResult&)>;
    const auto poke = [](TempRom& file, int64_t position, uint8_t value) {
        ASSERT_FALSE(file.Rom.Write(position, &value, 1));
    };
    // clang-format off
    const struct { const char* Name; Edit AfterSave; bool Refuse; std::string Says; } cases[] = {
        {"sound save", [](TempRom&, LevelModel&, SaveResult&) {}, false, ""},
        {"sound refusal", [](TempRom&, LevelModel&, SaveResult&) {}, true, ""},
        {"refusal that wrote", [&](TempRom& f, LevelModel&, SaveResult&) { poke(f, ObjectOffset + 1, 0); }, true,
         "a refused save changed the image"},
        {"byte behind the objects' room", [&](TempRom& f, LevelModel&, SaveResult&) { poke(f, ObjectOffset + 26, 0); },
         false, "(a)"},
        {"model not as written", [](TempRom&, LevelModel& l, SaveResult&) { l.LevelObjects[0].X ^= 1; }, false, "(b)"},
        {"success without its text", [](TempRom&, LevelModel&, SaveResult& r) { r.Report.Text = "Done."; }, false,
         "a save that worked reported"}};
    // clang-format on
    for (const auto& c : cases) {
        TempRom file(SmallLevelImage());
        LoadResult loaded = LoadLevelOffset(file.Rom, Defs(), ObjectOffset, SpriteOffset);
        ASSERT_TRUE(loaded.Ok);
        LevelModel level = loaded.Level;
        level.LevelObjects[0].Y += 1;
        if (c.Refuse) level.ObjectBytesUsed = level.ObjectBytesRoom + 1;
        const std::vector<uint8_t> before = ImageBytes(file.Rom);
        SaveResult result = SaveLevel(file.Rom, Defs(), level);
        ASSERT_EQ(result.Ok, !c.Refuse) << c.Name;
        c.AfterSave(file, level, result);
        const std::string says = CheckSave(file.Rom, Defs(), level, result, before).value_or("");
        EXPECT_EQ(says.rfind(c.Says, 0), 0u) << c.Name << ": " << says;
        EXPECT_EQ(says.empty(), c.Says.empty()) << c.Name << ": " << says;
    }
}
