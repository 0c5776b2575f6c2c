#include "model/conditions.h"

#include <string_view>

namespace kesto {
namespace {

// Whether symbolOf(label) is `symbol`, without building the symbol: every term of every
// combination of every page looks its case up here.
bool hasSymbol(std::string_view label, std::string_view symbol) {
    std::size_t matched = 0;
    for (const char c : label.substr(0, label.find(':'))) {
        if (c == ' ') {
            continue;
        }
        if (matched == symbol.size() || symbol[matched] != c) {
            return false;
        }
        ++matched;
    }
    return matched == symbol.size();
}

}  // namespace

CKestoCnt::Factors CKestoCnt::factorsOf(const std::string& symbol) const {
    for (const CStressName& s : stressNames) {
        if (hasSymbol(s.label, symbol)) {
            return {s.factorM, s.factorQ, s.factorN};
        }
    }
    return {};
}

void CKestoCnt::adoptRunTimeMembers(CKestoCnt& o) {
    hSteelTableTitle = std::move(o.hSteelTableTitle);
    tubeTableTitle = std::move(o.tubeTableTitle);
    boltTableTitle = std::move(o.boltTableTitle);
    concreteTable = std::move(o.concreteTable);
    steelGradeTable = std::move(o.steelGradeTable);
    hSteelTable = std::move(o.hSteelTable);
    tubeTable = std::move(o.tubeTable);
    boltTable = std::move(o.boltTable);
    concreteModified = o.concreteModified;
    steelGradeModified = o.steelGradeModified;
    boltModified = o.boltModified;
    hSteelModified = o.hSteelModified;
    tubeModified = o.tubeModified;
    detailLines = std::move(o.detailLines);
}

}  // namespace kesto
