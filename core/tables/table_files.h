// The table files beside the program: section tables (H-shapes or square tubes), the anchor-bolt
// table and the two material tables. Each is an object archive:
//
//   section     "CSteel 1.00", comment, CSteel rows
//   anchor bolt "CABolt 1.01", comment (absent before version 1.01), CABolt rows
//   steel grade "CSteelRaw 1.00" (text not checked when read), CSteelRaw rows
//   concrete    CConcreteRaw rows only
//
// Parsers throw FileFormatError for a damaged file (it ends early, a count that cannot fit, a
// foreign class or schema) and never touch a caller's table: callers read into a fresh list and
// swap on success.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/owned_list.h"
#include "model/anchor_bolt.h"
#include "model/concrete_grade.h"
#include "model/steel_grade.h"
#include "model/steel_section.h"

namespace kesto {

inline constexpr const char* kSectionClassWord = "CSteel";
inline constexpr const char* kBoltClassWord = "CABolt";
inline constexpr const char* kSectionSignature = "CSteel 1.00";
inline constexpr const char* kBoltSignature = "CABolt 1.01";
inline constexpr const char* kSteelGradeSignature = "CSteelRaw 1.00";

struct SectionTableFile {
    std::string signature = kSectionSignature;
    std::string comment;
    OwnedList<CSteel> rows;
};

struct BoltTableFile {
    std::string signature = kBoltSignature;
    std::string comment;
    OwnedList<CABolt> rows;
};

struct SteelGradeTableFile {
    std::string signature = kSteelGradeSignature;
    OwnedList<CSteelRaw> rows;
};

// Nothing when the signature's class word is not that of the table.
std::optional<SectionTableFile> parseSectionTable(std::string_view bytes,
                                                  const std::string& source);
std::optional<BoltTableFile> parseBoltTable(std::string_view bytes, const std::string& source);
SteelGradeTableFile parseSteelGradeTable(std::string_view bytes, const std::string& source);
OwnedList<CConcreteRaw> parseConcreteTable(std::string_view bytes, const std::string& source);

// Always in the current versions; throw FileFormatError when a text has no code page 932 form.
std::string serializeSectionTable(const OwnedList<CSteel>& rows, const std::string& comment);
std::string serializeBoltTable(const OwnedList<CABolt>& rows, const std::string& comment);
std::string serializeSteelGradeTable(const OwnedList<CSteelRaw>& rows);
std::string serializeConcreteTable(const OwnedList<CConcreteRaw>& rows);

// Status 0: read, table and comment replaced. Status 1: the file does not open or its class word
// is another table's; table and comment unchanged. A damaged file throws FileFormatError, also
// with table and comment unchanged.
int readSectionTable(const std::string& path, OwnedList<CSteel>& table, std::string& comment);
int readBoltTable(const std::string& path, OwnedList<CABolt>& table, std::string& comment);

// Status 0: written; 1: the file could not be written or a text has no code page 932 form.
int writeSectionTable(const std::string& path, const OwnedList<CSteel>& table,
                      const std::string& comment);
int writeBoltTable(const std::string& path, const OwnedList<CABolt>& table,
                   const std::string& comment);

// What a stored file holds, judged from its first bytes; used where the caller does not know.
enum class StoredFileKind {
    document,
    sectionTable,
    boltTable,
    steelGradeTable,
    concreteTable,
    unknown
};
StoredFileKind detectStoredFileKind(std::string_view bytes);

}  // namespace kesto
