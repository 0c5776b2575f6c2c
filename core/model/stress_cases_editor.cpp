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

StressSetup stressSetupOf(const CKestoCnt& cnt) {
    return {cnt.stressNames,    cnt.longTermCombos,  cnt.shortTermCombos,
            cnt.ultimateCombos, cnt.gammaStressName, {}};
}

StressSetup exchangeStressSetup(CKestoCnt& cnt, StressSetup setup) {
    StressSetup previous = stressSetupOf(cnt);
    for (const CKesto& page : cnt.pages) {
        previous.pageStresses.push_back(page.basicStresses);
    }
    const bool casesChanged = setup.stressNames != cnt.stressNames;
    cnt.stressNames = std::move(setup.stressNames);
    cnt.longTermCombos = std::move(setup.longTermCombos);
    cnt.shortTermCombos = std::move(setup.shortTermCombos);
    cnt.ultimateCombos = std::move(setup.ultimateCombos);
    cnt.gammaStressName = std::move(setup.gammaStressName);
    if (setup.pageStresses.size() == cnt.pages.size() && !cnt.pages.empty()) {
        for (std::size_t i = 0; i < cnt.pages.size(); ++i) {
            cnt.pages[i].basicStresses = std::move(setup.pageStresses[i]);
        }
    } else if (casesChanged) {
        synchronisePages(cnt);
    }
    return previous;
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

StressCasesEditor::StressCasesEditor(const StressSetup& setup)
    : basic_(setup.stressNames, {[](const CStressName& s) { return labelSymbol(s.label); },
                                 /*insertAfterCurrent=*/false, /*deleteSelectsNext=*/false,
                                 /*modifyTestsUnchangedKey=*/false, /*emptyKeyIsError=*/false}),
      combos_{comboList(setup.longTermCombos), comboList(setup.shortTermCombos),
              comboList(setup.ultimateCombos)} {}

StressSetup StressCasesEditor::result(std::string gammaStressName) const {
    return {basic_.rows(),     combos_[0].rows(),          combos_[1].rows(),
            combos_[2].rows(), std::move(gammaStressName), {}};
}

}  // namespace kesto
