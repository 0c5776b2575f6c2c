#include "dialogs/conditions_sheet.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/dialog_support.h"
#include "dialogs/number_exchange.h"

namespace kesto::dialogs {
namespace {

using O = CKestoCnt;

// "X" [edit] "Y" [edit] in one row.
QWidget* pairRow(QWidget* parent, QLineEdit* x, QLineEdit* y) {
    auto* w = new QWidget(parent);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QStringLiteral("X"), w));
    l->addWidget(x);
    l->addSpacing(12);
    l->addWidget(new QLabel(QStringLiteral("Y"), w));
    l->addWidget(y);
    l->addStretch();
    return w;
}

// A page of rows: caption, then radio buttons or an edit.
std::pair<QWidget*, QGridLayout*> rowsPage() {
    auto* page = new QWidget;
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(16);
    g->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(g);
    layout->addStretch();
    return {page, g};
}

}  // namespace

ConditionsSheet::ConditionsSheet(const CKestoCnt& conditions, QWidget* parent)
    : AskingDialog(parent) {
    setWindowTitle(QStringLiteral("基本条件"));
    tabs_ = new QTabWidget(this);
    tabs_->addTab(designPage(), QStringLiteral("設計条件"));
    tabs_->addTab(sectionPage(), QStringLiteral("柱断面性能"));
    tabs_->addTab(otherPage(), QStringLiteral("その他"));
    auto* buttons = okCancelButtons();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);

    takeFields(conditions);
    show(options_);
    // The enabling rules follow the clicks on the routes, the elongation and the route-3 box.
    for (auto field : {&O::routeX, &O::routeY, &O::boltElongation, &O::sectionFromTable}) {
        connect(radios(field), &QButtonGroup::idClicked, this, [this] { updateEnabling(); });
    }
    connect(check(&O::route3NgCheck), &QCheckBox::clicked, this, [this] { updateEnabling(); });
    updateEnabling();
}

