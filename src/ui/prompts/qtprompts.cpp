#include "prompts/qtprompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

namespace tarnloft {

namespace {
QString FromLocal(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }
}  // namespace

void QtPrompts::ShowMessage(const std::string& title, const std::string& text) {
    // Message texts use CR LF line breaks; Qt wants plain LF.
    QString body = FromLocal(text);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::NoIcon, FromLocal(title), body, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<std::string> QtPrompts::ChooseRomFile() {
    // Qt's own dialog, so that the path can be typed the same way everywhere.
    const QString name =
        QFileDialog::getOpenFileName(parent_, QString(), QString(), QStringLiteral("ROMs (*.smc)"), nullptr,
                                     QFileDialog::DontUseNativeDialog);
    if (name.isEmpty()) return std::nullopt;
    return name.toLocal8Bit().toStdString();
}

void QtPrompts::EndProgram() {
    ended_ = true;
    QCoreApplication::exit(0);
}

}  // namespace tarnloft
