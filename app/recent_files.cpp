#include "app/recent_files.h"

#include <QFileInfo>

namespace kesto::app {
namespace {

const QString kSection = QStringLiteral("Recent File List");

QString entryKey(int i) {
    return kSection + QStringLiteral("/File%1").arg(i + 1);
}

bool sameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

RecentFiles::RecentFiles(QSettings& settings) : settings_(settings) {
    for (int i = 0; i < kCapacity; ++i) {
        const QString path = settings_.value(entryKey(i)).toString();
        if (!path.isEmpty()) {
            paths_.append(path);
        }
    }
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    remove(absolute);
    paths_.prepend(absolute);
    while (paths_.size() > kCapacity) {
        paths_.removeLast();
    }
    store();
}

void RecentFiles::remove(const QString& path) {
    paths_.removeIf([&](const QString& p) { return sameFile(p, path); });
    store();
}

void RecentFiles::store() {
    for (int i = 0; i < kCapacity; ++i) {
        if (i < paths_.size()) {
            settings_.setValue(entryKey(i), paths_[i]);
        } else {
            settings_.remove(entryKey(i));
        }
    }
}

}  // namespace kesto::app
