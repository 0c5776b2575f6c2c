// The dialog "柱脚回転剛性の確認": the rotational stiffness Kbs of the exposed column base for an
// anchor-bolt length lb, which the user may change and compute again, and the required
// anchorage length nlb of hooked anchor bolts. It only shows values.
#pragma once

#include <QDialog>

#include "model/conditions.h"

class QLabel;
class QLineEdit;

namespace kesto::dialogs {

class StiffnessDialog : public QDialog {
    Q_OBJECT
  public:
    // `page` is the temporary page of the shape dialog; the conditions give the tables.
    StiffnessDialog(const CKestoCnt& conditions, int unitSystem, const CKesto& page,
                    QWidget* parent = nullptr);

    // The button "回転剛性計算": lb from its edit, then Kbs again.
    void computeStiffness();

  private:
    const CKestoCnt& cnt_;
    int unitSystem_;
    CKesto page_;
    QLineEdit* lb_ = nullptr;
    QLabel* kbs_ = nullptr;
    QLabel* e_ = nullptr;
    QLabel* nt_ = nullptr;
    QLabel* ab_ = nullptr;
    QLabel* dt_ = nullptr;
    QLabel* dc_ = nullptr;
    QLabel* nlb_ = nullptr;
    QLabel* psi_ = nullptr;
    QLabel* d_ = nullptr;
    QLabel* ft_ = nullptr;
    QLabel* fa_ = nullptr;
};

}  // namespace kesto::dialogs
