// The stress cases and the three combination lists as the stress dialog edits them: private
// copies, the duplicate rules, and the write-back on OK.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/editable_list.h"
#include "base/message_text.h"
#include "model/conditions.h"

namespace kesto {

inline constexpr const char* kDuplicateSymbolMessage =
    KESTO_MESSAGE("同じ符号が登録されています。");

// What the stress conditions dialog edits: the stress cases, the combination lists and the
// case multiplied by γ; with them each page's basic stresses ([page][dir]). Empty page
// stresses mean that the pages follow the stress cases (their lists are synchronised when the
// cases changed).
struct StressSetup {
    OwnedList<CStressName> stressNames;
    OwnedList<CStringTable> longTermCombos;
    OwnedList<CStringTable> shortTermCombos;
    OwnedList<CStringTable> ultimateCombos;
    std::string gammaStressName;
    std::vector<std::array<OwnedList<CStress>, 2>> pageStresses;

    bool operator==(const StressSetup&) const = default;
};

// The setup of the conditions, without page stresses.
StressSetup stressSetupOf(const CKestoCnt& cnt);
// The OK of the stress dialog: the γ name and the combination lists always; the stress cases
// when they changed, and then every page's basic lists follow them, unless the setup carries
// the pages' stresses (an undo), which are put back as they were. Returns the setup as it was,
// with every page's basic stresses.
StressSetup exchangeStressSetup(CKestoCnt& cnt, StressSetup setup);

// The symbol and name edits of a case: the label's text before and after its first ':' (the
// symbol keeps its blanks here, unlike symbolOf).
std::string labelSymbol(const std::string& label);
std::string labelName(const std::string& label);
// A case as registered: the label "%s:%s" and its multipliers.
CStressName stressCase(const std::string& symbol, const std::string& name, double nN, double nM,
                       double nQ);

class StressCasesEditor {
  public:
    explicit StressCasesEditor(const StressSetup& setup);

    EditableList<CStressName>& basic() { return basic_; }
    const EditableList<CStressName>& basic() const { return basic_; }
    // term 0 long-term, 1 short-term, 2 ultimate.
    EditableList<CStringTable>& combinations(int term) { return combos_[term]; }
    const EditableList<CStringTable>& combinations(int term) const { return combos_[term]; }

    // The lists as they now stand, with the γ stress name typed.
    StressSetup result(std::string gammaStressName) const;

  private:
    EditableList<CStressName> basic_;
    std::array<EditableList<CStringTable>, 3> combos_;
};

}  // namespace kesto
