// The four table layouts (section, anchor bolt, steel grade, concrete): every parser meets the
// same bytes; a file of a recognised kind dumps to JSON and imports back to the bytes its rows
// are stored as.
#include "base/archive.h"
#include "document/json_import.h"
#include "fuzz_support.h"
#include "tables/table_files.h"
#include "tables/table_json.h"

using namespace kesto;

namespace {

// The bytes the rows of a readable file are stored as, or "" when the file does not read.
template <class Parse>
std::string storedForm(Parse parse) {
    try {
        return parse();
    } catch (const FileFormatError&) {
        return {};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const std::string section = storedForm([&] {
        const auto f = parseSectionTable(bytes, "fuzz.tbl");
        return f ? serializeSectionTable(f->rows, f->comment) : std::string();
    });
    const std::string bolt = storedForm([&] {
        const auto f = parseBoltTable(bytes, "fuzz.tbl");
        return f ? serializeBoltTable(f->rows, f->comment) : std::string();
    });
    const std::string steel = storedForm(
        [&] { return serializeSteelGradeTable(parseSteelGradeTable(bytes, "fuzz.tbl").rows); });
    const std::string concrete =
        storedForm([&] { return serializeConcreteTable(parseConcreteTable(bytes, "fuzz.tbl")); });

    const StoredFileKind kind = detectStoredFileKind(bytes);
    if (tableKindName(kind).empty()) {
        return 0;
    }
    nlohmann::ordered_json dumped;
    try {
        dumped = tableFileToJson(bytes, "fuzz.tbl", kind);
    } catch (const FileFormatError&) {
        return 0;
    }
    const std::string imported = importJson(dumped.dump(), "dump.json");
    const std::string& expected = kind == StoredFileKind::sectionTable      ? section
                                  : kind == StoredFileKind::boltTable       ? bolt
                                  : kind == StoredFileKind::steelGradeTable ? steel
                                                                            : concrete;
    fuzz::require(imported == expected, "dump then import changes the table");
    return 0;
}
