// The dialog "鋼材ファイルの選択" of the section and bolt editors: the table's file name and
// comment, "開く" to read another table file, "新規作成" for an empty table, OK and "ｷｬﾝｾﾙ". It
// acts on the core's TableFileChoice, which hands the rows to the editor on OK.
#pragma once

#include <QString>
#include <functional>

#include "dialogs/dialog_support.h"
#include "tables/table_editor.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kesto::dialogs {

class TableFileDialog : public AskingDialog {
    Q_OBJECT
  public:
    TableFileDialog(TableFileChoice& choice, QWidget* parent = nullptr);

    // Picks the file for "開く" (an open-file dialog); an empty path means none was chosen.
    std::function<QString(QWidget*, const QString& initialPath)> pickFile;

    QLineEdit* nameEdit() const { return name_; }
    QPlainTextEdit* commentEdit() const { return comment_; }
    QPushButton* openButton() const { return open_; }
    QPushButton* newButton() const { return new_; }

    void accept() override;

  private:
    void openFile();
    void startNew();
    void takeTypedTexts();
    void showTexts();

    TableFileChoice& choice_;
    QLineEdit* name_;
    QPlainTextEdit* comment_;
    QPushButton* open_;
    QPushButton* new_;
};

// The standard open-file dialog over table files.
QString pickTableFile(QWidget* parent, const QString& initialPath);

}  // namespace kesto::dialogs
