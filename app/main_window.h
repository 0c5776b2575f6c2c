// The main window: the page view in the middle, the menus and the toolbar of every command, the
// status bar with the command prompts and the page position, the message window. It holds the
// one document and runs its commands; the document does the work.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QUndoStack>
#include <memory>
#include <string>

#include "app/commands.h"
#include "app/recent_files.h"
#include "app/settings_profile.h"
#include "document/document.h"

class QMenu;
class QPrinter;

namespace kesto::app {

class HelpWindow;
class MessageWindow;
class PageView;
class ResultsWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The document starts from the default data, tables and settings of `programFolder` and
    // `settings`, with one new page.
    MainWindow(QSettings& settings, std::string programFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    KestoDocument& document() { return *document_; }
    QAction* action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }
    PageView* pageView() const { return view_; }
    MessageWindow* messageWindow() const { return messages_; }
    ResultsWindow* resultsWindow() const { return results_; }
    QUndoStack& undoStack() { return undo_; }
    QString pagePaneText() const { return pagePane_->text(); }

    // After any change: view, status-bar page text, command states, title.
    void documentChanged();
    // Shows the window where it was at the end of the last run.
    void showAtStoredPlacement();

    // --- File ------------------------------------------------------------------------------
    // Opens a document; on failure says why and leaves the document as it was.
    bool openDocument(const QString& path);
    bool saveDocument(const QString& path);
    // Asks whether to save a modified document; false when the user cancels.
    bool maybeSave();
    void newDocument();
    void openWithDialog();
    bool save();
    bool saveAs();

    // --- Stress table ----------------------------------------------------------------------
    // Reads a stress table into the pages as one undo step. Unknown marks first ask whether to
    // add their pages; any other problem is listed and nothing changes. False when nothing was
    // read.
    bool importStresses(const std::string& bytes, const QString& name);
    void importStressesWithDialog();
    void exportStressesWithDialog();
    // Lays a block copied from a spreadsheet over the stress cells of the current page from the
    // cell with this edit number, as one undo step; what does not fit is refused with a message
    // and changes nothing.
    bool pasteStresses(int editOrder, const QString& text);
    // The results overview's CSV (the batch tool's results table).
    void exportResultsWithDialog();

    // --- Pages -----------------------------------------------------------------------------
    void goToPage(int index);
    void insertPage();
    // Asks "現在のページを削除します。" first.
    void deletePage();
    void jump();
    // The outcome of the jump dialog: the exchanges made and, after OK, the page chosen.
    void applyJump(const std::vector<std::pair<int, int>>& swaps, int chosen);

    // --- Printing (app/print_commands.cpp); the document is never marked modified -----------
    void printReport();
    void previewReport();
    void setUpPrinter();
    void exportPdf();
    // Writes the report to `path`; false after telling the user why not.
    bool writePdf(const QString& path);
    void choosePrintFont();
    void editPrintPage();
    QPrinter& printer();
    // Keeps the paper and orientation the printer was last set to in the print settings.
    void keepPrinterPaper();

    // --- Settings and calculation ----------------------------------------------------------
    void editBuilding();
    void setUnitSystem(int unit);
    void calculatePage();
    void calculateAll();
    void toggleMessages();
    void jumpToMessage(const QString& line);
    void openDetailFile();

    // --- Help (app/help_commands.cpp) ------------------------------------------------------
    // Shows the help at "file.html" or "file.html#anchor".
    void showHelp(const QString& topic);
    HelpWindow* helpWindow() const { return help_; }
    void showAbout();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenus();
    void buildToolBar();
    void setUpHelp();
    void connectCommands();
    void rebuildRecentFiles();
    // After a new or opened document: nothing to undo, messages of the old one gone.
    void documentReplaced();
    void updateCommands();
    void updateTitle();
    // A change that cannot be undone: the document stays modified until saved.
    void markModifiedForGood();
    void showCalculationMessages(bool any);
    // The results overview shows the document's pages again, when it is open.
    void refreshResults();
    void warnAboutTables(const TableProblems& problems);
    // The table files and the files beside the document (the default data, the detail file)
    // that the last command could not read or write, in one message.
    void warnAboutFiles();
    // True when the user asks to write the tables again.
    bool askToRetryTables(const TableProblems& problems);

    std::unique_ptr<QPrinter> printer_;
    SettingsProfile profile_;
    std::unique_ptr<KestoDocument> document_;
    QUndoStack undo_;
    RecentFiles recent_;
    CommandActions actions_;
    PageView* view_;
    MessageWindow* messages_;
    ResultsWindow* results_;
    QLabel* pagePane_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentEnd_ = nullptr;  // the separator after the recent files
    QList<QAction*> recentActions_;
    QToolBar* toolBar_ = nullptr;
    HelpWindow* help_ = nullptr;  // made when first asked for
};

}  // namespace kesto::app
