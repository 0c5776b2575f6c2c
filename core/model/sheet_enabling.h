// Which controls of the design-conditions sheet "基本条件" are enabled. Disabled controls keep
// their values; the sheet stores them like the others.
#pragma once

#include "model/conditions.h"

namespace kesto {

// The route-3 controls of "設計条件": the check box "保有耐力接合(ﾙｰﾄ3)がNGの場合の検討をする"
// needs route 3 in a direction; the clearance needs that box ticked; the anchorage-hardware and
// concrete-shear check boxes need in addition anchor bolts with elongation capacity.
struct RouteThreeEnabling {
    bool ngCheck = false;
    bool clearance = false;
    bool anchorBlock = false;
    bool concreteShear = false;

    bool operator==(const RouteThreeEnabling&) const = default;
};
RouteThreeEnabling routeThreeEnabling(const CKestoCnt& c);

// "柱断面性能": the rounding, scallop and loss-ratio controls serve only "欠損考慮".
bool sectionLossControlsEnabled(const CKestoCnt& c);

}  // namespace kesto
