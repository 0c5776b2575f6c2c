#include "model/page.h"

namespace kesto {

const std::array<AllowableResultField, 19> kAllowableResults = {{
    {"sigmaC", &CKesto::sigmaC},
    {"allowFc", &CKesto::allowFc},
    {"boltTensionSum", &CKesto::boltTensionSum},
    {"boltTensionAllow", &CKesto::boltTensionAllow},
    {"plateMb", &CKesto::plateMb},
    {"plateMa", &CKesto::plateMa},
    {"ribTau", &CKesto::ribTau},
    {"ribFs", &CKesto::ribFs},
    {"ribWeldLw", &CKesto::ribWeldLw},
    {"ribWeldH", &CKesto::ribWeldH},
    {"shearQD", &CKesto::shearQD},
    {"shearQa", &CKesto::shearQa},
    {"ratioConcrete", &CKesto::ratioConcrete},
    {"ratioBoltTension", &CKesto::ratioBoltTension},
    {"ratioPlate", &CKesto::ratioPlate},
    {"ratioRibShear", &CKesto::ratioRibShear},
    {"ratioRibWeld", &CKesto::ratioRibWeld},
    {"ratioShear", &CKesto::ratioShear},
    {"ratioMax", &CKesto::ratioMax},
}};

const char* judgementText(std::uint8_t judgement) {
    return judgement == kNotCalculated ? "-" : judgement == kJudgedOk ? "OK" : "NG";
}

void CKesto::resetResults() {
    for (const auto& f : kAllowableResults) {
        this->*f.member = DirPair{};
    }
    allowJudgement = JudgementPair{};
    ultimateResults = {};
    ultimateJudgement = {};
    errorMessages.clear();
    ngMessages.clear();
}

CStress* CKesto::findBasicStress(int dir, const std::string& symbol) {
    for (CStress& s : basicStresses[dir]) {
        if (s.name == symbol) {
            return &s;
        }
    }
    return nullptr;
}

const CStress* CKesto::findBasicStress(int dir, const std::string& symbol) const {
    return const_cast<CKesto*>(this)->findBasicStress(dir, symbol);
}

void CKesto::clearComboResults() {
    for (auto& dir : comboResults) {
        for (auto& list : dir) {
            list.clear();
        }
    }
}

void CKesto::clearUltimateComboResults() {
    for (auto& list : ultimateComboResults) {
        list.clear();
    }
}

}  // namespace kesto
