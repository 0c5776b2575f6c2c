// Load combinations: expressions such as "G+K" or "1.5*G-K" over the basic stress cases.
//
// An expression is a sequence of terms separated by '+' or '-' (the last sign before a term
// wins); a term is a product of factors separated by '*'. A factor holding an ASCII letter is a
// symbol (a later symbol replaces an earlier one), any other factor a decimal number (longest
// valid prefix, 0 when none). White space is ignored. A term whose symbol names no basic stress
// of the page adds nothing and marks the expression as failed.
#pragma once

#include <string>

#include "base/message_text.h"
#include "model/conditions.h"

namespace kesto {

inline constexpr const char* kComboErrorMessage = KESTO_MESSAGE("組み合わせ応力の設定が異常です");

// Evaluates one expression against the basic list of `dir`. gammaIndex is 0 for the long- and
// short-term lists, 1 for the ultimate list of X and 2 for that of Y. Returns false when a term
// failed; the result then holds the terms that did evaluate.
bool evaluateExpression(const CKestoCnt& cnt, const CKesto& page, const std::string& expression,
                        int dir, int gammaIndex, CStress& result);

// Rebuilds the six combination result lists of the page. On any failed term the page gets the
// error message once; returns true on error.
bool evaluateCombinations(const CKestoCnt& cnt, CKesto& page);

// Gives a new page one zero basic stress per stress case, in both directions.
void newBasicLists(const CKestoCnt& cnt, CKesto& page);

// After the stress cases changed: every page's basic lists follow stressNames, keeping the
// values of cases whose symbol is still there.
void synchronisePages(CKestoCnt& cnt);

}  // namespace kesto
