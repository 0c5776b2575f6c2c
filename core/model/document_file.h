// The document file (*.kso) and the default data file "KestoBase.def".
//
// A document file holds the signature "Kesto 1.04", the building texts, a reserved word, the
// input unit, the conditions body and the pages. Files are written in format 1.04 and read back
// to the oldest format; the version in the signature decides which fields are present.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "base/archive.h"
#include "base/message_text.h"
#include "model/conditions.h"

namespace kesto {

inline constexpr const char* kProductWord = "Kesto";
inline constexpr const char* kFormatVersion = "1.04";
inline constexpr const char* kFormatSignature = "Kesto 1.04";
inline constexpr const char* kDefaultsFileName = "KestoBase.def";

inline constexpr const char* kNotKestoMessage = KESTO_MESSAGE("Kestoのデータではありません。");
inline constexpr const char* kNewerVersionMessage =
    KESTO_MESSAGE("データの読み込み異常です。\nプログラムをバージョンアップして下さい。");

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

// A document read a page at a time: what precedes the pages is read when the reader is made,
// then each page into the one page its caller keeps. A batch run over a large building never
// holds the building's pages together this way. The bytes must outlive the reader.
class PageReader {
  public:
    // Reads the signature and what precedes the pages into `head` (its page list stays empty).
    // Throws as parseDocument.
    PageReader(std::string_view bytes, const std::string& source, DocumentData& head);

    // Reads the next page into `page`, made exactly as parseDocument makes it; false after the
    // last page. Throws as parseDocument.
    bool next(CKesto& page);
    // Reads the pages left, keeping none of them. Throws as parseDocument.
    void readThrough();

  private:
    ArchiveReader ar_;
    std::size_t pagesLeft_ = 0;
};

// Writes a document in the current format. Throws FileFormatError when a text cannot be stored.
std::string serializeDocument(const DocumentData& doc);

// A document whose pages arrive one at a time (the JSON import): each page is stored as soon as
// it is added, numbered as it follows the given conditions, and the file is put together at the
// end without ever holding all pages.
class StreamedPages {
  public:
    explicit StreamedPages(const CKestoCnt& conditions);

    // Throws FileFormatError when a text cannot be stored.
    void add(const CKesto& page);
    // The file: `head` (whose conditions must be those given above; its page list is ignored)
    // followed by the pages added.
    std::string document(const DocumentData& head) const;

  private:
    ArchiveWriter records_;
    std::size_t count_ = 0;
};

// The default data file: signature, reserved string, input unit and conditions body.
struct DefaultData {
    int unitSystem = 1;
    CKestoCnt conditions;  // conditions body only; no pages
};
DefaultData parseDefaults(std::string_view bytes, const std::string& source);
std::string serializeDefaults(int unitSystem, const CKestoCnt& conditions);

}  // namespace kesto
