#include <gtest/gtest.h>

#include "model/sheet_enabling.h"

namespace kesto {
namespace {

TEST(SheetEnabling, RouteThreeControls) {
    CKestoCnt c;
    c.routeX = c.routeY = 0;
    EXPECT_EQ(routeThreeEnabling(c), (RouteThreeEnabling{false, false, false, false}));
    c.routeY = 2;
    EXPECT_EQ(routeThreeEnabling(c), (RouteThreeEnabling{true, true, true, true}));
    c.boltElongation = 0;
    EXPECT_EQ(routeThreeEnabling(c), (RouteThreeEnabling{true, true, false, false}));
    c.route3NgCheck = 0;
    EXPECT_EQ(routeThreeEnabling(c), (RouteThreeEnabling{true, false, false, false}));
    c.route3NgCheck = 1;
    c.boltElongation = 1;
    c.routeY = 1;
    EXPECT_EQ(routeThreeEnabling(c), (RouteThreeEnabling{false, false, false, false}));
}

TEST(SheetEnabling, SectionLossControlsServeOnlySectionLoss) {
    CKestoCnt c;
    EXPECT_TRUE(sectionLossControlsEnabled(c));
    c.sectionFromTable = 1;
    EXPECT_FALSE(sectionLossControlsEnabled(c));
}

}  // namespace
}  // namespace kesto
