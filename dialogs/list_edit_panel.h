// A list of rows with the buttons "登録", "修正", "削除", "↑", "↓": the shared part of the stress
// dialog's four lists and the table editors. The owner holds the rows (an EditableList of the
// core), acts on `actionRequested` and shows the result with `showRows`.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "base/editable_list.h"

class QListWidget;
class QPushButton;

namespace kesto::dialogs {

class ListEditPanel : public QWidget {
    Q_OBJECT
  public:
    // `fields`: the edits of one row, shown beside the list above the buttons.
    ListEditPanel(QWidget* fields, QWidget* parent);

    // Fills the list, selects `current` (none when -1) and scrolls to it, without signals.
    void showRows(const std::vector<std::string>& texts, int current);
    QListWidget* list() const { return list_; }
    QPushButton* button(ListAction action) const;

  signals:
    void actionRequested(kesto::ListAction action);
    // The user chose a row in the list.
    void rowChosen(int row);

  private:
    QListWidget* list_;
    std::vector<QPushButton*> buttons_;
};

}  // namespace kesto::dialogs
