#include "calc/ultimate_common.h"

#include "base/text_format.h"

namespace kesto::ult {

bool storeIfLarger(CKesto& page, int dir, int ratioSlot, double ratio,
                   std::initializer_list<Companion> companions) {
    if (!(page.ultimateResults[ratioSlot][dir] < ratio)) {
        return false;
    }
    page.ultimateResults[ratioSlot][dir] = ratio;
    for (const Companion& c : companions) {
        page.ultimateResults[c.slot][dir] = finiteValue(c.value);
    }
    return true;
}

const char* senseLabel(int sense) {
    return sense == 0 ? "L->R" : "R->L";
}

void senseHeading(const PageContext& ctx, int sense) {
    if (ctx.detailOn()) {
        ctx.detail("");
        ctx.detailf("%s加力", senseLabel(sense));
        ctx.detail("");
    }
}

BendingAxis bendingAxis(const CKesto& page, int dirEff) {
    if (dirEff == 0) {
        return {page.plateB / 10, page.plateD / 10, page.boltGaugeX / 10, page.boltCountX};
    }
    return {page.plateD / 10, page.plateB / 10, page.boltGaugeY / 10, page.boltCountY};
}

}  // namespace kesto::ult
