#include "app/screenshot.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

#include "app/main_window.h"
#include "app/message_window.h"

namespace kesto::app {
namespace {

constexpr int kCaptionHeight = 26;

// A window as the desktop shows it: its caption bar with the title above its content.
QPixmap framed(QWidget& window) {
    QString title = window.windowTitle();
    title.replace(QStringLiteral("[*]"),
                  window.isWindowModified() ? QStringLiteral("*") : QString());
    const QPixmap inside = window.grab();
    QPixmap out(inside.width() + 2, inside.height() + kCaptionHeight + 1);
    out.fill(QColor(70, 90, 120));
    QPainter p(&out);
    QFont font = QApplication::font();
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(10, 0, out.width() - 20, kCaptionHeight), Qt::AlignVCenter, title);
    p.drawPixmap(1, kCaptionHeight, inside);
    return out;
}

}  // namespace

bool saveScreenshot(MainWindow& window, const QString& document, const QString& picture) {
    if (!document.isEmpty() && !window.openDocument(document)) {
        return false;
    }
    window.resize(1100, 760);
    window.show();
    // Opening calculated every page; the messages are shown as after a calculation, and the
    // document stays unmodified.
    if (!window.document().messageLines().empty()) {
        window.toggleMessages();
    }
    MessageWindow* messages = window.messageWindow();
    messages->resize(560, 250);
    QApplication::processEvents();
    QPixmap sheet = framed(window);
    if (messages->isVisible()) {
        const QPixmap side = framed(*messages);
        QPainter p(&sheet);
        p.drawPixmap(sheet.width() - side.width() - 28, sheet.height() - side.height() - 40, side);
    }
    return sheet.save(picture, "PNG");
}

}  // namespace kesto::app
