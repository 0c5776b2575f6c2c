#include "base/installation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scripted_questions.h"
#include "test_support.h"

namespace kesto {
namespace {

using test::ScriptedQuestions;
using test::TempFolder;
namespace fs = std::filesystem;

constexpr const char* kCreate = "\nディレクトリを作成します";
constexpr const char* kStart = "\nインストールを開始します";

TEST(ProgramList, SkipsCommentsEmptyLinesAndUnlistedEntries) {
    const ProgramList list = parseProgramList(
        "; distribution of the program\r\n"
        "\r\n"
        "~/Kesto\r\n"
        "; the programs\r\n"
        "2\tkesto\t本体\r\n"
        "\r\n"
        "1 data.tbl  表\r\n"
        "0 Program.txt 一覧\r\n"
        "3 other.txt その他\r\n"
        "1 bare.txt\r\n"
        "1\r\n"
        "x junk.txt 数字でない\n");
    EXPECT_EQ(list.defaultFolder, "~/Kesto");
    const std::vector<ProgramEntry> expected{{2, "kesto", "本体"},
                                             {1, "data.tbl", "表"},
                                             {3, "other.txt", "その他"},
                                             {1, "bare.txt", ""}};
    EXPECT_EQ(list.entries, expected);
    EXPECT_TRUE(list.entries[0].required());
    EXPECT_FALSE(list.entries[2].required());
}

TEST(ProgramList, ReadInCodePage932WithTheHomeFolder) {
    TempFolder folder;
    folder.writeCp932("Program.txt", "~/Kesto\n2 kesto 本体プログラム\n");
    const auto list = readProgramList(folder.file("Program.txt"), "/home/u");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->defaultFolder, "/home/u/Kesto");
    EXPECT_EQ(list->entries, (std::vector<ProgramEntry>{{2, "kesto", "本体プログラム"}}));

    folder.writeCp932("Program.txt", "~user/Kesto\n");
    EXPECT_EQ(readProgramList(folder.file("Program.txt"), "/home/u")->defaultFolder, "~user/Kesto");
}

TEST(ProgramList, MissingOrNotCodePage932IsNoList) {
    TempFolder folder;
    EXPECT_FALSE(readProgramList(folder.file("Program.txt"), "/home/u"));
    writeFileAtomic(folder.file("Program.txt"), "C:\\Kesto\n1 a \x81\n");
    EXPECT_FALSE(readProgramList(folder.file("Program.txt"), "/home/u"));
    fs::create_directory(folder.file("dir"));
    EXPECT_FALSE(readProgramList(folder.file("dir"), "/home/u"));
}

TEST(InstallFolder, TrailingSeparatorsRemoved) {
    EXPECT_EQ(withoutTrailingSeparators("/opt/kesto///", PathStyle::posix), "/opt/kesto");
    EXPECT_EQ(withoutTrailingSeparators("/", PathStyle::posix), "");
    EXPECT_EQ(withoutTrailingSeparators("C:\\Kesto\\\\", PathStyle::windows), "C:\\Kesto");
    EXPECT_EQ(withoutTrailingSeparators("C:\\", PathStyle::windows), "C:");
    EXPECT_EQ(withoutTrailingSeparators("C:\\Kesto/", PathStyle::windows), "C:\\Kesto/");
}

TEST(InstallFolder, RootIsABareDriveOrNothingLeftOfSlash) {
    EXPECT_TRUE(namesRoot("C:", PathStyle::windows));
    EXPECT_FALSE(namesRoot("C:\\a", PathStyle::windows));
    EXPECT_TRUE(namesRoot("", PathStyle::posix));
    EXPECT_FALSE(namesRoot("a", PathStyle::posix));
}

TEST(InstallFolder, ParentsFromTheLeftWithoutTheRoot) {
    EXPECT_EQ(foldersToCreate("/opt/a/b", PathStyle::posix),
              (std::vector<std::string>{"/opt", "/opt/a", "/opt/a/b"}));
    EXPECT_EQ(foldersToCreate("rel/b", PathStyle::posix),
              (std::vector<std::string>{"rel", "rel/b"}));
    EXPECT_EQ(foldersToCreate("C:\\a\\b", PathStyle::windows),
              (std::vector<std::string>{"C:\\a", "C:\\a\\b"}));
    EXPECT_TRUE(foldersToCreate("C:", PathStyle::windows).empty());
    EXPECT_EQ(pathIn("C:", "setup.exe", PathStyle::windows), "C:\\setup.exe");
    EXPECT_EQ(pathIn("", "setup", PathStyle::posix), "/setup");
}

// A distribution folder with three files and the list the dialog shows of them.
struct Distribution {
    TempFolder source;
    TempFolder target;
    std::vector<ProgramEntry> entries{
        {2, "kesto", "本体"}, {1, "data.tbl", "表"}, {1, "help/index.html", "ヘルプ"}};
    Distribution() {
        writeFileAtomic(source.file("kesto"), "program");
        fs::permissions(source.file("kesto"), fs::perms::owner_exec, fs::perm_options::add);
        writeFileAtomic(source.file("data.tbl"), "table");
        fs::create_directory(source.file("help"));
        writeFileAtomic(source.file("help/index.html"), "<html>");
    }
    InstallOutcome run(const std::string& folder, std::vector<bool> ticked, ScriptedQuestions& q) {
        return install(folder, entries, ticked, source.folder(), q);
    }
};

TEST(Install, CreatesTheFolderWithItsParentsAndCopiesTheTickedFiles) {
    Distribution d;
    const std::string folder = d.target.file("a/b/Kesto");
    ScriptedQuestions q;
    q.answers = {{folder + kCreate, true}, {folder + kStart, true}};
    const InstallOutcome outcome = d.run(folder + "//", {true, false, true}, q);
    EXPECT_EQ(q.asked, (std::vector<std::string>{folder + kCreate, folder + kStart}));
    EXPECT_TRUE(outcome.finished);
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_EQ(outcome.setupProgram, folder + "/setup");
    EXPECT_EQ(readFile(folder + "/kesto"), "program");
    EXPECT_NE(fs::status(folder + "/kesto").permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_FALSE(fs::exists(folder + "/data.tbl"));
    EXPECT_EQ(readFile(folder + "/help/index.html"), "<html>");
}

TEST(Install, ExistingFolderIsNotAskedForAndFilesAreReplaced) {
    Distribution d;
    writeFileAtomic(d.target.file("data.tbl"), "old");
    const std::string folder = withoutTrailingSeparators(d.target.folder(), PathStyle::posix);
    ScriptedQuestions q;
    q.answers = {{folder + kStart, true}};
    EXPECT_TRUE(d.run(d.target.folder(), {true, true, true}, q).finished);
    EXPECT_EQ(q.asked, (std::vector<std::string>{folder + kStart}));
    EXPECT_EQ(readFile(d.target.file("data.tbl")), "table");
}

TEST(Install, RootIsNeitherTestedNorCreated) {
    Distribution d;
    ScriptedQuestions q;
    EXPECT_FALSE(d.run("//", {true, true, true}, q).finished);
    EXPECT_EQ(q.asked, (std::vector<std::string>{std::string("/") + kStart}));
}

TEST(Install, RequiredFileCopiedEvenWhenUnticked) {
    Distribution d;
    ScriptedQuestions q;
    const std::string folder = d.target.file("k");
    q.answers = {{folder + kCreate, true}, {folder + kStart, true}};
    EXPECT_TRUE(d.run(folder, {false, false, false}, q).finished);
    EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"kesto"}));
}

