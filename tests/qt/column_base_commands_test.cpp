// The shape dialog and the unit conversion closed with Cancel leave no step behind. (Their OK as
// one undo step each is part of undo_test.)
#include <QDialog>
#include <QLineEdit>
#include <QUndoStack>
#include <QtTest>

#include "app/column_base_commands.h"
#include "example_document.h"
#include "model/document_file.h"

using namespace kesto;

class ColumnBaseCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void cancelledDialogsPushNothing() {
        test::ExampleDocument example;
        KestoDocument& doc = *example.document;
        const std::string before = serializeDocument(doc.data());
        QUndoStack stack;
        for (auto* run : {app::editCurrentColumnBase, app::convertUnits}) {
            QTimer::singleShot(0, [] {
                auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                d->findChild<QLineEdit*>()->setText("40");
                d->reject();
            });
            QVERIFY(!run(nullptr, doc, stack));
        }
        QCOMPARE(stack.count(), 0);
        QVERIFY(serializeDocument(doc.data()) == before);
    }
};

QTEST_MAIN(ColumnBaseCommandsTest)
#include "column_base_commands_test.moc"
