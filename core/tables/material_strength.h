// Design strengths and allowable stresses of steel and concrete grades, returned in the
// calculation's internal units: steel in t/cm2 (gravity) or kN/cm2 (SI); concrete in kg/cm2
// (gravity) or N/cm2 (SI). `unitSystem` is 0 for gravity and 1 for SI units; `t` is a
// thickness in mm; `shortTerm` selects the short-term value.
#pragma once

#include "model/concrete_grade.h"
#include "model/steel_grade.h"

namespace kesto {

double designStrength(const CSteelRaw& s, double t, int unitSystem);
double allowableTension(const CSteelRaw& s, double t, bool shortTerm, int unitSystem);
double allowableShear(const CSteelRaw& s, double t, bool shortTerm, int unitSystem);
// mode: basePlateFb1Mode (0 "F/1.5", 1 "F/1.3(短期はF)").
double basePlateBendingStress(const CSteelRaw& s, double t, bool shortTerm, int mode,
                              int unitSystem);
// mode: boltFsMode (0 "F/(1.5√3)", 1 "F/2").
double boltShearStress(const CSteelRaw& s, double t, bool shortTerm, int mode, int unitSystem);
double tensileStrength(const CSteelRaw& s, int unitSystem);

double designFc(const CConcreteRaw& c, int unitSystem);
double allowableCompression(const CConcreteRaw& c, bool shortTerm, int unitSystem);
double allowableShearConcrete(const CConcreteRaw& c, bool shortTerm, int unitSystem);
// otherBars: 0 top bars (上端), 1 other bars (その他); roundBar: 0 deformed, 1 round bars.
double allowableBond(const CConcreteRaw& c, bool shortTerm, int otherBars, int roundBar,
                     int unitSystem);

}  // namespace kesto
