#include "calc/rib_plate.h"

#include <algorithm>

#include "base/message_text.h"
#include "base/text_format.h"
#include "calc/check_message.h"
#include "tables/material_strength.h"

namespace kesto {
namespace {

constexpr double kWeldThroat = 0.7;

}  // namespace

double ribLoadRect(double l, double w, double xn, double sigmaC, double& sigma2) {
    sigma2 = 0.0;
    if (isZero(xn)) {
        sigma2 = sigmaC;
        return sigmaC * l * w / 1000.0;
    }
    if (xn > l) {
        sigma2 = sigmaC * (xn - l) / xn;
        return (sigmaC + sigma2) / 2.0 * l * w / 1000.0;
    }
    return sigmaC * xn / 2.0 * w / 1000.0;
}

double ribLoadTriangle(double l, double w, double xn, double sigmaC, double& sigma2) {
    ribLoadRect(l, w, xn, sigmaC, sigma2);
    const double reach = !isZero(xn) && xn < l ? xn : l;
    return ((sigmaC - sigma2) / 3.0 + sigma2 / 2.0) * reach * w / 1000.0;
}

double weldSize(double t) {
    if (t < 5.0) {
        return t;
    }
    if (t <= 7.0) {
        return 5.0;
    }
    if (t <= 8.0) {
        return 6.0;
    }
    if (t <= 10.0) {
        return 7.0;
    }
    if (t <= 11.0) {
        return 8.0;
    }
    if (t <= 12.0) {
        return 9.0;
    }
    if (t <= 14.0) {
        return 10.0;
    }
    if (t <= 15.0) {
        return 11.0;
    }
    return 12.0;
}

int ribPlateCheck(PageContext& ctx, const PlateStresses& s, int dir, int term,
                  const std::string& comboName) {
    const char* force = ctx.forceLabel.c_str();
    const char* small = ctx.smallForceLabel.c_str();
    if (ctx.detailOn()) {
        ctx.detail("・リブプレートの検討");
        ctx.detailf("lx(cm),ly(cm),Xn(cm),σc(%s/cm2),xσc(%s/cm2),Qr(%s)", small, small, force);
    }
    CKesto& page = ctx.page;
    const CSteel& section = *ctx.section;
    const int i = ctx.geometryIndex(dir);
    const int slot = ctx.slotOf(term);
    const double bp = (i == 0 ? page.plateB : page.plateD) / 10.0;
    const double dp = (i == 0 ? page.plateD : page.plateB) / 10.0;
    const double hc = (i == 0 ? section.depth : section.width) / 10.0;
    const double tc =
        (page.columnKind == 0 ? section.webThickness : section.flangeThickness) / 10.0;
    const double hr = page.ribH / 10.0;
    const double tr = page.ribT / 10.0;
    const int nr = i == 0 ? page.ribCountX : page.ribCountY;
    const int nrOther = i == 0 ? page.ribCountY : page.ribCountX;
    const double grOther = (i == 0 ? page.ribGaugeY : page.ribGaugeX) / 10.0;
    const double gr = (i == 0 ? page.ribGaugeX : page.ribGaugeY) / 10.0;
    const double l0 = (dp - hc) / 2.0;
    const double fs = allowableShear(*ctx.ribGrade, page.ribT, term == kShortTerm, ctx.unitSystem);
    if (nr <= 0) {
        return 0;
    }
    const double xn = s.xn;
    const double sigmaC = s.sigmaC;
    const auto row = [&](double l, double w, double sigma2, double q, const char* label) {
        ctx.detailf("%f,%f,%f,%f,%f,%f,%s", l, w, xn, sigmaC, sigma2, q, label);
    };

    double qr = 0.0;
    double sigma2 = 0.0;
    if (nr == 1) {
        qr = ribLoadRect(l0, bp, xn, sigmaC, sigma2);
        row(l0, bp, sigma2, qr, "全負担");
    } else {
        if (nrOther != 0) {
            const double q1 = ribLoadTriangle(gr, grOther, xn, sigmaC, sigma2);
            row(gr, grOther, sigma2, q1, "外側三角形");
            qr = q1;
        } else {
            const double q1 = ribLoadRect(l0, grOther, xn, sigmaC, sigma2);
            row(l0, grOther, sigma2, q1, "外側四角形");
            qr = q1;
        }
        const double spacing = (bp - 2.0 * grOther) / (nr - 1);
        const double q2 = ribLoadRect(l0, spacing / 2.0, xn, sigmaC, sigma2);
        row(l0, spacing / 2.0, sigma2, q2, "内側");
        qr += q2;
        if (nr > 2) {
            const double q3 = ribLoadRect(l0, spacing, xn, sigmaC, sigma2);
            row(l0, spacing, sigma2, q3, "中間");
            if (qr < q3) {
                qr = q3;
            }
        }
    }

    // Shear of the rib section.
    const double scale = ctx.unitSystem == 1 ? 10.0 : 1.0;
    double tau = 0.0;
    double r1 = kImpossibleRatio;
    if (isPositive(hr * tr)) {
        tau = qr / (hr * tr);
        if (isPositive(fs)) {
            r1 = finiteRatio(tau / fs);
        }
    }
    if (page.ratioRibShear[dir][slot] < r1) {
        page.ratioRibShear[dir][slot] = r1;
        page.ribTau[dir][slot] = finiteValue(tau * scale);
        page.ribFs[dir][slot] = finiteValue(fs * scale);
    }

    // Fillet welds on both faces of the rib, sized by the thinner of column plate and rib.
    const double weld = weldSize(10.0 * std::min(tc, tr)) / 10.0;
    const double throatStrength = kWeldThroat * weld * fs;
    const double lw = isPositive(throatStrength) ? qr / throatStrength : 0.0;
    const double effective = hr - weld;
    const double r2 = isPositive(throatStrength) && isPositive(effective)
                          ? finiteRatio(lw / (2.0 * effective))
                          : kImpossibleRatio;
    if (page.ratioRibWeld[dir][slot] < r2) {
        page.ratioRibWeld[dir][slot] = r2;
        page.ribWeldLw[dir][slot] = finiteValue(lw);
        page.ribWeldH[dir][slot] = finiteValue(effective);
    }

    if (ctx.detailOn()) {
        ctx.detailf("τr(%s/cm2),fs(%s/cm2),τr/fs,Qr(%s),h(cm),tr(cm)", force, force, force);
        ctx.detailf("%f,%f,%f,%f,%f,%f", tau, fs, r1, qr, hr, tr);
        ctx.detailf("Lw(cm),h'(cm),Lw/2h',Qr(%s),S(cm),wfs(%s/cm2)", force, force);
        ctx.detailf("%f,%f,%f,%f,%f,%f", lw, effective, r2, qr, weld, fs);
    }
    if (r1 > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("リブプレートのせん断応力度がＮＧです"), dir, term,
                     comboName);
    }
    if (r2 > 1.0) {
        addNgMessage(ctx, KESTO_MESSAGE("リブプレートの隅肉溶接長がＮＧです"), dir, term,
                     comboName);
    }
    return 0;
}

}  // namespace kesto
