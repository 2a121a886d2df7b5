// Window tests of the dialogs and the object list window, driven by objectName.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "dialogs/aboutdialog.h"
#include "dialogs/headerdialog.h"
#include "dialogs/hexdialog.h"
#include "dialogs/levelindexdialog.h"
#include "dialogs/leveloffsetdialog.h"
#include "dialogs/objectlistwindow.h"
#include "recordingprompts.h"
#include "rom/romimage.h"

namespace {

template <typename T = QWidget>
T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Click(QWidget* parent, const char* name) { Child<QPushButton>(parent, name)->click(); }
void Type(QWidget* parent, const char* name, const char* text) {
    Child<QLineEdit>(parent, name)->setText(text);
}
std::string TextOf(QWidget* parent, const char* name) {
    return Child<QLineEdit>(parent, name)->text().toStdString();
}

void PressKey(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void WriteFile(const QString& path, const std::string& content) {
    std::ofstream(path.toStdString(), std::ios::binary) << content;
}

std::string ReadFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// An image large enough to hold the level table at file offset 0xBF9C3.
struct TempImage {
    QTemporaryDir dir;
    QString path = dir.filePath("test.smc");
    std::string bytes = std::string(0xC0000, '\0');
    RomImage rom;

    void Put(size_t offset, std::initializer_list<uint8_t> values) {
        for (uint8_t v : values) bytes[offset++] = static_cast<char>(v);
    }
    void Open() {
        WriteFile(path, bytes);
        ASSERT_FALSE(rom.Open(path.toStdString()).has_value());
    }
};

const HeaderBytesArray SampleHeader = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x0F, 0x80};

}  // namespace

TEST(HeaderDialogTest, AcceptDataFillsBoxesAndAlrightReturnsSameBytes) {
    RomImage rom;
    RecordingPrompts prompts;
    HeaderDialog dlg(rom, prompts);
    std::vector<HeaderBytesArray> accepted;
    dlg.OnAccepted = [&](const HeaderBytesArray& b) { accepted.push_back(b); };
    dlg.AcceptData(SampleHeader);
    const char* names[] = {"s", "t", "f", "i", "b", "l", "c", "p", "r",
                           "o", "u", "a", "e", "g", "y", "m", "u2"};
    const char* values[] = {"2",  "4", "13", "2",   "44", "60", "19", "43", "12",
                            "27", "3", "1",  "112", "0",  "0",  "31", "0"};
    for (int i = 0; i < 17; ++i) EXPECT_EQ(TextOf(&dlg, names[i]), values[i]) << names[i];
    EXPECT_EQ(TextOf(&dlg, "txtImportNum"), "0");

    dlg.show();
    Click(&dlg, "cmdOk");
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0], SampleHeader);
    EXPECT_FALSE(dlg.isVisible());

    // Enter in a box presses the default button.
    dlg.show();
    Child(&dlg, "m")->setFocus();
    PressKey(Child(&dlg, "m"), Qt::Key_Return);
    EXPECT_EQ(accepted.size(), 2u);
}

TEST(HeaderDialogTest, BadBoxesAreRefusedAndNothingIsPacked) {
    struct Case {
        const char* box;
        const char* text;
        const char* message;
    } cases[] = {
        {"m", "32", "Music must be a whole number from 0 to 31."},
        {"s", "", "Background Color must be a whole number from 0 to 31."},
        {"u2", "-1", "Midring must be a whole number from 0 to 127."},
        {"t", "1.5", "Tileset must be a whole number from 0 to 15."},
        {"p", "abc", "Sprite Set must be a whole number from 0 to 127."},
        {"g", "99999999999999999999", "Layer 2 Scrolling must be a whole number from 0 to 3."},
    };
    RomImage rom;
    for (const Case& c : cases) {
        RecordingPrompts prompts;
        HeaderDialog dlg(rom, prompts);
        int calls = 0;
        dlg.OnAccepted = [&](const HeaderBytesArray&) { ++calls; };
        dlg.AcceptData(SampleHeader);
        dlg.show();
        Type(&dlg, c.box, c.text);
        Click(&dlg, "cmdOk");
        EXPECT_EQ(calls, 0) << c.box;
        EXPECT_TRUE(dlg.isVisible()) << c.box;
        ASSERT_EQ(prompts.Shown.size(), 1u) << c.box;
        EXPECT_EQ(prompts.Shown[0].Title, "Tarnloft - User Error");
        EXPECT_EQ(prompts.Shown[0].Text, c.message);
    }
}