QWidget* ConditionsSheet::designPage() {
    auto* page = new QWidget;
    auto* routes = new QGridLayout;
    routes->setHorizontalSpacing(16);
    const QStringList routeNames{QStringLiteral("ﾙｰﾄ1-1"), QStringLiteral("ﾙｰﾄ1-2/2"),
                                 QStringLiteral("ﾙｰﾄ3")};
    addRadioRow(routes, 0, QStringLiteral("X方向設計ルート"), routeNames, &O::routeX);
    addRadioRow(routes, 1, QStringLiteral("Y方向設計ルート"), routeNames, &O::routeY);

    auto* allowable = new QGroupBox(QStringLiteral("許容応力度設計"), page);
    auto* a = new QGridLayout(allowable);
    a->setHorizontalSpacing(16);
    addRadioRow(a, 0, QStringLiteral("ｱﾝｶｰﾎﾞﾙﾄのbAe採用方法"),
                {QStringLiteral("ねじ部断面積"), QStringLiteral("軸部断面積の0.75倍")},
                &O::boltAeMode);
    addRadioRow(a, 1, QStringLiteral("ｱﾝｶｰﾎﾞﾙﾄのfs算定式"),
                {QStringLiteral("F/(1.5√3)"), QStringLiteral("F/2")}, &O::boltFsMode);
    addRadioRow(a, 2, QStringLiteral("ﾍﾞｰｽﾌﾟﾚｰﾄの設計応力度"),
                {QStringLiteral("最大"), QStringLiteral("平均")}, &O::basePlateStressMode);
    addRadioRow(a, 3, QStringLiteral("ﾍﾞｰｽﾌﾟﾚｰﾄのfb1算定式"),
                {QStringLiteral("F/1.5"), QStringLiteral("F/1.3(短期はF)")}, &O::basePlateFb1Mode);
    addRadioRow(a, 4, QStringLiteral("引張側ｱﾝｶｰﾎﾞﾙﾄの片持ち\n長さにﾘﾌﾞﾌﾟﾚｰﾄを考慮"),
                {QStringLiteral("しない"), QStringLiteral("する")}, &O::ribInBoltCantilever);
    a->setColumnStretch(3, 1);

    auto* ultimate = new QGroupBox(QStringLiteral("保有耐力接合"), page);
    auto* u = new QGridLayout(ultimate);
    u->setHorizontalSpacing(16);
    addRadioRow(u, 0, QStringLiteral("ｱﾝｶｰﾎﾞﾙﾄの伸び能力"),
                {QStringLiteral("無し"), QStringLiteral("有り")}, &O::boltElongation);
    u->addWidget(new QLabel(QStringLiteral("設計応力のγ倍"), ultimate), 1, 0);
    u->addWidget(pairRow(ultimate, addNumber(&O::gammaX), addNumber(&O::gammaY)), 1, 1, 1, 3);
    u->addWidget(new QLabel(QStringLiteral("保有耐力接合α値"), ultimate), 2, 0);
    u->addWidget(pairRow(ultimate, addNumber(&O::alphaX), addNumber(&O::alphaY)), 2, 1, 1, 3);
    u->addWidget(
        addCheck(QStringLiteral("保有耐力接合(ﾙｰﾄ3)がNGの場合の検討をする"), &O::route3NgCheck), 3,
        0, 1, 4);
    // The three controls that depend on the route-3 box are indented under it.
    auto* dependent = new QGridLayout;
    dependent->setContentsMargins(24, 0, 0, 0);
    dependent->addWidget(
        addCheck(QStringLiteral("定着金物(ｱﾝｶｰﾌﾞﾛｯｸ)を使用する"), &O::useAnchorBlock), 0, 0, 1, 2);
    dependent->addWidget(
        addCheck(QStringLiteral("ｺﾝｸﾘｰﾄのせん断破壊の検討をする"), &O::concreteShearCheck), 1, 0, 1,
        2);
    dependent->addWidget(new QLabel(QStringLiteral("ｱﾝｶｰﾎﾞﾙﾄのｸﾘｱﾗﾝｽ"), ultimate), 2, 0);
    dependent->addWidget(withUnit(ultimate, addNumber(&O::boltClearance), QStringLiteral("mm")), 2,
                         1);
    dependent->setColumnStretch(1, 1);
    u->addLayout(dependent, 4, 0, 1, 4);
    u->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(routes);
    layout->addWidget(allowable);
    layout->addWidget(ultimate);
    layout->addStretch();
    return page;
}

QWidget* ConditionsSheet::sectionPage() {
    auto [page, g] = rowsPage();
    addRadioRow(g, 0, QStringLiteral("断面性能計算方法"),
                {QStringLiteral("欠損考慮"), QStringLiteral("鋼材表参照")}, &O::sectionFromTable);
    addRadioRow(g, 1, QStringLiteral("断面性能値の丸め"),
                {QStringLiteral("しない"), QStringLiteral("する")}, &O::roundSectionProps);
    const std::pair<const char*, double O::*> edits[] = {
        {"Ｈ形鋼スカラップ寸法", &O::scallopSize},
        {"角形鋼管Ｚｐ欠損率", &O::tubeLossZp},
        {"角形鋼管Ａｎ欠損率", &O::tubeLossAn},
        {"鉄骨降伏強度割増", &O::yieldStrengthFactor}};
    int row = 2;
    for (const auto& [caption, field] : edits) {
        g->addWidget(new QLabel(QString::fromUtf8(caption), page), row, 0);
        g->addWidget(withUnit(page, addNumber(field),
                              field == &O::scallopSize ? QStringLiteral("mm") : QString()),
                     row, 1, 1, 2);
        ++row;
    }
    return page;
}

QWidget* ConditionsSheet::otherPage() {
    auto [page, g] = rowsPage();
    addRadioRow(g, 0, QStringLiteral("長期／短期の区別"),
                {QStringLiteral("しない"), QStringLiteral("する")}, &O::distinguishLongShort);
    addRadioRow(g, 1, QStringLiteral("計算過程詳細ﾌｧｲﾙ出力"),
                {QStringLiteral("しない"), QStringLiteral("する")}, &O::writeDetailFile);
    return page;
}

