#include "app/results_window.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace kesto::app {

// The rows as a table: No., mark, section, plate, then a column per direction and term showing
// the ratio and its judgement, sorted by the ratio.
class ResultsModel : public QAbstractTableModel {
  public:
    // The sort key of a cell; the filter key of column 0 is "1" for a page with findings.
    static constexpr int kSortRole = Qt::UserRole;
    static constexpr int kFindingsRole = Qt::UserRole + 1;
    static constexpr int kFirstTerm = 4;

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<ResultsRow> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    int pageAt(int row) const { return rows_[static_cast<std::size_t>(row)].page; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : kFirstTerm + 6;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return QAbstractTableModel::headerData(section, orientation, role);
        }
        static const QStringList fixed = {QStringLiteral("No."), QStringLiteral("符号"),
                                          QStringLiteral("柱"), QStringLiteral("ﾍﾞｰｽﾌﾟﾚｰﾄ")};
        if (section < kFirstTerm) {
            return fixed[section];
        }
        static const QStringList terms = {QStringLiteral("長期"), QStringLiteral("短期"),
                                          QStringLiteral("保有耐力")};
        const int term = section - kFirstTerm;
        return QStringLiteral("%1 %2").arg(term < 3 ? "X" : "Y", terms[term % 3]);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const ResultsRow& row = rows_[static_cast<std::size_t>(index.row())];
        const int column = index.column();
        if (role == kFindingsRole) {
            return row.findings ? QStringLiteral("1") : QString();
        }
        if (column < kFirstTerm) {
            if (role == Qt::ForegroundRole) {
                return column == 1 && row.findings ? QVariant(QColor(Qt::red)) : QVariant();
            }
            if (role != Qt::DisplayRole && role != kSortRole) {
                return {};
            }
            switch (column) {
                case 0:
                    return row.page + 1;
                case 1:
                    return QString::fromStdString(row.mark);
                case 2:
                    return QString::fromStdString(row.section);
                default:
                    return QString::fromStdString(row.plate);
            }
        }
        const int dir = (column - kFirstTerm) / 3;
        const int term = (column - kFirstTerm) % 3;
        const std::uint8_t judgement = row.judgement[dir][term];
        const double ratio = row.ratio[dir][term];
        switch (role) {
            case Qt::DisplayRole:
                return judgement == kNotCalculated ? QStringLiteral("-")
                                                   : QStringLiteral("%1 %2")
                                                         .arg(ratio, 0, 'f', 3)
                                                         .arg(judgementText(judgement));
            case kSortRole:
                // Not calculated sorts before every ratio.
                return judgement == kNotCalculated ? -1.0 : ratio;
            case Qt::ForegroundRole:
                return judgement == kJudgedNg ? QVariant(QColor(Qt::red)) : QVariant();
            case Qt::TextAlignmentRole:
                return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            default:
                return {};
        }
    }

  private:
    std::vector<ResultsRow> rows_;
};

ResultsWindow::ResultsWindow(QWidget* parent)
    : QDockWidget(QStringLiteral("結果一覧"), parent),
      model_(new ResultsModel(this)),
      proxy_(new QSortFilterProxyModel(this)),
      table_(new QTableView(this)),
      ngOnly_(new QCheckBox(QStringLiteral("NGのﾍﾟｰｼﾞのみ表示"), this)) {
    setObjectName(QStringLiteral("ResultsWindow"));
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(ResultsModel::kSortRole);
    proxy_->setFilterRole(ResultsModel::kFindingsRole);
    proxy_->setFilterKeyColumn(0);
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        emit pageChosen(model_->pageAt(proxy_->mapToSource(index).row()));
    });
    connect(ngOnly_, &QCheckBox::toggled, this, [this](bool on) {
        proxy_->setFilterFixedString(on ? QStringLiteral("1") : QString());
    });
    auto* exportButton = new QPushButton(QStringLiteral("CSV書き出し..."), this);
    connect(exportButton, &QPushButton::clicked, this, &ResultsWindow::exportRequested);

    auto* bar = new QHBoxLayout;
    bar->addWidget(ngOnly_);
    bar->addStretch();
    bar->addWidget(exportButton);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(table_);
    setWidget(body);
}

void ResultsWindow::showRows(std::vector<ResultsRow> rows) {
    model_->setRows(std::move(rows));
}

}  // namespace kesto::app
