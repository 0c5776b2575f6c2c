// The dockable window "結果一覧": every page of the building with its governing ratios and
// judgements, NG in red, sortable by any column and filtered to the pages with findings on a
// check box; a double click chooses a page, a button asks for the CSV export.
#pragma once

#include <QDockWidget>
#include <vector>

#include "report/results_table.h"

class QCheckBox;
class QSortFilterProxyModel;
class QTableView;

namespace kesto::app {

class ResultsModel;

class ResultsWindow : public QDockWidget {
    Q_OBJECT

  public:
    explicit ResultsWindow(QWidget* parent);

    // The rows shown; sorting and filter stay as they are.
    void showRows(std::vector<ResultsRow> rows);

    QTableView* table() const { return table_; }
    QCheckBox* ngOnly() const { return ngOnly_; }

  signals:
    // A row was double-clicked: the index of its page.
    void pageChosen(int index);
    void exportRequested();

  private:
    ResultsModel* model_;
    QSortFilterProxyModel* proxy_;
    QTableView* table_;
    QCheckBox* ngOnly_;
};

}  // namespace kesto::app
