// The File menu of the main window: new, open, save, save as, and the question to save first.
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <ctime>

#include "app/long_work.h"
#include "app/main_window.h"

namespace kesto::app {
namespace {

const QString kTitle = QStringLiteral("Kesto");
const QString kFilter = QStringLiteral("Kesto ﾌｧｲﾙ (*.kso)");

// A message in the window's language with the technical detail behind "詳細".
void showFailure(QWidget* parent, const QString& text, const char* detail) {
    QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Ok, parent);
    box.setDetailedText(QString::fromUtf8(detail));
    box.exec();
}

QString openFailureText(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return QStringLiteral("ファイル %1 が見つかりません。").arg(path);
    }
    return QStringLiteral("ファイル %1 を読み込めません。").arg(path);
}

}  // namespace

bool MainWindow::openDocument(const QString& path) {
    const auto opened = [&] {
        LongWork work(this, QStringLiteral("%1 を開いています。").arg(QFileInfo(path).fileName()),
                      false);
        return document_->open(path.toStdString(),
                               [&work](int done, int total) { return work.progress(done, total); });
    }();
    if (!opened.ok()) {
        const FileError& e = opened.error();
        switch (e.kind) {
            case FileError::Kind::refused:
                QMessageBox::warning(this, kTitle, QString::fromStdString(e.description));
                break;
            case FileError::Kind::damaged: {
                QString text = QStringLiteral("ファイル %1 は壊れています。").arg(path);
                if (e.offset) {
                    text += QStringLiteral("\n先頭から %1 バイトの位置で読み込めません。")
                                .arg(*e.offset);
                }
                showFailure(this, text, e.description.c_str());
                break;
            }
            case FileError::Kind::access:
                recent_.remove(path);
                rebuildRecentFiles();
                showFailure(this, openFailureText(path), e.description.c_str());
                break;
        }
        return false;
    }
    recent_.add(path);
    rebuildRecentFiles();
    documentReplaced();
    warnAboutTables(opened.value());
    return true;
}

bool MainWindow::saveDocument(const QString& path) {
    if (const auto error = document_->save(path.toStdString())) {
        showFailure(this,
                    QStringLiteral("ファイル %1 に保存できませんでした。\n"
                                   "変更は保存されていません。")
                        .arg(path),
                    error->description.c_str());
        return false;
    }
    undo_.setClean();
    document_->setModified(false);
    recent_.add(path);
    rebuildRecentFiles();
    updateTitle();
    return true;
}

bool MainWindow::maybeSave() {
    if (!document_->isModified()) {
        return true;
    }
    const QString name = document_->path().empty()
                             ? QStringLiteral("無題")
                             : QFileInfo(QString::fromStdString(document_->path())).fileName();
    const auto answer = QMessageBox::question(
        this, kTitle, QStringLiteral("%1 への変更を保存しますか？").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel) {
        return false;
    }
    return answer == QMessageBox::No || save();
}

void MainWindow::newDocument() {
    if (!maybeSave()) {
        return;
    }
    document_->onNewDocument(std::time(nullptr));
    documentReplaced();
    warnAboutTables(document_->takeTableProblems());
}

void MainWindow::openWithDialog() {
    if (!maybeSave()) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("開く"), {}, kFilter);
    if (!path.isEmpty()) {
        openDocument(path);
    }
}

bool MainWindow::save() {
    return document_->path().empty() ? saveAs()
                                     : saveDocument(QString::fromStdString(document_->path()));
}

bool MainWindow::saveAs() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("名前を付けて保存"),
                                                QString::fromStdString(document_->path()), kFilter);
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".kso");
    }
    return saveDocument(path);
}

}  // namespace kesto::app
