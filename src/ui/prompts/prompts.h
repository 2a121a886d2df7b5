// The one seam for everything modal that talks to the user: message boxes,
// the file-open dialog and ending the program. Tests substitute a recorder.
#pragma once
#include <optional>
#include <string>

#include "util/message.h"

namespace tarnloft {

class Prompts {
public:
    virtual ~Prompts() = default;

    // A modal box with an OK button only and no icon.
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    void Show(const Message& message) { ShowMessage(message.Title, message.Text); }
    void ShowAll(const MessageList& messages) {
        for (const Message& m : messages) Show(m);
    }

    // A question with Yes and No buttons, Yes the default; true for Yes.
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;

    // The file-open dialog with the filter "ROMs (*.smc)"; nullopt on Cancel.
    virtual std::optional<std::string> ChooseRomFile() = 0;

    // For the picture export: a file to save to (starting at `suggested`),
    // a folder, and a whole number from `least` to `most`; nullopt on Cancel.
    virtual std::optional<std::string> ChoosePictureFile(const std::string& /*suggested*/) {
        return std::nullopt;
    }
    virtual std::optional<std::string> ChoosePictureFolder() { return std::nullopt; }
    virtual std::optional<int> AskNumber(const std::string& /*title*/, const std::string& /*label*/,
                                         int /*value*/, int /*least*/, int /*most*/) {
        return std::nullopt;
    }

    // Ends the program at once (after the caller's last message).
    virtual void EndProgram() = 0;
};

}  // namespace tarnloft
