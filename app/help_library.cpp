#include "app/help_library.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace kesto::app {
namespace {

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString plainTextOf(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// Half-width and full-width forms alike (ｹﾞｰｼﾞ finds ゲージ, Ｘ finds X).
QString searchForm(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC);
}

HelpTopic readTopic(const QString& folder, const QString& file) {
    const QString html = readText(folder + QLatin1Char('/') + file);
    HelpTopic topic{file, {}, {}, plainTextOf(html), {}};
    topic.searchText = searchForm(topic.plainText);
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    topic.title = plainTextOf(title.match(html).captured(1));
    static const QRegularExpression section(QStringLiteral("<h2 id=\"([^\"]+)\">(.*?)</h2>"));
    for (auto it = section.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        topic.sections.push_back({m.captured(1), plainTextOf(m.captured(2))});
    }
    return topic;
}

}  // namespace

HelpLibrary::HelpLibrary(QString folder) : folder_(std::move(folder)) {
    const QStringList lines =
        readText(folder_ + QStringLiteral("/contents.txt")).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString file = raw.trimmed();
        if (file.isEmpty() || file.startsWith(QLatin1Char('#')) ||
            !QFile::exists(folder_ + QLatin1Char('/') + file)) {
            continue;
        }
        topics_.push_back(readTopic(folder_, file));
    }
}

std::vector<const HelpTopic*> HelpLibrary::search(const QString& words) const {
    const QStringList wanted = searchForm(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<const HelpTopic*> found;
    if (wanted.isEmpty()) {
        return found;
    }
    for (const HelpTopic& topic : topics_) {
        const bool all = std::all_of(wanted.begin(), wanted.end(), [&topic](const QString& w) {
            return topic.searchText.contains(w, Qt::CaseInsensitive);
        });
        if (all) {
            found.push_back(&topic);
        }
    }
    return found;
}

QString helpFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("help"));
}

}  // namespace kesto::app
