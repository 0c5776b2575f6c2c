// Basic stress cases, sets of forces and combination expressions.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

namespace kesto {

// One basic stress case: "symbol:name" and the multipliers of its forces.
struct CStressName {
    std::string label;
    double factorM = 1.0;
    double factorQ = 1.0;
    double factorN = 1.0;

    bool operator==(const CStressName&) const = default;
};

// One set of forces: a basic case of a page (name = its symbol) or a combination result
// (name = the expression text).
struct CStress {
    std::string name;
    double m = 0.0;
    double q = 0.0;
    double n = 0.0;

    bool operator==(const CStress&) const = default;
};

// One combination expression. The two reserved fields are written as zero and never read.
struct CStringTable {
    std::string expression;
    std::uint16_t reservedWord = 0;
    double reservedValue = 0.0;

    bool operator==(const CStringTable&) const = default;
};

// The symbol of a label: the text before the first ':' with every blank removed.
std::string symbolOf(const std::string& label);

template <class Ar, class R>
void fields(Ar& ar, R& s) requires std::is_same_v<std::remove_const_t<R>, CStressName> {
    ar.text(s.label, "CStressName.label");
    ar.real(s.factorM, "CStressName.factorM");
    ar.real(s.factorQ, "CStressName.factorQ");
    ar.real(s.factorN, "CStressName.factorN");
}

template <class Ar, class R>
void fields(Ar& ar, R& s) requires std::is_same_v<std::remove_const_t<R>, CStress> {
    ar.text(s.name, "CStress.name");
    ar.real(s.m, "CStress.m");
    ar.real(s.q, "CStress.q");
    ar.real(s.n, "CStress.n");
}

template <class Ar, class R>
void fields(Ar& ar, R& s) requires std::is_same_v<std::remove_const_t<R>, CStringTable> {
    ar.text(s.expression, "CStringTable.expression");
    // The reserved fields are written as zero whatever they hold.
    std::uint16_t word = 0;
    double value = 0.0;
    ar.word(word, "CStringTable.reservedWord");
    ar.ignoredReal(value, "CStringTable.reservedValue");
}

// Reads or writes an object list of any record type that has a `fields` function.
template <class Ar, class List>
void objectList(Ar& ar, List& list, const char* className) {
    ar.objects(list, className, [](auto& a, auto& obj) { fields(a, obj); });
}

// The same for a list that a visitor may take whole under its field name (the JSON side, `list`).
template <class Ar, class List>
void namedList(Ar& ar, List& list, const char* className, const char* name) {
    if constexpr (requires { ar.list(name, list); }) {
        ar.list(name, list);
    } else {
        objectList(ar, list, className);
    }
}

}  // namespace kesto
