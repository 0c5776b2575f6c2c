// The property sheet "基本条件" with its pages "設計条件", "柱断面性能" and "その他". It edits a
// copy of the design options; after OK the caller takes `options()`.
#pragma once

#include <cstdint>
#include <vector>

#include "dialogs/dialog_support.h"
#include "model/design_options.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QTabWidget;

namespace kesto::gui {

class ConditionsSheet : public AskingDialog {
    Q_OBJECT
  public:
    ConditionsSheet(const DesignOptions& options, QWidget* parent = nullptr);

    const DesignOptions& options() const { return options_; }

    // Every control by the field it edits, for the tests.
    QButtonGroup* radios(std::uint8_t DesignOptions::*field) const;
    QCheckBox* check(std::uint8_t DesignOptions::*field) const;
    QLineEdit* edit(double DesignOptions::*field) const;
    QTabWidget* pages() const { return tabs_; }

    void accept() override;

  private:
    struct RadioField {
        std::uint8_t DesignOptions::*field;
        QButtonGroup* group;
    };
    struct CheckField {
        std::uint8_t DesignOptions::*field;
        QCheckBox* box;
    };
    struct NumberField {
        double DesignOptions::*field;
        QLineEdit* edit;
    };

    QWidget* designPage();
    QWidget* sectionPage();
    QWidget* otherPage();
    // A row of a grid: caption, then one radio button per choice.
    QButtonGroup* addRadioRow(QGridLayout* grid, int row, const QString& caption,
                              const QStringList& choices, std::uint8_t DesignOptions::*field);
    QLineEdit* addNumber(double DesignOptions::*field, int width = 70);
    QCheckBox* addCheck(const QString& caption, std::uint8_t DesignOptions::*field);

    void show(const DesignOptions& o);
    // The radio buttons and check boxes into `o` (the enabling rules need no numbers).
    void readChoices(DesignOptions& o) const;
    void updateEnabling();

    DesignOptions options_;
    QTabWidget* tabs_ = nullptr;
    std::vector<RadioField> radios_;
    std::vector<CheckField> checks_;
    std::vector<NumberField> numbers_;
};

}  // namespace kesto::gui
