#include "dialogs/table_file_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kesto::dialogs {

QString pickTableFile(QWidget* parent, const QString& initialPath) {
    return QFileDialog::getOpenFileName(parent, QString(), initialPath,
                                        QStringLiteral("材料ﾃﾞｰﾀ(*.tbl);;全てのﾃﾞｰﾀ(*.*)"));
}

TableFileDialog::TableFileDialog(TableFileChoice& choice, QWidget* parent)
    : AskingDialog(parent),
      pickFile(pickTableFile),
      choice_(choice),
      name_(new QLineEdit(this)),
      comment_(new QPlainTextEdit(this)),
      open_(new QPushButton(QStringLiteral("開く"), this)),
      new_(new QPushButton(QStringLiteral("新規作成"), this)) {
    setWindowTitle(QStringLiteral("鋼材ファイルの選択"));
    name_->setMinimumWidth(260);
    comment_->setFixedHeight(90);
    for (auto* b : {open_, new_}) {
        b->setAutoDefault(false);
    }
    connect(open_, &QPushButton::clicked, this, [this] { openFile(); });
    connect(new_, &QPushButton::clicked, this, [this] { startNew(); });

    auto* buttons = okCancelButtons(Qt::Vertical);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("ファイル名"), this), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(open_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("コメント"), this), 1, 0, Qt::AlignTop);
    grid->addWidget(comment_, 1, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(new_);
    side->addStretch();
    grid->addLayout(side, 1, 2);
    grid->addWidget(buttons, 0, 3, 2, 1, Qt::AlignTop);
    showTexts();
}

// Comments keep the CR LF line ends of the table files.
void TableFileDialog::takeTypedTexts() {
    choice_.fileName = utf8(name_->text());
    choice_.comment = utf8(comment_->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
}

void TableFileDialog::showTexts() {
    name_->setText(qs(choice_.fileName));
    comment_->setPlainText(
        qs(choice_.comment).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TableFileDialog::openFile() {
    takeTypedTexts();
    const QString path = pickFile(this, qs(choice_.initialPath()));
    if (path.isEmpty()) {
        return;
    }
    if (!choice_.open(utf8(path))) {
        questions().tell(kNotATableMessage);
        return;
    }
    showTexts();
}

void TableFileDialog::startNew() {
    choice_.startNew();
    showTexts();
    name_->setFocus();
}

void TableFileDialog::accept() {
    takeTypedTexts();
    if (choice_.confirm(questions())) {
        QDialog::accept();
    } else if (choice_.fileName.empty()) {
        name_->setFocus();
    }
}

}  // namespace kesto::dialogs
