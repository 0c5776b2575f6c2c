// Program start: the command line, the application's names and language, the main window.
#pragma once

#include <QApplication>
#include <QStringList>

namespace kesto::app {

struct StartRequest {
    enum class Kind {
        document,    // a new document, or the one named by `path`
        installer,   // exactly "/install": the installer, without a document or a main window
        screenshot,  // "--screenshot OUT.png [DOC.kso]": the main window rendered to a picture
    };
    Kind kind = Kind::document;
    QString path;     // the document to open; empty for a new one
    QString picture;  // the picture to write
};

// The arguments after the program name. Only "/install" exactly is the installer switch; any
// other first argument, "/INSTALL" too, names a document.
StartRequest parseCommandLine(const QStringList& arguments);

// Organisation "Drem", application "Kesto", and Qt's own texts in Japanese.
void setUpApplication(QApplication& app);

// Runs the program for the request; the exit status.
int runProgram(QApplication& app, const StartRequest& request);

}  // namespace kesto::app
