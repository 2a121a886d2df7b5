// Shared by the figures measured through the real main window: prompts that
// answer the file dialog and stay quiet, and a window started on a fresh
// copy of the demo image.
#pragma once
#include <QCoreApplication>
#include <cstdio>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "app/mainwindow.h"
#include "bench.h"
#include "prompts/prompts.h"

namespace bench {

// Answers the file dialog with the queued paths and keeps messages quiet.
class QuietPrompts : public tarnloft::Prompts {
public:
    std::deque<std::string> FileAnswers;
    int MessageCount = 0;

    void ShowMessage(const std::string&, const std::string&) override { ++MessageCount; }
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> ChooseRomFile() override {
        if (FileAnswers.empty()) return std::nullopt;
        std::string answer = FileAnswers.front();
        FileAnswers.pop_front();
        return answer;
    }
    void EndProgram() override {}
};

inline void ProcessPendingEvents() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// The main window, shown offscreen on a fresh copy of the demo image; null
// (with a message) when it does not start.
inline std::unique_ptr<tarnloft::MainWindow> StartWindow(QuietPrompts& prompts) {
    prompts.FileAnswers.push_back(FreshDemoImageCopy());
    auto window = std::make_unique<tarnloft::MainWindow>(prompts, TARNLOFT_DATA_DIR);
    if (!window->Startup()) {
        std::fprintf(stderr, "tarnloft_bench: the main window did not start on the demo image\n");
        return nullptr;
    }
    window->show();
    ProcessPendingEvents();
    return window;
}

}  // namespace bench
