#include <QApplication>

#include "app/startup.h"

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // A picture or a PDF file needs no display.
    if (kesto::app::runsWithoutWindow(arguments) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    kesto::app::setUpApplication(app);
    return kesto::app::runProgram(app, kesto::app::parseCommandLine(app.arguments().mid(1)));
}
