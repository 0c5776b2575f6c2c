#include "dialogs/table_editor_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/list_edit_panel.h"
#include "dialogs/table_file_dialog.h"

namespace kesto::dialogs {
namespace {

QString captionOf(TableKind kind) {
    switch (kind) {
        case TableKind::concrete:
            return QStringLiteral("コンクリート材質の設定");
        case TableKind::steelGrade:
            return QStringLiteral("鋼材材質設定");
        case TableKind::hShape:
            return QStringLiteral("Ｈ形鋼形状の設定");
        case TableKind::tube:
            return QStringLiteral("角形鋼管形状の設定");
        case TableKind::bolt:
            return QStringLiteral("ｱﾝｶｰﾎﾞﾙﾄ形状の設定");
    }
    return {};
}

// Where a field goes: a grid row and a column block (label, field, unit, note).
struct Place {
    int field;
    int row;
    int block;
};

// Sections: the name on top; the dimensions, then the X properties, then the Y properties in
// three columns whose last rows line up.
std::vector<Place> sectionPlaces(int dims, int xs, int ys) {
    std::vector<Place> places{{0, 0, 0}};
    int f = 1;
    for (int i = 0; i < dims; ++i) {
        places.push_back({f++, 1 + i, 0});
    }
    for (int i = 0; i < xs; ++i) {
        places.push_back({f++, 1 + i, 1});
    }
    for (int i = 0; i < ys; ++i) {
        places.push_back({f++, 1 + xs - ys + i, 2});
    }
    return places;
}

std::vector<Place> placesFor(TableKind kind, int fieldCount) {
    switch (kind) {
        case TableKind::hShape:
            return sectionPlaces(5, 6, 6);
        case TableKind::tube:
            return sectionPlaces(4, 6, 5);
        case TableKind::concrete:
            fieldCount = kConcreteGridField;  // the grid has its own arrangement
            break;
        case TableKind::steelGrade:
        case TableKind::bolt:
            break;
    }
    std::vector<Place> places;
    for (int f = 0; f < fieldCount; ++f) {
        places.push_back({f, f, 0});
    }
    return places;
}

}  // namespace

TableEditorDialog::TableEditorDialog(TableEditor& editor, QWidget* parent)
    : AskingDialog(parent), editor_(editor) {
    setWindowTitle(captionOf(editor.kind()));
    panel_ = new ListEditPanel(buildFields(), this);
    panel_->list()->setFixedWidth(editor.hasSectionTools() ? 170 : 130);
    panel_->list()->setMinimumHeight(220);
    connect(panel_, &ListEditPanel::actionRequested, this, [this](ListAction a) { act(a); });
    connect(panel_, &ListEditPanel::rowChosen, this, [this](int row) {
        editor_.select(row);
        showCurrent();
    });

    auto* buttons = okCancelButtons();
    auto* bottom = new QHBoxLayout;
    if (editor.hasTableFile()) {
        fileButton_ = new QPushButton(QStringLiteral("ファイル"), this);
        fileButton_->setAutoDefault(false);
        connect(fileButton_, &QPushButton::clicked, this, [this] { chooseFile(); });
        bottom->addWidget(fileButton_);
    }
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_);
    layout->addLayout(bottom);
    refreshList();
    showCurrent();
}

QWidget* TableEditorDialog::buildFields() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    const auto& specs = editor_.fields();
    for (const FieldSpec& entry : specs) {
        fields_.push_back(makeField(entry, area));
    }
    int lastRow = 0;
    for (const Place& p : placesFor(editor_.kind(), static_cast<int>(specs.size()))) {
        const FieldSpec& entry = specs[static_cast<std::size_t>(p.field)];
        const int column = p.block * 4;
        QWidget* w = fields_[static_cast<std::size_t>(p.field)];
        if (entry.kind == FieldKind::check) {
            grid->addWidget(w, p.row, column, 1, 4);
        } else {
            grid->addWidget(new QLabel(qs(entry.label), area), p.row, column);
            // A name or a list is wider than a number: it takes the unit and note columns
            // too, so that the units stay beside the numbers.
            const int span = entry.kind == FieldKind::number ? 1 : 3;
            grid->addWidget(w, p.row, column + 1, 1, span, Qt::AlignLeft);
        }
        if (!entry.unit.empty()) {
            grid->addWidget(new QLabel(qs(entry.unit), area), p.row, column + 2);
        }
        if (!entry.note.empty()) {
            grid->addWidget(new QLabel(qs(entry.note), area), p.row, column + 3);
        }
        lastRow = std::max(lastRow, p.row);
    }
    // Space between the column blocks.
    for (int block = 1; block < 3; ++block) {
        grid->setColumnMinimumWidth(block * 4 - 1, 18);
    }
    if (editor_.kind() == TableKind::concrete) {
        placeConcreteGrid(grid, lastRow + 1, area);
    }
    if (editor_.hasSectionTools()) {
        nameButton_ = new QPushButton(QStringLiteral("名称作成"), area);
        grid->addWidget(nameButton_, 0, 5, 1, 3, Qt::AlignLeft);
        recomputeButton_ = new QPushButton(QStringLiteral("性能再計算"), area);
        rounding_ = new QCheckBox(QStringLiteral("JIS Z 8401による断面性能値の丸め"), area);
        rounding_->setChecked(true);
        auto* tools = new QHBoxLayout;
        tools->addWidget(recomputeButton_);
        tools->addWidget(rounding_);
        tools->addStretch();
        grid->addLayout(tools, lastRow + 1, 4, 1, 8);
        for (auto* b : {nameButton_, recomputeButton_}) {
            b->setAutoDefault(false);
        }
        connect(nameButton_, &QPushButton::clicked, this, [this] {
            FieldInputs v = values();
            if (report(editor_.makeName(v))) {
                show(v);
            }
        });
        connect(recomputeButton_, &QPushButton::clicked, this, [this] {
            FieldInputs v = values();
            if (report(editor_.recomputeProperties(v, rounding_->isChecked()))) {
                show(v);
            }
        });
    }
    grid->setColumnStretch(grid->columnCount(), 1);
    return area;
}

