// The recent-file list of the File menu: the last four documents opened or saved, newest first,
// kept in the user profile (section "Recent File List", keys "File1" … "File4").
#pragma once

#include <QSettings>
#include <QStringList>

namespace kesto::app {

class RecentFiles {
  public:
    static constexpr int kCapacity = 4;

    explicit RecentFiles(QSettings& settings);

    const QStringList& paths() const { return paths_; }
    // Puts `path` first, dropping an older entry for the same file and the fifth entry.
    void add(const QString& path);
    // Drops a file that could not be opened.
    void remove(const QString& path);

  private:
    void store();

    QSettings& settings_;
    QStringList paths_;
};

}  // namespace kesto::app
