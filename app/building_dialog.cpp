#include "app/building_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kesto::app {

BuildingDialog::BuildingDialog(const BuildingTexts& texts, QWidget* parent)
    : QDialog(parent),
      name_(new QLineEdit(QString::fromStdString(texts.name), this)),
      date_(new QLineEdit(QString::fromStdString(texts.date), this)),
      comment_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("建物名称の設定"));
    comment_->setPlainText(QString::fromStdString(texts.comment).replace("\r\n", "\n"));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("建物名称"), name_);
    layout->addRow(QStringLiteral("日付"), date_);
    layout->addRow(QStringLiteral("コメント"), comment_);
    layout->addRow(box);
    name_->setMinimumWidth(360);
}

BuildingTexts BuildingDialog::texts() const {
    return {name_->text().toStdString(), date_->text().toStdString(),
            comment_->toPlainText().replace("\n", "\r\n").toStdString()};
}

}  // namespace kesto::app
