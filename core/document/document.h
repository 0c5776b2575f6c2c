// The document of the program: one building with its pages, the shared design conditions, the
// input unit, the lists derived for display and printing (conditions report, messages, the
// cells of the current page) and the program-wide settings. It carries every operation of the
// document's commands; the desktop program only shows dialogs and draws what it holds.
#pragma once

#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "calc/calculation_commands.h"
#include "model/document_file.h"
#include "model/stress_table.h"
#include "platform/profile.h"
#include "report/print_layout.h"
#include "report/result_cells.h"
#include "tables/material_tables.h"

namespace kesto {

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

    // Open: the file is read whole first, so a refused or damaged file (DocumentRefused,
    // FileFormatError, FileAccessError) leaves this document as it was. On success the material
    // and section tables follow the file, the first page becomes current, every page is
    // recalculated and the messages collected. "KestoBase.def" is not touched.
    // `progress` is told of every page recalculated.
    TableProblems open(const std::string& path, const PageProgress& progress = {});

    // Save: writes the document atomically (FileAccessError or FileFormatError on failure: the
    // file on disk is then the old one and the document stays modified), then rewrites
    // "KestoBase.def" from the current conditions; a failure there leaves the old default data
    // file and is a warning (takeWarnings).
    void save(const std::string& path);

    // Program end: edited material tables, edited section tables, then the profile keys
    // ("Regist" table names, "Font" and "Print").
    TableProblems endProgram();

    // --- Building texts --------------------------------------------------------------------
    const std::string& buildingName() const { return data_.buildingName; }
    const std::string& buildingDate() const { return data_.buildingDate; }
    const std::string& buildingComment() const { return data_.buildingComment; }
    // The building dialog's OK: stores all three and marks the document modified.
    void setBuildingTexts(std::string name, std::string date, std::string comment);

    // --- Pages -------------------------------------------------------------------------------
    int pageCount() const { return static_cast<int>(data_.conditions.pages.size()); }
    int currentPageIndex() const { return currentPageIndex_; }
    CKesto* currentPage();
    const CKesto* currentPage() const;
    // The status-bar page text "%d/%d": current page number and page count.
    std::string pageStatusText() const;
    // Makes page k current and lays it out; false (nothing changed) when there is no page k.
    bool goToPage(int k);
    // A new page after the current one (at the end when there is none), with the inputs of the
    // current page except its mark and forces; it becomes current.
    void insertPage();
    // Deletes the current page; the page before it (or the new first page) becomes current.
    // False when there is no current page.
    bool deleteCurrentPage();
    // The jump dialog's "↑"/"↓": exchanges pages i and j; page j becomes current.
    bool swapPages(int i, int j);
    // Replaces page `index` as a whole (the shape dialog's OK, and taking a page change back);
    // the current page is laid out again and the document marked modified. False (nothing
    // changed) when there is no page `index`.
    bool replacePage(int index, CKesto page);

    // Replaces the whole page list (taking a stress import back or doing it again); the current
    // page keeps its index while it exists, else the last page becomes current.
    void replacePages(OwnedList<CKesto> pages);

    // --- Stress table ------------------------------------------------------------------------
    // Every page's forces as a stress table (model/stress_table.h).
    std::string stressTable() const;
    // Sets the forces the table lists, all or nothing; when it applies, the current page is
    // laid out again and the document marked modified; pages it adds go to the end.
    StressTableImport importStressTable(std::string_view bytes, bool addPages);

    // The message window's "ｼﾞｬﾝﾌﾟ": the page whose mark is the first token of `line` between
    // "[" and "]" (the whole line when it has no brackets); -1 when no page has that mark.
    int pageOfMessageLine(const std::string& line) const;

    // --- Calculation -------------------------------------------------------------------------
    // Calculate this page / all pages: the message list and, with the detail file on, the detail
    // lines (document path and the conditions block first) written to "temp.csv". Returns true
    // when a message was collected (the message window is then shown).
    // Calculating all pages stops after the page on which `progress` returns false; the pages
    // done keep their results, messages and detail lines.
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
    // `factor`, concrete names shortened to their first four characters when asked.
    void convertStresses(double factor, bool shortenConcreteNames);

    // --- Table editors (their changes go to the table files, not to the document) ---------
    enum class SectionTable { hShapes, tubes, bolts };
    // A section or bolt table editor closed with OK: its file name and title are taken over and
    // the table is written back at program end.
    void sectionTableEdited(SectionTable table, std::string fileName, std::string title);
    // The concrete or steel-grade editor closed with OK.
    void materialTableEdited(bool concrete);

    // --- Conditions --------------------------------------------------------------------------
    CKestoCnt& conditions() { return data_.conditions; }
    const CKestoCnt& conditions() const { return data_.conditions; }
    // After the design-conditions sheet or the stress dialog closed with OK.
    void conditionsChanged();
    const std::vector<std::string>& conditionLines() const { return conditionLines_; }
    // The conditions report for the screen (policy text of the input unit) or for printing
    // (policy text of the output unit).
    std::vector<std::string> buildConditionLines(bool forPrint) const;

    // --- Cells -------------------------------------------------------------------------------
    const std::vector<DisplayCell>& pageCells() const { return grid_.cells; }
    const FigureCaptions& figureCaptions() const { return grid_.captions; }
    // Lays out the current page for the screen again (after any change affecting it).
    void rebuildCells();
    // Commits an editor: stores the value into the cell with this edit number and marks the
    // document modified. Numbers of editable number cells are refused outside -99999 … 99999.
    bool editCell(int editOrder, const CellInput& value);
    // The cells of page `index` as printed, without changing the current page.
    ResultGrid printCells(int index, bool labelsOff);

    // --- Settings ----------------------------------------------------------------------------
    const PrintSettings& printSettings() const { return printSettings_; }
    // The print dialogs' OK; the document stays unmodified.
    void setPrintSettings(const PrintSettings& s) { printSettings_ = s; }
    const std::string& programFolder() const { return programFolder_; }
    const std::string& path() const { return path_; }
    const DocumentData& data() const { return data_; }

    // Table files that exist but could not be read or written at the last program start, new
    // document or unit switch (shown to the user as warnings).
    const TableProblems& tableProblems() const { return tableProblems_; }
    // Files that a save or a calculation command could not write besides the document itself
    // ("KestoBase.def", "temp.csv"), each with the reason; shown to the user as warnings once.
    std::vector<std::string> takeWarnings() { return std::exchange(warnings_, {}); }

    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

  private:
    void readDefaults();
    void writeDefaults();
    void insertPageAfterCurrent(bool fromCommand);
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
    std::vector<std::string> warnings_;
};

// The first four characters of a concrete name ("Fc210" -> "Fc21"), counted as the code page
// 932 bytes of the stored name without splitting a double-byte character.
std::string shortenedConcreteName(const std::string& name);

}  // namespace kesto
