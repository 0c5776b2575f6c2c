#include "document/detail_file.h"

#include <algorithm>
#include <utility>

#include "base/codepage.h"
#include "report/condition_lines.h"
#include "tables/table_problems.h"

namespace kesto {
namespace {

// Appends a line in code page 932; a character without a code becomes '?'.
void appendLine(std::string& out, std::string_view line) {
    if (appendCp932(out, line)) {
        return;
    }
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n =
            std::min(utf8SequenceLength(static_cast<unsigned char>(line[i])), line.size() - i);
        if (!appendCp932(out, line.substr(i, n))) {
            out += '?';
        }
        i += n;
    }
}

// The text is encoded a block of lines at a time; a block with a character without a code is
// encoded again line by line. Blocks end at line ends, so the bytes do not depend on where
// they end.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

void appendDetailBytes(std::string& bytes, const TextLines& lines) {
    const std::string_view text = lines.text();
    for (std::size_t first = 0; first < lines.size();) {
        std::size_t last = first + 1;
        while (last < lines.size() && lines.offset(last) - lines.offset(first) < kBlockBytes) {
            ++last;
        }
        const std::size_t begin = lines.offset(first);
        const std::size_t end = last < lines.size() ? lines.offset(last) : text.size();
        if (!appendCp932(bytes, text.substr(begin, end - begin))) {
            for (std::size_t i = first; i < last; ++i) {
                appendLine(bytes, lines[i]);
                bytes += "\r\n";
            }
        }
        first = last;
    }
}

}  // namespace

std::vector<std::string> detailHeader(const std::string& documentPath, const CKestoCnt& cnt,
                                      int unitSystem) {
    std::vector<std::string> header{documentPath};
    const auto block = conditionsBlock(cnt, unitSystem);
    header.insert(header.end(), block.begin(), block.end());
    return header;
}

std::string detailFileBytes(const TextLines& lines) {
    std::string bytes;
    bytes.reserve(lines.text().size());  // code page 932 never takes more bytes than UTF-8
    appendDetailBytes(bytes, lines);
    return bytes;
}

std::string detailFilePath(const std::string& programFolder) {
    std::string path = programFolder;
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return path + kDetailFileName;
}

DetailFileWriter::DetailFileWriter(std::string path) : path_(std::move(path)) {
    try {
        file_.emplace(path_, Flush::bySystem);
    } catch (const FileAccessError& e) {
        failure_ = e;
        return;
    }
    thread_ = std::thread([this] { writeHandedOver(); });
}

DetailFileWriter::~DetailFileWriter() {
    stopThread();
}

void DetailFileWriter::throwIfNotCreated() const {
    if (!file_) {
        throw *failure_;
    }
}

void DetailFileWriter::write(const TextLines& lines) {
    bytes_.clear();
    appendDetailBytes(bytes_, lines);
    file_->append(bytes_);
}

// The writer's thread: writes each block handed over. While a block waits, only this thread
// touches the file, the bytes and the block.
void DetailFileWriter::writeHandedOver() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return blockWaiting_ || stopping_; });
        if (!blockWaiting_) {
            return;
        }
        lock.unlock();
        std::optional<FileAccessError> failure;
        try {
            write(handedOver_);
        } catch (const FileAccessError& e) {
            failure = e;
        }
        lock.lock();
        blockFailure_ = std::move(failure);
        blockWaiting_ = false;
        changed_.notify_all();
    }
}

void DetailFileWriter::waitForBlock(TextLines& lines) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !blockWaiting_; });
    if (blockFailure_) {
        failure_ = std::exchange(blockFailure_, std::nullopt);
        for (const std::string_view line : lines) {
            handedOver_.push_back(line);
        }
        std::swap(lines, handedOver_);
    }
    handedOver_.clear();
}

void DetailFileWriter::stopThread() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
}

void DetailFileWriter::afterPage(TextLines& lines) {
    if (failure_ || lines.text().size() < kBlockBytes) {
        return;
    }
    waitForBlock(lines);
    if (failure_) {
        return;
    }
    std::swap(lines, handedOver_);
    {
        std::lock_guard lock(mutex_);
        blockWaiting_ = true;
    }
    changed_.notify_all();
}

void DetailFileWriter::finish(TextLines& lines) {
    if (thread_.joinable()) {
        waitForBlock(lines);
        stopThread();
    }
    if (failure_) {
        throw *failure_;
    }
    write(lines);
    file_->commit();
    lines.clear();
}

bool DetailFileWriter::finish(TextLines& lines, std::vector<std::string>* problems) {
    try {
        finish(lines);
    } catch (const FileAccessError& e) {
        if (problems != nullptr) {
            problems->push_back(
                problemText("計算詳細ファイル " + path_ + " に書き込めませんでした。", e.what()));
        }
        return false;
    }
    return true;
}

bool writeDetailFile(const std::string& programFolder, CKestoCnt& cnt,
                     std::vector<std::string>* problems) {
    if (cnt.writeDetailFile != 1) {
        return false;
    }
    DetailFileWriter writer(detailFilePath(programFolder));
    return writer.finish(cnt.detailLines, problems);
}

}  // namespace kesto
