#include "app/page_view.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QValidator>

#include <array>
#include <cmath>

#include "app/paint/cell_painter.h"
#include "base/codepage.h"
#include "document/document.h"
#include "model/page.h"

namespace kesto::app {
namespace {

// The choice box covers its cell widened to the right and, opened, lists its names below it.
constexpr int kChoiceWider = 20;
constexpr int kChoiceListHeight = 100;

// Accepts only text that code page 932 can store: the document keeps its texts in it.
class Cp932Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return encodeCp932(input.toStdString()) ? Acceptable : Invalid;
    }
};

QString numberText(double v) {
    return QString::number(v, 'g', 15);
}

// A cell's value as its editor shows it: numbers in full, not in the grid's format.
QString editText(const DisplayCell& cell) {
    if (const auto* d = std::get_if<double>(&cell.valueTarget)) {
        return numberText(*d);
    }
    if (const auto* i = std::get_if<int>(&cell.valueTarget)) {
        return QString::number(*i);
    }
    if (const auto* b = std::get_if<std::uint8_t>(&cell.valueTarget)) {
        return QString::number(*b);
    }
    return QString::fromStdString(cellText(cell));
}

// What a spreadsheet puts on the clipboard: every row, even a single cell, ends in a line break.
bool isBlock(const QString& text) {
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\r'));
}

}  // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(p);
    viewport()->setAutoFillBackground(true);

    const auto lineEdit = [this] {
        auto* e = new QLineEdit(viewport());
        e->setFrame(false);
        e->hide();
        e->installEventFilter(this);
        // Enter stores the value and closes the editor; the selection stays for Tab.
        connect(e, &QLineEdit::returnPressed, this, &PageView::closeEditors);
        return e;
    };
    numberEdit_ = lineEdit();
    integerEdit_ = lineEdit();
    textEdit_ = lineEdit();
    textEdit_->setValidator(new Cp932Validator(textEdit_));
    choiceBox_ = new QComboBox(viewport());
    // A list below the box, of the height set when it opens; some styles would otherwise pop
    // up every name over the box.
    choiceBox_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    choiceBox_->hide();
    choiceBox_->installEventFilter(this);
    connect(choiceBox_, &QComboBox::activated, this, [this] { commitEditor(); });
}

void PageView::setDocument(KestoDocument* document) {
    document_ = document;
    refresh();
}

void PageView::refresh() {
    if (!committing_) {
        hideEditors();
        selectedCell_ = -1;
    }
    PrintFont font;
    if (document_ != nullptr) {
        font = document_->printSettings().printFont;
    }
    grid_ = makeGridFont(font, *viewport());
    figure_ = ColumnBaseFigure{};
    layout_ = ScreenLayout{};
    if (document_ != nullptr) {
        if (const CKesto* page = document_->currentPage()) {
            figure_ =
                buildColumnBaseFigure(document_->conditions(), *page, printFigure(Ink::screen));
        }
        int conditionsWidth = 0;
        for (const std::string& line : document_->conditionLines()) {
            conditionsWidth = std::max(conditionsWidth, gridTextWidth(grid_, line));
        }
        const GridExtent e = gridExtent(document_->pageCells());
        layout_ =
            screenLayout({e.columns, e.rows}, grid_.charWidth, grid_.lineHeight, conditionsWidth,
                         static_cast<int>(document_->conditionLines().size()), grid_.lineHeight);
    }
    for (QWidget* editor : editors()) {
        editor->setFont(grid_.font);
    }
    updateScrollBars();
    placeEditor();
    viewport()->update();
}

void PageView::closeEditors() {
    commitEditor();
    hideEditors();
}

void PageView::nextCell() {
    stepCell(1);
}

void PageView::previousCell() {
    stepCell(-1);
}

void PageView::stepCell(int step) {
    closeEditors();
    if (document_ == nullptr) {
        return;
    }
    if (step < 0 && selectedCell_ < 0) {
        // Backwards from nothing starts at the last interactive cell.
        for (const DisplayCell& c : document_->pageCells()) {
            selectedCell_ = std::max(selectedCell_, c.editOrder + 1);
        }
    }
    selectedCell_ += step;
    const DisplayCell* cell = cellWithEditOrder(selectedCell_);
    if (cell == nullptr) {
        selectedCell_ = -1;
        return;
    }
    openCell(*cell);
}

const DisplayCell* PageView::cellWithEditOrder(int editOrder) const {
    if (document_ == nullptr || editOrder < 0) {
        return nullptr;
    }
    for (const DisplayCell& c : document_->pageCells()) {
        if (c.editOrder == editOrder) {
            return &c;
        }
    }
    return nullptr;
}

std::array<QWidget*, 4> PageView::editors() const {
    return {numberEdit_, integerEdit_, textEdit_, choiceBox_};
}

