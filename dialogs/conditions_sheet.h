// The property sheet "基本条件" with its pages "設計条件", "柱断面性能" and "その他". It copies
// the fields it edits from the conditions it is given (not the lists, tables or pages); after OK
// `options()` holds them as chosen, every other field at its default, ready for the document's
// setConditions.
#pragma once

#include <cstdint>
#include <vector>

#include "dialogs/dialog_support.h"
#include "model/sheet_enabling.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QTabWidget;

namespace kesto::dialogs {

class ConditionsSheet : public AskingDialog {
    Q_OBJECT
  public:
    ConditionsSheet(const CKestoCnt& conditions, QWidget* parent = nullptr);

    const CKestoCnt& options() const { return options_; }

    // Every control by the field it edits, for the tests.
    QButtonGroup* radios(std::uint8_t CKestoCnt::*field) const;
    QCheckBox* check(std::uint8_t CKestoCnt::*field) const;
    QLineEdit* edit(double CKestoCnt::*field) const;
    QTabWidget* pages() const { return tabs_; }

    void accept() override;

  private:
    struct RadioField {
        std::uint8_t CKestoCnt::*field;
        QButtonGroup* group;
    };
    struct CheckField {
        std::uint8_t CKestoCnt::*field;
        QCheckBox* box;
    };
    struct NumberField {
        double CKestoCnt::*field;
        QLineEdit* edit;
    };

    QWidget* designPage();
    QWidget* sectionPage();
    QWidget* otherPage();
    // A row of a grid: caption, then one radio button per choice.
    QButtonGroup* addRadioRow(QGridLayout* grid, int row, const QString& caption,
                              const QStringList& choices, std::uint8_t CKestoCnt::*field);
    QLineEdit* addNumber(double CKestoCnt::*field, int width = 70);
    QCheckBox* addCheck(const QString& caption, std::uint8_t CKestoCnt::*field);

    void takeFields(const CKestoCnt& from);
    void show(const CKestoCnt& o);
    // The radio buttons and check boxes into `o` (the enabling rules need no numbers).
    void readChoices(CKestoCnt& o) const;
    void updateEnabling();

    CKestoCnt options_;
    QTabWidget* tabs_ = nullptr;
    std::vector<RadioField> radios_;
    std::vector<CheckField> checks_;
    std::vector<NumberField> numbers_;
};

}  // namespace kesto::dialogs
