// The document of the program: one building with its pages, the shared design conditions, the
// input unit, the lists derived for display and printing (conditions report, messages, the
// cells of the current page) and the program-wide settings. It carries every operation of the
// document's commands; the desktop program only shows dialogs and draws what it holds.
//
// Every change a user makes goes through one of the edit operations below, and each returns
// what the opposite operation needs, so that an undo stack can take a change back:
//
//     setField(ref, v) -> previous value    undo: setField(ref, previous)
//     editCell(n, v)   -> {field, previous}  undo: setField(field, previous)
//     insertPage()     -> index              undo: deletePage(index)
//     deletePage(i)    -> {index, page}      undo: restorePage(removed)
//     swapPages(i, j)                         undo: swapPages(j, i)
//     replacePage(i, p), setBuildingTexts(t), setConditions(c), setStressSetup(s),
//     setPages(list), set...Table(t)         -> what they replaced; undo: the same call with it
//     convertStresses(f, shorten) -> pages   undo: setPages(pages)
//     setUnitSystem(u)                       undo: setUnitSystem(previous unit)
//
// An undo is valid when the changes made after it were undone first, as an undo stack does.
#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "calc/calculation_commands.h"
#include "document/file_error.h"
#include "model/document_file.h"
#include "model/field_ref.h"
#include "model/stress_cases_editor.h"
#include "model/stress_table.h"
#include "platform/profile.h"
#include "report/print_layout.h"
#include "report/result_cells.h"
#include "tables/material_tables.h"

namespace kesto {

struct BuildingTexts {
    std::string name;
    std::string date;
    std::string comment;  // lines end in CR LF, as the document file keeps them
    bool operator==(const BuildingTexts&) const = default;
};

// A deleted page and where it stood.
struct RemovedPage {
    int index = 0;
    CKesto page;
};

// A cell edit: the field and the value it held before.
struct FieldEdit {
    FieldRef field;
    FieldValue previous;
};

// A table as its editor changes it. The file name and title belong to the section and bolt
// tables only; `modified` marks a table to be written back at program end.
template <class Row>
struct TableState {
    std::string fileName;
    std::string title;
    OwnedList<Row> rows;
    bool modified = false;
};

class KestoDocument {
  public:
    // Program start, in this order: the signature, the program folder (with a trailing
    // separator), "KestoBase.def" (the built-in defaults in SI units when it is missing or
    // damaged), the material tables of the unit, the profile values. Both the folder and the
    // profile stay in use for the document's life. A new document follows with onNewDocument.
    KestoDocument(std::string programFolder, Profile& profile);
    // The cells point into the document's own pages, so a document is never copied.
    KestoDocument(const KestoDocument&) = delete;
    KestoDocument& operator=(const KestoDocument&) = delete;

    // New: empty building texts dated `now`, the section tables named in the profile, one new
    // page; the conditions, stress cases, combinations and unit of the previous document stay.
    void onNewDocument(std::time_t now);

    // Open: the file is read whole first, so a file that cannot be read, is damaged or is
    // refused leaves this document as it was and comes back as the FileError. On success the
    // material and section tables follow the file, the first page becomes current, every page
    // is recalculated and the messages collected; the result lists the table files that could
    // not be read or written. "KestoBase.def" is not touched. `progress` is told of every page
    // recalculated.
    FileResult<TableProblems> open(const std::string& path, const PageProgress& progress = {});

    // Save: writes the document atomically (on failure the FileError: the file on disk is then
    // the old one and the document stays modified), then rewrites "KestoBase.def" from the
    // current conditions; a failure there leaves the old default data file and is a warning
    // (takeWarnings).
    std::optional<FileError> save(const std::string& path);

    // Program end: edited material tables, edited section tables, then the profile keys
    // ("Regist" table names, "Font" and "Print").
    TableProblems endProgram();

    // --- Building texts --------------------------------------------------------------------
    const std::string& buildingName() const { return data_.buildingName; }
    const std::string& buildingDate() const { return data_.buildingDate; }
    const std::string& buildingComment() const { return data_.buildingComment; }
    // The building dialog's OK: stores all three and marks the document modified.
    BuildingTexts setBuildingTexts(BuildingTexts texts);

