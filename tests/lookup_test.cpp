#include "tables/lookup.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

CKestoCnt tables() {
    CKestoCnt cnt;
    cnt.concreteTable.append(CConcreteRaw{.name = "Fc21", .fc = 21});
    cnt.concreteTable.append(CConcreteRaw{.name = "Fc21", .fc = 99});
    cnt.steelGradeTable.append(CSteelRaw{.name = "SN400", .fThin = 235});
    cnt.boltTable.append(CABolt{.name = "M30", .shankDiameter = 30});
    cnt.boltTable.append(CABolt{.name = "M30", .shankDiameter = 99});
    cnt.hSteelTable.append(CSteel{.name = "H-200x100x5.5x8", .depth = 200});
    cnt.tubeTable.append(CSteel{.name = "□-200x200x6.0", .shapeType = 1});
    cnt.tubeTable.append(CSteel{.name = "□-200x200x6.0", .shapeType = 0});
    return cnt;
}

TEST(Lookup, FirstExactMatch) {
    const CKestoCnt cnt = tables();
    ASSERT_NE(findConcrete(cnt, "Fc21"), nullptr);
    EXPECT_EQ(findConcrete(cnt, "Fc21")->fc, 21);
    EXPECT_EQ(findSteelGrade(cnt, "SN400")->fThin, 235);
    EXPECT_EQ(findAnchorBolt(cnt, "M30")->shankDiameter, 30);
    const auto tube = findTubeSection(cnt, "□-200x200x6.0");
    EXPECT_EQ(tube.status, 0);
    ASSERT_NE(tube.row, nullptr);
    EXPECT_EQ(tube.row->shapeType, 1);
}

TEST(Lookup, LetterCaseAndBlanksMatter) {
    const CKestoCnt cnt = tables();
    for (const char* name : {"fc21", "Fc21 ", " Fc21", "FC21", ""}) {
        EXPECT_EQ(findConcrete(cnt, name), nullptr) << name;
    }
    EXPECT_EQ(findSteelGrade(cnt, "sn400"), nullptr);
    EXPECT_EQ(findSteelGrade(cnt, "SN400 "), nullptr);
    EXPECT_EQ(findAnchorBolt(cnt, "m30"), nullptr);
    EXPECT_EQ(findHSection(cnt, "h-200x100x5.5x8").status, -1);
    EXPECT_EQ(findHSection(cnt, "H-200x100x5.5x8 ").row, nullptr);
}

TEST(Lookup, SectionStatuses) {
    const CKestoCnt cnt = tables();
    struct Case {
        const char* name;
        int status;
        bool row;
    };
    const Case cases[] = {
        {"", -1, false},
        {"-", 0, false},
        {"-anything", 0, false},
        {"H-200x100x5.5x8", 0, true},
        {"H-200x100x5.5x9", -1, false},
        {" -", -1, false},
    };
    for (const auto& c : cases) {
        const auto r = findHSection(cnt, c.name);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.row != nullptr, c.row) << c.name;
    }
    // The H-shape name is not in the tube table.
    EXPECT_EQ(findTubeSection(cnt, "H-200x100x5.5x8").status, -1);
    EXPECT_EQ(findTubeSection(cnt, "-").status, 0);
}

}  // namespace
}  // namespace kesto
