#include "dialogs/list_edit_panel.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/dialog_support.h"

namespace kesto::dialogs {

ListEditPanel::ListEditPanel(QWidget* fields, QWidget* parent)
    : QWidget(parent), list_(new QListWidget(this)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* buttonRow = new QHBoxLayout;
    const std::pair<ListAction, const char*> captions[] = {{ListAction::registerRow, "登録"},
                                                           {ListAction::modifyRow, "修正"},
                                                           {ListAction::deleteRow, "削除"},
                                                           {ListAction::moveUp, "↑"},
                                                           {ListAction::moveDown, "↓"}};
    for (const auto& [action, caption] : captions) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setAutoDefault(false);
        b->setMinimumWidth(action == ListAction::moveUp || action == ListAction::moveDown ? 32
                                                                                          : 52);
        connect(b, &QPushButton::clicked, this, [this, a = action] { emit actionRequested(a); });
        buttonRow->addWidget(b);
        buttons_.push_back(b);
    }
    buttonRow->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(fields);
    right->addStretch();
    right->addLayout(buttonRow);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 0);
    layout->addLayout(right, 1);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            emit rowChosen(row);
        }
    });
}

void ListEditPanel::showRows(const std::vector<std::string>& texts, int current) {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const auto& t : texts) {
        list_->addItem(qs(t));
    }
    list_->setCurrentRow(current);
    if (current >= 0) {
        list_->scrollToItem(list_->item(current));
    }
}

QPushButton* ListEditPanel::button(ListAction action) const {
    return buttons_[static_cast<std::size_t>(action)];
}

}  // namespace kesto::dialogs
