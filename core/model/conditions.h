// The design conditions of a document: routes, options, stress cases, combination lists, the
// section-table file names and the pages; at run time also the loaded tables and the
// calculation-detail lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/owned_list.h"
#include "base/text_lines.h"
#include "model/anchor_bolt.h"
#include "model/concrete_grade.h"
#include "model/page.h"
#include "model/steel_grade.h"
#include "model/steel_section.h"
#include "model/stress.h"

namespace kesto {

// The codes of the design routes: 0 ﾙｰﾄ1-1, 1 ﾙｰﾄ1-2/2, 2 ﾙｰﾄ3.
inline constexpr unsigned kLastRoute = 2;

struct CKestoCnt {
    std::uint8_t routeX = 1;  // 0 ﾙｰﾄ1-1, 1 ﾙｰﾄ1-2/2, 2 ﾙｰﾄ3
    std::uint8_t routeY = 1;
    std::uint8_t boltElongation = 1;
    std::uint8_t basePlateStressMode = 1;
    std::uint8_t distinguishLongShort = 1;
    std::uint8_t writeDetailFile = 0;
    std::uint8_t sectionFromTable = 0;
    std::uint8_t roundSectionProps = 1;
    std::uint8_t ribInBoltCantilever = 0;
    double gammaX = 2.0;
    double gammaY = 2.0;
    double alphaX = 1.3;
    double alphaY = 1.3;
    double yieldStrengthFactor = 1.1;
    double scallopSize = 35.0;
    double tubeLossAn = 1.0;
    double tubeLossZp = 1.0;
    std::string hSteelTableName = "Ｈ形鋼JIS.tbl";
    std::string tubeTableName = "角鋼管BCR.tbl";
    std::string boltTableName = "切削並目JIS.tbl";
    std::string gammaStressName = "K";
    OwnedList<CStressName> stressNames;
    OwnedList<CStringTable> longTermCombos;
    OwnedList<CStringTable> shortTermCombos;
    OwnedList<CStringTable> ultimateCombos;
    OwnedList<CKesto> pages;
    std::uint8_t route3NgCheck = 1;
    std::uint8_t useAnchorBlock = 1;
    std::uint8_t concreteShearCheck = 1;
    double boltClearance = 5.0;
    std::uint8_t boltAeMode = 0;
    std::uint8_t boltFsMode = 0;
    std::uint8_t basePlateFb1Mode = 0;

    // Run-time members, never stored.
    std::string hSteelTableTitle;
    std::string tubeTableTitle;
    std::string boltTableTitle;
    OwnedList<CConcreteRaw> concreteTable;
    OwnedList<CSteelRaw> steelGradeTable;
    OwnedList<CSteel> hSteelTable;
    OwnedList<CSteel> tubeTable;
    OwnedList<CABolt> boltTable;
    // Set when a table was edited and not yet written back to its file.
    bool concreteModified = false;
    bool steelGradeModified = false;
    bool boltModified = false;
    bool hSteelModified = false;
    bool tubeModified = false;
    TextLines detailLines;

    // Multipliers (factorM, factorQ, factorN) of the first case whose symbol is `symbol`,
    // or (1, 1, 1) when none is.
    struct Factors {
        double m = 1.0;
        double q = 1.0;
        double n = 1.0;
    };
    Factors factorsOf(const std::string& symbol) const;

    // Moves the run-time members (tables, their titles and flags, detail lines) from `other`;
    // used when a freshly read record replaces the current one.
    void adoptRunTimeMembers(CKestoCnt& other);
};

// The conditions body: every conditions field and the four lists, without the pages. Version
// gates follow the file's version; absent fields get the defaults of the older formats.
template <class Ar, class R>
void conditionsBody(Ar& ar, R& c) {
    ar.byteCode(c.routeX, "routeX", kLastRoute);
    ar.byteCode(c.routeY, "routeY", kLastRoute);
    ar.byte(c.boltElongation, "boltElongation");
    ar.byte(c.basePlateStressMode, "basePlateStressMode");
    ar.byte(c.distinguishLongShort, "distinguishLongShort");
    ar.byte(c.writeDetailFile, "writeDetailFile");
    ar.byte(c.sectionFromTable, "sectionFromTable");
    ar.byte(c.roundSectionProps, "roundSectionProps");
    if (ar.has("1.02")) {
        ar.byte(c.ribInBoltCantilever, "ribInBoltCantilever");
    } else {
        ar.absent(c.ribInBoltCantilever, 0);
    }
    ar.real(c.gammaX, "gammaX");
    ar.real(c.gammaY, "gammaY");
    ar.real(c.alphaX, "alphaX");
    ar.real(c.alphaY, "alphaY");
    ar.real(c.yieldStrengthFactor, "yieldStrengthFactor");
    ar.real(c.scallopSize, "scallopSize");
    ar.real(c.tubeLossAn, "tubeLossAn");
    ar.real(c.tubeLossZp, "tubeLossZp");
    ar.text(c.hSteelTableName, "hSteelTableName");
    ar.text(c.tubeTableName, "tubeTableName");
    if (ar.has("1.04")) {
        ar.text(c.boltTableName, "boltTableName");
    } else {
        ar.absent(c.boltTableName, std::string("ABoltShape.tbl"));
    }
    ar.text(c.gammaStressName, "gammaStressName");
    if (ar.has("1.03")) {
        ar.byte(c.route3NgCheck, "route3NgCheck");
        ar.byte(c.useAnchorBlock, "useAnchorBlock");
        ar.byte(c.concreteShearCheck, "concreteShearCheck");
        ar.real(c.boltClearance, "boltClearance");
    } else {
        ar.absent(c.route3NgCheck, 0);
        ar.absent(c.useAnchorBlock, 1);
        ar.absent(c.concreteShearCheck, 1);
        ar.absent(c.boltClearance, 5.0);
    }
    if (ar.has("1.04")) {
        ar.byte(c.boltAeMode, "boltAeMode");
        ar.byte(c.boltFsMode, "boltFsMode");
        ar.byte(c.basePlateFb1Mode, "basePlateFb1Mode");
    } else {
        // Older files were calculated with these formulas.
        ar.absent(c.boltAeMode, 1);
        ar.absent(c.boltFsMode, 1);
        ar.absent(c.basePlateFb1Mode, 1);
    }
    namedList(ar, c.stressNames, "CStressName", "stressNames");
    namedList(ar, c.longTermCombos, "CStringTable", "longTermCombos");
    namedList(ar, c.shortTermCombos, "CStringTable", "shortTermCombos");
    namedList(ar, c.ultimateCombos, "CStringTable", "ultimateCombos");
}

}  // namespace kesto
