#include "model/stress_cases_editor.h"

#include "model/combinations.h"

namespace kesto {
namespace {

EditableList<CStringTable> comboList(const OwnedList<CStringTable>& rows) {
    // An unchanged expression counts as a duplicate of itself.
    return EditableList<CStringTable>(
        rows, {[](const CStringTable& c) { return c.expression; }, /*insertAfterCurrent=*/false,
               /*deleteSelectsNext=*/false, /*modifyTestsUnchangedKey=*/true,
               /*emptyKeyIsError=*/false});
}

}  // namespace

StressConditions stressConditionsOf(const CKestoCnt& cnt) {
    return {cnt.stressNames, cnt.longTermCombos, cnt.shortTermCombos, cnt.ultimateCombos,
            cnt.gammaStressName};
}

std::string labelSymbol(const std::string& label) {
    return label.substr(0, label.find(':'));
}

std::string labelName(const std::string& label) {
    const auto colon = label.find(':');
    return colon == std::string::npos ? std::string() : label.substr(colon + 1);
}

CStressName stressCase(const std::string& symbol, const std::string& name, double nN, double nM,
                       double nQ) {
    return {symbol + ":" + name, nM, nQ, nN};
}

StressCasesEditor::StressCasesEditor(const StressConditions& conditions)
    : basic_(conditions.stressNames,
             {[](const CStressName& s) { return labelSymbol(s.label); },
              /*insertAfterCurrent=*/false, /*deleteSelectsNext=*/false,
              /*modifyTestsUnchangedKey=*/false, /*emptyKeyIsError=*/false}),
      combos_{comboList(conditions.longTermCombos), comboList(conditions.shortTermCombos),
              comboList(conditions.ultimateCombos)} {}

ListEdit StressCasesEditor::applyBasic(ListAction action, CStressName candidate) {
    const ListEdit result = basic_.apply(action, std::move(candidate));
    basicChanged_ = basicChanged_ || result == ListEdit::done;
    return result;
}

StressConditions StressCasesEditor::result(std::string gammaStressName) const {
    return {basic_.rows(), combos_[0].rows(), combos_[1].rows(), combos_[2].rows(),
            std::move(gammaStressName)};
}

void applyStressConditions(CKestoCnt& cnt, StressConditions conditions, bool basicChanged) {
    cnt.gammaStressName = std::move(conditions.gammaStressName);
    cnt.longTermCombos = std::move(conditions.longTermCombos);
    cnt.shortTermCombos = std::move(conditions.shortTermCombos);
    cnt.ultimateCombos = std::move(conditions.ultimateCombos);
    if (basicChanged) {
        cnt.stressNames = std::move(conditions.stressNames);
        synchronisePages(cnt);
    }
}

}  // namespace kesto
