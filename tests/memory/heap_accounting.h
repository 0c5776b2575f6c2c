// The heap this process holds through operator new, and its peak over a stretch of code.
#pragma once

#include <cstddef>

namespace kesto::test {

std::size_t heapInUse();
void resetHeapPeak();
std::size_t heapPeak();

// The largest heap held while `run` ran, beyond what was held when it started.
template <class Run>
std::size_t peakHeapDuring(Run run) {
    const std::size_t before = heapInUse();
    resetHeapPeak();
    run();
    return heapPeak() - before;
}

}  // namespace kesto::test
