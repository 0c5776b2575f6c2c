// JSON text as the batch tool reads it: every error names the file and the place (line and
// column for text that is not JSON, the field path for a value the program refuses) and shows
// at most a short excerpt of the input. The elements of one top-level array (the pages of a
// document, the rows of a table) can be handed over one by one as soon as each is complete, so
// that a large file never stands in memory as one tree.
#pragma once

#include <cstddef>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace kesto {

// Receives the elements of the streamed array: the element, its index, and the members of the
// top-level object read so far (those before the array in the text).
using JsonElementSink =
    std::function<void(nlohmann::json&& element, std::size_t index, const nlohmann::json& top)>;

// Parses `text`. When `streamedMember` names a top-level member that is an array, each of its
// elements goes to `sink` instead of into the result, where the member stays an empty array.
// Throws JsonInputError "source: line L, column C: problem" for text that is not JSON, nests
// deeper than the program's files ever do, or repeats a key in one object; errors thrown by the
// sink pass through.
nlohmann::json readJsonText(std::string_view text, const std::string& source,
                            const char* streamedMember = nullptr, const JsonElementSink& sink = {});

}  // namespace kesto
