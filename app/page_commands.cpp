// The page commands of the main window: go to a page, insert, delete, jump and reorder.
#include <QMessageBox>

#include "app/jump_dialog.h"
#include "app/main_window.h"
#include "app/undo_commands.h"

namespace kesto::app {

void MainWindow::goToPage(int index) {
    if (document_->goToPage(index)) {
        documentChanged();
    }
}

void MainWindow::insertPage() {
    undo_.push(new InsertPageCommand(*document_));
}

void MainWindow::deletePage() {
    if (document_->currentPage() == nullptr) {
        return;
    }
    const auto answer = QMessageBox::question(this, QStringLiteral("Kesto"),
                                              QStringLiteral("現在のページを削除します。"),
                                              QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) {
        undo_.push(new DeletePageCommand(*document_));
    }
}

void MainWindow::jump() {
    QStringList marks;
    for (const CKesto& page : document_->conditions().pages) {
        marks.append(QString::fromStdString(page.mark));
    }
    JumpDialog dialog(marks, document_->currentPageIndex(), this);
    const bool ok = dialog.exec() == QDialog::Accepted;
    applyJump(dialog.swaps(), ok ? dialog.selectedIndex() : -1);
}

void MainWindow::applyJump(const std::vector<std::pair<int, int>>& swaps, int chosen) {
    if (swaps.empty()) {
        goToPage(chosen);
        return;
    }
    // Cancel keeps the moves, with the last moved page shown.
    undo_.push(
        new ReorderPagesCommand(*document_, swaps, chosen >= 0 ? chosen : swaps.back().second));
}

}  // namespace kesto::app
