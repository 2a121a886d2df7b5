// Window tests of the dialogs, driven by objectName.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <vector>

#include "dialogs/headerdialog.h"
#include "dialogs/hexdialog.h"
#include "dialogs/levelindexdialog.h"
#include "dialogs/leveloffsetdialog.h"
#include "rom/romimage.h"
#include "support/faultywrites.h"
#include "support/testimage.h"
#include "uitestsupport.h"

using namespace tarnloft;

namespace {

template <typename T = QWidget>
T* Child(QWidget* w, const char* name) {
    return w->findChild<T*>(name);
}
void Click(QWidget* w, const char* name) { Child<QPushButton>(w, name)->click(); }
void Type(QWidget* w, const char* name, const char* text) { Child<QLineEdit>(w, name)->setText(text); }
std::string TextOf(QWidget* w, const char* name) { return Child<QLineEdit>(w, name)->text().toStdString(); }

// An opened image in a scratch file.
struct TempImage {
    testimage::ScratchFolder folder;
    testimage::Image bytes;
    RomImage rom;
    explicit TempImage(testimage::Image image) : bytes(std::move(image)) {
        testimage::WriteFile(folder.File("test.smc"), bytes);
        EXPECT_FALSE(rom.Open(folder.File("test.smc")).has_value());
    }
    testimage::Image OnDisk() const { return testimage::ReadFile(folder.File("test.smc")); }
};

}  // namespace

// The import rules themselves are the core's (tests/core/level/header_test.cpp).
TEST(HeaderDialogTest, BoxesPackImportAndRefuseBadValues) {
    const HeaderBytesArray sample = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x0F, 0x80};
    // Level 0 points at $01:FF00 (file offset 0x10100).
    testimage::Image bytes(0xC0000, 0);
    testimage::Put(bytes, testimage::TableRow(0), {0x00, 0xFF, 0x01});
    testimage::Put(bytes, 0x10100, {sample.begin(), sample.end()});
    TempImage image(bytes);
    RecordingPrompts prompts;
    HeaderDialog dlg(image.rom, prompts);
    std::vector<HeaderBytesArray> accepted;
    QObject::connect(&dlg, &HeaderDialog::Accepted,
                     [&](const HeaderBytesArray& b) { accepted.push_back(b); });
    dlg.AcceptData(sample);
    QStringList texts;
    for (const QString& name : QString("s t f i b l c p r o u a e g y m u2 txtImportNum").split(' '))
        texts << Child<QLineEdit>(&dlg, name.toLatin1())->text();
    EXPECT_EQ(texts.join(' '), "2 4 13 2 44 60 19 43 12 27 3 1 112 0 0 31 0 0");
    dlg.show();
    Child(&dlg, "m")->setFocus();
    QTest::keyClick(Child(&dlg, "m"), Qt::Key_Return);  // Enter presses the default button
    EXPECT_EQ(accepted, std::vector<HeaderBytesArray>{sample});
    EXPECT_FALSE(dlg.isVisible());

    const struct {
        const char *box, *text, *message;
    } cases[] = {
        {"m", "32", "Music must be a whole number from 0 to 31."},
        {"u2", "-1", "Midring must be a whole number from 0 to 127."},
        {"p", "abc", "Sprite Set must be a whole number from 0 to 127."},
    };
    dlg.show();
    for (const auto& c : cases) {
        dlg.AcceptData(sample);
        Type(&dlg, c.box, c.text);
        Click(&dlg, "cmdOk");
        EXPECT_TRUE(dlg.isVisible() && accepted.size() == 1) << c.box;
        EXPECT_EQ(prompts.Last().Title + "|" + prompts.Last().Text,
                  std::string("Tarnloft - User Error|") + c.message);
    }
    // Import only fills the boxes; an empty number means level 0.
    dlg.AcceptData(HeaderBytesArray{});
    Type(&dlg, "txtImportNum", "");
    Click(&dlg, "cmdImport");
    EXPECT_EQ(TextOf(&dlg, "b") + " " + TextOf(&dlg, "m"), "44 31");
    EXPECT_EQ(accepted.size(), 1u);
    EXPECT_EQ(prompts.Shown.size(), std::size(cases));
}

