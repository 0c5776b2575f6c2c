#include "tables/table_text.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <set>
#include <sstream>
#include <vector>

#include "base/codepage.h"
#include "tables/material_strength.h"
#include "tables/section_properties.h"
#include "tables/table_files.h"

namespace kesto {
namespace {

const std::vector<std::string> kGradeKinds = {"SS400級", "SM490級", "BCR295", "その他"};
const std::vector<std::string> kConcreteKinds = {"普通", "第１種軽量", "第２種軽量", "第３種軽量",
                                                 "第４種軽量"};

struct Line {
    std::size_t number;
    std::vector<std::string> fields;
};

class Source {
  public:
    Source(std::string_view text, std::string name) : name_(std::move(name)) {
        std::istringstream in{std::string(text)};
        std::string line;
        std::size_t number = 0;
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (line.empty() || line[0] == '#') {
                continue;
            }
            if (!encodeCp932(line)) {
                fail(number, "the line is not UTF-8 text that code page 932 can hold");
            }
            if (line[0] == '@') {
                directive(line, number);
                continue;
            }
            std::istringstream words(line);
            Line row{number, {}};
            for (std::string w; words >> w;) {
                row.fields.push_back(w);
            }
            if (!row.fields.empty()) {
                rows_.push_back(std::move(row));
            }
        }
        if (kind_.empty()) {
            fail(0, "no @kind line");
        }
    }

    [[noreturn]] void fail(std::size_t line, const std::string& problem) const {
        throw TableTextError(name_ + ":" + std::to_string(line) + ": " + problem);
    }

    const std::string& kind() const { return kind_; }
    const std::string& comment() const { return comment_; }
    const std::vector<Line>& rows() const { return rows_; }

    int unit() const {
        if (unit_ == "si") {
            return 1;
        }
        if (unit_ == "gravity") {
            return 0;
        }
        fail(0, "a " + kind_ + " table needs \"@unit si\" or \"@unit gravity\"");
    }

    void expectFields(const Line& row, std::size_t n, const char* layout) const {
        if (row.fields.size() != n) {
            fail(row.number, "expected " + std::to_string(n) + " fields (" + layout + "), found " +
                                 std::to_string(row.fields.size()));
        }
    }

    double number(const Line& row, std::size_t i) const {
        const std::string& text = row.fields[i];
        double v = 0;
        const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
        if (ec != std::errc{} || ptr != text.data() + text.size() || !std::isfinite(v) || v < 0) {
            fail(row.number, "\"" + text + "\" is not a number of zero or more");
        }
        return v;
    }

    int choice(const Line& row, std::size_t i, const std::vector<std::string>& names) const {
        for (std::size_t k = 0; k < names.size(); ++k) {
            if (names[k] == row.fields[i]) {
                return static_cast<int>(k);
            }
        }
        std::string list;
        for (const auto& n : names) {
            list += (list.empty() ? "" : ", ") + n;
        }
        fail(row.number, "kind \"" + row.fields[i] + "\" is none of " + list);
    }

    // Row names must be unique: a lookup would only ever find the first.
    void uniqueName(const Line& row, const std::string& name) {
        if (!names_.insert(name).second) {
            fail(row.number, "the name \"" + name + "\" is already in the table");
        }
    }

  private:
    void directive(const std::string& line, std::size_t number) {
        const auto blank = line.find(' ');
        const std::string key = line.substr(1, blank == std::string::npos ? blank : blank - 1);
        const std::string value = blank == std::string::npos ? "" : line.substr(blank + 1);
        if (key == "kind") {
            kind_ = value;
        } else if (key == "unit") {
            unit_ = value;
        } else if (key == "comment") {
            comment_ += (comment_.empty() ? "" : "\r\n") + value;
        } else {
            fail(number, "unknown directive @" + key);
        }
    }

