// The document file (*.kso) and the default data file "KestoBase.def".
//
// A document file holds the signature "Kesto 1.04", the building texts, a reserved word, the
// input unit, the conditions body and the pages. Files are written in format 1.04 and read back
// to the oldest format; the version in the signature decides which fields are present.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "model/conditions.h"

namespace kesto {

inline constexpr const char* kProductWord = "Kesto";
inline constexpr const char* kFormatVersion = "1.04";
inline constexpr const char* kFormatSignature = "Kesto 1.04";
inline constexpr const char* kDefaultsFileName = "KestoBase.def";

inline constexpr const char* kNotKestoMessage = "Kestoのデータではありません。";
inline constexpr const char* kNewerVersionMessage =
    "データの読み込み異常です。\nプログラムをバージョンアップして下さい。";

// A file that is a foreign document or comes from a newer program; what() is the message the
// user is shown.
class DocumentRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The stored content of a document: building texts, input unit and conditions with pages.
struct DocumentData {
    std::string formatSignature = kFormatSignature;
    std::string buildingName;
    std::string buildingDate;
    std::string buildingComment;
    int unitSystem = 1;  // 0 gravity, 1 SI
    CKestoCnt conditions;
};

// Reads a document. `source` names the file in error messages. Throws DocumentRefused or
// FileFormatError; trailing bytes after the pages are ignored, as a file may carry padding.
// formatSignature of the result is the signature read from the file.
DocumentData parseDocument(std::string_view bytes, const std::string& source);

// Writes a document in the current format. Throws FileFormatError when a text cannot be stored.
std::string serializeDocument(const DocumentData& doc);

// The default data file: signature, reserved string, input unit and conditions body.
struct DefaultData {
    int unitSystem = 1;
    CKestoCnt conditions;  // conditions body only; no pages
};
DefaultData parseDefaults(std::string_view bytes, const std::string& source);
std::string serializeDefaults(int unitSystem, const CKestoCnt& conditions);

}  // namespace kesto
