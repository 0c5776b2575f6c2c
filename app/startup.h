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
        pdf,         // "--pdf OUT.pdf DOC.kso [--profile SETTINGS.ini]": the report to a PDF file
        print,       // "/p DOC.kso": the report to the default printer
    };
    Kind kind = Kind::document;
    QString path;     // the document to open; empty for a new one
    QString picture;  // the picture or PDF file to write
    QString profile;  // the settings file of "--profile"; empty for the program's own
};

// The arguments after the program name. Only "/install" exactly is the installer switch; any
// other first argument, "/INSTALL" too, names a document.
StartRequest parseCommandLine(const QStringList& arguments);

// Organisation "Drem", application "Kesto", Qt's own texts in Japanese, and the installed
// Japanese fonts standing in for the Windows ones.
void setUpApplication(QApplication& app);

// True for the requests that need no display: a picture, a PDF file, printing.
bool runsWithoutWindow(const QStringList& arguments);

// Runs the program for the request; the exit status.
int runProgram(QApplication& app, const StartRequest& request);

}  // namespace kesto::app