QPoint PageView::scrollOffset() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void PageView::updateScrollBars() {
    const QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, layout_.scrollWidth - page.width()));
    horizontalScrollBar()->setPageStep(page.width());
    horizontalScrollBar()->setSingleStep(std::max(1, grid_.charWidth * 2));
    verticalScrollBar()->setRange(0, std::max(0, layout_.scrollHeight - page.height()));
    verticalScrollBar()->setPageStep(page.height());
    verticalScrollBar()->setSingleStep(std::max(1, grid_.lineHeight));
}

void PageView::hideEditors() {
    activeEditor_ = nullptr;
    activeCell_ = -1;
    // The view takes the focus first: hiding a focused editor would pass the focus on as Tab
    // does.
    if (viewport()->isAncestorOf(QApplication::focusWidget())) {
        setFocus(Qt::OtherFocusReason);
    }
    // The editor may keep the focus all the same (its window not active again yet after a
    // message), and hiding it then moves the focus on as Tab does.
    const QScopedValueRollback<bool> hiding(hiding_, true);
    for (QWidget* editor : editors()) {
        editor->hide();
        editor->setEnabled(false);
    }
}

void PageView::openCell(const DisplayCell& cell) {
    selectedCell_ = cell.editOrder;
    switch (cell.cellKind) {
        case kCellFigure:
            emit figureClicked();
            return;
        case kCellEditable:
            if (cell.valueType == kValueDouble) {
                openLineEdit(numberEdit_, cell);
            } else if (cell.valueType == kValueInteger || cell.valueType == kValueByte) {
                openLineEdit(integerEdit_, cell);
            } else {
                openLineEdit(textEdit_, cell);
            }
            return;
        case kCellSteelGrade:
        case kCellConcreteGrade:
            openChoiceBox(cell);
            return;
        default:
            return;
    }
}

void PageView::openLineEdit(QLineEdit* editor, const DisplayCell& cell) {
    const QString text = editText(cell);
    editor->setText(text);
    editor->setModified(false);
    openedText_ = text;
    activeEditor_ = editor;
    activeCell_ = cell.editOrder;
    placeEditor();
    editor->setEnabled(true);
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    editor->selectAll();
}

void PageView::openChoiceBox(const DisplayCell& cell) {
    choiceBox_->clear();
    const CKestoCnt& cnt = document_->conditions();
    if (cell.cellKind == kCellSteelGrade) {
        for (const CSteelRaw& row : cnt.steelGradeTable) {
            choiceBox_->addItem(QString::fromStdString(row.name));
        }
    } else {
        for (const CConcreteRaw& row : cnt.concreteTable) {
            choiceBox_->addItem(QString::fromStdString(row.name));
        }
    }
    const QString current = QString::fromStdString(cellText(cell));
    choiceBox_->setCurrentIndex(choiceBox_->findText(current));
    openedText_ = choiceBox_->currentText();
    const int rowHeight = std::max(1, choiceBox_->view()->sizeHintForRow(0));
    choiceBox_->setMaxVisibleItems(std::max(1, kChoiceListHeight / rowHeight));
    activeEditor_ = choiceBox_;
    activeCell_ = cell.editOrder;
    placeEditor();
    choiceBox_->setEnabled(true);
    choiceBox_->show();
    choiceBox_->setFocus(Qt::OtherFocusReason);
}

void PageView::placeEditor() {
    const DisplayCell* cell = cellWithEditOrder(activeCell_);
    if (activeEditor_ == nullptr || cell == nullptr) {
        return;
    }
    const QRect r = cellRectangle(-scrollOffset(), grid_, *cell);
    if (activeEditor_ == choiceBox_) {
        // As tall as the style needs to show a name, hanging over the row below if need be.
        choiceBox_->setGeometry(r.left(), r.top(), r.width() + kChoiceWider,
                                std::max(r.height(), choiceBox_->sizeHint().height()));
    } else {
        // Inside the border, so that the cell keeps its frame while it is edited.
        activeEditor_->setGeometry(r.adjusted(1, 1, -1, -1));
    }
}

void PageView::commitEditor() {
    if (activeEditor_ == nullptr || committing_) {
        return;
    }
    CellInput value;
    if (!editorValue(value)) {
        return;
    }
    committing_ = true;
    emit cellCommitted(activeCell_, value);
    committing_ = false;
    if (auto* edit = qobject_cast<QLineEdit*>(activeEditor_)) {
        edit->setModified(false);
        openedText_ = edit->text();
    } else if (activeEditor_ == choiceBox_) {
        openedText_ = choiceBox_->currentText();
    }
}

