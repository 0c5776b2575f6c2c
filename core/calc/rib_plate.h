// Rib plates: the force of the most loaded rib from the concrete pressure of its tributary
// area, the shear stress of the rib and the length of its fillet welds to the column.
#pragma once

#include <string>

#include "calc/concrete_anchor.h"

namespace kesto {

// One combination. Needs the rib grade and the column section.
int ribPlateCheck(PageContext& ctx, const PlateStresses& s, int dir, int term,
                  const std::string& comboName);

// Pressure resultant (t or kN) on a rectangle l long from the plate edge and w wide, the
// pressure falling from sigmaC at the edge to 0 at xn; sigma2 receives the pressure at l.
double ribLoadRect(double l, double w, double xn, double sigmaC, double& sigma2);
// The same on a triangle with its base w on the plate edge and its apex at l.
double ribLoadTriangle(double l, double w, double xn, double sigmaC, double& sigma2);

// Fillet weld size (mm) for a plate thickness t (mm).
double weldSize(double t);

}  // namespace kesto
