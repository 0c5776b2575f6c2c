// The exchanges with spreadsheets: forces in from a table or a pasted block, forces and the
// results overview out to tables.
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/main_window.h"
#include "app/results_window.h"
#include "app/undo_commands.h"
#include "platform/files.h"

namespace kesto::app {
namespace {

const QString kTitle = QStringLiteral("Kesto");
const QString kFilter = QStringLiteral("応力表 (*.csv *.txt);;すべてのﾌｧｲﾙ (*)");

// Every problem of a refused table in one list.
void showProblems(QWidget* parent, const QString& name,
                  const std::vector<StressTableProblem>& problems) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("応力の読み込み"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(QStringLiteral("%1 を読み込めません（問題 %2 件）。応力は変更していません。")
                       .arg(name)
                       .arg(problems.size())));
    auto* list = new QListWidget(&dialog);
    for (const StressTableProblem& p : problems) {
        list->addItem(QStringLiteral("%1行目: %2").arg(p.line).arg(QString::fromStdString(p.text)));
    }
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(560, 320);
    dialog.exec();
}

// Asks for a file and writes `bytes` to it; a name without a suffix gets ".csv".
void saveWithDialog(QWidget* parent, const QString& caption, const QString& filter,
                    const std::string& bytes) {
    QString path = QFileDialog::getSaveFileName(parent, caption, {}, filter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    try {
        writeFileAtomic(path.toStdString(), bytes);
    } catch (const FileAccessError& e) {
        QMessageBox::warning(parent, kTitle,
                             QStringLiteral("ファイル %1 に書き出せませんでした。\n%2")
                                 .arg(path, QString::fromUtf8(e.what())));
    }
}

bool onlyUnknownMarks(const std::vector<StressTableProblem>& problems) {
    return !problems.empty() && std::all_of(problems.begin(), problems.end(),
                                            [](const auto& p) { return p.unknownMark; });
}

}  // namespace

bool MainWindow::importStresses(const std::string& bytes, const QString& name) {
    OwnedList<CKesto> before = document_->conditions().pages;
    StressTableImport result = document_->importStressTable(bytes, false);
    if (onlyUnknownMarks(result.problems)) {
        const auto answer = QMessageBox::question(
            this, kTitle,
            QStringLiteral("%1 には、どのﾍﾟｰｼﾞにもない符号が %2 行あります。\n"
                           "その符号のﾍﾟｰｼﾞを最後のﾍﾟｰｼﾞの形状で追加して読み込みますか？")
                .arg(name)
                .arg(result.problems.size()));
        if (answer != QMessageBox::Yes) {
            return false;
        }
        result = document_->importStressTable(bytes, true);
    }
    if (!result.problems.empty()) {
        showProblems(this, name, result.problems);
        return false;
    }
    undo_.push(new PagesCommand(*document_, std::move(before), QStringLiteral("応力の読み込み")));
    return true;
}

void MainWindow::importStressesWithDialog() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("応力の読み込み"), {}, kFilter);
    if (path.isEmpty()) {
        return;
    }
    try {
        importStresses(readFile(path.toStdString()), QFileInfo(path).fileName());
    } catch (const FileAccessError& e) {
        QMessageBox::warning(this, kTitle,
                             QStringLiteral("ファイル %1 を読み込めません。\n%2")
                                 .arg(path, QString::fromUtf8(e.what())));
    }
}

void MainWindow::exportStressesWithDialog() {
    saveWithDialog(this, QStringLiteral("応力の書き出し"), kFilter, document_->stressTable());
}

bool MainWindow::pasteStresses(int editOrder, const QString& text) {
    OwnedList<CKesto> before = document_->conditions().pages;
    const std::string refusal = document_->pasteStresses(editOrder, text.toStdString());
    if (!refusal.empty()) {
        QMessageBox::warning(this, kTitle, QString::fromStdString(refusal));
        return false;
    }
    undo_.push(new PagesCommand(*document_, std::move(before), QStringLiteral("応力の貼り付け")));
    return true;
}

void MainWindow::exportResultsWithDialog() {
    saveWithDialog(this, QStringLiteral("結果一覧の書き出し"),
                   QStringLiteral("CSV ﾌｧｲﾙ (*.csv);;すべてのﾌｧｲﾙ (*)"),
                   writeResultsTable(document_->conditions()));
}

void MainWindow::refreshResults() {
    if (results_->isVisible()) {
        results_->showRows(resultsRows(document_->conditions()));
    }
}

}  // namespace kesto::app
