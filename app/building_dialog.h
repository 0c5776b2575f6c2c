// The dialog "建物名称の設定": building name, date and a comment of several lines.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace kesto::app {

struct BuildingTexts {
    std::string name;
    std::string date;
    std::string comment;  // lines end in CR LF, as the document file keeps them
    bool operator==(const BuildingTexts&) const = default;
};

class BuildingDialog : public QDialog {
    Q_OBJECT

  public:
    BuildingDialog(const BuildingTexts& texts, QWidget* parent);
    BuildingTexts texts() const;

  private:
    QLineEdit* name_;
    QLineEdit* date_;
    QPlainTextEdit* comment_;
};

}  // namespace kesto::app
