// A row of the steel-grade table: design standard strength F by thickness, in the input unit
// (t/cm2 in gravity units, N/mm2 in SI units).
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

namespace kesto {

struct CSteelRaw {
    std::string name;
    std::uint8_t gradeKind = 0;  // 0 SS400級, 1 SM490級, 2 BCR295, 3 その他
    double fThin = 0;            // t <= 40 mm
    double fThick = 0;           // t > 40 mm

    bool operator==(const CSteelRaw&) const = default;
};

template <class Ar, class R>
void fields(Ar& ar, R& s) requires std::is_same_v<std::remove_const_t<R>, CSteelRaw> {
    ar.text(s.name, "CSteelRaw.name");
    ar.byte(s.gradeKind, "CSteelRaw.gradeKind");
    ar.real(s.fThin, "CSteelRaw.fThin");
    ar.real(s.fThick, "CSteelRaw.fThick");
}

}  // namespace kesto
