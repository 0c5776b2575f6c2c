#include "document/data_folder.h"

#include "base/installation.h"
#include "model/document_file.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "report/condition_lines.h"

namespace kesto {
namespace {

// The files of the program folder the program reads and may write: the default data, every
// table file and the policy texts.
bool isDataFile(const std::string& name) {
    if (name == kDefaultsFileName || name.ends_with(".tbl")) {
        return true;
    }
    for (int unit : {0, 1}) {
        for (int elongation : {0, 1}) {
            if (name == policyFileName(unit, elongation)) {
                return true;
            }
        }
    }
    return false;
}

// Creates `folder` with its missing parents; false when it cannot be made.
bool makeFolder(const std::string& folder) {
    const std::string path = withoutTrailingSeparators(folder, nativePathStyle());
    for (const std::string& f : foldersToCreate(path, nativePathStyle())) {
        if (!folderExists(f) && !createFolder(f)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string dataFolderFor(const std::string& programFolder, bool programFolderWritable,
                          const std::string& userFolder) {
    if (programFolderWritable || userFolder.empty() || !makeFolder(userFolder)) {
        return programFolder;
    }
    for (const std::string& name : filesIn(programFolder)) {
        if (isDataFile(name) && !fileExists(userFolder + name)) {
            copyFileReplacing(programFolder + name, userFolder + name);
        }
    }
    return userFolder;
}

std::string dataFolder() {
    const std::string programFolder = executableFolder();
    return dataFolderFor(programFolder, folderIsWritable(programFolder), userDataFolder());
}

}  // namespace kesto
