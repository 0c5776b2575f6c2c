#include "model/stress_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include "base/codepage.h"
#include "base/csv.h"
#include "base/message_text.h"
#include "base/text_format.h"
#include "model/new_document.h"

namespace kesto {
namespace {

enum Column { kMark, kDir, kCase, kN, kM, kQ, kColumnCount };

// Accepted header names per column; letters compare without regard to case.
const std::array<std::array<std::string_view, 2>, kColumnCount> kHeaderNames = {{
    {"mark", "符号"},
    {"dir", "方向"},
    {"case", "応力"},
    {"N", "Ｎ"},
    {"M", "Ｍ"},
    {"Q", "Ｑ"},
}};
// A building of a thousand column bases with a dozen cases stays far below this.
constexpr std::size_t kLargestStressTable = std::size_t{64} << 20;
// Beyond this many problems the table is plainly not a stress table; listing more helps nobody.
constexpr std::size_t kMostProblems = 1000;
constexpr std::string_view kHeaderLine = "mark,dir,case,N,M,Q";
constexpr const char* kDirNames[2] = {"X", "Y"};

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::optional<int> columnOf(std::string_view header) {
    for (int c = 0; c < kColumnCount; ++c) {
        for (std::string_view name : kHeaderNames[c]) {
            if (sameName(header, name)) {
                return c;
            }
        }
    }
    return std::nullopt;
}

std::optional<int> dirOf(std::string_view text) {
    if (text == "X" || text == "x" || text == "Ｘ") {
        return 0;
    }
    if (text == "Y" || text == "y" || text == "Ｙ") {
        return 1;
    }
    return std::nullopt;
}

// The loading sense of a route-3 case, or none for a basic case.
std::optional<int> senseOf(std::string_view stressCase) {
    for (int sense = 0; sense < 2; ++sense) {
        if (stressCase == kUltimateCases[sense]) {
            return sense;
        }
    }
    return std::nullopt;
}

bool isStressCase(const CKestoCnt& cnt, const std::string& symbol) {
    return std::any_of(cnt.stressNames.begin(), cnt.stressNames.end(),
                       [&](const CStressName& s) { return symbolOf(s.label) == symbol; });
}

void appendRow(std::string& out, const std::string& mark, int dir, std::string_view stressCase,
               double n, double m, double q) {
    out += csvField(mark) + ',' + kDirNames[dir] + ',' + csvField(stressCase) + ',' +
           exactNumberText(n) + ',' + exactNumberText(m) + ',' + exactNumberText(q) + "\r\n";
}

// One row that passed every check, waiting to be applied.
struct Assignment {
    std::string mark;
    int dir = 0;
    std::string stressCase;
    std::optional<int> sense;
    double n = 0, m = 0, q = 0;
};

class TableImport {
  public:
    TableImport(CKestoCnt& cnt, int unitSystem, bool addPages)
        : cnt_(cnt), unitSystem_(unitSystem), addPages_(addPages) {}

    StressTableImport run(std::string_view bytes) {
        if (bytes.size() > kLargestStressTable) {
            problem(1, strprintf(KESTO_MESSAGE("表が大きすぎます（%zuMBまで）"),
                                 kLargestStressTable >> 20));
            return finish();
        }
        const SpreadsheetText text = decodeSpreadsheetText(bytes);
        if (!text.utf8) {
            problem(text.badLine,
                    KESTO_MESSAGE("UTF-8でもシフトJIS（コードページ932）でもない文字があります"));
            return finish();
        }
        CsvTable table = parseCsv(*text.utf8);
        for (const CsvProblem& p : table.problems) {
            problem(p.line, p.kind == CsvProblem::unclosedQuote
                                ? KESTO_MESSAGE("引用符（\"）が閉じていません")
                                : KESTO_MESSAGE("閉じた引用符（\"）の後に文字があります"));
        }
        if (table.records.empty()) {
            problem(1, KESTO_MESSAGE("見出しの行がありません"));
            return finish();
        }
        if (!readHeader(table.records.front())) {
            return finish();
        }
        for (std::size_t i = 1; i < table.records.size(); ++i) {
            if (result_.problems.size() >= kMostProblems) {
                result_.problems.push_back(
                    {table.records[i].line,
                     KESTO_MESSAGE("問題が多いため、ここから先は調べていません")});
                break;
            }
            readRow(table.records[i]);
        }
        if (result_.problems.empty()) {
            apply();
        }
        return finish();
    }

