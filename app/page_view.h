// The main view: the current page of the document as its grid of cells with the column-base
// figure, the conditions report to the right, scrollable; values are edited in place over the
// clicked cell. The view never writes the document: a finished edit is offered through
// cellCommitted, and the program stores it (as an undoable step) and calls refresh(). The view
// handles Tab (next cell), Shift+Tab, Enter (store and close) and Escape (close unchanged)
// itself; grab() renders it like any widget. Ctrl+C copies the selected cell's value; Ctrl+V
// with a block copied from a spreadsheet (text with a tab or a line break) offers it through
// blockPasted, to be laid over the stress cells from the selected one.
#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include <array>

#include "app/paint/figure_painter.h"
#include "app/paint/grid_font.h"
#include "report/figure.h"
#include "report/print_layout.h"
#include "report/result_cells.h"

class QComboBox;
class QLineEdit;

namespace kesto {
class KestoDocument;
}

namespace kesto::app {

class PageView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit PageView(QWidget* parent = nullptr);

    // The document shown; none shows an empty view. The view keeps the pointer, not the document.
    void setDocument(KestoDocument* document);

    // Reads the document's cells and conditions lines again, sizes the scroll area and redraws.
    // The editors are closed without committing and no cell is selected, except when called from
    // a handler of cellCommitted: the edit then stays open, so that Tab goes on to the next cell.
    void refresh();

    // The first step of every command: commits the open editor, if any, and closes it.
    void closeEditors();

    // Tab and Shift+Tab: closes the editors and opens the next (previous) interactive cell in
    // edit order; after the last one nothing stays open and the next Tab starts again at the
    // first.
    void nextCell();
    void previousCell();

    // The edit number of the cell last opened, −1 for none.
    int selectedCell() const { return selectedCell_; }
    // The editor open over a cell, or none.
    QWidget* activeEditor() const { return activeEditor_; }
    // The grid the cells are drawn on (the print font at the screen's resolution).
    const GridFont& gridFont() const { return grid_; }

  signals:
    // A value typed or chosen in the cell with this edit number, checked against the editor's
    // range; connect it directly (not queued).
    void cellCommitted(int editOrder, kesto::CellInput value);
    // The figure cell was clicked (the column-base shape dialog opens).
    void figureClicked();
    // Ctrl+V on the cell with this edit number, the editors closed first.
    void blockPasted(int editOrder, const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const DisplayCell* cellWithEditOrder(int editOrder) const;
    std::array<QWidget*, 4> editors() const;
    QPoint scrollOffset() const;
    void updateScrollBars();
    void hideEditors();
    void openCell(const DisplayCell& cell);
    void openLineEdit(QLineEdit* editor, const DisplayCell& cell);
    void openChoiceBox(const DisplayCell& cell);
    void placeEditor();
    void commitEditor();
    bool editorValue(CellInput& value);
    void stepCell(int step);
    // Ctrl+C and Ctrl+V on the selected cell; false for any other key.
    bool copyOrPaste(const QKeyEvent& key);

    KestoDocument* document_ = nullptr;
    GridFont grid_;
    ColumnBaseFigure figure_;
    ScreenLayout layout_;

    QLineEdit* numberEdit_ = nullptr;
    QLineEdit* integerEdit_ = nullptr;
    QLineEdit* textEdit_ = nullptr;
    QComboBox* choiceBox_ = nullptr;
    QWidget* activeEditor_ = nullptr;
    int activeCell_ = -1;  // edit number of the cell whose editor is open
    QString openedText_;   // the choice box's text when it opened
    int selectedCell_ = -1;
    bool committing_ = false;
    bool hiding_ = false;  // the editors are being hidden
};

}  // namespace kesto::app
