// The installer's rules: the program list "Program.txt", the installation folder typed by the
// user, the folders made for it, and the copy of the ticked files. The installer dialog only
// shows the list and collects the folder and the ticks.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/questions.h"
#include "platform/folders.h"

namespace kesto {

inline constexpr const char* kProgramListFileName = "Program.txt";
inline constexpr const char* kNoProgramListMessage = "プログラムリストがありません";
inline constexpr const char* kNoFolderMessage = "パス名を設定してください";
inline constexpr const char* kFolderNotCreatedMessage = "ディレクトリが作成できませんでした";

// One file of the distribution. Flag 0: not listed; 1: listed and ticked; 2: listed, ticked and
// always copied (the user cannot untick it). Other values are listed and ticked.
struct ProgramEntry {
    int flag = 0;
    std::string fileName;  // relative to the distribution folder; "/" may name a sub-folder
    std::string description;

    bool required() const { return flag == 2; }
    bool operator==(const ProgramEntry&) const = default;
};

struct ProgramList {
    std::string defaultFolder;
    std::vector<ProgramEntry> entries;  // the listed ones (flag not 0), in file order
};

// Lines beginning with ";" and empty lines are skipped; the first other line is the default
// folder; every later line holds a flag, a file name and a description separated by blanks or
// tabs (a missing description is empty; a line without a file name is skipped).
ProgramList parseProgramList(std::string_view utf8Text);
// The list in code page 932 at `path`; nothing when it is missing, unreadable or not code page
// 932 text. A default folder beginning with "~" starts in `home`.
std::optional<ProgramList> readProgramList(const std::string& path, const std::string& home);

// The folder without its trailing separators ("\" on Windows, "/" here).
std::string withoutTrailingSeparators(std::string_view folder, PathStyle style);
// Whether a folder without trailing separators names a root, which is neither tested nor
// created: a bare drive ("C:") on Windows, "" (what is left of "/") here.
bool namesRoot(const std::string& folder, PathStyle style);
// The folder and every parent of it, from the left, that exists or must be created in that
// order; the root is left out.
std::vector<std::string> foldersToCreate(const std::string& folder, PathStyle style);
// "folder<separator>name".
std::string pathIn(const std::string& folder, const std::string& name, PathStyle style);

struct CopyFailure {
    std::string fileName;
    std::string reason;
    bool operator==(const CopyFailure&) const = default;
};

struct InstallOutcome {
    bool finished = false;  // false: the dialog stays open
    std::vector<CopyFailure> failures;
    // The setup program to start; nothing when a required file could not be copied.
    std::optional<std::string> setupProgram;
};

// OK of the installer dialog: checks the folder text, asks before creating the folder and
// before copying, creates the folder with its missing parents, copies every ticked entry (and
// every required one, ticked or not) from `sourceFolder` ("" for the current folder) over the
// files in the folder, and reports every file that could not be copied in one message.
InstallOutcome install(const std::string& folderText, const std::vector<ProgramEntry>& entries,
                       const std::vector<bool>& ticked, const std::string& sourceFolder,
                       Questions& questions);

}  // namespace kesto
