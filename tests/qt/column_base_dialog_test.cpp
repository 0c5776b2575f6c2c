// The column-base shape dialog and the stiffness dialog it opens, driven through their controls.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "../calc_test_support.h"
#include "dialogs/column_base_dialog.h"
#include "dialogs/live_plan.h"
#include "dialogs/stiffness_dialog.h"
#include "modal_closer.h"

using namespace kesto;
using dialogs::ColumnBaseDialog;

namespace {

// The calculation test tables with one more tube, route 3 in X and the route-3 study on.
CKestoCnt conditions() {
    CKestoCnt cnt = testing::makeCalcConditions();
    CSteel tube = cnt.tubeTable.front();
    tube.name = "□-300x300x12.0";
    tube.depth = tube.width = 300;
    cnt.tubeTable.append(tube);
    cnt.routeX = 2;
    cnt.route3NgCheck = 1;
    return cnt;
}

template <class W>
W* child(QDialog& d, const char* name) {
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr) {
        qFatal("no control %s", name);
    }
    return w;
}

void type(QDialog& d, const char* name, const char* text) {
    child<QLineEdit>(d, name)->setText(QString::fromUtf8(text));
}

}  // namespace

class ColumnBaseDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void okRefusedKeepsThePage_data();
    void okRefusedKeepsThePage();
    void okWritesEveryFieldOnlyWhenAllPasses();
    void cancelChangesNothing();
    void kindSwitchRefillsTheSectionList();
    void route3GroupFollowsRoutesAndOptions();
    void livePlanFollowsTyping();
    void stiffnessCheckRunsOnATemporaryPage();
    void stiffnessDialogKeepsValuesForZeroLength();
};

void ColumnBaseDialogTest::okRefusedKeepsThePage_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("plate") << "plateD"
                           << "350"
                           << "ベースプレートが柱より小さい";
    QTest::newRow("thickness") << "plateT"
                               << "0"
                               << "ベースプレート形状が異常です";
    QTest::newRow("bolts") << "boltCountY"
                           << "0"
                           << "アンカーボルト本数が０です";
    QTest::newRow("bolt Gx") << "boltGaugeX"
                             << "150"
                             << "アンカーボルトのゲージが異常です";
    QTest::newRow("bolt Gy") << "boltGaugeY"
                             << "0"
                             << "アンカーボルトのゲージが異常です";
    QTest::newRow("rib") << "ribH"
                         << "0"
                         << "リブプレート形状が異常です";
    QTest::newRow("rib Gy") << "ribGaugeY"
                            << "149"
                            << "リブプレートのＹ方向ゲージが異常です";
    QTest::newRow("rib Gx") << "ribGaugeX"
                            << "501"
                            << "リブプレートのＸ方向ゲージが異常です";
    QTest::newRow("negative") << "ribCountX"
                              << "-1"
                              << "リブプレート枚数が異常です";
    QTest::newRow("not a number") << "plateB"
                                  << "6S0"
                                  << "数字を入力してください。";
    QTest::newRow("not an integer") << "boltCountX"
                                    << "2.5"
                                    << "整数を入力してください。";
}

void ColumnBaseDialogTest::okRefusedKeepsThePage() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const CKestoCnt cnt = conditions();
    const CKesto page = cnt.pages[0];
    ColumnBaseDialog d(cnt, 0, page);
    child<QLineEdit>(d, field.toLatin1().constData())->setText(text);
    test::ModalCloser closer;
    d.accept();
    QCOMPARE(closer.messages, QStringList{message});
    QVERIFY(d.result() != QDialog::Accepted);
    QVERIFY(d.page() == page);
}

