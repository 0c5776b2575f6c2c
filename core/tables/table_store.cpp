#include "tables/table_store.h"

#include "tables/section_properties.h"
#include "tables/table_files.h"
#include "tables/table_problems.h"

namespace kesto {
namespace {

template <class Row>
void addUnlessNamed(OwnedList<Row>& table, Row row) {
    for (const Row& r : table) {
        if (r.name == row.name) {
            return;
        }
    }
    table.append(std::move(row));
}

// Runs one table read; a damaged file counts as a failed read and is reported.
template <class Read>
bool tryRead(const std::string& path, Read read, TableProblems& problems) {
    try {
        return read(path) == 0;
    } catch (const std::exception& e) {
        problems.push_back(tableReadProblem(path, e.what()));
        return false;
    }
}

CSteel namedSection(CSteel row) {
    computeSectionProperties(row, true);
    row.name = makeSectionName(row);
    return row;
}

}  // namespace

CSteel defaultHSection() {
    CSteel row;
    row.shapeType = 0;
    row.depth = 200;
    row.width = 100;
    row.webThickness = 5.5;
    row.flangeThickness = 8;
    row.filletRadius = 11;
    return namedSection(row);
}

CSteel defaultTubeSection() {
    CSteel row;
    row.shapeType = 1;
    row.depth = 200;
    row.width = 200;
    row.webThickness = 6.0;
    row.filletRadius = 15;
    return namedSection(row);
}

CABolt defaultAnchorBolt() {
    return CABolt{"M30", 30, 31.5, 7.07, 4.95};
}

TableProblems readNamedSectionTables(CKestoCnt& cnt, const std::string& programFolder,
                                     bool addDefaults) {
    TableProblems problems;
    const bool hRead = tryRead(
        programFolder + cnt.hSteelTableName,
        [&](const std::string& path) {
            return readSectionTable(path, cnt.hSteelTable, cnt.hSteelTableTitle);
        },
        problems);
    const bool tubeRead = tryRead(
        programFolder + cnt.tubeTableName,
        [&](const std::string& path) {
            return readSectionTable(path, cnt.tubeTable, cnt.tubeTableTitle);
        },
        problems);
    const bool boltRead = tryRead(
        programFolder + cnt.boltTableName,
        [&](const std::string& path) {
            return readBoltTable(path, cnt.boltTable, cnt.boltTableTitle);
        },
        problems);
    if (addDefaults) {
        if (!hRead) {
            addUnlessNamed(cnt.hSteelTable, defaultHSection());
        }
        if (!tubeRead) {
            addUnlessNamed(cnt.tubeTable, defaultTubeSection());
        }
        if (!boltRead) {
            addUnlessNamed(cnt.boltTable, defaultAnchorBolt());
        }
    }
    return problems;
}

TableProblems loadTablesForNewDocument(CKestoCnt& cnt, const std::string& programFolder,
                                       const Profile& profile) {
    cnt.hSteelTableName =
        profile.getString(kTableNamesSection, kHSteelNameKey, cnt.hSteelTableName);
    cnt.tubeTableName = profile.getString(kTableNamesSection, kTubeNameKey, cnt.tubeTableName);
    cnt.boltTableName = profile.getString(kTableNamesSection, kBoltNameKey, cnt.boltTableName);
    return readNamedSectionTables(cnt, programFolder, true);
}

TableProblems writeTablesAtProgramEnd(CKestoCnt& cnt, const std::string& programFolder,
                                      int unitSystem, Profile& profile) {
    TableProblems problems = saveMaterialTables(cnt, programFolder, unitSystem);
    const auto write = [&](bool& modified, const std::string& name, auto writeFn) {
        if (!modified) {
            return;
        }
        if (writeFn(programFolder + name) == 0) {
            modified = false;
        } else {
            problems.push_back(tableWriteProblem(programFolder + name, {}));
        }
    };
    write(cnt.hSteelModified, cnt.hSteelTableName, [&](const std::string& path) {
        return writeSectionTable(path, cnt.hSteelTable, cnt.hSteelTableTitle);
    });
    write(cnt.tubeModified, cnt.tubeTableName, [&](const std::string& path) {
        return writeSectionTable(path, cnt.tubeTable, cnt.tubeTableTitle);
    });
    write(cnt.boltModified, cnt.boltTableName, [&](const std::string& path) {
        return writeBoltTable(path, cnt.boltTable, cnt.boltTableTitle);
    });
    profile.setString(kTableNamesSection, kHSteelNameKey, cnt.hSteelTableName);
    profile.setString(kTableNamesSection, kTubeNameKey, cnt.tubeTableName);
    profile.setString(kTableNamesSection, kBoltNameKey, cnt.boltTableName);
    return problems;
}

}  // namespace kesto
