#include "calc/ultimate.h"

namespace kesto {

void checkUltimate(PageContext& ctx, int dir) {
    ctx.page.ultimateJudgement[dir] = kNotCalculated;
}

}  // namespace kesto
