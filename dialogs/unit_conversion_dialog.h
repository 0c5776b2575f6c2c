// The dialog "SI単位への変換" of the unit conversion: the factor by which every stress entered in
// gravity units is multiplied, and whether the concrete names are shortened to their SI form.
#pragma once

#include <QDialog>
#include <optional>

class QCheckBox;
class QLineEdit;

namespace kesto::dialogs {

struct UnitConversion {
    double factor = 9.80665;
    bool shortenConcreteNames = true;
};

class UnitConversionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit UnitConversionDialog(QWidget* parent = nullptr);
    // The choice after OK.
    const UnitConversion& conversion() const { return conversion_; }
    void accept() override;

  private:
    UnitConversion conversion_;
    QLineEdit* factor_ = nullptr;
    QCheckBox* shorten_ = nullptr;
};

// Shows the dialog; the choice after OK, none after Cancel.
std::optional<UnitConversion> askUnitConversion(QWidget* parent);

}  // namespace kesto::dialogs