  private:
    // A damaged file may hold a malformed quote on each of millions of lines: the list keeps
    // the first problems and counts the others.
    void problem(int line, std::string text) {
        if (result_.problems.size() < kMostProblems) {
            result_.problems.push_back({line, std::move(text)});
        } else if (unlisted_++ == 0) {
            firstUnlistedLine_ = line;
        }
    }

    StressTableImport finish() {
        std::stable_sort(result_.problems.begin(), result_.problems.end(),
                         [](const auto& a, const auto& b) { return a.line < b.line; });
        if (unlisted_ > 0) {
            result_.problems.push_back(
                {firstUnlistedLine_, strprintf("…ほか%zu件の問題があります", unlisted_)});
        }
        return std::move(result_);
    }

    bool readHeader(const CsvRecord& header) {
        columns_.fill(-1);
        const std::size_t before = result_.problems.size();
        for (std::size_t i = 0; i < header.fields.size(); ++i) {
            const std::string& name = header.fields[i];
            const auto column = columnOf(name);
            if (!column) {
                problem(header.line,
                        strprintf(KESTO_MESSAGE("見出しの「%s」は列の名前ではありません"),
                                  name.c_str()));
            } else if (columns_[*column] >= 0) {
                problem(header.line,
                        strprintf(KESTO_MESSAGE("見出しの「%s」が重複しています"), name.c_str()));
            } else {
                columns_[*column] = static_cast<int>(i);
            }
        }
        for (int c = 0; c < kColumnCount; ++c) {
            if (columns_[c] < 0) {
                problem(header.line,
                        strprintf(KESTO_MESSAGE("見出しに「%s」（%s）の列がありません"),
                                  std::string(kHeaderNames[c][0]).c_str(),
                                  std::string(kHeaderNames[c][1]).c_str()));
            }
        }
        fieldCount_ = header.fields.size();
        return result_.problems.size() == before;
    }

    // The one page with this mark; none (after a problem, unless it is to be added) otherwise.
    bool checkMark(int line, const std::string& mark) {
        const auto count = std::count_if(cnt_.pages.begin(), cnt_.pages.end(),
                                         [&](const CKesto& p) { return p.mark == mark; });
        if (count == 1) {
            return true;
        }
        if (count > 1) {
            problem(line, strprintf(KESTO_MESSAGE("符号「%s」のページが%d枚あります"), mark.c_str(),
                                    static_cast<int>(count)));
        } else if (!addPages_) {
            problem(line, strprintf(KESTO_MESSAGE("符号「%s」のページがありません"), mark.c_str()));
            result_.problems.back().unknownMark = true;
        } else if (mark.empty()) {
            problem(line, KESTO_MESSAGE("符号が空です"));
        } else if (!encodeCp932(mark)) {
            problem(line, strprintf(KESTO_MESSAGE("符号「%s」はシフトJISで表せない文字を含みます"),
                                    mark.c_str()));
        } else {
            if (std::find(added_.begin(), added_.end(), mark) == added_.end()) {
                added_.push_back(mark);
            }
            return true;
        }
        return false;
    }

    std::optional<double> number(int line, const std::string& text, int column) {
        const std::string label(kHeaderNames[column][0]);
        if (text.empty()) {
            problem(line, strprintf(KESTO_MESSAGE("%sが空です"), label.c_str()));
            return std::nullopt;
        }
        const auto value = parseNumberField(text);
        if (!value) {
            problem(line, strprintf(KESTO_MESSAGE("%s「%s」は数値ではありません"), label.c_str(),
                                    text.c_str()));
        } else if (std::fabs(*value) > kLargestEntry) {
            problem(line, strprintf(KESTO_MESSAGE("%s「%s」は-99999～99999の範囲にありません"),
                                    label.c_str(), text.c_str()));
            return std::nullopt;
        }
        return value;
    }

