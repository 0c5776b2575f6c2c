// A document opened with the shipped tables and recalculated: every result, combination and
// detail line a user can see holds only finite numbers.
#include <cctype>
#include <cmath>

#include "base/archive.h"
#include "calc/calculation_commands.h"
#include "fuzz_support.h"
#include "model/document_file.h"
#include "tables/material_tables.h"
#include "tables/table_files.h"

using namespace kesto;

namespace {

// The shipped tables of both units, read once.
struct ShippedTables {
    CKestoCnt units[2];
};

ShippedTables& shipped() {
    static ShippedTables tables;
    return tables;
}

bool allFinite(const CKesto& page) {
    bool finite = std::isfinite(page.usedAa) && std::isfinite(page.usedAc);
    for (const auto& f : kAllowableResults) {
        for (const auto& dir : page.*f.member) {
            for (double v : dir) {
                finite = finite && std::isfinite(v);
            }
        }
    }
    for (const auto& slot : page.ultimateResults) {
        finite = finite && std::isfinite(slot[0]) && std::isfinite(slot[1]);
    }
    const auto listFinite = [&](const OwnedList<CStress>& list) {
        for (const CStress& s : list) {
            finite = finite && std::isfinite(s.n) && std::isfinite(s.m) && std::isfinite(s.q);
        }
    };
    for (const auto& dir : page.comboResults) {
        listFinite(dir[0]);
        listFinite(dir[1]);
    }
    listFinite(page.ultimateComboResults[0]);
    listFinite(page.ultimateComboResults[1]);
    return finite;
}

// printf writes a non-finite number as "inf" or "nan"; names in the document may hold those
// letters too, so the detail lines are judged only for documents whose texts do not.
bool mentionsNonFinite(std::string_view text) {
    std::string lower;
    for (char c : text) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

bool textsMentionNonFinite(const CKestoCnt& cnt) {
    bool found = false;
    const auto text = [&](const std::string& s) { found = found || mentionsNonFinite(s); };
    for (const auto& s : cnt.stressNames) {
        text(s.label);
    }
    for (const auto* list : {&cnt.longTermCombos, &cnt.shortTermCombos, &cnt.ultimateCombos}) {
        for (const auto& e : *list) {
            text(e.expression);
        }
    }
    for (const CKesto& p : cnt.pages) {
        for (const auto* s :
             {&p.mark, &p.concreteGrade, &p.columnSteelGrade, &p.basePlateSteelGrade,
              &p.ribSteelGrade, &p.boltSteelGrade, &p.boltName, &p.columnSection}) {
            text(*s);
        }
        for (const auto& list : p.basicStresses) {
            for (const auto& s : list) {
                text(s.name);
            }
        }
    }
    return found;
}

void swapTables(CKestoCnt& a, CKestoCnt& b) {
    a.concreteTable.swap(b.concreteTable);
    a.steelGradeTable.swap(b.steelGradeTable);
    a.hSteelTable.swap(b.hSteelTable);
    a.tubeTable.swap(b.tubeTable);
    a.boltTable.swap(b.boltTable);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::string folder = KESTO_PROGRAM_FOLDER;
    for (int unit = 0; unit < 2; ++unit) {
        CKestoCnt& c = shipped().units[unit];
        loadMaterialTables(c, folder, unit);
        readSectionTable(folder + c.hSteelTableName, c.hSteelTable, c.hSteelTableTitle);
        readSectionTable(folder + c.tubeTableName, c.tubeTable, c.tubeTableTitle);
        readBoltTable(folder + c.boltTableName, c.boltTable, c.boltTableTitle);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto read = fuzz::readableDocument(data, size);
    if (!read) {
        return 0;
    }
    DocumentData& doc = *read;
    CKestoCnt& cnt = doc.conditions;
    CKestoCnt& tables = shipped().units[doc.unitSystem == 0 ? 0 : 1];
    cnt.writeDetailFile = 1;
    swapTables(cnt, tables);
    std::vector<std::string> messages;
    calculateAllPages(cnt, doc.unitSystem, {}, messages);
    swapTables(cnt, tables);
    for (const CKesto& page : cnt.pages) {
        fuzz::require(allFinite(page), "a result is not a finite number");
    }
    if (!textsMentionNonFinite(cnt)) {
        for (const std::string_view line : cnt.detailLines) {
            fuzz::require(!mentionsNonFinite(line), "a detail line shows inf or nan");
        }
    }
    return 0;
}
