// Shared by the offscreen dialog tests: scripted answers in place of message boxes, and
// pictures of the dialogs when KESTO_DIALOG_PNG_DIR names a folder.
#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "base/questions.h"

namespace kesto::dialogs::test {

// Records every message and question in order; questions are answered from `answers`
// (false when absent).
class ScriptedQuestions : public Questions {
  public:
    std::vector<std::string> asked;
    std::map<std::string, bool> answers;

    void tell(const std::string& message) override { asked.push_back(message); }
    bool askYesNo(const std::string& question) override { return answer(question); }
    bool askOkCancel(const std::string& question) override { return answer(question); }

  private:
    bool answer(const std::string& question) {
        asked.push_back(question);
        const auto it = answers.find(question);
        return it != answers.end() && it->second;
    }
};

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
