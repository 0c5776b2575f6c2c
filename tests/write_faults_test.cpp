// Every file the program writes is written whole or not at all: a failing write, flush or rename
// (injected through the platform layer) or a killed process leaves the old file, the failure is
// reported, and what was not saved stays marked as such.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "document/detail_file.h"
#include "document/document.h"
#include "model/new_document.h"
#include "platform/files.h"
#include "test_support.h"

namespace kesto {
namespace {

using test::TempFolder;

constexpr std::time_t kNoon = 1'700'000'000;
constexpr WriteStep kSteps[] = {WriteStep::create, WriteStep::write, WriteStep::flush,
                                WriteStep::rename};

// Makes `step` fail for every write to a file whose name ends in one of `names` while in scope.
class InjectedFault {
  public:
    InjectedFault(WriteStep step, std::vector<std::string> names) {
        setWriteFaultHook([step, names](WriteStep s, const std::string& path) {
            for (const std::string& name : names) {
                if (s == step && path.size() >= name.size() &&
                    path.compare(path.size() - name.size(), name.size(), name) == 0) {
                    return true;
                }
            }
            return false;
        });
    }
    ~InjectedFault() { setWriteFaultHook({}); }
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;
};

struct Program {
    TempFolder dir;
    IniProfile profile;
    KestoDocument doc{dir.folder(), profile};
    Program() { doc.onNewDocument(kNoon); }
};

// The folder holds no half-written file beside `path`.
bool noTemporaryBeside(const std::string& path) {
    return !std::filesystem::exists(path + ".saving~");
}

TEST(WriteFaults, AFailedSaveKeepsTheOldFileAndTheDocumentModified) {
    Program p;
    const std::string path = p.dir.file("building.kso");
    p.doc.save(path);
    const std::string saved = readFile(path);
    for (const WriteStep step : kSteps) {
        p.doc.setBuildingTexts({"新しい名前", "2026/12/08", ""});
        {
            InjectedFault fault(step, {"building.kso"});
            const auto error = p.doc.save(path);
            ASSERT_TRUE(error);
            EXPECT_EQ(error->kind, FileError::Kind::access);
            EXPECT_EQ(error->file, path);
        }
        EXPECT_EQ(readFile(path), saved);
        EXPECT_TRUE(p.doc.isModified());
        EXPECT_TRUE(noTemporaryBeside(path));
    }
}

TEST(WriteFaults, TheDefaultDataFileKeepsItsOldFormAndTheFailureIsAWarning) {
    Program p;
    const std::string path = p.dir.file("building.kso");
    const std::string defaults = p.dir.file(kDefaultsFileName);
    p.doc.save(path);
    const std::string old = readFile(defaults);
    p.doc.setUnitSystem(0);
    for (const WriteStep step : kSteps) {
        {
            InjectedFault fault(step, {kDefaultsFileName});
            p.doc.save(path);
        }
        EXPECT_FALSE(p.doc.isModified());  // the document itself is saved
        const auto warnings = p.doc.takeWarnings();
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_NE(warnings[0].find(defaults), std::string::npos) << warnings[0];
        EXPECT_EQ(readFile(defaults), old);
        EXPECT_TRUE(noTemporaryBeside(defaults));
    }
    p.doc.save(path);
    EXPECT_TRUE(p.doc.takeWarnings().empty());
    EXPECT_EQ(parseDefaults(readFile(defaults), kDefaultsFileName).unitSystem, 0);
}

TEST(WriteFaults, TheDetailFileKeepsItsOldFormAndTheFailureIsAWarning) {
    Program p;
    DocumentData data;
    installBuiltInDefaults(data.conditions);
    data.conditions.writeDetailFile = 1;
    data.conditions.pages.append(makeNewPage(data.conditions, 1));
    const std::string path = p.dir.file("detail.kso");
    writeFileAtomic(path, serializeDocument(data));
    p.doc.open(path);
    const std::string detail = p.dir.file("temp.csv");
    writeFileAtomic(detail, "old");
    for (const WriteStep step : kSteps) {
        {
            InjectedFault fault(step, {"temp.csv"});
            p.doc.calculateAllPages();
        }
        const auto warnings = p.doc.takeWarnings();
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_NE(warnings[0].find(detail), std::string::npos) << warnings[0];
        EXPECT_EQ(readFile(detail), "old");
        EXPECT_FALSE(p.doc.data().conditions.detailLines.empty());
        EXPECT_TRUE(noTemporaryBeside(detail));
    }
}

// Makes the n-th write of any file fail while in scope (the streamed files write in parts).
class FailingWrite {
  public:
    explicit FailingWrite(int n) {
        setWriteFaultHook([n, writes = 0](WriteStep step, const std::string&) mutable {
            return step == WriteStep::write && ++writes == n;
        });
    }
    ~FailingWrite() { setWriteFaultHook({}); }
    FailingWrite(const FailingWrite&) = delete;
    FailingWrite& operator=(const FailingWrite&) = delete;
};

TEST(WriteFaults, AStreamedFileIsReplacedOnlyWhenCommitted) {
    TempFolder dir;
    const std::string path = dir.file("out.csv");
    writeFileAtomic(path, "old");
    const auto stream = [&path] {
        AtomicFileWriter file(path, Flush::bySystem);
        file.append("new ");
        file.append("text");
        file.commit();
    };
    for (const WriteStep step : kSteps) {
        InjectedFault fault(step, {"out.csv"});
        EXPECT_THROW(stream(), FileAccessError);
        EXPECT_EQ(readFile(path), "old");
        EXPECT_TRUE(noTemporaryBeside(path));
    }
    {
        FailingWrite second(2);
        EXPECT_THROW(stream(), FileAccessError);
        EXPECT_EQ(readFile(path), "old");
        EXPECT_TRUE(noTemporaryBeside(path));
    }
    {
        AtomicFileWriter abandoned(path);
        abandoned.append("new");
    }
    EXPECT_EQ(readFile(path), "old");
    EXPECT_TRUE(noTemporaryBeside(path));
    stream();
    EXPECT_EQ(readFile(path), "new text");
}

// A detail file that fails after a first block was written keeps the old file and the lines not
// written (the failed block, then the lines after it), and the failure names the file.
TEST(WriteFaults, ADetailFileFailingPartWayKeepsTheOldFile) {
    TempFolder dir;
    const std::string path = dir.file("temp.csv");
    writeFileAtomic(path, "old");
    FailingWrite second(2);
    DetailFileWriter writer(path);
    TextLines lines;
    const std::string line(1000, 'x');
    std::size_t blockLines = 0;
    for (int block = 0; block < 2; ++block) {
        while (lines.text().size() < (std::size_t{1} << 20)) {
            lines.push_back(line);
        }
        blockLines = lines.size();
        writer.afterPage(lines);
    }
    lines.push_back("last");
    std::vector<std::string> problems;
    EXPECT_FALSE(writer.finish(lines, &problems));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find(path), std::string::npos) << problems[0];
    ASSERT_EQ(lines.size(), blockLines + 1);
    EXPECT_EQ(lines[0], line);
    EXPECT_EQ(lines.back(), "last");
    EXPECT_EQ(readFile(path), "old");
    EXPECT_TRUE(noTemporaryBeside(path));
}

TEST(WriteFaults, TablesAtProgramEndAreReportedAndWrittenNextTime) {
    Program p;
    auto hShapes = p.doc.sectionTable(KestoDocument::SectionTable::hShapes);
    hShapes.fileName = "自社H.tbl";
    hShapes.title = "自社";
    hShapes.modified = true;
    p.doc.setSectionTable(KestoDocument::SectionTable::hShapes, std::move(hShapes));
    p.doc.setConcreteTable({{}, {}, p.doc.conditions().concreteTable, true});
    const std::vector<std::string> names = {"ConcRawSI.tbl", "自社H.tbl"};
    for (const WriteStep step : kSteps) {
        InjectedFault fault(step, names);
        const auto problems = p.doc.endProgram();
        ASSERT_EQ(problems.size(), 2u);
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_NE(problems[i].find(names[i]), std::string::npos) << problems[i];
            EXPECT_FALSE(fileExists(p.dir.file(names[i])));
            EXPECT_TRUE(noTemporaryBeside(p.dir.file(names[i])));
        }
    }
    EXPECT_TRUE(p.doc.endProgram().empty());
    EXPECT_TRUE(fileExists(p.dir.file("自社H.tbl")));
    EXPECT_TRUE(fileExists(p.dir.file("ConcRawSI.tbl")));
}

// A child process saves a large document over and over, alternating two building names, and is
// killed at random moments: the file on disk always reads whole as one of the saved versions.
TEST(WriteFaults, AProcessKilledWhileSavingLeavesAWholeFile) {
    Program p;
    for (int i = 0; i < 3000; ++i) {
        p.doc.insertPage();
    }
    const std::string path = p.dir.file("large.kso");
    p.doc.setBuildingTexts({"A", "", ""});
    p.doc.save(path);
    std::mt19937 random(20261208);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 0;; ++n) {
                p.doc.setBuildingTexts({n % 2 == 0 ? "B" : "A", "", ""});
                p.doc.save(path);
            }
        }
        usleep(1000 + random() % 40'000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const DocumentData back = parseDocument(readFile(path), path);
        EXPECT_TRUE(back.buildingName == "A" || back.buildingName == "B") << back.buildingName;
        EXPECT_EQ(back.conditions.pages.size(), 3001u);
        EXPECT_NO_THROW(parseDefaults(readFile(p.dir.file(kDefaultsFileName)), "def"));
    }
}

}  // namespace
}  // namespace kesto
