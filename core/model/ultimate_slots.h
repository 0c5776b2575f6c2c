// The 43 ultimate-strength result slots of a direction (CKesto::ultimateResults[k][dir]). The
// numbering is fixed by the old document format (slots 0-17 and 42) and by the results report.
#pragma once

#include "model/page.h"

namespace kesto {

enum UltimateSlot : int {
    kUltMpc = 0,
    kUltMu = 1,
    kUltMuForMd = 2,
    kUltMd = 3,
    kUltQd = 4,
    kUltQm = 5,
    kUltQuSense = 6,
    kUltQu = 7,
    kUltSigmaC = 8,
    kUltFc = 9,
    kUltTensionSum = 10,
    kUltPb = 11,
    kUltQa = 12,
    kRatioUlt13 = 13,
    kRatioUlt14 = 14,
    kRatioUlt15 = 15,
    kRatioUlt16 = 16,
    kRatioUlt17 = 17,
    kUltCy1 = 18,
    kUltCy2 = 19,
    kUltCy3 = 20,
    kUltCy4 = 21,
    kUltFc1 = 22,
    kUltFc2 = 23,
    kUltFc3 = 24,
    kUltFc4 = 25,
    kUltNe1 = 26,
    kUltNe2 = 27,
    kUltEdge = 28,
    kUltPu1 = 29,
    kUltPu2 = 30,
    kUltTau = 31,
    kUltTauU = 32,
    kRatioUlt33 = 33,
    kRatioUlt34 = 34,
    kRatioUlt35 = 35,
    kRatioUlt36 = 36,
    kRatioUlt37 = 37,
    kRatioUlt38 = 38,
    kRatioUlt39 = 39,
    kRatioUlt40 = 40,
    kRatioUlt41 = 41,
    kUltGoverning = kGoverningUltimateSlot,
};

}  // namespace kesto
