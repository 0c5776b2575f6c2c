// The main window's commands: which are enabled where, page insert, delete and reorder, the
// message window, opening and saving, and undo/redo of every undoable change.
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "app/jump_dialog.h"
#include "app/main_window.h"
#include "app/message_window.h"
#include "model/document_file.h"
#include "qt_test_support.h"

using kesto::app::Command;
using kesto::app::MainWindow;
using kesto::test::MessageBoxAnswer;
using kesto::test::TestProgram;

namespace {

// Gives the document `count` pages marked "P1", "P2", … with page `current` shown.
void makePages(MainWindow& w, int count, int current) {
    auto& d = w.document();
    while (d.pageCount() > 0) {
        d.deleteCurrentPage();
    }
    for (int i = 0; i < count; ++i) {
        d.insertPage();
        d.setField({d.currentPageIndex(), kesto::FieldRef::kMark}, "P" + std::to_string(i + 1));
    }
    d.goToPage(current);
    d.setModified(false);
    w.documentChanged();
}

QStringList marks(MainWindow& w) {
    QStringList out;
    for (const auto& page : w.document().conditions().pages) {
        out.append(QString::fromStdString(page.mark));
    }
    return out;
}

QString currentMark(MainWindow& w) {
    return QString::fromStdString(w.document().currentPage()->mark);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void enablingRules_data();
    void enablingRules();
    void deleteAsksAndKeepsThePageBefore();
    void statusBarEndsWithThePageAndTheLockPanes();
    void insertCopiesInputsButNotMarkAndForces();
    void jumpDialogMovesTheSelectedPage();
    void jumpCancelAfterMovesKeepsTheOrder();
    void messageWindowFollowsCalculationAndJumpsByMark();
    void messageWindowReopensWhereItWasClosed();
    void unitSwitchIsOneChangeAndCarriesTheCheckMark();
    void detailFileCommandFollowsTheSwitch();
    void refusedAndDamagedFilesLeaveTheDocument_data();
    void refusedAndDamagedFilesLeaveTheDocument();
    void failedSaveKeepsTheDocumentModified();
    void unwrittenDefaultDataIsReportedAfterTheSave();
    void titleNamesTheDocumentAndShowsChanges();
    void changesAreOfferedForSavingBeforeTheyAreLost();
};

void MainWindowTest::enablingRules_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("enabled");  // first prev jump next last delete calc calc-all
    QTest::newRow("empty document") << 0 << -1 << "00000000";
    QTest::newRow("only page") << 1 << 0 << "00000110";
    QTest::newRow("first of three") << 3 << 0 << "00111111";
    QTest::newRow("middle of three") << 3 << 1 << "11111111";
    QTest::newRow("last of three") << 3 << 2 << "11100111";
}

void MainWindowTest::enablingRules() {
    QFETCH(int, pages);
    QFETCH(int, current);
    QFETCH(QString, enabled);
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    makePages(w, pages, current);
    const Command commands[] = {Command::firstPage,     Command::previousPage, Command::jump,
                                Command::nextPage,      Command::lastPage,     Command::deletePage,
                                Command::calculatePage, Command::calculateAll};
    QString actual;
    for (const Command c : commands) {
        actual += w.action(c)->isEnabled() ? '1' : '0';
    }
    QCOMPARE(actual, enabled);
    QVERIFY(w.action(Command::insertPage)->isEnabled());
    QCOMPARE(w.pagePaneText(), QStringLiteral("%1/%2").arg(current + 1).arg(pages));
}

void MainWindowTest::deleteAsksAndKeepsThePageBefore() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    makePages(w, 3, 0);
    {
        MessageBoxAnswer cancel(QMessageBox::Cancel);
        w.deletePage();
        QCOMPARE(cancel.text(), QStringLiteral("現在のページを削除します。"));
    }
    QCOMPARE(w.document().pageCount(), 3);
    MessageBoxAnswer ok(QMessageBox::Ok);
    w.deletePage();
    QCOMPARE(marks(w), (QStringList{"P2", "P3"}));
    QCOMPARE(w.document().currentPageIndex(), 0);
    QCOMPARE(w.pagePaneText(), QStringLiteral("1/2"));
    QVERIFY(w.isWindowModified());
}

void MainWindowTest::statusBarEndsWithThePageAndTheLockPanes() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    makePages(w, 2, 1);
    w.show();
    const auto panes = w.statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(panes.size(), 3);
    QCOMPARE(panes[0]->text(), QStringLiteral("2/2"));
    QVERIFY(panes[0]->x() < panes[1]->x() && panes[1]->x() < panes[2]->x());
    // The offscreen platform cannot tell the locks: the panes keep their room, blank.
    for (const QLabel* lock : {panes[1], panes[2]}) {
        QCOMPARE(lock->text(), QString());
        QVERIFY(lock->minimumWidth() > 0);
    }
}

