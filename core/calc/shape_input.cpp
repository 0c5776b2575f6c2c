#include "calc/shape_input.h"

#include <cmath>

#include "base/message_text.h"
#include "calc/input_check.h"
#include "tables/lookup.h"

namespace kesto {
namespace {

bool countOutOfRange(int n) {
    return n < 0 || n > kMaxStoredCount;
}

bool allFinite(const CKesto& p) {
    for (double v : {p.plateB, p.plateD, p.plateT, p.ribH, p.ribT, p.ribGaugeX, p.ribGaugeY,
                     p.boltGaugeX, p.boltGaugeY, p.pedestalB, p.pedestalD, p.anchorBlockB,
                     p.anchorBlockD, p.boltLength, p.inputAa, p.inputAc}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// The message of the first rule the geometry breaks, or none. After the eight geometric rules,
// counts outside what a document stores (0 to 65535) are refused as well: a negative count
// would be read back as a large positive one and gives meaningless results. A dimension that is
// not a finite number (possible only in a damaged or edited file) is refused last.
std::optional<std::string> validateShape(const CKesto& page, const CSteel& section) {
    const double h = section.depth;
    const double b = section.width;
    const double eD = (page.plateD - h) / 2;
    const double eB = (page.plateB - b) / 2;
    if (page.plateD - h <= 0 || page.plateB - b <= 0) {
        return KESTO_MESSAGE("ベースプレートが柱より小さい");
    }
    if (page.plateD <= 0 || page.plateB <= 0 || page.plateT <= 0) {
        return KESTO_MESSAGE("ベースプレート形状が異常です");
    }
    if (page.boltCountX == 0 || (page.columnKind == 0 && page.boltCountY == 0)) {
        return KESTO_MESSAGE("アンカーボルト本数が０です");
    }
    if (page.boltGaugeX <= 0 || page.boltGaugeX >= eD ||
        (page.boltCountY != 0 && (page.boltGaugeY <= 0 || page.boltGaugeY >= eB))) {
        return KESTO_MESSAGE("アンカーボルトのゲージが異常です");
    }
    if ((page.ribCountX != 0 || page.ribCountY != 0) && (page.ribH <= 0 || page.ribT <= 0)) {
        return KESTO_MESSAGE("リブプレート形状が異常です");
    }
    if (page.ribCountX != 0 && (page.ribGaugeY < eB || page.ribGaugeY > eB + b)) {
        return KESTO_MESSAGE("リブプレートのＹ方向ゲージが異常です");
    }
    if (page.ribCountY != 0 && (page.ribGaugeX < eD || page.ribGaugeX > eD + h)) {
        return KESTO_MESSAGE("リブプレートのＸ方向ゲージが異常です");
    }
    if (countOutOfRange(page.boltCountX) || countOutOfRange(page.boltCountY)) {
        return KESTO_MESSAGE("アンカーボルト本数が異常です");
    }
    if (countOutOfRange(page.ribCountX) || countOutOfRange(page.ribCountY)) {
        return KESTO_MESSAGE("リブプレート枚数が異常です");
    }
    if (!allFinite(page)) {
        return kNonFiniteInputMessage;
    }
    return std::nullopt;
}

}  // namespace

const CSteel* findColumnSection(const CKestoCnt& cnt, const CKesto& page) {
    return (page.columnKind == 1 ? findHSection(cnt, page.columnSection)
                                 : findTubeSection(cnt, page.columnSection))
        .row;
}

void normaliseShape(CKesto& page, const CSteel& section) {
    if (page.ribCountX == 0) {
        page.ribGaugeY = 0;
    }
    if (page.ribCountY == 0) {
        page.ribGaugeX = 0;
    }
    if (page.ribCountX == 1) {
        page.ribGaugeY = page.plateB / 2;
    }
    if (page.ribCountY == 1) {
        page.ribGaugeX = page.plateD / 2;
    }
    if (page.boltCountX == 1) {
        page.boltGaugeY = page.plateB / 2;
    }
    if (page.boltCountY == 1) {
        page.boltGaugeX = page.plateD / 2;
    }
    if (page.columnKind == 1) {
        page.boltCountY = 0;
        page.ribCountY = 0;
        page.ribGaugeX = 0;
        if (page.wingPlate == 1) {
            page.ribGaugeX = (page.plateD - (section.depth - section.flangeThickness)) / 2;
            page.ribCountY = 2;
        }
    }
}

std::optional<std::string> checkShapeInput(const CKestoCnt& cnt, CKesto& values) {
    const CSteel* section = findColumnSection(cnt, values);
    if (section == nullptr) {
        return kSelectColumnSectionMessage;
    }
    normaliseShape(values, *section);
    return validateShape(values, *section);
}

Route3Inputs route3Inputs(const CKestoCnt& cnt, bool anchorBlockTicked) {
    constexpr int kRoute3 = 2;
    if (cnt.route3NgCheck == 0 || (cnt.routeX != kRoute3 && cnt.routeY != kRoute3)) {
        return {};
    }
    if (cnt.boltElongation != 1) {
        return {.pedestal = true};
    }
    const bool anchorBlock = cnt.useAnchorBlock == 1;
    return {.pedestal = true,
            .anchorBlockOption = anchorBlock,
            .concreteShearOption = cnt.concreteShearCheck == 1,
            .anchorBlockData = anchorBlock && anchorBlockTicked};
}

void copyShapeFields(const CKesto& values, CKesto& page) {
    page.columnKind = values.columnKind;
    page.columnSection = values.columnSection;
    page.plateB = values.plateB;
    page.plateD = values.plateD;
    page.plateT = values.plateT;
    page.ribH = values.ribH;
    page.ribT = values.ribT;
    page.ribCountX = values.ribCountX;
    page.ribCountY = values.ribCountY;
    page.ribGaugeX = values.ribGaugeX;
    page.ribGaugeY = values.ribGaugeY;
    page.rotated = values.rotated;
    page.boltName = values.boltName;
    page.boltCountX = values.boltCountX;
    page.boltCountY = values.boltCountY;
    page.boltGaugeX = values.boltGaugeX;
    page.boltGaugeY = values.boltGaugeY;
    page.wingPlate = values.wingPlate;
    page.pedestalB = values.pedestalB;
    page.pedestalD = values.pedestalD;
    page.useAnchorBlock = values.useAnchorBlock;
    page.anchorBlockB = values.anchorBlockB;
    page.anchorBlockD = values.anchorBlockD;
    page.boltLength = values.boltLength;
    page.inputAa = values.inputAa;
    page.inputAc = values.inputAc;
    page.concreteShearCheck = values.concreteShearCheck;
}

}  // namespace kesto
