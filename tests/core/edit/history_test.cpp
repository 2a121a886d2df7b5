// The history's steps: which operations make one, their names, that
// restoring a step's two sides gives back the level and the selection, and
// that every operation declares its place (the two tables walk them all).
#include <gtest/gtest.h>

#include "edit/undohistory.h"
#include "fixtures.h"
#include "support/declaredsteps.h"

using namespace fixture;

namespace {

const Catalogues defs = MakeDefs();

// An editor whose operations pass through a recorder, as in the window;
// each operation's declaration is checked on the way.
struct Recorded {
    Editor editor;
    StepRecorder recorder;
    std::vector<HistoryStep> steps;

    explicit Recorded(Editor start) : editor(std::move(start)) { recorder.Restart(editor); }

    template <typename Operation, typename... Args>
    ChangeReport Do(Operation operation, Args&&... args) {
        const ChangeReport report = (editor.*operation)(std::forward<Args>(args)...);
        if (std::optional<HistoryStep> step = recorder.Record(editor, report))
            steps.push_back(std::move(*step));
        return report;
    }
    void Drag(double x1, double y1, double x2, double y2) {
        Do(&Editor::Press, MouseButton::Left, x1, y1);
        Do(&Editor::Move, MouseButton::Left, (x1 + x2) / 2, (y1 + y2) / 2);
        Do(&Editor::Move, MouseButton::Left, x2, y2);
        Do(&Editor::Release);
    }
};

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

void ExpectLevel(const LevelModel& expected, const Editor& e, const std::string& what) {
    const LevelModel& now = e.Level();
    EXPECT_TRUE(SameLevelContent(expected, now)) << what;
    EXPECT_EQ(std::tuple(expected.SelectedObject, expected.Selection, expected.SelectedScreenExit,
                         expected.ObjectBytesUsed, expected.SpriteBytesUsed),
              std::tuple(now.SelectedObject, now.Selection, now.SelectedScreenExit, now.ObjectBytesUsed,
                         now.SpriteBytesUsed))
        << what;
}

// Something the user does, on StartEditor(exitMode).
struct EditRow {
    const char* name;
    bool exitMode;
    std::function<void(Recorded&)> edit;
    std::function<void(Recorded&)> select = {};  // what the edit acts on, before it
};

void SelectAll(Recorded& r) { r.Do(&Editor::SelectAll); }

TEST(HistoryStep, EveryLevelEditIsOneStepThatRestoresBothWays) {
    const EditRow rows[] = {
        {"Move", false, [](Recorded& r) { r.Drag(40, 56, 104, 88); }},
        {"Resize", false, [](Recorded& r) { r.Drag(96, 56, 160, 56); }},
        {"Duplicate", false, [](Recorded& r) { r.Do(&Editor::Press, MouseButton::Middle, 300.0, 200.0); }},
        // The same steps for a group: every member, one step.
        {"Move", false, [](Recorded& r) { r.Drag(40, 56, 104, 88); }, SelectAll},
        {"Duplicate", false, [](Recorded& r) { r.Do(&Editor::Press, MouseButton::Middle, 300.0, 200.0); },
         SelectAll},
        {"Remove", false, [](Recorded& r) { r.Do(&Editor::Remove); },
         [](Recorded& r) {
             r.Do(&Editor::PressHolding, MouseButton::Left, 40.0, 56.0, PressKeys{true, false});
         }},
        {"Cut", false, [](Recorded& r) { r.Do(&Editor::Cut); }},
        {"Paste", false,
         [](Recorded& r) {
             r.Do(&Editor::Paste, std::vector<LevelObject>{Obj(Five, 0, 0), Sprite(0x1A3, 2, 1)},
                  std::optional<PointerPosition>());
         }},
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
        if (row.select) row.select(r);
        const LevelModel before = r.editor.Level();
        row.edit(r);
        const LevelModel after = r.editor.Level();
        ASSERT_EQ(r.steps.size(), 1u) << row.name;
        const HistoryStep& step = r.steps.front();
        EXPECT_EQ(step.Name, row.name);
        EXPECT_FALSE(SameLevelContent(before, after)) << row.name;
        r.Do(&Editor::Restore, step.Before);
        ExpectLevel(before, r.editor, std::string(row.name) + ", undone");
        r.Do(&Editor::Restore, step.After);
        ExpectLevel(after, r.editor, std::string(row.name) + ", redone");
    }
}

// A drag that ends where it began, one that a load cuts short, and
// operations of no step of their own.
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
        {"a drag cut short by a load", false,
         [](Recorded& r) {
             r.Do(&Editor::Press, MouseButton::Left, 40.0, 56.0);
             r.Do(&Editor::Move, MouseButton::Left, 120.0, 56.0);
             r.Do(&Editor::AdoptLevel, r.editor.Level());
             r.Do(&Editor::Release);
         }},
        {"the header as it was", false,
         [](Recorded& r) {
             r.Do(&Editor::SetHeader, HeaderBytesArray{1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
         }},
        {"the view, the selection and a new session", false,
         [](Recorded& r) {
             const LayoutInput window{845, 504};
             r.Do(&Editor::Next), r.Do(&Editor::Previous), r.Do(&Editor::Goto);
             r.Do(&Editor::Arrow, ArrowDirection::Down), r.Do(&Editor::ScrollTo, true, 3);
             r.Do(&Editor::WheelScroll, 1, 1), r.Do(&Editor::WheelZoom, 24, 100.0, 100.0, window);
             r.Do(&Editor::Layout, window), r.Do(&Editor::Zoom, 16, window);
             r.Do(&Editor::ToggleOutOfBounds, window), r.Do(&Editor::ToggleSeparateObjects, window);
             r.Do(&Editor::Toggle, ViewToggle::SmallGrid), r.Do(&Editor::Redraw);
             r.Do(&Editor::Reset, r.editor.State());
         }},
        {"the exit editor's steps", true,
         [](Recorded& r) {
             r.Do(&Editor::ExitNext), r.Do(&Editor::ExitPrevious), r.Do(&Editor::ExitGoto);
             r.Do(&Editor::ToggleScreenExitMode);
         }},
    };
    for (const EditRow& row : rows) {
        Recorded r(StartEditor(row.exitMode));
        row.edit(r);
        EXPECT_TRUE(r.steps.empty()) << row.name;
    }
}

TEST(UndoHistory, KeepsTheLatestThousandStepsAndFoldsTyping) {
    Editor e = StartEditor(true);
    UndoHistory history(e);
    auto run = [&](const ChangeReport& report) { history.Record(e, report); };
    auto header = [](int i) {
        return HeaderBytesArray{uint8_t(i & 0xFF), uint8_t(i >> 8), 0, 0, 0, 0, 0, 0, 0, 1};
    };
    for (int i = 0; i <= HistoryLimit; ++i) run(e.SetHeader(header(i)));
    EXPECT_EQ(history.Count(), size_t(HistoryLimit));
    while (std::optional<EditorSnapshot> before = history.Undo(e)) run(e.Restore(*before));
    EXPECT_EQ(e.Level().HeaderBytes, header(0));
    // A new step drops the undone ones; typing into one box is one step,
    // and typing it back to where it started leaves none.
    for (const char* text : {"1", "1F"}) run(e.StoreExitField(ExitField::EntranceX, text));
    EXPECT_EQ(std::tuple(history.Count(), history.UndoName(), history.RedoName()),
              std::tuple(size_t(1), std::string("Edit Exit"), std::string()));
    run(e.StoreExitField(ExitField::EntranceX, "0"));
    EXPECT_EQ(history.Count(), 0u);
}

}  // namespace
