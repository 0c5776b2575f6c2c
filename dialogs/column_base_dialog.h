// The dialog "柱脚形状の設定": the geometry of one column base (column kind and section, base
// plate, rib plates, anchor bolts, rotation, wing plates) and the data of the study of an NG
// route-3 connection. It edits a copy of the page; the page it returns carries the values only
// after an OK whose checks all passed. It never touches the document itself.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "model/conditions.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kesto {
class KestoDocument;
}

namespace kesto::dialogs {

class LivePlan;
class ShapePicture;

class ColumnBaseDialog : public QDialog {
    Q_OBJECT
  public:
    // `conditions` gives the tables and the route settings; `unitSystem` the unit of the
    // stiffness check. Both must outlive the dialog.
    ColumnBaseDialog(const CKestoCnt& conditions, int unitSystem, const CKesto& page,
                     QWidget* parent = nullptr);

    // The page: as given until OK succeeded, then with the edited values.
    const CKesto& page() const { return page_; }

    void accept() override;
    // The button "回転剛性確認".
    void checkStiffness();

  private:
    struct NumberField {
        QLineEdit* edit;
        double CKesto::*field;
        bool emptyIsZero;
    };
    struct CountField {
        QLineEdit* edit;
        int CKesto::*field;
    };

    // Edits named after their page field, so that tests and tools find them.
    QLineEdit* numberEdit(const char* name, double CKesto::*field, bool emptyIsZero = false);
    QLineEdit* countEdit(const char* name, int CKesto::*field);
    void buildLayout();
    // The column-kind setup: the section list of the kind, the controls that kind uses, its
    // picture.
    void setColumnKind(int kind);
    void applyRoute3Enabling();
    void showValues();
    // Reads every control over `into`. With `report` the first bad number is reported (false is
    // returned and `into` is unchanged); silently, a bad number keeps the value `into` holds.
    bool readControlsInto(CKesto& into, bool report) const;
    bool readControls() { return readControlsInto(values_, true); }
    // The live plan of what the controls hold now, normalised as OK would store it.
    void updatePlan();
    // The OK steps on the held values; shows the first failure. The normalised values are shown.
    bool checkHeldValues();

    const CKestoCnt& cnt_;
    int unitSystem_;
    CKesto page_;
    CKesto values_;
    std::vector<NumberField> numbers_;
    std::vector<CountField> counts_;

    QRadioButton* tube_ = nullptr;
    QRadioButton* hShape_ = nullptr;
    QComboBox* section_ = nullptr;
    QComboBox* bolt_ = nullptr;
    QRadioButton* rotation0_ = nullptr;
    QRadioButton* rotation90_ = nullptr;
    QRadioButton* wingNone_ = nullptr;
    QRadioButton* wingUsed_ = nullptr;
    QCheckBox* anchorBlock_ = nullptr;
    QCheckBox* concreteShear_ = nullptr;
    QLineEdit* ribCountY_ = nullptr;
    QLineEdit* ribGaugeX_ = nullptr;
    QLineEdit* boltCountY_ = nullptr;
    QLineEdit* pedestalB_ = nullptr;
    QLineEdit* pedestalD_ = nullptr;
    std::vector<QLineEdit*> anchorData_;
    ShapePicture* picture_ = nullptr;
    LivePlan* livePlan_ = nullptr;
};

// Opens the shape dialog on page `pageIndex` of the document. Returns the page with the edited
// values after a successful OK, none after Cancel.
std::optional<CKesto> editColumnBase(QWidget* parent, const KestoDocument& document, int pageIndex);

}  // namespace kesto::dialogs
