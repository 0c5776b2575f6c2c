// Strength formulas of the ultimate-strength connection: the column's full plastic moment
// reduced for axial force, and the ultimate bending and shear strength of the exposed base.
// Units: cm, cm2, cm3; forces t or kN; moments t·m or kN·m; steel stresses t/cm2 or kN/cm2;
// concrete stresses kg/cm2 or N/cm2.
#pragma once

#include "calc/page_context.h"
#include "tables/section_properties.h"

namespace kesto {

// Zp, Aw and An of the column about the axis checked in `dirEff`: a square tube uses the axis of
// that direction, an H-shape always its strong axis. Zero without a column section.
ColumnAxisProperties columnProperties(const PageContext& ctx, int dirEff);

// σy: design strength of the column grade for the flange (H-shape) or wall (tube) thickness,
// times the yield strength factor.
double columnYieldStress(const PageContext& ctx);

// Mpc (t·m or kN·m) for the axial force n (compression positive).
double reducedPlasticMoment(double sigmaY, double zp, double aw, double an, double n);

// Nu, Tu and Su of the base: concrete under the plate (b x d, Fc), and `nt` tension bolts of
// shank area `ab` and strength `f`.
struct BaseStrengths {
    double nu = 0;
    double tu = 0;
    double su = 0;
};
BaseStrengths baseStrengths(double b, double d, double fc, int nt, double ab, double f);

// Mu (t·m or kN·m) for the axial force n; 0 outside -2·Tu < n <= Nu.
double ultimateBendingStrength(double d, double dt, double n, double nu, double tu);

// Qu: the larger of the friction part and the bolt part; 0 outside -2·Tu < n <= Nu.
double ultimateShearStrength(double n, double nu, double tu, double su);

// Mpc of the column in `dirEff` with the values it was computed from.
struct ColumnMoment {
    double sigmaY = 0;
    ColumnAxisProperties props;
    double mpc = 0;
};
ColumnMoment columnMoment(const PageContext& ctx, int dirEff, double n);

// Detail rows "Mpc(..),σy(..),Zp(cm3),Aw(cm2),An(cm2),N(..)" and their values.
void columnMomentDetail(const PageContext& ctx, const ColumnMoment& m, double n);

}  // namespace kesto
