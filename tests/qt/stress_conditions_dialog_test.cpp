#include "dialogs/stress_conditions_dialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "base/number_text.h"
#include "dialog_test_support.h"
#include "dialogs/list_edit_panel.h"

namespace kesto::dialogs {
namespace {

StressSetup sample() {
    StressSetup c;
    c.stressNames.append(CStressName{"G:常時", 1.0, 1.0, 1.0});
    c.stressNames.append(CStressName{"K:地震", 1.0, 1.0, 1.0});
    c.longTermCombos.append(CStringTable{"G"});
    c.shortTermCombos.append(CStringTable{"G+K"});
    c.shortTermCombos.append(CStringTable{"G-K"});
    c.ultimateCombos.append(CStringTable{"G+K"});
    c.gammaStressName = "K";
    return c;
}

void press(StressConditionsDialog& d, int list, ListAction action) {
    d.panel(list)->button(action)->click();
}

class StressConditionsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheFirstEntries() {
        StressConditionsDialog d(sample());
        test::savePicture(d, "stress_conditions");
        QCOMPARE(d.panel(0)->list()->count(), 2);
        QCOMPARE(d.panel(0)->list()->currentRow(), 0);
        QCOMPARE(d.symbolEdit()->text(), QStringLiteral("G"));
        QCOMPARE(d.nameEdit()->text(), QStringLiteral("常時"));
        QCOMPARE(d.expressionEdit(1)->text(), QStringLiteral("G+K"));
        QCOMPARE(d.gammaEdit()->text(), QStringLiteral("K"));
        d.panel(0)->list()->setCurrentRow(1);
        QCOMPARE(d.symbolEdit()->text(), QStringLiteral("K"));
    }

    void duplicatesAreRefusedWithTheMessage() {
        StressConditionsDialog d(sample());
        test::ScriptedQuestions q;
        d.setQuestions(q);
        d.nameEdit()->setText(QStringLiteral("固定"));
        press(d, 0, ListAction::registerRow);  // symbol "G" is shown: a duplicate
        press(d, 2, ListAction::modifyRow);    // "G+K" unchanged
        QCOMPARE(q.asked,
                 (std::vector<std::string>{kDuplicateSymbolMessage, kDuplicateSymbolMessage}));
        QCOMPARE(d.panel(0)->list()->count(), 2);
    }

    void modifyThenOkWritesTheCopies() {
        StressConditionsDialog d(sample());
        test::ScriptedQuestions q;
        d.setQuestions(q);
        d.panel(0)->list()->setCurrentRow(1);
        d.nameEdit()->setText(QStringLiteral("地震時"));
        d.factorEdit(1)->setText(QStringLiteral("2.0"));
        press(d, 0, ListAction::modifyRow);
        QVERIFY(q.asked.empty());
        QCOMPARE(d.panel(0)->list()->item(1)->text(), QStringLiteral("K:地震時"));
        d.gammaEdit()->setText(QStringLiteral("E"));
        d.accept();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        StressSetup expected = sample();
        expected.stressNames[1] = CStressName{"K:地震時", 2.0, 1.0, 1.0};
        expected.gammaStressName = "E";
        QVERIFY(d.setup() == expected);
    }

    void deleteAsksFirst() {
        StressConditionsDialog d(sample());
        test::ScriptedQuestions q;
        d.setQuestions(q);
        d.panel(2)->list()->setCurrentRow(1);
        press(d, 2, ListAction::deleteRow);  // Cancel
        QCOMPARE(d.panel(2)->list()->count(), 2);
        q.answers[kDeleteQuestion] = true;
        press(d, 2, ListAction::deleteRow);
        QCOMPARE(q.asked, (std::vector<std::string>{kDeleteQuestion, kDeleteQuestion}));
        QCOMPARE(d.panel(2)->list()->count(), 1);
        QCOMPARE(d.panel(2)->list()->currentRow(), 0);
        press(d, 2, ListAction::deleteRow);
        QCOMPARE(d.panel(2)->list()->count(), 0);
        QCOMPARE(d.expressionEdit(1)->text(), QStringLiteral("G+K"));  // the edit keeps its text
        q.asked.clear();
        press(d, 2, ListAction::deleteRow);  // nothing selected: not asked
        QVERIFY(q.asked.empty());
    }

    void aFactorThatDoesNotReadKeepsTheDialogOpen() {
        StressConditionsDialog d(sample());
        test::ScriptedQuestions q;
        d.setQuestions(q);
        d.factorEdit(2)->setText(QStringLiteral("1..5"));
        press(d, 0, ListAction::registerRow);
        d.accept();
        QCOMPARE(q.asked, (std::vector<std::string>{kNotANumberMessage, kNotANumberMessage}));
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(d.setup() == sample());
    }
};

}  // namespace
}  // namespace kesto::dialogs

QTEST_MAIN(kesto::dialogs::StressConditionsDialogTest)
#include "stress_conditions_dialog_test.moc"
