// The JSON import of documents and tables: what imports reads back as a stored file whose own
// dump imports to the same bytes.
#include <nlohmann/json.hpp>

#include "fuzz_support.h"
#include "model/archive.h"
#include "model/document_file.h"
#include "model/document_json.h"
#include "model/json_fields.h"
#include "tables/table_files.h"
#include "tables/table_json.h"

using namespace kesto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::bytesOf(data, size);
    std::string stored;
    bool table = false;
    try {
        const auto j = nlohmann::json::parse(text);
        table = isTableJson(j);
        stored = table ? tableFileFromJson(j) : serializeDocument(documentFromJson(j));
    } catch (const nlohmann::json::exception&) {
        return 0;
    } catch (const JsonInputError&) {
        return 0;
    } catch (const FileFormatError&) {
        return 0;  // a text without a code page 932 form
    }
    std::string again;
    if (table) {
        const StoredFileKind kind = detectStoredFileKind(stored);
        fuzz::require(!tableKindName(kind).empty(), "an imported table is not recognised");
        again = tableFileFromJson(
            nlohmann::json::parse(tableFileToJson(stored, "stored.tbl", kind).dump()));
    } else {
        again = serializeDocument(documentFromJson(
            nlohmann::json::parse(documentToJson(parseDocument(stored, "stored.kso")).dump())));
    }
    fuzz::require(again == stored, "an imported file dumps and imports to other bytes");
    return 0;
}
