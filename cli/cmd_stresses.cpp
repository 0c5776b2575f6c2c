// stresses export / import: the forces of every page as a stress table (CSV) and back.
#include <iostream>

#include "command.h"
#include "model/document_file.h"
#include "model/stress_table.h"
#include "platform/files.h"

namespace kesto::cli {
namespace {

int runExport(const ParsedArgs& parsed) {
    if (parsed.positional.size() != 2) {
        throw UsageError("expected one document");
    }
    const std::string& path = parsed.positional[1];
    const DocumentData doc = parseDocument(readFile(path), path);
    const std::string table = writeStressTable(doc.conditions);
    if (parsed.has("-o")) {
        writeFileAtomic(parsed.value("-o"), table);
    } else {
        std::cout << table;
    }
    return kExitOk;
}

int runImport(const ParsedArgs& parsed) {
    if (parsed.positional.size() != 3 || !parsed.has("-o")) {
        throw UsageError("expected a document, a stress table and -o OUT.kso");
    }
    const std::string& path = parsed.positional[1];
    const std::string& tablePath = parsed.positional[2];
    DocumentData doc = parseDocument(readFile(path), path);
    const std::string table = readFile(tablePath);
    const StressTableImport result =
        importStressTable(table, doc.conditions, doc.unitSystem, parsed.has("--create"));
    if (!result.problems.empty()) {
        for (const StressTableProblem& p : result.problems) {
            std::cerr << tablePath << ':' << p.line << ": " << p.text << "\n";
        }
        std::cerr << "nothing imported: " << result.problems.size() << " problem"
                  << (result.problems.size() == 1 ? "" : "s") << "\n";
        return kExitFailure;
    }
    writeFileAtomic(parsed.value("-o"), serializeDocument(doc));
    std::cout << result.rows << " rows imported, " << result.pagesAdded << " pages added\n";
    return kExitOk;
}

int runStresses(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {"-o"}, {"--create"});
    const std::string action = parsed.positional.empty() ? "" : parsed.positional[0];
    if (action == "export" && !parsed.has("--create")) {
        return runExport(parsed);
    }
    if (action == "import") {
        return runImport(parsed);
    }
    throw UsageError("expected export or import");
}

const Registration stressesCommand{
    {"stresses",
     "kesto-cli stresses export DOC.kso [-o OUT.csv]\n"
     "  kesto-cli stresses import DOC.kso TABLE.csv -o OUT.kso [--create]",
     runStresses}};

}  // namespace
}  // namespace kesto::cli
