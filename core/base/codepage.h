// Text in code page 932 (Shift_JIS as Windows uses it), the encoding of every stored file.
// Inside the program all text is UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kesto {

// Decodes code page 932 bytes to UTF-8. Returns nothing when the bytes are not valid
// code page 932, or when they would not encode back to the very same bytes (code page 932
// has a few characters with two codes); a caller that stores the text again then cannot
// keep every byte, so it refuses the text instead of altering it.
std::optional<std::string> decodeCp932(std::string_view bytes);

// Encodes UTF-8 text to code page 932. Returns nothing when a character has no code.
std::optional<std::string> encodeCp932(std::string_view utf8);
// Appends the code page 932 form of UTF-8 text to `out`; false, with `out` as it was, when a
// character has no code.
bool appendCp932(std::string& out, std::string_view utf8);

// Decodes UTF-16LE code units (the archive's wide-string form) to UTF-8.
std::optional<std::string> decodeUtf16le(std::string_view bytes);

// True when every byte is below 0x80: the same text in ASCII, UTF-8 and code page 932.
bool isAscii(std::string_view s);

// Length of the UTF-8 sequence that starts with byte `lead`; 1 for a stray continuation byte.
inline std::size_t utf8SequenceLength(unsigned char lead) {
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Byte length of a UTF-8 text once encoded in code page 932 (layouts count these bytes).
// Characters without a code count as one byte each ('?').
std::size_t cp932Length(std::string_view utf8);

}  // namespace kesto
