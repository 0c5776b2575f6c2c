// The editor of one material or section table: the list of row names, the fields of the current
// row and the buttons "登録", "修正", "削除", "↑", "↓", OK and "ｷｬﾝｾﾙ"; the section tables add
// "名称作成", "性能再計算" with the JIS Z 8401 rounding box, and the section and bolt tables
// "ファイル". One dialog serves the five tables; each table's fields come from its core editor,
// their arrangement from a small table here. After OK the caller takes the editor's rows (and
// table file).
#pragma once

#include <vector>

#include "dialogs/dialog_support.h"
#include "tables/table_editor.h"

class QCheckBox;
class QGridLayout;
class QPushButton;

namespace kesto::dialogs {

class ListEditPanel;

class TableEditorDialog : public AskingDialog {
    Q_OBJECT
  public:
    TableEditorDialog(TableEditor& editor, QWidget* parent = nullptr);

    // For the tests.
    ListEditPanel* panel() const { return panel_; }
    QWidget* field(int i) const { return fields_[static_cast<std::size_t>(i)]; }
    QPushButton* nameButton() const { return nameButton_; }
    QPushButton* recomputeButton() const { return recomputeButton_; }
    QCheckBox* roundingBox() const { return rounding_; }
    QPushButton* fileButton() const { return fileButton_; }

    void accept() override;

  private:
    QWidget* buildFields();
    QWidget* makeField(const FieldSpec& entry, QWidget* parent);
    void placeConcreteGrid(QGridLayout* grid, int firstRow, QWidget* parent);
    FieldInputs values() const;
    void show(const FieldInputs& values);
    void showCurrent();
    void updateEnabling();
    void act(ListAction action);
    // Reports the outcome's message (focusing a field that is not a number); true when done.
    bool report(const EditOutcome& outcome);
    void chooseFile();
    void refreshList();

    TableEditor& editor_;
    ListEditPanel* panel_ = nullptr;
    std::vector<QWidget*> fields_;
    QPushButton* nameButton_ = nullptr;
    QPushButton* recomputeButton_ = nullptr;
    QCheckBox* rounding_ = nullptr;
    QPushButton* fileButton_ = nullptr;
};

}  // namespace kesto::dialogs
