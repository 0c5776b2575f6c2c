#include "dialogs/table_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "base/number_text.h"
#include "dialog_test_support.h"
#include "dialogs/list_edit_panel.h"
#include "dialogs/table_file_dialog.h"
#include "tables/table_files.h"
#include "tables/table_store.h"
#include "test_support.h"

namespace kesto::dialogs {
namespace {

QLineEdit* lineEdit(TableEditorDialog& d, int field) {
    return qobject_cast<QLineEdit*>(d.field(field));
}

void press(TableEditorDialog& d, ListAction action) {
    d.panel()->button(action)->click();
}

OwnedList<CSteel> sections() {
    OwnedList<CSteel> t;
    t.append(defaultHSection());
    CSteel second = defaultHSection();
    second.name = "H-200x100x5.5x8 SN";
    t.append(second);
    return t;
}

class TableEditorDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTableInBothUnits() {
        for (int unit = 0; unit < 2; ++unit) {
            const QString suffix = unit == 1 ? "_si" : "_gravity";
            OwnedList<CConcreteRaw> concrete;
            concrete.append(CConcreteRaw{"Fc21", 0, 0, 21, {7, 14}, {0.7, 1.05}, {}, {}, {}, {}});
            auto c = concreteEditor(concrete, unit);
            TableEditorDialog cd(*c);
            QCOMPARE(cd.windowTitle(), QStringLiteral("コンクリート材質の設定"));
            QVERIFY(!cd.field(kConcreteGridField)->isEnabled());
            qobject_cast<QCheckBox*>(cd.field(3))->click();
            QVERIFY(cd.field(kConcreteGridField + 11)->isEnabled());
            test::savePicture(cd, "table_concrete" + suffix);
            OwnedList<CSteelRaw> steel;
            steel.append(CSteelRaw{"SN400", 0, 235, 215});
            auto s = steelGradeEditor(steel, unit);
            TableEditorDialog sd(*s);
            test::savePicture(sd, "table_steel" + suffix);
        }
        auto h = sectionEditor(0, sections(), {});
        TableEditorDialog hd(*h);
        QVERIFY(hd.roundingBox()->isChecked());
        test::savePicture(hd, "table_hshape");
        OwnedList<CSteel> tubes;
        tubes.append(defaultTubeSection());
        auto t = sectionEditor(1, tubes, {});
        TableEditorDialog td(*t);
        test::savePicture(td, "table_tube");
        OwnedList<CABolt> bolts;
        bolts.append(defaultAnchorBolt());
        auto b = boltEditor(bolts, {});
        TableEditorDialog bd(*b);
        QVERIFY(bd.fileButton() != nullptr);
        test::savePicture(bd, "table_bolt");
    }

    void registerModifyDeleteThroughTheButtons() {
        auto editor = boltEditor({}, {});
        TableEditorDialog d(*editor);
        test::ScriptedQuestions q;
        d.setQuestions(q);
        QCOMPARE(lineEdit(d, 1)->text(), QStringLiteral("0"));
        press(d, ListAction::registerRow);
        lineEdit(d, 0)->setText(QStringLiteral("M20"));
        lineEdit(d, 1)->setText(QStringLiteral("2O"));  // letter O
        press(d, ListAction::registerRow);
        QCOMPARE(q.asked, (std::vector<std::string>{kEmptyNameMessage, kNotANumberMessage}));
        lineEdit(d, 1)->setText(QStringLiteral("20"));
        press(d, ListAction::registerRow);
        lineEdit(d, 0)->setText(QStringLiteral("M2"));
        press(d, ListAction::registerRow);
        QCOMPARE(d.panel()->list()->count(), 2);
        QCOMPARE(d.panel()->list()->currentRow(), 1);
        d.panel()->list()->setCurrentRow(0);
        QCOMPARE(lineEdit(d, 0)->text(), QStringLiteral("M20"));
        q.answers[kDeleteQuestion] = true;
        press(d, ListAction::deleteRow);
        press(d, ListAction::deleteRow);
        QCOMPARE(d.panel()->list()->count(), 0);
        QCOMPARE(lineEdit(d, 0)->text(), QString());
        QCOMPARE(lineEdit(d, 2)->text(), QStringLiteral("0"));
    }

