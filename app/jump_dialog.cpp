#include "app/jump_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

namespace kesto::app {

JumpDialog::JumpDialog(const QStringList& marks, int currentIndex, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("ジャンプと移動"));
    list_->addItems(marks);
    // The current page is selected by its place, so that pages sharing a mark (or one mark
    // beginning another) never select a different page than the one shown.
    list_->setCurrentRow(currentIndex);
    auto* up = new QPushButton(QStringLiteral("↑"), this);
    auto* down = new QPushButton(QStringLiteral("↓"), this);
    connect(up, &QPushButton::clicked, this, [this] { moveSelection(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveSelection(1); });
    auto* box =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(box, &QDialogButtonBox::accepted, this, [this] {
        if (selectedIndex() >= 0) {
            accept();
        }
    });
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QGridLayout(this);
    layout->addWidget(list_, 0, 0, 3, 1);
    layout->addWidget(box, 0, 1);
    layout->addWidget(up, 1, 1, Qt::AlignBottom);
    layout->addWidget(down, 2, 1, Qt::AlignTop);
    layout->setRowStretch(1, 1);
}

int JumpDialog::selectedIndex() const {
    return list_->selectedItems().isEmpty() ? -1 : list_->currentRow();
}

void JumpDialog::moveSelection(int step) {
    const int i = selectedIndex();
    const int j = i + step;
    if (i < 0 || j < 0 || j >= list_->count()) {
        return;
    }
    list_->insertItem(j, list_->takeItem(i));
    list_->setCurrentRow(j);
    swaps_.emplace_back(i, j);
}

}  // namespace kesto::app