QWidget* TableEditorDialog::makeField(const FieldSpec& entry, QWidget* parent) {
    switch (entry.kind) {
        case FieldKind::text: {
            auto* edit = new QLineEdit(parent);
            edit->setMinimumWidth(150);
            return edit;
        }
        case FieldKind::number:
            return numberEdit(parent, editor_.kind() == TableKind::concrete ? 64 : 80);
        case FieldKind::choice: {
            auto* box = new QComboBox(parent);
            for (const auto& c : entry.choices) {
                box->addItem(qs(c));
            }
            return box;
        }
        case FieldKind::check: {
            auto* box = new QCheckBox(qs(entry.label), parent);
            connect(box, &QCheckBox::clicked, this, [this] { updateEnabling(); });
            return box;
        }
    }
    return nullptr;
}

// Rows "長期" and "短期" under the columns 圧縮, せん断, 異形付着 (上端, その他) and 丸鋼付着
// (上端, その他); the unit of the grid heads it.
void TableEditorDialog::placeConcreteGrid(QGridLayout* outer, int row, QWidget* parent) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    const auto& specs = editor_.fields();
    grid->addWidget(new QLabel(qs(specs[kConcreteGridField].unit), parent), 0, 0, 2, 1,
                    Qt::AlignBottom);
    const char* heads[] = {"圧縮", "せん断"};
    for (int c = 0; c < 2; ++c) {
        grid->addWidget(new QLabel(QString::fromUtf8(heads[c]), parent), 0, 1 + c, 2, 1,
                        Qt::AlignHCenter | Qt::AlignBottom);
    }
    const char* bonds[] = {"異形付着", "丸鋼付着"};
    for (int b = 0; b < 2; ++b) {
        grid->addWidget(new QLabel(QString::fromUtf8(bonds[b]), parent), 0, 3 + 2 * b, 1, 2,
                        Qt::AlignHCenter);
        grid->addWidget(new QLabel(QStringLiteral("上端"), parent), 1, 3 + 2 * b, Qt::AlignHCenter);
        grid->addWidget(new QLabel(QStringLiteral("その他"), parent), 1, 4 + 2 * b,
                        Qt::AlignHCenter);
    }
    const char* terms[] = {"長期", "短期"};
    for (int t = 0; t < 2; ++t) {
        grid->addWidget(new QLabel(QString::fromUtf8(terms[t]), parent), 2 + t, 0);
        for (int c = 0; c < 6; ++c) {
            const auto f = static_cast<std::size_t>(kConcreteGridField + 6 * t + c);
            grid->addWidget(fields_[f], 2 + t, 1 + c);
        }
    }
    outer->addLayout(grid, row, 0, 1, 8);
}

FieldInputs TableEditorDialog::values() const {
    FieldInputs out;
    for (QWidget* w : fields_) {
        FieldInput v;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            v.text = utf8(edit->text());
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            v.index = box->currentIndex();
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            v.index = check->isChecked() ? 1 : 0;
        }
        out.push_back(std::move(v));
    }
    return out;
}

void TableEditorDialog::show(const FieldInputs& values) {
    for (std::size_t i = 0; i < fields_.size() && i < values.size(); ++i) {
        QWidget* w = fields_[i];
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setText(qs(values[i].text));
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            box->setCurrentIndex(values[i].index);
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            check->setChecked(values[i].index != 0);
        }
    }
    updateEnabling();
}

void TableEditorDialog::showCurrent() {
    show(editor_.currentFields());
    if (editor_.current() < 0) {
        fields_.front()->setFocus();
    }
}

void TableEditorDialog::updateEnabling() {
    const FieldInputs v = values();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setEnabled(editor_.fieldEnabled(static_cast<int>(i), v));
    }
}

bool TableEditorDialog::report(const EditOutcome& outcome) {
    if (const std::string message = outcome.message(); !message.empty()) {
        questions().tell(message);
        if (outcome.badField >= 0) {
            fields_[static_cast<std::size_t>(outcome.badField)]->setFocus();
        }
    }
    return outcome.done();
}

void TableEditorDialog::act(ListAction action) {
    if (!confirmed(action, editor_.current())) {
        return;
    }
    FieldInputs v = values();
    const EditOutcome outcome = editor_.apply(action, v);
    if (!report(outcome)) {
        return;
    }
    refreshList();
    if (action == ListAction::deleteRow) {
        showCurrent();
    } else if (action == ListAction::registerRow || action == ListAction::modifyRow) {
        show(v);
    }
}

void TableEditorDialog::chooseFile() {
    auto choice = editor_.chooseTableFile();
    TableFileDialog dialog(*choice, this);
    dialog.setQuestions(questions());
    if (dialog.exec() == QDialog::Accepted) {
        refreshList();
        showCurrent();
    }
}

void TableEditorDialog::refreshList() {
    panel_->showRows(editor_.names(), editor_.current());
}

void TableEditorDialog::accept() {
    if (report(editor_.checkFields(values()))) {
        QDialog::accept();
    }
}

}  // namespace kesto::dialogs
