// The printing commands of the main window: print, print preview, printer set-up, PDF output
// and the two print settings. None of them marks the document modified.
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <functional>

#include "app/long_work.h"
#include "app/main_window.h"
#include "app/page_view.h"
#include "app/paint/font_substitution.h"
#include "app/print/report_sheets.h"
#include "app/print/sheet_paper.h"
#include "dialogs/print_page_dialog.h"

namespace kesto::app {
namespace {

// A print run as long work: the wait cursor and, after half a second, its progress. While a
// block sheet is drawn the status bar's page pane shows the position of its first page, as when
// that page is made current; afterwards it shows the current page again.
bool runPrint(QWidget* parent, QLabel* pagePane, const KestoDocument& document,
              const QString& label, const std::function<bool(const SheetObserver&)>& run) {
    bool done = false;
    {
        LongWork work(parent, label, false);
        done = run([&](const SheetContent& sheet, int drawn, int count) {
            if (sheet.kind == SheetContent::kBlocks) {
                pagePane->setText(QString::fromStdString(
                    document.pageStatusText(sheet.blocks.front().pageIndex)));
            }
            work.progress(drawn, count);
        });
    }
    pagePane->setText(QString::fromStdString(document.pageStatusText()));
    return done;
}

}  // namespace

QPrinter& MainWindow::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        usePaper(document_->printSettings(), *printer_);
    }
    printer_->setDocName(windowTitle().remove(QStringLiteral("[*]")));
    return *printer_;
}

void MainWindow::printReport() {
    const ReportSheets sheets(*document_);
    QPrinter& device = printer();
    QPrintDialog dialog(&device, this);
    dialog.setMinMax(1, std::max(1, sheets.sheetCount()));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    keepPrinterPaper();
    const bool range = device.printRange() == QPrinter::PageRange;
    const bool printed = runPrint(this, pagePane_, *document_, QStringLiteral("印刷しています。"),
                                  [&](const SheetObserver& observer) {
                                      return sheets.paintAll(device, range ? device.fromPage() : 0,
                                                             range ? device.toPage() : 0, observer);
                                  });
    if (!printed) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("印刷できませんでした。"));
    }
}

void MainWindow::previewReport() {
    const ReportSheets sheets(*document_);
    QPrintPreviewDialog preview(&printer(), this);
    preview.setWindowTitle(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&sheets](QPrinter* device) { sheets.paintAll(*device); });
    preview.exec();
    // The preview's own paper and orientation buttons act on the printer.
    keepPrinterPaper();
}

void MainWindow::setUpPrinter() {
    QPageSetupDialog dialog(&printer(), this);
    if (dialog.exec() == QDialog::Accepted) {
        keepPrinterPaper();
    }
}

void MainWindow::keepPrinterPaper() {
    PrintSettings s = document_->printSettings();
    keepPaper(printer().pageLayout(), s);
    document_->setPrintSettings(s);
}

void MainWindow::exportPdf() {
    QString suggested = QString::fromStdString(document_->path());
    suggested = suggested.isEmpty()
                    ? QStringLiteral("Kesto.pdf")
                    : QFileInfo(suggested).absolutePath() + QLatin1Char('/') +
                          QFileInfo(suggested).completeBaseName() + QStringLiteral(".pdf");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDFに出力"), suggested,
                                                      QStringLiteral("PDF ﾌｧｲﾙ (*.pdf)"));
    if (!path.isEmpty()) {
        writePdf(path);
    }
}

bool MainWindow::writePdf(const QString& path) {
    QString error;
    runPrint(this, pagePane_, *document_, QStringLiteral("PDFに出力しています。"),
             [&](const SheetObserver& observer) {
                 error = writeReportPdf(*document_, path, observer);
                 return error.isEmpty();
             });
    if (!error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), error);
        return false;
    }
    return true;
}

void MainWindow::choosePrintFont() {
    PrintSettings s = document_->printSettings();
    // A face this system lacks is shown as the face that stands in for it.
    QFont initial(substituteFontFamily(QString::fromStdString(s.printFont.faceName)));
    initial.setPointSize(std::max(1, fontPointFromHeight(s.printFont.height)));
    initial.setWeight(
        static_cast<QFont::Weight>(s.printFont.weight <= 0 ? 400 : s.printFont.weight));
    initial.setItalic(s.printFont.italic != 0);
    QFontDialog dialog(initial, this);
    dialog.setWindowTitle(QStringLiteral("印刷ﾌｫﾝﾄ設定"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // The report has no underline or strike-out: the effects group is left out. The sample
    // shared its row and took its height from it, so it is given a height of its own.
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (!group->findChildren<QCheckBox*>().isEmpty()) {
            group->hide();
        } else {
            group->setMinimumHeight(group->fontMetrics().height() * 5);
        }
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QFont chosen = dialog.selectedFont();
    s.printFont.faceName = chosen.family().toStdString();
    s.printFont.height = fontHeightFromPoint(std::max(1, chosen.pointSize()));
    s.printFont.weight = chosen.weight();
    s.printFont.italic = chosen.italic() ? 1 : 0;
    document_->setPrintSettings(s);
    view_->refresh();
}

void MainWindow::editPrintPage() {
    dialogs::PrintPageDialog dialog(document_->printSettings(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    document_->setPrintSettings(dialog.settings());
    document_->rebuildCells();
    view_->refresh();
}

}  // namespace kesto::app
