// The column-base shape dialog and the unit conversion as undoable steps of the document: the
// dialogs only return values; these commands put them into the document, one step each.
#pragma once

#include <QUndoCommand>
#include <vector>

#include "document/document.h"

class QUndoStack;
class QWidget;

namespace kesto::app {

// A page replaced as a whole; undo puts the page as it was back.
class ReplacePageCommand : public QUndoCommand {
  public:
    ReplacePageCommand(KestoDocument& document, int index, CKesto after, const QString& text);
    void redo() override;
    void undo() override;

  private:
    KestoDocument& document_;
    int index_;
    CKesto before_;
    CKesto after_;
};

// The unit conversion of every page's stresses; undo puts the pages as they were back.
class ConvertStressesCommand : public QUndoCommand {
  public:
    ConvertStressesCommand(KestoDocument& document, double factor, bool shortenConcreteNames);
    void redo() override;
    void undo() override;

  private:
    KestoDocument& document_;
    double factor_;
    bool shorten_;
    std::vector<CKesto> before_;
};

// The figure cell clicked: the shape dialog on the current page; its OK is pushed as one step.
// Returns true when the page changed.
bool editCurrentColumnBase(QWidget* parent, KestoDocument& document, QUndoStack& stack);

// 編集 > "単位変換(&C)": the conversion dialog; its OK is pushed as one step. Returns true when the
// conversion ran.
bool convertUnits(QWidget* parent, KestoDocument& document, QUndoStack& stack);

}  // namespace kesto::app
