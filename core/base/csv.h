// Comma- or tab-separated tables as spreadsheets save them: fields quoted as RFC 4180 says,
// text in UTF-8 (with or without a byte-order mark) or in code page 932.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

// The byte-order mark a spreadsheet needs to read a UTF-8 file as UTF-8.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Text read from a spreadsheet file, as UTF-8: a file starting with the byte-order mark is
// UTF-8; otherwise valid UTF-8 is taken as it is and anything else as code page 932 (which a
// spreadsheet on a Japanese desktop writes). When neither reads, `badLine` is the first line
// (from 1) that is neither.
struct SpreadsheetText {
    std::optional<std::string> utf8;
    int badLine = 0;
};
SpreadsheetText decodeSpreadsheetText(std::string_view bytes);

// One record: the line on which it starts (from 1) and its fields, unquoted.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

struct CsvProblem {
    enum Kind { unclosedQuote, textAfterQuote };
    int line = 0;
    Kind kind = unclosedQuote;
};

struct CsvTable {
    char separator = ',';
    std::vector<CsvRecord> records;
    std::vector<CsvProblem> problems;
};

// Splits UTF-8 text into records. The separator is a tab when the first record holds one
// outside quotes, else a comma. Lines end in CR LF, LF or CR; inside quotes they belong to the
// field. Blanks around an unquoted field are dropped; records whose fields are all empty (blank
// lines, rows of bare separators) are left out. A record with a malformed quote is left out
// and reported.
CsvTable parseCsv(std::string_view utf8);

// A field as written: quoted, with quotes doubled, when it holds the separator, a quote, a line
// break or blanks at either end.
std::string csvField(std::string_view text, char separator = ',');

// The shortest text that reads back to the very same double ("12.5", "-0", "1e-05").
std::string exactNumberText(double value);

// A number field: the whole text must be a finite decimal number (an optional sign, digits,
// point, exponent); nothing otherwise.
std::optional<double> parseNumberField(std::string_view text);

}  // namespace kesto