// Picking a line is EntryPicking's, loading from the window DialogWiring's.
TEST(LevelListDialogsTest, AListLineFillsTheLevelOffsetOnly) {
    testimage::ScratchFolder dir;
    dir.Write("LevelOffsets.dat", "123456,First\n1E5234,\"Second\"\n");
    RecordingPrompts prompts;
    std::vector<std::pair<uint64_t, uint64_t>> offsets;
    LevelOffsetDialog offset(dir.Path(), prompts);
    QObject::connect(&offset, &LevelOffsetDialog::OffsetsChosen,
                     [&](quint64 l, quint64 s) { offsets.emplace_back(l, s); });
    auto* list = Child<QListWidget>(&offset, "lstLevels");
    EXPECT_EQ(list->item(0)->text().toStdString(), "First");
    Type(&offset, "txtSpriteOffset", "77");
    emit list->itemClicked(list->item(1));  // fills the level offset only
    Click(&offset, "cmdOK");
    EXPECT_EQ(offsets, (std::vector<std::pair<uint64_t, uint64_t>>{{0x1E5234, 0x77}}));
    EXPECT_TRUE(prompts.Shown.empty());
}

TEST(HexDialogTest, GetPutRoundTripRefusalsAndFailedWrites) {
    testimage::Image bytes(0x300, 0);
    for (auto [at, value] : {std::pair{0, 0x0A}, {0x10, 0x33}, {0x200, 0xFF}, {0x2FF, 0x5C}})
        bytes[at] = value;
    TempImage image(bytes);
    RecordingPrompts prompts;
    HexDialog dlg(image.rom, prompts);
    EXPECT_EQ(TextOf(&dlg, "txtOffset") + TextOf(&dlg, "txtValue"), "00");
    const std::string huge(20, 'F');  // beyond 64 bits
    const std::pair<const char*, const char*> gets[] = {
        {"0", "A"}, {"2ff", "5C"}, {"300", "0"}, {huge.c_str(), "0"}};
    for (const auto& [offset, shown] : gets) {
        Type(&dlg, "txtValue", "99");
        Type(&dlg, "txtOffset", offset);
        Click(&dlg, "cmdGet");
        EXPECT_EQ(TextOf(&dlg, "txtValue"), shown) << offset;
    }
    Type(&dlg, "txtOffset", "10");
    Click(&dlg, "cmdGet");
    Click(&dlg, "cmdPut");  // putting back what Get showed changes nothing
    EXPECT_EQ(image.OnDisk(), image.bytes);
    // Offset, value, the byte stored at 0x2FF (-1: refused with a message).
    const std::tuple<const char*, const char*, int> puts[] = {
        {"2FF", "ab", 0xAB}, {"2FF", "zz", 0}, {"10", "100", -1}, {"300", "1", -1}, {huge.c_str(), "1", -1}};
    size_t refusals = 0;
    for (const auto& [offset, value, stored] : puts) {
        Type(&dlg, "txtOffset", offset);
        Type(&dlg, "txtValue", value);
        Click(&dlg, "cmdPut");
        stored < 0 ? void(++refusals) : void(image.bytes[0x2FF] = uint8_t(stored));
        EXPECT_EQ(image.OnDisk(), image.bytes) << value;
        EXPECT_EQ(prompts.Shown.size(), refusals) << value;
        EXPECT_EQ(prompts.Last().Title, refusals ? "Tarnloft - User Error" : "") << value;
    }
    // A write that fails is reported, never taken for done.
    Type(&dlg, "txtOffset", "200");
    Type(&dlg, "txtValue", "5A");
    for (WriteFault fault : {WriteFault::WriteFails, WriteFault::WriteShort, WriteFault::FlushFails}) {
        {
            FaultyWrites faults(fault, 1);
            Click(&dlg, "cmdPut");
        }
        EXPECT_EQ(prompts.Last().Title, "Tarnloft - This is bad");
        EXPECT_EQ(prompts.Last().Text.rfind("The byte could not be written: ", 0), 0u) << prompts.Last().Text;
    }
    Click(&dlg, "cmdPut");
    EXPECT_EQ(image.OnDisk().at(0x200), 0x5A);
}

// Every caption is whole and at least 7 pt; the header dialog, whose long
// captions need a smaller font, has one size throughout.
TEST(DialogFonts, CaptionsAreWholeAndReadable) {
    RomImage rom;
    RecordingPrompts prompts;
    HeaderDialog header(rom, prompts);
    HexDialog hex(rom, prompts);
    LevelIndexDialog index(TARNLOFT_DATA_DIR, prompts);
    LevelOffsetDialog offset(TARNLOFT_DATA_DIR, prompts);
    for (QWidget* dialog : std::initializer_list<QWidget*>{&header, &hex, &index, &offset}) {
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            const QString name = dialog->objectName() + " " + widget->metaObject()->className();
            EXPECT_GE(widget->font().pointSizeF(), 7) << name.toStdString();
            if (dialog == &header) {
                EXPECT_EQ(widget->font(), header.font()) << name.toStdString();
            }
            auto* label = qobject_cast<QLabel*>(widget);
            if (label && !label->wordWrap()) {
                EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text().remove('&')),
                          label->width())
                    << name.toStdString() << " " << label->text().toStdString();
            }
        }
    }
}
