#include "model/combinations.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kesto {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The C library's decimal reading: the longest valid prefix, 0 when there is none.
double numberOf(std::string_view text) {
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)ptr;
    return ec == std::errc() ? value : 0.0;
}

struct Term {
    double coefficient = 1.0;
    std::string_view symbol;
};

// `term` holds no white space.
Term parseTerm(std::string_view term) {
    Term t;
    auto close = [&](std::string_view factor) {
        if (std::any_of(factor.begin(), factor.end(), isAsciiLetter)) {
            t.symbol = factor;
        } else {
            t.coefficient *= numberOf(factor);
        }
    };
    std::size_t factorStart = 0;
    for (std::size_t i = 0; i < term.size(); ++i) {
        // A '*' that starts a factor belongs to it.
        if (term[i] == '*' && i > factorStart) {
            close(term.substr(factorStart, i - factorStart));
            factorStart = i + 1;
        }
    }
    if (factorStart < term.size()) {
        close(term.substr(factorStart));
    }
    return t;
}

// An expression taken apart: its terms in order, each with the sign before it.
struct ExpressionTerm {
    double sign = 1.0;
    double coefficient = 1.0;
    std::string symbol;
};
using ExpressionTerms = std::vector<ExpressionTerm>;

ExpressionTerms termsOf(std::string_view expression) {
    // Blanks may stand anywhere, even inside a number; most expressions hold none.
    std::string compact;
    std::string_view text = expression;
    if (std::any_of(text.begin(), text.end(), isSpace)) {
        std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                     [](char c) { return !isSpace(c); });
        text = compact;
    }
    ExpressionTerms terms;
    const auto add = [&](std::string_view term, double sign) {
        const Term t = parseTerm(term);
        terms.push_back({sign, t.coefficient, std::string(t.symbol)});
    };
    std::size_t termStart = 0;
    double sign = 1.0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+' || text[i] == '-') {
            if (i > termStart) {
                add(text.substr(termStart, i - termStart), sign);
            }
            sign = text[i] == '+' ? 1.0 : -1.0;
            termStart = i + 1;
        }
    }
    if (termStart < text.size()) {
        add(text.substr(termStart), sign);
    }
    return terms;
}

// Every page evaluates every expression of the document in both directions, so each text is
// taken apart once (per thread) and its terms kept; the few texts of a document are far fewer
// than the bound.
const ExpressionTerms& knownTermsOf(const std::string& expression) {
    thread_local std::unordered_map<std::string, ExpressionTerms> known;
    if (const auto found = known.find(expression); found != known.end()) {
        return found->second;
    }
    constexpr std::size_t kKeptExpressions = 1024;
    if (known.size() >= kKeptExpressions) {
        known.clear();
    }
    return known.emplace(expression, termsOf(expression)).first->second;
}

}  // namespace

bool evaluateExpression(const CKestoCnt& cnt, const CKesto& page, const std::string& expression,
                        int dir, int gammaIndex, CStress& result) {
    result = CStress{expression, 0.0, 0.0, 0.0};
    bool ok = true;
    for (const ExpressionTerm& t : knownTermsOf(expression)) {
        double coefficient = t.coefficient;
        if (gammaIndex != 0 && t.symbol == cnt.gammaStressName) {
            coefficient *= gammaIndex == 1 ? cnt.gammaX : cnt.gammaY;
        }
        const CStress* basic = t.symbol.empty() ? nullptr : page.findBasicStress(dir, t.symbol);
        if (basic == nullptr) {
            ok = false;
            continue;
        }
        const auto f = cnt.factorsOf(t.symbol);
        result.m += f.m * basic->m * coefficient * t.sign;
        result.n += f.n * basic->n * coefficient * t.sign;
        result.q += f.q * basic->q * coefficient * t.sign;
    }
    return ok;
}

bool evaluateCombinations(const CKestoCnt& cnt, CKesto& page) {
    page.clearComboResults();
    page.clearUltimateComboResults();
    bool ok = true;
    auto run = [&](const OwnedList<CStringTable>& list, OwnedList<CStress>& x,
                   OwnedList<CStress>& y, int gammaX, int gammaY) {
        x.reserve(list.size());
        y.reserve(list.size());
        for (const CStringTable& e : list) {
            ok = evaluateExpression(cnt, page, e.expression, 0, gammaX, x.append()) && ok;
            ok = evaluateExpression(cnt, page, e.expression, 1, gammaY, y.append()) && ok;
        }
    };
    run(cnt.longTermCombos, page.comboResults[0][0], page.comboResults[1][0], 0, 0);
    run(cnt.shortTermCombos, page.comboResults[0][1], page.comboResults[1][1], 0, 0);
    run(cnt.ultimateCombos, page.ultimateComboResults[0], page.ultimateComboResults[1], 1, 2);
    if (!ok) {
        page.errorMessages.emplace_back(kComboErrorMessage);
    }
    return !ok;
}

void newBasicLists(const CKestoCnt& cnt, CKesto& page) {
    for (auto& list : page.basicStresses) {
        list.clear();
        for (const CStressName& s : cnt.stressNames) {
            list.append(CStress{symbolOf(s.label), 0.0, 0.0, 0.0});
        }
    }
}

void synchronisePages(CKestoCnt& cnt) {
    for (CKesto& page : cnt.pages) {
        for (auto& list : page.basicStresses) {
            OwnedList<CStress> old;
            old.swap(list);
            for (const CStressName& s : cnt.stressNames) {
                CStress entry{symbolOf(s.label), 0.0, 0.0, 0.0};
                for (const CStress& o : old) {
                    if (o.name == entry.name) {
                        entry = o;
                        break;
                    }
                }
                list.append(std::move(entry));
            }
        }
    }
}

}  // namespace kesto
