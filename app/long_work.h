// Long work on the user-interface thread (opening and calculating large documents): the wait
// cursor at once, and a progress dialog "pages done of pages" once the work has taken half a
// second.
#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>
#include <memory>

namespace kesto::app {

class LongWork {
  public:
    // With `cancellable` the dialog has a Cancel button.
    LongWork(QWidget* parent, const QString& label, bool cancellable);
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    // Reports `done` of `total` pages; false once the user has cancelled.
    bool progress(int done, int total);

  private:
    std::unique_ptr<QProgressDialog> dialog_;
    QElapsedTimer started_;
    QElapsedTimer sinceUpdate_;
    bool shown_ = false;
    bool cancelled_ = false;
};

}  // namespace kesto::app
