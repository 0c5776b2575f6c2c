// Documents of every format version: what reads is stored again unchanged, and its JSON dump
// imports back to the same bytes.
#include "base/archive.h"
#include "document/json_import.h"
#include "fuzz_support.h"
#include "model/document_file.h"
#include "model/document_json.h"

using namespace kesto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto read = fuzz::readableDocument(data, size);
    if (!read) {
        return 0;
    }
    DocumentData& doc = *read;
    const std::string stored = serializeDocument(doc);
    fuzz::require(serializeDocument(parseDocument(stored, "stored.kso")) == stored,
                  "a stored document reads back differently");
    fuzz::require(importJson(documentToJson(doc).dump(), "dump.json") == stored,
                  "dump then import changes the document");
    return 0;
}
