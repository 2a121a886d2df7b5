#include "edit/hittest.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"

using namespace editfix;

TEST(HitTest, ItemsAndHandles) {
    const Catalogues defs = MakeDefs();
    const LevelObject box = Obj(Five, 10, 2, 4, 2);  // body 160..224 x 32..64
    struct Case {
        const char* what;
        LevelObject entry;
        double x, y;
        int body, width, height;  // 0 = found, -1 = not
    } const cases[] = {
        {"219.5 in the width zone", box, 219.5, 40, 0, 0, -1},
        {"219 outside it", box, 219, 40, 0, -1, -1},
        {"229 outside it", box, 229, 40, -1, -1, -1},
        {"right column is handle, not body", box, 224, 40, -1, 0, -1},
        {"bottom line is handle, not body", box, 170, 64, -1, -1, 0},
        {"width handle reaches the bottom line", box, 222, 64, -1, 0, 0},
        {"top-left pixel is body", box, 160, 32, 0, -1, -1},
        {"negative width body", Obj(Five, 20, 2, -3, 2), 300, 40, 0, -1, -1},
        {"negative width anchor column", Obj(Five, 20, 2, -3, 2), 320, 40, -1, -1, -1},
        {"negative width handle at px(17)", Obj(Five, 20, 2, -3, 2), 268, 40, -1, 0, -1},
        {"sprite has no handles", Sprite(0x1A3, 5, 5), 95, 95, 0, -1, -1},
        {"special has no handles", Special(0x0A, 5, 5, 2, 2), 111, 111, 0, -1, -1},
        {"SizeMode 1: width only", Obj(Wide, 5, 5, 2, 2), 112, 111, -1, 0, -1},
        {"SizeMode 2: height only", Obj(Tall, 5, 5, 2, 2), 111, 112, -1, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const EditorState s = MakeState({c.entry});
        EXPECT_EQ(FindObjectAt(s, defs, c.x, c.y), c.body);
        EXPECT_EQ(FindWidthHandleAt(s, defs, c.x, c.y), c.width);
        EXPECT_EQ(FindHeightHandleAt(s, defs, c.x, c.y), c.height);
    }
}

TEST(HitTest, OverlapAndCrossSection) {
    const Catalogues defs = MakeDefs();
    std::vector<LevelObject> entries(8, Sprite(1, 200, 100));  // out of view
    entries[3] = Obj(Five, 2, 4, 6, 2);
    entries[7] = Obj(Five, 4, 4, 4, 2);  // both: handles at x 128 and y 96
    EditorState s = MakeState(entries);
    EXPECT_EQ(FindObjectAt(s, defs, 100, 70), 7);
    EXPECT_EQ(FindWidthHandleAt(s, defs, 126, 70), 3);
    EXPECT_EQ(FindHeightHandleAt(s, defs, 100, 94), 3);

    s = MakeState({Obj(Hidden, 2, 2, 4, 4)});
    s.View.Toggles.CrossSection = true;
    EXPECT_EQ(FindObjectAt(s, defs, 40, 40), -1);
    EXPECT_EQ(FindWidthHandleAt(s, defs, 96, 40), -1);
    FillObjectPopup(s, defs, 40, 40);
    EXPECT_TRUE(s.Popup.Lines.empty());
    EXPECT_EQ(s.Popup.Top, HiddenPopupTop);
    // A visible list naming entries that are gone is not followed.
    s.Level.LevelObjects.clear();
    s.View.Toggles.CrossSection = false;
    EXPECT_EQ(FindObjectAt(s, defs, 40, 40), -1);
}

TEST(HitTest, ScreenExitMarker) {
    // Exit 1 on screen column 2, row 1; exit 0 far away.
    struct Case {
        int zoom, vs;
        double x, y;
        bool hit;
    } const cases[] = {
        {16, 0, 512, 256, true},   {16, 0, 543.9, 263.9, true}, {16, 0, 544, 256, false},
        {16, 0, 512, 264, false},  {16, 0, 520, 255.9, false},  {4, 0, 128, 64, true},
        {4, 0, 135.9, 65.9, true}, {4, 0, 136, 64, false},      {4, 0, 130, 66, false},
        {16, 3, 520, 215.9, true}, {16, 3, 520, 216, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zoom << ": " << c.x << "," << c.y);
        EditorState s = MakeState({}, {Exit(9, 9), Exit(2, 1)});
        s.View.Zoom = c.zoom;
        s.View.V.Value = c.vs;
        EXPECT_EQ(FindScreenExitAt(s, c.x, c.y), c.hit ? 1 : -1);
    }
}

TEST(HitTest, PopupListsTopmostFirst) {
    const Catalogues defs = MakeDefs();
    EditorState s =
        MakeState({Obj(Five, 0, 0, 4, 4), Sprite(0x1A3, 1, 1), Obj(Five, 9, 9), Special(0x2F, 0, 0, 3, 3)});
    FillObjectPopup(s, defs, 20.5, 30);
    ASSERT_EQ(s.Popup.Lines.size(), 3u);
    EXPECT_EQ(s.Popup.Lines[0].Index, 3);
    EXPECT_EQ(s.Popup.Lines[0].Text, "X2F - Key");
    EXPECT_EQ(s.Popup.Lines[1].Text, "S1A3 - Bat");
    EXPECT_EQ(s.Popup.Lines[2].Text, "5A - Ledge");
    EXPECT_EQ(s.Popup.Left, 4);
    EXPECT_EQ(s.Popup.Top, 14);
    FillObjectPopup(s, defs, 400, 400);
    EXPECT_FALSE(s.Popup.Shown());
}
