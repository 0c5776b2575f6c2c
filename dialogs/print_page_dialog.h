// The dialog "印刷ﾍﾟｰｼﾞ設定": blocks per sheet, margins, what is printed, lines per sheet, the
// page number and the output unit. OK checks every integer field in order and stays open on
// the first bad one.
#pragma once

#include <QDialog>

#include <vector>

#include "report/print_layout.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace kesto::dialogs {

class PrintPageDialog : public QDialog {
  public:
    PrintPageDialog(const PrintSettings& settings, QWidget* parent = nullptr);

    // The settings as edited; valid after the dialog was accepted.
    const PrintSettings& settings() const { return settings_; }

    void accept() override;

  private:
    struct IntegerField {
        QLineEdit* edit;
        int PrintSettings::*member;
        int minimum;
        int maximum;
    };
    QLineEdit* addInteger(int PrintSettings::*member, int minimum, int maximum);

    PrintSettings settings_;
    std::vector<IntegerField> integers_;
    QCheckBox* policy_;
    QCheckBox* messages_;
    QCheckBox* pageNumber_;
    QLineEdit* format_;
    QButtonGroup* topBottom_;
    QButtonGroup* align_;
    QButtonGroup* unit_;
};

}  // namespace kesto::dialogs
