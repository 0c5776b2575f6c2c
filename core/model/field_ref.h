// A page field that a cell of the results grid shows and edits, named instead of pointed at:
// the page, the field and, where the field is one of several, the direction and the loading
// sense or the index in the basic-stress list. A name stays valid while pages and stress cases
// change, so an edit can be remembered and undone; one that no longer names a field (the page
// or the stress case is gone) resolves to nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "model/conditions.h"

namespace kesto {

struct FieldRef {
    enum Field : std::uint8_t {
        // Texts of the page.
        kMark,
        kColumnSteelGrade,
        kBasePlateSteelGrade,
        kRibSteelGrade,
        kBoltSteelGrade,
        kConcreteGrade,
        // basicStresses[dir][index].n, .m, .q
        kBasicN,
        kBasicM,
        kBasicQ,
        // ultimateN[dir][index], ultimateM, ultimateQ with index = loading sense
        kUltimateN,
        kUltimateM,
        kUltimateQ,
    };
    int page = 0;
    Field field = kMark;
    int dir = 0;
    int index = 0;

    bool operator==(const FieldRef&) const = default;
};

// A value stored into a field: a number (an int is taken as a number) or a text.
using FieldValue = std::variant<double, int, std::string>;

// The field's value: a double for the numbers, a text for the texts; nothing when `ref` names
// no field of `cnt`.
std::optional<FieldValue> readField(const CKestoCnt& cnt, const FieldRef& ref);

// Stores `value` and returns the value the field held before. Nothing is stored, and nothing
// returned, when `ref` names no field or the value does not fit it (a text into a number, a
// number into a text).
std::optional<FieldValue> storeField(CKestoCnt& cnt, const FieldRef& ref, const FieldValue& value);

}  // namespace kesto
