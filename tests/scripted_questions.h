// Answers in place of the user: records every message and question in order and answers the
// questions from `answers` (false when absent).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/questions.h"

namespace kesto::test {

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

}  // namespace kesto::test
