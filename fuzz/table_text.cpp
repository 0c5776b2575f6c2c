// The readable table sources the shipped tables are built from: what builds reads back.
#include "tables/table_text.h"
#include "fuzz_support.h"
#include "tables/table_files.h"

using namespace kesto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string built;
    try {
        built = buildTableFromText(fuzz::bytesOf(data, size), "fuzz.txt");
    } catch (const TableTextError&) {
        return 0;
    }
    fuzz::require(detectStoredFileKind(built) != StoredFileKind::unknown,
                  "a built table is not recognised");
    return 0;
}
