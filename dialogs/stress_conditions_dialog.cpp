#include "dialogs/stress_conditions_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "dialogs/number_exchange.h"

#include "dialogs/list_edit_panel.h"

namespace kesto::dialogs {
namespace {

template <class Row, class Text>
std::vector<std::string> textsOf(const EditableList<Row>& list, Text text) {
    std::vector<std::string> out;
    for (const Row& r : list.rows()) {
        out.push_back(text(r));
    }
    return out;
}

}  // namespace

StressConditionsDialog::StressConditionsDialog(const StressSetup& setup, QWidget* parent)
    : AskingDialog(parent), editor_(setup), result_(setup) {
    setWindowTitle(QStringLiteral("応力条件の設定"));
    auto* groups = new QGridLayout;
    groups->addWidget(basicGroup(), 0, 0);
    groups->addWidget(combinationGroup(0, QStringLiteral("長期組み合わせリスト")), 0, 1);
    groups->addWidget(combinationGroup(1, QStringLiteral("短期組み合わせリスト")), 1, 0);
    groups->addWidget(
        combinationGroup(2, QStringLiteral("ルート1-2/2保有耐力接合組み合わせリスト")), 1, 1);

    gamma_ = new QLineEdit(qs(setup.gammaStressName), this);
    gamma_->setFixedWidth(80);
    auto* buttons = okCancelButtons();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("γ倍する基本応力名称（地震時）"), this));
    bottom->addWidget(gamma_);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(bottom);

    for (int list = 0; list < 4; ++list) {
        refresh(list);
    }
    showBasicRow();
    for (int term = 0; term < 3; ++term) {
        showCombinationRow(term);
    }
}

QWidget* StressConditionsDialog::basicGroup() {
    auto* group = new QGroupBox(QStringLiteral("基本応力リスト"), this);
    auto* fields = new QWidget(group);
    auto* form = new QGridLayout(fields);
    form->setContentsMargins(0, 0, 0, 0);
    symbol_ = new QLineEdit(fields);
    symbol_->setFixedWidth(80);
    name_ = new QLineEdit(fields);
    name_->setFixedWidth(140);
    form->addWidget(new QLabel(QStringLiteral("符号"), fields), 0, 0);
    form->addWidget(symbol_, 0, 1, Qt::AlignLeft);
    form->addWidget(new QLabel(QStringLiteral("名称"), fields), 1, 0);
    form->addWidget(name_, 1, 1, Qt::AlignLeft);
    const char* factorNames[] = {"nN", "nM", "nQ"};
    for (int i = 0; i < 3; ++i) {
        factors_[i] = numberEdit(fields, 80);
        form->addWidget(new QLabel(QString::fromUtf8(factorNames[i]), fields), 2 + i, 0);
        form->addWidget(factors_[i], 2 + i, 1, Qt::AlignLeft);
    }
    form->setColumnStretch(1, 1);
    auto* panel = new ListEditPanel(fields, group);
    panel->list()->setFixedWidth(150);
    panels_[0] = panel;
    connect(panel, &ListEditPanel::actionRequested, this, [this](ListAction a) { actOnBasic(a); });
    connect(panel, &ListEditPanel::rowChosen, this, [this](int row) {
        editor_.basic().select(row);
        showBasicRow();
    });
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(panel);
    return group;
}

QWidget* StressConditionsDialog::combinationGroup(int term, const QString& caption) {
    auto* group = new QGroupBox(caption, this);
    auto* fields = new QWidget(group);
    auto* form = new QVBoxLayout(fields);
    form->setContentsMargins(0, 0, 0, 0);
    expressions_[term] = new QLineEdit(fields);
    expressions_[term]->setMinimumWidth(180);
    form->addWidget(new QLabel(QStringLiteral("文字列 (半角英数字、+、-、*)"), fields));
    form->addWidget(expressions_[term]);
    auto* panel = new ListEditPanel(fields, group);
    panel->list()->setFixedWidth(150);
    panels_[term + 1] = panel;
    connect(panel, &ListEditPanel::actionRequested, this,
            [this, term](ListAction a) { actOnCombination(term, a); });
    connect(panel, &ListEditPanel::rowChosen, this, [this, term](int row) {
        editor_.combinations(term).select(row);
        showCombinationRow(term);
    });
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(panel);
    return group;
}

void StressConditionsDialog::showBasicRow() {
    const CStressName* row = editor_.basic().currentRow();
    if (row == nullptr) {
        return;
    }
    symbol_->setText(qs(labelSymbol(row->label)));
    name_->setText(qs(labelName(row->label)));
    factors_[0]->setText(numberText(row->factorN));
    factors_[1]->setText(numberText(row->factorM));
    factors_[2]->setText(numberText(row->factorQ));
}

void StressConditionsDialog::showCombinationRow(int term) {
    if (const CStringTable* row = editor_.combinations(term).currentRow()) {
        expressions_[term]->setText(qs(row->expression));
    }
}

void StressConditionsDialog::actOnBasic(ListAction action) {
    if (!confirmed(action, editor_.basic().current())) {
        return;
    }
    CStressName candidate;
    if (action == ListAction::registerRow || action == ListAction::modifyRow) {
        std::array<double, 3> n{};
        for (int i = 0; i < 3; ++i) {
            const auto value = numberIn(factors_[i]);
            if (!value) {
                return;
            }
            n[i] = *value;
        }
        candidate = stressCase(utf8(symbol_->text()), utf8(name_->text()), n[0], n[1], n[2]);
    }
    const ListEdit edit = editor_.basic().apply(action, candidate);
    if (edit == ListEdit::duplicate) {
        questions().tell(kDuplicateSymbolMessage);
    }
    refresh(0);
    if (edit == ListEdit::done && action == ListAction::deleteRow) {
        showBasicRow();
    }
}

void StressConditionsDialog::actOnCombination(int term, ListAction action) {
    auto& list = editor_.combinations(term);
    if (!confirmed(action, list.current())) {
        return;
    }
    CStringTable candidate;
    candidate.expression = utf8(expressions_[term]->text());
    const ListEdit edit = list.apply(action, candidate);
    if (edit == ListEdit::duplicate) {
        questions().tell(kDuplicateSymbolMessage);
    }
    refresh(term + 1);
    if (edit == ListEdit::done && action == ListAction::deleteRow) {
        showCombinationRow(term);
    }
}

void StressConditionsDialog::refresh(int list) {
    if (list == 0) {
        panels_[0]->showRows(textsOf(editor_.basic(), [](const CStressName& s) { return s.label; }),
                             editor_.basic().current());
        return;
    }
    const auto& combos = editor_.combinations(list - 1);
    panels_[list]->showRows(textsOf(combos, [](const CStringTable& c) { return c.expression; }),
                            combos.current());
}

void StressConditionsDialog::accept() {
    for (auto* edit : factors_) {
        if (!numberIn(edit)) {
            return;
        }
    }
    result_ = editor_.result(utf8(gamma_->text()));
    QDialog::accept();
}

}  // namespace kesto::dialogs
