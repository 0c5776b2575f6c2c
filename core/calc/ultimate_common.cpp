#include "calc/ultimate_common.h"

#include "model/text_format.h"

namespace kesto::ult {

bool storeIfLarger(CKesto& page, int dir, int ratioSlot, double ratio,
                   std::initializer_list<Companion> companions) {
    if (!(page.ultimateResults[ratioSlot][dir] < ratio)) {
        return false;
    }
    page.ultimateResults[ratioSlot][dir] = ratio;
    for (const Companion& c : companions) {
        page.ultimateResults[c.slot][dir] = c.value;
    }
    return true;
}

void ngMessage(PageContext& ctx, int dir, const std::string& name, const char* text) {
    std::string message =
        strprintf("%s%s%s %s", dir == 0 ? "Ｘ方向" : "Ｙ方向", "保有耐力",
                  name.empty() ? "" : strprintf("(%s)", name.c_str()).c_str(), text);
    ctx.detail(message);
    ctx.page.ngMessages.push_back(std::move(message));
}

const char* senseLabel(int sense) {
    return sense == 0 ? "L->R" : "R->L";
}

void senseHeading(const PageContext& ctx, int sense) {
    ctx.detail("");
    ctx.detail(strprintf("%s加力", senseLabel(sense)));
    ctx.detail("");
}

BendingAxis bendingAxis(const CKesto& page, int dirEff) {
    if (dirEff == 0) {
        return {page.plateB / 10, page.plateD / 10, page.boltGaugeX / 10, page.boltCountX};
    }
    return {page.plateD / 10, page.plateB / 10, page.boltGaugeY / 10, page.boltCountY};
}

double effectiveBoltArea(const CKestoCnt& cnt, const CABolt& bolt) {
    switch (cnt.boltAeMode) {
        case 0:
            return bolt.threadArea;
        case 1:
            return 0.75 * bolt.shankArea;
        default:
            return bolt.shankArea;
    }
}

}  // namespace kesto::ult
