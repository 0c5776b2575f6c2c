// A row of the anchor-bolt table: one bolt size.
#pragma once

#include <string>
#include <type_traits>

namespace kesto {

struct CABolt {
    std::string name;
    double shankDiameter = 0;  // mm
    double holeDiameter = 0;   // mm
    double shankArea = 0;      // cm2 (Af)
    double threadArea = 0;     // cm2 (An)

    bool operator==(const CABolt&) const = default;
};

template <class Ar, class R>
void fields(Ar& ar, R& b) requires std::is_same_v<std::remove_const_t<R>, CABolt> {
    ar.text(b.name, "CABolt.name");
    ar.real(b.shankDiameter, "CABolt.shankDiameter");
    ar.real(b.holeDiameter, "CABolt.holeDiameter");
    ar.real(b.shankArea, "CABolt.shankArea");
    ar.real(b.threadArea, "CABolt.threadArea");
}

}  // namespace kesto