void MainWindowTest::insertCopiesInputsButNotMarkAndForces() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    kesto::CKesto first = *w.document().currentPage();
    first.mark = "C9";
    first.plateB = 650;
    first.boltCountX = 5;
    first.basicStresses[0].front().n = 12.5;
    w.document().replacePage(0, first);
    w.action(Command::insertPage)->trigger();
    const kesto::CKesto& added = *w.document().currentPage();
    QCOMPARE(w.document().currentPageIndex(), 1);
    QCOMPARE(added.plateB, 650.0);
    QCOMPARE(added.boltCountX, first.boltCountX);
    QCOMPARE(added.mark, kesto::CKesto{}.mark);
    QCOMPARE(added.basicStresses[0][0].n, 0.0);
    QCOMPARE(w.pagePaneText(), QStringLiteral("2/2"));
}

void MainWindowTest::jumpDialogMovesTheSelectedPage() {
    // A mark that begins another page's mark still selects the page shown.
    kesto::app::JumpDialog dialog({"C10", "C1", "C2"}, 1, nullptr);
    QCOMPARE(dialog.selectedIndex(), 1);
    dialog.moveSelection(-1);
    dialog.moveSelection(-1);  // already first: nothing
    dialog.moveSelection(1);
    dialog.moveSelection(1);
    dialog.moveSelection(1);  // already last: nothing
    using Swaps = std::vector<std::pair<int, int>>;
    QCOMPARE(dialog.swaps(), (Swaps{{1, 0}, {0, 1}, {1, 2}}));
    QCOMPARE(dialog.selectedIndex(), 2);

    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    makePages(w, 3, 1);
    w.applyJump(dialog.swaps(), 0);
    QCOMPARE(marks(w), (QStringList{"P1", "P3", "P2"}));
    QCOMPARE(currentMark(w), QStringLiteral("P1"));
    QVERIFY(w.isWindowModified());
}

void MainWindowTest::jumpCancelAfterMovesKeepsTheOrder() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    makePages(w, 3, 2);
    w.applyJump({}, 1);  // OK without moves: only a page change
    QCOMPARE(w.document().currentPageIndex(), 1);
    QVERIFY(!w.isWindowModified());
    QVERIFY(!w.undoStack().canUndo());
    w.applyJump({{1, 0}}, -1);  // Cancel after "↑"
    QCOMPARE(marks(w), (QStringList{"P2", "P1", "P3"}));
    QCOMPARE(currentMark(w), QStringLiteral("P2"));
    QVERIFY(w.isWindowModified());
}

void MainWindowTest::messageWindowFollowsCalculationAndJumpsByMark() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    makePages(w, 3, 2);
    w.document().setField({2, kesto::FieldRef::kColumnSteelGrade}, std::string("SS999"));
    w.action(Command::calculatePage)->trigger();
    kesto::app::MessageWindow* messages = w.messageWindow();
    QVERIFY(messages->isVisible());
    QVERIFY(w.action(Command::messages)->isChecked());
    w.goToPage(0);
    messages->placeCaretOnLine(1);  // "  E：柱材質SS999は未登録です": no mark, no jump
    messages->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    const auto buttons = messages->findChildren<QPushButton*>();
    QPushButton* jump = *std::find_if(buttons.begin(), buttons.end(), [](QPushButton* b) {
        return b->text() == QStringLiteral("ｼﾞｬﾝﾌﾟ");
    });
    jump->click();
    QCOMPARE(w.document().currentPageIndex(), 0);
    messages->placeCaretOnLine(0);  // "[P3]"
    QCOMPARE(messages->caretLine(), QStringLiteral("[P3]"));
    jump->click();
    QCOMPARE(w.document().currentPageIndex(), 2);
    w.goToPage(1);
    w.action(Command::calculatePage)->trigger();  // a page without messages closes the window
    QVERIFY(!messages->isVisible());
    QVERIFY(!w.action(Command::messages)->isChecked());
    w.action(Command::messages)->trigger();
    QVERIFY(messages->isVisible());
}

void MainWindowTest::messageWindowReopensWhereItWasClosed() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    kesto::app::MessageWindow* messages = w.messageWindow();
    messages->showLines({"[C1]"});
    const QRect placed(120, 90, 500, 260);
    messages->setGeometry(placed);
    messages->close();
    messages->showLines({"[C2]"});
    QCOMPARE(messages->geometry(), placed);
}

void MainWindowTest::unitSwitchIsOneChangeAndCarriesTheCheckMark() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    const int other = 1 - w.document().unitSystem();
    const Command command = other == 1 ? Command::siUnit : Command::gravityUnit;
    w.action(command)->trigger();
    w.action(command)->trigger();
    QCOMPARE(w.document().unitSystem(), other);
    QCOMPARE(w.undoStack().count(), 1);
    QVERIFY(w.action(command)->isChecked());
    QVERIFY(!w.action(other == 1 ? Command::gravityUnit : Command::siUnit)->isChecked());
}

