// What every fuzz target shares: the input as bytes, and the one way a target reports a broken
// promise (a finding), so that libFuzzer keeps the input that shows it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace kesto::fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Aborts with `what` unless `ok`: libFuzzer then saves the input as a crash artifact.
inline void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "finding: %s\n", what);
        std::abort();
    }
}

}  // namespace kesto::fuzz
