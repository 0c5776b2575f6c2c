// The dialog "応力条件の設定": the basic stress cases and the three combination lists on private
// copies, and the γ stress name. After OK the caller takes `setup()`.
#pragma once

#include <array>

#include "dialogs/dialog_support.h"
#include "model/stress_cases_editor.h"

class QLineEdit;

namespace kesto::dialogs {

class ListEditPanel;

class StressConditionsDialog : public AskingDialog {
    Q_OBJECT
  public:
    StressConditionsDialog(const StressSetup& setup, QWidget* parent = nullptr);

    const StressSetup& setup() const { return result_; }

    // For the tests: list 0 holds the basic cases, 1 to 3 the long-term, short-term and
    // ultimate combinations.
    ListEditPanel* panel(int list) const { return panels_[list]; }
    QLineEdit* symbolEdit() const { return symbol_; }
    QLineEdit* nameEdit() const { return name_; }
    // nN, nM, nQ.
    QLineEdit* factorEdit(int i) const { return factors_[i]; }
    QLineEdit* expressionEdit(int term) const { return expressions_[term]; }
    QLineEdit* gammaEdit() const { return gamma_; }

    void accept() override;

  private:
    QWidget* basicGroup();
    QWidget* combinationGroup(int term, const QString& caption);
    void showBasicRow();
    void showCombinationRow(int term);
    void actOnBasic(ListAction action);
    void actOnCombination(int term, ListAction action);
    void refresh(int list);

    StressCasesEditor editor_;
    StressSetup result_;
    std::array<ListEditPanel*, 4> panels_{};
    QLineEdit* symbol_ = nullptr;
    QLineEdit* name_ = nullptr;
    std::array<QLineEdit*, 3> factors_{};
    std::array<QLineEdit*, 3> expressions_{};
    QLineEdit* gamma_ = nullptr;
};

}  // namespace kesto::dialogs
