// Shared helpers of the window tests: a fresh demo image, a main window
// started on it, and finding controls by objectName.
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "app/mainwindow.h"
#include "recordingprompts.h"

using namespace tarnloft;

namespace uitest {

inline std::string DataFolder() { return TARNLOFT_DATA_DIR; }

// demo.smc in a temporary folder, made by $TARNLOFT_DEMOGEN or the generator beside the tests.
class DemoImage {
public:
    DemoImage() {
        const QString generator = qEnvironmentVariable(
            "TARNLOFT_DEMOGEN", QCoreApplication::applicationDirPath() + "/tarnloft_demogen");
        path_ = dir_.filePath("demo.smc");
        QProcess process;
        process.start(generator, {path_, QString::fromStdString(DataFolder())});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) path_.clear();
    }
    bool Ok() const { return !path_.isEmpty(); }
    std::string Path() const { return path_.toStdString(); }
    QByteArray Bytes() const {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString Folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString path_;
};

// A main window started on the demo image, shown and active (for focus and shortcuts).
struct StartedWindow {
    RecordingPrompts Prompts;
    DemoImage Image;
    std::unique_ptr<MainWindow> Window;
    bool Started = false;
    bool Active = false;
    StartedWindow() {
        if (!Image.Ok()) return;
        Window = std::make_unique<MainWindow>(Prompts, DataFolder());
        Prompts.FileAnswers.push_back(Image.Path());
        if (!(Started = Window->Startup())) return;
        Window->show();
        Window->activateWindow();
        Active = QTest::qWaitForWindowActive(Window.get());
    }
};

#define REQUIRE_STARTED(w)                                                                \
    if (!(w).Image.Ok()) GTEST_SKIP() << "the demo image generator is missing or failed"; \
    ASSERT_TRUE((w).Started)

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

}  // namespace uitest
