// tables, section and maketable: what is installed beside the program, computed section
// properties, and table files built from their text sources.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "base/archive.h"
#include "command.h"
#include "platform/files.h"
#include "tables/material_tables.h"
#include "tables/section_properties.h"
#include "tables/table_json.h"
#include "tables/table_text.h"

namespace kesto::cli {
namespace {

using ojson = nlohmann::ordered_json;

// What each standard file is for; the section and bolt names are those of a new document.
std::vector<std::pair<std::string, std::string>> standardFiles() {
    return {{concreteFileName(0), "concrete grades, gravity units"},
            {concreteFileName(1), "concrete grades, SI units"},
            {steelGradeFileName(0), "steel grades, gravity units"},
            {steelGradeFileName(1), "steel grades, SI units"},
            {"Ｈ形鋼JIS.tbl", "H-shapes, default"},
            {"角鋼管BCR.tbl", "square tubes, default"},
            {"切削並目JIS.tbl", "anchor bolts, default"}};
}

int runTables(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {"--program-folder"}, {});
    if (!parsed.positional.empty()) {
        throw UsageError("expected no file");
    }
    const std::string folder = programFolderOf(parsed);
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.size() > 4 && name.ends_with(".tbl")) {
            names.push_back(name);
        }
    }
    if (ec) {
        throw FileAccessError("cannot list \"" + folder + "\": " + ec.message());
    }
    std::sort(names.begin(), names.end());
    const auto standard = standardFiles();
    for (const auto& [name, role] : standard) {
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    }

    bool damaged = false;
    ojson list = ojson::array();
    for (const auto& name : names) {
        ojson e;
        e["file"] = name;
        for (const auto& [standardName, role] : standard) {
            if (standardName == name) {
                e["role"] = role;
            }
        }
        const auto bytes = readFileIfExists(folder + name);
        e["installed"] = bytes.has_value();
        if (bytes) {
            const StoredFileKind kind = detectStoredFileKind(*bytes);
            try {
                if (tableKindName(kind).empty()) {
                    throw FileFormatError("not a table file");
                }
                const ojson table = tableFileToJson(*bytes, name, kind);
                e["kind"] = table["kind"];
                e["signature"] = table["signature"];
                e["comment"] = table["comment"];
                e["rows"] = table["rows"].size();
            } catch (const std::exception& err) {
                e["error"] = err.what();
                damaged = true;
            }
        }
        list.push_back(std::move(e));
    }
    std::cout << list.dump(2) << "\n";
    return damaged ? kExitFindings : kExitOk;
}

double dimension(const std::string& text, const char* what) {
    double v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc{} || ptr != text.data() + text.size() ||
        !std::isfinite(v) || v < 0) {
        throw UsageError(std::string(what) + " \"" + text + "\" is not a dimension in mm");
    }
    return v;
}

int runSection(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {"--program-folder"}, {"--round"});
    const auto& p = parsed.positional;
    CSteel row;
    if (!p.empty() && p[0] == "h" && p.size() == 6) {
        row.shapeType = 0;
        row.depth = dimension(p[1], "H");
        row.width = dimension(p[2], "B");
        row.webThickness = dimension(p[3], "tw");
        row.flangeThickness = dimension(p[4], "tf");
        row.filletRadius = dimension(p[5], "r");
    } else if (!p.empty() && p[0] == "tube" && p.size() == 5) {
        row.shapeType = 1;
        row.depth = dimension(p[1], "H");
        row.width = dimension(p[2], "B");
        row.webThickness = dimension(p[3], "t");
        row.filletRadius = dimension(p[4], "r");
    } else {
        throw UsageError("expected h H B tw tf r, or tube H B t r");
    }
    computeSectionProperties(row, parsed.has("--round"));
    row.name = makeSectionName(row);
    std::cout << sectionRowToJson(row).dump(2) << "\n";
    return kExitOk;
}

int runMakeTable(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {"-o"}, {});
    if (parsed.positional.size() != 1 || !parsed.has("-o")) {
        throw UsageError("expected one text source and -o OUT.tbl");
    }
    const std::string& path = parsed.positional[0];
    writeFileAtomic(parsed.value("-o"), buildTableFromText(readFile(path), path));
    return kExitOk;
}

const Registration tablesCommand{{"tables", "kesto-cli tables [--program-folder DIR]", runTables}};
const Registration sectionCommand{
    {"section",
     "kesto-cli section h H B tw tf r [--round]\n  kesto-cli section tube H B t r [--round]",
     runSection}};
const Registration makeTableCommand{
    {"maketable", "kesto-cli maketable SOURCE.txt -o OUT.tbl", runMakeTable}};

}  // namespace
}  // namespace kesto::cli
