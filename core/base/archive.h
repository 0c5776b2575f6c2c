// The stored layout shared by documents, the default data file and the table files: little-endian
// numbers, length-prefixed code page 932 strings, counts, and object lists whose records carry
// class tags. Each record type describes its fields once, in a function template that takes
// either an ArchiveReader or an ArchiveWriter, so reading and writing cannot drift apart:
//
//     template <class Ar, class R> void fields(Ar& ar, R& r) { ar.text(r.name, "name"); ... }
//
// Version gates: `ar.has("1.03")` tells whether a field of that version is in the stream (a
// writer always writes the current format), and `ar.absent(field, value)` gives an absent field
// its default when reading and does nothing when writing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/owned_list.h"

namespace kesto {

// A stored file that cannot be read: names the file, the byte offset and what was expected.
class FileFormatError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    FileFormatError(const std::string& message, std::string source, std::size_t offset)
        : std::runtime_error(message), source_(std::move(source)), offset_(offset) {}

    // The file and the byte offset where reading failed, for messages in the user's language;
    // no offset for a fault that has no one place.
    const std::string& source() const { return source_; }
    std::optional<std::size_t> offset() const { return offset_; }

  private:
    std::string source_;
    std::optional<std::size_t> offset_;
};

class ArchiveReader {
  public:
    static constexpr bool kReading = true;

    // `source` names the file in error messages.
    ArchiveReader(std::string_view data, std::string source);
    // The reader only views its bytes: they must outlive it.
    ArchiveReader(std::string&& data, std::string source) = delete;

    // The version text that the gates compare against (byte-wise string comparison).
    void setVersion(std::string version) { version_ = std::move(version); }
    const std::string& version() const { return version_; }
    bool has(std::string_view since) const { return std::string_view(version_) >= since; }
    template <class T, class V>
    void absent(T& field, const V& value) {
        field = static_cast<T>(value);
    }

    template <class T>
    void byte(T& v, const char* what) {
        v = static_cast<T>(readU8(what));
    }
    template <class T>
    void word(T& v, const char* what) {
        v = static_cast<T>(readU16(what));
    }
    template <class T>
    void dword(T& v, const char* what) {
        v = static_cast<T>(readU32(what));
    }
    void real(double& v, const char* what);
    void text(std::string& v, const char* what);
    void strings(std::vector<std::string>& v, const char* what);

    // An object list whose records all belong to class `className`.
    template <class T, class Body>
    void objects(OwnedList<T>& list, const char* className, Body body) {
        const std::size_t n = readCount(className, 2);
        list.clear();
        list.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            readObjectTag(className);
            T& obj = list.append();
            body(*this, obj);
        }
    }

    std::uint8_t readU8(const char* what);
    std::uint16_t readU16(const char* what);
    std::uint32_t readU32(const char* what);
    // A count, checked against the bytes left: every element takes at least `minBytes`.
    std::size_t readCount(const char* what, std::size_t minBytes);

    std::size_t offset() const { return pos_; }
    bool atEnd() const { return pos_ == data_.size(); }
    [[noreturn]] void fail(std::size_t at, const std::string& expected,
                           const std::string& problem) const;

  private:
    void need(std::size_t n, const char* what) const;
    void readObjectTag(const char* className);

    std::string_view data_;
    std::string source_;
    std::size_t pos_ = 0;
    std::string version_;
    std::uint32_t mapCount_ = 1;
    std::vector<std::pair<std::uint32_t, std::string>> classes_;
};

class ArchiveWriter {
  public:
    static constexpr bool kReading = false;

    explicit ArchiveWriter(std::string source = {});

    bool has(std::string_view) const { return true; }
    template <class T, class V>
    void absent(const T&, const V&) {}

    template <class T>
    void byte(const T& v, const char*) {
        writeU8(static_cast<std::uint8_t>(v));
    }
    template <class T>
    void word(const T& v, const char*) {
        writeU16(static_cast<std::uint16_t>(v));
    }
    template <class T>
    void dword(const T& v, const char*) {
        writeU32(static_cast<std::uint32_t>(v));
    }
    void real(double v, const char* what);
    // Throws FileFormatError when the text has a character without a code page 932 code.
    void text(const std::string& v, const char* what);
    void strings(const std::vector<std::string>& v, const char* what);

    template <class T, class Body>
    void objects(const OwnedList<T>& list, const char* className, Body body) {
        writeCount(list.size());
        for (const T& obj : list) {
            writeObjectTag(className);
            body(*this, obj);
        }
    }

    void writeU8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void writeU16(std::uint16_t v);
    void writeU32(std::uint32_t v);
    void writeCount(std::size_t n);
    // Writes already encoded bytes with their length prefix.
    void writeRawString(std::string_view bytes);

    const std::string& bytes() const { return out_; }
    std::string take() { return std::move(out_); }

  private:
    void writeObjectTag(const char* className);

    std::string source_;
    std::string out_;
    std::uint32_t mapCount_ = 1;
    std::vector<std::pair<std::string, std::uint32_t>> classes_;
};

// Splits a signature such as "Kesto 1.04" at its first blank into (word, version). Without a
// blank, or with the blank in first position, the word is empty and the whole text is the version.
std::pair<std::string, std::string> splitSignature(const std::string& signature);

}  // namespace kesto
