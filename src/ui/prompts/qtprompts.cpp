#include "prompts/qtprompts.h"

#include <QApplication>
#include <QFileDialog>
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

void QtPrompts::EndProgram() {
    ended_ = true;
    QCoreApplication::exit(0);
}

}  // namespace tarnloft
