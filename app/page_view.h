// Stand-in for the page view until it lands.
#pragma once

#include <QAbstractScrollArea>

#include "model/document.h"

namespace kesto::app {

class PageView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit PageView(QWidget* parent = nullptr) : QAbstractScrollArea(parent) {}
    void setDocument(kesto::KestoDocument* document) { document_ = document; }
    void refresh() { viewport()->update(); }
    void closeEditors() {}

  signals:
    void cellCommitted(int editOrder, kesto::CellInput value);
    void figureClicked();

  private:
    kesto::KestoDocument* document_ = nullptr;
};

}  // namespace kesto::app
