// A page of the ultimate-strength tests in gravity or SI units, resolved against fixed table
// rows: concrete Fc210, column and plate steel with F 2.4 t/cm2 (24 kN/cm2), bolt steel with
// F 2.35 t/cm2 (23.5 kN/cm2), M30 bolts (shank 7.07 cm2, thread 5.6 cm2) and a square tube
// 350 x 350 x 16 whose table properties are An 100 cm2, Aw 50 cm2, Zp 1000 cm3. The page
// defaults give a 650 x 650 x 36 plate, three bolts per row at a 75 mm gauge, a 750 x 750
// pedestal and a 650 x 140 anchor block with 600 mm bolts; the detail file is on.
#pragma once

#include <string>
#include <vector>

#include "calc/page_context.h"

namespace kesto::testing {

struct UltimatePage {
    CKestoCnt cnt;
    CKesto page;
    CConcreteRaw concrete;
    CSteelRaw columnGrade;
    CSteelRaw plateGrade;
    CSteelRaw boltGrade;
    CSteel section;
    CABolt bolt;
    PageContext ctx{cnt,     page,    0,       nullptr, nullptr, nullptr,
                    nullptr, nullptr, nullptr, nullptr, "t",     "kg"};

    explicit UltimatePage(int unitSystem = 0) {
        const bool si = unitSystem == 1;
        concrete.name = "Fc210";
        concrete.fc = si ? 21 : 210;
        columnGrade.name = "SN400";
        columnGrade.fThin = si ? 240 : 2.4;
        columnGrade.fThick = si ? 220 : 2.2;
        plateGrade = columnGrade;
        boltGrade.name = "ABR";
        boltGrade.fThin = si ? 235 : 2.35;
        boltGrade.fThick = boltGrade.fThin;
        bolt = {"M30", 30, 33, 7.07, 5.6};
        section.name = "□-350x350x16.0";
        section.shapeType = 1;
        section.depth = 350;
        section.width = 350;
        section.webThickness = 16;
        section.area = 100;
        section.shearAreaX = 50;
        section.shearAreaY = 50;
        section.plasticModulusX = 1000;
        section.plasticModulusY = 1000;
        cnt.sectionFromTable = 1;
        cnt.writeDetailFile = 1;
        ctx.unitSystem = unitSystem;
        ctx.concrete = &concrete;
        ctx.columnGrade = &columnGrade;
        ctx.basePlateGrade = &plateGrade;
        ctx.ribGrade = &plateGrade;
        ctx.boltGrade = &boltGrade;
        ctx.section = &section;
        ctx.bolt = &bolt;
        ctx.forceLabel = si ? "kN" : "t";
        ctx.smallForceLabel = si ? "N" : "kg";
    }

    double slot(int k, int dir = 0) const { return page.ultimateResults[k][dir]; }
    const TextLines& detail() const { return cnt.detailLines; }
};

}  // namespace kesto::testing
