// Prompts for the real program: modal message boxes (OK only, no icon), the
// file-open dialog for ROM images, the dialogs of the picture export, and
// ending the program.
#pragma once
#include "prompts/prompts.h"

class QWidget;

namespace tarnloft {

class QtPrompts : public Prompts {
public:
    QtPrompts() = default;

    // Window that owns the boxes and the file dialog (may be null).
    void SetParentWidget(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const std::string& title, const std::string& text) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> ChooseRomFile() override;
    std::optional<std::string> ChoosePictureFile(const std::string& suggested) override;
    std::optional<std::string> ChoosePictureFolder() override;
    std::optional<int> AskNumber(const std::string& title, const std::string& label, int value, int least,
                                 int most) override;
    // Leaves every running event loop; main() returns at once when the loop
    // had not started yet (checked through Ended()).
    void EndProgram() override;

    bool Ended() const { return ended_; }

private:
    QWidget* parent_ = nullptr;
    bool ended_ = false;
};

}  // namespace tarnloft
