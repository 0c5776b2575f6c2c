#include "document/data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/folders.h"
#include "test_support.h"

namespace kesto {
namespace {

using test::TempFolder;

// A program folder as installed: a program, tables, a policy text, the default data.
struct Installed {
    TempFolder program;
    TempFolder home;
    std::string user = home.folder() + "share/Drem/Kesto/";
    Installed() {
        for (const char* name : {"kesto", "ConcRaw.tbl", "Ｈ形鋼JIS.tbl", "計算方針1SI.txt",
                                 "KestoBase.def", "Program.txt"}) {
            writeFileAtomic(program.file(name), std::string("installed ") + name);
        }
    }
};

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DataFolder, WritableProgramFolderIsTheDataFolder) {
    Installed i;
    EXPECT_EQ(dataFolderFor(i.program.folder(), true, i.user), i.program.folder());
    EXPECT_FALSE(folderExists(i.user));
}

TEST(DataFolder, ReadOnlyProgramFolderFillsTheUserFolderWithItsDataFiles) {
    Installed i;
    EXPECT_EQ(dataFolderFor(i.program.folder(), false, i.user), i.user);
    EXPECT_EQ(sorted(filesIn(i.user)),
              sorted({"ConcRaw.tbl", "Ｈ形鋼JIS.tbl", "計算方針1SI.txt", "KestoBase.def"}));
    EXPECT_EQ(readFile(i.user + "ConcRaw.tbl"), "installed ConcRaw.tbl");
}

TEST(DataFolder, EditedFilesAreNeverReplaced) {
    Installed i;
    dataFolderFor(i.program.folder(), false, i.user);
    writeFileAtomic(i.user + "ConcRaw.tbl", "edited");
    std::filesystem::remove(i.user + "KestoBase.def");
    dataFolderFor(i.program.folder(), false, i.user);
    EXPECT_EQ(readFile(i.user + "ConcRaw.tbl"), "edited");
    EXPECT_EQ(readFile(i.user + "KestoBase.def"), "installed KestoBase.def");
}

TEST(DataFolder, ProgramFolderWhenTheUserFolderCannotBeMade) {
    Installed i;
    writeFileAtomic(i.home.file("share"), "");
    EXPECT_EQ(dataFolderFor(i.program.folder(), false, i.user), i.program.folder());
    EXPECT_EQ(dataFolderFor(i.program.folder(), false, ""), i.program.folder());
}

TEST(DataFolder, WritableIsWhatTheSystemAllows) {
    TempFolder folder;
    EXPECT_TRUE(folderIsWritable(folder.folder()));
    EXPECT_FALSE(folderIsWritable(folder.file("missing")));
    EXPECT_TRUE(filesIn(folder.folder()).empty());
}

}  // namespace
}  // namespace kesto
