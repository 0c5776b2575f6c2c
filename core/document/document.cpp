#include "document/document.h"

#include <cmath>

#include "base/codepage.h"
#include "base/text_format.h"
#include "calc/calculation_commands.h"
#include "document/condition_report.h"
#include "document/detail_file.h"
#include "document/open_document.h"
#include "model/new_document.h"
#include "platform/files.h"
#include "report/print_settings_store.h"
#include "tables/table_store.h"

namespace kesto {

std::string shortenedConcreteName(const std::string& name) {
    constexpr std::size_t kBytes = 4;
    std::size_t used = 0;
    std::size_t end = 0;
    while (end < name.size()) {
        const std::size_t n = utf8SequenceLength(static_cast<unsigned char>(name[end]));
        const std::size_t width = cp932Length(name.substr(end, n));
        if (used + width > kBytes) {
            break;
        }
        used += width;
        end += n;
    }
    return name.substr(0, end);
}

KestoDocument::KestoDocument(std::string programFolder, Profile& profile)
    : programFolder_(std::move(programFolder)), profile_(profile) {
    data_.formatSignature = kFormatSignature;
    readDefaults();
    tableProblems_ = loadMaterialTables(data_.conditions, programFolder_, data_.unitSystem);
    printSettings_ = loadPrintSettings(profile_);
}

void KestoDocument::readDefaults() {
    const auto bytes = readFileIfExists(programFolder_ + kDefaultsFileName);
    if (bytes) {
        try {
            DefaultData d = parseDefaults(*bytes, kDefaultsFileName);
            d.conditions.adoptRunTimeMembers(data_.conditions);
            data_.conditions = std::move(d.conditions);
            data_.unitSystem = d.unitSystem;
            return;
        } catch (const std::exception&) {
            // A damaged file counts as a missing one.
        }
    }
    installBuiltInDefaults(data_.conditions);
    data_.unitSystem = 1;
}

void KestoDocument::writeDefaults() {
    try {
        writeFileAtomic(programFolder_ + kDefaultsFileName,
                        serializeDefaults(data_.unitSystem, data_.conditions));
    } catch (const std::exception& e) {
        // The document itself is saved; the next program start uses the old defaults.
        warnings_.push_back(e.what());
    }
}

void KestoDocument::onNewDocument(std::time_t now) {
    data_.buildingName.clear();
    data_.buildingDate = formatBuildingDate(now);
    data_.buildingComment.clear();
    tableProblems_ = loadTablesForNewDocument(data_.conditions, programFolder_, profile_);
    data_.conditions.clearPages();
    currentPageIndex_ = 0;
    insertPageAfterCurrent(false);
    messageLines_.clear();
    path_.clear();
    rebuildCells();
    rebuildConditionLines();
    modified_ = false;
}

TableProblems KestoDocument::open(const std::string& path, const PageProgress& progress) {
    TableProblems problems = openDocument(path, programFolder_, data_);
    path_ = path;
    currentPageIndex_ = data_.conditions.pages.empty() ? -1 : 0;
    rebuildConditionLines();
    // The cells pointed into the pages just replaced: lay out the new first page before
    // `progress` lets the screen draw.
    rebuildCells();
    recalculateOnOpen(data_.conditions, data_.unitSystem, messageLines_, progress);
    rebuildCells();
    modified_ = false;
    return problems;
}

void KestoDocument::save(const std::string& path) {
    writeFileAtomic(path, serializeDocument(data_));
    path_ = path;
    modified_ = false;
    writeDefaults();
}

TableProblems KestoDocument::endProgram() {
    TableProblems problems =
        writeTablesAtProgramEnd(data_.conditions, programFolder_, data_.unitSystem, profile_);
    savePrintSettings(printSettings_, profile_);
    return problems;
}

void KestoDocument::setBuildingTexts(std::string name, std::string date, std::string comment) {
    data_.buildingName = std::move(name);
    data_.buildingDate = std::move(date);
    data_.buildingComment = std::move(comment);
    modified_ = true;
}

CKesto* KestoDocument::currentPage() {
    if (currentPageIndex_ < 0 || currentPageIndex_ >= pageCount()) {
        return nullptr;
    }
    return &data_.conditions.pages[static_cast<std::size_t>(currentPageIndex_)];
}

const CKesto* KestoDocument::currentPage() const {
    return const_cast<KestoDocument*>(this)->currentPage();
}

std::string KestoDocument::pageStatusText() const {
    return strprintf("%d/%d", currentPageIndex_ + 1, pageCount());
}

bool KestoDocument::goToPage(int k) {
    if (k < 0 || k >= pageCount()) {
        return false;
    }
    currentPageIndex_ = k;
    rebuildCells();
    return true;
}

void KestoDocument::insertPageAfterCurrent(bool fromCommand) {
    const CKesto* current = currentPage();
    auto page =
        std::make_unique<CKesto>(makeInsertedPage(data_.conditions, data_.unitSystem, current));
    auto& pages = data_.conditions.pages;
    const std::size_t at =
        current != nullptr ? static_cast<std::size_t>(currentPageIndex_) + 1 : pages.size();
    pages.insert(at, std::move(page));
    if (fromCommand) {
        currentPageIndex_ = static_cast<int>(at);
    }
}

void KestoDocument::insertPage() {
    insertPageAfterCurrent(true);
    rebuildCells();
    modified_ = true;
}

bool KestoDocument::deleteCurrentPage() {
    if (currentPage() == nullptr) {
        return false;
    }
    data_.conditions.pages.erase(static_cast<std::size_t>(currentPageIndex_));
    currentPageIndex_ = data_.conditions.pages.empty() ? -1 : std::max(0, currentPageIndex_ - 1);
    rebuildCells();
    modified_ = true;
    return true;
}

bool KestoDocument::swapPages(int i, int j) {
    if (i < 0 || j < 0 || i >= pageCount() || j >= pageCount() || i == j) {
        return false;
    }
    auto& pages = data_.conditions.pages;
    const auto lo = static_cast<std::size_t>(std::min(i, j));
    const auto hi = static_cast<std::size_t>(std::max(i, j));
    auto upper = pages.release(hi);
    auto lower = pages.release(lo);
    pages.insert(lo, std::move(upper));
    pages.insert(hi, std::move(lower));
    currentPageIndex_ = j;
    rebuildCells();
    modified_ = true;
    return true;
}

bool KestoDocument::replacePage(int index, CKesto page) {
    if (index < 0 || index >= pageCount()) {
        return false;
    }
    data_.conditions.pages[static_cast<std::size_t>(index)] = std::move(page);
    rebuildCells();
    modified_ = true;
    return true;
}

void KestoDocument::replacePages(OwnedList<CKesto> pages) {
    data_.conditions.pages = std::move(pages);
    if (currentPageIndex_ >= pageCount()) {
        currentPageIndex_ = pageCount() - 1;
    } else if (currentPageIndex_ < 0 && pageCount() > 0) {
        currentPageIndex_ = 0;
    }
    rebuildCells();
    modified_ = true;
}

std::string KestoDocument::stressTable() const {
    return writeStressTable(data_.conditions);
}

StressTableImport KestoDocument::importStressTable(std::string_view bytes, bool addPages) {
    StressTableImport result =
        kesto::importStressTable(bytes, data_.conditions, data_.unitSystem, addPages);
    if (result.problems.empty()) {
        if (currentPageIndex_ < 0 && pageCount() > 0) {
            currentPageIndex_ = 0;
        }
        rebuildCells();
        modified_ = true;
    }
    return result;
}

int KestoDocument::pageOfMessageLine(const std::string& line) const {
    std::string token = line;
    const auto open = line.find('[');
    if (open != std::string::npos) {
        const auto close = line.find(']', open + 1);
        token = line.substr(open + 1,
                            close == std::string::npos ? std::string::npos : close - open - 1);
    }
    for (int i = 0; i < pageCount(); ++i) {
        if (data_.conditions.pages[static_cast<std::size_t>(i)].mark == token) {
            return i;
        }
    }
    return -1;
}

void KestoDocument::sectionTableEdited(SectionTable table, std::string fileName,
                                       std::string title) {
    CKestoCnt& c = data_.conditions;
    switch (table) {
        case SectionTable::hShapes:
            c.hSteelModified = true;
            c.hSteelTableName = std::move(fileName);
            c.hSteelTableTitle = std::move(title);
            break;
        case SectionTable::tubes:
            c.tubeModified = true;
            c.tubeTableName = std::move(fileName);
            c.tubeTableTitle = std::move(title);
            break;
        case SectionTable::bolts:
            c.boltModified = true;
            c.boltTableName = std::move(fileName);
            c.boltTableTitle = std::move(title);
            break;
    }
    rebuildCells();
}

void KestoDocument::materialTableEdited(bool concrete) {
    (concrete ? data_.conditions.concreteModified : data_.conditions.steelGradeModified) = true;
}

bool KestoDocument::calculateThisPage() {
    CKesto* page = currentPage();
    if (page == nullptr) {
        return false;
    }
    kesto::calculateThisPage(data_.conditions, *page, data_.unitSystem,
                             detailHeader(path_, data_.conditions, data_.unitSystem),
                             messageLines_);
    writeDetailFile(programFolder_, data_.conditions, &warnings_);
    rebuildCells();
    modified_ = true;
    return !messageLines_.empty();
}

bool KestoDocument::calculateAllPages(const PageProgress& progress) {
    kesto::calculateAllPages(data_.conditions, data_.unitSystem,
                             detailHeader(path_, data_.conditions, data_.unitSystem), messageLines_,
                             progress);
    writeDetailFile(programFolder_, data_.conditions, &warnings_);
    rebuildCells();
    modified_ = true;
    return !messageLines_.empty();
}

void KestoDocument::rebuildMessageLines() {
    messageLines_.clear();
    for (const auto& page : data_.conditions.pages) {
        collectMessages(page, messageLines_);
    }
}

bool KestoDocument::setUnitSystem(int unit) {
    if (!switchUnitSystem(data_.conditions, programFolder_, data_.unitSystem, unit,
                          tableProblems_)) {
        return false;
    }
    rebuildCells();
    rebuildConditionLines();
    modified_ = true;
    return true;
}

void KestoDocument::convertStresses(double factor, bool shortenConcreteNames) {
    for (auto& page : data_.conditions.pages) {
        if (shortenConcreteNames) {
            page.concreteGrade = shortenedConcreteName(page.concreteGrade);
        }
        for (int dir = 0; dir < 2; ++dir) {
            for (int sense = 0; sense < 2; ++sense) {
                page.ultimateN[dir][sense] *= factor;
                page.ultimateQ[dir][sense] *= factor;
                page.ultimateM[dir][sense] *= factor;
            }
            for (auto& s : page.basicStresses[dir]) {
                s.n *= factor;
                s.m *= factor;
                s.q *= factor;
            }
        }
    }
    rebuildCells();
    modified_ = true;
}

void KestoDocument::conditionsChanged() {
    rebuildCells();
    rebuildConditionLines();
    modified_ = true;
}

std::vector<std::string> KestoDocument::buildConditionLines(bool forPrint) const {
    return kesto::buildConditionLines(data_.conditions, data_.unitSystem,
                                      forPrint ? printSettings_.outputUnitSystem : data_.unitSystem,
                                      programFolder_);
}

void KestoDocument::rebuildConditionLines() {
    conditionLines_ = buildConditionLines(false);
}

void KestoDocument::rebuildCells() {
    CKesto* page = currentPage();
    if (page == nullptr) {
        grid_ = ResultGrid{};
        return;
    }
    grid_ = buildResultCells(data_.conditions, *page,
                             {false, false, data_.unitSystem, printSettings_.outputUnitSystem});
}

bool KestoDocument::editCell(int editOrder, const CellInput& value) {
    for (const auto& cell : grid_.cells) {
        if (cell.editOrder != editOrder) {
            continue;
        }
        if (const auto* number = std::get_if<double>(&value)) {
            if (!(std::fabs(*number) <= kLargestEntry)) {
                return false;
            }
        }
        if (!storeCellValue(cell, value)) {
            return false;
        }
        modified_ = true;
        return true;
    }
    return false;
}

ResultGrid KestoDocument::printCells(int index, bool labelsOff) {
    if (index < 0 || index >= pageCount()) {
        return ResultGrid{};
    }
    return buildResultCells(data_.conditions,
                            data_.conditions.pages[static_cast<std::size_t>(index)],
                            {labelsOff, true, data_.unitSystem, printSettings_.outputUnitSystem});
}

}  // namespace kesto
