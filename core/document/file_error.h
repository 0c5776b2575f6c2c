// A file the document could not read or write, as a value that each front end words in its own
// language: what kind of failure, which file, where in it and the readers' English description
// (which kesto-cli prints as it is). The readers and writers below the document throw; the
// document hands the failure on as a value.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace kesto {

struct FileError {
    enum class Kind {
        access,   // the file cannot be opened, read or written
        damaged,  // its bytes are not what the format expects
        refused,  // a foreign document or one of a newer program
    };
    Kind kind = Kind::access;
    std::string file;
    // The byte offset where reading failed; none for a fault that has no one place.
    std::optional<std::size_t> offset;
    // In English: the file, the place and what was expected or what the system refused; for a
    // refused document the message the user is shown.
    std::string description;
};

// The value of a file operation, or the FileError that stopped it.
template <class T>
class FileResult {
  public:
    FileResult(T value) : result_(std::move(value)) {}
    FileResult(FileError error) : result_(std::move(error)) {}

    bool ok() const { return result_.index() == 0; }
    const T& value() const { return std::get<0>(result_); }
    const FileError& error() const { return std::get<1>(result_); }

  private:
    std::variant<T, FileError> result_;
};

// Runs `work`, which reads or writes `file`: the failure of a reader or writer of the core comes
// back as the FileError (anything else passes through).
std::optional<FileError> catchFileError(const std::string& file, const std::function<void()>& work);

}  // namespace kesto
