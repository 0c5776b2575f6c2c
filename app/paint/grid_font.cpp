#include "app/paint/grid_font.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

#include "app/paint/font_substitution.h"
#include "base/codepage.h"

namespace kesto::app {
namespace {

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Grid widths (1 or 2) of the characters of a text. Every character of a stored text has a
// code; one without (pasted from elsewhere) is measured alone and counts as its replacement.
std::vector<int> characterUnits(std::string_view utf8, const QList<uint>& characters) {
    std::vector<int> units;
    units.reserve(static_cast<std::size_t>(characters.size()));
    if (const auto encoded = encodeCp932(utf8)) {
        for (std::size_t i = 0; i < encoded->size();) {
            const int n = isLeadByte(static_cast<unsigned char>((*encoded)[i])) ? 2 : 1;
            units.push_back(n);
            i += static_cast<std::size_t>(n);
        }
        if (units.size() == static_cast<std::size_t>(characters.size())) {
            return units;
        }
        units.clear();
    }
    for (const uint c : characters) {
        const char32_t one = c;
        units.push_back(static_cast<int>(
            std::max<std::size_t>(1, cp932Length(QString::fromUcs4(&one, 1).toStdString()))));
    }
    return units;
}

}  // namespace

GridFont makeGridFont(const PrintFont& font, const QPaintDevice& device) {
    GridFont g;
    g.font = QFont(substituteFontFamily(QString::fromStdString(font.faceName)));
    g.font.setPixelSize(std::max(1, std::abs(sheetFontHeight(font, device.logicalDpiY()))));
    const int weight = font.weight <= 0 ? 400 : std::min(font.weight, 1000);
    g.font.setWeight(static_cast<QFont::Weight>(weight));
    g.font.setItalic(font.italic != 0);
    g.font.setFixedPitch(true);
    g.font.setStyleHint(QFont::TypeWriter);
    g.font.setKerning(false);
    g.glyphs = QRawFont::fromFont(g.font);
    const QFontMetrics m(g.font, &device);
    // The width of a single-byte character, the grid unit of the fixed-pitch face.
    g.charWidth = std::max(1, m.horizontalAdvance(QLatin1Char('0')));
    g.textHeight = m.height();
    g.lineHeight = m.height() + std::max(0, m.leading());
    g.ascent = m.ascent();
    return g;
}

int gridTextWidth(const GridFont& grid, std::string_view utf8) {
    return static_cast<int>(cp932Length(utf8)) * grid.charWidth;
}

void drawGridText(QPainter& painter, const GridFont& grid, QPoint topLeft, std::string_view utf8) {
    if (utf8.empty()) {
        return;
    }
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QList<uint> characters = text.toUcs4();
    const std::vector<int> units = characterUnits(utf8, characters);

    const QList<quint32> glyphs = grid.glyphs.glyphIndexesForString(text);
    const bool oneGlyphEach = glyphs.size() == characters.size();

    // One glyph run for the characters the face holds, each glyph placed on its grid column;
    // a character the face lacks is drawn alone so that Qt finds it in another face.
    QList<quint32> runGlyphs;
    QList<QPointF> runPositions;
    painter.save();
    painter.setFont(grid.font);
    int x = 0;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (oneGlyphEach && glyphs[i] != 0) {
            runGlyphs.push_back(glyphs[i]);
            runPositions.push_back(QPointF(x, 0));
        } else if (characters[i] != ' ') {
            const char32_t one = characters[i];
            painter.drawText(QPoint(topLeft.x() + x, topLeft.y() + grid.ascent),
                             QString::fromUcs4(&one, 1));
        }
        x += units[static_cast<std::size_t>(i)] * grid.charWidth;
    }
    if (!runGlyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(grid.glyphs);
        run.setGlyphIndexes(runGlyphs);
        run.setPositions(runPositions);
        painter.drawGlyphRun(QPointF(topLeft.x(), topLeft.y() + grid.ascent), run);
    }
    painter.restore();
}

void drawGridLines(QPainter& painter, const GridFont& grid, QPoint topLeft,
                   const std::vector<std::string>& lines, std::size_t first, std::size_t count) {
    for (std::size_t k = 0; k < count && first + k < lines.size(); ++k) {
        drawGridText(painter, grid,
                     QPoint(topLeft.x(), topLeft.y() + static_cast<int>(k) * grid.lineHeight),
                     lines[first + k]);
    }
}

}  // namespace kesto::app
