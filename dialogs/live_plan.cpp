#include "dialogs/live_plan.h"

#include <QPainter>

#include "app/paint/figure_painter.h"

namespace kesto::dialogs {

LivePlan::LivePlan(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumSize(sizeHint());
}

void LivePlan::setFigure(ColumnBaseFigure figure) {
    figure_ = std::move(figure);
    update();
}

void LivePlan::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), Qt::white);
    painter.setPen(Qt::darkGray);
    painter.drawText(contentsRect().adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("入力中の形状"));
    app::paintColumnBaseFigure(painter, figure_, contentsRect(), app::Ink::screen);
}

}  // namespace kesto::dialogs
