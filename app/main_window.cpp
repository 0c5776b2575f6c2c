#include "app/main_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <ctime>

#include "app/column_base_commands.h"
#include "app/lock_panes.h"
#include "app/message_window.h"
#include "app/page_view.h"
#include "app/results_window.h"
#include "app/settings_commands.h"
#include "app/undo_commands.h"
#include "app/window_placement.h"

namespace kesto::app {
namespace {

constexpr int kPagePaneWidth = 50;

bool isDocumentUrl(const QUrl& url) {
    return url.isLocalFile() &&
           url.toLocalFile().endsWith(QStringLiteral(".kso"), Qt::CaseInsensitive);
}

}  // namespace

MainWindow::MainWindow(QSettings& settings, std::string programFolder, QWidget* parent)
    : QMainWindow(parent),
      profile_(settings),
      document_(std::make_unique<KestoDocument>(std::move(programFolder), profile_)),
      recent_(settings),
      actions_(createCommandActions(this)),
      view_(new PageView(this)),
      messages_(new MessageWindow(this)),
      results_(new ResultsWindow(this)),
      pagePane_(new QLabel(this)) {
    document_->onNewDocument(std::time(nullptr));
    view_->setDocument(document_.get());
    setCentralWidget(view_);
    setAcceptDrops(true);
    pagePane_->setMinimumWidth(kPagePaneWidth);
    pagePane_->setAlignment(Qt::AlignCenter);
    statusBar()->addPermanentWidget(pagePane_);
    new LockPanes(statusBar());
    addDockWidget(Qt::BottomDockWidgetArea, results_);
    results_->hide();
    buildMenus();
    buildToolBar();
    connectCommands();
    setUpHelp();
    documentReplaced();
}

MainWindow::~MainWindow() {
    // The dock reports it is hidden while the base classes tear the window down: this object
    // is no longer a main window then.
    disconnect(results_, nullptr, this, nullptr);
}

void MainWindow::buildMenus() {
    using enum Command;
    const auto add = [this](QMenu* menu, std::initializer_list<Command> commands) {
        for (const Command c : commands) {
            menu->addAction(action(c));
        }
    };
    fileMenu_ = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    add(fileMenu_, {fileNew, fileOpen, fileSave, fileSaveAs});
    fileMenu_->addSeparator();
    add(fileMenu_, {filePrint, filePrintPreview, printSetup, exportPdf});
    fileMenu_->addSeparator();
    add(fileMenu_, {importStresses, exportStresses});
    fileMenu_->addSeparator();
    recentEnd_ = fileMenu_->addSeparator();
    add(fileMenu_, {exit});
    rebuildRecentFiles();

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    add(edit, {undo, redo});
    edit->addSeparator();
    add(edit, {firstPage, previousPage, jump, nextPage, lastPage});
    edit->addSeparator();
    add(edit, {insertPage, deletePage});
    edit->addSeparator();
    add(edit, {convertUnits});

    QMenu* settings = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    add(settings, {building});
    settings->addSeparator();
    add(settings, {conditions, stressConditions});
    settings->addSeparator();
    add(settings, {siUnit, gravityUnit});
    settings->addSeparator();
    add(settings, {concreteTable, steelGradeTable, hShapeTable, tubeTable, boltTable});
    settings->addSeparator();
    add(settings, {printFont, printPage});

    add(menuBar()->addMenu(QStringLiteral("計算(&C)")), {calculatePage, calculateAll});

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    add(view, {toolBar, statusBar});
    view->addSeparator();
    add(view, {messages});
    QAction* results = results_->toggleViewAction();
    results->setText(QStringLiteral("結果一覧(&R)"));
    results->setStatusTip(QStringLiteral("全ﾍﾟｰｼﾞの検定比と判定の一覧を表示します。"));
    view->addAction(results);
    add(view, {detailFile});

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    add(help, {helpTopics, contextHelp});
    help->addSeparator();
    add(help, {about});
}

void MainWindow::buildToolBar() {
    using enum Command;
    toolBar_ = addToolBar(QStringLiteral("ツール バー"));
    toolBar_->setObjectName(QStringLiteral("MainToolBar"));
    toolBar_->setIconSize(QSize(24, 24));
    const std::initializer_list<std::initializer_list<Command>> groups = {
        {fileNew, fileOpen, fileSave},
        {filePrint},
        {insertPage, calculatePage},
        {firstPage, previousPage, jump, nextPage, lastPage},
        {deletePage},
        {about, contextHelp}};
    for (const auto& group : groups) {
        if (!toolBar_->actions().isEmpty()) {
            toolBar_->addSeparator();
        }
        for (const Command c : group) {
            toolBar_->addAction(action(c));
        }
    }
}

void MainWindow::connectCommands() {
    using enum Command;
    // Every command first stores the value of an open cell editor.
    const auto on = [this](Command c, auto slot) {
        connect(action(c), &QAction::triggered, this, [this, slot] {
            view_->closeEditors();
            slot();
        });
    };
    on(fileNew, [this] { newDocument(); });
    on(fileOpen, [this] { openWithDialog(); });
    on(fileSave, [this] { save(); });
    on(fileSaveAs, [this] { saveAs(); });
    on(filePrint, [this] { printReport(); });
    on(filePrintPreview, [this] { previewReport(); });
    on(printSetup, [this] { setUpPrinter(); });
    on(exportPdf, [this] { this->exportPdf(); });
    on(printFont, [this] { choosePrintFont(); });
    on(printPage, [this] { editPrintPage(); });
    on(importStresses, [this] { importStressesWithDialog(); });
    on(exportStresses, [this] { exportStressesWithDialog(); });
    on(exit, [this] { close(); });
    on(undo, [this] { undo_.undo(); });
    on(redo, [this] { undo_.redo(); });
    on(firstPage, [this] { goToPage(0); });
    on(previousPage, [this] { goToPage(document_->currentPageIndex() - 1); });
    on(jump, [this] { this->jump(); });
    on(nextPage, [this] { goToPage(document_->currentPageIndex() + 1); });
    on(lastPage, [this] { goToPage(document_->pageCount() - 1); });
    on(insertPage, [this] { this->insertPage(); });
    on(deletePage, [this] { this->deletePage(); });
    on(convertUnits, [this] { app::convertUnits(this, *document_, undo_); });
    on(building, [this] { editBuilding(); });
    on(conditions, [this] { editConditions(this, *document_, undo_); });
    on(stressConditions, [this] { editStressConditions(this, *document_, undo_); });
    on(siUnit, [this] { setUnitSystem(1); });
    on(gravityUnit, [this] { setUnitSystem(0); });
    on(concreteTable, [this] { editTable(this, *document_, undo_, TableKind::concrete); });
    on(steelGradeTable, [this] { editTable(this, *document_, undo_, TableKind::steelGrade); });
    on(hShapeTable, [this] { editTable(this, *document_, undo_, TableKind::hShape); });
    on(tubeTable, [this] { editTable(this, *document_, undo_, TableKind::tube); });
    on(boltTable, [this] { editTable(this, *document_, undo_, TableKind::bolt); });
    on(calculatePage, [this] { this->calculatePage(); });
    on(calculateAll, [this] { this->calculateAll(); });
    on(messages, [this] { toggleMessages(); });
    on(detailFile, [this] { openDetailFile(); });
    connect(action(toolBar), &QAction::toggled, toolBar_, &QToolBar::setVisible);
    connect(action(statusBar), &QAction::toggled, this->statusBar(), &QStatusBar::setVisible);
    action(toolBar)->setChecked(true);
    action(statusBar)->setChecked(true);

    connect(&undo_, &QUndoStack::indexChanged, this, [this] {
        document_->setModified(!undo_.isClean());
        documentChanged();
    });
    // A table edit leaves the document unmodified by making its step the clean state.
    connect(&undo_, &QUndoStack::cleanChanged, this, [this] {
        document_->setModified(!undo_.isClean());
        updateTitle();
    });
    connect(messages_, &MessageWindow::jumpRequested, this, &MainWindow::jumpToMessage);
    connect(messages_, &MessageWindow::visibilityChanged, action(messages), &QAction::setChecked);
    connect(view_, &PageView::figureClicked, this, [this] {
        view_->closeEditors();
        editCurrentColumnBase(this, *document_, undo_);
    });
    connect(view_, &PageView::blockPasted, this, &MainWindow::pasteStresses);
    connect(results_, &ResultsWindow::pageChosen, this, [this](int index) {
        view_->closeEditors();
        goToPage(index);
    });
    connect(results_, &ResultsWindow::exportRequested, this, [this] {
        view_->closeEditors();
        exportResultsWithDialog();
    });
    connect(results_, &QDockWidget::visibilityChanged, this, [this] { refreshResults(); });
    connect(view_, &PageView::cellCommitted, this, [this](int editOrder, CellInput value) {
        if (document_->currentPage() != nullptr) {
            undo_.push(new EditCellCommand(*document_, editOrder, std::move(value)));
        }
    });
}

void MainWindow::rebuildRecentFiles() {
    for (QAction* a : recentActions_) {
        fileMenu_->removeAction(a);
        a->deleteLater();
    }
    recentActions_.clear();
    const QStringList& paths = recent_.paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        auto* a =
            new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), this);
        a->setStatusTip(path);
        connect(a, &QAction::triggered, this, [this, path] {
            view_->closeEditors();
            if (maybeSave()) {
                openDocument(path);
            }
        });
        fileMenu_->insertAction(recentEnd_, a);
        recentActions_.append(a);
    }
    recentEnd_->setVisible(!paths.isEmpty());
}

