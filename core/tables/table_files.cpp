#include "tables/table_files.h"

#include "base/archive.h"
#include "model/stress.h"
#include "platform/files.h"

namespace kesto {
namespace {

constexpr const char* kSteelGradeClass = "CSteelRaw";
constexpr const char* kConcreteClass = "CConcreteRaw";
constexpr const char* kDocumentWord = "Kesto";

// The bolt table has a comment from version 1.01 on (byte-wise comparison of the version text).
bool boltHasComment(const std::string& version) {
    return version >= std::string("1.01");
}

int writeBytes(const std::string& path, const std::string& bytes) {
    try {
        writeFileAtomic(path, bytes);
    } catch (const FileAccessError&) {
        return 1;
    }
    return 0;
}

// Whether an object list of class `className` starts at the reader's position: either an empty
// list or a first record that names the class.
bool listOfClassFollows(ArchiveReader& ar, const std::string& className) {
    try {
        std::size_t n = ar.readU16("count");
        if (n == 0xFFFF) {
            n = ar.readU32("count");
        }
        if (n == 0) {
            return ar.atEnd();
        }
        if (ar.readU16("tag") != 0xFFFF || ar.readU16("schema") != 0) {
            return false;
        }
        const std::size_t length = ar.readU16("length");
        std::string name;
        for (std::size_t i = 0; i < length; ++i) {
            name += static_cast<char>(ar.readU8("name"));
        }
        return name == className;
    } catch (const FileFormatError&) {
        return false;
    }
}

}  // namespace

std::optional<SectionTableFile> parseSectionTable(std::string_view bytes,
                                                  const std::string& source) {
    ArchiveReader ar(bytes, source);
    SectionTableFile file;
    ar.text(file.signature, "signature");
    if (splitSignature(file.signature).first != kSectionClassWord) {
        return std::nullopt;
    }
    ar.text(file.comment, "comment");
    objectList(ar, file.rows, "CSteel");
    return file;
}

std::optional<BoltTableFile> parseBoltTable(std::string_view bytes, const std::string& source) {
    ArchiveReader ar(bytes, source);
    BoltTableFile file;
    ar.text(file.signature, "signature");
    const auto [word, version] = splitSignature(file.signature);
    if (word != kBoltClassWord) {
        return std::nullopt;
    }
    if (boltHasComment(version)) {
        ar.text(file.comment, "comment");
    }
    objectList(ar, file.rows, "CABolt");
    return file;
}

SteelGradeTableFile parseSteelGradeTable(std::string_view bytes, const std::string& source) {
    ArchiveReader ar(bytes, source);
    SteelGradeTableFile file;
    ar.text(file.signature, "signature");
    objectList(ar, file.rows, kSteelGradeClass);
    return file;
}

OwnedList<CConcreteRaw> parseConcreteTable(std::string_view bytes, const std::string& source) {
    ArchiveReader ar(bytes, source);
    OwnedList<CConcreteRaw> rows;
    objectList(ar, rows, kConcreteClass);
    return rows;
}

std::string serializeSectionTable(const OwnedList<CSteel>& rows, const std::string& comment) {
    ArchiveWriter ar("section table");
    ar.text(std::string(kSectionSignature), "signature");
    ar.text(comment, "comment");
    objectList(ar, rows, "CSteel");
    return ar.take();
}

std::string serializeBoltTable(const OwnedList<CABolt>& rows, const std::string& comment) {
    ArchiveWriter ar("anchor-bolt table");
    ar.text(std::string(kBoltSignature), "signature");
    ar.text(comment, "comment");
    objectList(ar, rows, "CABolt");
    return ar.take();
}

std::string serializeSteelGradeTable(const OwnedList<CSteelRaw>& rows) {
    ArchiveWriter ar("steel-grade table");
    ar.text(std::string(kSteelGradeSignature), "signature");
    objectList(ar, rows, kSteelGradeClass);
    return ar.take();
}

std::string serializeConcreteTable(const OwnedList<CConcreteRaw>& rows) {
    ArchiveWriter ar("concrete table");
    objectList(ar, rows, kConcreteClass);
    return ar.take();
}

int readSectionTable(const std::string& path, OwnedList<CSteel>& table, std::string& comment) {
    const auto bytes = readFileIfExists(path);
    if (!bytes) {
        return 1;
    }
    auto file = parseSectionTable(*bytes, path);
    if (!file) {
        return 1;
    }
    table.swap(file->rows);
    comment = std::move(file->comment);
    return 0;
}

int readBoltTable(const std::string& path, OwnedList<CABolt>& table, std::string& comment) {
    const auto bytes = readFileIfExists(path);
    if (!bytes) {
        return 1;
    }
    auto file = parseBoltTable(*bytes, path);
    if (!file) {
        return 1;
    }
    table.swap(file->rows);
    comment = std::move(file->comment);
    return 0;
}

int writeSectionTable(const std::string& path, const OwnedList<CSteel>& table,
                      const std::string& comment) {
    try {
        return writeBytes(path, serializeSectionTable(table, comment));
    } catch (const FileFormatError&) {
        return 1;
    }
}

int writeBoltTable(const std::string& path, const OwnedList<CABolt>& table,
                   const std::string& comment) {
    try {
        return writeBytes(path, serializeBoltTable(table, comment));
    } catch (const FileFormatError&) {
        return 1;
    }
}

StoredFileKind detectStoredFileKind(std::string_view bytes) {
    {
        ArchiveReader concrete(bytes, "");
        if (listOfClassFollows(concrete, kConcreteClass)) {
            return StoredFileKind::concreteTable;
        }
    }
    ArchiveReader ar(bytes, "");
    std::string signature;
    try {
        ar.text(signature, "signature");
    } catch (const FileFormatError&) {
        return StoredFileKind::unknown;
    }
    const std::string word = splitSignature(signature).first;
    if (word == kDocumentWord) {
        return StoredFileKind::document;
    }
    if (word == kSectionClassWord) {
        return StoredFileKind::sectionTable;
    }
    if (word == kBoltClassWord) {
        return StoredFileKind::boltTable;
    }
    if (word == kSteelGradeClass || listOfClassFollows(ar, kSteelGradeClass)) {
        return StoredFileKind::steelGradeTable;
    }
    return StoredFileKind::unknown;
}

}  // namespace kesto
