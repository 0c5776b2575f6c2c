// The program's help: HTML topics in the help folder beside the program, listed in order by
// "contents.txt". Each topic's title is its <title>; its sections are its <h2 id="..."> headings.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kesto::app {

struct HelpSection {
    QString anchor;
    QString title;
};

struct HelpTopic {
    QString file;  // the file name inside the help folder
    QString title;
    std::vector<HelpSection> sections;
    QString plainText;   // the page as the reader sees it
    QString searchText;  // the same in one form for half-width and full-width letters
};

class HelpLibrary {
  public:
    // Reads every topic of `folder`; a topic that cannot be read is left out.
    explicit HelpLibrary(QString folder);

    const QString& folder() const { return folder_; }
    const std::vector<HelpTopic>& topics() const { return topics_; }
    // The topics whose text holds every word of `words` (blank separated; case, half-width and
    // full-width forms ignored).
    std::vector<const HelpTopic*> search(const QString& words) const;

  private:
    QString folder_;
    std::vector<HelpTopic> topics_;
};

// The help folder of a program folder.
QString helpFolder(const QString& programFolder);

}  // namespace kesto::app
