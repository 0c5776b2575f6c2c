// The report's fixed character grid on a paint device: the print font at the device's
// resolution with the grid's character width and line height, and text drawn character by
// character on that grid (a single-byte character of code page 932 one width wide, a double-byte
// one two), so that columns line up whatever the glyphs' own advances are.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRawFont>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "report/print_layout.h"

class QPaintDevice;
class QPainter;

namespace kesto::app {

struct GridFont {
    QFont font;
    QRawFont glyphs;     // the font's glyph source, looked up once
    int charWidth = 0;   // w: the width of a single-byte character
    int lineHeight = 0;  // h: text height plus leading
    int textHeight = 0;  // height of a line of text without leading
    int ascent = 0;
};

// The print font on `device`: the sheet font height rule at the device's vertical resolution
// (print height × 3/4 × (dpiY / 72 in whole numbers)), the settings' weight and slant.
GridFont makeGridFont(const PrintFont& font, const QPaintDevice& device);

// Width of a text on the grid: its code page 932 bytes × w.
int gridTextWidth(const GridFont& grid, std::string_view utf8);

// Draws `utf8` on the grid with the top-left corner of its first character at `topLeft`, in
// the painter's pen.
void drawGridText(QPainter& painter, const GridFont& grid, QPoint topLeft, std::string_view utf8);

// Lines [first, first + count) of `lines` (those that exist), one per line height from
// `topLeft`: the conditions report and the message list.
void drawGridLines(QPainter& painter, const GridFont& grid, QPoint topLeft,
                   const std::vector<std::string>& lines, std::size_t first, std::size_t count);

}  // namespace kesto::app
