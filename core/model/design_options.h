// The options of the design-conditions sheet "基本条件": the fields its three pages edit, and
// the rules that enable its controls.
#pragma once

#include <cstdint>

#include "model/conditions.h"

namespace kesto {

struct DesignOptions {
    // "設計条件"
    std::uint8_t routeX = 1;
    std::uint8_t routeY = 1;
    std::uint8_t boltAeMode = 0;
    std::uint8_t boltFsMode = 0;
    std::uint8_t basePlateStressMode = 1;
    std::uint8_t basePlateFb1Mode = 0;
    std::uint8_t ribInBoltCantilever = 0;
    std::uint8_t boltElongation = 1;
    double gammaX = 2.0;
    double gammaY = 2.0;
    double alphaX = 1.3;
    double alphaY = 1.3;
    std::uint8_t route3NgCheck = 1;
    std::uint8_t useAnchorBlock = 1;
    std::uint8_t concreteShearCheck = 1;
    double boltClearance = 5.0;
    // "柱断面性能"
    std::uint8_t sectionFromTable = 0;
    std::uint8_t roundSectionProps = 1;
    double scallopSize = 35.0;
    double tubeLossZp = 1.0;
    double tubeLossAn = 1.0;
    double yieldStrengthFactor = 1.1;
    // "その他"
    std::uint8_t distinguishLongShort = 1;
    std::uint8_t writeDetailFile = 0;

    bool operator==(const DesignOptions&) const = default;
};

DesignOptions designOptionsOf(const CKestoCnt& cnt);
// The sheet's OK: every field is stored, whether its control was enabled or not.
void applyDesignOptions(CKestoCnt& cnt, const DesignOptions& options);

// The route-3 controls of "設計条件": the check box "保有耐力接合(ﾙｰﾄ3)がNGの場合の検討をする"
// needs route 3 in a direction; the clearance needs that check ticked; the anchorage-hardware
// and concrete-shear check boxes need in addition bolts with elongation capacity.
struct RouteThreeEnabling {
    bool ngCheck = false;
    bool clearance = false;
    bool anchorBlock = false;
    bool concreteShear = false;

    bool operator==(const RouteThreeEnabling&) const = default;
};
RouteThreeEnabling routeThreeEnabling(const DesignOptions& options);

// "柱断面性能": the rounding, scallop and loss-ratio controls serve only "欠損考慮".
bool sectionLossControlsEnabled(const DesignOptions& options);

}  // namespace kesto
