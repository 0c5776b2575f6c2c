#include "calc/calculation_commands.h"

#include <algorithm>

#include "calc/page_calculation.h"
#include "model/codepage.h"
#include "platform/files.h"

namespace kesto {
namespace {

// Length of the UTF-8 sequence that starts with byte c (1 for a stray byte).
std::size_t sequenceLength(unsigned char c) {
    if (c >= 0xF0) {
        return 4;
    }
    if (c >= 0xE0) {
        return 3;
    }
    if (c >= 0xC0) {
        return 2;
    }
    return 1;
}

// A line in code page 932; a character without a code becomes '?'.
std::string encodeLine(const std::string& line) {
    if (auto encoded = encodeCp932(line)) {
        return *encoded;
    }
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n =
            std::min(sequenceLength(static_cast<unsigned char>(line[i])), line.size() - i);
        const auto one = encodeCp932(std::string_view(line).substr(i, n));
        out += one ? *one : std::string("?");
        i += n;
    }
    return out;
}

void startCommand(CKestoCnt& cnt, const std::vector<std::string>& detailHeader,
                  std::vector<std::string>& messageLines) {
    cnt.detailLines.clear();
    if (cnt.writeDetailFile == 1) {
        cnt.detailLines = detailHeader;
    }
    messageLines.clear();
}

}  // namespace

void collectMessages(const CKesto& page, std::vector<std::string>& messageLines) {
    if (page.errorMessages.empty() && page.ngMessages.empty()) {
        return;
    }
    messageLines.push_back("[" + page.mark + "]");
    for (const std::string& m : page.errorMessages) {
        messageLines.push_back("  E：" + m);
    }
    for (const std::string& m : page.ngMessages) {
        messageLines.push_back("  W：" + m);
    }
}

void calculateThisPage(CKestoCnt& cnt, CKesto& page, int unitSystem,
                       const std::vector<std::string>& detailHeader,
                       std::vector<std::string>& messageLines) {
    startCommand(cnt, detailHeader, messageLines);
    calculatePage(cnt, page, unitSystem);
    collectMessages(page, messageLines);
}

void calculateAllPages(CKestoCnt& cnt, int unitSystem, const std::vector<std::string>& detailHeader,
                       std::vector<std::string>& messageLines) {
    startCommand(cnt, detailHeader, messageLines);
    for (CKesto& page : cnt.pages) {
        calculatePage(cnt, page, unitSystem);
        collectMessages(page, messageLines);
    }
}

void recalculateOnOpen(CKestoCnt& cnt, int unitSystem, std::vector<std::string>& messageLines) {
    messageLines.clear();
    for (CKesto& page : cnt.pages) {
        calculatePage(cnt, page, unitSystem);
        collectMessages(page, messageLines);
    }
}

std::string detailFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += encodeLine(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool writeDetailFile(const std::string& programFolder, CKestoCnt& cnt) {
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
    } catch (const FileAccessError&) {
        // The lines stay until the next calculation command empties them.
        return false;
    }
    cnt.detailLines.clear();
    return true;
}

}  // namespace kesto
