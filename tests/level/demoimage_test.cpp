// Round trips over every level of the generated demo image.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "catalogue/definitionfiles.h"
#include "level/levelio.h"
#include "rom/temprom.h"

namespace {

struct DemoImage {
    std::string Path;
    Catalogues Defs;
    std::vector<int> Levels;
    ~DemoImage() { std::filesystem::remove(Path); }
};

// Generates the demo image; empty (with the reason) when that is not possible yet.
std::unique_ptr<DemoImage> MakeDemoImage(std::string& why) {
    const char* generator = std::getenv("TARNLOFT_DEMOGEN");
    DefinitionLoad defs = LoadDefinitionFiles(TARNLOFT_DATA_DIR);
    LevelListLoad list = LoadLevelList(TARNLOFT_DATA_DIR);
    auto demo = std::make_unique<DemoImage>();
    demo->Path =
        std::filesystem::temp_directory_path() / ("tarnloft-demo-" + std::to_string(getpid()) + ".smc");
    const std::string command =
        std::string("'") + (generator ? generator : "") + "' '" + demo->Path + "' >/dev/null 2>&1";
    if (!generator || !std::filesystem::exists(generator) || !defs.Ok || !list.Ok) {
        why = "generator or definition files not there yet";
        return nullptr;
    }
    if (std::system(command.c_str()) != 0) {
        why = "the generator failed";
        return nullptr;
    }
    demo->Defs = std::move(defs.Defs);
    for (const ListItem& item : list.Items) demo->Levels.push_back(item.Value);
    return demo;
}

}  // namespace

TEST(DemoImage, LevelsSaveBackUnchangedAndEditsStayInsideTheirExtents) {
    std::string why;
    auto demo = MakeDemoImage(why);
    if (!demo) GTEST_SKIP() << why;
    const std::vector<uint8_t> original = testrom::ReadFile(demo->Path);
    RomImage rom;
    ASSERT_FALSE(rom.Open(demo->Path));
    std::vector<LevelModel> levels;
    for (int index : demo->Levels) {
        LoadResult loaded = LoadLevelIndex(rom, demo->Defs, index);
        ASSERT_TRUE(loaded.Ok && loaded.Messages.empty()) << index;
        SaveResult saved = SaveLevel(rom, demo->Defs, loaded.Level);
        ASSERT_TRUE(saved.Ok) << index << ": " << saved.Report.Text;
        levels.push_back(loaded.Level);
    }
    ASSERT_TRUE(testrom::ReadFile(demo->Path) == original);

    int edited = 0;
    for (LevelModel& level : levels) {
        std::vector<size_t> objects, sprites;
        for (size_t i = 0; i < level.LevelObjects.size(); ++i)
            (level.LevelObjects[i].IsSprite ? sprites : objects).push_back(i);
        if (objects.size() < 2 || sprites.size() < 2 || ++edited > 3) continue;

        // Move the first object behind the sprites, swap two sprites, drop the last.
        const std::vector<uint8_t> before = testrom::ReadFile(demo->Path);
        LevelObject first = level.LevelObjects[objects[0]];
        first.X = uint8_t(first.X + 1);
        std::swap(level.LevelObjects[sprites[0]], level.LevelObjects[sprites[1]]);
        level.LevelObjects.erase(level.LevelObjects.begin() + sprites.back());
        level.LevelObjects.erase(level.LevelObjects.begin() + objects[0]);
        level.LevelObjects.push_back(first);
        level.SpriteBytesUsed -= 3;
        SaveResult saved = SaveLevel(rom, demo->Defs, level);
        ASSERT_TRUE(saved.Ok) << saved.Report.Text;

        const std::vector<uint8_t> after = testrom::ReadFile(demo->Path);
        ASSERT_EQ(after.size(), before.size());
        for (int64_t p = 1; p <= int64_t(after.size()); ++p) {
            const bool inObjects =
                p >= level.ObjectDataPos && p < level.ObjectDataPos + 10 + level.ObjectBytesRoom + 2;
            const bool inSprites =
                p >= level.SpriteDataPos && p < level.SpriteDataPos + level.SpriteBytesRoom + 2;
            ASSERT_TRUE(inObjects || inSprites || after[p - 1] == before[p - 1]) << "offset " << p - 1;
        }
    }
    EXPECT_GT(edited, 0) << "no demo level has two objects and two sprites";
}
