// What every check of one page calculation shares: the conditions, the page, the input unit,
// the table rows the page's names resolved to, the unit labels and the detail lines.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "base/checked_format.h"
#include "base/numbers.h"
#include "model/conditions.h"

namespace kesto {

// The ratio recorded for a quantity that cannot be computed; it makes the judgement NG.
inline constexpr double kImpossibleRatio = 9.999;
// A ratio whose quantities overflowed cannot be computed either.
inline double finiteRatio(double ratio) {
    return std::isfinite(ratio) ? ratio : kImpossibleRatio;
}
// A stored quantity that overflowed is kept as 0, as one that cannot be computed.
inline double finiteValue(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// Calculation terms; kUltimateTerm has no allowable-stress slot.
inline constexpr int kLongTerm = 0;
inline constexpr int kShortTerm = 1;
inline constexpr int kUltimateTerm = 2;

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
    std::string forceLabel = {};
    std::string smallForceLabel = {};

    bool detailOn() const { return cnt.writeDetailFile == 1; }
    // Appends a line to the detail lines when the detail file is enabled.
    void detail(std::string_view line) const {
        if (detailOn()) {
            cnt.detailLines.push_back(line);
        }
    }
    // The same for a line formatted as printf formats it; nothing is formatted when the
    // detail file is off.
    template <typename... Args>
    void detailf(CheckedFormat<std::type_identity_t<Args>...> format, const Args&... args) const {
        if (detailOn()) {
            cnt.detailLines.addf<Args...>(format, args...);
        }
    }

    // The plate axis the stresses of `dir` act on: a rotated base swaps X and Y.
    int effectiveDir(int dir) const { return page.rotated ? 1 - dir : dir; }
    // The geometry index of the plate, rib and shear checks: an H-shape is always treated with
    // its strong-axis geometry.
    int geometryIndex(int dir) const {
        const int eff = effectiveDir(dir);
        return page.columnKind == 1 && eff == 1 ? 0 : eff;
    }
    // Where allowable-stress results of `term` are stored: long and short terms share slot 1
    // unless they are distinguished.
    int slotOf(int term) const { return cnt.distinguishLongShort == 1 ? term : 1; }
    // Effective area of one bolt (cm2) by boltAeMode: thread area, 0.75 x shank area, or the
    // shank area. Needs the bolt shape.
    double boltAe() const {
        if (cnt.boltAeMode == 0) {
            return bolt->threadArea;
        }
        return cnt.boltAeMode == 1 ? 0.75 * bolt->shankArea : bolt->shankArea;
    }
};

}  // namespace kesto
