// A row of the H-shape or square-tube table: name, dimensions (mm) and section properties
// (cm-based units).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

namespace kesto {

struct CSteel {
    std::string name;
    std::uint8_t shapeType = 0;  // 0 H-shape, 1 square tube
    std::array<std::uint8_t, 7> shapeFlags{};
    double depth = 0;
    double width = 0;
    double webThickness = 0;
    double flangeThickness = 0;
    double filletRadius = 0;
    double reservedDim = 0;
    double area = 0;
    double shearAreaX = 0;
    double shearAreaY = 0;
    double inertiaX = 0;
    double inertiaY = 0;
    double radiusX = 0;
    double radiusY = 0;
    double radiusB = 0;
    double modulusX = 0;
    double modulusY = 0;
    double plasticModulusX = 0;
    double plasticModulusY = 0;

    bool operator==(const CSteel&) const = default;
};

template <class Ar, class R>
void fields(Ar& ar, R& s) requires std::is_same_v<std::remove_const_t<R>, CSteel> {
    ar.text(s.name, "CSteel.name");
    ar.byte(s.shapeType, "CSteel.shapeType");
    for (auto& flag : s.shapeFlags) {
        ar.byte(flag, "CSteel.shapeFlags");
    }
    ar.real(s.depth, "CSteel.depth");
    ar.real(s.width, "CSteel.width");
    ar.real(s.webThickness, "CSteel.webThickness");
    ar.real(s.flangeThickness, "CSteel.flangeThickness");
    ar.real(s.filletRadius, "CSteel.filletRadius");
    ar.real(s.reservedDim, "CSteel.reservedDim");
    ar.real(s.area, "CSteel.area");
    ar.real(s.shearAreaX, "CSteel.shearAreaX");
    ar.real(s.shearAreaY, "CSteel.shearAreaY");
    ar.real(s.inertiaX, "CSteel.inertiaX");
    ar.real(s.inertiaY, "CSteel.inertiaY");
    ar.real(s.radiusX, "CSteel.radiusX");
    ar.real(s.radiusY, "CSteel.radiusY");
    ar.real(s.radiusB, "CSteel.radiusB");
    ar.real(s.modulusX, "CSteel.modulusX");
    ar.real(s.modulusY, "CSteel.modulusY");
    ar.real(s.plasticModulusX, "CSteel.plasticModulusX");
    ar.real(s.plasticModulusY, "CSteel.plasticModulusY");
}

}  // namespace kesto
