#include "base/units.h"

namespace kesto {

double convert(double value, double scale, bool printing, int unitSystem, int outputUnitSystem) {
    if (!printing || outputUnitSystem == unitSystem) {
        return value;
    }
    if (unitSystem == kGravityUnits) {
        return scale * (value * kGravityAcceleration);
    }
    return value / kGravityAcceleration / scale;
}

}  // namespace kesto
