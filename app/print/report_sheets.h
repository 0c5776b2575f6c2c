// The printed calculation report on any paint device: the printer, the print preview and PDF
// all draw their sheets with this routine. Preparing lists the report once (the conditions
// lines in the output unit, the message lines of every page, the sheet counts); each sheet is
// then drawn in the device's own units.
#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "report/print_layout.h"

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;

namespace kesto {
class KestoDocument;
}

namespace kesto::app {

// Told before each sheet of a print run is drawn: what the sheet holds, how many sheets of the
// run are done and how many the run has.
using SheetObserver = std::function<void(const SheetContent& sheet, int done, int count)>;

class ReportSheets {
  public:
    // The document's current page is never changed: every block is laid out apart from it.
    explicit ReportSheets(KestoDocument& document);

    int sheetCount() const { return counts_.total(); }
    const SheetCounts& counts() const { return counts_; }

    // Draws sheet `n` (1-based) with `painter`, which is active on `device`.
    void paintSheet(QPainter& painter, const QPaintDevice& device, int n) const;

    // What sheet `n` (1-based) holds.
    SheetContent sheet(int n) const;

    // Sheets `first` to `last` (1-based; 0 for the first or the last sheet), one per page of
    // the device; false when the device cannot be painted on.
    bool paintAll(QPagedPaintDevice& device, int first = 0, int last = 0,
                  const SheetObserver& observer = {}) const;

  private:
    KestoDocument& document_;
    PrintSettings settings_;
    std::vector<std::string> conditionLines_;
    SheetCounts counts_;
};

// The whole report written to a PDF file with its fonts embedded, on the paper of the print
// settings. Returns an empty text on success, else the reason.
QString writeReportPdf(KestoDocument& document, const QString& path,
                       const SheetObserver& observer = {});

}  // namespace kesto::app
