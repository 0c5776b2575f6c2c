#include "dialogs/unit_conversion_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/number_exchange.h"

namespace kesto::dialogs {

UnitConversionDialog::UnitConversionDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("SI単位への変換"));
    factor_ = new QLineEdit(numberText(conversion_.factor));
    factor_->setObjectName(QStringLiteral("factor"));
    factor_->setFixedWidth(100);
    factor_->setAlignment(Qt::AlignRight);
    shorten_ = new QCheckBox(QStringLiteral("コンクリート名称を変換する（Fc210 -> Fc21）"));
    shorten_->setObjectName(QStringLiteral("shortenConcreteNames"));
    shorten_->setChecked(conversion_.shortenConcreteNames);

    auto* factorRow = new QHBoxLayout;
    factorRow->addWidget(new QLabel(QStringLiteral("換算倍率")));
    factorRow->addWidget(factor_);
    factorRow->addStretch();

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &UnitConversionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("重力単位での入力応力を全てＳＩ単位に変換します")));
    layout->addSpacing(6);
    layout->addLayout(factorRow);
    layout->addWidget(shorten_);
    layout->addSpacing(6);
    layout->addWidget(buttons);
}

void UnitConversionDialog::accept() {
    if (!readNumber(factor_, conversion_.factor)) {
        return;
    }
    conversion_.shortenConcreteNames = shorten_->isChecked();
    QDialog::accept();
}

std::optional<UnitConversion> askUnitConversion(QWidget* parent) {
    UnitConversionDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.conversion();
}

}  // namespace kesto::dialogs
