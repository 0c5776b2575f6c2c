#include "app/message_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/message_line_model.h"

namespace kesto::app {
namespace {

constexpr int kLongestLine = 256;

// With uniform item sizes the list gives every line the size of its last one, and measuring a
// million lines would cost what laying out a text document did. The lines are measured as they
// are painted instead, and the list is laid out again when one is wider than all before it: no
// line shown is cut short, and the horizontal scroll range covers it.
class GrowingWidthDelegate : public QStyledItemDelegate {
  public:
    GrowingWidthDelegate(QAbstractItemModel* model, QObject* parent)
        : QStyledItemDelegate(parent), relayout_(new QTimer(this)) {
        relayout_->setSingleShot(true);
        relayout_->setInterval(0);
        connect(relayout_, &QTimer::timeout, this, [this] { emit sizeHintChanged(QModelIndex()); });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { widest_ = 0; });
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {std::max(size.width(), widest_), size.height()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const int width = QStyledItemDelegate::sizeHint(option, index).width();
        if (width > widest_) {
            widest_ = width;
            relayout_->start();
        }
    }

  private:
    QTimer* relayout_;
    mutable int widest_ = 0;
};

}  // namespace

MessageWindow::MessageWindow(QWidget* parent)
    : QDialog(parent), model_(new MessageLineModel(this)), list_(new QListView(this)) {
    setWindowTitle(QStringLiteral("メッセージ"));
    setModal(false);
    list_->setModel(model_);
    list_->setItemDelegate(new GrowingWidthDelegate(model_, list_));
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The list's own copy takes the current line only.
    auto* copy = new QAction(list_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    list_->addAction(copy);
    connect(copy, &QAction::triggered, this, &MessageWindow::copySelectedLines);
    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        emit jumpRequested(index.data().toString().left(kLongestLine));
    });
    auto* jump = new QPushButton(QStringLiteral("ｼﾞｬﾝﾌﾟ"), this);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    jump->setDefault(true);
    connect(jump, &QPushButton::clicked, this, [this] { emit jumpRequested(caretLine()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(jump);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(480, 240);
}

void MessageWindow::showLines(const std::vector<std::string>& lines) {
    model_->setLines(lines);
    placeCaretOnLine(0);
    if (!isVisible()) {
        if (lastGeometry_.isValid()) {
            setGeometry(lastGeometry_);
        }
        show();
    }
}

QString MessageWindow::caretLine() const {
    return list_->currentIndex().data().toString().left(kLongestLine);
}

void MessageWindow::placeCaretOnLine(int line) {
    list_->setCurrentIndex(model_->index(line));
}

void MessageWindow::copySelectedLines() const {
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QString text;
    for (const QModelIndex& row : rows) {
        text += row.data().toString() + QLatin1Char('\n');
    }
    QApplication::clipboard()->setText(text);
}

void MessageWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    emit visibilityChanged(true);
}

void MessageWindow::hideEvent(QHideEvent* event) {
    lastGeometry_ = geometry();
    QDialog::hideEvent(event);
    emit visibilityChanged(false);
}

}  // namespace kesto::app
