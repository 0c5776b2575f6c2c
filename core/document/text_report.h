// The calculation report as plain text: the sheets of the print layout drawn on a character
// grid (one character per width unit, double-byte characters two wide), each sheet followed by
// its page number line and a form feed.
#pragma once

#include <string>

#include "document/document.h"

namespace kesto {

// Draws every sheet of the report of `doc` with its print settings. The document's current
// page is left as it was.
std::string renderTextReport(KestoDocument& doc);

}  // namespace kesto
