// The rotational stiffness Kbs of an exposed column base for an anchor-bolt length lb, and the
// required anchorage length nlb of hooked anchor bolts, as the texts the stiffness dialog shows.
// Nothing here is stored: the values are computed on a temporary copy of the edited page.
#pragma once

#include <optional>
#include <string>

#include "base/message_text.h"
#include "model/conditions.h"

namespace kesto {

inline constexpr const char* kZeroBoltLengthMessage = KESTO_MESSAGE("アンカーボルト長さが０です。");

// The temporary page of the stiffness check: a new page that takes the bolt grade and the
// concrete grade of `current` and the shape fields of `values`.
CKesto stiffnessPage(const CKesto& current, const CKesto& values);

// The first of bolt shape, bolt grade and concrete grade missing from the tables, as the
// message that refuses the check; none when all three exist.
std::optional<std::string> stiffnessMaterialProblem(const CKestoCnt& cnt, const CKesto& page);

// "ψ = %6.3f cm", "d  = %6.0f mm", "fa = %6.3f %s", "ft = %6.1f %s" and "%.1f mm" (nlb),
// stresses in kg/cm2 (gravity) or N/mm2 (SI). None when a table row is missing.
struct AnchorageTexts {
    std::string psi;
    std::string d;
    std::string fa;
    std::string ft;
    std::string nlb;
};
std::optional<AnchorageTexts> anchorageTexts(const CKestoCnt& cnt, const CKesto& page,
                                             int unitSystem);

// E, Ab and per direction nt, dt, dc and Kbs. A square tube shows two values "x / y", the
// building's X direction first (the plate's Y direction when the base is rotated); an H-shape
// shows its strong axis only.
struct StiffnessTexts {
    std::string e;
    std::string ab;
    std::string nt;
    std::string dt;
    std::string dc;
    std::string kbs;
};
struct StiffnessOutcome {
    enum Status { kShown, kMissingRows, kZeroLength };
    Status status = kMissingRows;
    StiffnessTexts texts;  // only with kShown
};
// `lb` in mm. kMissingRows when the bolt shape or the column section is not in its table (the
// dialog then keeps its fields), kZeroLength for lb = 0 (kZeroBoltLengthMessage).
StiffnessOutcome rotationalStiffness(const CKestoCnt& cnt, const CKesto& page, double lb,
                                     int unitSystem);

}  // namespace kesto
