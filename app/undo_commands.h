// The undoable changes of the document, one step each. Every command reaches the document only
// through its operations; the window redraws when the undo stack moves.
#pragma once

#include <QUndoCommand>
#include <optional>
#include <utility>
#include <vector>

#include "app/building_dialog.h"
#include "document/document.h"

namespace kesto::app {

// A value typed into a cell of the current page. A value the cell refuses leaves the command
// obsolete, so that nothing is pushed. Undo and redo store into the field the cell showed and
// show its page again.
class EditCellCommand : public QUndoCommand {
  public:
    EditCellCommand(KestoDocument& document, int editOrder, CellInput value);
    void redo() override;
    void undo() override;

  private:
    KestoDocument& document_;
    int editOrder_;
    CellInput value_;
    std::optional<FieldEdit> edit_;
};

class BuildingCommand : public QUndoCommand {
  public:
    BuildingCommand(KestoDocument& document, BuildingTexts after);
    void redo() override;
    void undo() override;

  private:
    KestoDocument& document_;
    BuildingTexts before_;
    BuildingTexts after_;
};

class UnitCommand : public QUndoCommand {
  public:
    UnitCommand(KestoDocument& document, int unit);
    void redo() override;
    void undo() override;

  private:
    KestoDocument& document_;
    int before_;
    int after_;
};

class InsertPageCommand : public QUndoCommand {
  public:
    explicit InsertPageCommand(KestoDocument& document);
    void redo() override;
    void undo() override;

  private:
    KestoDocument& document_;
    int currentBefore_;
    int inserted_ = -1;
};

// The current page deleted; undo puts it back where it stood.
class DeletePageCommand : public QUndoCommand {
  public:
    explicit DeletePageCommand(KestoDocument& document);
    void redo() override;
    void undo() override;

  private:
    KestoDocument& document_;
    int index_;
    std::optional<RemovedPage> removed_;
};

// The moves of one session of the jump dialog.
class ReorderPagesCommand : public QUndoCommand {
  public:
    ReorderPagesCommand(KestoDocument& document, std::vector<std::pair<int, int>> swaps,
                        int currentAfter);
    void redo() override;
    void undo() override;

  private:
    KestoDocument& document_;
    std::vector<std::pair<int, int>> swaps_;
    int currentBefore_;
    int currentAfter_;
};

// A change of many pages at once that the document has already made (a stress import): the
// first redo does nothing; undo and redo put the whole page list back.
class PagesCommand : public QUndoCommand {
  public:
    PagesCommand(KestoDocument& document, OwnedList<CKesto> before, const QString& text);
    void redo() override;
    void undo() override;

  private:
    KestoDocument& document_;
    OwnedList<CKesto> before_;
    OwnedList<CKesto> after_;
    bool done_ = true;
};

}  // namespace kesto::app
