#include "model/new_document.h"

#include "base/field_copy.h"
#include "model/combinations.h"

namespace kesto {
namespace {

// The inputs a new page takes over from the current one: every field of the page's field list
// but the mark, the basic stresses, the route-3 forces and the page-level concrete shear switch.
void copyInputs(const CKesto& from, CKesto& to) {
    copyFields(
        from, to, [](auto& ar, auto& page) { fields(ar, page); },
        [](std::string_view name) {
            return name != "mark" && name != "concreteShearCheck" && name != "ultimateN" &&
                   name != "ultimateQ" && name != "ultimateM";
        });
}

}  // namespace

void installBuiltInDefaults(CKestoCnt& cnt) {
    CKestoCnt fresh;
    fresh.adoptRunTimeMembers(cnt);
    cnt = std::move(fresh);
    cnt.stressNames.append(CStressName{"G:常時", 1.0, 1.0, 1.0});
    cnt.stressNames.append(CStressName{"K:地震", 1.0, 1.0, 1.0});
    cnt.longTermCombos.append(CStringTable{"G"});
    for (auto* list : {&cnt.shortTermCombos, &cnt.ultimateCombos}) {
        list->append(CStringTable{"G+K"});
        list->append(CStringTable{"G-K"});
    }
}

CKesto makeNewPage(const CKestoCnt& cnt, int unitSystem) {
    CKesto page;
    if (unitSystem == 1) {
        page.concreteGrade = "Fc21";
    }
    newBasicLists(cnt, page);
    return page;
}

CKesto makeInsertedPage(const CKestoCnt& cnt, int unitSystem, const CKesto* current) {
    CKesto page = makeNewPage(cnt, unitSystem);
    if (current != nullptr) {
        copyInputs(*current, page);
    }
    return page;
}

std::string formatBuildingDate(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M", &local);
    return text;
}

}  // namespace kesto
