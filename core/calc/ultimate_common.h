// Helpers shared by the ultimate-strength checks: the failed-ratio rule, storing a governing
// ratio with its companion values, messages, and the plate geometry about the bending axis.
#pragma once

#include <cmath>
#include <initializer_list>
#include <string>

#include "calc/page_context.h"

namespace kesto::ult {

// The ratio of a quantity that cannot be computed; it governs and makes the direction NG.
constexpr double kFailedRatio = 9.999;
constexpr double kPi = 3.141592654;

inline bool isZero(double x) {
    return std::fabs(x) < 1e-10;
}

// value / capacity, or the failed ratio when the capacity is zero.
inline double ratioOf(double value, double capacity) {
    return isZero(capacity) ? kFailedRatio : value / capacity;
}

struct Companion {
    int slot;
    double value;
};

// Stores `ratio` and its companions in the slots of `dir` when the ratio is strictly larger than
// the stored one, so a tie keeps the earlier case. Returns whether it stored.
bool storeIfLarger(CKesto& page, int dir, int ratioSlot, double ratio,
                   std::initializer_list<Companion> companions);

// Words an NG message of the ultimate term for `dir` and the case `name`, appends it to the
// page's NG messages and to the detail lines.
void ngMessage(PageContext& ctx, int dir, const std::string& name, const char* text);

// "L->R" (sense 0) or "R->L".
const char* senseLabel(int sense);

// Writes the heading of one loading sense: an empty line, "L->R加力" or "R->L加力", an empty line.
void senseHeading(const PageContext& ctx, int sense);

// The direction whose plate dimensions, gauge and bolt count a check of `dir` uses.
inline int effectiveDir(const CKesto& page, int dir) {
    return page.rotated == 0 ? dir : 1 - dir;
}

// α of the loop direction.
inline double alphaOf(const CKestoCnt& cnt, int dir) {
    return dir == 0 ? cnt.alphaX : cnt.alphaY;
}

// Plate and bolts about the bending axis of `dirEff`, lengths in cm: width across the bending
// direction, depth along it, edge-to-bolt-row gauge, and the bolt count of that direction.
struct BendingAxis {
    double b = 0;
    double d = 0;
    double gauge = 0;
    int boltCount = 0;
};
BendingAxis bendingAxis(const CKesto& page, int dirEff);

// Effective area of one bolt by the conditions' choice: thread area, 0.75 x shank area, or the
// shank area for any other setting.
double effectiveBoltArea(const CKestoCnt& cnt, const CABolt& bolt);

// Factor that turns a concrete stress of the calculation into its stored unit (N/cm2 -> N/mm2).
inline double concreteStoreFactor(const PageContext& ctx) {
    return ctx.unitSystem == 1 ? 0.01 : 1.0;
}

}  // namespace kesto::ult
