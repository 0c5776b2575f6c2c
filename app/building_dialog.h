// The dialog "建物名称の設定": building name, date and a comment of several lines.
#pragma once

#include <QDialog>

#include "document/document.h"

class QLineEdit;
class QPlainTextEdit;

namespace kesto::app {

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
