#include "model/document_file.h"

#include "base/archive.h"

namespace kesto {
namespace {

template <class Ar, class Doc>
void documentBody(Ar& ar, Doc& doc) {
    ar.text(doc.buildingName, "buildingName");
    ar.text(doc.buildingDate, "buildingDate");
    ar.text(doc.buildingComment, "buildingComment");
    std::uint16_t reserved = 0;  // written as 0, ignored when read
    ar.word(reserved, "reserved word");
    if (ar.has("1.01")) {
        ar.word(doc.unitSystem, "unitSystem");
    } else {
        ar.absent(doc.unitSystem, 0);
    }
    conditionsBody(ar, doc.conditions);
    objectList(ar, doc.conditions.pages, "CKesto");
}

}  // namespace

DocumentData parseDocument(std::string_view bytes, const std::string& source) {
    ArchiveReader ar(bytes, source);
    DocumentData doc;
    ar.text(doc.formatSignature, "formatSignature");
    const auto [product, version] = splitSignature(doc.formatSignature);
    if (product != kProductWord) {
        throw DocumentRefused(kNotKestoMessage);
    }
    if (version > std::string(kFormatVersion)) {
        throw DocumentRefused(kNewerVersionMessage);
    }
    ar.setVersion(version);
    documentBody(ar, doc);
    return doc;
}

std::string serializeDocument(const DocumentData& doc) {
    ArchiveWriter ar("document");
    ar.text(std::string(kFormatSignature), "formatSignature");
    documentBody(ar, doc);
    return ar.take();
}

DefaultData parseDefaults(std::string_view bytes, const std::string& source) {
    ArchiveReader ar(bytes, source);
    std::string signature;
    ar.text(signature, "signature");
    ar.setVersion(splitSignature(signature).second);
    std::string reserved;
    ar.text(reserved, "reserved string");
    DefaultData data;
    if (ar.has("1.01")) {
        ar.word(data.unitSystem, "unitSystem");
    }
    conditionsBody(ar, data.conditions);
    return data;
}

std::string serializeDefaults(int unitSystem, const CKestoCnt& conditions) {
    ArchiveWriter ar(kDefaultsFileName);
    ar.text(std::string(kFormatSignature), "signature");
    ar.text(std::string(), "reserved string");
    ar.word(unitSystem, "unitSystem");
    conditionsBody(ar, conditions);
    return ar.take();
}

}  // namespace kesto