    // --- Pages -------------------------------------------------------------------------------
    int pageCount() const { return static_cast<int>(data_.conditions.pages.size()); }
    int currentPageIndex() const { return currentPageIndex_; }
    const CKesto* currentPage() const;
    // The status-bar page text "%d/%d": current page number and page count; with `pageIndex`,
    // that page's number (printing shows the page being laid out).
    std::string pageStatusText() const { return pageStatusText(currentPageIndex_); }
    std::string pageStatusText(int pageIndex) const;
    // Makes page k current and lays it out; false (nothing changed) when there is no page k.
    bool goToPage(int k);
    // A new page after the current one (at the end when there is none), with the inputs of the
    // current page except its mark and forces; it becomes current. Returns its index.
    int insertPage();
    // Deletes page i; the page before it (or the new first page) becomes current. Nothing when
    // there is no page i.
    std::optional<RemovedPage> deletePage(int i);
    std::optional<RemovedPage> deleteCurrentPage() { return deletePage(currentPageIndex_); }
    // Puts a deleted page back where it stood; it becomes current.
    void restorePage(RemovedPage removed);
    // The jump dialog's "↑"/"↓": exchanges pages i and j; page j becomes current.
    bool swapPages(int i, int j);
    // The column-base dialog's OK: page i replaced as a whole; the page it replaced, or nothing
    // (nothing changed) when there is no page i.
    std::optional<CKesto> replacePage(int i, CKesto page);
    // Every page replaced at once (a stress import taken back or done again, a conversion
    // undone); the current page stays where it was when it still exists, else the last page
    // becomes current. Returns the pages replaced.
    OwnedList<CKesto> setPages(OwnedList<CKesto> pages);

    // --- Stress table ------------------------------------------------------------------------
    // Every page's forces as a stress table (model/stress_table.h).
    std::string stressTable() const;
    // Sets the forces the table lists, all or nothing; when it applies, the current page is
    // laid out again and the document marked modified; pages it adds go to the end.
    StressTableImport importStressTable(std::string_view bytes, bool addPages);
    // Pastes a block of numbers copied from a spreadsheet into the stress cells of the current
    // page, starting at the cell with this edit number (report/stress_paste.h), all or nothing.
    // Returns why it was refused, empty when the values were stored; the document is then
    // modified and the page laid out again.
    std::string pasteStresses(int editOrder, std::string_view text);

    // The message window's "ｼﾞｬﾝﾌﾟ": the page whose mark is the first token of `line` between
    // "[" and "]" (the whole line when it has no brackets); -1 when no page has that mark.
    int pageOfMessageLine(const std::string& line) const;

    // --- Calculation -------------------------------------------------------------------------
    // Calculate this page / all pages: the message list and, with the detail file on, the detail
    // lines (document path and the conditions block first) written to "temp.csv", as the pages
    // are calculated (detail_file.h): the file is replaced only once complete, and a failure is
    // a warning. Returns true when a message was collected (the message window is then shown).
    // Calculating all pages stops after the page on which `progress` returns false; the pages
    // done keep their results and messages, and their detail lines go to the file.
    bool calculateThisPage();
    bool calculateAllPages(const PageProgress& progress = {});
    const std::vector<std::string>& messageLines() const { return messageLines_; }
    // The message lines of every page's last calculation, as printing lists them.
    void rebuildMessageLines();

    // --- Units -------------------------------------------------------------------------------
    int unitSystem() const { return data_.unitSystem; }
    // The unit switch: edited material tables are saved under the old unit, the tables of the
    // new unit are loaded; no number changes. Choosing the active unit does nothing. Returns
    // true when the unit changed.
    bool setUnitSystem(int unit);
    // The unit conversion: every page's basic stresses and route-3 forces multiplied by
    // `factor`, concrete names shortened to their first four characters when asked. Returns
    // the pages as they were.
    OwnedList<CKesto> convertStresses(double factor, bool shortenConcreteNames);

