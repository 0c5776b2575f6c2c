#include <gtest/gtest.h>

#include "model/design_options.h"

namespace kesto {
namespace {

TEST(DesignOptions, RouteThreeControls) {
    DesignOptions o;
    o.routeX = o.routeY = 0;
    EXPECT_EQ(routeThreeEnabling(o), (RouteThreeEnabling{false, false, false, false}));
    o.routeY = 2;
    EXPECT_EQ(routeThreeEnabling(o), (RouteThreeEnabling{true, true, true, true}));
    o.boltElongation = 0;
    EXPECT_EQ(routeThreeEnabling(o), (RouteThreeEnabling{true, true, false, false}));
    o.route3NgCheck = 0;
    EXPECT_EQ(routeThreeEnabling(o), (RouteThreeEnabling{true, false, false, false}));
    o.route3NgCheck = 1;
    o.boltElongation = 1;
    o.routeY = 1;
    EXPECT_EQ(routeThreeEnabling(o), (RouteThreeEnabling{false, false, false, false}));
}

TEST(DesignOptions, SectionLossControlsServeOnlySectionLoss) {
    DesignOptions o;
    EXPECT_TRUE(sectionLossControlsEnabled(o));
    o.sectionFromTable = 1;
    EXPECT_FALSE(sectionLossControlsEnabled(o));
}

TEST(DesignOptions, EveryFieldIsWrittenBack) {
    CKestoCnt cnt;
    EXPECT_EQ(designOptionsOf(cnt), DesignOptions{});
    DesignOptions o;
    o.routeX = 0;
    o.routeY = 0;
    o.route3NgCheck = 0;  // disabled controls are stored too
    o.boltClearance = -2;
    o.gammaX = 0;
    o.writeDetailFile = 1;
    o.tubeLossAn = 0.75;
    applyDesignOptions(cnt, o);
    EXPECT_EQ(designOptionsOf(cnt), o);
    EXPECT_EQ(cnt.boltClearance, -2);
}

}  // namespace
}  // namespace kesto
