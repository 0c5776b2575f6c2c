// The Caps Lock and Num Lock panes at the right end of the status bar: "CAP" and "NUM" while the
// lock is on, blank (keeping their room) while it is off or the window system cannot tell.
#pragma once

#include <QLabel>
#include <QObject>
#include <QStatusBar>
#include <QTimer>

namespace kesto::app {

class LockPanes : public QObject {
  public:
    // Adds the panes to the permanent ones of `bar`, after those already there.
    explicit LockPanes(QStatusBar* bar);

  private:
    void refresh();

    QLabel* caps_;
    QLabel* num_;
    // The lock keys send nothing to a window that is not active: their state is asked for.
    QTimer poll_;
};

}  // namespace kesto::app
