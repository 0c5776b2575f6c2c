#include "model/new_document.h"

#include "model/combinations.h"

namespace kesto {
namespace {

// The inputs a new page takes over from the current one: everything but the mark, the basic
// stresses, the route-3 forces and the page-level concrete shear switch.
void copyInputs(const CKesto& from, CKesto& to) {
    to.concreteGrade = from.concreteGrade;
    to.columnSteelGrade = from.columnSteelGrade;
    to.basePlateSteelGrade = from.basePlateSteelGrade;
    to.ribSteelGrade = from.ribSteelGrade;
    to.boltSteelGrade = from.boltSteelGrade;
    to.boltName = from.boltName;
    to.columnSection = from.columnSection;
    to.columnKind = from.columnKind;
    to.rotated = from.rotated;
    to.wingPlate = from.wingPlate;
    to.boltCountX = from.boltCountX;
    to.boltCountY = from.boltCountY;
    to.ribCountX = from.ribCountX;
    to.ribCountY = from.ribCountY;
    to.plateB = from.plateB;
    to.plateD = from.plateD;
    to.plateT = from.plateT;
    to.ribH = from.ribH;
    to.ribT = from.ribT;
    to.boltGaugeX = from.boltGaugeX;
    to.boltGaugeY = from.boltGaugeY;
    to.ribGaugeX = from.ribGaugeX;
    to.ribGaugeY = from.ribGaugeY;
    to.useAnchorBlock = from.useAnchorBlock;
    to.pedestalB = from.pedestalB;
    to.pedestalD = from.pedestalD;
    to.anchorBlockB = from.anchorBlockB;
    to.anchorBlockD = from.anchorBlockD;
    to.boltLength = from.boltLength;
    to.inputAa = from.inputAa;
    to.inputAc = from.inputAc;
}

}  // namespace

void installBuiltInDefaults(CKestoCnt& cnt) {
    CKestoCnt fresh;
    fresh.adoptRunTimeMembers(cnt);
    cnt = std::move(fresh);
    cnt.stressNames.append(CStressName{"G:常時", 1.0, 1.0, 1.0});
    cnt.stressNames.append(CStressName{"K:地震", 1.0, 1.0, 1.0});
    cnt.longTermCombos.append(CStringTable{"G"});
    for (auto* list : {&cnt.shortTermCombos, &cnt.ultimateCombos}) {
        list->append(CStringTable{"G+K"});
        list->append(CStringTable{"G-K"});
    }
}

CKesto makeNewPage(const CKestoCnt& cnt, int unitSystem) {
    CKesto page;
    if (unitSystem == 1) {
        page.concreteGrade = "Fc21";
    }
    newBasicLists(cnt, page);
    return page;
}

CKesto makeInsertedPage(const CKestoCnt& cnt, int unitSystem, const CKesto* current) {
    CKesto page = makeNewPage(cnt, unitSystem);
    if (current != nullptr) {
        copyInputs(*current, page);
    }
    return page;
}

std::string formatBuildingDate(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M", &local);
    return text;
}

}  // namespace kesto
