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

int CKesto::basicStressIndex(int dir, const std::string& symbol) const {
    const auto& list = basicStresses[static_cast<std::size_t>(dir)];
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].name == symbol) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const CStress* CKesto::findBasicStress(int dir, const std::string& symbol) const {
    const int i = basicStressIndex(dir, symbol);
    return i < 0 ? nullptr
                 : &basicStresses[static_cast<std::size_t>(dir)][static_cast<std::size_t>(i)];
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
