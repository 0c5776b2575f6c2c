#include "model/field_ref.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

CKestoCnt onePage() {
    CKestoCnt cnt;
    CKesto& page = cnt.pages.append();
    page.basicStresses[1].append(CStress{"G", 1, 2, 3});
    page.ultimateM[1][0] = 4;
    return cnt;
}

TEST(FieldRef, ReadsAndStoresEachKindOfField) {
    CKestoCnt cnt = onePage();
    const FieldRef mark{0, FieldRef::kMark};
    const FieldRef q{0, FieldRef::kBasicQ, 1, 0};
    const FieldRef m{0, FieldRef::kUltimateM, 1, 0};
    EXPECT_EQ(readField(cnt, mark), FieldValue{std::string("C")});
    EXPECT_EQ(readField(cnt, q), FieldValue{2.0});
    EXPECT_EQ(readField(cnt, m), FieldValue{4.0});
    EXPECT_EQ(storeField(cnt, mark, std::string("C1")), FieldValue{std::string("C")});
    EXPECT_EQ(storeField(cnt, q, 7), FieldValue{2.0});
    EXPECT_EQ(storeField(cnt, m, -1.5), FieldValue{4.0});
    EXPECT_EQ(cnt.pages[0].mark, "C1");
    EXPECT_EQ(cnt.pages[0].basicStresses[1][0].q, 7.0);
    EXPECT_EQ(cnt.pages[0].ultimateM[1][0], -1.5);
    EXPECT_EQ(storeField(cnt, {0, FieldRef::kConcreteGrade}, std::string("Fc24")),
              FieldValue{std::string("Fc210")});
}

TEST(FieldRef, NamesThatNoLongerResolve) {
    CKestoCnt cnt = onePage();
    const CKestoCnt before = cnt;
    for (const FieldRef ref :
         {FieldRef{1, FieldRef::kMark}, FieldRef{-1, FieldRef::kMark},
          FieldRef{0, FieldRef::kBasicN, 0, 0},  // X has no stress
          FieldRef{0, FieldRef::kBasicN, 2, 0}, FieldRef{0, FieldRef::kUltimateN, 0, 2}}) {
        EXPECT_FALSE(readField(cnt, ref));
        EXPECT_FALSE(storeField(cnt, ref, 1.0));
    }
    EXPECT_FALSE(storeField(cnt, {0, FieldRef::kMark}, 1.0));
    EXPECT_FALSE(storeField(cnt, {0, FieldRef::kBasicN, 1, 0}, std::string("1")));
    EXPECT_EQ(cnt.pages[0], before.pages[0]);
}

}  // namespace
}  // namespace kesto