QButtonGroup* ConditionsSheet::addRadioRow(QGridLayout* grid, int row, const QString& caption,
                                           const QStringList& choices,
                                           std::uint8_t CKestoCnt::*field) {
    auto* group = new QButtonGroup(this);
    grid->addWidget(new QLabel(caption), row, 0);
    for (int i = 0; i < choices.size(); ++i) {
        auto* b = new QRadioButton(choices[i]);
        group->addButton(b, i);
        grid->addWidget(b, row, i + 1);
    }
    radios_.push_back({field, group});
    return group;
}

QLineEdit* ConditionsSheet::addNumber(double CKestoCnt::*field, int width) {
    auto* edit = numberEdit(this, width);
    numbers_.push_back({field, edit});
    return edit;
}

QCheckBox* ConditionsSheet::addCheck(const QString& caption, std::uint8_t CKestoCnt::*field) {
    auto* box = new QCheckBox(caption);
    checks_.push_back({field, box});
    return box;
}

QButtonGroup* ConditionsSheet::radios(std::uint8_t CKestoCnt::*field) const {
    for (const auto& r : radios_) {
        if (r.field == field) {
            return r.group;
        }
    }
    return nullptr;
}

QCheckBox* ConditionsSheet::check(std::uint8_t CKestoCnt::*field) const {
    for (const auto& c : checks_) {
        if (c.field == field) {
            return c.box;
        }
    }
    return nullptr;
}

QLineEdit* ConditionsSheet::edit(double CKestoCnt::*field) const {
    for (const auto& n : numbers_) {
        if (n.field == field) {
            return n.edit;
        }
    }
    return nullptr;
}

void ConditionsSheet::takeFields(const CKestoCnt& from) {
    for (const auto& r : radios_) {
        options_.*r.field = from.*r.field;
    }
    for (const auto& c : checks_) {
        options_.*c.field = from.*c.field;
    }
    for (const auto& n : numbers_) {
        options_.*n.field = from.*n.field;
    }
}

void ConditionsSheet::show(const CKestoCnt& o) {
    for (const auto& r : radios_) {
        if (auto* b = r.group->button(o.*r.field)) {
            b->setChecked(true);
        }
    }
    for (const auto& c : checks_) {
        c.box->setChecked(o.*c.field != 0);
    }
    for (const auto& n : numbers_) {
        n.edit->setText(numberText(o.*n.field));
    }
}

void ConditionsSheet::readChoices(CKestoCnt& o) const {
    for (const auto& r : radios_) {
        // A group whose stored value has no button keeps that value.
        if (r.group->checkedId() >= 0) {
            o.*r.field = static_cast<std::uint8_t>(r.group->checkedId());
        }
    }
    for (const auto& c : checks_) {
        o.*c.field = c.box->isChecked() ? 1 : 0;
    }
}

void ConditionsSheet::updateEnabling() {
    CKestoCnt o = options_;
    readChoices(o);
    const RouteThreeEnabling e = routeThreeEnabling(o);
    check(&O::route3NgCheck)->setEnabled(e.ngCheck);
    edit(&O::boltClearance)->setEnabled(e.clearance);
    check(&O::useAnchorBlock)->setEnabled(e.anchorBlock);
    check(&O::concreteShearCheck)->setEnabled(e.concreteShear);
    const bool loss = sectionLossControlsEnabled(o);
    for (auto* b : radios(&O::roundSectionProps)->buttons()) {
        b->setEnabled(loss);
    }
    for (auto field : {&O::scallopSize, &O::tubeLossZp, &O::tubeLossAn}) {
        edit(field)->setEnabled(loss);
    }
}

void ConditionsSheet::accept() {
    CKestoCnt o = options_;
    readChoices(o);
    for (const auto& n : numbers_) {
        const auto value = numberIn(n.edit);
        if (!value) {
            // The sheet stays open on the page of that edit.
            for (int i = 0; i < tabs_->count(); ++i) {
                if (tabs_->widget(i)->isAncestorOf(n.edit)) {
                    tabs_->setCurrentIndex(i);
                }
            }
            n.edit->setFocus();
            return;
        }
        o.*n.field = *value;
    }
    options_ = o;
    QDialog::accept();
}

}  // namespace kesto::dialogs
