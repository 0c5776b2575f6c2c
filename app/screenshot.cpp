#include "app/screenshot.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

#include "app/main_window.h"
#include "app/message_window.h"

namespace kesto::app {

bool saveScreenshot(MainWindow& window, const QString& document, const QString& picture) {
    if (!document.isEmpty() && !window.openDocument(document)) {
        return false;
    }
    window.resize(1100, 760);
    window.show();
    if (window.document().pageCount() > 1) {
        window.calculateAll();
    } else {
        window.calculatePage();
    }
    QApplication::processEvents();
    const QPixmap main = window.grab();
    MessageWindow* messages = window.messageWindow();
    const QPixmap side = messages->isVisible() ? messages->grab() : QPixmap();
    QPixmap sheet(main.width() + (side.isNull() ? 0 : side.width() + 16),
                  std::max(main.height(), side.height()));
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.drawPixmap(0, 0, main);
    if (!side.isNull()) {
        p.drawPixmap(main.width() + 16, 0, side);
    }
    p.end();
    return sheet.save(picture, "PNG");
}

}  // namespace kesto::app
