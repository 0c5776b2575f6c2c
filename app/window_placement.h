// The main window's placement between runs, in profile section "WindowSize": "Rect" holds the
// restored rectangle as "%04d %04d %04d %04d" (left, top, right, bottom), "Icon" 1 when the
// window was minimised, "Max" 1 when it was maximised (or minimised from a maximised state).
#pragma once

#include <QRect>

#include "platform/profile.h"

class QWidget;

namespace kesto::app {

struct WindowPlacement {
    // The restored window: the position of its frame and the size of its inside, so that a
    // window placed where it was stored stores the same rectangle again on every platform.
    QRect normal{QPoint(0, 0), QPoint(639, 479)};  // the first run: (0, 0)-(640, 480)
    bool minimised = false;
    bool maximised = false;
};

// The stored placement. An empty "Rect" gives the first-run rectangle; any other text is read as
// four integers at character positions 0, 5, 10 and 15, whatever it holds.
WindowPlacement readWindowPlacement(const Profile& profile);
void writeWindowPlacement(Profile& profile, const WindowPlacement& placement);

// The placement of a shown window: its restored rectangle and its state.
WindowPlacement placementOf(const QWidget& window);
// Places and shows the window: minimised (restoring to maximised when it was), maximised, or
// normal at the stored rectangle.
void showWithPlacement(QWidget& window, const WindowPlacement& placement);

}  // namespace kesto::app
