#include "app/startup.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "app/main_window.h"
#include "app/paint/font_substitution.h"
#include "app/print/batch_print.h"
#include "app/screenshot.h"
#include "dialogs/installer_dialog.h"
#include "document/data_folder.h"

// The resources of a static library are registered by name, outside every namespace.
static void registerProgramIcon() {
    Q_INIT_RESOURCE(program_icon);
}

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
    } else if (arguments.size() >= 3 && arguments.front() == QStringLiteral("--pdf")) {
        request.kind = StartRequest::Kind::pdf;
        request.picture = arguments[1];
        request.path = arguments[2];
        if (arguments.size() >= 5 && arguments[3] == QStringLiteral("--profile")) {
            request.profile = arguments[4];
        }
    } else if (arguments.size() == 2 &&
               arguments.front().compare(QStringLiteral("/p"), Qt::CaseInsensitive) == 0) {
        request.kind = StartRequest::Kind::print;
        request.path = arguments[1];
    } else if (!arguments.isEmpty()) {
        request.path = arguments.front();
    }
    return request;
}

bool runsWithoutWindow(const QStringList& arguments) {
    const auto kind = parseCommandLine(arguments).kind;
    return kind == StartRequest::Kind::screenshot || kind == StartRequest::Kind::pdf ||
           kind == StartRequest::Kind::print;
}

void setUpApplication(QApplication& app) {
    QCoreApplication::setOrganizationName(QStringLiteral("Drem"));
    QCoreApplication::setApplicationName(QStringLiteral("Kesto"));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    installFontSubstitutes();
    registerProgramIcon();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kesto.png")));
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

int runProgram(QApplication& app, const StartRequest& request) {
    if (request.kind == StartRequest::Kind::installer) {
        // The installer copies the program's files; it never creates a document or a window.
        return dialogs::runInstaller();
    }
    if (request.kind == StartRequest::Kind::pdf) {
        return printToPdf(request.picture, request.path, request.profile);
    }
    if (request.kind == StartRequest::Kind::print) {
        return printToDefaultPrinter(request.path);
    }
    QSettings settings;
    MainWindow window(settings, dataFolder());
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
