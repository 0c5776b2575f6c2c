// A list that a dialog edits row by row: register, modify, delete, move up and down, with one
// current row and a key (a symbol, an expression or a name) that no two rows may share. The
// stress cases, the combination lists and the material and section tables differ only in the
// rules below.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "base/message_text.h"
#include "base/owned_list.h"

namespace kesto {

enum class ListEdit {
    done,
    ignored,   // nothing to act on: no current row, an empty key where that is silent, no move
    emptyKey,  // refused: the key is empty
    duplicate  // refused: another row has the key
};

enum class ListAction { registerRow, modifyRow, deleteRow, moveUp, moveDown };

// The question asked before a row is deleted (OK / Cancel).
inline constexpr const char* kDeleteQuestion = KESTO_MESSAGE("削除します。");

template <class Row>
class EditableList {
  public:
    struct Rules {
        std::function<std::string(const Row&)> key;
        // Register: directly after the current row (at the end when there is none), or always
        // at the end.
        bool insertAfterCurrent = false;
        // Delete: the row after the deleted one becomes current (the first when the last was
        // deleted), or the row before it (the first when the first was deleted).
        bool deleteSelectsNext = false;
        // Modify: the key is tested even when unchanged, so an unchanged row is refused.
        bool modifyTestsUnchangedKey = false;
        // An empty key is refused with a message, or silently ignored.
        bool emptyKeyIsError = false;
    };

    EditableList(OwnedList<Row> rows, Rules rules)
        : rows_(std::move(rows)), rules_(std::move(rules)), current_(rows_.empty() ? -1 : 0) {}

    const OwnedList<Row>& rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }
    // The current row, or -1 when there is none.
    int current() const { return current_; }
    const Row* currentRow() const { return current_ < 0 ? nullptr : &rows_[index()]; }
    std::string keyOf(const Row& row) const { return rules_.key(row); }

    // Makes row i current (none when i is out of range).
    void select(int i) { current_ = i >= 0 && static_cast<std::size_t>(i) < size() ? i : -1; }

    // Replaces every row (a table file read in its place); the first becomes current.
    void replaceRows(OwnedList<Row> rows) {
        rows_ = std::move(rows);
        current_ = rows_.empty() ? -1 : 0;
    }

    ListEdit registerRow(Row row) {
        if (const auto refused = testKey(row, nullptr); refused != ListEdit::done) {
            return refused;
        }
        const std::size_t at = rules_.insertAfterCurrent && current_ >= 0 ? index() + 1 : size();
        rows_.insert(at, std::make_unique<Row>(std::move(row)));
        current_ = static_cast<int>(at);
        return ListEdit::done;
    }

    // Replaces the current row by `row`; the key test skips the row itself unless the rules
    // say otherwise.
    ListEdit modifyRow(Row row) {
        if (current_ < 0) {
            return ListEdit::ignored;
        }
        const Row* self = rules_.modifyTestsUnchangedKey ? nullptr : currentRow();
        if (const auto refused = testKey(row, self); refused != ListEdit::done) {
            return refused;
        }
        rows_[index()] = std::move(row);
        return ListEdit::done;
    }

    // Deletes the current row (the caller has asked for confirmation).
    ListEdit deleteRow() {
        if (current_ < 0) {
            return ListEdit::ignored;
        }
        const int deleted = current_;
        rows_.erase(index());
        if (rows_.empty()) {
            current_ = -1;
        } else if (rules_.deleteSelectsNext) {
            current_ = deleted < static_cast<int>(size()) ? deleted : 0;
        } else {
            current_ = deleted > 0 ? deleted - 1 : 0;
        }
        return ListEdit::done;
    }

    // The current row changes place with the row above / below; it stays current.
    ListEdit moveUp() { return current_ > 0 ? swapWith(current_ - 1) : ListEdit::ignored; }
    ListEdit moveDown() {
        return current_ >= 0 && current_ + 1 < static_cast<int>(size()) ? swapWith(current_ + 1)
                                                                        : ListEdit::ignored;
    }

    // One of the five buttons; `candidate` is the row built from the fields (register, modify).
    ListEdit apply(ListAction action, Row candidate = Row{}) {
        switch (action) {
            case ListAction::registerRow:
                return registerRow(std::move(candidate));
            case ListAction::modifyRow:
                return modifyRow(std::move(candidate));
            case ListAction::deleteRow:
                return deleteRow();
            case ListAction::moveUp:
                return moveUp();
            case ListAction::moveDown:
                return moveDown();
        }
        return ListEdit::ignored;
    }

  private:
    std::size_t index() const { return static_cast<std::size_t>(current_); }

    // `self` is the row being modified when its own key does not count.
    ListEdit testKey(const Row& row, const Row* self) const {
        const std::string key = rules_.key(row);
        if (key.empty()) {
            return rules_.emptyKeyIsError ? ListEdit::emptyKey : ListEdit::ignored;
        }
        if (self != nullptr && rules_.key(*self) == key) {
            return ListEdit::done;
        }
        for (const Row& r : rows_) {
            if (rules_.key(r) == key) {
                return ListEdit::duplicate;
            }
        }
        return ListEdit::done;
    }

    ListEdit swapWith(int other) {
        std::swap(rows_[index()], rows_[static_cast<std::size_t>(other)]);
        current_ = other;
        return ListEdit::done;
    }

    OwnedList<Row> rows_;
    Rules rules_;
    int current_;
};

}  // namespace kesto
