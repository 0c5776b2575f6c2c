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
//
// A reader refuses what the program could not keep or write back: a number that is not finite
// (`real`), a code outside its range (`code`). Values the program never uses (`ignoredReal`,
// `skipStrings`) are read as they are. Its cost follows the file: every count is checked against
// the smallest size its elements can take, and class references are found in constant time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
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
    // A byte or word that holds one of the codes 0 … `last`.
    template <class T>
    void byteCode(T& v, const char* what, unsigned last) {
        v = static_cast<T>(checkedCode(readU8(what), what, last, 1));
    }
    template <class T>
    void wordCode(T& v, const char* what, unsigned last) {
        v = static_cast<T>(checkedCode(readU16(what), what, last, 2));
    }
    // A finite number; an infinity or NaN is refused.
    void real(double& v, const char* what);
    // A number the program reads past (reserved fields, results of old formats): any value.
    void ignoredReal(double& v, const char* what);
    void text(std::string& v, const char* what);
    void strings(std::vector<std::string>& v, const char* what);
    // A string list that is checked like any other but not kept.
    void skipStrings(const char* what);

    // An object list whose records all belong to class `className` (a string literal).
    template <class T, class Body>
    void objects(OwnedList<T>& list, const char* className, Body body) {
        const std::size_t n = objectCount<T>(className, body);
        list.clear();
        list.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            object(list.append(), className, body);
        }
    }
    // The same list read a record at a time: its count, then each record into an object the
    // caller provides.
    template <class T, class Body>
    std::size_t objectCount(const char* className, Body body) {
        return readCount(className, 2 + minimalSize<T>(body));
    }
    template <class T, class Body>
    void object(T& obj, const char* className, Body body) {
        readObjectTag(className);
        body(*this, obj);
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
    // Counts the bytes a record takes at least in the reader's version: every string empty,
    // every list without elements.
    class SizeCounter {
      public:
        static constexpr bool kReading = true;
        explicit SizeCounter(const std::string& version) : version_(version) {}
        bool has(std::string_view since) const { return std::string_view(version_) >= since; }
        template <class T, class V>
        void absent(T&, const V&) {}
        template <class T>
        void byte(T&, const char*) {
            bytes += 1;
        }
        template <class T>
        void word(T&, const char*) {
            bytes += 2;
        }
        template <class T>
        void dword(T&, const char*) {
            bytes += 4;
        }
        template <class T>
        void byteCode(T&, const char*, unsigned) {
            bytes += 1;
        }
        template <class T>
        void wordCode(T&, const char*, unsigned) {
            bytes += 2;
        }
        void real(double&, const char*) { bytes += 8; }
        void ignoredReal(double&, const char*) { bytes += 8; }
        void text(std::string&, const char*) { bytes += 1; }
        void strings(std::vector<std::string>&, const char*) { bytes += 2; }
        void skipStrings(const char*) { bytes += 2; }
        template <class T, class Body>
        void objects(OwnedList<T>&, const char*, Body) {
            bytes += 2;
        }
        std::size_t bytes = 0;

      private:
        const std::string& version_;
    };

    template <class T, class Body>
    std::size_t minimalSize(Body body) const {
        T probe{};
        SizeCounter counter(version_);
        body(counter, probe);
        return counter.bytes;
    }

    void need(std::size_t n, const char* what) const;
    // Kept out of the way of `real`, which every number of every page passes.
    [[noreturn]] [[gnu::noinline]] void failNotFinite(double v, const char* what) const;
    unsigned checkedCode(unsigned code, const char* what, unsigned last, std::size_t size) const;
    void readObjectTag(const char* className);

    std::string_view data_;
    std::string source_;
    std::size_t pos_ = 0;
    std::string version_;
    std::uint32_t mapCount_ = 1;
    // Class index -> class name; a file may describe a class more than once.
    std::unordered_map<std::uint32_t, std::string_view> classes_;
    // Non-ASCII texts already decoded, by their bytes: a building repeats the same few section
    // and grade names on every page, and each decoding is a round trip through iconv. Bounded,
    // so that a file of many different texts costs no more than without it.
    std::unordered_map<std::string_view, std::string> decodedTexts_;
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
    template <class T>
    void byteCode(const T& v, const char* what, unsigned) {
        byte(v, what);
    }
    template <class T>
    void wordCode(const T& v, const char* what, unsigned) {
        word(v, what);
    }
    void real(double v, const char* what);
    void ignoredReal(double v, const char* what) { real(v, what); }
    // Throws FileFormatError when the text has a character without a code page 932 code.
    void text(const std::string& v, const char* what);
    void strings(const std::vector<std::string>& v, const char* what);

    template <class T, class Body>
    void objects(const OwnedList<T>& list, const char* className, Body body) {
        writeCount(list.size());
        for (const T& obj : list) {
            object(obj, className, body);
        }
    }
    // One record of an object list whose count is written elsewhere.
    template <class T, class Body>
    void object(const T& obj, const char* className, Body body) {
        writeObjectTag(className);
        body(*this, obj);
    }
    // An empty writer that numbers classes and objects on from where this one stands, for records
    // that are written ahead and placed after this writer's bytes.
    ArchiveWriter continuation() const {
        ArchiveWriter next(source_);
        next.mapCount_ = mapCount_;
        next.classes_ = classes_;
        return next;
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
