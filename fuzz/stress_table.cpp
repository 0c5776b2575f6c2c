// The stress table a spreadsheet gives back: what imports is written out and imports again.
#include "model/stress_table.h"
#include "fuzz_support.h"
#include "model/new_document.h"

using namespace kesto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CKestoCnt cnt;
    installBuiltInDefaults(cnt);
    cnt.pages.append(makeNewPage(cnt, 1)).mark = "C1";
    cnt.pages.append(makeNewPage(cnt, 1)).mark = "C2";
    const bool addPages = size > 0 && (data[0] & 1) != 0;
    if (!importStressTable(fuzz::bytesOf(data, size), cnt, 1, addPages).problems.empty()) {
        return 0;
    }
    const std::string written = writeStressTable(cnt);
    CKestoCnt again = cnt;
    fuzz::require(importStressTable(written, again, 1, false).problems.empty(),
                  "a written stress table does not import");
    fuzz::require(writeStressTable(again) == written, "a stress table reads back differently");
    return 0;
}