TEST(HeaderDialogTest, ImportReadsAnotherLevelsHeader) {
    TempImage image;
    // Level 0 points at $01:FF00, file offset 0x10100; level 1A lies in bank 0x60.
    image.Put(0xBF9C3, {0x00, 0xFF, 0x01});
    image.Put(0x10100, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x0F, 0x80});
    image.Put(0xBF9C3 + 6 * 0x1A, {0x00, 0x80, 0x60});
    image.Open();

    RecordingPrompts prompts;
    HeaderDialog dlg(image.rom, prompts);
    int calls = 0;
    dlg.OnAccepted = [&](const HeaderBytesArray&) { ++calls; };
    dlg.AcceptData(HeaderBytesArray{});
    Type(&dlg, "txtImportNum", "");
    Click(&dlg, "cmdImport");
    EXPECT_TRUE(prompts.Shown.empty());
    EXPECT_EQ(TextOf(&dlg, "b"), "44");
    EXPECT_EQ(TextOf(&dlg, "m"), "31");
    EXPECT_EQ(calls, 0) << "import only fills the boxes";

    Type(&dlg, "txtImportNum", "1a");
    Click(&dlg, "cmdImport");
    ASSERT_EQ(prompts.Shown.size(), 1u);
    EXPECT_EQ(prompts.Shown[0].Title, "Tarnloft - Programmer Error");
    EXPECT_EQ(prompts.Shown[0].Text,
              "Eep, I didn't think that bank would get used.  Tell me. (Object data area)");
    EXPECT_EQ(TextOf(&dlg, "b"), "44");
    EXPECT_EQ(TextOf(&dlg, "txtImportNum"), "1a");
}

TEST(HeaderDialogTest, TabOrder) {
    RomImage rom;
    RecordingPrompts prompts;
    HeaderDialog dlg(rom, prompts);
    const char* expected[] = {
        "s",         "t", "f", "i", "b", "l",  "c",         "p",     "r", "o",
        "u",         "a", "e", "y", "g", "u2", "cmdCancel", "cmdOk", "m", "txtImportNum",
        "cmdImport", "s"};
    QWidget* w = Child(&dlg, "s");
    for (size_t i = 1; i < std::size(expected); ++i) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(w->objectName().toStdString(), expected[i]) << i;
    }
}

TEST(LevelIndexDialogTest, ListClickAndAlright) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("LevelList.dat"), "0,\"Green Hills\"\n1a,\"Old Mill, upper\"\n");
    RecordingPrompts prompts;
    std::vector<uint64_t> loaded;
    LevelIndexDialog dlg(dir.path().toStdString(), prompts, [&](uint64_t n) { loaded.push_back(n); });
    auto* list = Child<QListWidget>(&dlg, "lstLevels");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text().toStdString(), "1a Old Mill, upper");
    EXPECT_EQ(TextOf(&dlg, "txtIndex"), "");

    dlg.show();
    Click(&dlg, "cmdOK");
    EXPECT_FALSE(dlg.isVisible());

    list->setCurrentRow(1);
    EXPECT_EQ(TextOf(&dlg, "txtIndex"), "1A");
    Click(&dlg, "cmdOK");
    Type(&dlg, "txtIndex", " 2 b");
    Click(&dlg, "cmdCancel");
    EXPECT_EQ(loaded, (std::vector<uint64_t>{0, 0x1A}));
    EXPECT_TRUE(prompts.Shown.empty());
}

