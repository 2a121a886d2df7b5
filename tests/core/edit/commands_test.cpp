// The object commands through the Editor: create, remove, clear, goto and stepping.
#include "edit/commands.h"

#include <gtest/gtest.h>

#include "fixtures.h"

using namespace fixture;

namespace {

const Catalogues defs = MakeDefs();

TEST(Commands, CreateAppendsAtTheTopLeftTileClampedToTheRecord) {
    struct Case {
        int value, scroll;
        LevelObject expected;
        int objectBytes, spriteBytes;
    } const cases[] = {{Five, 0x20, Obj(Five, 0x20, 0x20), 5, 0},
                       {256 + 0x0A, 0, Special(0x0A, 0, 0, 1, 3), 4, 0},
                       {512 + 0x1A3, 3, Sprite(0x1A3, 3, 3), 0, 3},
                       {Undefined, 1, Obj(Undefined, 1, 1), 0, 0},
                       {Nibbles, 256, Obj(Nibbles, 255, 255), 4, 0},
                       {512 + 7, 256, Sprite(7, 255, 127), 0, 3},
                       // The axis a four-byte record does not store is 2, as a reload gives it.
                       {Wide, 0, Obj(Wide, 0, 0, 1, 2), 4, 0},
                       {Tall, 0, Obj(Tall, 0, 0, 2, 1), 4, 0}};
    for (const Case& c : cases) {
        Editor e = MakeEditor(defs, {Obj(Five, 1, 1)}, {}, [&](EditorState& s) {
            s.View.H = s.View.V = {c.scroll, 256};
        });
        const LevelModel& level = e.Level();
        const ChangeReport out = e.Create(c.value);
        EXPECT_TRUE(out.Messages.empty() && out.PictureChanged && out.LevelChanged) << c.value;
        EXPECT_EQ(level.LevelObjects, (std::vector<LevelObject>{Obj(Five, 1, 1), c.expected}));
        // The first entry takes 5 bytes of the object stream.
        EXPECT_EQ(std::tuple(level.ObjectBytesUsed - 5, level.SpriteBytesUsed, level.SelectedObject),
                  std::tuple(c.objectBytes, c.spriteBytes, c.expected.IsSprite ? 0 : 1));
    }
    const std::pair<std::optional<int>, const char*> refusals[] = {
        {0, "You should add special objects using the options below with the prefix 'S'"},
        {std::nullopt, "Please select an object before attempting to add one"},
        {0xFF, "Object FF marks the end of the object list and cannot be added as an object."}};
    for (auto [refused, text] : refusals) {
        Editor e = MakeEditor(defs, {Obj(Five, 1, 1)});
        const ChangeReport out = e.Create(refused);
        ASSERT_EQ(out.Messages.size(), 1u);
        EXPECT_EQ(out.Messages[0].Text, text);
        EXPECT_EQ(out.Messages[0].Title,
                  refused == 0 ? "Tarnloft - Subtle nudge towards feature usage" : "Tarnloft - User error");
        // Nothing is added: one five-byte entry as before.
        EXPECT_EQ(std::tuple(e.Level().LastObjectIndex(), e.Level().ObjectBytesUsed), std::tuple(0, 5));
        EXPECT_FALSE(out.PictureChanged || out.LevelChanged);
    }
}

TEST(Commands, RemoveKeepsCountersAndRefusesTheLastEntry) {
    // A sprite, a special, a five-byte and a four-byte entry removed from among two four-byte ones.
    const std::tuple<LevelObject, int, int> cases[] = {{Sprite(3, 0, 0), 1, 1},
                                                       {Special(0x2F, 0, 0), 1, 1},
                                                       {Obj(Five, 0, 0), 2, 1},
                                                       {Obj(Nibbles, 0, 0), 0, 0}};
    for (auto [removed, selected, selectedAfter] : cases) {
        std::vector<LevelObject> entries = {Obj(Wide, 5, 5), Obj(Tall, 6, 6)};
        entries.insert(entries.begin() + selected, removed);
        Editor e = MakeEditor(defs, entries, {}, [&](EditorState& s) { s.Level.SelectedObject = selected; });
        const LevelModel& level = e.Level();
        EXPECT_TRUE(e.Remove().PictureChanged);
        EXPECT_EQ(level.LevelObjects, (std::vector<LevelObject>{Obj(Wide, 5, 5), Obj(Tall, 6, 6)}));
        EXPECT_EQ(std::tuple(level.ObjectBytesUsed, level.SpriteBytesUsed, level.SelectedObject),
                  std::tuple(8, 0, selectedAfter));
    }
    for (int count : {0, 1}) {
        Editor e = MakeEditor(defs, std::vector<LevelObject>(count, Obj(Five, 1, 1)));
        const ChangeReport out = e.Remove();  // the Delete key
        ASSERT_EQ(out.Messages.size(), 1u);
        EXPECT_EQ(out.Messages[0].Title + "|" + out.Messages[0].Text,
                  "Tarnloft - Stopping crashes before they happen|Cannot delete every object in level.\r\n"
                  "(It wouldn't have anything to hold it up, and it'd fall down)");
        EXPECT_EQ(e.Level().LastObjectIndex(), count - 1);
        EXPECT_FALSE(out.LevelChanged);
    }
}

TEST(Commands, ClearLeavesOneSurvivor) {
    const std::tuple<int, int, int, size_t> cases[] = {
        {4, 2, 0, 0u}, {4, 0, 3, 0u}, {1, 0, 0, 1u}, {0, 0, -1, 1u}};
    for (auto [count, selected, survivorX, messages] : cases) {
        std::vector<LevelObject> entries;
        for (int i = 0; i < count; ++i) entries.push_back(Obj(Five, i, 0));
        Editor e = MakeEditor(defs, entries, {}, [&](EditorState& s) { s.Level.SelectedObject = selected; });
        EXPECT_EQ(e.Level().ObjectBytesUsed, 5 * count);
        EXPECT_EQ(e.Clear().Messages.size(), messages);
        const LevelModel& level = e.Level();
        ASSERT_EQ(level.LastObjectIndex(), survivorX < 0 ? -1 : 0);
        if (survivorX < 0) continue;
        EXPECT_EQ(std::tuple(int(level.LevelObjects[0].X), level.SelectedObject, level.ObjectBytesUsed),
                  std::tuple(survivorX, 0, 5));
    }
}

TEST(Commands, GotoNextAndPreviousCentreWithinRange) {
    const std::tuple<int, int, int, int> cases[] = {
        {100, 40, 84, 25}, {101, 40, 86, 25}, {5, 5, 0, 0}, {255, 127, 225, 98}};
    for (auto [x, y, hs, vs] : cases) {
        Editor e = MakeEditor(defs, {Obj(Five, 0, 0), Obj(Five, x, y)}, {},
                              [](EditorState& s) { s.Level.SelectedObject = 1; });  // 100 - 15.5 ties to even
        const ChangeReport out = e.Goto();
        EXPECT_EQ(std::tuple(out.ScrollChanged, out.ViewChanged, out.LevelChanged),
                  std::tuple(hs != 0, hs != 0, false));
        EXPECT_EQ(std::tuple(e.View().H.Value, e.View().V.Value, e.View().VisibleObjects.back()),
                  std::tuple(hs, vs, 1));
    }
    for (auto [next, from, to] : {std::tuple{true, 0, 1}, {true, 2, 2}, {false, 2, 1}, {false, 0, 0}}) {
        Editor e = MakeEditor(defs, {Obj(Five, 60, 60), Obj(Five, 70, 60), Obj(Five, 80, 60)}, {},
                              [&](EditorState& s) { s.Level.SelectedObject = from; });
        const ChangeReport out = next ? e.Next() : e.Previous();
        EXPECT_EQ(std::tuple(out.PictureChanged, out.SelectionChanged), std::tuple(true, from != to));
        EXPECT_EQ(std::tuple(e.Level().SelectedObject, e.View().H.Value), std::tuple(to, 60 + 10 * to - 16));
    }
}

}  // namespace
