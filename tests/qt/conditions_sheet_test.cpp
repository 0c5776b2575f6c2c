#include "dialogs/conditions_sheet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "base/number_text.h"
#include "dialog_test_support.h"

namespace kesto::dialogs {
namespace {

using O = CKestoCnt;

class ConditionsSheetTest : public QObject {
    Q_OBJECT
  private:
    static void click(ConditionsSheet& s, std::uint8_t O::*field, int id) {
        s.radios(field)->button(id)->click();
    }

  private slots:
    void routeThreeControlsFollowTheClicks() {
        CKestoCnt o;
        o.routeX = o.routeY = 0;
        ConditionsSheet s(o);
        QVERIFY(!s.check(&O::route3NgCheck)->isEnabled());
        QVERIFY(!s.edit(&O::boltClearance)->isEnabled());
        QVERIFY(!s.check(&O::useAnchorBlock)->isEnabled());
        test::savePicture(s, "conditions_design");
        click(s, &O::routeY, 2);
        QVERIFY(s.check(&O::route3NgCheck)->isEnabled());
        QVERIFY(s.check(&O::concreteShearCheck)->isEnabled());
        click(s, &O::boltElongation, 0);
        QVERIFY(s.edit(&O::boltClearance)->isEnabled());
        QVERIFY(!s.check(&O::useAnchorBlock)->isEnabled());
        QVERIFY(!s.check(&O::concreteShearCheck)->isEnabled());
        s.check(&O::route3NgCheck)->click();
        QVERIFY(!s.edit(&O::boltClearance)->isEnabled());
    }

    void sectionLossControlsGreyWithTheTable() {
        ConditionsSheet s(CKestoCnt{});
        s.pages()->setCurrentIndex(1);
        test::savePicture(s, "conditions_section");
        s.pages()->setCurrentIndex(2);
        test::savePicture(s, "conditions_other");
        click(s, &O::sectionFromTable, 1);
        QVERIFY(!s.edit(&O::scallopSize)->isEnabled());
        QVERIFY(!s.edit(&O::tubeLossAn)->isEnabled());
        QVERIFY(!s.radios(&O::roundSectionProps)->button(1)->isEnabled());
        QVERIFY(s.edit(&O::yieldStrengthFactor)->isEnabled());
        click(s, &O::sectionFromTable, 0);
        QVERIFY(s.edit(&O::tubeLossZp)->isEnabled());
    }

    void okStoresEveryFieldDisabledOnesToo() {
        CKestoCnt c;
        c.routeX = c.routeY = 0;
        c.boltClearance = 7.5;
        c.gammaX = 1.5;
        c.gammaStressName = "E";
        c.stressNames.append(CStressName{"G:常時"});
        ConditionsSheet s(c);
        QCOMPARE(s.edit(&O::gammaX)->text(), QStringLiteral("1.5"));
        s.edit(&O::alphaY)->setText(QStringLiteral(" -2 "));
        click(s, &O::writeDetailFile, 1);
        s.accept();
        QCOMPARE(s.result(), int(QDialog::Accepted));
        const CKestoCnt& o = s.options();
        QCOMPARE(o.boltClearance, 7.5);  // disabled, stored all the same
        QCOMPARE(o.routeY, std::uint8_t{0});
        QCOMPARE(o.gammaX, 1.5);
        QCOMPARE(o.alphaY, -2.0);
        QCOMPARE(o.writeDetailFile, std::uint8_t{1});
        QCOMPARE(o.gammaStressName, std::string("K"));  // not a field of the sheet
        QVERIFY(o.stressNames.empty());
    }

    void aNumberThatDoesNotReadKeepsTheSheetOpen() {
        ConditionsSheet s(CKestoCnt{});
        test::ScriptedQuestions q;
        s.setQuestions(q);
        s.edit(&O::tubeLossAn)->setText(QStringLiteral("0.8x"));
        s.accept();
        QCOMPARE(s.result(), int(QDialog::Rejected));
        QCOMPARE(q.asked, std::vector<std::string>{kNotANumberMessage});
        QCOMPARE(s.pages()->currentIndex(), 1);
        QCOMPARE(s.options().tubeLossAn, 1.0);
    }
};

}  // namespace
}  // namespace kesto::dialogs

QTEST_MAIN(kesto::dialogs::ConditionsSheetTest)
#include "conditions_sheet_test.moc"
