#include "app/lock_panes.h"

#include "app/platform/keyboard_locks.h"

namespace kesto::app {
namespace {

constexpr int kPollMs = 250;

QLabel* lockPane(QStatusBar* bar, const QString& text) {
    auto* pane = new QLabel(bar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) +
                          pane->fontMetrics().height());
    bar->addPermanentWidget(pane);
    return pane;
}

}  // namespace

LockPanes::LockPanes(QStatusBar* bar)
    : QObject(bar),
      caps_(lockPane(bar, QStringLiteral("CAP"))),
      num_(lockPane(bar, QStringLiteral("NUM"))) {
    connect(&poll_, &QTimer::timeout, this, &LockPanes::refresh);
    poll_.start(kPollMs);
    refresh();
}

void LockPanes::refresh() {
    const KeyboardLocks locks = keyboardLocks().value_or(KeyboardLocks{});
    caps_->setText(locks.capsLock ? QStringLiteral("CAP") : QString());
    num_->setText(locks.numLock ? QStringLiteral("NUM") : QString());
}

}  // namespace kesto::app