    // --- Table editors (their changes go to the table files, not to the document) ---------
    // An editor closed with OK: the table takes the rows (and for the section and bolt tables
    // the file name and title); a table marked modified is written back at program end.
    // Each returns the table as it was.
    enum class SectionTable { hShapes, tubes };
    TableState<CSteel> sectionTable(SectionTable table) const;
    TableState<CSteel> setSectionTable(SectionTable table, TableState<CSteel> state);
    TableState<CABolt> boltTable() const;
    TableState<CABolt> setBoltTable(TableState<CABolt> state);
    TableState<CConcreteRaw> setConcreteTable(TableState<CConcreteRaw> state);
    TableState<CSteelRaw> setSteelGradeTable(TableState<CSteelRaw> state);

    // --- Conditions --------------------------------------------------------------------------
    const CKestoCnt& conditions() const { return data_.conditions; }
    // The design-conditions sheet's OK: every stored conditions field of `edited` except the
    // lists, the table file names and the γ case name. Returns the conditions as they were
    // (the same fields; no pages, no tables).
    CKestoCnt setConditions(const CKestoCnt& edited);
    StressSetup stressSetup() const;
    // The stress conditions dialog's OK. Returns the setup as it was, with every page's basic
    // stresses.
    StressSetup setStressSetup(StressSetup setup);
    const std::vector<std::string>& conditionLines() const { return conditionLines_; }
    // The conditions report for the screen (policy text of the input unit) or for printing
    // (policy text of the output unit).
    std::vector<std::string> buildConditionLines(bool forPrint) const;

    // --- Cells -------------------------------------------------------------------------------
    const std::vector<DisplayCell>& pageCells() const { return grid_.cells; }
    // Lays out the current page for the screen again (after any change affecting it).
    void rebuildCells();
    // Commits an editor: stores the value into the field of the cell with this edit number.
    // Nothing when there is no such cell or setField refuses the value.
    std::optional<FieldEdit> editCell(int editOrder, const FieldValue& value);
    // Stores a value into a page field, marks the document modified and lays out the current
    // page again. Returns the value the field held, or nothing (nothing changed) when `ref`
    // names no field, the value does not fit it, or a number lies outside -99999 … 99999.
    std::optional<FieldValue> setField(const FieldRef& ref, const FieldValue& value);
    // The cells of page `index` as printed, without changing the current page.
    ResultGrid printCells(int index, bool labelsOff);

    // --- Settings ----------------------------------------------------------------------------
    const PrintSettings& printSettings() const { return printSettings_; }
    // The print dialogs' OK; the document stays unmodified.
    void setPrintSettings(const PrintSettings& s) { printSettings_ = s; }
    const std::string& programFolder() const { return programFolder_; }
    const std::string& path() const { return path_; }
    const DocumentData& data() const { return data_; }

    // Table files that could not be read or written at program start, a new document or a unit
    // switch, gathered since the last call, each text given only once: a damaged table file is
    // reported once however often it is met.
    TableProblems takeTableProblems();
    // Files that a save or a calculation command could not write besides the document itself
    // ("KestoBase.def", "temp.csv"), each with the reason; shown to the user as warnings once.
    std::vector<std::string> takeWarnings() { return std::exchange(warnings_, {}); }

    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

  private:
    void addTableProblems(TableProblems problems);
    void readDefaults();
    void writeDefaults();
    void insertPageAfterCurrent(bool fromCommand);
    void changed();
    void rebuildConditionLines();

    std::string programFolder_;
    Profile& profile_;
    DocumentData data_;
    std::string path_;
    int currentPageIndex_ = -1;
    std::vector<std::string> conditionLines_;
    std::vector<std::string> messageLines_;
    ResultGrid grid_;
    PrintSettings printSettings_;
    bool modified_ = false;
    TableProblems tableProblems_;
    std::set<std::string> reportedProblems_;
    std::vector<std::string> warnings_;
};

// The first four characters of a concrete name ("Fc210" -> "Fc21"), counted as the code page
// 932 bytes of the stored name without splitting a double-byte character.
std::string shortenedConcreteName(const std::string& name);

}  // namespace kesto
