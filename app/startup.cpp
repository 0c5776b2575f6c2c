#include "app/startup.h"

#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "app/main_window.h"
#include "app/screenshot.h"
#include "platform/files.h"

namespace kesto::app {

StartRequest parseCommandLine(const QStringList& arguments) {
    StartRequest request;
    if (arguments == QStringList{QStringLiteral("/install")}) {
        request.kind = StartRequest::Kind::installer;
    } else if (!arguments.isEmpty() && arguments.front() == QStringLiteral("--screenshot") &&
               arguments.size() >= 2) {
        request.kind = StartRequest::Kind::screenshot;
        request.picture = arguments[1];
        request.path = arguments.value(2);
    } else if (!arguments.isEmpty()) {
        request.path = arguments.front();
    }
    return request;
}

void setUpApplication(QApplication& app) {
    QCoreApplication::setOrganizationName(QStringLiteral("Drem"));
    QCoreApplication::setApplicationName(QStringLiteral("Kesto"));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

int runProgram(QApplication& app, const StartRequest& request) {
    if (request.kind == StartRequest::Kind::installer) {
        // The installer copies the program's files; it never creates a document or a window.
        return 0;
    }
    QSettings settings;
    MainWindow window(settings, executableFolder());
    if (request.kind == StartRequest::Kind::screenshot) {
        return saveScreenshot(window, request.path, request.picture) ? 0 : 1;
    }
    if (!request.path.isEmpty() && !window.openDocument(request.path)) {
        return 1;
    }
    window.showAtStoredPlacement();
    return app.exec();
}

}  // namespace kesto::app
