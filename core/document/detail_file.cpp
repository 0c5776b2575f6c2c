#include "document/detail_file.h"

#include <algorithm>

#include "base/codepage.h"
#include "platform/files.h"
#include "report/condition_lines.h"

namespace kesto {
namespace {

// A line in code page 932; a character without a code becomes '?'.
std::string encodeLine(const std::string& line) {
    if (auto encoded = encodeCp932(line)) {
        return *encoded;
    }
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n =
            std::min(utf8SequenceLength(static_cast<unsigned char>(line[i])), line.size() - i);
        const auto one = encodeCp932(std::string_view(line).substr(i, n));
        out += one ? *one : std::string("?");
        i += n;
    }
    return out;
}

}  // namespace

std::vector<std::string> detailHeader(const std::string& documentPath, const CKestoCnt& cnt,
                                      int unitSystem) {
    std::vector<std::string> header{documentPath};
    const auto block = conditionsBlock(cnt, unitSystem);
    header.insert(header.end(), block.begin(), block.end());
    return header;
}

std::string detailFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += encodeLine(line);
        bytes += "\r\n";
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
        writeFileAtomic(path, detailFileBytes(cnt.detailLines));
    } catch (const FileAccessError& e) {
        // The lines stay until the next calculation command empties them.
        if (problems != nullptr) {
            problems->push_back(e.what());
        }
        return false;
    }
    cnt.detailLines.clear();
    return true;
}

}  // namespace kesto
