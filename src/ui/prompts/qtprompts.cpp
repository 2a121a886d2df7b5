#include "prompts/qtprompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

#include "widgets/qtstrings.h"

namespace tarnloft {

void QtPrompts::ShowMessage(const std::string& title, const std::string& text) {
    // Message texts use CR LF line breaks; Qt wants plain LF.
    QMessageBox box(QMessageBox::NoIcon, ToQString(title), ToCaption(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPrompts::AskYesNo(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(title), ToCaption(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtPrompts::ChooseRomFile() {
    // Qt's own dialog, so that the path can be typed the same way everywhere.
    const QString name =
        QFileDialog::getOpenFileName(parent_, QString(), QString(), QStringLiteral("ROMs (*.smc)"), nullptr,
                                     QFileDialog::DontUseNativeDialog);
    if (name.isEmpty()) return std::nullopt;
    return FileNameToStd(name);
}

std::optional<std::string> QtPrompts::ChoosePictureFile(const std::string& suggested) {
    const QString name = QFileDialog::getSaveFileName(
        parent_, QStringLiteral("Export Level Picture"), FileNameToQString(suggested),
        QStringLiteral("PNG images (*.png)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (name.isEmpty()) return std::nullopt;
    return FileNameToStd(name);
}

std::optional<std::string> QtPrompts::ChoosePictureFolder() {
    const QString name =
        QFileDialog::getExistingDirectory(parent_, QStringLiteral("Export All Level Pictures"), QString(),
                                          QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (name.isEmpty()) return std::nullopt;
    return FileNameToStd(name);
}

std::optional<int> QtPrompts::AskNumber(const std::string& title, const std::string& label, int value,
                                        int least, int most) {
    bool ok = false;
    const int number =
        QInputDialog::getInt(parent_, ToQString(title), ToQString(label), value, least, most, 1, &ok);
    if (!ok) return std::nullopt;
    return number;
}

void QtPrompts::EndProgram() {
    ended_ = true;
    QCoreApplication::exit(0);
}

}  // namespace tarnloft
