#include "tables/table_store.h"

#include <cctype>

#include "base/text_format.h"
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

// Reads the table named `name` from the program folder, unless the name could lead elsewhere.
// A damaged or unreadable file counts as a failed read and is reported; so is a name that is not
// a plain file name. No file has the empty name.
template <class Read>
bool tryReadNamed(const std::string& programFolder, const std::string& name, Read read,
                  TableProblems& problems) {
    if (name.empty()) {
        return false;
    }
    if (!isPlainFileName(name)) {
        problems.push_back(tableNameProblem(name, true));
        return false;
    }
    try {
        return read(programFolder + name) == 0;
    } catch (const std::exception& e) {
        problems.push_back(tableReadProblem(programFolder + name, e.what()));
        return false;
    }
}

// Windows opens these names, with any extension, as devices rather than files.
bool isDeviceName(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    for (char& c : stem) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") {
        return true;
    }
    return stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
}

CSteel namedSection(CSteel row) {
    computeSectionProperties(row, true);
    row.name = makeSectionName(row);
    return row;
}

}  // namespace

bool isPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || isDeviceName(name)) {
        return false;
    }
    for (const char c : name) {
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    return true;
}

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
    const bool hRead = tryReadNamed(
        programFolder, cnt.hSteelTableName,
        [&](const std::string& path) {
            return readSectionTable(path, cnt.hSteelTable, cnt.hSteelTableTitle);
        },
        problems);
    const bool tubeRead = tryReadNamed(
        programFolder, cnt.tubeTableName,
        [&](const std::string& path) {
            return readSectionTable(path, cnt.tubeTable, cnt.tubeTableTitle);
        },
        problems);
    const bool boltRead = tryReadNamed(
        programFolder, cnt.boltTableName,
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
        if (!isPlainFileName(name)) {
            problems.push_back(tableNameProblem(name, false));
        } else if (writeFn(programFolder + name) == 0) {
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
