// The settings, calculation and view commands of the main window.
#include <QDesktopServices>
#include <QStatusBar>
#include <QUrl>

#include "app/building_dialog.h"
#include "app/long_work.h"
#include "app/main_window.h"
#include "app/message_window.h"
#include "app/page_view.h"
#include "app/undo_commands.h"
#include "document/detail_file.h"

namespace kesto::app {

void MainWindow::editBuilding() {
    const KestoDocument& d = *document_;
    const BuildingTexts before{d.buildingName(), d.buildingDate(), d.buildingComment()};
    BuildingDialog dialog(before, this);
    if (dialog.exec() == QDialog::Accepted && dialog.texts() != before) {
        undo_.push(new BuildingCommand(*document_, dialog.texts()));
    }
}

void MainWindow::setUnitSystem(int unit) {
    if (unit != document_->unitSystem()) {
        undo_.push(new UnitCommand(*document_, unit));
        warnAboutFiles();
    }
    updateCommands();
}

void MainWindow::calculatePage() {
    if (document_->currentPage() == nullptr) {
        return;
    }
    showCalculationMessages(document_->calculateThisPage());
    markModifiedForGood();
    documentChanged();
    warnAboutFiles();
}

void MainWindow::calculateAll() {
    const int total = document_->pageCount();
    int done = 0;
    bool any = false;
    {
        LongWork work(this, QStringLiteral("全ﾍﾟｰｼﾞを計算しています。"), true);
        any = document_->calculateAllPages([&](int pages, int count) {
            done = pages;
            return work.progress(pages, count);
        });
    }
    showCalculationMessages(any);
    markModifiedForGood();
    documentChanged();
    warnAboutFiles();
    if (done < total) {
        statusBar()->showMessage(
            QStringLiteral("全ﾍﾟｰｼﾞの計算を中止しました（%1/%2 ﾍﾟｰｼﾞを計算済み）。")
                .arg(done)
                .arg(total));
    }
}

void MainWindow::showCalculationMessages(bool any) {
    if (any) {
        messages_->showLines(document_->messageLines());
    } else {
        messages_->hide();
    }
}

void MainWindow::toggleMessages() {
    if (messages_->isVisible()) {
        messages_->hide();
    } else {
        messages_->showLines(document_->messageLines());
    }
}

void MainWindow::jumpToMessage(const QString& line) {
    view_->closeEditors();
    goToPage(document_->pageOfMessageLine(line.toStdString()));
}

void MainWindow::openDetailFile() {
    const QString path = QString::fromStdString(document_->programFolder() + kDetailFileName);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace kesto::app
