#include "model/document_file.h"

#include "base/archive.h"
#include "base/units.h"

namespace kesto {
namespace {

constexpr const char* kPageClass = "CKesto";

// Items up to the conditions body: building texts, reserved word, unit, conditions and lists.
template <class Ar, class Doc>
void documentHead(Ar& ar, Doc& doc) {
    ar.text(doc.buildingName, "buildingName");
    ar.text(doc.buildingDate, "buildingDate");
    ar.text(doc.buildingComment, "buildingComment");
    std::uint16_t reserved = 0;  // written as 0, ignored when read
    ar.word(reserved, "reserved word");
    if (ar.has("1.01")) {
        ar.wordCode(doc.unitSystem, "unitSystem", kSiUnits);
    } else {
        ar.absent(doc.unitSystem, 0);
    }
    conditionsBody(ar, doc.conditions);
}

constexpr auto kPageFields = [](auto& ar, auto& page) { fields(ar, page); };

// The signature, which must be this program's in a version it reads, and what follows it up to
// the pages.
void readHead(ArchiveReader& ar, DocumentData& doc) {
    ar.text(doc.formatSignature, "formatSignature");
    const auto [product, version] = splitSignature(doc.formatSignature);
    if (product != kProductWord) {
        throw DocumentRefused(kNotKestoMessage);
    }
    if (version > std::string(kFormatVersion)) {
        throw DocumentRefused(kNewerVersionMessage);
    }
    ar.setVersion(version);
    documentHead(ar, doc);
}

}  // namespace

DocumentData parseDocument(std::string_view bytes, const std::string& source) {
    ArchiveReader ar(bytes, source);
    DocumentData doc;
    readHead(ar, doc);
    ar.objects(doc.conditions.pages, kPageClass, kPageFields);
    return doc;
}

PageReader::PageReader(std::string_view bytes, const std::string& source, DocumentData& head)
    : ar_(bytes, source) {
    readHead(ar_, head);
    pagesLeft_ = ar_.objectCount<CKesto>(kPageClass, kPageFields);
}

bool PageReader::next(CKesto& page) {
    if (pagesLeft_ == 0) {
        return false;
    }
    // As a new page, but in the room the page already has.
    static const CKesto kNewPage;
    page = kNewPage;
    ar_.object(page, kPageClass, kPageFields);
    --pagesLeft_;
    return true;
}

void PageReader::readThrough() {
    // Nothing read is kept, so the pages need not start as new pages.
    CKesto page;
    for (; pagesLeft_ > 0; --pagesLeft_) {
        ar_.object(page, kPageClass, kPageFields);
    }
}

std::string serializeDocument(const DocumentData& doc) {
    ArchiveWriter ar("document");
    ar.text(std::string(kFormatSignature), "formatSignature");
    documentHead(ar, doc);
    objectList(ar, doc.conditions.pages, kPageClass);
    return ar.take();
}

namespace {

ArchiveWriter numberedAfter(const CKestoCnt& conditions) {
    ArchiveWriter head("document");
    conditionsBody(head, conditions);
    return head.continuation();
}

}  // namespace

StreamedPages::StreamedPages(const CKestoCnt& conditions) : records_(numberedAfter(conditions)) {}

void StreamedPages::add(const CKesto& page) {
    records_.object(page, kPageClass, [](auto& a, const auto& p) { fields(a, p); });
    ++count_;
}

std::string StreamedPages::document(const DocumentData& head) const {
    ArchiveWriter ar("document");
    ar.text(std::string(kFormatSignature), "formatSignature");
    documentHead(ar, head);
    ar.writeCount(count_);
    return ar.take() + records_.bytes();
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
        ar.wordCode(data.unitSystem, "unitSystem", kSiUnits);
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
