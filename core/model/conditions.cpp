#include "model/conditions.h"

namespace kesto {

CKestoCnt::Factors CKestoCnt::factorsOf(std::string_view symbol) const {
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