    void readRow(const CsvRecord& row) {
        const int line = row.line;
        if (row.fields.size() != fieldCount_) {
            problem(line,
                    strprintf(KESTO_MESSAGE("列が%d個あります（見出しは%d個）"),
                              static_cast<int>(row.fields.size()), static_cast<int>(fieldCount_)));
            return;
        }
        const auto field = [&](int c) -> const std::string& { return row.fields[columns_[c]]; };
        Assignment a;
        a.mark = field(kMark);
        bool good = checkMark(line, a.mark);
        const auto dir = dirOf(field(kDir));
        if (!dir) {
            problem(line, strprintf(KESTO_MESSAGE("方向「%s」はXかYで指定してください"),
                                    field(kDir).c_str()));
            good = false;
        }
        a.dir = dir.value_or(0);
        a.stressCase = field(kCase);
        a.sense = senseOf(a.stressCase);
        if (!a.sense && !isStressCase(cnt_, a.stressCase)) {
            problem(line,
                    strprintf(KESTO_MESSAGE("応力「%s」は基本応力の記号でも%sでも%sでもありません"),
                              a.stressCase.c_str(), std::string(kUltimateCases[0]).c_str(),
                              std::string(kUltimateCases[1]).c_str()));
            good = false;
        }
        const auto n = number(line, field(kN), kN);
        const auto m = number(line, field(kM), kM);
        const auto q = number(line, field(kQ), kQ);
        if (!n || !m || !q || !good) {
            return;
        }
        a.n = *n, a.m = *m, a.q = *q;
        const auto key = std::make_tuple(a.mark, a.dir, a.stressCase);
        const auto [it, isNew] = firstLine_.emplace(key, line);
        if (!isNew) {
            problem(line,
                    strprintf(KESTO_MESSAGE("符号「%s」%s方向「%s」は%d行目と重なっています"),
                              a.mark.c_str(), kDirNames[a.dir], a.stressCase.c_str(), it->second));
            return;
        }
        if (!a.sense && std::find(added_.begin(), added_.end(), a.mark) == added_.end() &&
            pageOf(a.mark).findBasicStress(a.dir, a.stressCase) == nullptr) {
            problem(line,
                    strprintf(KESTO_MESSAGE("符号「%s」のページの%s方向に応力「%s」がありません"),
                              a.mark.c_str(), kDirNames[a.dir], a.stressCase.c_str()));
            return;
        }
        assignments_.push_back(std::move(a));
    }

    CKesto& pageOf(const std::string& mark) {
        return *std::find_if(cnt_.pages.begin(), cnt_.pages.end(),
                             [&](const CKesto& p) { return p.mark == mark; });
    }

    void apply() {
        for (const std::string& mark : added_) {
            const CKesto* last = cnt_.pages.empty() ? nullptr : &cnt_.pages[cnt_.pages.size() - 1];
            CKesto page = makeInsertedPage(cnt_, unitSystem_, last);
            page.mark = mark;
            cnt_.pages.append(std::move(page));
        }
        for (const Assignment& a : assignments_) {
            CKesto& page = pageOf(a.mark);
            if (a.sense) {
                page.ultimateN[a.dir][*a.sense] = a.n;
                page.ultimateM[a.dir][*a.sense] = a.m;
                page.ultimateQ[a.dir][*a.sense] = a.q;
            } else {
                const int i = page.basicStressIndex(a.dir, a.stressCase);
                CStress& s = page.basicStresses[a.dir][static_cast<std::size_t>(i)];
                s.n = a.n;
                s.m = a.m;
                s.q = a.q;
            }
        }
        result_.rows = static_cast<int>(assignments_.size());
        result_.pagesAdded = static_cast<int>(added_.size());
    }

    CKestoCnt& cnt_;
    int unitSystem_;
    bool addPages_;
    std::array<int, kColumnCount> columns_{};
    std::size_t fieldCount_ = 0;
    std::vector<std::string> added_;  // marks of the pages to add, in order of appearance
    std::map<std::tuple<std::string, int, std::string>, int> firstLine_;
    std::vector<Assignment> assignments_;
    StressTableImport result_;
    std::size_t unlisted_ = 0;  // problems past the first kMostProblems
    int firstUnlistedLine_ = 0;
};

}  // namespace

std::string writeStressTable(const CKestoCnt& cnt) {
    std::string out(kUtf8Bom);
    out += kHeaderLine;
    out += "\r\n";
    for (const CKesto& page : cnt.pages) {
        for (int dir = 0; dir < 2; ++dir) {
            // Only the first entry of a name takes part in the combinations, and only known
            // cases can be read back.
            std::vector<std::string> written;
            for (const CStress& s : page.basicStresses[dir]) {
                if (std::find(written.begin(), written.end(), s.name) != written.end() ||
                    !isStressCase(cnt, s.name)) {
                    continue;
                }
                written.push_back(s.name);
                appendRow(out, page.mark, dir, s.name, s.n, s.m, s.q);
            }
            for (int sense = 0; sense < 2; ++sense) {
                appendRow(out, page.mark, dir, kUltimateCases[sense], page.ultimateN[dir][sense],
                          page.ultimateM[dir][sense], page.ultimateQ[dir][sense]);
            }
        }
    }
    return out;
}

StressTableImport importStressTable(std::string_view bytes, CKestoCnt& cnt, int unitSystem,
                                    bool addPages) {
    return TableImport(cnt, unitSystem, addPages).run(bytes);
}

}  // namespace kesto
