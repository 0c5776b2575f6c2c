// The paper of the report's sheets as the print settings keep it: a page size by its PostScript
// name and an orientation. The printer, the print preview and PDF output all take it from there,
// so that a PDF written without a printer has the sheets the printer set-up chose.
#pragma once

#include <QPageLayout>

#include "report/print_layout.h"

class QPrinter;

namespace kesto::app {

// The sheets of `settings` without margins: the named paper (A4 when the name is unknown) in
// the kept orientation.
QPageLayout sheetLayout(const PrintSettings& settings);

// Puts the paper and orientation of `settings` in `printer`, which keeps its own margins.
void usePaper(const PrintSettings& settings, QPrinter& printer);

// Keeps the paper and orientation of `layout` in `settings`.
void keepPaper(const QPageLayout& layout, PrintSettings& settings);

}  // namespace kesto::app
