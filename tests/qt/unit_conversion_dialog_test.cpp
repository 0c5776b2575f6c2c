#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include "dialogs/unit_conversion_dialog.h"
#include "modal_closer.h"

using kesto::dialogs::UnitConversionDialog;

class UnitConversionDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void defaultsAndFactorEntry() {
        UnitConversionDialog d;
        auto* factor = d.findChild<QLineEdit*>("factor");
        auto* shorten = d.findChild<QCheckBox*>("shortenConcreteNames");
        QCOMPARE(factor->text(), QString("9.80665"));
        QVERIFY(shorten->isChecked());
        QCOMPARE(shorten->text(), QString("コンクリート名称を変換する（Fc210 -> Fc21）"));

        kesto::test::ModalCloser closer;
        factor->setText("9.8O");
        d.accept();
        QCOMPARE(closer.messages, QStringList{"数字を入力してください。"});
        QVERIFY(d.result() != QDialog::Accepted);

        factor->setText("-0.5");  // no range is enforced
        shorten->setChecked(false);
        d.accept();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.conversion().factor, -0.5);
        QVERIFY(!d.conversion().shortenConcreteNames);
    }
};

QTEST_MAIN(UnitConversionDialogTest)
#include "unit_conversion_dialog_test.moc"
