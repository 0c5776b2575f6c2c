// Helpers shared by the ultimate-strength checks: the failed-ratio rule, storing a governing
// ratio with its companion values, the loading senses, and the plate geometry about the
// bending axis.
#pragma once

#include <initializer_list>

#include "calc/page_context.h"

namespace kesto::ult {

// value / capacity, or the impossible ratio when the capacity is zero or the quotient overflows.
inline double ratioOf(double value, double capacity) {
    return isZero(capacity) ? kImpossibleRatio : finiteRatio(value / capacity);
}

struct Companion {
    int slot;
    double value;
};

// Stores `ratio` and its companions in the slots of `dir` when the ratio is strictly larger than
// the stored one, so a tie keeps the earlier case. Returns whether it stored.
bool storeIfLarger(CKesto& page, int dir, int ratioSlot, double ratio,
                   std::initializer_list<Companion> companions);

// "L->R" (sense 0) or "R->L"; also the case name of the sense's messages.
const char* senseLabel(int sense);

// Writes the heading of one loading sense: an empty line, "L->R加力" or "R->L加力", an empty line.
void senseHeading(const PageContext& ctx, int sense);

// α of the loop direction (never of the rotated one).
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

// Factor that turns a concrete stress of the calculation into its stored unit (N/cm2 -> N/mm2).
inline double concreteStoreFactor(const PageContext& ctx) {
    return ctx.unitSystem == 1 ? 0.01 : 1.0;
}

}  // namespace kesto::ult
