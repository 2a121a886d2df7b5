// The editor: one main window on one ROM image.
#include <QApplication>

#include "app/mainwindow.h"
#include "prompts/qtprompts.h"
#include "widgets/qtstrings.h"

using tarnloft::MainWindow;
using tarnloft::QtPrompts;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtPrompts prompts;
    MainWindow window(prompts, tarnloft::FileNameToStd(QCoreApplication::applicationDirPath()));
    prompts.SetParentWidget(&window);
    if (!window.Startup() || prompts.Ended()) return 0;
    window.show();
    if (prompts.Ended()) return 0;
    return app.exec();
}
