#include "model/design_options.h"

namespace kesto {
namespace {

// Both records name the fields alike, so one list copies either way.
template <class From, class To>
void copyOptions(const From& f, To& t) {
    t.routeX = f.routeX;
    t.routeY = f.routeY;
    t.boltAeMode = f.boltAeMode;
    t.boltFsMode = f.boltFsMode;
    t.basePlateStressMode = f.basePlateStressMode;
    t.basePlateFb1Mode = f.basePlateFb1Mode;
    t.ribInBoltCantilever = f.ribInBoltCantilever;
    t.boltElongation = f.boltElongation;
    t.gammaX = f.gammaX;
    t.gammaY = f.gammaY;
    t.alphaX = f.alphaX;
    t.alphaY = f.alphaY;
    t.route3NgCheck = f.route3NgCheck;
    t.useAnchorBlock = f.useAnchorBlock;
    t.concreteShearCheck = f.concreteShearCheck;
    t.boltClearance = f.boltClearance;
    t.sectionFromTable = f.sectionFromTable;
    t.roundSectionProps = f.roundSectionProps;
    t.scallopSize = f.scallopSize;
    t.tubeLossZp = f.tubeLossZp;
    t.tubeLossAn = f.tubeLossAn;
    t.yieldStrengthFactor = f.yieldStrengthFactor;
    t.distinguishLongShort = f.distinguishLongShort;
    t.writeDetailFile = f.writeDetailFile;
}

}  // namespace

DesignOptions designOptionsOf(const CKestoCnt& cnt) {
    DesignOptions options;
    copyOptions(cnt, options);
    return options;
}

void applyDesignOptions(CKestoCnt& cnt, const DesignOptions& options) {
    copyOptions(options, cnt);
}

RouteThreeEnabling routeThreeEnabling(const DesignOptions& o) {
    RouteThreeEnabling e;
    e.ngCheck = o.routeX == 2 || o.routeY == 2;
    e.clearance = e.ngCheck && o.route3NgCheck != 0;
    e.anchorBlock = e.clearance && o.boltElongation == 1;
    e.concreteShear = e.anchorBlock;
    return e;
}

bool sectionLossControlsEnabled(const DesignOptions& options) {
    return options.sectionFromTable == 0;
}

}  // namespace kesto
