// What every fuzz target shares: the input as bytes, and the one way a target reports a broken
// promise (a finding), so that libFuzzer keeps the input that shows it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "base/archive.h"
#include "model/document_file.h"

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

// The document the bytes hold, or nothing when the reader refuses them.
inline std::optional<DocumentData> readableDocument(const std::uint8_t* data, std::size_t size) {
    try {
        return parseDocument(bytesOf(data, size), "fuzz.kso");
    } catch (const FileFormatError&) {
        return std::nullopt;
    } catch (const DocumentRefused&) {
        return std::nullopt;
    }
}

}  // namespace kesto::fuzz
