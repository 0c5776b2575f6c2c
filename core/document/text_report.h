// The calculation report as plain text: the sheets of the print layout drawn on a character
// grid (one character per width unit, double-byte characters two wide), each sheet followed by
// its page number line and a form feed.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "document/document.h"

namespace kesto {

// Draws every sheet of the report of `doc` with its print settings and hands the text to
// `write` in blocks of whole sheets, about a megabyte each: a large building's report runs to
// hundreds of megabytes. The document's current page is left as it was.
void renderTextReport(KestoDocument& doc, const std::function<void(std::string_view)>& write);
// The whole report as one text.
std::string renderTextReport(KestoDocument& doc);

}  // namespace kesto
