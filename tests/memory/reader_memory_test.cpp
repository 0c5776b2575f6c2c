// Reading and importing cost memory in proportion to the pages, whatever a file holds: at most
// 4 KiB a page beyond the bytes of the input and of the output, plus a small fixed amount.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "document/json_import.h"
#include "heap_accounting.h"
#include "legacy_file.h"
#include "model/document_file.h"
#include "model/document_json.h"
#include "model/new_document.h"

namespace kesto {
namespace {

using test::peakHeapDuring;

constexpr std::size_t kPerPage = 4096;
constexpr std::size_t kFixed = std::size_t{1} << 20;

DocumentData documentOf(int pages, int stressesPerDirection) {
    DocumentData doc;
    installBuiltInDefaults(doc.conditions);
    for (int i = 0; i < pages; ++i) {
        CKesto& page = doc.conditions.pages.append(makeNewPage(doc.conditions, 1));
        page.mark = "C" + std::to_string(i);
        for (auto& list : page.basicStresses) {
            for (int k = 0; k < stressesPerDirection; ++k) {
                list.append(CStress{"S" + std::to_string(k), 1.5 * k, 2.0, 3.0});
            }
        }
    }
    return doc;
}

TEST(ReaderMemory, ADocumentTakesAtMostAPageBudgetPerPage) {
    const std::string file = serializeDocument(documentOf(2000, 0));
    const std::size_t peak = peakHeapDuring([&] { parseDocument(file, "pages.kso"); });
    EXPECT_LT(peak, 2000 * kPerPage + kFixed) << peak;
}

// A million empty messages of a format 1.02 page (one byte each in the file) are not kept.
TEST(ReaderMemory, OldMessageListsCostNothing) {
    const std::string file = test::LegacyFile("1.02").withOnePage(1'000'000);
    const std::size_t peak = peakHeapDuring([&] { parseDocument(file, "messages.kso"); });
    EXPECT_LT(peak, kPerPage + kFixed) << peak;
}

// The import holds the pages as stored bytes, never the whole text as a tree: pages with long
// stress lists cost little more than the file they become.
TEST(ReaderMemory, ImportHoldsNoTreeOfTheWholeText) {
    const std::string text = documentToJson(documentOf(2000, 30)).dump();
    std::size_t stored = 0;
    const std::size_t peak =
        peakHeapDuring([&] { stored = importJson(text, "pages.json").size(); });
    EXPECT_LT(peak, 4 * stored + kPerPage + kFixed) << peak << " for " << stored << " bytes";
}

}  // namespace
}  // namespace kesto
