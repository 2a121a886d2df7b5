// Failed writes through the windows: the hex editor's Put and the level save
// report them, never a success, and the level on screen stays as it was.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/hexdialog.h"
#include "support/faultywrites.h"
#include "uitestsupport.h"

using namespace uitest;
using tarnloft::FaultyWrites;
using tarnloft::WriteFault;

namespace {

const WriteFault AllFaults[] = {WriteFault::WriteFails, WriteFault::WriteShort, WriteFault::FlushFails};

}  // namespace

TEST(WriteFaults, HexPutReportsAFailedWrite) {
    DemoImage image;
    if (!image.Ok()) GTEST_SKIP() << "no demo generator";
    RomImage rom;
    ASSERT_FALSE(rom.Open(image.Path()));
    RecordingPrompts prompts;
    HexDialog dialog(rom, prompts);
    dialog.findChild<QLineEdit*>("txtOffset")->setText("200");
    dialog.findChild<QLineEdit*>("txtValue")->setText("5A");
    for (WriteFault fault : AllFaults) {
        const size_t shown = prompts.Shown.size();
        {
            FaultyWrites faults(fault, 1);
            dialog.findChild<QPushButton*>("cmdPut")->click();
        }
        ASSERT_EQ(prompts.Shown.size(), shown + 1) << int(fault);
        EXPECT_EQ(prompts.Last().Title, "Tarnloft - This is bad");
        EXPECT_EQ(prompts.Last().Text.rfind("The byte could not be written: ", 0), 0u) << prompts.Last().Text;
    }
    dialog.findChild<QPushButton*>("cmdPut")->click();
    EXPECT_EQ(image.Bytes().at(0x200), 0x5A);
}

TEST(WriteFaults, AFailedSaveSaysSoAndTheLevelCanBeSavedAgain) {
    StartedWindow w;
    REQUIRE_STARTED(w);
    EditorState state = w.Window->State();
    state.Level.LevelObjects.front().X ^= 1;
    state.Level.HeaderBytes[0] ^= 0x40;
    w.Window->Session().Apply(&Editor::Reset, state);
    const LevelModel edited = w.Window->State().Level;
    QAction* save = Find<QAction>(w.Window.get(), "mnuFileSave");
    for (WriteFault fault : AllFaults) {
        for (int failingCall : {1, 2}) {
            {
                FaultyWrites faults(fault, failingCall);
                save->trigger();
            }
            EXPECT_EQ(w.Prompts.Last().Title, "Tarnloft - Level not saved") << int(fault) << failingCall;
            EXPECT_NE(w.Prompts.Last().Text, "Level saved succesfully.");
            const LevelModel& now = w.Window->State().Level;
            EXPECT_TRUE(now.LevelObjects == edited.LevelObjects && now.HeaderBytes == edited.HeaderBytes &&
                        now.ObjectBytesUsed == edited.ObjectBytesUsed &&
                        now.ObjectBytesRoom == edited.ObjectBytesRoom);
        }
    }
    save->trigger();
    EXPECT_EQ(w.Prompts.Last().Title + '|' + w.Prompts.Last().Text, "Tarnloft|Level saved succesfully.");
    const LevelModel& saved = w.Window->State().Level;
    EXPECT_EQ(static_cast<uint8_t>(w.Image.Bytes().at(saved.ObjectDataPos - 1)), edited.HeaderBytes[0]);
}
