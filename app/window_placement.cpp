#include "app/window_placement.h"

#include <QWidget>
#include <cctype>
#include <string>

#include "base/text_format.h"

namespace kesto::app {
namespace {

constexpr const char* kSection = "WindowSize";

// The number at `pos` as the C library's atoi reads it: blanks, a sign, digits; 0 when none.
int numberAt(const std::string& text, std::size_t pos) {
    long value = 0;
    bool negative = false;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) {
        ++pos;
    }
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) &&
           value < 1000000) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

WindowPlacement readWindowPlacement(const Profile& profile) {
    WindowPlacement p;
    const std::string rect = profile.getString(kSection, "Rect", "");
    if (!rect.empty()) {
        // The stored right and bottom lie just outside the window, as the platform counts them.
        p.normal = QRect(QPoint(numberAt(rect, 0), numberAt(rect, 5)),
                         QPoint(numberAt(rect, 10) - 1, numberAt(rect, 15) - 1));
    }
    p.minimised = profile.getInt(kSection, "Icon", 0) != 0;
    p.maximised = profile.getInt(kSection, "Max", 0) != 0;
    return p;
}

void writeWindowPlacement(Profile& profile, const WindowPlacement& placement) {
    const QRect& r = placement.normal;
    profile.setString(
        kSection, "Rect",
        strprintf("%04d %04d %04d %04d", r.left(), r.top(), r.right() + 1, r.bottom() + 1));
    profile.setInt(kSection, "Icon", placement.minimised ? 1 : 0);
    profile.setInt(kSection, "Max", placement.maximised ? 1 : 0);
}

WindowPlacement placementOf(const QWidget& window) {
    WindowPlacement p;
    p.normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    p.normal.moveTopLeft(p.normal.topLeft() - (window.geometry().topLeft() - window.pos()));
    const Qt::WindowStates state = window.windowState();
    p.minimised = state.testFlag(Qt::WindowMinimized);
    p.maximised = state.testFlag(Qt::WindowMaximized);
    return p;
}

void showWithPlacement(QWidget& window, const WindowPlacement& placement) {
    window.move(placement.normal.topLeft());
    window.resize(placement.normal.size());
    Qt::WindowStates state;
    if (placement.minimised) {
        state = Qt::WindowMinimized;
    }
    if (placement.maximised) {
        state |= Qt::WindowMaximized;
    }
    window.setWindowState(state);
    window.show();
}

}  // namespace kesto::app
