// The installer dialog "Programのインストール": the list it shows from "Program.txt", what OK
// copies and starts, and the questions at which it stays open.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/startup.h"
#include "base/codepage.h"
#include "dialog_test_support.h"
#include "dialogs/installer_dialog.h"
#include "modal_closer.h"

using kesto::dialogs::InstallerDialog;
using kesto::dialogs::test::ScriptedQuestions;

namespace {

const QString kList = QStringLiteral(
    "; Kesto\r\n"
    "\r\n"
    "%1\r\n"
    "; programs\r\n"
    "2 kesto 本体プログラム\r\n"
    "\r\n"
    "1 ConcRaw.tbl コンクリート材質\r\n"
    "0 Program.txt このリスト\r\n"
    "1 計算方針1.txt 計算方針\r\n");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A distribution folder with its list and files, and a dialog on it answering from a script.
struct Installer {
    QTemporaryDir source;
    QTemporaryDir target;
    ScriptedQuestions questions;
    QStringList started;
    InstallerDialog dialog{nullptr, source.path()};

    explicit Installer(const QString& defaultFolder = QStringLiteral("~/Kesto")) {
        const auto list = kesto::encodeCp932(kList.arg(defaultFolder).toStdString());
        writeFile(source.filePath("Program.txt"), QByteArray::fromStdString(*list));
        for (const char* name : {"kesto", "ConcRaw.tbl", "計算方針1.txt"}) {
            writeFile(source.filePath(name), name);
        }
        dialog.setQuestions(questions);
        dialog.setProgramStarter([this](const QString& program) { started << program; });
        dialog.readProgramList();
    }
    QLineEdit* folder() { return dialog.findChild<QLineEdit*>("folder"); }
    QListWidget* files() { return dialog.findChild<QListWidget*>("files"); }
    void answerYes(const QString& folderShown) {
        questions.answers[(folderShown + "\nディレクトリを作成します").toStdString()] = true;
        questions.answers[(folderShown + "\nインストールを開始します").toStdString()] = true;
    }
    QStringList copied(const QString& folder) {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
};

}  // namespace

class InstallerDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheListedFilesWithTheDefaultFolder() {
        Installer i(QStringLiteral("/opt/kesto"));
        QCOMPARE(i.dialog.windowTitle(), QString("Programのインストール"));
        QCOMPARE(i.folder()->text(), QString("/opt/kesto"));
        QListWidget* files = i.files();
        QCOMPARE(files->count(), 3);
        QCOMPARE(files->item(0)->text(), QString(" kesto 本体プログラム"));
        QCOMPARE(files->item(1)->text(), QString(" ConcRaw.tbl コンクリート材質"));
        QCOMPARE(files->item(2)->text(), QString(" 計算方針1.txt 計算方針"));
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(files->item(row)->checkState(), Qt::Checked);
            QCOMPARE(bool(files->item(row)->flags() & Qt::ItemIsEnabled), row != 0);
        }
        QVERIFY(i.questions.asked.empty());
        kesto::dialogs::test::savePicture(i.dialog, "installer");
    }

    void missingListLeavesTheDialogEmpty() {
        QTemporaryDir empty;
        ScriptedQuestions questions;
        InstallerDialog dialog(nullptr, empty.path());
        dialog.setQuestions(questions);
        dialog.readProgramList();
        QCOMPARE(questions.asked, std::vector<std::string>{"プログラムリストがありません"});
        QCOMPARE(dialog.findChild<QListWidget*>("files")->count(), 0);
        QVERIFY(dialog.findChild<QLineEdit*>("folder")->text().isEmpty());
    }

    void okCopiesTheTickedFilesAndStartsSetup() {
        Installer i;
        const QString folder = i.target.filePath("a/b/Kesto");
        i.folder()->setText(folder + "//");
        i.files()->item(0)->setCheckState(Qt::Unchecked);  // required: copied all the same
        i.files()->item(1)->setCheckState(Qt::Unchecked);
        i.answerYes(folder);
        i.dialog.accept();
        QCOMPARE(i.questions.asked,
                 (std::vector<std::string>{(folder + "\nディレクトリを作成します").toStdString(),
                                           (folder + "\nインストールを開始します").toStdString()}));
        QCOMPARE(i.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(i.copied(folder), (QStringList{"kesto", "計算方針1.txt"}));
        QCOMPARE(i.started, QStringList{folder + "/setup"});
    }

    void cancelAtEachQuestionStaysOpen() {
        Installer i;
        const QString folder = i.target.filePath("k");
        i.folder()->setText(folder);
        i.dialog.accept();
        QVERIFY(!QDir(folder).exists());
        i.questions.answers[(folder + "\nディレクトリを作成します").toStdString()] = true;
        i.dialog.accept();
        QCOMPARE(i.questions.asked.back(), (folder + "\nインストールを開始します").toStdString());
        QVERIFY(QDir(folder).exists());
        QVERIFY(i.copied(folder).isEmpty());
        QVERIFY(i.started.isEmpty());
        QVERIFY(i.dialog.result() != QDialog::Accepted);
    }

    void emptyOrUncreatableFolderStaysOpen() {
        Installer i;
        i.folder()->clear();
        i.dialog.accept();
        QCOMPARE(i.questions.asked.back(), std::string("パス名を設定してください"));
        writeFile(i.target.filePath("file"), "");
        const QString folder = i.target.filePath("file/k");
        i.folder()->setText(folder);
        i.answerYes(folder);
        i.dialog.accept();
        QCOMPARE(i.questions.asked.back(), std::string("ディレクトリが作成できませんでした"));
        QVERIFY(i.dialog.result() != QDialog::Accepted);
    }

    void failedCopyOfARequiredFileIsReportedAndStartsNoSetup() {
        Installer i;
        QFile::remove(i.source.filePath("kesto"));
        QFile::remove(i.source.filePath("ConcRaw.tbl"));
        i.folder()->setText(i.target.path());
        i.answerYes(i.target.path());
        i.dialog.accept();
        QCOMPARE(i.questions.asked.back(),
                 std::string("次のファイルがコピーできませんでした\n"
                             "kesto: ファイルがありません\n"
                             "ConcRaw.tbl: ファイルがありません\n"
                             "必要なファイルが揃わないため、セットアップを開始しません"));
        QCOMPARE(i.copied(i.target.path()), QStringList{"計算方針1.txt"});
        QVERIFY(i.started.isEmpty());
        QCOMPARE(i.dialog.result(), int(QDialog::Accepted));
    }

    void browseReplacesTheFolderUnlessCancelled() {
        Installer i(QStringLiteral("/opt/kesto"));
        QString offered;
        QString answer = QStringLiteral("/srv/kesto");
        i.dialog.setFolderChooser([&](QWidget*, const QString& current) {
            offered = current;
            return answer;
        });
        auto* browse = i.dialog.findChild<QAbstractButton*>("browse");
        QCOMPARE(browse->text(), QString("参照"));
        browse->click();
        QCOMPARE(offered, QString("/opt/kesto"));
        QCOMPARE(i.folder()->text(), QString("/srv/kesto"));
        answer.clear();
        browse->click();
        QCOMPARE(i.folder()->text(), QString("/srv/kesto"));
    }

    // "/install" reads the list of the current folder and shows no main window.
    void installSwitchRunsOnlyTheDialog() {
        Installer i(QStringLiteral("/opt/kesto"));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(i.source.path());
        QStringList seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* d = dynamic_cast<InstallerDialog*>(QApplication::activeModalWidget())) {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (w->isVisible()) {
                        seen << w->windowTitle();
                    }
                }
                seen << d->findChild<QLineEdit*>("folder")->text();
                d->reject();
            }
        });
        poll.start(10);
        const int status = kesto::app::runProgram(
            *qApp, kesto::app::parseCommandLine(QStringList{QStringLiteral("/install")}));
        QDir::setCurrent(previous);
        QCOMPARE(status, 0);
        QCOMPARE(seen, (QStringList{"Programのインストール", "/opt/kesto"}));
    }
};

QTEST_MAIN(InstallerDialogTest)
#include "installer_dialog_test.moc"
