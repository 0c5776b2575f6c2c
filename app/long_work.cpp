#include "app/long_work.h"

#include <QGuiApplication>
#include <limits>

namespace kesto::app {
namespace {

constexpr int kShowAfterMs = 500;
// The dialog is updated at most this often, so that reporting costs nothing next to the work.
constexpr int kUpdateEveryMs = 40;

}  // namespace

LongWork::LongWork(QWidget* parent, const QString& label, bool cancellable)
    : dialog_(std::make_unique<QProgressDialog>(parent)) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    dialog_->setWindowTitle(QStringLiteral("Kesto"));
    dialog_->setLabelText(label);
    dialog_->setWindowModality(Qt::WindowModal);
    // Shown by progress() once half a second has passed, never earlier on an estimate.
    dialog_->setMinimumDuration(std::numeric_limits<int>::max());
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    dialog_->setMinimumWidth(320);
    if (!cancellable) {
        dialog_->setCancelButton(nullptr);
    } else {
        dialog_->setCancelButtonText(QStringLiteral("キャンセル"));
    }
    dialog_->setValue(0);
    started_.start();
    sinceUpdate_.start();
}

LongWork::~LongWork() {
    dialog_.reset();
    QGuiApplication::restoreOverrideCursor();
}

bool LongWork::progress(int done, int total) {
    if ((done == 0 || done == total || sinceUpdate_.elapsed() >= kUpdateEveryMs)) {
        sinceUpdate_.restart();
        dialog_->setMaximum(total);
        dialog_->setLabelText(dialog_->labelText().section(QLatin1Char('\n'), 0, 0) +
                              QStringLiteral("\n%1 / %2 ﾍﾟｰｼﾞ").arg(done).arg(total));
        if (!shown_ && started_.elapsed() >= kShowAfterMs) {
            dialog_->setMinimumDuration(0);  // the next value shows the dialog
            shown_ = true;
        }
        dialog_->setValue(done);
        cancelled_ = cancelled_ || dialog_->wasCanceled();
    }
    return !cancelled_;
}

}  // namespace kesto::app
