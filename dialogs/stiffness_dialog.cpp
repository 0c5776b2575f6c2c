#include "dialogs/stiffness_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/rotational_stiffness.h"
#include "dialogs/number_exchange.h"

namespace kesto::dialogs {
namespace {

// The values are laid out by their formats ("%6.3f"), so they are shown in a fixed-pitch font.
QLabel* valueLabel() {
    auto* l = new QLabel;
    l->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    l->setMinimumWidth(200);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// A row "description  value" of a group's grid.
void addRow(QGridLayout* grid, const char* description, QWidget* value) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QString::fromUtf8(description)), row, 0);
    grid->addWidget(value, row, 1);
}

// The formula line of a group: the formula text and its result.
void addFormula(QGridLayout* grid, const char* formula, QLabel* value) {
    const int row = grid->rowCount();
    auto* f = new QLabel(QString::fromUtf8(formula));
    QFont bold = f->font();
    bold.setBold(true);
    f->setFont(bold);
    QFont boldValue = value->font();
    boldValue.setBold(true);
    value->setFont(boldValue);
    grid->addWidget(f, row, 0);
    grid->addWidget(value, row, 1);
}

}  // namespace

StiffnessDialog::StiffnessDialog(const CKestoCnt& conditions, int unitSystem, const CKesto& page,
                                 QWidget* parent)
    : QDialog(parent), cnt_(conditions), unitSystem_(unitSystem), page_(page) {
    setWindowTitle(QStringLiteral("柱脚回転剛性の確認"));
    for (QLabel** l : {&kbs_, &e_, &nt_, &ab_, &dt_, &dc_, &nlb_, &psi_, &d_, &ft_, &fa_}) {
        *l = valueLabel();
    }

    auto* stiffness = new QGroupBox(QStringLiteral("柱脚回転剛性 Kbs"));
    auto* sg = new QGridLayout(stiffness);
    addFormula(sg, "Kbs = E･nt･Ab(dt + dc)^2 / (2･lb) =", kbs_);
    addRow(sg, "ｱﾝｶｰﾎﾞﾙﾄのﾔﾝｸﾞ係数", e_);
    addRow(sg, "引張側ｱﾝｶｰﾎﾞﾙﾄの本数", nt_);
    addRow(sg, "ｱﾝｶｰﾎﾞﾙﾄ１本の軸断面積", ab_);
    addRow(sg, "柱心より引張側ｱﾝｶｰﾎﾞﾙﾄまでの距離", dt_);
    addRow(sg, "柱心より圧縮側の柱ﾌﾗﾝｼﾞまでの距離", dc_);
    lb_ = new QLineEdit;
    lb_->setObjectName(QStringLiteral("lb"));
    lb_->setFixedWidth(80);
    lb_->setAlignment(Qt::AlignRight);
    auto* compute = new QPushButton(QStringLiteral("回転剛性計算"));
    compute->setObjectName(QStringLiteral("computeStiffness"));
    auto* lbRow = new QHBoxLayout;
    lbRow->addWidget(lb_);
    lbRow->addWidget(new QLabel(QStringLiteral("mm")));
    lbRow->addSpacing(12);
    lbRow->addWidget(compute);
    lbRow->addStretch();
    const int row = sg->rowCount();
    sg->addWidget(new QLabel(QStringLiteral("ｱﾝｶｰﾎﾞﾙﾄの長さ lb")), row, 0);
    sg->addLayout(lbRow, row, 1);
    sg->setColumnStretch(1, 1);

    auto* anchorage = new QGroupBox(QStringLiteral("ﾌｯｸ付ｱﾝｶｰﾎﾞﾙﾄの必要定着長さ nlb"));
    auto* ag = new QGridLayout(anchorage);
    addFormula(ag, "nlb = 2･Rt / (3･ψ･fa) = d･ft / (8･fa) =", nlb_);
    ag->addWidget(new QLabel(QStringLiteral("Rt = 0.75･Ab･ft")), ag->rowCount(), 0);
    addRow(ag, "ｱﾝｶｰﾎﾞﾙﾄ１本の周長", psi_);
    addRow(ag, "ｱﾝｶｰﾎﾞﾙﾄの軸径", d_);
    addRow(ag, "ｱﾝｶｰﾎﾞﾙﾄの許容引張応力度", ft_);
    addRow(ag, "ｺﾝｸﾘｰﾄの許容付着応力度", fa_);
    ag->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(compute, &QPushButton::clicked, this, &StiffnessDialog::computeStiffness);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stiffness);
    layout->addWidget(anchorage);
    layout->addWidget(buttons);

    const auto a = anchorageTexts(cnt_, page_, unitSystem_);
    if (!a) {
        return;
    }
    nlb_->setText(QString::fromStdString(a->nlb));
    psi_->setText(QString::fromStdString(a->psi));
    d_->setText(QString::fromStdString(a->d));
    ft_->setText(QString::fromStdString(a->ft));
    fa_->setText(QString::fromStdString(a->fa));
    lb_->setText(numberText(page_.boltLength));
    computeStiffness();
}

void StiffnessDialog::computeStiffness() {
    double lb = 0;
    if (!readNumber(lb_, lb)) {
        return;
    }
    const StiffnessOutcome o = rotationalStiffness(cnt_, page_, lb, unitSystem_);
    if (o.status == StiffnessOutcome::kZeroLength) {
        showInputMessage(this, QString::fromUtf8(kZeroBoltLengthMessage));
        return;
    }
    if (o.status != StiffnessOutcome::kShown) {
        return;
    }
    kbs_->setText(QString::fromStdString(o.texts.kbs));
    e_->setText(QString::fromStdString(o.texts.e));
    nt_->setText(QString::fromStdString(o.texts.nt));
    ab_->setText(QString::fromStdString(o.texts.ab));
    dt_->setText(QString::fromStdString(o.texts.dt));
    dc_->setText(QString::fromStdString(o.texts.dc));
}

}  // namespace kesto::dialogs
