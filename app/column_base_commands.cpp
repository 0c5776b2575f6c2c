#include "app/column_base_commands.h"

#include <QUndoStack>

#include "dialogs/column_base_dialog.h"
#include "dialogs/unit_conversion_dialog.h"

namespace kesto::app {

ReplacePageCommand::ReplacePageCommand(KestoDocument& document, int index, CKesto after,
                                       const QString& text)
    : QUndoCommand(text),
      document_(document),
      index_(index),
      before_(document.conditions().pages[static_cast<std::size_t>(index)]),
      after_(std::move(after)) {}

void ReplacePageCommand::redo() {
    document_.replacePage(index_, after_);
}

void ReplacePageCommand::undo() {
    document_.replacePage(index_, before_);
}

ConvertStressesCommand::ConvertStressesCommand(KestoDocument& document, double factor,
                                               bool shortenConcreteNames)
    : QUndoCommand(QStringLiteral("単位変換")),
      document_(document),
      factor_(factor),
      shorten_(shortenConcreteNames) {}

void ConvertStressesCommand::redo() {
    before_.clear();
    for (const CKesto& page : document_.conditions().pages) {
        before_.push_back(page);
    }
    document_.convertStresses(factor_, shorten_);
}

void ConvertStressesCommand::undo() {
    for (std::size_t i = 0; i < before_.size(); ++i) {
        document_.replacePage(static_cast<int>(i), before_[i]);
    }
}

bool editCurrentColumnBase(QWidget* parent, KestoDocument& document, QUndoStack& stack) {
    const int index = document.currentPageIndex();
    auto page = dialogs::editColumnBase(parent, document, index);
    if (!page) {
        return false;
    }
    stack.push(new ReplacePageCommand(document, index, std::move(*page),
                                      QStringLiteral("柱脚形状の設定")));
    return true;
}

bool convertUnits(QWidget* parent, KestoDocument& document, QUndoStack& stack) {
    const auto conversion = dialogs::askUnitConversion(parent);
    if (!conversion) {
        return false;
    }
    stack.push(
        new ConvertStressesCommand(document, conversion->factor, conversion->shortenConcreteNames));
    return true;
}

}  // namespace kesto::app
