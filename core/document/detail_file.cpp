#include "document/detail_file.h"

#include <algorithm>

#include "base/codepage.h"
#include "platform/files.h"
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

}  // namespace

std::vector<std::string> detailHeader(const std::string& documentPath, const CKestoCnt& cnt,
                                      int unitSystem) {
    std::vector<std::string> header{documentPath};
    const auto block = conditionsBlock(cnt, unitSystem);
    header.insert(header.end(), block.begin(), block.end());
    return header;
}

std::string detailFileBytes(const TextLines& lines) {
    // The text is encoded a block of lines at a time; a block with a character without a code
    // is encoded again line by line.
    constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
    const std::string_view text = lines.text();
    std::string bytes;
    bytes.reserve(text.size());  // code page 932 never takes more bytes than UTF-8
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
    return bytes;
}

bool writeDetailFile(const std::string& programFolder, CKestoCnt& cnt,
                     std::vector<std::string>* problems) {
    if (cnt.writeDetailFile != 1) {
        return false;
    }
    std::string path = programFolder;
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    path += kDetailFileName;
    try {
        writeFileAtomic(path, detailFileBytes(cnt.detailLines), Flush::bySystem);
    } catch (const FileAccessError& e) {
        // The lines stay until the next calculation command empties them.
        if (problems != nullptr) {
            problems->push_back(
                problemText("計算詳細ファイル " + path + " に書き込めませんでした。", e.what()));
        }
        return false;
    }
    cnt.detailLines.clear();
    return true;
}

}  // namespace kesto