TEST(LevelOffsetDialogTest, EntryFillsOnlyOffsetAndAlrightPassesBoth) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("LevelOffsets.dat"), "123456,First\n1E5234,\"Second\"\n");
    RecordingPrompts prompts;
    std::vector<std::pair<uint64_t, uint64_t>> loaded;
    LevelOffsetDialog dlg(dir.path().toStdString(), prompts,
                          [&](uint64_t l, uint64_t s) { loaded.emplace_back(l, s); });
    auto* list = Child<QListWidget>(&dlg, "lstLevels");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text().toStdString(), "First");

    Type(&dlg, "txtSpriteOffset", "77");
    list->setCurrentRow(1);
    EXPECT_EQ(TextOf(&dlg, "txtOffset"), "1E5234");
    EXPECT_EQ(TextOf(&dlg, "txtSpriteOffset"), "77");
    Click(&dlg, "cmdOK");
    Type(&dlg, "txtOffset", "C000");
    Type(&dlg, "txtSpriteOffset", "");
    Click(&dlg, "cmdOK");
    EXPECT_EQ(loaded, (std::vector<std::pair<uint64_t, uint64_t>>{{0x1E5234, 0x77}, {0xC000, 0}}));
}

TEST(LevelListDialogsTest, MissingOrBrokenFilesGiveMessageAndEmptyList) {
    QTemporaryDir empty;
    QTemporaryDir tooMany;
    std::string records;
    for (int i = 0; i < 257; ++i) records += std::to_string(i) + ",L\n";
    WriteFile(tooMany.filePath("LevelOffsets.dat"), records);

    for (const QTemporaryDir* dir : {&empty, &tooMany}) {
        RecordingPrompts prompts;
        LevelOffsetDialog dlg(dir->path().toStdString(), prompts, [](uint64_t, uint64_t) {});
        EXPECT_EQ(prompts.Shown.size(), 1u);
        EXPECT_EQ(Child<QListWidget>(&dlg, "lstLevels")->count(), 0);
        Click(&dlg, "cmdOK");
    }
    RecordingPrompts prompts;
    LevelIndexDialog dlg(empty.path().toStdString(), prompts, [](uint64_t) {});
    EXPECT_EQ(prompts.Shown.size(), 1u);
    EXPECT_EQ(Child<QListWidget>(&dlg, "lstLevels")->count(), 0);
}

TEST(HexDialogTest, GetReadsBytesAndEndShowsZero) {
    TempImage image;
    image.bytes.resize(0x300);
    image.Put(0, {0x0A});
    image.Put(0x200, {0xFF});
    image.Put(0x2FF, {0x5C});
    image.Open();
    RecordingPrompts prompts;
    HexDialog dlg(image.rom, prompts);
    EXPECT_EQ(TextOf(&dlg, "txtOffset"), "0");
    EXPECT_EQ(TextOf(&dlg, "txtValue"), "0");
    struct Case {
        const char* offset;
        const char* shown;
    } cases[] = {{"0", "A"},    {"200", "FF"}, {"1", "0"},
                 {"2ff", "5C"}, {"300", "0"},  {"FFFFFFFFFFFFFFFFFFFF", "0"}};
    for (const Case& c : cases) {
        Type(&dlg, "txtValue", "99");
        Type(&dlg, "txtOffset", c.offset);
        Click(&dlg, "cmdGet");
        EXPECT_EQ(TextOf(&dlg, "txtValue"), c.shown) << c.offset;
    }
    EXPECT_TRUE(prompts.Shown.empty());
}

TEST(HexDialogTest, PutWritesAndRefusesBadValuesOrOffsets) {
    TempImage image;
    image.bytes.resize(0x300);
    image.Put(0x10, {0x33});
    image.Open();
    RecordingPrompts prompts;
    HexDialog dlg(image.rom, prompts);

    // Get, Put the same value, Get again: the file is unchanged.
    Type(&dlg, "txtOffset", "10");
    Click(&dlg, "cmdGet");
    Click(&dlg, "cmdPut");
    Click(&dlg, "cmdGet");
    EXPECT_EQ(TextOf(&dlg, "txtValue"), "33");
    EXPECT_EQ(ReadFile(image.path), image.bytes);

    Type(&dlg, "txtOffset", "2FF");
    Type(&dlg, "txtValue", "ab");
    Click(&dlg, "cmdPut");
    image.bytes[0x2FF] = static_cast<char>(0xAB);
    EXPECT_EQ(ReadFile(image.path), image.bytes);
    Type(&dlg, "txtValue", "zz");  // no hex digit: writes 0
    Click(&dlg, "cmdPut");
    image.bytes[0x2FF] = 0;
    EXPECT_EQ(ReadFile(image.path), image.bytes);
    EXPECT_TRUE(prompts.Shown.empty());

    struct Case {
        const char* offset;
        const char* value;
    } refused[] = {{"10", "100"}, {"300", "1"}, {"FFFFFFFFFFFFFFFFFFFF", "1"}};
    for (const Case& c : refused) {
        Type(&dlg, "txtOffset", c.offset);
        Type(&dlg, "txtValue", c.value);
        Click(&dlg, "cmdPut");
        EXPECT_EQ(ReadFile(image.path), image.bytes) << c.offset;
    }
    ASSERT_EQ(prompts.Shown.size(), 3u);
    for (const Message& m : prompts.Shown) EXPECT_EQ(m.Title, "Tarnloft - User Error");
}

