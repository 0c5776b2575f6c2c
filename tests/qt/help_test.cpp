// The help: every message text of the core explained, every link between topics resolved, the
// help window's contents, search and context help, and the about box.

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QWhatsThisClickedEvent>

#include "app/about_box.h"
#include "app/help_library.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/page_view.h"
#include "qt_test_support.h"

using kesto::app::AboutBox;
using kesto::app::Command;
using kesto::app::HelpLibrary;
using kesto::app::MainWindow;
using kesto::test::TestProgram;

namespace {

const QString kHelpFolder = QStringLiteral(KESTO_PROGRAM_FOLDER "help");

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The text of C string literals as written ("a" "b" with \" \n \\ escapes), joined.
QString literalText(const QString& literals) {
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    QString text;
    for (auto it = literal.globalMatch(literals); it.hasNext();) {
        QString part = it.next().captured(1);
        part.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        part.replace(QStringLiteral("\\\""), QStringLiteral("\""));
        part.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        text += part;
    }
    return text;
}

// Every text marked KESTO_MESSAGE(...) in the core's sources.
QStringList coreMessages() {
    static const QRegularExpression marked(
        QStringLiteral("KESTO_MESSAGE\\(\\s*((?:\"(?:[^\"\\\\]|\\\\.)*\"\\s*)+)\\)"));
    QStringList messages;
    QDirIterator it(QStringLiteral(KESTO_SOURCE_DIR "/core"), {"*.h", "*.cpp"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = readAll(it.next());
        for (auto m = marked.globalMatch(source); m.hasNext();) {
            const QString text = literalText(m.next().captured(1));
            if (!messages.contains(text)) {
                messages.append(text);
            }
        }
    }
    return messages;
}

QString withoutSpace(QString text) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.remove(space);
}

// A message as a pattern: its printf fields stand for any text; spacing is left out.
QRegularExpression messagePattern(const QString& message) {
    static const QRegularExpression field(QStringLiteral("%[-+ #0]*\\d*(?:\\.\\d+)?(?:zu|[dsfg])"));
    QString pattern;
    int from = 0;
    const QString text = withoutSpace(message);
    for (auto it = field.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        pattern += QRegularExpression::escape(text.mid(from, m.capturedStart() - from)) +
                   QStringLiteral(".+?");
        from = m.capturedEnd();
    }
    return QRegularExpression(pattern + QRegularExpression::escape(text.mid(from)));
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

  public slots:
    void openUrl(const QUrl& url) { opened_.append(url); }

  private:
    QList<QUrl> opened_;

  private slots:
    void everyCoreMessageIsExplained() {
        const QStringList messages = coreMessages();
        // The calculation's NG and error texts, the input checks, the file and table problems.
        QVERIFY(messages.contains(QStringLiteral("コンクリート圧縮応力度がＮＧです")));
        QVERIFY(messages.contains(QStringLiteral("%s%sは未登録です")));
        QVERIFY(messages.contains(QStringLiteral(
            "データの読み込み異常です。\nプログラムをバージョンアップして下さい。")));
        QVERIFY(messages.contains(QStringLiteral("引用符（\"）が閉じていません")));
        qInfo("%lld message texts in the core", static_cast<long long>(messages.size()));

        QString help;
        const HelpLibrary library(kHelpFolder);
        for (const auto& topic : library.topics()) {
            help += withoutSpace(topic.plainText);
        }
        QStringList missing;
        for (const QString& message : messages) {
            if (!messagePattern(message).match(help).hasMatch()) {
                missing.append(message);
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    void aMessageMissingFromTheHelpIsFound() {
        QVERIFY(!messagePattern(QStringLiteral("柱脚が%d本ありません"))
                     .match(QStringLiteral("柱脚が3本あります"))
                     .hasMatch());
        QVERIFY(messagePattern(QStringLiteral("表ファイル %s に書き込めませんでした。"))
                    .match(QStringLiteral("…表ファイル名前に書き込めませんでした。…"))
                    .hasMatch());
    }

    void everyLinkBetweenTopicsResolves() {
        const QDir folder(kHelpFolder);
        const QStringList pages = folder.entryList({"*.html"}, QDir::Files);
        QCOMPARE(pages.size(), static_cast<qsizetype>(HelpLibrary(kHelpFolder).topics().size()));
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        int links = 0;
        for (const QString& page : pages) {
            const QString html = readAll(folder.filePath(page));
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QUrl url(it.next().captured(1));
                QVERIFY2(url.isRelative(), qPrintable(page + ": " + url.toString()));
                const QString target = url.path().isEmpty() ? page : url.path();
                QVERIFY2(folder.exists(target), qPrintable(page + ": " + url.toString()));
                if (url.hasFragment()) {
                    const QString anchor = QStringLiteral("id=\"%1\"").arg(url.fragment());
                    QVERIFY2(readAll(folder.filePath(target)).contains(anchor),
                             qPrintable(page + ": " + url.toString()));
                }
                ++links;
            }
        }
        QVERIFY(links > 50);
    }

    void theWindowListsTheTopicsAndFindsWords() {
        kesto::app::HelpWindow help(kHelpFolder);
        QCOMPARE(help.contents()->topLevelItemCount(), 10);
        QCOMPARE(help.contents()->topLevelItem(5)->text(0), QStringLiteral("メッセージ一覧"));
        QCOMPARE(help.currentTopic(), QStringLiteral("index.html"));

        help.search(QStringLiteral("隅肉溶接長"));
        QCOMPARE(help.results()->count(), 1);
        QCOMPARE(help.results()->item(0)->text(), QStringLiteral("メッセージ一覧"));
        QCOMPARE(help.currentTopic(), QStringLiteral("messages.html"));
        QVERIFY(!help.browser()->extraSelections().isEmpty());

        // Half-width katakana find their full-width forms.
        help.search(QStringLiteral("隅肉溶接長 ﾘﾌﾞﾌﾟﾚｰﾄ"));
        QCOMPARE(help.results()->count(), 1);

        help.search(QStringLiteral("隅肉溶接長 存在しない語"));
        QCOMPARE(help.results()->item(0)->text(), QStringLiteral("見つかりません"));

        help.showTopic(QStringLiteral("stresses.html#syntax"));
        QCOMPARE(help.currentTopic(), QStringLiteral("stresses.html#syntax"));
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("組み合わせ式の書き方")));
    }

    void f1AndContextHelpOpenTheTopic() {
        TestProgram program;
        MainWindow w(program.settings(), program.folder());
        w.show();
        QVERIFY(w.action(Command::helpTopics)->shortcut() == QKeySequence(Qt::Key_F1));
        w.action(Command::helpTopics)->trigger();
        QCOMPARE(w.helpWindow()->currentTopic(), QStringLiteral("index.html"));

        // F1 in a dialog: the dialog's topic.
        QDialog sheet(&w);
        sheet.setWindowTitle(QStringLiteral("基本条件"));
        auto* field = new QLineEdit(&sheet);
        sheet.show();
        QTest::keyClick(field, Qt::Key_F1);
        QCOMPARE(w.helpWindow()->currentTopic(), QStringLiteral("conditions.html"));

        // What's this on a field without its own text: the window's topic.
        sheet.setWindowTitle(QStringLiteral("柱脚形状の設定"));
        QHelpEvent whatsThis(QEvent::WhatsThis, QPoint(1, 1), field->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(field, &whatsThis);
        QCOMPARE(w.helpWindow()->currentTopic(), QStringLiteral("column-base.html#shape"));

        // The link of an area's own text.
        QVERIFY(w.pageView()->whatsThis().contains(QStringLiteral("index.html#window")));
        QWhatsThisClickedEvent clicked(QStringLiteral("index.html#window"));
        QApplication::sendEvent(w.pageView(), &clicked);
        QCOMPARE(w.helpWindow()->currentTopic(), QStringLiteral("index.html#window"));
    }

    void theAboutBoxHandsItsLinksToTheDesktop() {
        AboutBox box(QStringLiteral("/data/kesto"));
        QCOMPARE(box.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        QStringList texts;
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            texts << label->text();
        }
        QVERIFY(texts.contains(QStringLiteral("Kesto Version 1.80")));
        QVERIFY(texts.contains(QStringLiteral("データ フォルダ：/data/kesto")));
        QCOMPARE(box.mailButton()->text(), kesto::app::projectMail());
        QCOMPARE(box.pageButton()->text(), kesto::app::projectPage());

        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "openUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        box.mailButton()->click();
        box.pageButton()->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(opened_, (QList<QUrl>{QUrl(QStringLiteral("mailto:") + kesto::app::projectMail()),
                                       QUrl(kesto::app::projectPage())}));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
