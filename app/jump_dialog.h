// The dialog "ジャンプと移動": the marks of all pages in page order; "↑" and "↓" move the selected
// page one place, OK shows the selected page. The caller applies the recorded exchanges to the
// document, also when the dialog ends with Cancel after a move.
#pragma once

#include <QDialog>
#include <utility>
#include <vector>

class QListWidget;

namespace kesto::app {

class JumpDialog : public QDialog {
    Q_OBJECT

  public:
    JumpDialog(const QStringList& marks, int currentIndex, QWidget* parent);

    // The exchanges made, in order: each pair (i, j) swapped pages i and j, page j then current.
    const std::vector<std::pair<int, int>>& swaps() const { return swaps_; }
    // The selected row; -1 when nothing is selected.
    int selectedIndex() const;

    void moveSelection(int step);

  private:
    QListWidget* list_;
    std::vector<std::pair<int, int>> swaps_;
};

}  // namespace kesto::app
