#include "document/open_document.h"

#include "platform/files.h"
#include "tables/table_store.h"

namespace kesto {

TableProblems openDocument(const std::string& path, const std::string& programFolder,
                           DocumentData& current) {
    return takeReadDocument(parseDocument(readFile(path), path), programFolder, current);
}

TableProblems takeReadDocument(DocumentData next, const std::string& programFolder,
                               DocumentData& current) {
    TableProblems problems =
        saveMaterialTables(current.conditions, programFolder, current.unitSystem);
    next.conditions.adoptRunTimeMembers(current.conditions);
    for (auto& p : loadMaterialTables(next.conditions, programFolder, next.unitSystem)) {
        problems.push_back(std::move(p));
    }
    for (auto& p : readNamedSectionTables(next.conditions, programFolder, false)) {
        problems.push_back(std::move(p));
    }
    current = std::move(next);
    return problems;
}

}  // namespace kesto
