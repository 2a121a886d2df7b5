// Hit tests: item bodies, width and height handles, exit markers and the popup lines.
#include "edit/hittest.h"

#include <gtest/gtest.h>

#include "edit/editfixture.h"

using namespace editfix;

namespace {

const Catalogues defs = MakeDefs();

TEST(HitTest, HandleZonesOverlapAndHiddenItems) {
    const LevelObject box = Obj(Five, 10, 2, 4, 2), back = Obj(Five, 20, 2, -3, 2);  // 160..224, 272..320
    struct Case {
        LevelObject entry;
        double x, y;
        int body, width, height;  // 0 = found, -1 = not
    } const cases[] = {{box, 219.5, 40, 0, 0, -1},
                       {box, 219, 40, 0, -1, -1},
                       {box, 229, 40, -1, -1, -1},
                       {box, 224, 40, -1, 0, -1},
                       {box, 222, 64, -1, 0, 0},
                       {back, 268, 40, -1, 0, -1},
                       {Sprite(0x1A3, 5, 5), 95, 95, 0, -1, -1},
                       {Obj(Wide, 5, 5, 2, 2), 112, 111, -1, 0, -1},
                       {Obj(Tall, 5, 5, 2, 2), 111, 112, -1, -1, 0},
                       {Obj(Undefined, 5, 5, 2, 2), 112, 100, -1, 0, -1},  // drawn with handles
                       {Special(0x2F, 5, 5, 2, 2), 112, 100, -1, -1, -1}};
    for (const Case& c : cases) {
        const EditorState s = MakeState({c.entry});
        EXPECT_EQ(std::tuple(FindObjectAt(s, defs, c.x, c.y), FindWidthHandleAt(s, defs, c.x, c.y),
                             FindHeightHandleAt(s, defs, c.x, c.y)),
                  std::tuple(c.body, c.width, c.height))
            << int(c.entry.Number) << " at " << c.x << "," << c.y;
    }
    std::vector<LevelObject> entries(8, Sprite(1, 200, 100));  // topmost body, lowest index for handles
    entries[3] = Obj(Five, 2, 4, 6, 2), entries[7] = Obj(Five, 4, 4, 4, 2);
    EditorState s = MakeState(entries);
    EXPECT_EQ(std::tuple(FindObjectAt(s, defs, 100, 70), FindWidthHandleAt(s, defs, 126, 70),
                         FindHeightHandleAt(s, defs, 100, 94)),
              std::tuple(7, 3, 3));
    s = MakeState({Obj(Hidden, 2, 2, 4, 4)});
    s.View.Toggles.CrossSection = true;
    const PopupFeedback hidden = FillObjectPopup(s, defs, 40, 40);
    EXPECT_FALSE(FindObjectAt(s, defs, 40, 40) != -1 || FindWidthHandleAt(s, defs, 96, 40) != -1 ||
                 hidden.Shown || s.Tool.PopupOpen);
}

TEST(HitTest, ScreenExitMarkerAndPopupLines) {
    const std::tuple<int, double, double, bool> cases[] = {
        {16, 512.0, 256.0, true},  {16, 543.9, 263.9, true}, {16, 544.0, 256.0, false},
        {16, 512.0, 264.0, false}, {4, 135.9, 65.9, true},   {4, 136.0, 64.0, false}};
    for (auto [zoom, x, y, hit] : cases) {
        EditorState s = MakeState({}, {Exit(9, 9), Exit(2, 1)});
        s.View.Zoom = zoom;
        EXPECT_EQ(FindScreenExitAt(s, x, y), hit ? 1 : -1) << zoom << ": " << x << "," << y;
    }
    EditorState s =
        MakeState({Obj(Five, 0, 0, 4, 4), Sprite(0x1A3, 1, 1), Obj(Five, 9, 9), Special(0x2F, 0, 0, 3, 3)});
    const PopupFeedback popup = FillObjectPopup(s, defs, 20.5, 30);
    ASSERT_EQ(popup.Lines.size(), 3u);
    EXPECT_EQ(popup.Lines, s.Tool.PopupLines);
    EXPECT_EQ(popup.Lines[0].Index, 3);
    EXPECT_EQ(popup.Lines[0].Text + "|" + popup.Lines[1].Text + "|" + popup.Lines[2].Text,
              "X2F - Key|S1A3 - Bat|5A - Ledge");
    EXPECT_EQ(std::tuple(popup.Shown, popup.Left, popup.Top), std::tuple(true, 4, 14));
}

}  // namespace
