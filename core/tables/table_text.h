// Table files built from readable text, the form in which the shipped standard tables are kept:
//
//   # a comment line (the source of the figures)
//   @kind h-shape | tube | bolt | steel-grade | concrete
//   @unit si | gravity            (steel grades and concrete: the unit of the strengths)
//   @comment text                 (section and bolt tables: the comment stored in the file)
//   one row per line, fields separated by blanks:
//     h-shape      H B tw tf r                (mm; name and rounded properties are computed)
//     tube         H B t r                    (mm; r is the outer corner radius)
//     bolt         name d hole Af An          (mm, mm, cm2, cm2)
//     steel-grade  name kind F(t<=40) F(t>40) (kind: SS400級, SM490級, BCR295 or その他)
//     concrete     name kind Fc               (kind: 普通, 第１種軽量 ... 第４種軽量)
//
// Concrete rows get the allowable stresses that follow from Fc stored in them, as the concrete
// editor stores them for a row entered without direct input.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kesto {

// A source that cannot be built: "source:line: problem".
class TableTextError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The bytes of the table file the text describes.
std::string buildTableFromText(std::string_view text, const std::string& source);

}  // namespace kesto
