// Bending of the base plate: the tension-side strip under each bolt and the compression-side
// panels bounded by the column, the ribs and the plate edges.
#pragma once

#include <string>

#include "calc/concrete_anchor.h"

namespace kesto {

// One combination; `s` holds the stresses found for it. Needs the bolt shape, the plate grade
// and the column section.
int basePlateCheck(PageContext& ctx, const PlateStresses& s, int dir, int term,
                   const std::string& comboName);

// Mb/Ma, stored with Mb and Ma when larger than the stored ratio. A zero Ma gives
// kImpossibleRatio.
double recordPlateRatio(CKesto& page, double mb, double ma, int dir, int slot);

// Linear interpolation in ascending xs: ys[0] at or below xs[0], the last value above the last
// row, 0 between two equal abscissae.
double tableLookup(const double* xs, const double* ys, double x, int count);

// Concrete pressure of a panel of span l: with the average mode (1) and a neutral axis, the
// mean over the span of the linearly falling pressure; otherwise the edge stress.
double designPressure(int stressMode, double l, double xn, double sigmaC);

// Panel moments per unit width (t·cm/cm or kN·cm/cm) for pressure sigma (kg/cm2 or N/cm2) and
// sides in cm; `beta` receives the coefficient used. A panel with a zero side has no area and
// no moment.
double twoEdgeMoment(double lx, double ly, double sigma, double& beta);
double threeEdgeMoment(double lx, double ly, double sigma, double& beta);
double fourEdgeMoment(double lx, double ly, double sigmaC);
// Cantilever of span l under the pressure that falls from sigmaC at the edge to 0 at xn.
double cantileverMoment(double l, double xn, double sigmaC);

}  // namespace kesto
