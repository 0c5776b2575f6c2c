// The stress cases and the three combination lists as the stress dialog edits them: private
// copies, the duplicate rules, and the write-back on OK.
#pragma once

#include <array>
#include <string>

#include "base/editable_list.h"
#include "base/message_text.h"
#include "model/conditions.h"

namespace kesto {

inline constexpr const char* kDuplicateSymbolMessage =
    KESTO_MESSAGE("同じ符号が登録されています。");

// What the stress dialog edits.
struct StressConditions {
    OwnedList<CStressName> stressNames;
    OwnedList<CStringTable> longTermCombos;
    OwnedList<CStringTable> shortTermCombos;
    OwnedList<CStringTable> ultimateCombos;
    std::string gammaStressName;

    bool operator==(const StressConditions&) const = default;
};

StressConditions stressConditionsOf(const CKestoCnt& cnt);

// The symbol and name edits of a case: the label's text before and after its first ':' (the
// symbol keeps its blanks here, unlike symbolOf).
std::string labelSymbol(const std::string& label);
std::string labelName(const std::string& label);
// A case as registered: the label "%s:%s" and its multipliers.
CStressName stressCase(const std::string& symbol, const std::string& name, double nN, double nM,
                       double nQ);

class StressCasesEditor {
  public:
    explicit StressCasesEditor(const StressConditions& conditions);

    EditableList<CStressName>& basic() { return basic_; }
    const EditableList<CStressName>& basic() const { return basic_; }
    // term 0 long-term, 1 short-term, 2 ultimate.
    EditableList<CStringTable>& combinations(int term) { return combos_[term]; }
    const EditableList<CStringTable>& combinations(int term) const { return combos_[term]; }

    // The buttons of the basic list; a change there is remembered.
    ListEdit applyBasic(ListAction action, CStressName candidate = {});
    bool basicChanged() const { return basicChanged_; }

    // The lists as they now stand, with the γ stress name typed.
    StressConditions result(std::string gammaStressName) const;

  private:
    EditableList<CStressName> basic_;
    std::array<EditableList<CStringTable>, 3> combos_;
    bool basicChanged_ = false;
};

// The OK of the stress dialog: the γ name and the combination lists always; the stress cases
// only when `basicChanged`, and then every page's basic lists follow them.
void applyStressConditions(CKestoCnt& cnt, StressConditions conditions, bool basicChanged);

}  // namespace kesto
