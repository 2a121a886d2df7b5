// The level survey behind the browser and the picture export, and the
// search over its levels, on one hand-built image of five listed levels.
#include "level/levelsurvey.h"

#include <gtest/gtest.h>

#include "fixtures.h"
#include "level/levelsearch.h"

using namespace fixture;

namespace {

// 0 and 2 share one object stream; 1 uses 7B, which no file defines; 3's
// sprites start inside 0's; 1, 2 and 4 share the empty sprite stream.
struct SurveyTest : ::testing::Test {
    static constexpr size_t Sprites0 = 0xC0400;
    Catalogues defs = MakeDefs();
    std::vector<uint8_t> image = testimage::LevelImage(
        {"5A 01 02 03 04 FF FF", "5A 01 02 03 04 7B 01 02 03 FF FF", "FF FF", "FF FF", "FF FF"});
    std::vector<SurveyedLevel> levels;

    void SetUp() override {
        const char* names[] = {"Meadow", "Cave", "Tower", "Cave 2", "Lake"};
        for (int i = 0; i < 5; ++i) {
            defs.LevelNames[size_t(i)] = names[i];
            defs.DestinationLevels.push_back({std::to_string(i), i});
        }
        Put(image, Sprites0, Bytes("2A 65 90 FF FF EA"));
        testimage::PutPointer(image, testimage::TableRow(0) + 3, Sprites0);
        testimage::PutPointer(image, testimage::TableRow(2), testimage::DataOffset + 3);
        testimage::PutPointer(image, testimage::TableRow(3) + 3, Sprites0 + 3);
        levels = SurveyLevels(image, defs);
    }
    const LevelSummary& Level(int i) const { return levels[size_t(i)].Summary; }
};

}  // namespace

TEST_F(SurveyTest, StreamsUseShareOverlapAndWhyALevelDoesNotDecode) {
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(Level(0).Objects.Offset, 0xC0203);
    EXPECT_EQ(Level(0).Objects.Used, 5);
    EXPECT_EQ(Level(0).Objects.Room, 5);  // level 1's header starts behind the terminators
    EXPECT_EQ(Level(0).Sprites.Offset, int64_t(Sprites0));
    EXPECT_EQ(Level(0).Objects.SharedWith, std::vector<int>{2});
    EXPECT_EQ(Level(0).Sprites.OverlapsWith, std::vector<int>{3});
    EXPECT_EQ(Level(3).Sprites.OverlapsWith, std::vector<int>{0});
    EXPECT_EQ(Level(4).Sprites.SharedWith, (std::vector<int>{1, 2}));
    EXPECT_FALSE(Level(1).Loaded);
    EXPECT_EQ(Level(1).Objects.Offset, 0xC0214);  // from the table, although it does not load
    EXPECT_FALSE(levels[1].Drawable());
    EXPECT_TRUE(levels[0].Drawable());
    EXPECT_EQ(SummaryLines(Level(0)),
              (std::vector<std::string>{"00 Meadow", "Objects 5/5, sprites 3/3", "Objects shared with 02",
                                        "Sprites overlap 03"}));
    EXPECT_EQ(SummaryLines(Level(1)), (std::vector<std::string>{"01 Cave", "Sprites shared with 02, 04",
                                                                "unknown object 7B at file offset 0xC0223"}));
}

TEST_F(SurveyTest, SearchFindsIndexNameAndUsesWithCounts) {
    // clang-format off
    const struct { const char* Text; std::vector<std::pair<int, int>> Found; } cases[] = {
        {"",          {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}},
        {"2",         {{2, 0}, {3, 0}}},              // index 2, "Cave 2"
        {" cAVE ",    {{1, 0}, {3, 0}}},
        {"5a",        {{0, 1}, {2, 1}}},              // level 1 does not load
        {"5A: Ground", {{0, 1}, {2, 1}}},             // as the catalogue list shows it
        {"S12A",      {{0, 1}}},
        {"X03",       {}},
        {"nothing",   {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<std::pair<int, int>> found;
        for (const LevelMatch& m : SearchLevels(levels, defs, c.Text)) found.emplace_back(m.Index, m.Uses);
        EXPECT_EQ(found, c.Found) << c.Text;
    }
}

TEST(LevelSearch, EntriesAreReadAsTheCatalogueListWritesThem) {
    // clang-format off
    const struct { const char* Text; std::optional<int> Index, Entry; } cases[] = {
        {"1a",   0x1A, 0x1A},
        {"X2F",  {},   0x100 + 0x2F},
        {"s12a", {},   0x200 + 0x12A},
        {"S200", {},   {}},          // sprites end at 1FF
        {"x",    {},   {}},
        {"123",  {},   {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const LevelQuery query = ParseLevelQuery(c.Text);
        EXPECT_EQ(query.Index, c.Index) << c.Text;
        EXPECT_EQ(query.EntryValue, c.Entry) << c.Text;
    }
    LevelModel level;
    level.LevelObjects = {Special(0x03, 1, 1, 2, 3), Special(0x03, 5, 1, 2, 3), Obj(0x03, 1, 1, 1, 1),
                          Sprite(0x103, 2, 2)};
    EXPECT_EQ(CountUses(level, MakeDefs(), 0x100 + 0x03), 2);
    EXPECT_EQ(CountUses(level, MakeDefs(), 0x03), 1);
    EXPECT_EQ(CountUses(level, MakeDefs(), 0x200 + 0x103), 1);
    EXPECT_EQ(UsesText(0x100 + 0x03, 2), "X03 used 2 times");
    EXPECT_EQ(UsesText(0x200 + 0x103, 1), "S103 used once");
}
