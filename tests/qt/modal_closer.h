// Closes every message box and dialog of the given class that opens while it lives, after
// noting what it showed, so that tests can drive code that runs modal windows.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>

namespace kesto::test {

class ModalCloser : public QObject {
  public:
    // `dialogClass`: the class name of the dialogs to note and close besides message boxes.
    explicit ModalCloser(const char* dialogClass = nullptr) : dialogClass_(dialogClass) {
        qApp->installEventFilter(this);
    }
    ~ModalCloser() override { qApp->removeEventFilter(this); }

    // The texts of the message boxes, in order.
    QStringList messages;
    // Every label text of each dialog of `dialogClass`, one list per dialog.
    QList<QStringList> dialogs;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) {
            return false;
        }
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            messages << box->text();
            QMetaObject::invokeMethod(box, &QDialog::accept, Qt::QueuedConnection);
        } else if (auto* dialog = qobject_cast<QDialog*>(watched);
                   dialog != nullptr && dialogClass_ != nullptr && dialog->inherits(dialogClass_)) {
            QStringList labels;
            for (const QLabel* l : dialog->findChildren<QLabel*>()) {
                labels << l->text();
            }
            dialogs << labels;
            QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    const char* dialogClass_;
};

}  // namespace kesto::test
