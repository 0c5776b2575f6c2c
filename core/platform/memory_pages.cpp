#include "platform/memory_pages.h"

#include <cstdlib>  // first: it tells whether the C library is glibc
#include <string>

#if defined(__linux__) && defined(__GLIBC__)
#include <unistd.h>
#endif

namespace kesto {

#if defined(__linux__) && defined(__GLIBC__)

void restartWithLargeMemoryPages(char** argv) {
    constexpr const char* kVariable = "GLIBC_TUNABLES";
    constexpr const char* kTunable = "glibc.malloc.hugetlb";
    const char* current = std::getenv(kVariable);
    std::string tunables = current != nullptr ? current : "";
    // Set already: by the restart itself (a C library that does not know it leaves it so too,
    // which stops a second restart) or by the user, whose choice stands.
    if (tunables.find(kTunable) != std::string::npos) {
        return;
    }
    tunables += (tunables.empty() ? "" : ":") + std::string(kTunable) + "=1";
    if (::setenv(kVariable, tunables.c_str(), 1) == 0) {
        ::execv("/proc/self/exe", argv);
    }
}

#else

void restartWithLargeMemoryPages(char**) {}

#endif

}  // namespace kesto
