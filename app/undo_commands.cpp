#include "app/undo_commands.h"

namespace kesto::app {
namespace {

BuildingTexts buildingTextsOf(const KestoDocument& d) {
    return {d.buildingName(), d.buildingDate(), d.buildingComment()};
}

}  // namespace

EditCellCommand::EditCellCommand(KestoDocument& document, int editOrder, CellInput value)
    : QUndoCommand(QStringLiteral("セルの編集")),
      document_(document),
      index_(document.currentPageIndex()),
      editOrder_(editOrder),
      value_(std::move(value)),
      before_(*document.currentPage()) {}

void EditCellCommand::redo() {
    if (after_) {
        document_.replacePage(index_, *after_);
        document_.goToPage(index_);
        return;
    }
    if (!document_.editCell(editOrder_, value_)) {
        setObsolete(true);
        return;
    }
    after_ = *document_.currentPage();
}

void EditCellCommand::undo() {
    document_.replacePage(index_, before_);
    document_.goToPage(index_);
}

BuildingCommand::BuildingCommand(KestoDocument& document, BuildingTexts after)
    : QUndoCommand(QStringLiteral("建物名称")),
      document_(document),
      before_(buildingTextsOf(document)),
      after_(std::move(after)) {}

void BuildingCommand::redo() {
    document_.setBuildingTexts(after_);
}

void BuildingCommand::undo() {
    document_.setBuildingTexts(before_);
}

UnitCommand::UnitCommand(KestoDocument& document, int unit)
    : QUndoCommand(unit == 1 ? QStringLiteral("ＳＩ単位") : QStringLiteral("重力単位")),
      document_(document),
      before_(document.unitSystem()),
      after_(unit) {}

void UnitCommand::redo() {
    document_.setUnitSystem(after_);
}

void UnitCommand::undo() {
    document_.setUnitSystem(before_);
}

InsertPageCommand::InsertPageCommand(KestoDocument& document)
    : QUndoCommand(QStringLiteral("ﾍﾟｰｼﾞの挿入")),
      document_(document),
      currentBefore_(document.currentPageIndex()) {}

void InsertPageCommand::redo() {
    document_.goToPage(currentBefore_);
    document_.insertPage();
}

void InsertPageCommand::undo() {
    document_.deleteCurrentPage();
    document_.goToPage(currentBefore_);
}

ReorderPagesCommand::ReorderPagesCommand(KestoDocument& document,
                                         std::vector<std::pair<int, int>> swaps, int currentAfter)
    : QUndoCommand(QStringLiteral("ﾍﾟｰｼﾞの移動")),
      document_(document),
      swaps_(std::move(swaps)),
      currentBefore_(document.currentPageIndex()),
      currentAfter_(currentAfter) {}

void ReorderPagesCommand::redo() {
    for (const auto& [i, j] : swaps_) {
        document_.swapPages(i, j);
    }
    document_.goToPage(currentAfter_);
}

void ReorderPagesCommand::undo() {
    for (auto it = swaps_.rbegin(); it != swaps_.rend(); ++it) {
        document_.swapPages(it->second, it->first);
    }
    document_.goToPage(currentBefore_);
}

PagesCommand::PagesCommand(KestoDocument& document, OwnedList<CKesto> before, const QString& text)
    : QUndoCommand(text),
      document_(document),
      before_(std::move(before)),
      after_(document.conditions().pages) {}

void PagesCommand::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    document_.setPages(after_);
}

void PagesCommand::undo() {
    document_.setPages(before_);
}

}  // namespace kesto::app
