#include "dialogs/print_page_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <climits>

#include "dialogs/dialog_support.h"
#include "dialogs/number_exchange.h"

namespace kesto::dialogs {
namespace {

constexpr int kIntegerEditWidth = 60;

// A row of radio buttons with ids 0, 1, 2 … in order, the one of `checked` chosen.
QButtonGroup* radioRow(QWidget* owner, QHBoxLayout* row, std::initializer_list<const char*> texts,
                       int checked) {
    auto* group = new QButtonGroup(owner);
    int id = 0;
    for (const char* text : texts) {
        auto* button = new QRadioButton(QString::fromUtf8(text), owner);
        group->addButton(button, id);
        button->setChecked(id == checked);
        row->addWidget(button);
        ++id;
    }
    row->addStretch();
    return group;
}

// A field of millimetres: the field, then its unit.
QWidget* inMillimetres(QLineEdit* edit) {
    return withUnit(edit->parentWidget(), edit, QStringLiteral("mm"));
}

QCheckBox* checkBox(QWidget* owner, const char* text, int value) {
    auto* box = new QCheckBox(QString::fromUtf8(text), owner);
    box->setChecked(value != 0);
    return box;
}

}  // namespace

PrintPageDialog::PrintPageDialog(const PrintSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("印刷ﾍﾟｰｼﾞ設定"));
    auto* layout = new QVBoxLayout(this);

    auto* sheet = new QFormLayout;
    sheet->addRow(QStringLiteral("横配列数"), addInteger(&PrintSettings::blocksAcross, 1, 10));
    sheet->addRow(QStringLiteral("縦配列数"), addInteger(&PrintSettings::blocksDown, 1, 10));
    sheet->addRow(QStringLiteral("左余白"),
                  inMillimetres(addInteger(&PrintSettings::leftMarginMm, INT_MIN, INT_MAX)));
    sheet->addRow(QStringLiteral("上余白"),
                  inMillimetres(addInteger(&PrintSettings::topMarginMm, INT_MIN, INT_MAX)));
    sheet->addRow(QStringLiteral("１ﾍﾟｰｼﾞあたりの行数"),
                  addInteger(&PrintSettings::linesPerSheet, 5, 999));
    layout->addLayout(sheet);

    policy_ = checkBox(this, "計算方針の出力", settings.printPolicy);
    messages_ = checkBox(this, "ｴﾗｰ､ﾜｰﾆﾝｸﾞの出力", settings.printMessages);
    pageNumber_ = checkBox(this, "ﾍﾟｰｼﾞ番号の出力", settings.printPageNumber);
    layout->addWidget(policy_);
    layout->addWidget(messages_);
    layout->addWidget(pageNumber_);

    auto* numbers = new QGroupBox(QStringLiteral("ﾍﾟｰｼﾞ番号"), this);
    auto* numberForm = new QFormLayout(numbers);
    numberForm->addRow(QStringLiteral("開始番号"),
                       addInteger(&PrintSettings::firstPageNumber, INT_MIN, INT_MAX));
    numberForm->addRow(
        QStringLiteral("上下位置"),
        inMillimetres(addInteger(&PrintSettings::pageNumberOffsetY, INT_MIN, INT_MAX)));
    numberForm->addRow(
        QStringLiteral("左右位置"),
        inMillimetres(addInteger(&PrintSettings::pageNumberOffsetX, INT_MIN, INT_MAX)));
    format_ = new QLineEdit(QString::fromStdString(settings.pageNumberFormat), numbers);
    numberForm->addRow(QStringLiteral("番号書式"), format_);
    auto* topBottomRow = new QHBoxLayout;
    topBottom_ = radioRow(numbers, topBottomRow, {"上", "下"}, settings.pageNumberAtBottom);
    numberForm->addRow(topBottomRow);
    auto* alignRow = new QHBoxLayout;
    align_ = radioRow(numbers, alignRow, {"左", "中央", "右"}, settings.pageNumberAlign);
    numberForm->addRow(alignRow);
    layout->addWidget(numbers);

    auto* units = new QGroupBox(QStringLiteral("出力単位"), this);
    auto* unitRow = new QHBoxLayout(units);
    unit_ = radioRow(units, unitRow, {"重力単位", "ＳＩ単位"}, settings.outputUnitSystem);
    layout->addWidget(units);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintPageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintPageDialog::reject);
    layout->addWidget(buttons);
}

QLineEdit* PrintPageDialog::addInteger(int PrintSettings::*member, int minimum, int maximum) {
    auto* edit = new QLineEdit(QString::number(settings_.*member), this);
    edit->setFixedWidth(kIntegerEditWidth);
    integers_.push_back({edit, member, minimum, maximum});
    return edit;
}

void PrintPageDialog::accept() {
    PrintSettings edited = settings_;
    for (const IntegerField& field : integers_) {
        int value = 0;
        if (!readInteger(field.edit, value)) {
            return;
        }
        if (value < field.minimum || value > field.maximum) {
            showInputMessage(this, QStringLiteral("%1 から %2 までの整数を入力してください。")
                                       .arg(field.minimum)
                                       .arg(field.maximum));
            field.edit->setFocus();
            field.edit->selectAll();
            return;
        }
        edited.*field.member = value;
    }
    edited.printPolicy = policy_->isChecked() ? 1 : 0;
    edited.printMessages = messages_->isChecked() ? 1 : 0;
    edited.printPageNumber = pageNumber_->isChecked() ? 1 : 0;
    edited.pageNumberFormat = format_->text().toStdString();
    // A stored value outside the choices checks no button and is kept.
    const auto chosen = [](const QButtonGroup* group, int& value) {
        if (group->checkedId() >= 0) {
            value = group->checkedId();
        }
    };
    chosen(topBottom_, edited.pageNumberAtBottom);
    chosen(align_, edited.pageNumberAlign);
    chosen(unit_, edited.outputUnitSystem);
    settings_ = edited;
    QDialog::accept();
}

}  // namespace kesto::dialogs
