#include "report/results_table.h"

#include "base/csv.h"
#include "base/text_format.h"

namespace kesto {

bool hasFindings(const CKesto& page) {
    if (!page.errorMessages.empty()) {
        return true;
    }
    for (int dir = 0; dir < 2; ++dir) {
        if (page.ultimateJudgement[dir] == kJudgedNg) {
            return true;
        }
        for (int slot = 0; slot < 2; ++slot) {
            if (page.allowJudgement[dir][slot] == kJudgedNg) {
                return true;
            }
        }
    }
    return false;
}

std::string writeResultsTable(const CKestoCnt& cnt) {
    std::string out(kUtf8Bom);
    out += "mark,section";
    for (const char* dir : {"X", "Y"}) {
        for (const char* term : {"long", "short", "ultimate"}) {
            out += strprintf(",%s %s ratio,%s %s", dir, term, dir, term);
        }
    }
    out += ",messages\r\n";
    for (const CKesto& page : cnt.pages) {
        out += csvField(page.mark) + ',' + csvField(page.columnSection);
        for (int dir = 0; dir < 2; ++dir) {
            for (int slot = 0; slot < 2; ++slot) {
                out += strprintf(",%.3f,%s", page.ratioMax[dir][slot],
                                 judgementText(page.allowJudgement[dir][slot]));
            }
            out += strprintf(",%.3f,%s", page.ultimateResults[kGoverningUltimateSlot][dir],
                             judgementText(page.ultimateJudgement[dir]));
        }
        out += strprintf(",%zu\r\n", page.errorMessages.size() + page.ngMessages.size());
    }
    return out;
}

}  // namespace kesto