void MainWindow::documentChanged() {
    view_->refresh();
    pagePane_->setText(QString::fromStdString(document_->pageStatusText()));
    updateCommands();
    updateTitle();
    refreshResults();
}

void MainWindow::documentReplaced() {
    undo_.clear();
    document_->setModified(false);
    if (messages_->isVisible()) {
        showCalculationMessages(!document_->messageLines().empty());
    }
    documentChanged();
}

void MainWindow::updateCommands() {
    using enum Command;
    const KestoDocument& d = *document_;
    const int count = d.pageCount();
    const int index = d.currentPageIndex();
    const bool hasPage = d.currentPage() != nullptr;
    action(firstPage)->setEnabled(hasPage && index != 0);
    action(previousPage)->setEnabled(hasPage && index != 0);
    action(jump)->setEnabled(count > 1);
    action(nextPage)->setEnabled(hasPage && index + 1 != count);
    action(lastPage)->setEnabled(hasPage && index + 1 != count);
    action(deletePage)->setEnabled(hasPage);
    action(calculatePage)->setEnabled(hasPage);
    action(calculateAll)->setEnabled(count > 1);
    action(siUnit)->setChecked(d.unitSystem() == 1);
    action(gravityUnit)->setChecked(d.unitSystem() == 0);
    action(detailFile)->setEnabled(d.conditions().writeDetailFile == 1);
    action(undo)->setEnabled(undo_.canUndo());
    action(redo)->setEnabled(undo_.canRedo());
}

