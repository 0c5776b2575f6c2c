// The rules behind the column-base shape dialog: the column section of the chosen kind, the
// normalisation of dependent values and the validation of the geometry against the section,
// applied on OK (and before the rotational-stiffness check) to the values being edited.
#pragma once

#include <optional>
#include <string>

#include "base/message_text.h"
#include "model/conditions.h"

namespace kesto {

// The largest bolt or rib count a document stores (16 bits).
inline constexpr int kMaxStoredCount = 65535;

inline constexpr const char* kSelectColumnSectionMessage = KESTO_MESSAGE("柱鋼材を選択して下さい");

// The section row named by `columnSection` in the table of `columnKind` (H-shapes for 1,
// square tubes otherwise); none for an empty name, a name beginning with "-" or a missing one.
const CSteel* findColumnSection(const CKestoCnt& cnt, const CKesto& page);

// Gauges of single bolt lines and ribs at the plate centre, no Y-direction bolts or ribs on an
// H-shape, wing plates as two ribs on the flange centre lines. `section` dimensions in mm.
void normaliseShape(CKesto& page, const CSteel& section);

// The dialog's OK steps on its values: section lookup, normalisation, validation. Returns the
// first failure's message, or none when the values may be written to the page. The values are
// normalised whenever the section was found, even when validation then fails.
std::optional<std::string> checkShapeInput(const CKestoCnt& cnt, CKesto& values);

// Which inputs of the study of an NG route-3 connection are in use: none unless the study is on
// and a direction uses route 3; then the pedestal, and with bolts of elongation capacity the
// page's two options as the conditions allow them and the anchorage data when the page uses
// anchorage hardware (`anchorBlockTicked`) and the conditions allow it.
struct Route3Inputs {
    bool pedestal = false;
    bool anchorBlockOption = false;
    bool concreteShearOption = false;
    bool anchorBlockData = false;
    bool operator==(const Route3Inputs&) const = default;
};
Route3Inputs route3Inputs(const CKestoCnt& cnt, bool anchorBlockTicked);

// Copies every field the shape dialog edits from `values` into `page`; nothing else changes.
void copyShapeFields(const CKesto& values, CKesto& page);

}  // namespace kesto
