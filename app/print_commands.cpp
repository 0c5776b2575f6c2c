// The printing commands of the main window: print, print preview, printer set-up, PDF output
// and the two print settings. None of them marks the document modified.
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/main_window.h"
#include "app/page_view.h"
#include "app/paint/font_substitution.h"
#include "app/print/report_sheets.h"
#include "dialogs/print_page_dialog.h"

namespace kesto::app {

QPrinter& MainWindow::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
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
    const bool range = device.printRange() == QPrinter::PageRange;
    if (!sheets.paintAll(device, range ? device.fromPage() : 0, range ? device.toPage() : 0)) {
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
}

void MainWindow::setUpPrinter() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.exec();
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
    // The paper and orientation of the printer set-up, so that wide block sheets fit.
    QPageLayout layout = printer().pageLayout();
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF());
    const QString error = writeReportPdf(*document_, path, layout);
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
    // The report has no underline or strike-out: the effects group is left out.
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (!group->findChildren<QCheckBox*>().isEmpty()) {
            group->hide();
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
