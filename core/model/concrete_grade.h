// A row of the concrete table: design strength Fc and optional directly entered allowable
// stresses, in the input unit (kg/cm2 in gravity units, N/mm2 in SI units).
#pragma once

#include <array>
#include <string>
#include <type_traits>

namespace kesto {

struct CConcreteRaw {
    using LongShort = std::array<double, 2>;  // [long, short]

    std::string name;
    int concreteKind = 0;  // 0 普通, 1..4 第１種..第４種軽量
    int directInput = 0;
    double fc = 0;
    LongShort compression{};
    LongShort shear{};
    LongShort bondDeformedTop{};
    LongShort bondDeformedOther{};
    LongShort bondRoundTop{};
    LongShort bondRoundOther{};

    bool operator==(const CConcreteRaw&) const = default;
};

template <class Ar, class R>
void fields(Ar& ar, R& c) requires std::is_same_v<std::remove_const_t<R>, CConcreteRaw> {
    ar.text(c.name, "CConcreteRaw.name");
    ar.word(c.concreteKind, "CConcreteRaw.concreteKind");
    ar.word(c.directInput, "CConcreteRaw.directInput");
    ar.real(c.fc, "CConcreteRaw.fc");
    for (auto* pair : {&c.compression, &c.shear, &c.bondDeformedTop, &c.bondDeformedOther,
                       &c.bondRoundTop, &c.bondRoundOther}) {
        ar.real((*pair)[0], "CConcreteRaw.allowable");
        ar.real((*pair)[1], "CConcreteRaw.allowable");
    }
}

}  // namespace kesto
