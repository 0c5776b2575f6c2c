// The 設定 menu's conditions, stress and table commands: their place in the menu, OK as one
// undoable step, a table edit that leaves the document unmodified, and Cancel that changes
// nothing.
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "app/main_window.h"
#include "dialog_test_support.h"
#include "dialogs/list_edit_panel.h"
#include "dialogs/table_editor_dialog.h"
#include "dialogs/table_file_dialog.h"
#include "model/document_file.h"
#include "qt_test_support.h"

using kesto::app::Command;
using kesto::app::MainWindow;
using kesto::test::TestProgram;

namespace {

// The stored document and every table with its file name, title and modified flag.
struct Snapshot {
    std::string document;
    kesto::TableState<kesto::CSteel> hShapes;
    kesto::TableState<kesto::CSteel> tubes;
    kesto::TableState<kesto::CABolt> bolts;
    kesto::OwnedList<kesto::CConcreteRaw> concrete;
    kesto::OwnedList<kesto::CSteelRaw> steelGrades;
    bool concreteModified;
    bool steelGradeModified;

    explicit Snapshot(const kesto::KestoDocument& d)
        : document(kesto::serializeDocument(d.data())),
          hShapes(d.sectionTable(kesto::KestoDocument::SectionTable::hShapes)),
          tubes(d.sectionTable(kesto::KestoDocument::SectionTable::tubes)),
          bolts(d.boltTable()),
          concrete(d.conditions().concreteTable),
          steelGrades(d.conditions().steelGradeTable),
          concreteModified(d.conditions().concreteModified),
          steelGradeModified(d.conditions().steelGradeModified) {}

    bool operator==(const Snapshot& o) const {
        const auto same = [](const auto& a, const auto& b) {
            return a.fileName == b.fileName && a.title == b.title && a.rows == b.rows &&
                   a.modified == b.modified;
        };
        return document == o.document && same(hShapes, o.hShapes) && same(tubes, o.tubes) &&
               same(bolts, o.bolts) && concrete == o.concrete && steelGrades == o.steelGrades &&
               concreteModified == o.concreteModified && steelGradeModified == o.steelGradeModified;
    }
};

// Runs `inDialog` on the modal dialog the command opens, then the command itself.
void runCommand(MainWindow& w, Command command, std::function<void(QDialog*)> inDialog) {
    QTimer::singleShot(
        0, [inDialog] { inDialog(qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
    w.action(command)->trigger();
}

QMenu* menuNamed(MainWindow& w, const QString& title) {
    for (const QAction* menu : w.menuBar()->actions()) {
        if (menu->text() == title) {
            return menu->menu();
        }
    }
    return nullptr;
}

}  // namespace

class SettingsCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void settingsMenuOrder();
    void tableOkIsOneStepLeavingTheDocumentUnmodified();
    void sectionTableTakesOverTheFileName();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
};

void SettingsCommandsTest::settingsMenuOrder() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    QMenu* menu = menuNamed(w, QStringLiteral("設定(&S)"));
    QVERIFY(menu != nullptr);
    QStringList texts;
    for (const QAction* a : menu->actions()) {
        texts << (a->isSeparator() ? QStringLiteral("|") : a->text());
    }
    kesto::dialogs::test::savePicture(*menu, "menu_settings");
    QCOMPARE(texts,
             QStringList({"建物名称(&T)", "|", "基本条件(&B)", "応力条件(&O)", "|", "ＳＩ単位(&S)",
                          "重力単位(&G)", "|", "ｺﾝｸﾘｰﾄ材質(&C)", "鋼材材質(&S)", "Ｈ形鋼形状(&H)",
                          "角形鋼管形状(&C)", "ｱﾝｶｰﾎﾞﾙﾄ形状(&A)", "|", "印刷ﾌｫﾝﾄ設定(&F)",
                          "印刷ﾍﾟｰｼﾞ設定(&T)"}));
    QCOMPARE(w.action(Command::stressConditions)->statusTip(),
             QStringLiteral("基本応力と応力の組み合わせを設定します。"));
}

void SettingsCommandsTest::tableOkIsOneStepLeavingTheDocumentUnmodified() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    const kesto::OwnedList<kesto::CSteelRaw> before = w.document().conditions().steelGradeTable;
    QVERIFY(before.size() >= 2);
    QVERIFY(!w.document().conditions().steelGradeModified);
    runCommand(w, Command::steelGradeTable, [](QDialog* d) {
        auto* editor = qobject_cast<kesto::dialogs::TableEditorDialog*>(d);
        editor->panel()->list()->setCurrentRow(1);
        editor->panel()->button(kesto::ListAction::moveUp)->click();
        editor->accept();
    });
    const auto& after = w.document().conditions().steelGradeTable;
    QCOMPARE(after[0], before[1]);
    QCOMPARE(after[1], before[0]);
    QVERIFY(w.document().conditions().steelGradeModified);
    QCOMPARE(w.undoStack().count(), 1);
    QVERIFY(!w.document().isModified());
    QVERIFY(!w.isWindowModified());

