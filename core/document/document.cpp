#include "document/document.h"

#include <algorithm>
#include <cmath>

#include "base/codepage.h"
#include "base/field_copy.h"
#include "base/text_format.h"
#include "calc/calculation_commands.h"
#include "document/condition_report.h"
#include "document/detail_file.h"
#include "document/open_document.h"
#include "model/combinations.h"
#include "model/new_document.h"
#include "model/page.h"
#include "platform/files.h"
#include "report/print_settings_store.h"
#include "report/stress_paste.h"
#include "tables/table_problems.h"
#include "tables/table_store.h"

namespace kesto {
namespace {

// The fields of the design-conditions sheet: the conditions body but its lists, the table file
// names (the table editors') and the γ case name (the stress dialog's).
void copySheetFields(const CKestoCnt& from, CKestoCnt& to) {
    copyFields(
        from, to, [](auto& ar, auto& cnt) { conditionsBody(ar, cnt); },
        [](std::string_view name) {
            return name != "hSteelTableName" && name != "tubeTableName" &&
                   name != "boltTableName" && name != "gammaStressName";
        });
}

bool isNumberInRange(const FieldValue& value) {
    if (const auto* d = std::get_if<double>(&value)) {
        return std::fabs(*d) <= kLargestEntry;
    }
    if (const auto* i = std::get_if<int>(&value)) {
        return std::abs(*i) <= kLargestEntry;
    }
    return true;
}

}  // namespace

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
    addTableProblems(loadMaterialTables(data_.conditions, programFolder_, data_.unitSystem));
    printSettings_ = loadPrintSettings(profile_);
}

void KestoDocument::addTableProblems(TableProblems problems) {
    for (auto& p : problems) {
        tableProblems_.push_back(std::move(p));
    }
}

TableProblems KestoDocument::takeTableProblems() {
    TableProblems fresh;
    for (auto& p : tableProblems_) {
        if (reportedProblems_.insert(p).second) {
            fresh.push_back(std::move(p));
        }
    }
    tableProblems_.clear();
    return fresh;
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
        warnings_.push_back(
            problemText("既定値ファイル " + programFolder_ + kDefaultsFileName +
                            " に書き込めませんでした。次回の起動では以前の既定値を使います。",
                        e.what()));
    }
}

void KestoDocument::onNewDocument(std::time_t now) {
    data_.buildingName.clear();
    data_.buildingDate = formatBuildingDate(now);
    data_.buildingComment.clear();
    addTableProblems(loadTablesForNewDocument(data_.conditions, programFolder_, profile_));
    data_.conditions.pages.clear();
    currentPageIndex_ = 0;
    insertPageAfterCurrent(false);
    messageLines_.clear();
    path_.clear();
    rebuildCells();
    rebuildConditionLines();
    modified_ = false;
}

