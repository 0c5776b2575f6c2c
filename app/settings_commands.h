// The commands of the 設定 menu that open the conditions sheet, the stress dialog and the table
// editors. The dialogs only collect; each OK becomes one undoable step that exchanges the
// document's value with the edited one.
#pragma once

#include <QUndoCommand>
#include <functional>
#include <utility>

#include "document/document.h"
#include "tables/table_editor.h"

class QUndoStack;
class QWidget;

namespace kesto::app {

// A value put into the document by `exchange`, which returns the value it replaced: redo and
// undo both exchange, each handing back what the other needs.
template <class Value>
class ExchangeCommand : public QUndoCommand {
  public:
    ExchangeCommand(std::function<Value(Value)> exchange, Value value, const QString& text)
        : QUndoCommand(text), exchange_(std::move(exchange)), value_(std::move(value)) {}
    void redo() override { value_ = exchange_(std::move(value_)); }
    void undo() override { value_ = exchange_(std::move(value_)); }

  private:
    std::function<Value(Value)> exchange_;
    Value value_;
};

// "基本条件(&B)": the sheet "基本条件"; OK is one step. True when OK was chosen.
bool editConditions(QWidget* parent, KestoDocument& document, QUndoStack& stack);
// "応力条件(&O)": the dialog "応力条件の設定"; OK is one step. True when OK was chosen.
bool editStressConditions(QWidget* parent, KestoDocument& document, QUndoStack& stack);
// The five table editors. OK replaces the table and marks it for writing back (taking over the
// file name and comment of a section or bolt table) as one step that leaves the document itself
// unmodified: the tables live in their files. True when OK was chosen.
bool editTable(QWidget* parent, KestoDocument& document, QUndoStack& stack, TableKind kind);

}  // namespace kesto::app
