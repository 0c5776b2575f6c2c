#include "dialogs/conditions_sheet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "base/number_text.h"
#include "dialog_test_support.h"

namespace kesto::gui {
namespace {

using O = DesignOptions;

class ConditionsSheetTest : public QObject {
    Q_OBJECT
  private:
    static void click(ConditionsSheet& s, std::uint8_t O::*field, int id) {
        s.radios(field)->button(id)->click();
    }

  private slots:
    void routeThreeControlsFollowTheClicks() {
        DesignOptions o;
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
        ConditionsSheet s(DesignOptions{});
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
        DesignOptions o;
        o.routeX = o.routeY = 0;
        o.boltClearance = 7.5;
        o.gammaX = 1.5;
        ConditionsSheet s(o);
        QCOMPARE(s.edit(&O::gammaX)->text(), QStringLiteral("1.5"));
        s.edit(&O::alphaY)->setText(QStringLiteral(" -2 "));
        click(s, &O::writeDetailFile, 1);
        s.accept();
        QCOMPARE(s.result(), int(QDialog::Accepted));
        DesignOptions expected = o;
        expected.alphaY = -2;
        expected.writeDetailFile = 1;
        QVERIFY(s.options() == expected);
    }

    void aNumberThatDoesNotReadKeepsTheSheetOpen() {
        ConditionsSheet s(DesignOptions{});
        test::ScriptedQuestions q;
        s.setQuestions(q);
        s.edit(&O::tubeLossAn)->setText(QStringLiteral("0.8x"));
        s.accept();
        QCOMPARE(s.result(), int(QDialog::Rejected));
        QCOMPARE(q.asked, std::vector<std::string>{kNotANumberMessage});
        QCOMPARE(s.pages()->currentIndex(), 1);
        QVERIFY(s.options() == DesignOptions{});
    }
};

}  // namespace
}  // namespace kesto::gui

QTEST_MAIN(kesto::gui::ConditionsSheetTest)
#include "conditions_sheet_test.moc"
