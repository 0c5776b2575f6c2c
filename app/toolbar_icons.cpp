#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kesto::app {
namespace {

// Every picture is drawn on a 32 × 32 grid.
constexpr int kGrid = 32;
const QColor kOutline(60, 60, 60);
const QColor kArrow(30, 80, 170);

void drawPage(QPainter& p, const QRectF& r) {
    const qreal fold = r.width() * 0.3;
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF{QPointF(r.right() - fold, r.top()),
                            QPointF(r.right() - fold, r.top() + fold),
                            QPointF(r.right(), r.top() + fold)});
}

void drawBadge(QPainter& p, const QColor& colour, bool cross) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(16, 16, 15, 15));
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    if (cross) {
        p.drawLine(QPointF(19.5, 19.5), QPointF(27.5, 27.5));
        p.drawLine(QPointF(27.5, 19.5), QPointF(19.5, 27.5));
    } else {
        p.drawLine(QPointF(23.5, 19), QPointF(23.5, 28));
        p.drawLine(QPointF(19, 23.5), QPointF(28, 23.5));
    }
}

void drawTriangle(QPainter& p, qreal x, bool right) {
    const qreal w = 10;
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawPolygon(right ? QPolygonF{QPointF(x, 7), QPointF(x + w, 16), QPointF(x, 25)}
                        : QPolygonF{QPointF(x + w, 7), QPointF(x, 16), QPointF(x + w, 25)});
}

void drawBar(QPainter& p, qreal x) {
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawRect(QRectF(x, 7, 3.5, 18));
}

void drawFolder(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.setBrush(QColor(240, 200, 90));
    p.drawPolygon(QPolygonF{QPointF(3, 8), QPointF(11, 8), QPointF(14, 11), QPointF(27, 11),
                            QPointF(27, 26), QPointF(3, 26)});
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF{QPointF(7, 15), QPointF(31, 15), QPointF(27, 26), QPointF(3, 26)});
}

void drawDisk(QPainter& p) {
    p.setPen(QPen(QColor(20, 50, 110), 1.5));
    p.setBrush(QColor(50, 100, 190));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void drawPrinter(QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 11));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 20, 14, 9));
    p.drawLine(QLineF(12, 24, 20, 24));
}

void drawCalculator(QPainter& p) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(235, 235, 235));
    p.drawRoundedRect(QRectF(6, 2, 20, 28), 2, 2);
    p.setBrush(QColor(190, 225, 190));
    p.drawRect(QRectF(9, 5, 14, 6));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(row == 2 && col == 2 ? QColor(210, 60, 40) : kOutline);
            p.drawRect(QRectF(9 + col * 5, 14 + row * 5, 3.5, 3.5));
        }
    }
}

void drawJump(QPainter& p) {
    p.setPen(QPen(kOutline, 2));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(3, 7 + i * 6), QPointF(17, 7 + i * 6));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawPolygon(QPolygonF{QPointF(25, 2), QPointF(31, 10), QPointF(19, 10)});
    p.drawPolygon(QPolygonF{QPointF(25, 30), QPointF(31, 22), QPointF(19, 22)});
    p.drawRect(QRectF(23.5, 9, 3, 14));
}

void drawCurvedArrow(QPainter& p, bool forward) {
    if (!forward) {
        p.translate(kGrid, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(kArrow, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(6, 24);
    arc.cubicTo(6, 10, 18, 8, 24, 14);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawPolygon(QPolygonF{QPointF(28, 7), QPointF(29, 19), QPointF(18, 17)});
}

// A white sign on a blue disc.
void drawSign(QPainter& p, const QString& sign) {
    const QRectF disc(4, 4, 24, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawEllipse(disc);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(disc, Qt::AlignCenter, sign);
}

}  // namespace

QIcon toolbarIcon(Command command) {
    QPixmap pixmap(kGrid, kGrid);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page(6, 2, 20, 27);
    switch (command) {
        case Command::fileNew:
            drawPage(p, page);
            break;
        case Command::fileOpen:
            drawFolder(p);
            break;
        case Command::fileSave:
            drawDisk(p);
            break;
        case Command::filePrint:
            drawPrinter(p);
            break;
        case Command::insertPage:
            drawPage(p, QRectF(3, 2, 20, 27));
            drawBadge(p, QColor(30, 150, 60), false);
            break;
        case Command::deletePage:
            drawPage(p, QRectF(3, 2, 20, 27));
            drawBadge(p, QColor(200, 40, 40), true);
            break;
        case Command::calculatePage:
            drawCalculator(p);
            break;
        case Command::firstPage:
            drawBar(p, 8);
            drawTriangle(p, 13, false);
            break;
        case Command::previousPage:
            drawTriangle(p, 11, false);
            break;
        case Command::jump:
            drawJump(p);
            break;
        case Command::nextPage:
            drawTriangle(p, 11, true);
            break;
        case Command::lastPage:
            drawTriangle(p, 9, true);
            drawBar(p, 20.5);
            break;
        case Command::undo:
            drawCurvedArrow(p, false);
            break;
        case Command::redo:
            drawCurvedArrow(p, true);
            break;
        case Command::about:
            drawSign(p, QStringLiteral("i"));
            break;
        case Command::contextHelp:
            drawSign(p, QStringLiteral("?"));
            break;
        default:
            return {};
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace kesto::app
