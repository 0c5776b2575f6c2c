// What every check of one page calculation shares: the conditions, the page, the input unit,
// the table rows the page's names resolved to, the unit labels and the detail lines.
#pragma once

#include <string>

#include "model/conditions.h"

namespace kesto {

struct PageContext {
    CKestoCnt& cnt;
    CKesto& page;
    int unitSystem = 1;  // 0 gravity, 1 SI

    // Resolved references; each may be absent.
    const CConcreteRaw* concrete = nullptr;
    const CSteelRaw* columnGrade = nullptr;
    const CSteelRaw* basePlateGrade = nullptr;
    const CSteelRaw* ribGrade = nullptr;
    const CSteelRaw* boltGrade = nullptr;
    const CSteel* section = nullptr;
    const CABolt* bolt = nullptr;

    // "t" / "kN" and "kg" / "N".
    std::string forceLabel;
    std::string smallForceLabel;

    bool detailOn() const { return cnt.writeDetailFile == 1; }
    // Appends a line to the detail lines when the detail file is enabled.
    void detail(std::string line) const {
        if (detailOn()) {
            cnt.detailLines.push_back(std::move(line));
        }
    }
};

}  // namespace kesto