TEST(ObjectListWindowTest, MirrorsAndForwards) {
    QPointer<ObjectListWindow> win = new ObjectListWindow;
    std::vector<int> clicked;
    std::vector<std::string> filters;
    std::vector<std::array<bool, 3>> listables;
    int closed = 0;
    win->OnEntryClicked = [&](int row) { clicked.push_back(row); };
    win->OnFilterChanged = [&](const std::string& t) { filters.push_back(t); };
    win->OnListableChanged = [&](std::array<bool, 3> s) { listables.push_back(s); };
    win->OnClosed = [&] { ++closed; };

    auto* list = Child<QListWidget>(win, "lstObjects");
    win->SetEntries({"a", "b", "c", "d", "e"});
    list->setCurrentRow(4);
    win->SetEntries({"x", "y", "z", "w", "v", "u"});
    EXPECT_EQ(list->count(), 6);
    EXPECT_EQ(list->item(5)->text().toStdString(), "u");
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(clicked, std::vector<int>{4}) << "refills forward nothing";

    Type(win, "txtFilter", "12");
    EXPECT_EQ(filters, std::vector<std::string>{"12"});

    QList<QCheckBox*> boxes = win->findChildren<QCheckBox*>("chkListable");
    ASSERT_EQ(boxes.size(), 3);
    for (QCheckBox* box : boxes) EXPECT_TRUE(box->isChecked());
    for (QCheckBox* box : boxes)
        if (box->property("index").toInt() == 2) box->click();
    ASSERT_EQ(listables.size(), 1u);
    EXPECT_EQ(listables[0], (std::array<bool, 3>{true, true, false}));

    win->show();
    win->resize(300, 500);
    EXPECT_EQ(list->geometry(), QRect(0, 80, 292, 427));
    win->hide();
    EXPECT_EQ(closed, 0);
    win->show();
    win->close();
    FlushDeletes();
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(win.isNull());
}

