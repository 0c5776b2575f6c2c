// The shape dialog's OK and the unit conversion as undo steps on the bundled example.
#include <QLineEdit>
#include <QUndoStack>
#include <QtTest>

#include "app/column_base_commands.h"
#include "dialogs/column_base_dialog.h"
#include "example_document.h"

using namespace kesto;

class ColumnBaseCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void okOfTheShapeDialogIsOneStep() {
        test::ExampleDocument example;
        KestoDocument& doc = *example.document;
        const CKesto before = *doc.currentPage();
        QUndoStack stack;
        // Cancel pushes nothing.
        QTimer::singleShot(0, [] {
            QApplication::activeModalWidget()->findChild<QLineEdit*>("plateT")->setText("40");
            qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject();
        });
        QVERIFY(!app::editCurrentColumnBase(nullptr, doc, stack));
        QCOMPARE(stack.count(), 0);
        QTimer::singleShot(0, [] {
            QApplication::activeModalWidget()->findChild<QLineEdit*>("plateT")->setText("40");
            qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept();
        });
        QVERIFY(app::editCurrentColumnBase(nullptr, doc, stack));
        QCOMPARE(stack.count(), 1);
        QCOMPARE(stack.undoText(), QString("柱脚形状の設定"));
        QCOMPARE(doc.currentPage()->plateT, 40.0);
        QVERIFY(doc.isModified());
        stack.undo();
        QVERIFY(*doc.currentPage() == before);
        stack.redo();
        QCOMPARE(doc.currentPage()->plateT, 40.0);
    }

    void conversionIsOneStep() {
        test::ExampleDocument example;
        KestoDocument& doc = *example.document;
        std::vector<CKesto> before;
        for (const CKesto& p : doc.conditions().pages) {
            before.push_back(p);
        }
        QVERIFY(before.size() > 1);
        QVERIFY(before.back().basicStresses[0][0].m != 0);
        QUndoStack stack;
        QTimer::singleShot(0, [] {
            QApplication::activeModalWidget()->findChild<QLineEdit*>("factor")->setText("2");
            qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept();
        });
        QVERIFY(app::convertUnits(nullptr, doc, stack));
        QCOMPARE(stack.count(), 1);
        const CKesto& last = doc.conditions().pages[before.size() - 1];
        QCOMPARE(last.basicStresses[0][0].m, 2 * before.back().basicStresses[0][0].m);
        stack.undo();
        for (std::size_t i = 0; i < before.size(); ++i) {
            QVERIFY(doc.conditions().pages[i] == before[i]);
        }
        stack.redo();
        QCOMPARE(last.basicStresses[0][0].m, 2 * before.back().basicStresses[0][0].m);
    }
};

QTEST_MAIN(ColumnBaseCommandsTest)
#include "column_base_commands_test.moc"
