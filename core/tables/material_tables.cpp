#include "tables/material_tables.h"

#include "base/archive.h"
#include "platform/files.h"
#include "tables/table_files.h"

namespace kesto {
namespace {

bool isSi(int unitSystem) {
    return unitSystem == 1;
}

// Reads a file that may be absent; a damaged one is reported and leaves `table` as it was.
template <class Parse, class Table>
void loadTable(const std::string& path, Table& table, TableProblems& problems, Parse parse) {
    try {
        const auto bytes = readFileIfExists(path);
        if (bytes) {
            auto rows = parse(*bytes);
            table.swap(rows);
        }
    } catch (const std::exception& e) {
        problems.push_back(e.what());
    }
}

template <class Serialize>
void saveTable(const std::string& path, bool& modified, TableProblems& problems,
               Serialize serialize) {
    if (!modified) {
        return;
    }
    try {
        writeFileAtomic(path, serialize());
        modified = false;
    } catch (const std::exception& e) {
        problems.push_back(e.what());
    }
}

}  // namespace

std::string concreteFileName(int unitSystem) {
    return isSi(unitSystem) ? "ConcRawSI.tbl" : "ConcRaw.tbl";
}

std::string steelGradeFileName(int unitSystem) {
    return isSi(unitSystem) ? "鋼材材質SI.tbl" : "鋼材材質.tbl";
}

TableProblems loadMaterialTables(CKestoCnt& cnt, const std::string& programFolder, int unitSystem) {
    TableProblems problems;
    const std::string concretePath = programFolder + concreteFileName(unitSystem);
    loadTable(concretePath, cnt.concreteTable, problems,
              [&](const std::string& bytes) { return parseConcreteTable(bytes, concretePath); });
    const std::string steelPath = programFolder + steelGradeFileName(unitSystem);
    loadTable(steelPath, cnt.steelGradeTable, problems, [&](const std::string& bytes) {
        return std::move(parseSteelGradeTable(bytes, steelPath).rows);
    });
    return problems;
}

TableProblems saveMaterialTables(CKestoCnt& cnt, const std::string& programFolder, int unitSystem) {
    TableProblems problems;
    saveTable(programFolder + concreteFileName(unitSystem), cnt.concreteModified, problems,
              [&] { return serializeConcreteTable(cnt.concreteTable); });
    saveTable(programFolder + steelGradeFileName(unitSystem), cnt.steelGradeModified, problems,
              [&] { return serializeSteelGradeTable(cnt.steelGradeTable); });
    return problems;
}

bool switchUnitSystem(CKestoCnt& cnt, const std::string& programFolder, int& unitSystem, int target,
                      TableProblems& problems) {
    if (unitSystem == target) {
        return false;
    }
    problems = saveMaterialTables(cnt, programFolder, unitSystem);
    unitSystem = target;
    for (auto& p : loadMaterialTables(cnt, programFolder, unitSystem)) {
        problems.push_back(std::move(p));
    }
    return true;
}

}  // namespace kesto
