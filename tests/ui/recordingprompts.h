// A Prompts fake for window tests: records every message, answers the file
// dialog from a queue (an empty queue means Cancel) and counts EndProgram.
#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "prompts/prompts.h"
#include "util/message.h"

using namespace tarnloft;

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
