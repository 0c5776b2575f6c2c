// Section properties of H-shapes and square tubes, the section name rule, rounding to
// significant digits, and the column properties with section loss used by the ultimate checks.
#pragma once

#include <string>

#include "model/conditions.h"

namespace kesto {

// Rounds to n significant digits; exact halves go to the even digit.
double roundSignificant(double x, int n);

// Derives area ... plasticModulusY from the dimensions by shapeType; optionally rounded.
void computeSectionProperties(CSteel& row, bool round);

// "H-%.0fx%.0fx%.1fx%.0f" or "□-%.0fx%.0fx%.1f"; "???" for another shape code.
std::string makeSectionName(const CSteel& row);

// Plastic modulus Zp (cm3), shear area Aw (cm2) and area An (cm2) of a column about one axis
// (0: the axis of modulusX, 1: of modulusY), chosen by sectionFromTable and, with section loss,
// computed from the column grade and the conditions.
struct ColumnAxisProperties {
    double zp = 0;
    double aw = 0;
    double an = 0;
};
// The shape follows the page's column kind where the caller knows it (`squareTube`); the
// short form takes the row's own shape code.
ColumnAxisProperties columnAxisProperties(const CSteel& row, const CSteelRaw& grade,
                                          const CKestoCnt& cnt, int axis, int unitSystem,
                                          bool squareTube);
ColumnAxisProperties columnAxisProperties(const CSteel& row, const CSteelRaw& grade,
                                          const CKestoCnt& cnt, int axis, int unitSystem);

}  // namespace kesto
