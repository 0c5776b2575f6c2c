// What the dialogs of the conditions, the stress cases and the tables share: text conversion,
// number edits, and the questions they ask through message boxes (tests answer instead).
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

#include "base/editable_list.h"
#include "base/questions.h"

class QDialogButtonBox;
class QLineEdit;

namespace kesto::dialogs {

inline QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
inline std::string utf8(const QString& text) {
    return text.toStdString();
}

// Message boxes titled "Kesto" over a parent window.
class MessageBoxQuestions : public Questions {
  public:
    explicit MessageBoxQuestions(QWidget* parent) : parent_(parent) {}
    void tell(const std::string& message) override;
    bool askYesNo(const std::string& question) override;
    bool askOkCancel(const std::string& question) override;

  private:
    QWidget* parent_;
};

// A dialog that asks its user through replaceable questions.
class AskingDialog : public QDialog {
  public:
    explicit AskingDialog(QWidget* parent) : QDialog(parent), own_(this) {}
    void setQuestions(Questions& questions) { questions_ = &questions; }

  protected:
    Questions& questions() { return *questions_; }
    // The number in `edit`; otherwise "数字を入力してください。", the edit gets the focus and
    // nothing is returned.
    std::optional<double> numberIn(QLineEdit* edit);
    // Delete asks "削除します。" first, and only when there is a current row.
    bool confirmed(ListAction action, int current);
    // The buttons "OK" and "ｷｬﾝｾﾙ", bound to accept and reject.
    QDialogButtonBox* okCancelButtons(Qt::Orientation orientation = Qt::Horizontal);

  private:
    MessageBoxQuestions own_;
    Questions* questions_ = &own_;
};

// A short edit for a number, right-aligned.
QLineEdit* numberEdit(QWidget* parent, int width = 80);

// The edit, then its unit (none when empty), left-aligned in one cell.
QWidget* withUnit(QWidget* parent, QLineEdit* edit, const QString& unit);

}  // namespace kesto::dialogs