void ColumnBaseDialogTest::okWritesEveryFieldOnlyWhenAllPasses() {
    const CKestoCnt cnt = conditions();
    CKesto page = cnt.pages[0];
    page.mark = "C7";
    ColumnBaseDialog d(cnt, 0, page);
    test::ModalCloser closer;
    child<QComboBox>(d, "columnSection")->setCurrentIndex(-1);
    d.accept();
    QCOMPARE(closer.messages, QStringList{"柱鋼材を選択して下さい"});

    child<QComboBox>(d, "columnSection")->setCurrentIndex(1);
    type(d, "plateB", "700");
    type(d, "boltCountY", "1");  // its Gx moves to the plate centre and then fails
    d.accept();
    QCOMPARE(closer.messages.last(), QString("アンカーボルトのゲージが異常です"));
    QCOMPARE(child<QLineEdit>(d, "boltGaugeX")->text(), QString("325"));
    QVERIFY(d.page() == page);

    type(d, "boltCountY", "3");
    type(d, "boltGaugeX", "75");
    type(d, "ribGaugeX", "180");  // on the smaller tube
    type(d, "ribGaugeY", "210");
    type(d, "inputAa", "");
    type(d, "inputAc", "12.5");
    child<QRadioButton>(d, "rotated")->click();
    child<QCheckBox>(d, "concreteShearCheck")->click();
    d.accept();
    QCOMPARE(closer.messages.size(), 2);  // none more
    QCOMPARE(d.result(), int(QDialog::Accepted));
    CKesto expected = page;
    expected.columnSection = "□-300x300x12.0";
    expected.plateB = 700;
    expected.ribGaugeX = 180;
    expected.ribGaugeY = 210;
    expected.inputAc = 12.5;
    expected.rotated = 1;
    expected.concreteShearCheck = 0;
    QVERIFY(d.page() == expected);
}

void ColumnBaseDialogTest::cancelChangesNothing() {
    const CKestoCnt cnt = conditions();
    const CKesto page = cnt.pages[0];
    ColumnBaseDialog d(cnt, 0, page);
    type(d, "plateB", "900");
    d.reject();
    QVERIFY(d.page() == page);
}

void ColumnBaseDialogTest::kindSwitchRefillsTheSectionList() {
    const CKestoCnt cnt = conditions();
    ColumnBaseDialog d(cnt, 0, cnt.pages[0]);
    auto* section = child<QComboBox>(d, "columnSection");
    QCOMPARE(section->count(), 2);
    QVERIFY(!child<QRadioButton>(d, "wingPlate")->isEnabled());

    child<QRadioButton>(d, "hShape")->click();
    QCOMPARE(section->count(), 1);
    QCOMPARE(section->itemText(0), QString("H-400x200x8x13"));
    QCOMPARE(section->currentIndex(), -1);  // the tube is no H-shape
    QVERIFY(child<QRadioButton>(d, "wingPlate")->isEnabled());
    for (const char* name : {"ribGaugeX", "ribCountY", "boltCountY"}) {
        QVERIFY2(!child<QLineEdit>(d, name)->isEnabled(), name);
    }

    section->setCurrentIndex(0);
    type(d, "ribGaugeY", "225");
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.page().columnKind, 1);
    QCOMPARE(d.page().boltCountY, 0);
    QCOMPARE(d.page().ribCountY, 2);  // the wing plates

    ColumnBaseDialog back(cnt, 0, cnt.pages[0]);
    child<QRadioButton>(back, "hShape")->click();
    child<QRadioButton>(back, "squareTube")->click();
    QCOMPARE(child<QComboBox>(back, "columnSection")->currentText(), QString("□-350x350x16.0"));
}

void ColumnBaseDialogTest::route3GroupFollowsRoutesAndOptions() {
    const char* data[] = {"anchorBlockB", "anchorBlockD", "boltLength", "inputAa", "inputAc"};
    const auto enabled = [&](ColumnBaseDialog& d) {
        QString s;
        s += child<QLineEdit>(d, "pedestalB")->isEnabled() ? 'P' : '-';
        s += child<QCheckBox>(d, "useAnchorBlock")->isEnabled() ? 'A' : '-';
        s += child<QCheckBox>(d, "concreteShearCheck")->isEnabled() ? 'S' : '-';
        for (const char* name : data) {
            s += child<QLineEdit>(d, name)->isEnabled() ? 'D' : '-';
        }
        return s;
    };
    CKestoCnt cnt = conditions();
    {
        ColumnBaseDialog d(cnt, 0, cnt.pages[0]);
        QCOMPARE(enabled(d), QString("PASDDDDD"));
        child<QCheckBox>(d, "useAnchorBlock")->click();
        QCOMPARE(enabled(d), QString("PAS-----"));
    }
    cnt.useAnchorBlock = 0;
    cnt.concreteShearCheck = 0;
    QCOMPARE(enabled(*std::make_unique<ColumnBaseDialog>(cnt, 0, cnt.pages[0])),
             QString("P-------"));
    cnt.useAnchorBlock = 1;
    cnt.boltElongation = 0;
    QCOMPARE(enabled(*std::make_unique<ColumnBaseDialog>(cnt, 0, cnt.pages[0])),
             QString("P-------"));
    cnt.boltElongation = 1;
    cnt.routeX = 1;  // both directions ﾙｰﾄ1-2/2
    QCOMPARE(enabled(*std::make_unique<ColumnBaseDialog>(cnt, 0, cnt.pages[0])),
             QString("--------"));
}

