// The results overview over the bundled example: what each row shows, the CSV it agrees with,
// NG in red, the NG filter, sorting, the double click and the refresh after a calculation.
#include <QCheckBox>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>

#include "app/main_window.h"
#include "app/results_window.h"
#include "qt_test_support.h"
#include "report/results_table.h"

using kesto::app::MainWindow;

namespace {

struct Fixture {
    kesto::test::TestProgram program;
    MainWindow window{program.settings(), program.folder()};
    QTableView* table = nullptr;

    Fixture() {
        window.openDocument(QStringLiteral(KESTO_PROGRAM_FOLDER "examples/example.kso"));
        window.resize(1200, 800);
        window.show();
        window.resultsWindow()->toggleViewAction()->trigger();
        table = window.resultsWindow()->table();
    }
    QString text(int row, int column) const {
        return table->model()->index(row, column).data().toString();
    }
    QVariant colour(int row, int column) const {
        return table->model()->index(row, column).data(Qt::ForegroundRole);
    }
    // The row showing this page number.
    int rowOfPage(int page) const {
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            if (text(row, 0) == QString::number(page + 1)) {
                return row;
            }
        }
        return -1;
    }
};

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void rowsAgreeWithTheCsv();
    void calculationRefreshesAndNgIsRed();
    void sortsFiltersAndGoesToThePage();
};

void ResultsWindowTest::rowsAgreeWithTheCsv() {
    Fixture f;
    QVERIFY(f.window.resultsWindow()->isVisible());
    QStringList headers;
    for (int c = 0; c < f.table->model()->columnCount(); ++c) {
        headers << f.table->model()->headerData(c, Qt::Horizontal).toString();
    }
    QCOMPARE(headers, QStringList({"No.", "符号", "柱", "ﾍﾞｰｽﾌﾟﾚｰﾄ", "X 長期", "X 短期",
                                   "X 保有耐力", "Y 長期", "Y 短期", "Y 保有耐力"}));
    // The CSV: mark, section, then ratio and judgement of each direction and term.
    const QStringList csv =
        QString::fromStdString(kesto::writeResultsTable(f.window.document().conditions()))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(f.table->model()->rowCount(), f.window.document().pageCount());
    QCOMPARE(csv.size(), f.window.document().pageCount() + 1);
    for (int row = 0; row < f.table->model()->rowCount(); ++row) {
        const QStringList fields = csv[row + 1].split(QLatin1Char(','));
        QCOMPARE(f.text(row, 0), QString::number(row + 1));
        QCOMPARE(f.text(row, 1), fields[0]);
        QCOMPARE(f.text(row, 2), fields[1]);
        QVERIFY(f.text(row, 3).startsWith(QStringLiteral("BPL-")));
        for (int term = 0; term < 6; ++term) {
            const QString judgement = fields[3 + 2 * term];
            QCOMPARE(f.text(row, 4 + term), judgement == QStringLiteral("-")
                                                ? judgement
                                                : fields[2 + 2 * term] + ' ' + judgement);
        }
    }
}

void ResultsWindowTest::calculationRefreshesAndNgIsRed() {
    Fixture f;
    const int page = f.window.document().currentPageIndex();
    const int row = f.rowOfPage(page);
    QVERIFY(f.text(row, 4).endsWith(QStringLiteral("OK")));
    QCOMPARE(f.colour(row, 4), QVariant());
    f.window.document().setField({page, kesto::FieldRef::kBasicM, 0, 0}, 99999.0);
    f.window.calculatePage();
    QVERIFY(f.text(row, 4).endsWith(QStringLiteral("NG")));
    QCOMPARE(f.colour(row, 4), QVariant(QColor(Qt::red)));
    QCOMPARE(f.colour(row, 1), QVariant(QColor(Qt::red)));
}

void ResultsWindowTest::sortsFiltersAndGoesToThePage() {
    Fixture f;
    const int pages = f.window.document().pageCount();
    QVERIFY(pages >= 3);
    f.window.document().setField({1, kesto::FieldRef::kBasicM, 0, 0}, 99999.0);
    f.window.calculateAll();

    f.table->sortByColumn(4, Qt::DescendingOrder);
    QCOMPARE(f.text(0, 0), QStringLiteral("2"));
    f.table->sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(f.text(0, 0), QString::number(pages));

    // Every page of the example is NG in the ultimate-strength study: pages 1 and 4 pass it here.
    kesto::OwnedList<kesto::CKesto> passed = f.window.document().conditions().pages;
    for (const int page : {0, 3}) {
        passed[page].ultimateJudgement = {kesto::kJudgedOk, kesto::kJudgedOk};
        QVERIFY(!kesto::hasFindings(passed[page]));
    }
    f.window.document().setPages(std::move(passed));
    f.window.documentChanged();
    f.window.resultsWindow()->ngOnly()->setChecked(true);
    QCOMPARE(f.table->model()->rowCount(), pages - 2);
    QCOMPARE(f.rowOfPage(0), -1);
    QCOMPARE(f.rowOfPage(3), -1);
    QVERIFY(f.rowOfPage(1) >= 0);
    f.window.resultsWindow()->ngOnly()->setChecked(false);
    QCOMPARE(f.table->model()->rowCount(), pages);

    emit f.table->doubleClicked(f.table->model()->index(f.rowOfPage(2), 1));
    QCOMPARE(f.window.document().currentPageIndex(), 2);
}

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
