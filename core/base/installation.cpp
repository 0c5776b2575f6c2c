#include "base/installation.h"

#include <cstdlib>

#include "base/codepage.h"
#include "platform/files.h"

namespace kesto {
namespace {

constexpr std::string_view kBlanks = " \t";

// The next blank-separated token of `line` from `pos`; empty at the end.
std::string_view nextToken(std::string_view line, std::size_t& pos) {
    const std::size_t start = line.find_first_not_of(kBlanks, pos);
    if (start == std::string_view::npos) {
        pos = line.size();
        return {};
    }
    const std::size_t end = std::min(line.find_first_of(kBlanks, start), line.size());
    pos = end;
    return line.substr(start, end - start);
}

// The integer at the start of `token`, 0 when there is none (as C's atoi reads it).
int flagOf(std::string_view token) {
    return std::atoi(std::string(token).c_str());
}

char separatorOf(PathStyle style) {
    return style == PathStyle::windows ? '\\' : '/';
}

std::string copyFailureMessage(const std::vector<CopyFailure>& failures, bool requiredFailed) {
    std::string message = "次のファイルがコピーできませんでした";
    for (const CopyFailure& f : failures) {
        message += "\n" + f.fileName + ": " + f.reason;
    }
    if (requiredFailed) {
        message += "\n必要なファイルが揃わないため、セットアップを開始しません";
    }
    return message;
}

// The folder as the questions show it: "/" for the root here.
std::string shownFolder(const std::string& folder, PathStyle style) {
    return folder.empty() && style == PathStyle::posix ? "/" : folder;
}

// Creates the folders that hold `target` below `folder` (a file name may name sub-folders).
void createParentsWithin(const std::string& folder, const std::string& fileName, PathStyle style) {
    std::string path = folder;
    std::size_t start = 0;
    for (std::size_t slash = fileName.find('/'); slash != std::string::npos;
         slash = fileName.find('/', start)) {
        path = pathIn(path, fileName.substr(start, slash - start), style);
        if (!folderExists(path)) {
            createFolder(path);
        }
        start = slash + 1;
    }
}

}  // namespace

ProgramList parseProgramList(std::string_view utf8Text) {
    ProgramList list;
    bool haveFolder = false;
    std::size_t lineStart = 0;
    while (lineStart < utf8Text.size()) {
        std::size_t lineEnd = utf8Text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) {
            lineEnd = utf8Text.size();
        }
        std::string_view line = utf8Text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (!haveFolder) {
            list.defaultFolder = std::string(line);
            haveFolder = true;
            continue;
        }
        std::size_t pos = 0;
        ProgramEntry entry;
        entry.flag = flagOf(nextToken(line, pos));
        entry.fileName = std::string(nextToken(line, pos));
        entry.description = std::string(nextToken(line, pos));
        if (entry.flag != 0 && !entry.fileName.empty()) {
            list.entries.push_back(std::move(entry));
        }
    }
    return list;
}

std::optional<ProgramList> readProgramList(const std::string& path, const std::string& home) {
    std::optional<std::string> bytes;
    try {
        bytes = readFileIfExists(path);
    } catch (const FileAccessError&) {
        return std::nullopt;
    }
    if (!bytes) {
        return std::nullopt;
    }
    const auto text = decodeCp932(*bytes);
    if (!text) {
        return std::nullopt;
    }
    ProgramList list = parseProgramList(*text);
    std::string& folder = list.defaultFolder;
    if (!home.empty() && (folder == "~" || folder.starts_with("~/"))) {
        folder = home + folder.substr(1);
    }
    return list;
}

std::string withoutTrailingSeparators(std::string_view folder, PathStyle style) {
    while (!folder.empty() && folder.back() == separatorOf(style)) {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}

bool namesRoot(const std::string& folder, PathStyle style) {
    return style == PathStyle::windows ? folder.ends_with(':') : folder.empty();
}

std::vector<std::string> foldersToCreate(const std::string& folder, PathStyle style) {
    const char separator = separatorOf(style);
    const std::string text = folder + separator;
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != separator) {
            continue;
        }
        const bool afterRoot = style == PathStyle::windows ? i > 0 && text[i - 1] == ':' : i == 0;
        if (!afterRoot) {
            folders.push_back(text.substr(0, i));
        }
    }
    return folders;
}

std::string pathIn(const std::string& folder, const std::string& name, PathStyle style) {
    return folder + separatorOf(style) + name;
}

InstallOutcome install(const std::string& folderText, const std::vector<ProgramEntry>& entries,
                       const std::vector<bool>& ticked, const std::string& sourceFolder,
                       Questions& questions) {
    const PathStyle style = nativePathStyle();
    InstallOutcome outcome;
    if (folderText.empty()) {
        questions.tell(kNoFolderMessage);
        return outcome;
    }
    const std::string folder = withoutTrailingSeparators(folderText, style);
    const std::string shown = shownFolder(folder, style);
    if (!namesRoot(folder, style) && !folderExists(folder)) {
        if (!questions.askOkCancel(shown + "\nディレクトリを作成します")) {
            return outcome;
        }
        for (const std::string& f : foldersToCreate(folder, style)) {
            if (!folderExists(f) && !createFolder(f)) {
                questions.tell(kFolderNotCreatedMessage);
                return outcome;
            }
        }
    }
    if (!questions.askOkCancel(shown + "\nインストールを開始します")) {
        return outcome;
    }
    bool requiredFailed = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ProgramEntry& entry = entries[i];
        if (!entry.required() && !(i < ticked.size() && ticked[i])) {
            continue;
        }
        createParentsWithin(folder, entry.fileName, style);
        const std::string source =
            sourceFolder.empty() ? entry.fileName : pathIn(sourceFolder, entry.fileName, style);
        if (auto reason = copyFileReplacing(source, pathIn(folder, entry.fileName, style))) {
            outcome.failures.push_back({entry.fileName, *reason});
            requiredFailed = requiredFailed || entry.required();
        }
    }
    if (!outcome.failures.empty()) {
        questions.tell(copyFailureMessage(outcome.failures, requiredFailed));
    }
    if (!requiredFailed) {
        outcome.setupProgram = pathIn(folder, setupProgramName(), style);
    }
    outcome.finished = true;
    return outcome;
}

}  // namespace kesto
