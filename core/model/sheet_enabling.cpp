#include "model/sheet_enabling.h"

namespace kesto {

RouteThreeEnabling routeThreeEnabling(const CKestoCnt& c) {
    RouteThreeEnabling e;
    e.ngCheck = c.routeX == 2 || c.routeY == 2;
    e.clearance = e.ngCheck && c.route3NgCheck != 0;
    e.anchorBlock = e.clearance && c.boltElongation == 1;
    e.concreteShear = e.anchorBlock;
    return e;
}

bool sectionLossControlsEnabled(const CKestoCnt& c) {
    return c.sectionFromTable == 0;
}

}  // namespace kesto
