// Shared by the offscreen dialog tests: scripted answers in place of message boxes, and
// pictures of the dialogs when KESTO_DIALOG_PNG_DIR names a folder.
#pragma once

#include <QString>
#include <QWidget>

#include "scripted_questions.h"

namespace kesto::dialogs::test {

using kesto::test::ScriptedQuestions;

// Saves a picture of `w` as NAME.png in the folder named by KESTO_DIALOG_PNG_DIR, if set.
inline void savePicture(QWidget& w, const QString& name) {
    const QString folder = qEnvironmentVariable("KESTO_DIALOG_PNG_DIR");
    if (folder.isEmpty()) {
        return;
    }
    w.adjustSize();
    w.show();
    w.grab().save(folder + "/" + name + ".png");
}

}  // namespace kesto::dialogs::test