TEST(AboutDialogTest, CancelComplainsAndStaysOpen) {
    RecordingPrompts prompts;
    AboutDialog dlg(prompts);
    EXPECT_EQ(Child<QLabel>(&dlg, "lblAbout")->text().left(4).toStdString(), "\r\n\r\n");
    dlg.show();
    Click(&dlg, "cmdCancel");
    PressKey(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    const std::string expected =
        "What on earth are you doing?  How do you cancel an about dialogue?      \r\n"
        "What do you expect it to do, undo the changes you made while in the about dialogue?\r\n"
        "You didn't do anything, it's a damn about dialogue!  \r\n\r\n" +
        std::string(38, ' ');
    ASSERT_EQ(prompts.Shown.size(), 2u);
    for (const Message& m : prompts.Shown) {
        EXPECT_EQ(m.Title, "Tarnloft - User Error");
        EXPECT_EQ(m.Text, expected);
    }
    PressKey(&dlg, Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
}

TEST(DialogGeometryTest, ControlsSitAtTwipsOverFifteen) {
    RomImage rom;
    RecordingPrompts prompts;
    QTemporaryDir dir;
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new HeaderDialog(rom, prompts));
    windows.emplace_back(new LevelIndexDialog(dir.path().toStdString(), prompts, nullptr));
    windows.emplace_back(new LevelOffsetDialog(dir.path().toStdString(), prompts, nullptr));
    windows.emplace_back(new HexDialog(rom, prompts));
    windows.emplace_back(new ObjectListWindow);
    windows.emplace_back(new AboutDialog(prompts));
    struct Case {
        size_t window;
        const char* name;  // empty: the window's own size
        QRect rect;
    } cases[] = {
        {0, "", {0, 0, 321, 521}},
        {0, "Frame1", {8, 8, 305, 441}},
        {0, "m", {176, 336, 105, 19}},
        {0, "u2", {176, 408, 105, 19}},
        {0, "cmdOk", {232, 488, 81, 25}},
        {1, "", {0, 0, 311, 359}},
        {1, "lstLevels", {0, 32, 209, 316}},
        {2, "", {0, 0, 318, 360}},
        {2, "cmdOK", {216, 32, 97, 25}},
        {3, "", {0, 0, 353, 153}},
        {3, "txtValue", {56, 88, 177, 19}},
        {4, "", {0, 0, 222, 466}},
        {4, "fraListOptions", {0, 8, 217, 65}},
        {5, "", {0, 0, 482, 446}},
        {5, "cmdOK", {384, 408, 89, 25}},
        {5, "imgIconGoesHere", {8, 8, 32, 32}},
    };
    for (const Case& c : cases) {
        QWidget* w = windows[c.window].get();
        if (*c.name) {
            EXPECT_EQ(Child(w, c.name)->geometry(), c.rect) << c.name;
        } else {
            EXPECT_EQ(w->size(), c.rect.size()) << w->objectName().toStdString();
        }
    }
    EXPECT_EQ(prompts.Shown.size(), 2u);  // the two missing list files
}

// The main window runs the modal dialogs with exec(): their buttons and Esc
// must end that loop by hiding, and the dialog must survive it to keep its
// boxes; only the window's close button discards it.
TEST(DialogLifetimeTest, ButtonsAndEscHideAndKeepTheDialogCloseButtonDiscardsIt) {
    RomImage rom;
    RecordingPrompts prompts;
    QTemporaryDir dir;
    int accepted = 0;
    auto header = [&]() -> QDialog* {
        auto* dlg = new HeaderDialog(rom, prompts);
        dlg->AcceptData(SampleHeader);
        dlg->OnAccepted = [&](const HeaderBytesArray&) { ++accepted; };
        return dlg;
    };
    auto index = [&]() -> QDialog* {
        return new LevelIndexDialog(dir.path().toStdString(), prompts, nullptr);
    };
    auto offset = [&]() -> QDialog* {
        return new LevelOffsetDialog(dir.path().toStdString(), prompts, nullptr);
    };
    auto hex = [&]() -> QDialog* { return new HexDialog(rom, prompts); };
    auto about = [&]() -> QDialog* { return new AboutDialog(prompts); };
    struct Case {
        std::function<QDialog*()> make;
        const char* button;  // nullptr: Esc
    } cases[] = {{header, "cmdCancel"}, {header, nullptr}, {header, "cmdOk"},
                 {index, nullptr},      {index, "cmdOK"},  {offset, "cmdCancel"},
                 {hex, nullptr},        {hex, "cmdExit"},  {about, "cmdOK"}};
    for (const Case& c : cases) {
        const char* how = c.button ? c.button : "Esc";
        QPointer<QDialog> dlg = c.make();
        QTimer::singleShot(0, dlg, [&] { c.button ? Click(dlg, c.button) : PressKey(dlg, Qt::Key_Escape); });
        // A safety net so that a failure cannot hang the suite.
        QTimer::singleShot(2000, dlg, [&] { dlg->done(99); });
        int result = dlg->exec();
        FlushDeletes();
        ASSERT_FALSE(dlg.isNull()) << how;
        EXPECT_NE(result, 99) << how;
        EXPECT_FALSE(dlg->isVisible());
        dlg->show();
        dlg->close();
        FlushDeletes();
        EXPECT_TRUE(dlg.isNull()) << how;
    }
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(prompts.Shown.size(), 3u);  // each list dialog complains about its missing file
}

TEST(LevelListDialogsTest, ShippedListsLoadWithoutComplaint) {
    RecordingPrompts prompts;
    LevelIndexDialog index(TARNLOFT_DATA_DIR, prompts, nullptr);
    LevelOffsetDialog offsets(TARNLOFT_DATA_DIR, prompts, nullptr);
    EXPECT_TRUE(prompts.Shown.empty()) << prompts.Last().Text;
    EXPECT_GT(Child<QListWidget>(&index, "lstLevels")->count(), 0);
    EXPECT_GT(Child<QListWidget>(&offsets, "lstLevels")->count(), 0);
}
