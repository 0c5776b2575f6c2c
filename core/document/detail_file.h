// The calculation detail file "temp.csv": the detail lines of the last calculation command,
// each in code page 932 followed by CR LF, started by the document path and the conditions
// block.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "model/conditions.h"
#include "platform/files.h"

namespace kesto {

inline constexpr const char* kDetailFileName = "temp.csv";

// The lines a detail file starts with: the document path, then the "【基本条件】" block.
std::vector<std::string> detailHeader(const std::string& documentPath, const CKestoCnt& cnt,
                                      int unitSystem);

// The path of the detail file in `programFolder`.
std::string detailFilePath(const std::string& programFolder);

// The detail file written while the pages are calculated (the PageSink of calculateAllPages),
// so that the detail of a large building is never held whole: once the lines pass about a
// megabyte they are handed over, encoded and written to a temporary file, and the lines are
// emptied (keeping their capacity). The file replaces the one at `path` only when finished, so
// the file there is either the whole new one or the old one.
//
// Encoding and writing (the system's copy of hundreds of megabytes) take about as long as
// formatting the lines, so a thread of the writer's own does them while the next pages are
// calculated, a block at a time.
class DetailFileWriter {
  public:
    explicit DetailFileWriter(std::string path);
    ~DetailFileWriter();
    DetailFileWriter(const DetailFileWriter&) = delete;
    DetailFileWriter& operator=(const DetailFileWriter&) = delete;

    // Throws FileAccessError when the file could not even be created, so that a command can
    // give up before calculating; any other failure is reported by finish.
    void throwIfNotCreated() const;
    // The sink: hands the lines over once they pass a block, and empties them. After a failure
    // nothing more is written and the lines are kept; finish reports it.
    void afterPage(TextLines& lines);
    // Writes the lines left, puts the file in place and empties the lines. Throws
    // FileAccessError when the file could not be written: the old file then stays, and so do
    // the lines not written.
    void finish(TextLines& lines);
    // As finish, but a failure is added to `problems` (when given) instead of thrown. Returns
    // true when the file was written.
    bool finish(TextLines& lines, std::vector<std::string>* problems);

  private:
    void write(const TextLines& lines);
    void writeHandedOver();
    // Waits until the block handed over is written; after a failure, puts its lines back in
    // front of `lines`.
    void waitForBlock(TextLines& lines);
    void stopThread();

    std::string path_;
    std::optional<AtomicFileWriter> file_;
    std::optional<FileAccessError> failure_;
    std::string bytes_;
    TextLines handedOver_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool blockWaiting_ = false;                    // handedOver_ holds a block not yet written
    std::optional<FileAccessError> blockFailure_;  // why the last block was not written
    bool stopping_ = false;
    std::thread thread_;
};

// With the detail file on, writes the detail lines to "temp.csv" in `programFolder` (code page
// 932, CR LF after every line) and empties them. When the file cannot be written the lines
// stay and the reason is added to `problems` when given. Returns true when the file was written.
bool writeDetailFile(const std::string& programFolder, CKestoCnt& cnt,
                     std::vector<std::string>* problems = nullptr);

// The bytes of the detail file for the given lines.
std::string detailFileBytes(const TextLines& lines);

}  // namespace kesto
