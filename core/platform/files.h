// The few operating-system calls the core needs: whole-file reads, atomic writes and the
// program's own folder. Paths are UTF-8.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kesto {

class FileAccessError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Files larger than this are refused unread: no stored file of the program comes near it.
inline constexpr std::size_t kMaxFileSize = std::size_t{1} << 30;

// The whole file, or nothing when it does not exist or cannot be opened.
std::optional<std::string> readFileIfExists(const std::string& path);
// The whole file; throws FileAccessError naming the file when it cannot be read.
std::string readFile(const std::string& path);

// Whether writeFileAtomic waits until the file is on the disk before it replaces the target.
// Stored data (documents, tables, the default data) always does. Output the program can write
// again at any time (the detail file, a text report) is left to the system, which writes it
// out shortly after: flushing a file of hundreds of megabytes would keep the user waiting
// seconds for nothing the program needs.
enum class Flush { toDisk, bySystem };

// Writes beside the target, flushes to disk (unless told otherwise) and renames over the
// target, so that a failed write never leaves a half-written file in place of a good one.
// Throws FileAccessError.
void writeFileAtomic(const std::string& path, std::string_view bytes, Flush flush = Flush::toDisk);

// writeFileAtomic in parts, for output too large to be held whole: the bytes go to a temporary
// file beside the target as they are appended, and commit puts the file in place. Until then
// the target keeps its old content. Every failure throws FileAccessError and removes the
// temporary file, after which the writer takes nothing more; so does destruction without commit.
class AtomicFileWriter {
  public:
    // Creates the temporary file.
    explicit AtomicFileWriter(std::string path, Flush flush = Flush::toDisk);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void append(std::string_view bytes);
    // Flushes (as told at construction) and renames over the target.
    void commit();

  private:
    // After a failure the temporary file is gone and nothing more is taken.
    void throwIfFailed() const;
    [[noreturn]] void fail(const char* what, const std::string& name);

    std::string path_;
    std::string temp_;
    Flush flush_;
    int fd_ = -1;
};

// The steps of an atomic write. A test can make one step fail as the system would (a full disk,
// a failing device, a refused rename) to see that every writer reports it and keeps the old file.
enum class WriteStep { create, write, flush, rename };
// Called before each step with the target path; returning true makes that step fail with EIO.
// An empty function (the default) injects nothing.
using WriteFaultHook = std::function<bool(WriteStep step, const std::string& path)>;
void setWriteFaultHook(WriteFaultHook hook);

bool fileExists(const std::string& path);

// The folder of the running executable with a trailing separator.
std::string executableFolder();

}  // namespace kesto