void MainWindowTest::detailFileCommandFollowsTheSwitch() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    const auto setDetailFile = [&w](std::uint8_t on) {
        kesto::CKestoCnt c = w.document().conditions();
        c.writeDetailFile = on;
        w.document().setConditions(c);
    };
    setDetailFile(0);
    w.documentChanged();
    QVERIFY(!w.action(Command::detailFile)->isEnabled());
    setDetailFile(1);
    w.documentChanged();
    QVERIFY(w.action(Command::detailFile)->isEnabled());
}

void MainWindowTest::refusedAndDamagedFilesLeaveTheDocument_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("foreign") << QByteArray("\x0AOther 1.04", 11)
                             << QStringLiteral("Kestoのデータではありません。");
    QTest::newRow("newer") << QByteArray("\x0AKesto 1.05", 11)
                           << QStringLiteral(
                                  "データの読み込み異常です。\nプログラムをバージョン"
                                  "アップして下さい。");
    QTest::newRow("truncated")
        << QByteArray(
               "\x0AKesto 1.04\x05"
               "ab",
               14)
        << QStringLiteral(
               "ファイル %1 は壊れています。\n先頭から 11 バイトの位置で読み込めません。");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("ファイル %1 が見つかりません。");
}

void MainWindowTest::refusedAndDamagedFilesLeaveTheDocument() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    makePages(w, 2, 1);
    const QString path = program.file(QStringLiteral("bad.kso"));
    if (!bytes.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    MessageBoxAnswer ok(QMessageBox::Ok);
    QVERIFY(!w.openDocument(path));
    QVERIFY2(ok.text().startsWith(message.contains("%1") ? message.arg(path) : message),
             qPrintable(ok.text()));
    QCOMPARE(marks(w), (QStringList{"P1", "P2"}));
    QCOMPARE(w.document().currentPageIndex(), 1);
}

void MainWindowTest::failedSaveKeepsTheDocumentModified() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    w.insertPage();
    const QString path = program.file(QStringLiteral("no-such-folder/a.kso"));
    MessageBoxAnswer ok(QMessageBox::Ok);
    QVERIFY(!w.saveDocument(path));
    QCOMPARE(ok.text(), QStringLiteral("ファイル %1 に保存できませんでした。\n"
                                       "変更は保存されていません。")
                            .arg(path));
    QVERIFY(w.isWindowModified());
    QVERIFY(w.document().isModified());
}

void MainWindowTest::unwrittenDefaultDataIsReportedAfterTheSave() {
    TestProgram program;
    QVERIFY(QDir().mkdir(program.file(QStringLiteral("KestoBase.def"))));
    MainWindow w(program.settings(), program.folder());
    w.insertPage();
    MessageBoxAnswer ok(QMessageBox::Ok);
    QVERIFY(w.saveDocument(program.file(QStringLiteral("a.kso"))));
    QCOMPARE(ok.text(), QStringLiteral("既定値ファイル %1 に書き込めませんでした。"
                                       "次回の起動では以前の既定値を使います。")
                            .arg(program.file(QStringLiteral("KestoBase.def"))));
    QVERIFY(!w.isWindowModified());
}

void MainWindowTest::titleNamesTheDocumentAndShowsChanges() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    QCOMPARE(w.windowTitle(), QStringLiteral("無題[*] - Kesto"));
    QVERIFY(!w.isWindowModified());
    w.insertPage();
    QVERIFY(w.isWindowModified());
    const QString path = program.file(QStringLiteral("building.kso"));
    QVERIFY(w.saveDocument(path));
    QCOMPARE(w.windowTitle(), QStringLiteral("building.kso[*] - Kesto"));
    QVERIFY(!w.isWindowModified());
    w.insertPage();
    QVERIFY(w.openDocument(path));
    QCOMPARE(w.document().pageCount(), 2);
    QVERIFY(!w.isWindowModified());
}

void MainWindowTest::changesAreOfferedForSavingBeforeTheyAreLost() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    w.show();
    w.insertPage();
    {
        MessageBoxAnswer cancel(QMessageBox::Cancel);
        QVERIFY(!w.close());
        QCOMPARE(cancel.text(), QStringLiteral("無題 への変更を保存しますか？"));
    }
    {
        MessageBoxAnswer cancel(QMessageBox::Cancel);
        w.action(Command::fileNew)->trigger();
        QCOMPARE(w.document().pageCount(), 2);
    }
    {
        MessageBoxAnswer no(QMessageBox::No);
        w.action(Command::fileNew)->trigger();
        QCOMPARE(w.document().pageCount(), 1);
        QVERIFY(!w.isWindowModified());
    }
    QVERIFY(w.close());  // nothing to save: no question
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