// The editor's value when it was changed and passes its check. A refused value is reported
// with the check's message and the editor shows the cell's value again.
bool PageView::editorValue(CellInput& value) {
    if (activeEditor_ == choiceBox_) {
        if (choiceBox_->currentIndex() < 0 || choiceBox_->currentText() == openedText_) {
            return false;
        }
        value = choiceBox_->currentText().toStdString();
        return true;
    }
    auto* edit = static_cast<QLineEdit*>(activeEditor_);
    if (!edit->isModified()) {
        return false;
    }
    QString refusal;
    // Digits typed with the input method on are full width: read them as the ASCII ones.
    const QString text = edit->text().normalized(QString::NormalizationForm_KC).trimmed();
    bool ok = false;
    if (edit == numberEdit_) {
        const double v = text.toDouble(&ok);
        if (!ok) {
            refusal = QStringLiteral("数値を入力してください。");
        } else if (!(std::fabs(v) <= kLargestEntry)) {
            refusal = QStringLiteral("%1 から %2 までの数値を入力してください。")
                          .arg(numberText(-kLargestEntry), numberText(kLargestEntry));
        }
        value = v;
    } else if (edit == integerEdit_) {
        value = text.toInt(&ok);
        if (!ok) {
            refusal = QStringLiteral("整数を入力してください。");
        }
    } else {
        value = edit->text().toStdString();
    }
    if (refusal.isEmpty()) {
        return true;
    }
    edit->setText(openedText_);
    edit->setModified(false);
    QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), refusal);
    return false;
}

void PageView::paintEvent(QPaintEvent* event) {
    if (document_ == nullptr) {
        return;
    }
    QPainter painter(viewport());
    painter.translate(-scrollOffset());
    paintCells(painter, QPoint(0, 0), grid_, document_->pageCells(), figure_, Ink::screen);
    if (!document_->pageCells().empty()) {
        // Only the conditions lines in the exposed band: the report runs to hundreds of lines.
        const QRect exposed = event->rect().translated(scrollOffset());
        const int h = std::max(1, grid_.lineHeight);
        const int first = std::max(0, exposed.top() / h);
        const int last = exposed.bottom() / h;
        painter.setPen(QColor(0, 0, 0));
        drawGridLines(painter, grid_, QPoint(layout_.conditionsLeft, first * h),
                      document_->conditionLines(), static_cast<std::size_t>(first),
                      static_cast<std::size_t>(std::max(0, last - first + 1)));
    }
}

void PageView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    closeEditors();
    if (document_ != nullptr) {
        const QPoint p = event->position().toPoint() + scrollOffset();
        for (const DisplayCell& cell : document_->pageCells()) {
            if (cellRectangle(QPoint(0, 0), grid_, cell).contains(p)) {
                if (cell.interactive()) {
                    openCell(cell);
                }
                break;
            }
        }
    }
    event->accept();
}

void PageView::keyPressEvent(QKeyEvent* event) {
    if (!copyOrPaste(*event)) {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool PageView::copyOrPaste(const QKeyEvent& key) {
    const DisplayCell* cell = cellWithEditOrder(selectedCell_);
    if (cell == nullptr) {
        return false;
    }
    auto* edit = qobject_cast<QLineEdit*>(activeEditor_);
    if (key.matches(QKeySequence::Copy)) {
        // An editor copies the text selected in it; with none, the whole value.
        if (edit != nullptr && edit->hasSelectedText()) {
            return false;
        }
        QGuiApplication::clipboard()->setText(edit != nullptr ? edit->text() : editText(*cell));
        return true;
    }
    if (key.matches(QKeySequence::Paste)) {
        const QString text = QGuiApplication::clipboard()->text();
        // A plain value pasted into an editor is typing.
        if (edit != nullptr && !isBlock(text)) {
            return false;
        }
        const int start = selectedCell_;
        closeEditors();
        emit blockPasted(start, text);
        return true;
    }
    return false;
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PageView::scrollContentsBy(int, int) {
    placeEditor();
    viewport()->update();
}

bool PageView::focusNextPrevChild(bool next) {
    // Hiding a focused editor passes the focus on through here; that is no Tab.
    if (!hiding_) {
        stepCell(next ? 1 : -1);
    }
    return true;
}

bool PageView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == activeEditor_ &&
        copyOrPaste(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == activeEditor_ &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Escape leaves the cell as it was.
        if (auto* edit = qobject_cast<QLineEdit*>(activeEditor_)) {
            edit->setText(openedText_);
            edit->setModified(false);
        }
        hideEditors();
        return true;
    }
    if (event->type() == QEvent::FocusOut && watched == activeEditor_) {
        // Leaving the cell stores what was typed; a list popping up from the choice box is not
        // leaving it.
        if (!(watched == choiceBox_ && choiceBox_->view()->isVisible())) {
            commitEditor();
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

}  // namespace kesto::app
