// Printing from the command line without a window: the report of a document to a PDF file or
// to the default printer. The exit status is 0 on success, 2 with a message on the error
// stream when the document cannot be opened, the file cannot be written or no printer exists.
#pragma once

#include <QString>

namespace kesto::app {

// `profilePath` names a settings file with sections "Font" and "Print" to use instead of the
// program's own profile; empty for the program's own.
int printToPdf(const QString& pdfPath, const QString& documentPath, const QString& profilePath);

int printToDefaultPrinter(const QString& documentPath);

}  // namespace kesto::app