    std::string name_;
    std::string kind_;
    std::string unit_;
    std::string comment_;
    std::vector<Line> rows_;
    std::set<std::string> names_;
};

std::string sections(Source& src, std::uint8_t shapeType) {
    OwnedList<CSteel> rows;
    for (const Line& line : src.rows()) {
        CSteel row;
        row.shapeType = shapeType;
        if (shapeType == 0) {
            src.expectFields(line, 5, "H B tw tf r");
            row.flangeThickness = src.number(line, 3);
            row.filletRadius = src.number(line, 4);
        } else {
            src.expectFields(line, 4, "H B t r");
            row.filletRadius = src.number(line, 3);
        }
        row.depth = src.number(line, 0);
        row.width = src.number(line, 1);
        row.webThickness = src.number(line, 2);
        computeSectionProperties(row, true);
        row.name = makeSectionName(row);
        src.uniqueName(line, row.name);
        rows.append(std::move(row));
    }
    return serializeSectionTable(rows, src.comment());
}

std::string bolts(Source& src) {
    OwnedList<CABolt> rows;
    for (const Line& line : src.rows()) {
        src.expectFields(line, 5, "name d hole Af An");
        src.uniqueName(line, line.fields[0]);
        rows.append(CABolt{line.fields[0], src.number(line, 1), src.number(line, 2),
                           src.number(line, 3), src.number(line, 4)});
    }
    return serializeBoltTable(rows, src.comment());
}

std::string steelGrades(Source& src) {
    src.unit();
    OwnedList<CSteelRaw> rows;
    for (const Line& line : src.rows()) {
        src.expectFields(line, 4, "name kind F(t<=40) F(t>40)");
        src.uniqueName(line, line.fields[0]);
        rows.append(CSteelRaw{line.fields[0],
                              static_cast<std::uint8_t>(src.choice(line, 1, kGradeKinds)),
                              src.number(line, 2), src.number(line, 3)});
    }
    return serializeSteelGradeTable(rows);
}

std::string concretes(Source& src) {
    const int unit = src.unit();
    // The rules give internal units; the row holds the input unit (N/mm2 = N/cm2 × 0.01).
    const double back = unit == 1 ? 0.01 : 1.0;
    OwnedList<CConcreteRaw> rows;
    for (const Line& line : src.rows()) {
        src.expectFields(line, 3, "name kind Fc");
        src.uniqueName(line, line.fields[0]);
        CConcreteRaw c;
        c.name = line.fields[0];
        c.concreteKind = src.choice(line, 1, kConcreteKinds);
        c.fc = src.number(line, 2);
        for (int term = 0; term < 2; ++term) {
            const bool shortTerm = term == 1;
            c.compression[term] = allowableCompression(c, shortTerm, unit) * back;
            c.shear[term] = allowableShearConcrete(c, shortTerm, unit) * back;
            c.bondDeformedTop[term] = allowableBond(c, shortTerm, 0, 0, unit) * back;
            c.bondDeformedOther[term] = allowableBond(c, shortTerm, 1, 0, unit) * back;
            c.bondRoundTop[term] = allowableBond(c, shortTerm, 0, 1, unit) * back;
            c.bondRoundOther[term] = allowableBond(c, shortTerm, 1, 1, unit) * back;
        }
        rows.append(std::move(c));
    }
    return serializeConcreteTable(rows);
}

}  // namespace

std::string buildTableFromText(std::string_view text, const std::string& source) {
    Source src(text, source);
    if (src.kind() == "h-shape") {
        return sections(src, 0);
    }
    if (src.kind() == "tube") {
        return sections(src, 1);
    }
    if (src.kind() == "bolt") {
        return bolts(src);
    }
    if (src.kind() == "steel-grade") {
        return steelGrades(src);
    }
    if (src.kind() == "concrete") {
        return concretes(src);
    }
    src.fail(0, "unknown kind \"" + src.kind() + "\"");
}

}  // namespace kesto
