// The help window: the contents tree and a search field on the left, the topic on the right,
// links between topics followed in place, with back and forward.
#pragma once

#include <QWidget>

#include "app/help_library.h"

class QLineEdit;
class QListWidget;
class QStackedWidget;
class QTextBrowser;
class QTreeWidget;

namespace kesto::app {

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

    // Shows "file.html" or "file.html#anchor", in front of every other window of the program.
    void showTopic(const QString& topic);
    // Lists the topics that hold every word of `words` and shows the first, its words marked.
    void search(const QString& words);

    const HelpLibrary& library() const { return library_; }
    QTextBrowser* browser() const { return browser_; }
    QTreeWidget* contents() const { return contents_; }
    QListWidget* results() const { return results_; }
    QLineEdit* searchField() const { return searchField_; }
    // The topic shown, as "file.html" or "file.html#anchor".
    QString currentTopic() const;

  private:
    void buildContents();
    void openResult(int row);
    void markWords();

    HelpLibrary library_;
    QLineEdit* searchField_;
    QStackedWidget* leftPane_;
    QTreeWidget* contents_;
    QListWidget* results_;
    QTextBrowser* browser_;
    QString searchedWords_;
};

}  // namespace kesto::app
