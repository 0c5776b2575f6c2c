// A document of many pages for the benchmarks: built-in conditions, pages with forces.
#pragma once

#include <string>

#include "model/document_file.h"
#include "model/new_document.h"

namespace kesto::bench {

inline DocumentData largeDocument(int pages) {
    DocumentData doc;
    installBuiltInDefaults(doc.conditions);
    doc.buildingName = "ベンチマーク";
    for (int i = 0; i < pages; ++i) {
        auto& page = doc.conditions.pages.append(makeNewPage(doc.conditions, 1));
        page.mark = "C" + std::to_string(i + 1);
        page.basicStresses[0][0].n = 100.0 + i;
        page.basicStresses[1][1].m = 25.5;
    }
    return doc;
}

}  // namespace kesto::bench
