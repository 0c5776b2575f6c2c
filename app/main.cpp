#include <QApplication>

#include "app/startup.h"

int main(int argc, char* argv[]) {
    const bool screenshot = argc > 1 && QByteArray(argv[1]) == "--screenshot";
    // A picture needs no display.
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    kesto::app::setUpApplication(app);
    return kesto::app::runProgram(app, kesto::app::parseCommandLine(app.arguments().mid(1)));
}