void ColumnBaseDialogTest::livePlanFollowsTyping() {
    const CKestoCnt cnt = conditions();
    ColumnBaseDialog d(cnt, 0, cnt.pages[0]);
    const auto* plan = d.findChild<dialogs::LivePlan*>();
    const auto circles = [&] {
        return std::count_if(plan->figure().primitives.begin(), plan->figure().primitives.end(),
                             [](const FigurePrimitive& p) { return p.kind == p.kCircle; });
    };
    QCOMPARE(circles(), 8);  // 3 x 3 bolts on a ring
    type(d, "boltCountX", "4");
    QCOMPARE(circles(), 10);
    type(d, "boltCountY", "1");  // a single line: its gauge moves to the centre, as OK stores it
    // The bolts then sit on x = 0: the 32 mm circle spans trunc(-16 + 0.5) to trunc(16 + 0.5).
    QCOMPARE(plan->figure().primitives.back().points[0].x, -15);
    QCOMPARE(plan->figure().primitives.back().points[1].x, 16);
    type(d, "plateB", "65O");  // unreadable: the held value stays in the plan
    QCOMPARE(plan->figure().extentY, 650);
    child<QRadioButton>(d, "rotated")->click();
    QCOMPARE(plan->figure().extentX, 650);
    child<QComboBox>(d, "columnSection")->setCurrentIndex(-1);
    QVERIFY(plan->figure().primitives.empty());
}

void ColumnBaseDialogTest::stiffnessCheckRunsOnATemporaryPage() {
    CKestoCnt cnt = conditions();
    const CKesto page = cnt.pages[0];
    ColumnBaseDialog d(cnt, 0, page);
    test::ModalCloser closer("kesto::dialogs::StiffnessDialog");
    type(d, "plateB", "600");
    type(d, "boltGaugeY", "100");
    child<QPushButton>(d, "checkStiffness")->click();
    QCOMPARE(closer.messages, QStringList());
    QCOMPARE(closer.dialogs.size(), 1);
    QVERIFY(closer.dialogs[0].contains("dt =  250.0 /  200.0 mm"));
    QVERIFY(d.page() == page);

    cnt.boltTable.front().name = "M30x";  // the page's bolt is no longer in the table
    ColumnBaseDialog missing(cnt, 0, page);
    child<QPushButton>(missing, "checkStiffness")->click();
    QCOMPARE(closer.messages, QStringList{"アンカーボルト形状が異常です。"});
    QCOMPARE(closer.dialogs.size(), 1);
    QVERIFY(missing.page() == page);
}

void ColumnBaseDialogTest::stiffnessDialogKeepsValuesForZeroLength() {
    const CKestoCnt cnt = conditions();
    dialogs::StiffnessDialog d(cnt, 0, cnt.pages[0]);
    const auto texts = [&] {
        QStringList all;
        for (const QLabel* l : d.findChildren<QLabel*>()) {
            all << l->text();
        }
        return all;
    };
    const QStringList before = texts();
    QVERIFY(before.contains("nt = 3 / 3"));
    test::ModalCloser closer;
    d.findChild<QLineEdit*>("lb")->setText("0");
    d.computeStiffness();
    QCOMPARE(closer.messages, QStringList{"アンカーボルト長さが０です。"});
    QCOMPARE(texts(), before);
    d.findChild<QLineEdit*>("lb")->setText("300");
    d.computeStiffness();
    QVERIFY(texts() != before);
}

QTEST_MAIN(ColumnBaseDialogTest)
#include "column_base_dialog_test.moc"
