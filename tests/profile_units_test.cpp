#include <gtest/gtest.h>

#include "base/units.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "report_test_support.h"

namespace kesto {
namespace {

TEST(IniProfile, ValuesRoundTripThroughTextAndFile) {
    IniProfile p;
    p.setString("Regist", "HSteelName", "Ｈ形鋼JIS.tbl");
    p.setString("Print", "Title", "a=b\\c\nline two\r");
    p.setInt("Print", "SIUnitFlag", -3);
    EXPECT_EQ(p.toText(),
              "[Print]\nSIUnitFlag=-3\nTitle=a=b\\\\c\\nline two\\r\n[Regist]\n"
              "HSteelName=Ｈ形鋼JIS.tbl\n");
    testing::TempFolder dir;
    p.save(dir.file("kesto.ini"));
    const IniProfile q = IniProfile::load(dir.file("kesto.ini"));
    EXPECT_EQ(q.getString("Print", "Title", ""), "a=b\\c\nline two\r");
    EXPECT_EQ(q.getInt("Print", "SIUnitFlag", 1), -3);
    EXPECT_EQ(q.getString("Regist", "HSteelName", ""), "Ｈ形鋼JIS.tbl");
}

TEST(IniProfile, FallbacksAndForgivingReader) {
    const IniProfile p = IniProfile::fromText(
        "orphan=1\r\n[Font]\r\nsize=12x\r\n=nokey\r\nnoequals\r\nheight=2147483648\r\n"
        "width=  7\r\n[Empty]\r\nname=\r\n");
    EXPECT_EQ(p.getString("", "orphan", "fb"), "fb");
    EXPECT_EQ(p.getInt("Font", "size", 9), 9);
    EXPECT_EQ(p.getInt("Font", "height", 9), 9);
    EXPECT_EQ(p.getInt("Font", "width", 9), 9);
    EXPECT_EQ(p.getInt("Font", "missing", 4), 4);
    EXPECT_EQ(p.getString("Empty", "name", "fb"), "");
    EXPECT_EQ(p.getInt("Empty", "name", 5), 5);
    EXPECT_EQ(IniProfile::load("/nonexistent/kesto.ini").toText(), "");
}

TEST(OutputConversion, ScalesAndDirections) {
    // 10 t -> 98.0665 kN; 100 kg/cm2 -> 0.01·100·9.80665 = 9.80665 N/mm2; 1 t/cm2 -> 98.0665.
    EXPECT_DOUBLE_EQ(convert(10, kForceScale, true, kGravityUnits, kSiUnits), 98.0665);
    EXPECT_DOUBLE_EQ(convert(100, kConcreteStressScale, true, kGravityUnits, kSiUnits), 9.80665);
    EXPECT_DOUBLE_EQ(convert(1, kSteelStressScale, true, kGravityUnits, kSiUnits), 98.0665);
    // SI to gravity: 98.0665 kN -> 10 t; 9.80665 N/mm2 -> 100 kg/cm2.
    EXPECT_DOUBLE_EQ(convert(98.0665, kForceScale, true, kSiUnits, kGravityUnits), 10);
    EXPECT_DOUBLE_EQ(convert(9.80665, kConcreteStressScale, true, kSiUnits, kGravityUnits), 100);
    // Not printing, or the same unit: unchanged.
    EXPECT_EQ(convert(10, kForceScale, false, kGravityUnits, kSiUnits), 10);
    EXPECT_EQ(convert(10, kSteelStressScale, true, kSiUnits, kSiUnits), 10);
}

}  // namespace
}  // namespace kesto