    void sectionToolsFillTheFields() {
        auto editor = sectionEditor(0, sections(), {});
        TableEditorDialog d(*editor);
        lineEdit(d, 1)->setText(QStringLiteral("300"));
        d.nameButton()->click();
        QCOMPARE(lineEdit(d, 0)->text(), QStringLiteral("H-300x100x5.5x8"));
        const QString oldArea = lineEdit(d, 6)->text();
        d.recomputeButton()->click();
        QVERIFY(lineEdit(d, 6)->text() != oldArea);
        QCOMPARE(lineEdit(d, 6)->text(),
                 QStringLiteral("32.66"));  // 16 + 28.4·0.55 + 4·1.1²·0.2146
        d.roundingBox()->click();
        d.recomputeButton()->click();
        QVERIFY(lineEdit(d, 6)->text().size() > 6);
    }

    void okNeedsNumbersAndCancelKeepsTheTable() {
        const OwnedList<CSteel> table = sections();
        auto editor = sectionEditor(0, table, {});
        TableEditorDialog d(*editor);
        test::ScriptedQuestions q;
        d.setQuestions(q);
        lineEdit(d, 7)->setText(QStringLiteral("x"));
        d.accept();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(q.asked, std::vector<std::string>{kNotANumberMessage});
        lineEdit(d, 7)->setText(QStringLiteral("1"));
        press(d, ListAction::moveDown);
        d.accept();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(editor->rows()[1], table[0]);  // the unregistered "1" is not kept
        QCOMPARE(table.size(), std::size_t{2});
    }
};

class TableFileDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void openNewAndOk() {
        kesto::test::TempFolder folder;
        OwnedList<CABolt> other;
        other.append(CABolt{"N1", 1, 2, 3, 4});
        QCOMPARE(writeBoltTable(folder.file("other.tbl"), other, "line 1\r\nline 2"), 0);
        writeFileAtomic(folder.file("junk.tbl"), "junk");
        OwnedList<CABolt> current;
        current.append(defaultAnchorBolt());
        auto editor = boltEditor(current, {folder.folder(), "cur.tbl", "今"});
        TableEditorDialog ed(*editor);
        auto choice = editor->chooseTableFile();
        TableFileDialog d(*choice);
        test::ScriptedQuestions q;
        d.setQuestions(q);
        QCOMPARE(d.nameEdit()->text(), QStringLiteral("cur.tbl"));
        QString picked = QString::fromStdString(folder.file("junk.tbl"));
        QString offered;
        d.pickFile = [&](QWidget*, const QString& initial) {
            offered = initial;
            return picked;
        };
        d.openButton()->click();
        QCOMPARE(offered, QString::fromStdString(folder.folder() + "cur.tbl"));
        QCOMPARE(q.asked, std::vector<std::string>{kNotATableMessage});
        picked = QString::fromStdString(folder.file("other.tbl"));
        d.openButton()->click();
        QCOMPARE(d.nameEdit()->text(), QStringLiteral("other.tbl"));
        QCOMPARE(d.commentEdit()->toPlainText(), QStringLiteral("line 1\nline 2"));
        test::savePicture(d, "table_file");
        q.asked.clear();
        q.answers[kDiscardCurrentTableQuestion] = true;
        d.accept();
        QCOMPARE(q.asked, (std::vector<std::string>{kSaveCurrentTableQuestion,
                                                    kDiscardCurrentTableQuestion}));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(editor->rows(), other);
        QCOMPARE(editor->tableFile().comment, std::string("line 1\r\nline 2"));

        auto next = editor->chooseTableFile();
        TableFileDialog again(*next);
        again.setQuestions(q);
        again.newButton()->click();
        QCOMPARE(again.nameEdit()->text(), QString());
        q.asked.clear();
        again.accept();
        QCOMPARE(q.asked, std::vector<std::string>{kEnterFileNameMessage});
        QCOMPARE(again.result(), int(QDialog::Rejected));
    }
};

}  // namespace
}  // namespace kesto::dialogs

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kesto::dialogs::TableEditorDialogTest editors;
    kesto::dialogs::TableFileDialogTest files;
    return QTest::qExec(&editors, argc, argv) | QTest::qExec(&files, argc, argv);
}
#include "table_editor_dialog_test.moc"
