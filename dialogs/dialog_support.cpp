#include "dialogs/dialog_support.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "dialogs/number_exchange.h"

namespace kesto::dialogs {
namespace {

const QString kTitle = QStringLiteral("Kesto");

}  // namespace

void MessageBoxQuestions::tell(const std::string& message) {
    showInputMessage(parent_, qs(message));
}

bool MessageBoxQuestions::askYesNo(const std::string& question) {
    return QMessageBox::question(parent_, kTitle, qs(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxQuestions::askOkCancel(const std::string& question) {
    return QMessageBox::question(parent_, kTitle, qs(question),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<double> AskingDialog::numberIn(QLineEdit* edit) {
    const auto value = parseNumber(edit->text());
    if (!value) {
        questions().tell(kNotANumberMessage);
        edit->setFocus();
        edit->selectAll();
    }
    return value;
}

bool AskingDialog::confirmed(ListAction action, int current) {
    return action != ListAction::deleteRow ||
           (current >= 0 && questions().askOkCancel(kDeleteQuestion));
}

QDialogButtonBox* AskingDialog::okCancelButtons(Qt::Orientation orientation) {
    auto* buttons = new QDialogButtonBox(orientation, this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &AskingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AskingDialog::reject);
    return buttons;
}

QLineEdit* numberEdit(QWidget* parent, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(width);
    return edit;
}

QWidget* withUnit(QWidget* parent, QLineEdit* edit, const QString& unit) {
    auto* w = new QWidget(parent);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(edit);
    if (!unit.isEmpty()) {
        l->addWidget(new QLabel(unit, w));
    }
    l->addStretch();
    return w;
}

}  // namespace kesto::dialogs
