// The history's steps: which operations make one, their names, and that
// restoring a step's two sides gives back the level, the selection and the
// bytes a save would write.
#include "edit/history.h"

#include <gtest/gtest.h>

#include "fixtures.h"
#include "level/objectstream.h"
#include "level/spritestream.h"

using namespace fixture;

namespace {

const Catalogues defs = MakeDefs();

// An editor whose operations pass through a recorder, as in the window.
struct Recorded {
    Editor editor;
    StepRecorder recorder;
    std::vector<HistoryStep> steps;

    explicit Recorded(Editor start) : editor(std::move(start)) { recorder.Restart(editor); }

    template <typename Operation, typename... Args>
    void Do(Operation operation, Args&&... args) {
        const ChangeReport report = (editor.*operation)(std::forward<Args>(args)...);
        if (std::optional<HistoryStep> step = recorder.Record(editor, report))
            steps.push_back(std::move(*step));
    }
    void Drag(double x1, double y1, double x2, double y2) {
        Do(&Editor::Press, MouseButton::Left, x1, y1);
        Do(&Editor::Move, MouseButton::Left, (x1 + x2) / 2, (y1 + y2) / 2);
        Do(&Editor::Move, MouseButton::Left, x2, y2);
        Do(&Editor::Release);
    }
};

// What a save writes: header, object stream and sprite stream.
std::vector<uint8_t> SavedBytes(const LevelModel& level) {
    std::vector<uint8_t> bytes(level.HeaderBytes.begin(), level.HeaderBytes.end());
    const std::vector<uint8_t> objects = EncodeObjectStream(defs, level);
    const std::vector<uint8_t> sprites = EncodeSpriteStream(level);
    bytes.insert(bytes.end(), objects.begin(), objects.end());
    bytes.insert(bytes.end(), sprites.begin(), sprites.end());
    return bytes;
}

struct Seen {
    LevelModel Level;
    std::vector<uint8_t> Bytes;
};
Seen See(const Editor& e) { return Seen{e.Level(), SavedBytes(e.Level())}; }

void ExpectSame(const Seen& expected, const Editor& e, const std::string& what) {
    EXPECT_TRUE(SameLevelContent(expected.Level, e.Level())) << what;
    EXPECT_EQ(expected.Level.SelectedObject, e.Level().SelectedObject) << what;
    EXPECT_EQ(expected.Level.SelectedScreenExit, e.Level().SelectedScreenExit) << what;
    EXPECT_EQ(expected.Level.ObjectBytesUsed, e.Level().ObjectBytesUsed) << what;
    EXPECT_EQ(expected.Level.SpriteBytesUsed, e.Level().SpriteBytesUsed) << what;
    EXPECT_EQ(expected.Bytes, SavedBytes(e.Level())) << what;
}

// Entry 1 covers tiles 2..5 x 3 (pixels 32..96 x 48..64), its width handle at x 96, over
// entry 0 at tiles 3..4 x 3..4; sprite 2 at 12, 12 is selected. Exits on screens 1,0 and 2,1.
Editor StartEditor(bool exitMode) {
    Editor e = MakeEditor(defs, {Obj(Five, 3, 3, 2, 2), Obj(Five, 2, 3, 4, 1), Sprite(0x1A3, 12, 12)},
                          {Exit(1, 0, 5), Exit(2, 1, 6)}, [](EditorState& s) {
                              s.Level.SelectedObject = 2;
                              s.Level.SelectedScreenExit = 1;
                              s.Level.HeaderBytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
                          });
    if (exitMode) e.ToggleScreenExitMode();
    return e;
}

// Something the user does, on StartEditor(exitMode).
struct EditRow {
    const char* name;
    bool exitMode;
    std::function<void(Recorded&)> edit;
};

TEST(HistoryStep, EveryLevelEditIsOneStepThatRestoresBothWays) {
    const EditRow rows[] = {
        {"Move", false, [](Recorded& r) { r.Drag(40, 56, 104, 88); }},
        {"Resize", false, [](Recorded& r) { r.Drag(96, 56, 160, 56); }},
        {"Copy", false, [](Recorded& r) { r.Do(&Editor::Press, MouseButton::Middle, 300.0, 200.0); }},
        {"Bring to Front", false,
         [](Recorded& r) {
             r.Do(&Editor::Press, MouseButton::Right, 56.0, 56.0);
             r.Do(&Editor::ChoosePopupLine, 1);
         }},
        {"Create", false, [](Recorded& r) { r.Do(&Editor::Create, std::optional<int>(Five)); }},
        {"Remove", false, [](Recorded& r) { r.Do(&Editor::Remove); }},
        {"Clear", false, [](Recorded& r) { r.Do(&Editor::Clear); }},
        {"Create Exit", true, [](Recorded& r) { r.Do(&Editor::Create, std::optional<int>(Five)); }},
        {"Remove Exit", true, [](Recorded& r) { r.Do(&Editor::Remove); }},
        {"Clear Exits", true, [](Recorded& r) { r.Do(&Editor::Clear); }},
        {"Move Exit", true, [](Recorded& r) { r.Do(&Editor::MoveExit, ArrowDirection::Down); }},
        {"Edit Exit", true,
         [](Recorded& r) { r.Do(&Editor::StoreExitField, ExitField::EntranceX, std::string("1F")); }},
        {"Edit Exit", true, [](Recorded& r) { r.Do(&Editor::PickExitValue, ExitField::Destination, 0x2C); }},
        {"Edit Header", false,
         [](Recorded& r) {
             r.Do(&Editor::SetHeader, HeaderBytesArray{9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
         }},
    };
    for (const EditRow& row : rows) {
        Recorded r(StartEditor(row.exitMode));
        const Seen before = See(r.editor);
        row.edit(r);
        const Seen after = See(r.editor);
        ASSERT_EQ(r.steps.size(), 1u) << row.name;
        const HistoryStep& step = r.steps.front();
        EXPECT_EQ(step.Name, row.name);
        EXPECT_FALSE(SameLevelContent(before.Level, after.Level)) << row.name;

        r.editor.Restore(step.Before);
        ExpectSame(before, r.editor, std::string(row.name) + ", undone");
        r.editor.Restore(step.After);
        ExpectSame(after, r.editor, std::string(row.name) + ", redone");
    }
}

TEST(HistoryStep, OperationsThatChangeNoLevelAreNone) {
    const EditRow rows[] = {
        {"a selecting click", false, [](Recorded& r) { r.Drag(40, 56, 40, 56); }},
        {"a drag back to where it started", false,
         [](Recorded& r) {
             r.Do(&Editor::Press, MouseButton::Left, 40.0, 56.0);
             r.Do(&Editor::Move, MouseButton::Left, 120.0, 90.0);
             r.Do(&Editor::Move, MouseButton::Left, 40.0, 56.0);
             r.Do(&Editor::Release);
         }},
        {"a popup's first line", false,
         [](Recorded& r) {
             r.Do(&Editor::Press, MouseButton::Right, 56.0, 56.0);
             r.Do(&Editor::ChoosePopupLine, 0);
         }},
        {"the header as it was", false,
         [](Recorded& r) {
             r.Do(&Editor::SetHeader, HeaderBytesArray{1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
         }},
        {"an exit field stored again", true,
         [](Recorded& r) { r.Do(&Editor::StoreExitField, ExitField::Destination, std::string("5")); }},
        {"three characters in an exit box", true,
         [](Recorded& r) { r.Do(&Editor::StoreExitField, ExitField::Destination, std::string("123")); }},
        {"the view and the selection", false,
         [](Recorded& r) {
             r.Do(&Editor::Next);
             r.Do(&Editor::Arrow, ArrowDirection::Down);
             r.Do(&Editor::WheelScroll, 3, 3);
             r.Do(&Editor::Toggle, ViewToggle::SmallGrid);
         }},
        {"a refused create", false, [](Recorded& r) { r.Do(&Editor::Create, std::optional<int>()); }},
    };
    for (const EditRow& row : rows) {
        Recorded r(StartEditor(row.exitMode));
        row.edit(r);
        EXPECT_TRUE(r.steps.empty()) << row.name;
    }
}

TEST(HistoryStep, ADragIsOneStepFromBeforeItsPress) {
    Recorded r(StartEditor(false));
    r.Do(&Editor::Press, MouseButton::Left, 40.0, 56.0);
    for (int x = 48; x <= 200; x += 8) r.Do(&Editor::Move, MouseButton::Left, double(x), 56.0);
    EXPECT_TRUE(r.steps.empty());
    r.Do(&Editor::Release);
    ASSERT_EQ(r.steps.size(), 1u);
    // The press selected entry 1; the step starts with the selection before it.
    EXPECT_EQ(r.steps[0].Before.Level.SelectedObject, 2);
    EXPECT_EQ(r.steps[0].After.Level.SelectedObject, 1);
}

TEST(HistoryStep, ALoadedLevelStartsAfresh) {
    Recorded r(StartEditor(false));
    r.Do(&Editor::Press, MouseButton::Left, 40.0, 56.0);
    r.Do(&Editor::Move, MouseButton::Left, 120.0, 56.0);
    LevelModel other;
    other.LevelObjects = {Obj(Five, 1, 1), Obj(Five, 9, 9)};
    r.Do(&Editor::AdoptLevel, other);  // a drag cut short by a load is no step
    r.Do(&Editor::Release);
    r.Do(&Editor::Remove);
    ASSERT_EQ(r.steps.size(), 1u);
    EXPECT_EQ(r.steps[0].Before.Level.LevelObjects, other.LevelObjects);
}

}  // namespace
