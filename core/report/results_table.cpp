#include "report/results_table.h"

#include "base/csv.h"
#include "base/text_format.h"
#include "report/figure.h"

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

std::vector<ResultsRow> resultsRows(const CKestoCnt& cnt) {
    std::vector<ResultsRow> rows;
    rows.reserve(cnt.pages.size());
    for (const CKesto& page : cnt.pages) {
        ResultsRow& row = rows.emplace_back();
        row.page = static_cast<int>(rows.size()) - 1;
        row.mark = page.mark;
        row.section = page.columnSection;
        row.plate = buildFigureCaptions(page).plate;
        for (int dir = 0; dir < 2; ++dir) {
            for (int slot = 0; slot < 2; ++slot) {
                row.ratio[dir][slot] = page.ratioMax[dir][slot];
                row.judgement[dir][slot] = page.allowJudgement[dir][slot];
            }
            row.ratio[dir][2] = page.ultimateResults[kGoverningUltimateSlot][dir];
            row.judgement[dir][2] = page.ultimateJudgement[dir];
        }
        row.messages = static_cast<int>(page.errorMessages.size() + page.ngMessages.size());
        row.findings = hasFindings(page);
    }
    return rows;
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
    for (const ResultsRow& row : resultsRows(cnt)) {
        out += csvField(row.mark) + ',' + csvField(row.section);
        for (int dir = 0; dir < 2; ++dir) {
            for (int term = 0; term < 3; ++term) {
                out += strprintf(",%.3f,%s", row.ratio[dir][term],
                                 judgementText(row.judgement[dir][term]));
            }
        }
        out += strprintf(",%d\r\n", row.messages);
    }
    return out;
}

}  // namespace kesto