FileResult<TableProblems> KestoDocument::open(const std::string& path,
                                              const PageProgress& progress) {
    TableProblems problems;
    if (auto error =
            catchFileError(path, [&] { problems = openDocument(path, programFolder_, data_); })) {
        return *std::move(error);
    }
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

std::optional<FileError> KestoDocument::save(const std::string& path) {
    if (auto error =
            catchFileError(path, [&] { writeFileAtomic(path, serializeDocument(data_)); })) {
        return error;
    }
    path_ = path;
    modified_ = false;
    writeDefaults();
    return std::nullopt;
}

TableProblems KestoDocument::endProgram() {
    TableProblems problems =
        writeTablesAtProgramEnd(data_.conditions, programFolder_, data_.unitSystem, profile_);
    savePrintSettings(printSettings_, profile_);
    return problems;
}

void KestoDocument::changed() {
    rebuildCells();
    modified_ = true;
}

BuildingTexts KestoDocument::setBuildingTexts(BuildingTexts texts) {
    BuildingTexts previous{std::exchange(data_.buildingName, std::move(texts.name)),
                           std::exchange(data_.buildingDate, std::move(texts.date)),
                           std::exchange(data_.buildingComment, std::move(texts.comment))};
    modified_ = true;
    return previous;
}

const CKesto* KestoDocument::currentPage() const {
    if (currentPageIndex_ < 0 || currentPageIndex_ >= pageCount()) {
        return nullptr;
    }
    return &data_.conditions.pages[static_cast<std::size_t>(currentPageIndex_)];
}

std::string KestoDocument::pageStatusText(int pageIndex) const {
    return strprintf("%d/%d", pageIndex + 1, pageCount());
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

int KestoDocument::insertPage() {
    insertPageAfterCurrent(true);
    changed();
    return currentPageIndex_;
}

std::optional<RemovedPage> KestoDocument::deletePage(int i) {
    if (i < 0 || i >= pageCount()) {
        return std::nullopt;
    }
    RemovedPage removed{i, std::move(*data_.conditions.pages.release(static_cast<std::size_t>(i)))};
    currentPageIndex_ = data_.conditions.pages.empty() ? -1 : std::max(0, i - 1);
    changed();
    return removed;
}

void KestoDocument::restorePage(RemovedPage removed) {
    const int at = std::clamp(removed.index, 0, pageCount());
    data_.conditions.pages.insert(static_cast<std::size_t>(at),
                                  std::make_unique<CKesto>(std::move(removed.page)));
    currentPageIndex_ = at;
    changed();
}

std::optional<CKesto> KestoDocument::replacePage(int i, CKesto page) {
    if (i < 0 || i >= pageCount()) {
        return std::nullopt;
    }
    std::optional<CKesto> previous =
        std::exchange(data_.conditions.pages[static_cast<std::size_t>(i)], std::move(page));
    changed();
    return previous;
}

OwnedList<CKesto> KestoDocument::setPages(OwnedList<CKesto> pages) {
    std::swap(data_.conditions.pages, pages);
    currentPageIndex_ = data_.conditions.pages.empty() ? -1
                        : currentPageIndex_ < 0        ? 0
                                                : std::min(currentPageIndex_, pageCount() - 1);
    changed();
    return pages;
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

std::string KestoDocument::pasteStresses(int editOrder, std::string_view text) {
    StressPaste plan = planStressPaste(grid_.cells, editOrder, text);
    if (!plan.refusal.empty()) {
        return plan.refusal;
    }
    for (const auto& [field, value] : plan.values) {
        storeField(data_.conditions, field, value);
    }
    changed();
    return {};
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

namespace {

// Exchanges a table of the conditions with an editor's state.
template <class Row>
TableState<Row> exchangeTable(std::string* fileName, std::string* title, OwnedList<Row>& rows,
                              bool& modified, TableState<Row> state) {
    TableState<Row> previous;
    if (fileName != nullptr) {
        previous.fileName = std::exchange(*fileName, std::move(state.fileName));
        previous.title = std::exchange(*title, std::move(state.title));
    }
    previous.rows = std::exchange(rows, std::move(state.rows));
    previous.modified = std::exchange(modified, state.modified);
    return previous;
}

}  // namespace

TableState<CSteel> KestoDocument::sectionTable(SectionTable table) const {
    const CKestoCnt& c = data_.conditions;
    return table == SectionTable::hShapes
               ? TableState<CSteel>{c.hSteelTableName, c.hSteelTableTitle, c.hSteelTable,
                                    c.hSteelModified}
               : TableState<CSteel>{c.tubeTableName, c.tubeTableTitle, c.tubeTable, c.tubeModified};
}

TableState<CSteel> KestoDocument::setSectionTable(SectionTable table, TableState<CSteel> state) {
    CKestoCnt& c = data_.conditions;
    TableState<CSteel> previous =
        table == SectionTable::hShapes
            ? exchangeTable(&c.hSteelTableName, &c.hSteelTableTitle, c.hSteelTable,
                            c.hSteelModified, std::move(state))
            : exchangeTable(&c.tubeTableName, &c.tubeTableTitle, c.tubeTable, c.tubeModified,
                            std::move(state));
    rebuildCells();
    return previous;
}

TableState<CABolt> KestoDocument::boltTable() const {
    const CKestoCnt& c = data_.conditions;
    return {c.boltTableName, c.boltTableTitle, c.boltTable, c.boltModified};
}

TableState<CABolt> KestoDocument::setBoltTable(TableState<CABolt> state) {
    CKestoCnt& c = data_.conditions;
    auto previous = exchangeTable(&c.boltTableName, &c.boltTableTitle, c.boltTable, c.boltModified,
                                  std::move(state));
    rebuildCells();
    return previous;
}

TableState<CConcreteRaw> KestoDocument::setConcreteTable(TableState<CConcreteRaw> state) {
    CKestoCnt& c = data_.conditions;
    return exchangeTable(nullptr, nullptr, c.concreteTable, c.concreteModified, std::move(state));
}

TableState<CSteelRaw> KestoDocument::setSteelGradeTable(TableState<CSteelRaw> state) {
    CKestoCnt& c = data_.conditions;
    return exchangeTable(nullptr, nullptr, c.steelGradeTable, c.steelGradeModified,
                         std::move(state));
}

bool KestoDocument::calculateThisPage() {
    if (currentPage() == nullptr) {
        return false;
    }
    CKesto& page = data_.conditions.pages[static_cast<std::size_t>(currentPageIndex_)];
    kesto::calculateThisPage(data_.conditions, page, data_.unitSystem,
                             detailHeader(path_, data_.conditions, data_.unitSystem),
                             messageLines_);
    writeDetailFile(programFolder_, data_.conditions, &warnings_);
    rebuildCells();
    modified_ = true;
    return !messageLines_.empty();
}

bool KestoDocument::calculateAllPages(const PageProgress& progress) {
    CKestoCnt& cnt = data_.conditions;
    const auto header = detailHeader(path_, cnt, data_.unitSystem);
    if (cnt.writeDetailFile == 1) {
        DetailFileWriter detail(detailFilePath(programFolder_));
        kesto::calculateAllPages(cnt, data_.unitSystem, header, messageLines_, progress,
                                 [&detail](CKesto&, TextLines& lines) { detail.afterPage(lines); });
        detail.finish(cnt.detailLines, &warnings_);
    } else {
        kesto::calculateAllPages(cnt, data_.unitSystem, header, messageLines_, progress);
    }
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
    TableProblems problems;
    if (!switchUnitSystem(data_.conditions, programFolder_, data_.unitSystem, unit, problems)) {
        return false;
    }
    addTableProblems(std::move(problems));
    rebuildCells();
    rebuildConditionLines();
    modified_ = true;
    return true;
}

OwnedList<CKesto> KestoDocument::convertStresses(double factor, bool shortenConcreteNames) {
    OwnedList<CKesto> previous = data_.conditions.pages;
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
    changed();
    return previous;
}

CKestoCnt KestoDocument::setConditions(const CKestoCnt& edited) {
    CKestoCnt previous;
    copySheetFields(data_.conditions, previous);
    copySheetFields(edited, data_.conditions);
    rebuildConditionLines();
    changed();
    return previous;
}

StressSetup KestoDocument::stressSetup() const {
    return stressSetupOf(data_.conditions);
}

StressSetup KestoDocument::setStressSetup(StressSetup setup) {
    StressSetup previous = exchangeStressSetup(data_.conditions, std::move(setup));
    rebuildConditionLines();
    changed();
    return previous;
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
    const CKesto* page = currentPage();
    if (page == nullptr) {
        grid_ = ResultGrid{};
        return;
    }
    grid_ = buildResultCells(
        data_.conditions, *page,
        {false, false, data_.unitSystem, printSettings_.outputUnitSystem, currentPageIndex_});
}

std::optional<FieldEdit> KestoDocument::editCell(int editOrder, const FieldValue& value) {
    for (const auto& cell : grid_.cells) {
        if (cell.editOrder != editOrder) {
            continue;
        }
        if (!cell.editable() || !cell.field) {
            return std::nullopt;
        }
        const FieldRef field = *cell.field;
        if (auto previous = setField(field, value)) {
            return FieldEdit{field, std::move(*previous)};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<FieldValue> KestoDocument::setField(const FieldRef& ref, const FieldValue& value) {
    if (!isNumberInRange(value)) {
        return std::nullopt;
    }
    auto previous = storeField(data_.conditions, ref, value);
    if (previous) {
        changed();
    }
    return previous;
}

ResultGrid KestoDocument::printCells(int index, bool labelsOff) {
    if (index < 0 || index >= pageCount()) {
        return ResultGrid{};
    }
    return buildResultCells(
        data_.conditions, data_.conditions.pages[static_cast<std::size_t>(index)],
        {labelsOff, true, data_.unitSystem, printSettings_.outputUnitSystem, index});
}

}  // namespace kesto
