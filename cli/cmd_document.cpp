// new, dump and import of documents; dump and import also take table files.
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>

#include "command.h"
#include "document/json_import.h"
#include "model/document_file.h"
#include "model/document_json.h"
#include "model/new_document.h"
#include "platform/files.h"
#include "tables/table_json.h"

namespace kesto::cli {
namespace {

int runNew(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {}, {});
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one output file");
    }
    DocumentData doc;
    installBuiltInDefaults(doc.conditions);
    doc.unitSystem = 1;
    doc.buildingDate = formatBuildingDate(std::time(nullptr));
    doc.conditions.pages.append(makeNewPage(doc.conditions, doc.unitSystem));
    writeFileAtomic(parsed.positional[0], serializeDocument(doc));
    return kExitOk;
}

int runDump(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {}, {});
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one document or table file");
    }
    const std::string& path = parsed.positional[0];
    const std::string bytes = readFile(path);
    const StoredFileKind kind = detectStoredFileKind(bytes);
    if (!tableKindName(kind).empty()) {
        std::cout << tableFileToJson(bytes, path, kind).dump(2) << "\n";
        return kExitOk;
    }
    const DocumentData doc = parseDocument(bytes, path);
    writeDocumentJson(doc, std::cout);
    std::cout << "\n";
    return kExitOk;
}

int runImport(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {"-o"}, {});
    if (parsed.positional.size() != 1 || !parsed.has("-o")) {
        throw UsageError("expected one JSON file and -o OUT.kso (or OUT.tbl)");
    }
    const std::string& path = parsed.positional[0];
    writeFileAtomic(parsed.value("-o"), importJson(readFile(path), path));
    return kExitOk;
}

const Registration newCommand{{"new", "kesto-cli new OUT.kso", runNew}};
const Registration dumpCommand{{"dump", "kesto-cli dump DOC.kso|TABLE.tbl", runDump}};
const Registration importCommand{
    {"import", "kesto-cli import DOC.json -o OUT.kso\n  kesto-cli import TABLE.json -o OUT.tbl",
     runImport}};

}  // namespace
}  // namespace kesto::cli
