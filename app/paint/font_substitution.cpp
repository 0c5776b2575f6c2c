#include "app/paint/font_substitution.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace kesto::app {
namespace {

const QString kMincho = QStringLiteral("IPAMincho");
const QString kGothic = QStringLiteral("IPAGothic");

// Windows Japanese fonts a document or the settings may name, in their Japanese and English
// spellings; registered with Qt as a whole.
const QStringList& windowsMinchoNames() {
    static const QStringList names{QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐ明朝"),
                                   QStringLiteral("MS Mincho"), QStringLiteral("MS PMincho"),
                                   QStringLiteral("游明朝"),    QStringLiteral("Yu Mincho")};
    return names;
}
const QStringList& windowsGothicNames() {
    static const QStringList names{
        QStringLiteral("ＭＳ ゴシック"),  QStringLiteral("ＭＳ Ｐゴシック"),
        QStringLiteral("ＭＳ UI Gothic"), QStringLiteral("MS Gothic"),
        QStringLiteral("MS PGothic"),     QStringLiteral("MS UI Gothic"),
        QStringLiteral("メイリオ"),       QStringLiteral("Meiryo"),
        QStringLiteral("游ゴシック"),     QStringLiteral("Yu Gothic")};
    return names;
}

bool namesKind(const QString& family, std::initializer_list<const char*> words) {
    return std::any_of(words.begin(), words.end(), [&](const char* w) {
        return family.contains(QString::fromUtf8(w), Qt::CaseInsensitive);
    });
}

}  // namespace

QString substituteFontFamily(const QString& family) {
    // Any face whose name says 明朝 or ゴシック (HG明朝E, ＭＳ Ｐゴシック ...) is a Windows
    // Japanese face of that kind; the fixed-pitch IPA face keeps the grid.
    if (namesKind(family, {"明朝", "Mincho"})) {
        return kMincho;
    }
    if (namesKind(family, {"ゴシック", "Gothic", "メイリオ", "Meiryo"})) {
        return kGothic;
    }
    if (!family.isEmpty() && QFontDatabase::hasFamily(family)) {
        return family;
    }
    return kMincho;
}

void installFontSubstitutes() {
    for (const QString& name : windowsMinchoNames()) {
        QFont::insertSubstitution(name, kMincho);
    }
    for (const QString& name : windowsGothicNames()) {
        QFont::insertSubstitution(name, kGothic);
    }
}

}  // namespace kesto::app
