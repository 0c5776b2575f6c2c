// The plan of the column base being edited, drawn by the same figure routine as the page view,
// so that a wrong gauge or count shows before the values are stored.
#pragma once

#include <QFrame>

#include "report/figure.h"

namespace kesto::dialogs {

class LivePlan : public QFrame {
    Q_OBJECT
  public:
    explicit LivePlan(QWidget* parent = nullptr);
    void setFigure(ColumnBaseFigure figure);
    const ColumnBaseFigure& figure() const { return figure_; }
    QSize sizeHint() const override { return {290, 290}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ColumnBaseFigure figure_;
};

}  // namespace kesto::dialogs
