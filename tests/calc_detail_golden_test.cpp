// The detail file of a calculate-all run over four pages that together pass through every row
// kind of the allowable-stress checks; compared byte for byte with a reviewed file.
#include <gtest/gtest.h>

#include <fstream>

#include "calc/calculation_commands.h"
#include "calc_test_support.h"
#include "document/detail_file.h"
#include "platform/files.h"

namespace kesto {
namespace {

void setBasics(CKesto& page, int dir, CStress g, CStress k) {
    g.name = "G";
    k.name = "K";
    page.basicStresses[dir][0] = g;
    page.basicStresses[dir][1] = k;
}

// A1: tube without X ribs and three Y ribs, every case row of the stress calculation.
// B1: H-shape with one rib, wing plates and directly entered anchorage areas; shear without
//     bolt tension and without any capacity.
// C1: tube with ribs both ways and the bolt row beyond the plate in X (no neutral axis).
// D1: a missing concrete grade.
CKestoCnt goldenConditions() {
    CKestoCnt cnt = testing::makeCalcConditions();
    cnt.route3NgCheck = 1;
    cnt.basePlateStressMode = 1;
    for (const char* e : {"G", "0*G"}) {
        cnt.longTermCombos.append(CStringTable{e});
    }
    for (const char* e : {"G+K", "G-K", "K", "G+2*K"}) {
        cnt.shortTermCombos.append(CStringTable{e});
    }
    CKesto& a = cnt.pages[0];
    a.mark = "A1";
    a.ribCountX = 0;
    a.ribCountY = 3;
    setBasics(a, 0, CStress{"", 10, 5, 100}, CStress{"", 2, 60, -60});
    setBasics(a, 1, CStress{"", 12, 0, 100}, CStress{"", 20, 30, 0});

    CKesto& b = cnt.pages.append(a);
    b.mark = "B1";
    testing::useHShape(b);
    b.ribCountX = 1;
    b.ribCountY = 2;
    b.wingPlate = 1;
    b.inputAa = 120;
    b.inputAc = 3000;
    setBasics(b, 0, CStress{"", 0.5, 30, 10}, CStress{"", 0, 0, -100});
    setBasics(b, 1, CStress{"", 5, 2, 50}, CStress{"", 0, 1, 10});

    CKesto& c = cnt.pages.append(a);
    c.mark = "C1";
    c.ribCountX = 2;
    c.ribCountY = 2;
    c.boltGaugeX = 700;
    c.useAnchorBlock = 0;
    setBasics(c, 1, CStress{"", 30, 20, 50}, CStress{"", 10, 10, 10});

    CKesto& d = cnt.pages.append(a);
    d.mark = "D1";
    d.concreteGrade = "Fc999";
    return cnt;
}

TEST(CalcDetailGolden, EveryRowKindMatchesTheReviewedFile) {
    CKestoCnt cnt = goldenConditions();
    std::vector<std::string> messages;
    calculateAllPages(cnt, 0, {"C:\\kesto\\golden.kso"}, messages);
    const std::string actual = detailFileBytes(cnt.detailLines);
    const std::string expected = readFile(std::string(KESTO_TEST_DATA_DIR) + "/calc_detail.csv");
    if (actual != expected) {
        const std::string path = ::testing::TempDir() + "calc_detail_actual.csv";
        std::ofstream(path, std::ios::binary) << actual;
        ADD_FAILURE() << "detail file differs; actual written to " << path;
    }
}

}  // namespace
}  // namespace kesto
