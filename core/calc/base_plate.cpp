#include "calc/base_plate.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/message_text.h"
#include "base/text_format.h"
#include "calc/check_message.h"
#include "tables/material_strength.h"

namespace kesto {
namespace {

// Side ratios 1.0, 1.1, ... 4.0 of tables A and C and 1.0 ... 2.0 of table B.
constexpr std::array<double, 31> kRatios = {1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9, 2.0,
                                            2.1, 2.2, 2.3, 2.4, 2.5, 2.6, 2.7, 2.8, 2.9, 3.0, 3.1,
                                            3.2, 3.3, 3.4, 3.5, 3.6, 3.7, 3.8, 3.9, 4.0};
// Two edges fixed.
constexpr std::array<double, 31> kTableA = {0.290, 0.314, 0.336, 0.356, 0.374, 0.390, 0.402, 0.414,
                                            0.424, 0.432, 0.440, 0.446, 0.451, 0.456, 0.460, 0.462,
                                            0.468, 0.470, 0.472, 0.474, 0.476, 0.478, 0.479, 0.480,
                                            0.481, 0.483, 0.484, 0.486, 0.488, 0.489, 0.490};
// Three edges fixed, lx > ly, by lx/ly.
constexpr std::array<double, 11> kTableB = {0.085, 0.085, 0.085, 0.085, 0.084, 0.084,
                                            0.083, 0.083, 0.082, 0.082, 0.082};
// Three edges fixed, lx <= ly, by ly/lx.
constexpr std::array<double, 31> kTableC = {0.085, 0.100, 0.120, 0.143, 0.165, 0.187, 0.208, 0.226,
                                            0.244, 0.261, 0.278, 0.291, 0.308, 0.319, 0.335, 0.348,
                                            0.359, 0.364, 0.373, 0.384, 0.392, 0.400, 0.408, 0.415,
                                            0.421, 0.427, 0.430, 0.434, 0.438, 0.440, 0.442};

void storePlateRatio(CKesto& page, double ratio, double mb, double ma, int dir, int slot) {
    if (page.ratioPlate[dir][slot] < ratio) {
        page.ratioPlate[dir][slot] = ratio;
        page.plateMb[dir][slot] = finiteValue(mb);
        page.plateMa[dir][slot] = finiteValue(ma);
    }
}

// Thickness that makes the stress of moment mb on width w equal to fb1; 0 without demand.
double requiredThickness(double mb, double fb1, double w) {
    const double den = fb1 * w;
    return isPositive(den) ? std::sqrt(std::max(0.0, 6.0 * mb / den)) : 0.0;
}

}  // namespace

double tableLookup(const double* xs, const double* ys, double x, int count) {
    int k = 0;
    while (k < count && !(x <= xs[k])) {
        ++k;
    }
    if (k == count) {
        // Beyond the last row the coefficient stays at its last value.
        return ys[count - 1];
    }
    if (k == 0) {
        return ys[0];
    }
    const double span = xs[k] - xs[k - 1];
    if (isZero(span)) {
        return 0.0;
    }
    return ys[k - 1] + (ys[k] - ys[k - 1]) * (x - xs[k - 1]) / span;
}

double designPressure(int stressMode, double l, double xn, double sigmaC) {
    if (!isZero(xn) && stressMode == 1) {
        if (xn - l > 0.0) {
            return (sigmaC + sigmaC * (xn - l) / xn) / 2.0;
        }
        return sigmaC / 2.0;
    }
    return sigmaC;
}

double twoEdgeMoment(double lx, double ly, double sigma, double& beta) {
    const double a = std::min(lx, ly);
    beta = 0.0;
    if (isZero(a)) {
        return 0.0;
    }
    const double lambda = std::max(lx, ly) / a;
    beta = tableLookup(kRatios.data(), kTableA.data(), lambda, kTableA.size());
    return beta * sigma * a * a / 1000.0;
}

double threeEdgeMoment(double lx, double ly, double sigma, double& beta) {
    beta = 0.0;
    if (lx > ly) {
        if (isZero(ly)) {
            return 0.0;
        }
        beta = tableLookup(kRatios.data(), kTableB.data(), lx / ly, kTableB.size());
        return beta * sigma * ly * ly / 1000.0;
    }
    if (isZero(lx)) {
        return 0.0;
    }
    beta = tableLookup(kRatios.data(), kTableC.data(), ly / lx, kTableC.size());
    return beta * sigma * lx * lx / 1000.0;
}

double fourEdgeMoment(double lx, double ly, double sigmaC) {
    const double a = std::min(lx, ly);
    const double b = std::max(lx, ly);
    const double den = a * a * a * a + b * b * b * b;
    if (isZero(den)) {
        return 0.0;
    }
    return sigmaC * a * a * b * b * b * b / den / 12000.0;
}

double cantileverMoment(double l, double xn, double sigmaC) {
    double mb = 0.0;
    if (isZero(xn)) {
        mb = sigmaC * l * l / 2.0;
    } else if (xn > 0.0 && xn < l) {
        // The pressure triangle ends before the column face: its resultant times its lever.
        mb = sigmaC * xn / 2.0 * (l - xn / 3.0);
    } else {
        mb = sigmaC * l * l / 2.0 * (1.0 - l / (3.0 * xn));
    }
    return mb / 1000.0;
}

double recordPlateRatio(CKesto& page, double mb, double ma, int dir, int slot) {
    const double ratio = isPositive(ma) ? finiteRatio(mb / ma) : kImpossibleRatio;
    storePlateRatio(page, ratio, mb, ma, dir, slot);
    return ratio;
}

int basePlateCheck(PageContext& ctx, const PlateStresses& s, int dir, int term,
                   const std::string& comboName) {
    ctx.detail("・ベースプレートの検討");
    CKesto& page = ctx.page;
    const CSteel& section = *ctx.section;
    const int slot = ctx.slotOf(term);
    const int i = ctx.geometryIndex(dir);
    const double bp = (i == 0 ? page.plateB : page.plateD) / 10.0;
    const double dp = (i == 0 ? page.plateD : page.plateB) / 10.0;
    const double hc = (i == 0 ? section.depth : section.width) / 10.0;
    const double t = page.plateT / 10.0;
    const double fb1 = basePlateBendingStress(*ctx.basePlateGrade, page.plateT, term == kShortTerm,
                                              ctx.cnt.basePlateFb1Mode, ctx.unitSystem);
    const double dt = (i == 0 ? page.boltGaugeX : page.boltGaugeY) / 10.0;
    const int nt = i == 0 ? page.boltCountX : page.boltCountY;
    const double d = ctx.bolt->shankDiameter / 10.0;
    const int nr = i == 0 ? page.ribCountX : page.ribCountY;
    const double gr = (i == 0 ? page.ribGaugeX : page.ribGaugeY) / 10.0;
    const double grOther = (i == 0 ? page.ribGaugeY : page.ribGaugeX) / 10.0;
    const double sigmaC = s.sigmaC;
    const double xn = s.xn;
    const double projection = (dp - hc) / 2.0;
    const char* force = ctx.forceLabel.c_str();
    const char* small = ctx.smallForceLabel.c_str();

    // Tension side: the strip under each bolt of the tension row cantilevers from the column
    // face, or from the rib when the option says so.
    double l = projection;
    if (ctx.cnt.ribInBoltCantilever == 1 && gr - page.ribT / 20.0 > l) {
        l = gr - page.ribT / 20.0;
    }
    const double g = l - dt;
    const double w = 2.0 * g + d;
    double zb = w * t * t / 6.0;
    double ma = zb * fb1;
    double p = 0.0;
    double mb = 0.0;
    double r = 0.0;
    if (nt > 0 || isZero(s.tensionSum)) {
        p = nt > 0 ? s.tensionSum / nt : 0.0;
        mb = p * g;
        r = recordPlateRatio(page, mb, ma, dir, slot);
    } else {
        // Tension without bolts to carry it.
        r = kImpossibleRatio;
        storePlateRatio(page, r, 0.0, ma, dir, slot);
    }
    double governing = r;
    if (ctx.detailOn()) {
        ctx.detail("引張側");
        ctx.detailf(
            "ﾀｲﾌﾟ,Mb(%scm),Ma(%scm),Mb/Ma,Zb(cm3),fb1(%s/cm2),必要厚(cm),g(cm),R+2g(cm),ΣT/nt(%s)",
            force, force, force, force);
        ctx.detailf("片持ち,%f,%f,%f,%f,%f,%f,%f,%f,%f", mb, ma, r, zb, fb1,
                    requiredThickness(mb, fb1, w), g, w, p);
        ctx.detail("圧縮側");
        ctx.detailf(
            "ﾀｲﾌﾟ,Mb(%scm),Ma(%scm),Mb/Ma,Zb(cm3),fb1(%s/cm2),必要厚(cm),lx(cm),ly(cm),σc(%s/"
            "cm2),σc'(%s/cm2),Xn(cm),係数",
            force, force, force, small, small);
    }

    // Compression side, per unit width.
    zb = t * t / 6.0;
    ma = zb * fb1;
    const auto panel = [&](double panelMb) {
        const double ratio = recordPlateRatio(page, panelMb, ma, dir, slot);
        if (governing < ratio) {
            governing = ratio;
        }
        return ratio;
    };
    const auto coefficientRow = [&](const char* type, double panelMb, double ratio, double lx,
                                    double ly, double sigma, double beta) {
        if (ctx.detailOn()) {
            ctx.detailf("%s,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f", type, panelMb, ma, ratio, zb, fb1,
                        requiredThickness(panelMb, fb1, 1.0), lx, ly, sigmaC, sigma, xn, beta);
        }
    };
    if (nr <= 0) {
        const double cmb = cantileverMoment(projection, xn, sigmaC);
        const double ratio = panel(cmb);
        if (ctx.detailOn()) {
            ctx.detailf("片持ち,%f,%f,%f,%f,%f,%f,%f,,%f,,%f", cmb, ma, ratio, zb, fb1,
                        requiredThickness(cmb, fb1, 1.0), projection, sigmaC, xn);
        }
    } else {
        const double lx = nr == 1 ? projection : gr;
        const double ly = nr == 1 ? bp / 2.0 : grOther;
        const double sigma = designPressure(ctx.cnt.basePlateStressMode, lx, xn, sigmaC);
        double beta = 0.0;
        const double pmb = twoEdgeMoment(lx, ly, sigma, beta);
        coefficientRow("２辺固定", pmb, panel(pmb), lx, ly, sigma, beta);
        if (nr >= 2) {
            const double ly3 = (bp - 2.0 * grOther) / (nr - 1);
            const double sigma3 =
                designPressure(ctx.cnt.basePlateStressMode, projection, xn, sigmaC);
            const double mb3 = threeEdgeMoment(projection, ly3, sigma3, beta);
            coefficientRow("３辺固定", mb3, panel(mb3), projection, ly3, sigma3, beta);
        }
    }

    // With the whole plate in compression the panel inside the column is loaded too.
    if (isZero(xn)) {
        if (page.columnKind == 0) {
            const double lx = (section.depth - 2.0 * section.webThickness) / 10.0;
            const double ly = (section.width - 2.0 * section.webThickness) / 10.0;
            const double mb4 = fourEdgeMoment(lx, ly, sigmaC);
            const double ratio = panel(mb4);
            if (ctx.detailOn()) {
                ctx.detailf("４辺固定,%f,%f,%f,%f,%f,%f,%f,%f,%f,,%f", mb4, ma, ratio, zb, fb1,
                            requiredThickness(mb4, fb1, 1.0), lx, ly, sigmaC, xn);
            }
        } else {
            const double lx = bp / 2.0 - section.webThickness / 20.0;
            const double ly = (section.depth - 2.0 * section.flangeThickness) / 10.0;
            const double sigma = designPressure(ctx.cnt.basePlateStressMode, lx, xn, sigmaC);
            double beta = 0.0;
            const double mbh = threeEdgeMoment(lx, ly, sigma, beta);
            coefficientRow("３辺固定(H)", mbh, panel(mbh), lx, ly, sigma, beta);
        }
    }

    if (governing > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("ベースプレートの曲げ耐力がＮＧです"), dir, term,
                     comboName);
    }
    return 0;
}

}  // namespace kesto
