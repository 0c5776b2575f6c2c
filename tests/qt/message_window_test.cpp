// The message window over its list of lines: the current line follows the caret placement and
// the keyboard, Enter and a double click jump, Ctrl+C copies the selected lines, and a long line
// is shown whole.
#include <QClipboard>
#include <QListView>
#include <QSignalSpy>
#include <QtTest>

#include "app/message_window.h"

using kesto::app::MessageWindow;

namespace {

const std::vector<std::string> kLines = {"[P1]", "  E：柱材質SS999は未登録です", "[P2]",
                                         "  NG：ﾍﾞｰｽﾌﾟﾚｰﾄの曲げ  1.23 > 1.00"};

QPoint centre(QListView* list, int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
}

}  // namespace

class MessageWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void currentLineJumpsAndCopies();
    void longLineIsShownWhole();
};

void MessageWindowTest::currentLineJumpsAndCopies() {
    MessageWindow window(nullptr);
    window.showLines(kLines);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* list = window.findChild<QListView*>();
    QCOMPARE(window.caretLine(), QStringLiteral("[P1]"));
    window.placeCaretOnLine(2);
    QCOMPARE(list->currentIndex().row(), 2);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(window.caretLine(), QStringLiteral("  NG：ﾍﾞｰｽﾌﾟﾚｰﾄの曲げ  1.23 > 1.00"));
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(window.caretLine(), QStringLiteral("[P1]"));

    QSignalSpy jumps(&window, &MessageWindow::jumpRequested);
    QTest::keyClick(list, Qt::Key_Return);  // "ｼﾞｬﾝﾌﾟ" is the default button
    QCOMPARE(jumps.count(), 1);
    QCOMPARE(jumps.at(0).at(0).toString(), QStringLiteral("[P1]"));
    // An item view takes a double click only after the press that starts it.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre(list, 2));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre(list, 2));
    QCOMPARE(jumps.count(), 2);
    QCOMPARE(jumps.at(1).at(0).toString(), QStringLiteral("[P2]"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre(list, 3));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, centre(list, 0));
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("[P1]\n  NG：ﾍﾞｰｽﾌﾟﾚｰﾄの曲げ  1.23 > 1.00\n"));
}

void MessageWindowTest::longLineIsShownWhole() {
    MessageWindow window(nullptr);
    const QString longLine = QStringLiteral("  E：") + QString(80, QChar(0x67F1));
    window.showLines({longLine.toStdString(), "[P1]"});
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* list = window.findChild<QListView*>();
    const int textWidth = list->fontMetrics().horizontalAdvance(longLine);
    QTRY_VERIFY(list->visualRect(list->model()->index(0, 0)).width() > textWidth);
}

QTEST_MAIN(MessageWindowTest)
#include "message_window_test.moc"