TEST(Install, EmptyFolderTextStaysOpen) {
    Distribution d;
    ScriptedQuestions q;
    EXPECT_FALSE(d.run("", {true, true, true}, q).finished);
    EXPECT_EQ(q.asked, (std::vector<std::string>{"パス名を設定してください"}));
}

TEST(Install, CancelAtEitherQuestionCopiesNothing) {
    Distribution d;
    const std::string folder = d.target.file("k");
    ScriptedQuestions atCreate;
    EXPECT_FALSE(d.run(folder, {true, true, true}, atCreate).finished);
    EXPECT_EQ(atCreate.asked, (std::vector<std::string>{folder + kCreate}));
    EXPECT_FALSE(fs::exists(folder));

    ScriptedQuestions atStart;
    atStart.answers = {{folder + kCreate, true}};
    EXPECT_FALSE(d.run(folder, {true, true, true}, atStart).finished);
    EXPECT_EQ(atStart.asked, (std::vector<std::string>{folder + kCreate, folder + kStart}));
    EXPECT_TRUE(folderExists(folder));
    EXPECT_TRUE(filesIn(folder).empty());
}

TEST(Install, FolderThatCannotBeCreatedStaysOpen) {
    Distribution d;
    writeFileAtomic(d.target.file("file"), "");
    const std::string folder = d.target.file("file/k");
    ScriptedQuestions q;
    q.answers = {{folder + kCreate, true}};
    EXPECT_FALSE(d.run(folder, {true, true, true}, q).finished);
    EXPECT_EQ(q.asked,
              (std::vector<std::string>{folder + kCreate, "ディレクトリが作成できませんでした"}));
}

TEST(Install, EveryFailedCopyReportedInOneMessage) {
    Distribution d;
    fs::remove(d.source.file("data.tbl"));
    const std::string folder = d.target.file("k");
    fs::create_directories(folder + "/help/index.html");
    ScriptedQuestions q;
    q.answers = {{folder + kCreate, true}, {folder + kStart, true}};
    const InstallOutcome outcome = d.run(folder, {true, true, true}, q);
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.failures,
              (std::vector<CopyFailure>{{"data.tbl", "ファイルがありません"},
                                        {"help/index.html", "ファイルではなくフォルダです"}}));
    EXPECT_EQ(q.asked.back(),
              "次のファイルがコピーできませんでした\n"
              "data.tbl: ファイルがありません\n"
              "help/index.html: ファイルではなくフォルダです");
    EXPECT_EQ(outcome.setupProgram, folder + "/setup");
}

TEST(Install, FailedRequiredFileStartsNoSetup) {
    Distribution d;
    fs::remove(d.source.file("kesto"));
    const std::string folder = d.target.file("k");
    ScriptedQuestions q;
    q.answers = {{folder + kCreate, true}, {folder + kStart, true}};
    const InstallOutcome outcome = d.run(folder, {true, false, false}, q);
    EXPECT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.setupProgram);
    EXPECT_EQ(q.asked.back(),
              "次のファイルがコピーできませんでした\n"
              "kesto: ファイルがありません\n"
              "必要なファイルが揃わないため、セットアップを開始しません");
}

}  // namespace
}  // namespace kesto