void MainWindow::updateTitle() {
    const std::string& path = document_->path();
    const QString name =
        path.empty() ? QStringLiteral("無題") : QFileInfo(QString::fromStdString(path)).fileName();
    setWindowTitle(name + QStringLiteral("[*] - Kesto"));
    setWindowModified(document_->isModified());
}

void MainWindow::markModifiedForGood() {
    undo_.resetClean();
    document_->setModified(true);
    updateTitle();
}

void MainWindow::showAtStoredPlacement() {
    showWithPlacement(*this, readWindowPlacement(profile_));
    warnAboutFiles();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    view_->closeEditors();
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    writeWindowPlacement(profile_, placementOf(*this));
    // An edited table that cannot be written stays marked; the user may try again (after
    // freeing the disk or closing the program that holds the file) before it is lost.
    TableProblems problems = document_->endProgram();
    while (!problems.empty() && askToRetryTables(problems)) {
        problems = document_->endProgram();
    }
    messages_->close();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && isDocumentUrl(urls.front())) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !isDocumentUrl(urls.front())) {
        return;
    }
    event->acceptProposedAction();
    view_->closeEditors();
    if (maybeSave()) {
        openDocument(urls.front().toLocalFile());
    }
}

namespace {

// Each problem names its file on the first line; the technical details follow.
void describeTables(QMessageBox& box, const TableProblems& problems, const QString& question) {
    QStringList lines;
    QString detail;
    for (const std::string& p : problems) {
        const QString text = QString::fromStdString(p);
        lines << text.section(QLatin1Char('\n'), 0, 0);
        detail += text + QLatin1Char('\n');
    }
    if (!question.isEmpty()) {
        lines << QString() << question;
    }
    box.setText(lines.join(QLatin1Char('\n')));
    box.setDetailedText(detail);
}

}  // namespace

void MainWindow::warnAboutTables(const TableProblems& problems) {
    if (problems.empty()) {
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kesto"), QString(), QMessageBox::Ok,
                    this);
    describeTables(box, problems, {});
    box.exec();
}

void MainWindow::warnAboutFiles() {
    TableProblems problems = document_->takeTableProblems();
    for (std::string& warning : document_->takeWarnings()) {
        problems.push_back(std::move(warning));
    }
    warnAboutTables(problems);
}

bool MainWindow::askToRetryTables(const TableProblems& problems) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kesto"), QString(), QMessageBox::NoButton,
                    this);
    describeTables(box, problems,
                   QStringLiteral("もう一度書き込みますか？ 終了すると表の変更は失われます。"));
    QPushButton* retry = box.addButton(QStringLiteral("再試行"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("終了"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == retry;
}

}  // namespace kesto::app