    w.action(Command::undo)->trigger();
    QVERIFY(w.document().conditions().steelGradeTable == before);
    QVERIFY(!w.document().conditions().steelGradeModified);
    w.action(Command::redo)->trigger();
    QCOMPARE(w.document().conditions().steelGradeTable[0], before[1]);
    QVERIFY(!w.document().isModified());
}

void SettingsCommandsTest::sectionTableTakesOverTheFileName() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    const auto hShapes = kesto::KestoDocument::SectionTable::hShapes;
    const std::string oldName = w.document().sectionTable(hShapes).fileName;
    // "新規作成" in the file dialog under a new name; the old rows are not saved.
    kesto::test::ScriptedQuestions answers;
    answers.answers[kesto::kDiscardCurrentTableQuestion] = true;
    runCommand(w, Command::hShapeTable, [&answers](QDialog* d) {
        auto* editor = qobject_cast<kesto::dialogs::TableEditorDialog*>(d);
        editor->setQuestions(answers);
        QTimer::singleShot(0, [] {
            auto* file =
                qobject_cast<kesto::dialogs::TableFileDialog*>(QApplication::activeModalWidget());
            file->newButton()->click();
            file->nameEdit()->setText(QStringLiteral("新規.tbl"));
            file->accept();
        });
        editor->fileButton()->click();
        editor->accept();
    });
    QCOMPARE(answers.asked, (std::vector<std::string>{kesto::kSaveCurrentTableQuestion,
                                                      kesto::kDiscardCurrentTableQuestion}));
    const auto state = w.document().sectionTable(hShapes);
    QCOMPARE(state.fileName, std::string("新規.tbl"));
    QVERIFY(state.rows.empty());
    QVERIFY(state.modified);
    w.action(Command::undo)->trigger();
    QCOMPARE(w.document().sectionTable(hShapes).fileName, oldName);
    QVERIFY(!w.document().sectionTable(hShapes).rows.empty());
}

void SettingsCommandsTest::cancelChangesNothing_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("unit");
    QTest::newRow("基本条件 重力") << static_cast<int>(Command::conditions) << 0;
    QTest::newRow("基本条件 SI") << static_cast<int>(Command::conditions) << 1;
    QTest::newRow("応力条件 重力") << static_cast<int>(Command::stressConditions) << 0;
    QTest::newRow("応力条件 SI") << static_cast<int>(Command::stressConditions) << 1;
    QTest::newRow("ｺﾝｸﾘｰﾄ材質 重力") << static_cast<int>(Command::concreteTable) << 0;
    QTest::newRow("ｺﾝｸﾘｰﾄ材質 SI") << static_cast<int>(Command::concreteTable) << 1;
    QTest::newRow("鋼材材質 重力") << static_cast<int>(Command::steelGradeTable) << 0;
    QTest::newRow("鋼材材質 SI") << static_cast<int>(Command::steelGradeTable) << 1;
    QTest::newRow("Ｈ形鋼形状 重力") << static_cast<int>(Command::hShapeTable) << 0;
    QTest::newRow("Ｈ形鋼形状 SI") << static_cast<int>(Command::hShapeTable) << 1;
    QTest::newRow("角形鋼管形状 重力") << static_cast<int>(Command::tubeTable) << 0;
    QTest::newRow("角形鋼管形状 SI") << static_cast<int>(Command::tubeTable) << 1;
    QTest::newRow("ｱﾝｶｰﾎﾞﾙﾄ形状 重力") << static_cast<int>(Command::boltTable) << 0;
    QTest::newRow("ｱﾝｶｰﾎﾞﾙﾄ形状 SI") << static_cast<int>(Command::boltTable) << 1;
}

void SettingsCommandsTest::cancelChangesNothing() {
    QFETCH(int, command);
    QFETCH(int, unit);
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    w.setUnitSystem(unit);
    w.undoStack().clear();
    w.document().setModified(false);
    const Snapshot before(w.document());
    QString title;
    runCommand(w, static_cast<Command>(command), [&title](QDialog* d) {
        title = d->windowTitle();
        kesto::dialogs::test::savePicture(*d, QString::fromUtf8(QTest::currentDataTag()));
        // A change to the private copies first: the first list's first row moved down.
        if (auto* panel = d->findChild<kesto::dialogs::ListEditPanel*>()) {
            panel->list()->setCurrentRow(0);
            panel->button(kesto::ListAction::moveDown)->click();
        }
        d->reject();
    });
    QVERIFY(!title.isEmpty());
    QVERIFY(Snapshot(w.document()) == before);
    QCOMPARE(w.undoStack().count(), 0);
    QVERIFY(!w.document().isModified());
}

QTEST_MAIN(SettingsCommandsTest)
#include "settings_commands_test.moc"
