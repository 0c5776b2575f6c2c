// The calculation commands around the page calculation: calculate this page, calculate all
// pages, the recalculation when a document is opened and the message list.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/conditions.h"

namespace kesto {

// Appends a page's messages to a message list: "[mark]", "  E：..." per error, "  W：..." per
// NG message; nothing for a page without messages.
void collectMessages(const CKesto& page, std::vector<std::string>& messageLines);

// Told after each page of a long run: the pages done and the page count. Returning false stops
// calculating all pages after that page (the pages done keep their results and messages); the
// recalculation of an opened document always runs to the end.
using PageProgress = std::function<bool(int done, int total)>;

// Told after each page of calculating all pages, with the page and the detail lines so far. The
// detail of a large building runs to hundreds of megabytes: a sink that writes the lines out as
// the pages are calculated empties them, so that they are never held whole; it may as well drop
// what its caller no longer needs of the page.
using PageSink = std::function<void(CKesto& page, TextLines& detailLines)>;

// Calculate this page / all pages: empties the detail lines and, with the detail file on,
// starts them with `detailHeader` (document path and conditions block); empties the message
// list, calculates and collects the messages. The caller then writes the detail file (the lines a
// sink left).
void calculateThisPage(CKestoCnt& cnt, CKesto& page, int unitSystem,
                       const std::vector<std::string>& detailHeader,
                       std::vector<std::string>& messageLines);
// Calculating all pages returns the number of pages calculated; `pageSink` is told after each
// page.
int calculateAllPages(CKestoCnt& cnt, int unitSystem, const std::vector<std::string>& detailHeader,
                      std::vector<std::string>& messageLines, const PageProgress& progress = {},
                      const PageSink& pageSink = {});

// The pages of a run one at a time: the next page, or none after the last.
using PageSource = std::function<CKesto*()>;
// Calculating all pages of a building whose pages are not held by the conditions (one read at a
// time from its file): the same as calculateAllPages over the pages `nextPage` gives.
int calculatePages(CKestoCnt& cnt, int unitSystem, const std::vector<std::string>& detailHeader,
                   std::vector<std::string>& messageLines, const PageSource& nextPage,
                   const PageSink& pageSink = {});

// After a document is opened: empties the message list and calculates every page; the detail
// lines are neither emptied nor written.
void recalculateOnOpen(CKestoCnt& cnt, int unitSystem, std::vector<std::string>& messageLines,
                       const PageProgress& progress = {});

}  // namespace kesto
