// Shared helpers of the window tests: prompts that record every message and
// answer the file dialog from a queue, a fresh demo image, the fixture of a
// main window started on it, and finding controls by objectName.
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/mainwindow.h"
#include "prompts/prompts.h"
#include "support/testimage.h"

using namespace tarnloft;

// Records every message, answers the file dialog from a queue (an empty
// queue means Cancel) and counts EndProgram.
class RecordingPrompts : public Prompts {
public:
    std::vector<Message> Shown;
    std::deque<std::optional<std::string>> FileAnswers;
    std::deque<bool> YesNoAnswers;  // an empty queue answers Yes
    int EndCalls = 0;
    int ChooseCalls = 0;

    // Answers of the picture export's dialogs, in order; empty means Cancel.
    std::deque<std::optional<std::string>> PictureAnswers;
    std::deque<std::optional<int>> NumberAnswers;

    // Called as each message is shown, to look at the window behind it.
    std::function<void(const Message&)> OnShow;

    void ShowMessage(const std::string& title, const std::string& text) override {
        Shown.push_back(Message{title, text});
        if (OnShow) OnShow(Shown.back());
    }

    bool AskYesNo(const std::string& title, const std::string& text) override {
        Shown.push_back(Message{title, text});
        if (YesNoAnswers.empty()) return true;
        const bool answer = YesNoAnswers.front();
        YesNoAnswers.pop_front();
        return answer;
    }

    std::optional<std::string> ChooseRomFile() override {
        ++ChooseCalls;
        if (FileAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = FileAnswers.front();
        FileAnswers.pop_front();
        return answer;
    }

    void EndProgram() override { ++EndCalls; }

    std::optional<std::string> ChoosePictureFile(const std::string&) override { return Next(PictureAnswers); }
    std::optional<std::string> ChoosePictureFolder() override { return Next(PictureAnswers); }
    std::optional<int> AskNumber(const std::string&, const std::string&, int, int, int) override {
        return Next(NumberAnswers);
    }

    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // The last message shown, or an empty one.
    Message Last() const { return Shown.empty() ? Message{} : Shown.back(); }
};

namespace uitest {

inline std::string DataFolder() { return TARNLOFT_DATA_DIR; }

// demo.smc in a scratch folder.
class DemoImage {
public:
    DemoImage() : ok_(testimage::MakeDemoImage(Path(), DataFolder())) {}
    bool Ok() const { return ok_; }
    std::string Path() const { return folder_.File("demo.smc"); }
    testimage::Image Bytes() const { return testimage::ReadFile(Path()); }
    QString Folder() const { return QString::fromStdString(folder_.Path()); }

private:
    testimage::ScratchFolder folder_;
    bool ok_ = false;
};

template <typename T>
T* Find(QObject* root, const char* name) {
    return root->findChild<T*>(QString::fromLatin1(name));
}

// The member of a control array (chkListable, cmdMoveScreen, mnuViewZoom) with this "index".
template <typename T>
T* FindIndexed(QObject* root, const char* name, int index) {
    for (T* item : root->findChildren<T*>(QString::fromLatin1(name)))
        if (item->property("index").toInt() == index) return item;
    return nullptr;
}

// A main window started on the demo image, shown and active (for focus and
// shortcuts); skipped when the demo image cannot be made.
class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        if (!Image.Ok()) GTEST_SKIP() << "the demo image generator is missing or failed";
        owned_ = std::make_unique<MainWindow>(Prompts, DataFolder());
        window = owned_.get();
        Prompts.FileAnswers.push_back(Image.Path());
        ASSERT_TRUE(window->Startup());
        window->show();
        window->activateWindow();
        Active = QTest::qWaitForWindowActive(window);
    }

    template <typename T = QWidget>
    T* Find(const char* name) {
        return uitest::Find<T>(window, name);
    }
    template <typename T>
    T* Find(QObject* root, const char* name) {
        return uitest::Find<T>(root, name);
    }
    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
    const EditorState& State() const { return window->State(); }

    // Puts these entries (entry 1 selected when there is one) and exits on
    // screen, scrolled to the top left.
    void UseLevel(std::vector<LevelObject> entries, std::vector<ScreenExit> exits = {}) {
        EditorState state = State();
        state.Level.LevelObjects = std::move(entries);
        state.Level.ScreenExits = std::move(exits);
        state.Level.SelectedObject = 1;
        state.View.H.Value = state.View.V.Value = 0;
        window->Session().Apply(&Editor::Reset, state);
    }

    RecordingPrompts Prompts;
    DemoImage Image;
    MainWindow* window = nullptr;
    bool Active = false;

private:
    std::unique_ptr<MainWindow> owned_;
};

}  // namespace uitest
