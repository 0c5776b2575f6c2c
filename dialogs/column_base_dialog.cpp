#include "dialogs/column_base_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calc/rotational_stiffness.h"
#include "calc/shape_input.h"
#include "dialogs/live_plan.h"
#include "dialogs/number_exchange.h"
#include "dialogs/shape_pictures.h"
#include "dialogs/stiffness_dialog.h"
#include "document/document.h"
#include "report/figure.h"

namespace kesto::dialogs {
namespace {

constexpr int kEditWidth = 64;

// One labelled edit of a row: the letter of the quantity and its edit.
struct Cell {
    const char* letter;
    QLineEdit* edit;
};

QLabel* label(const char* text) {
    return new QLabel(QString::fromUtf8(text));
}

// A row "caption  L1 [edit]  L2 [edit] ..." of a grid whose column 0 holds the captions.
void addRow(QGridLayout* grid, const char* caption, std::initializer_list<Cell> cells) {
    const int row = grid->rowCount();
    grid->addWidget(label(caption), row, 0);
    int column = 1;
    for (const Cell& c : cells) {
        grid->addWidget(label(c.letter), row, column++, Qt::AlignRight);
        grid->addWidget(c.edit, row, column++);
    }
}

// A row holding any widget to the right of the caption.
void addRow(QGridLayout* grid, const char* caption, QWidget* field) {
    const int row = grid->rowCount();
    grid->addWidget(label(caption), row, 0);
    grid->addWidget(field, row, 1, 1, 6);
}

// Two exclusive radio buttons side by side.
QWidget* radioPair(QRadioButton* first, QRadioButton* second) {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch();
    auto* group = new QButtonGroup(box);
    group->addButton(first);
    group->addButton(second);
    return box;
}

QLineEdit* valueEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(kEditWidth);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

void setChoice(QComboBox* combo, const std::string& name) {
    combo->setCurrentIndex(combo->findText(QString::fromStdString(name)));
}

}  // namespace

ColumnBaseDialog::ColumnBaseDialog(const CKestoCnt& conditions, int unitSystem, const CKesto& page,
                                   QWidget* parent)
    : QDialog(parent), cnt_(conditions), unitSystem_(unitSystem), page_(page), values_(page) {
    setWindowTitle(QStringLiteral("柱脚形状の設定"));
    buildLayout();
    for (const CABolt& b : cnt_.boltTable) {
        bolt_->addItem(QString::fromStdString(b.name));
    }
    setColumnKind(values_.columnKind == 1 ? 1 : 0);
    showValues();
    applyRoute3Enabling();
    updatePlan();
}

QLineEdit* ColumnBaseDialog::numberEdit(const char* name, double CKesto::*field, bool emptyIsZero) {
    QLineEdit* edit = valueEdit(name);
    numbers_.push_back({edit, field, emptyIsZero});
    return edit;
}

QLineEdit* ColumnBaseDialog::countEdit(const char* name, int CKesto::*field) {
    QLineEdit* edit = valueEdit(name);
    counts_.push_back({edit, field});
    return edit;
}

void ColumnBaseDialog::buildLayout() {
    tube_ = new QRadioButton(QStringLiteral("角形鋼管"));
    hShape_ = new QRadioButton(QStringLiteral("Ｈ形鋼"));
    section_ = new QComboBox;
    section_->setMinimumContentsLength(22);
    bolt_ = new QComboBox;
    bolt_->setMinimumContentsLength(8);
    tube_->setObjectName(QStringLiteral("squareTube"));
    hShape_->setObjectName(QStringLiteral("hShape"));
    section_->setObjectName(QStringLiteral("columnSection"));
    bolt_->setObjectName(QStringLiteral("boltName"));
    rotation0_ = new QRadioButton(QStringLiteral("０°"));
    rotation90_ = new QRadioButton(QStringLiteral("９０°"));
    wingNone_ = new QRadioButton(QStringLiteral("無し"));
    wingUsed_ = new QRadioButton(QStringLiteral("有り"));
    rotation90_->setObjectName(QStringLiteral("rotated"));
    wingNone_->setObjectName(QStringLiteral("noWingPlate"));
    wingUsed_->setObjectName(QStringLiteral("wingPlate"));

    auto* shape = new QGridLayout;
    shape->setHorizontalSpacing(6);
    addRow(shape, "柱鋼材種別", radioPair(tube_, hShape_));
    addRow(shape, "柱鋼材形状", section_);
    addRow(shape, "ﾍﾞｰｽﾌﾟﾚｰﾄ形状",
           {{"Ｂ", numberEdit("plateB", &CKesto::plateB)},
            {"Ｄ", numberEdit("plateD", &CKesto::plateD)},
            {"Ｔ", numberEdit("plateT", &CKesto::plateT)}});
    addRow(shape, "ﾘﾌﾞﾌﾟﾚｰﾄ形状",
           {{"Ｈ", numberEdit("ribH", &CKesto::ribH)}, {"Ｔ", numberEdit("ribT", &CKesto::ribT)}});
    ribCountY_ = countEdit("ribCountY", &CKesto::ribCountY);
    addRow(shape, "ﾘﾌﾞﾌﾟﾚｰﾄ枚数",
           {{"Nx", countEdit("ribCountX", &CKesto::ribCountX)}, {"Ny", ribCountY_}});
    ribGaugeX_ = numberEdit("ribGaugeX", &CKesto::ribGaugeX);
    addRow(shape, "ﾘﾌﾞﾌﾟﾚｰﾄｹﾞｰｼﾞ",
           {{"Gx", ribGaugeX_}, {"Gy", numberEdit("ribGaugeY", &CKesto::ribGaugeY)}});
    addRow(shape, "柱脚の回転", radioPair(rotation0_, rotation90_));
    addRow(shape, "ｱﾝｶｰﾎﾞﾙﾄ径", bolt_);
    boltCountY_ = countEdit("boltCountY", &CKesto::boltCountY);
    addRow(shape, "ｱﾝｶｰﾎﾞﾙﾄ本数",
           {{"Nx", countEdit("boltCountX", &CKesto::boltCountX)}, {"Ny", boltCountY_}});
    addRow(shape, "ｱﾝｶｰﾎﾞﾙﾄｹﾞｰｼﾞ",
           {{"Gx", numberEdit("boltGaugeX", &CKesto::boltGaugeX)},
            {"Gy", numberEdit("boltGaugeY", &CKesto::boltGaugeY)}});
    addRow(shape, "ｳｨﾝｸﾞﾌﾟﾚｰﾄの有無", radioPair(wingNone_, wingUsed_));
    shape->addWidget(label("単位：mm"), shape->rowCount(), 0);
    shape->setRowStretch(shape->rowCount(), 1);

    picture_ = new ShapePicture(ShapePictureKind::squareTube);
    livePlan_ = new LivePlan;
    auto* left = new QVBoxLayout;
    left->addLayout(shape);
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(picture_);
    pictures->addWidget(livePlan_);
    pictures->addStretch();

    // The study of an NG route-3 connection.
    auto* route3 = new QGroupBox(QStringLiteral("保有耐力接合(ﾙｰﾄ3)がNGの場合の検討"));
    auto* grid = new QGridLayout;
    pedestalB_ = numberEdit("pedestalB", &CKesto::pedestalB);
    pedestalD_ = numberEdit("pedestalD", &CKesto::pedestalD);
    addRow(grid, "ｺﾝｸﾘｰﾄ柱型形状", {{"Ｂc", pedestalB_}, {"Ｄc", pedestalD_}});
    anchorBlock_ = new QCheckBox(QStringLiteral("定着金物(ｱﾝｶｰﾌﾞﾛｯｸ)を使用する"));
    anchorBlock_->setObjectName(QStringLiteral("useAnchorBlock"));
    grid->addWidget(anchorBlock_, grid->rowCount(), 0, 1, 6);
    anchorData_ = {numberEdit("anchorBlockB", &CKesto::anchorBlockB),
                   numberEdit("anchorBlockD", &CKesto::anchorBlockD),
                   numberEdit("boltLength", &CKesto::boltLength),
                   numberEdit("inputAa", &CKesto::inputAa, true),
                   numberEdit("inputAc", &CKesto::inputAc, true)};
    addRow(grid, "定着金物形状", {{"Ｂt", anchorData_[0]}, {"Ｄt", anchorData_[1]}});
    addRow(grid, "ｱﾝｶｰﾎﾞﾙﾄ長さ", {{"Ｌ", anchorData_[2]}});
    addRow(grid, "", {{"Aa", anchorData_[3]}, {"Ac", anchorData_[4]}});
    auto* note = label(
        "Aa、Ac（単位：cm2）を直接入力した場合はその値が優先されます。"
        "入力しない場合は下式により自動計算されます。");
    note->setWordWrap(true);
    grid->addWidget(note, grid->rowCount(), 0, 1, 6);
    auto* formulas = label("Aa = Bt･Dt - at\nAc = 2Bt･L + 2Dt･L + π･L^2");
    formulas->setIndent(16);
    grid->addWidget(formulas, grid->rowCount(), 0, 1, 6);
    concreteShear_ = new QCheckBox(QStringLiteral("ｺﾝｸﾘｰﾄのせん断破壊の検討をする"));
    concreteShear_->setObjectName(QStringLiteral("concreteShearCheck"));
    grid->addWidget(concreteShear_, grid->rowCount(), 0, 1, 6);
    grid->addWidget(new ShapePicture(ShapePictureKind::pedestal), grid->rowCount(), 0, 1, 6);
    grid->setColumnStretch(5, 1);
    route3->setLayout(grid);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addSpacing(8);
    body->addLayout(pictures);
    body->addSpacing(8);
    body->addWidget(route3, 0, Qt::AlignTop);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    auto* stiffness = new QPushButton(QStringLiteral("回転剛性確認"));
    stiffness->setAutoDefault(false);
    stiffness->setObjectName(QStringLiteral("checkStiffness"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(stiffness);
    buttonRow->addStretch();
    buttonRow->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ColumnBaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ColumnBaseDialog::reject);
    connect(stiffness, &QPushButton::clicked, this, &ColumnBaseDialog::checkStiffness);
    connect(tube_, &QRadioButton::clicked, this, [this] { setColumnKind(0); });
    connect(hShape_, &QRadioButton::clicked, this, [this] { setColumnKind(1); });
    connect(anchorBlock_, &QCheckBox::clicked, this, &ColumnBaseDialog::applyRoute3Enabling);
    for (const NumberField& f : numbers_) {
        connect(f.edit, &QLineEdit::textChanged, this, &ColumnBaseDialog::updatePlan);
    }
    for (const CountField& f : counts_) {
        connect(f.edit, &QLineEdit::textChanged, this, &ColumnBaseDialog::updatePlan);
    }
    connect(section_, &QComboBox::currentIndexChanged, this, &ColumnBaseDialog::updatePlan);
    for (QRadioButton* r : {hShape_, rotation90_, wingUsed_}) {
        connect(r, &QRadioButton::toggled, this, &ColumnBaseDialog::updatePlan);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttonRow);
}

void ColumnBaseDialog::setColumnKind(int kind) {
    if (section_->currentIndex() >= 0) {
        values_.columnSection = section_->currentText().toStdString();
    }
    values_.columnKind = static_cast<std::uint8_t>(kind);
    const bool tube = kind == 0;
    section_->clear();
    for (const CSteel& s : tube ? cnt_.tubeTable : cnt_.hSteelTable) {
        section_->addItem(QString::fromStdString(s.name));
    }
    setChoice(section_, values_.columnSection);
    (tube ? tube_ : hShape_)->setChecked(true);
    wingNone_->setEnabled(!tube);
    wingUsed_->setEnabled(!tube);
    ribGaugeX_->setEnabled(tube);
    ribCountY_->setEnabled(tube);
    boltCountY_->setEnabled(tube);
    picture_->setKind(tube ? ShapePictureKind::squareTube : ShapePictureKind::hShape);
}

void ColumnBaseDialog::applyRoute3Enabling() {
    const Route3Inputs in = route3Inputs(cnt_, anchorBlock_->isChecked());
    pedestalB_->setEnabled(in.pedestal);
    pedestalD_->setEnabled(in.pedestal);
    anchorBlock_->setEnabled(in.anchorBlockOption);
    concreteShear_->setEnabled(in.concreteShearOption);
    for (QLineEdit* e : anchorData_) {
        e->setEnabled(in.anchorBlockData);
    }
}

void ColumnBaseDialog::showValues() {
    for (const NumberField& f : numbers_) {
        f.edit->setText(numberText(values_.*f.field));
    }
    for (const CountField& f : counts_) {
        f.edit->setText(QString::number(values_.*f.field));
    }
    setChoice(section_, values_.columnSection);
    setChoice(bolt_, values_.boltName);
    (values_.rotated != 0 ? rotation90_ : rotation0_)->setChecked(true);
    (values_.wingPlate != 0 ? wingUsed_ : wingNone_)->setChecked(true);
    anchorBlock_->setChecked(values_.useAnchorBlock != 0);
    concreteShear_->setChecked(values_.concreteShearCheck != 0);
}

bool ColumnBaseDialog::readControlsInto(CKesto& into, bool report) const {
    CKesto read = into;
    for (const NumberField& f : numbers_) {
        const auto emptyAs = f.emptyIsZero ? std::optional(0.0) : std::nullopt;
        if (report) {
            if (!readNumber(f.edit, read.*f.field, emptyAs)) {
                return false;
            }
        } else if (const auto v = parseNumber(f.edit->text(), emptyAs)) {
            read.*f.field = *v;
        }
    }
    for (const CountField& f : counts_) {
        if (report) {
            if (!readInteger(f.edit, read.*f.field)) {
                return false;
            }
        } else if (const auto v = parseInteger(f.edit->text())) {
            read.*f.field = *v;
        }
    }
    read.columnSection =
        section_->currentIndex() >= 0 ? section_->currentText().toStdString() : std::string();
    // A bolt name missing from the table stays as it is until the user picks one.
    if (bolt_->currentIndex() >= 0) {
        read.boltName = bolt_->currentText().toStdString();
    }
    read.rotated = rotation90_->isChecked() ? 1 : 0;
    read.wingPlate = wingUsed_->isChecked() ? 1 : 0;
    read.useAnchorBlock = anchorBlock_->isChecked() ? 1 : 0;
    read.concreteShearCheck = concreteShear_->isChecked() ? 1 : 0;
    read.columnKind = hShape_->isChecked() ? 1 : 0;
    into = read;
    return true;
}

void ColumnBaseDialog::updatePlan() {
    CKesto shown = values_;
    readControlsInto(shown, false);
    const CSteel* section = findColumnSection(cnt_, shown);
    if (section == nullptr) {
        livePlan_->setFigure({});
        return;
    }
    normaliseShape(shown, *section);
    // A count no document can hold would only keep the figure routine busy.
    for (int n : {shown.boltCountX, shown.boltCountY, shown.ribCountX, shown.ribCountY}) {
        if (n > kMaxStoredCount) {
            livePlan_->setFigure({});
            return;
        }
    }
    livePlan_->setFigure(buildColumnBaseFigure(cnt_, shown, false));
}

bool ColumnBaseDialog::checkHeldValues() {
    const auto message = checkShapeInput(cnt_, values_);
    showValues();
    if (message) {
        showInputMessage(this, QString::fromStdString(*message));
        return false;
    }
    return true;
}

void ColumnBaseDialog::accept() {
    if (!readControls() || !checkHeldValues()) {
        return;
    }
    copyShapeFields(values_, page_);
    QDialog::accept();
}

void ColumnBaseDialog::checkStiffness() {
    if (!readControls() || !checkHeldValues()) {
        return;
    }
    const CKesto temporary = stiffnessPage(page_, values_);
    if (const auto problem = stiffnessMaterialProblem(cnt_, temporary)) {
        showInputMessage(this, QString::fromStdString(*problem));
        return;
    }
    StiffnessDialog dialog(cnt_, unitSystem_, temporary, this);
    dialog.exec();
}

std::optional<CKesto> editColumnBase(QWidget* parent, const KestoDocument& document,
                                     int pageIndex) {
    const CKestoCnt& cnt = document.conditions();
    if (pageIndex < 0 || pageIndex >= document.pageCount()) {
        return std::nullopt;
    }
    ColumnBaseDialog dialog(cnt, document.unitSystem(), cnt.pages[pageIndex], parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.page();
}

}  // namespace kesto::dialogs
